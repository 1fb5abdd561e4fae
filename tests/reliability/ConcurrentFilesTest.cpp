// Two calculators at work on one calculation file at the same time lose no record, and a
// calculator killed while it deletes loses none either.
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include <csignal>

namespace tarvo {
namespace {

class ConcurrentFilesTest : public ::testing::Test {
protected:
    // A tarvo-batch of its own settings folder, running `script` in the shared folder.
    std::unique_ptr<QProcess> Start(const std::string& script, const QString& settings) {
        auto batch = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", settings);
        batch->setProcessEnvironment(environment);
        batch->setWorkingDirectory(m_folder.path());
        batch->start(TARVO_BATCH_PROGRAM, {});
        EXPECT_TRUE(batch->waitForStarted());
        batch->write(script.data(), static_cast<qint64>(script.size()));
        batch->closeWriteChannel();
        return batch;
    }

    std::string Calcs() const {
        std::ifstream in(m_folder.path().toStdString() + "/calcs.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static std::string Saves(const std::string& prefix, int count) {
        std::string script;
        for (int i = 0; i < count; ++i)
            script += ":save " + prefix + std::to_string(i) + " calcs.txt\n";
        return script;
    }

    static int Count(const std::string& text, const std::string& pattern) {
        const std::regex expression(pattern);
        return static_cast<int>(std::distance(
            std::sregex_iterator(text.begin(), text.end(), expression), std::sregex_iterator()));
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_settingsA;
    QTemporaryDir m_settingsB;
};

TEST_F(ConcurrentFilesTest, TwoCalculatorsSavingAtOnceKeepEveryRecord) {
    const int saves = 150;
    auto first = Start("7 * 6 =\n" + Saves("A", saves), m_settingsA.path());
    auto second = Start("1 + 1 =\n" + Saves("B", saves), m_settingsB.path());
    ASSERT_TRUE(first->waitForFinished(120000));
    ASSERT_TRUE(second->waitForFinished(120000));
    const std::string calcs = Calcs();
    EXPECT_EQ(Count(calcs, "\n"), 2 * saves);
    EXPECT_EQ(Count(calcs, R"("A\d+" [^{]* \{7 \* 6 = 42; \}\r\n)"), saves);
    EXPECT_EQ(Count(calcs, R"("B\d+" [^{]* \{1 \+ 1 = 2; \}\r\n)"), saves);
}

TEST_F(ConcurrentFilesTest, DeletingWhileAnotherSavesNeverDropsASavedRecord) {
    const int old = 60;
    std::ofstream(m_folder.path().toStdString() + "/calcs.txt", std::ios::binary) << [&] {
        std::string records;
        for (int i = 0; i < old; ++i)
            records += "\"old" + std::to_string(i) + "\" 1/2/03 4:05:06 {1 = 1; }\r\n";
        return records;
    }();
    std::string deletes = ":load calcs.txt\n";
    for (int i = 0; i < old; ++i)
        deletes += "Delete\n";
    const int saves = 100;
    auto deleter = Start(deletes + "Cancel\n", m_settingsA.path());
    auto saver = Start("3 =\n" + Saves("new", saves), m_settingsB.path());
    ASSERT_TRUE(deleter->waitForFinished(120000));
    ASSERT_TRUE(saver->waitForFinished(120000));
    const std::string calcs = Calcs();
    EXPECT_EQ(Count(calcs, R"("new\d+" [^{]* \{3 = 3; \}\r\n)"), saves);
    EXPECT_EQ(Count(calcs, "\n"), Count(calcs, R"(\{[^}]*\}\r\n)")) << "a record was cut";
}

// A calculator killed at any moment of a Delete leaves the old file or the new one, whole: the
// records from some first one on. A copy it left beside the file goes at the next Load.
TEST_F(ConcurrentFilesTest, KilledDuringDeleteLeavesAWholeFileAndTheNextLoadRemovesTheCopy) {
    std::string original;
    for (int i = 0; original.size() < (std::size_t{24} << 20); ++i)
        original += "\"old" + std::to_string(i) + "\" 1/2/03 4:05:06 {" + std::string(200, '7') +
                    " = 7; }\r\n";
    std::ofstream(m_folder.path().toStdString() + "/calcs.txt", std::ios::binary) << original;
    std::string deletes = ":load calcs.txt\n";
    for (int i = 0; i < 40; ++i)
        deletes += "Delete\n";
    for (const int milliseconds : {150, 400, 650, 900, 1150}) {
        SCOPED_TRACE(testing::Message() << "killed after " << milliseconds << " ms");
        auto deleter = Start(deletes + "Cancel\n", m_settingsA.path());
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        ::kill(static_cast<pid_t>(deleter->processId()), SIGKILL);
        ASSERT_TRUE(deleter->waitForFinished(60000));
        const std::string calcs = Calcs();
        ASSERT_TRUE(original.ends_with(calcs));
        ASSERT_TRUE(calcs.empty() || calcs.size() == original.size() ||
                    original[original.size() - calcs.size() - 1] == '\n')
            << "a record was cut";
        auto loader = Start(":load calcs.txt\nCancel\n", m_settingsB.path());
        ASSERT_TRUE(loader->waitForFinished(60000));
        EXPECT_EQ(Calcs(), calcs);
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{"calcs.txt"});
    }
}

} // namespace
} // namespace tarvo
