// The programs' command lines, run without a window system: help and version, options refused
// with the usage hint, "--", and tarvo-batch's script source (-e TEXT, SCRIPT or standard
// input): what cannot be read is reported, never run as an empty script, and a reason names
// the whole offending token.
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    const char* shell; // $P is tarvo-batch, $T tarvo, $M mirelle, $D an empty folder
    QByteArray stdoutText;
    QByteArray stderrText;
    int exitCode;
};

void PrintTo(const CommandLineCase& row, std::ostream* out) {
    *out << row.name;
}

const char kNulReason[] = "tarvo-batch: line 1: unknown token '2\0x'\n";
const QByteArray kSum = "small: 3\nlarge: 1 + 2 = 3; \\r\\n\nstatus: \n";

QByteArray Refused(const QByteArray& program, const QByteArray& synopsis,
                   const QByteArray& reason) {
    return program + ": " + reason + "\nUsage: " + program + " [OPTION]... " + synopsis +
           "\nTry '" + program + " --help' for more information.\n";
}
QByteArray BatchRefused(const QByteArray& reason) {
    return Refused("tarvo-batch", "[SCRIPT]", reason);
}

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
    {"TwoArguments", "$P a b", "", BatchRefused("unexpected argument 'b'"), 2},
    {"NulInAToken", "printf '1 + 2\\000x\\n' | $P", "",
     QByteArray::fromRawData(kNulReason, sizeof kNulReason - 1), 2},
    {"BatchHelp", "$P --help > $D/out && head -n 1 $D/out",
     "Usage: tarvo-batch [OPTION]... [SCRIPT]\n", "", 0},
    {"BatchVersion", "$P --version", "tarvo-batch (Tarvo) 2.0\n", "", 0},
    {"CalculatorHelp", "$T --help > $D/out && head -n 1 $D/out",
     "Usage: tarvo [OPTION]... [FILE]\n", "", 0},
    {"CalculatorVersion", "$T --version", "tarvo (Tarvo) 2.0\n", "", 0},
    {"ViewerShortHelp", "$M -h > $D/out && head -n 1 $D/out", "Usage: mirelle [OPTION]... [FILE]\n",
     "", 0},
    {"ViewerVersion", "$M --version", "mirelle (Tarvo) 2.0\n", "", 0},
    {"OptionAfterOperand", "$P $D/none.batch --version", "tarvo-batch (Tarvo) 2.0\n", "", 0},
    {"BatchUnknownOption", "$P --frobnicate", "", BatchRefused("unknown option '--frobnicate'"), 2},
    {"CalculatorUnknownOption", "$T --frobnicate", "",
     Refused("tarvo", "[FILE]", "unknown option '--frobnicate'"), 2},
    {"ViewerUnknownOption", "$M -x", "", Refused("mirelle", "[FILE]", "unknown option '-x'"), 2},
    {"CalculatorTwoFiles", "$T a b", "", Refused("tarvo", "[FILE]", "unexpected argument 'b'"), 2},
    {"DoubleDashEndsOptions", "cd $D && echo '1 + 2 =' > ./--help && $P -- --help", kSum, "", 0},
    {"Expression", "$P -e '1 + 2 ='", kSum, "", 0},
    {"ExpressionsInOrder", "$P -e '1 +' -e2 -e =", kSum, "", 0},
    {"ExpressionEscapes", "$P -e '2 + 3 =\\n:edit 2 + 4 = 5; \\\\r\\\\n\\nRC'",
     "small: 6\nlarge: 2 + 4 = 6; \\r\\n\nstatus: \n", "", 0},
    {"ExpressionLinesCounted", "$P -e '1 +' -e '2 x'", "",
     "tarvo-batch: line 2: unknown token 'x'\n", 2},
    {"ExpressionUnknownEscape", "$P -e '1 \\q'", "",
     BatchRefused("unknown escape '\\q' in -e TEXT"), 2},
    {"ExpressionWithoutText", "$P -e", "", BatchRefused("option '-e' needs a value"), 2},
    {"ExpressionAndScript", "$P -e 1 $D/none.batch", "",
     BatchRefused("a SCRIPT cannot be given with -e"), 2},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, AnswersWithoutAWindowSystem) {
    const CommandLineCase& row = GetParam();
    QTemporaryDir folder;
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("P", TARVO_BATCH_PROGRAM);
    environment.insert("T", TARVO_PROGRAM);
    environment.insert("M", MIRELLE_PROGRAM);
    // No display to connect to: a program that needed one here would abort.
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
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
