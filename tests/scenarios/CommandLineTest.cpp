// The program's command line and script source: what cannot be read is reported, never run
// as an empty script, and a reason names the whole offending token.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    const char* shell; // $P is the program, $D an empty folder
    QByteArray stdoutText;
    QByteArray stderrText;
    int exitCode;
};

void PrintTo(const CommandLineCase& row, std::ostream* out) {
    *out << row.name;
}

const char kNulReason[] = "tarvo-batch: line 1: unknown token '2\0x'\n";
const QByteArray kSum = "small: 3\nlarge: 1 + 2 = 3; \\r\\n\nstatus: \n";

const CommandLineCase kCases[] = {
    {"ScriptFromStandardInput", "echo '1 + 2 =' | $P", kSum, "", 0},
    {"DashIsStandardInput", "echo '1 + 2 =' | $P -", kSum, "", 0},
    {"MissingFile", "$P $D/none.batch", "",
     "tarvo-batch: cannot read '$D/none.batch': No such file or directory\n", 2},
    {"FolderAsScript", "$P $D", "", "tarvo-batch: cannot read '$D': Is a directory\n", 2},
    {"FolderAsStandardInput", "$P - < $D", "",
     "tarvo-batch: cannot read standard input: Is a directory\n", 2},
    {"ClosedStandardInput", "$P <&-", "",
     "tarvo-batch: cannot read standard input: Bad file descriptor\n", 2},
    {"TwoArguments", "$P a b", "", "tarvo-batch: usage: tarvo-batch [SCRIPT]\n", 2},
    {"NulInAToken", "printf '1 + 2\\000x\\n' | $P", "",
     QByteArray::fromRawData(kNulReason, sizeof kNulReason - 1), 2},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReportsWhatItCannotRead) {
    const CommandLineCase& row = GetParam();
    QTemporaryDir folder;
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("P", TARVO_BATCH_PROGRAM);
    environment.insert("D", folder.path());
    environment.insert("XDG_CONFIG_HOME", folder.path() + "/config");
    shell.setProcessEnvironment(environment);
    shell.start("/bin/sh", {"-c", row.shell});
    ASSERT_TRUE(shell.waitForFinished(30'000));
    QByteArray expectedError = row.stderrText;
    expectedError.replace("$D", folder.path().toUtf8());
    EXPECT_EQ(shell.readAllStandardOutput(), row.stdoutText);
    EXPECT_EQ(shell.readAllStandardError(), expectedError);
    EXPECT_EQ(shell.exitCode(), row.exitCode);
}

INSTANTIATE_TEST_SUITE_P(Runs, CommandLineTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
