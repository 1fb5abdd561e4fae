// What the calculation file tests share: a folder with a real settings store, files read and
// written byte for byte, and records with a fixed time stamp.
#pragma once

#include "CalcRecord.h"
#include "IniSettingsStore.h"
#include "LoadCalcBrowser.h"
#include "RecordedMessages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvo::test {

inline const std::string kTime = "1/2/03 4:05:06";

namespace {

// Rows of the table-driven tests print as their names. Unnamed, as the rows are, so that the
// printer finds it beside them.
template <typename Row>
requires requires(const Row& row) {
    std::string(row.name);
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

} // namespace

// A record as Save writes it, at the fixed time.
inline std::string Record(const std::string& id, const std::string& calc) {
    return FormatCalcRecord(id, kTime, calc);
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `step` in a child process after `prepare` (what only a process of its own may do: a
// limit, another user) and returns the text that `step` returned.
inline std::string InChildProcess(const std::function<void()>& prepare,
                                  const std::function<std::string()>& step) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        prepare();
        const std::string text = step();
        const ssize_t written = ::write(channel[1], text.data(), text.size());
        ::_exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string text;
    char piece[4096];
    for (ssize_t n; (n = ::read(channel[0], piece, sizeof piece)) > 0;)
        text.append(piece, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "(child failed) " + text;
}

// A disk as good as full: no file grows beyond `bytes`, and a write past that fails.
inline std::function<void()> FileSizeLimit(rlim_t bytes) {
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
}

// Messages one to a line.
inline std::string Lines(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages)
        text += message + "\n";
    return text;
}

// The browser's dialog: it keeps the five displays and records every message.
class RecordingBrowserHost final : public RecordedMessages<ILoadCalcHost> {
public:
    void ShowField(BrowserField field, const std::string& text) override {
        fields[static_cast<std::size_t>(field)] = text;
        ++shown;
    }
    const std::string& Field(BrowserField field) const {
        return fields[static_cast<std::size_t>(field)];
    }

    std::array<std::string, 5> fields; // in the order of BrowserField
    int shown = 0;                     // ShowField calls
};

// A temporary folder holding the settings files and the calculation files of one test.
class FileTest {
protected:
    std::string PathOf(const std::string& name) const {
        return m_folder.path().toStdString() + "/" + name;
    }
    std::string Setting(const char* key) {
        return m_settings.ReadSettingString("Settings", key, "(missing)");
    }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
};

} // namespace tarvo::test
