// The long texts of the calculator's section, such as a calculation of megabytes in "Current
// Calc" and "Last Calc", kept in files of their own beside the settings file: written as they
// are, without the settings file's escaping, and coalesced. A long text reaches its file at
// most a second after it was written to the store, and at once when the store ends; until then
// the store reads it from memory. A text equal to one already in another key's file shares
// that file instead of filling a second one.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <map>
#include <optional>
#include <set>
#include <string>

namespace tarvo {

class LongTextFiles {
public:
    // Texts of at least this many bytes are long.
    static constexpr std::size_t kLongText = 16 * 1024;

    // folder: where the files of the section "Settings" lie.
    explicit LongTextFiles(QString folder);
    ~LongTextFiles();
    LongTextFiles(const LongTextFiles&) = delete;
    LongTextFiles& operator=(const LongTextFiles&) = delete;

    static bool IsLong(const std::string& section, const std::string& value);

    // The long text of a key, or nothing when it has none.
    std::optional<std::string> Read(const std::string& key) const;
    // Keeps a long text for its file.
    void Write(const std::string& key, const std::string& value);
    // The key's value is no long text any more: its file goes.
    void Forget(const std::string& key);
    // Writes every text that waits for its file.
    void Flush();

private:
    QString FileOf(const std::string& key) const;
    bool ShareEqualFile(const std::string& key, const std::string& value);
    bool WriteFile(const QString& path, const std::string& value);
    void Report(const QString& path);

    QString m_folder;
    std::map<std::string, std::string> m_pending;
    QElapsedTimer m_pendingSince;
    QTimer m_flushTimer;
    std::set<QString> m_reportedFiles;
};

} // namespace tarvo
