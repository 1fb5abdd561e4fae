#include "LongTextFiles.h"

#include "DisplayText.h"
#include "SettingsStore.h"

#include <QAbstractEventDispatcher>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QThread>

#include <unistd.h>

namespace tarvo {

namespace {

constexpr int kFlushMilliseconds = 1000;

std::optional<std::string> ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::string text(static_cast<std::size_t>(file.size()), '\0');
    const qint64 got = file.read(text.data(), static_cast<qint64>(text.size()));
    if (got < 0)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(got));
    return text;
}

} // namespace

LongTextFiles::LongTextFiles(QString folder) : m_folder(std::move(folder)) {
    m_flushTimer.setSingleShot(true);
    QObject::connect(&m_flushTimer, &QTimer::timeout, [this] { Flush(); });
}

LongTextFiles::~LongTextFiles() {
    Flush();
}

bool LongTextFiles::IsLong(const std::string& section, const std::string& value) {
    return section == kSettingsSection && value.size() >= kLongText;
}

QString LongTextFiles::FileOf(const std::string& key) const {
    return m_folder + "/" + ToQString(key) + ".txt";
}

std::optional<std::string> LongTextFiles::Read(const std::string& key) const {
    const auto pending = m_pending.find(key);
    if (pending != m_pending.end())
        return pending->second;
    return ReadWhole(FileOf(key));
}

// Without an event loop (tarvo-batch) a text waits for the next write after its second.
void LongTextFiles::Write(const std::string& key, const std::string& value) {
    if (m_pending.empty())
        m_pendingSince.start();
    m_pending[key] = value;
    if (QThread::currentThread()->eventDispatcher()) {
        if (!m_flushTimer.isActive())
            m_flushTimer.start(kFlushMilliseconds);
    } else if (m_pendingSince.elapsed() >= kFlushMilliseconds) {
        Flush();
    }
}

void LongTextFiles::Forget(const std::string& key) {
    m_pending.erase(key);
    const QString path = FileOf(key);
    if (QFile::exists(path))
        QFile::remove(path);
}

void LongTextFiles::Flush() {
    m_flushTimer.stop();
    auto pending = std::move(m_pending);
    m_pending.clear();
    for (auto& [key, value] : pending) {
        if (ShareEqualFile(key, value))
            continue;
        if (!WriteFile(FileOf(key), value))
            m_pending[key] = std::move(value); // kept for the next write that can
    }
}

// The other key's file becomes this key's too, by a link renamed over the key's file.
bool LongTextFiles::ShareEqualFile(const std::string& key, const std::string& value) {
    const QDir folder(m_folder);
    for (const QString& name : folder.entryList({"*.txt"}, QDir::Files)) {
        const QString other = folder.filePath(name);
        if (other == FileOf(key) || QFileInfo(other).size() != static_cast<qint64>(value.size()))
            continue;
        if (ReadWhole(other) != value)
            continue;
        const QByteArray link = QFile::encodeName(FileOf(key) + ".link");
        QFile::remove(QFile::decodeName(link));
        if (::link(QFile::encodeName(other).constData(), link.constData()) == 0 &&
            ::rename(link.constData(), QFile::encodeName(FileOf(key)).constData()) == 0)
            return true;
        QFile::remove(QFile::decodeName(link));
    }
    return false;
}

bool LongTextFiles::WriteFile(const QString& path, const std::string& value) {
    QDir().mkpath(m_folder);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(value.data(), static_cast<qint64>(value.size())) ==
                             static_cast<qint64>(value.size()) &&
                         file.commit();
    if (!written)
        Report(path);
    return written;
}

void LongTextFiles::Report(const QString& path) {
    if (m_reportedFiles.insert(path).second)
        qWarning().noquote() << "Settings could not be saved to" << path;
}

} // namespace tarvo
