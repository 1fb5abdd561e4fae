// Save and Save As on real files: which dialogs are asked, the settings and files they leave,
// and files that cannot be written.
#include "SaveCommand.h"
#include "FileTestSupport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include <sys/stat.h>

namespace tarvo::test {
namespace {

// The two dialogs answered from the test; every file dialog shown is recorded with whether it
// confirms overwriting.
class RecordingSaveHost final : public RecordedMessages<ISaveHost> {
public:
    std::optional<std::string> AskCalculationId() override { return id; }
    std::optional<std::string> AskSaveFile(bool confirmOverwrite) override {
        fileDialogs.push_back(confirmOverwrite);
        return file;
    }

    std::optional<std::string> id;
    std::optional<std::string> file;
    std::vector<bool> fileDialogs;
};

const std::string kOld = Record("old", "9 = 9; ");
const char* const kMissing = "(missing)";

// File names are inside the test folder; "Path" and the dialog answer become full paths.
struct SaveCase {
    const char* name;
    SaveKind kind;
    std::optional<std::string> currentCalc; // nothing: never calculated
    std::string pathBefore;                 // empty: "Path" never written
    std::optional<std::string> id;          // nothing: the ID dialog is cancelled
    std::optional<std::string> chosen;      // nothing: the file dialog is cancelled
    std::vector<bool> fileDialogs;          // shown, and whether each confirms overwriting
    std::string pathAfter;                  // kMissing: "Path" still unwritten
    std::string fileEntry;                  // kMissing: "File Entry" not written
    std::string calcsAfter;                 // calcs.txt (holding kOld before), byte for byte
    std::string otherAfter;                 // other.txt (missing before); kMissing: still missing
};

const SaveCase kSaveCases[] = {
    {"FirstSaveAsksWithConfirmationAndRemembersTheFile",
     SaveKind::Save,
     "2 + 3 = 5; \r\n",
     "",
     "sum",
     "other.txt",
     {true},
     "other.txt",
     Record("sum", "2 + 3 = 5; "),
     kOld,
     Record("sum", "2 + 3 = 5; ")},
    {"SaveWithPathAppendsWithoutAsking",
     SaveKind::Save,
     "2 + 3 = 5; \r\n",
     "calcs.txt",
     "sum",
     "other.txt",
     {},
     "calcs.txt",
     Record("sum", "2 + 3 = 5; "),
     kOld + Record("sum", "2 + 3 = 5; "),
     kMissing},
    {"SaveCreatesTheMissingFileOfPath",
     SaveKind::Save,
     "1 =",
     "other.txt",
     "x",
     std::nullopt,
     {},
     "other.txt",
     Record("x", "1 ="),
     kOld,
     Record("x", "1 =")},
    {"SaveAsAsksWithoutConfirmationAndSwitchesPath",
     SaveKind::SaveAs,
     "4 * 4 = 16; \r\n",
     "calcs.txt",
     "sq",
     "other.txt",
     {false},
     "other.txt",
     kMissing,
     kOld,
     Record("sq", "4 * 4 = 16; ")},
    {"SaveAsToAnExistingFileAppends",
     SaveKind::SaveAs,
     "1 =",
     "other.txt",
     "x",
     "calcs.txt",
     {false},
     "calcs.txt",
     kMissing,
     kOld + Record("x", "1 ="),
     kMissing},
    {"CancelledIdWritesNothing",
     SaveKind::Save,
     "1 =",
     "",
     std::nullopt,
     "other.txt",
     {},
     kMissing,
     kMissing,
     kOld,
     kMissing},
    {"SaveAsCancelledIdWritesNothing",
     SaveKind::SaveAs,
     "1 =",
     "calcs.txt",
     std::nullopt,
     "other.txt",
     {},
     "calcs.txt",
     kMissing,
     kOld,
     kMissing},
    {"CancelledFileDialogLeavesFileEntryWritten",
     SaveKind::Save,
     "1 =",
     "",
     "x",
     std::nullopt,
     {true},
     kMissing,
     Record("x", "1 ="),
     kOld,
     kMissing},
    {"SaveAsCancelledFileDialogKeepsPath",
     SaveKind::SaveAs,
     "1 =",
     "calcs.txt",
     "x",
     std::nullopt,
     {false},
     "calcs.txt",
     kMissing,
     kOld,
     kMissing},
    {"LineBreaksRemoved",
     SaveKind::Save,
     "1 + 1 = 2; \r\n2 + 2 = 4; \r\n\n",
     "calcs.txt",
     "two",
     std::nullopt,
     {},
     "calcs.txt",
     Record("two", "1 + 1 = 2; 2 + 2 = 4; "),
     kOld + Record("two", "1 + 1 = 2; 2 + 2 = 4; "),
     kMissing},
    {"LineBreaksOfAPastedIdRemoved",
     SaveKind::Save,
     "1 =",
     "calcs.txt",
     "two\r\nlines\n",
     std::nullopt,
     {},
     "calcs.txt",
     Record("twolines", "1 ="),
     kOld + Record("twolines", "1 ="),
     kMissing},
    {"IdOverSixtyFourCharactersSavedWhole",
     SaveKind::Save,
     "1 =",
     "calcs.txt",
     std::string(65, 'a') + std::string(35, 'z'),
     std::nullopt,
     {},
     "calcs.txt",
     Record(std::string(65, 'a') + std::string(35, 'z'), "1 ="),
     kOld + Record(std::string(65, 'a') + std::string(35, 'z'), "1 ="),
     kMissing},
    {"NothingCalculatedYetSavesAnEmptyCalculation",
     SaveKind::Save,
     std::nullopt,
     "calcs.txt",
     "",
     std::nullopt,
     {},
     "calcs.txt",
     "\"\" " + kTime + " {}\r\n",
     kOld + "\"\" " + kTime + " {}\r\n",
     kMissing},
};

class SaveTest : public FileTest, public ::testing::TestWithParam<SaveCase> {
protected:
    // A name of the test folder as a full path; kMissing stays as it is.
    std::string Full(const std::string& name) const {
        return name == kMissing ? name : PathOf(name);
    }
};

TEST_P(SaveTest, WritesSettingsAndAppendsTheRecord) {
    const SaveCase& row = GetParam();
    WriteBytes(PathOf("calcs.txt"), kOld);
    if (row.currentCalc)
        m_settings.WriteSettingString("Settings", "Current Calc", *row.currentCalc);
    if (!row.pathBefore.empty())
        m_settings.WriteSettingString("Settings", "Path", PathOf(row.pathBefore));
    RecordingSaveHost host;
    host.id = row.id;
    if (row.chosen)
        host.file = PathOf(*row.chosen);

    SaveCalculation(row.kind, m_settings, host, kTime);

    EXPECT_EQ(host.fileDialogs, row.fileDialogs);
    EXPECT_EQ(Setting("Path"), Full(row.pathAfter));
    EXPECT_EQ(Setting("File Entry"), row.fileEntry);
    EXPECT_EQ(ReadBytes(PathOf("calcs.txt")), row.calcsAfter);
    if (row.otherAfter == kMissing) {
        EXPECT_FALSE(std::filesystem::exists(PathOf("other.txt")));
    } else {
        EXPECT_EQ(ReadBytes(PathOf("other.txt")), row.otherAfter);
    }
    EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, SaveTest, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

class SaveSequenceTest : public FileTest, public ::testing::Test {};

TEST_F(SaveSequenceTest, SecondSaveAppendsToTheFileOfTheFirstOrOfSaveAs) {
    RecordingSaveHost host;
    host.file = PathOf("first.txt");
    m_settings.WriteSettingString("Settings", "Current Calc", "1 =");
    host.id = "a";
    SaveCalculation(SaveKind::Save, m_settings, host, kTime);
    host.id = "b";
    SaveCalculation(SaveKind::Save, m_settings, host, kTime);
    EXPECT_EQ(host.fileDialogs, std::vector<bool>{true});
    host.file = PathOf("second.txt");
    host.id = "c";
    SaveCalculation(SaveKind::SaveAs, m_settings, host, kTime);
    host.id = "d";
    SaveCalculation(SaveKind::Save, m_settings, host, kTime);
    EXPECT_EQ(host.fileDialogs, (std::vector<bool>{true, false}));
    EXPECT_EQ(ReadBytes(PathOf("first.txt")), Record("a", "1 =") + Record("b", "1 ="));
    EXPECT_EQ(ReadBytes(PathOf("second.txt")), Record("c", "1 =") + Record("d", "1 ="));
    EXPECT_EQ(Setting("File Entry"), Record("d", "1 ="));
}

// A file that can neither be opened nor created: "Tarvo Error" names it and the system's
// reason, and nothing is written to the disk. A named pipe is refused without waiting on it.
struct UnwritableCase {
    const char* name;
    SaveKind kind;
    std::string path; // inside the test folder; empty: the folder itself
    std::string reason;
    bool pipe = false;
};

const UnwritableCase kUnwritableCases[] = {
    {"SaveIntoMissingFolder", SaveKind::Save, "missing/calcs.txt", std::strerror(ENOENT)},
    {"SaveOntoAFolder", SaveKind::Save, "", std::strerror(EISDIR)},
    {"SaveAsIntoMissingFolder", SaveKind::SaveAs, "missing/calcs.txt", std::strerror(ENOENT)},
    {"SaveAsOntoAFolder", SaveKind::SaveAs, "", std::strerror(EISDIR)},
    {"SaveOntoANamedPipe", SaveKind::Save, "pipe.txt", "Not a regular file", true},
};

class UnwritableFileTest : public FileTest, public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableFileTest, TarvoErrorNamesTheFileAndNothingIsWritten) {
    const UnwritableCase& row = GetParam();
    const std::string path = PathOf(row.path);
    if (row.pipe) {
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    m_settings.WriteSettingString("Settings", "Current Calc", "1 =");
    m_settings.WriteSettingString("Settings", "Path", path);
    RecordingSaveHost host;
    host.id = "x";
    host.file = path;
    SaveCalculation(row.kind, m_settings, host, kTime);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Tarvo Error | Error - The calculation "
                                                      "could not be saved to \"" +
                                                      path + "\": " + row.reason +
                                                      ". The file was left as it was."});
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path().toStdString()))
        entries += entry.path().filename() != "Drelkin Software" && !entry.is_fifo();
    EXPECT_EQ(entries, 0u);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnwritableFileTest, ::testing::ValuesIn(kUnwritableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A full disk stops the write partway: the file is cut back to what it was (removed, when the
// Save created it), the user is told so, and the next Save appends a whole record.
struct FullDiskCase {
    const char* name;
    std::optional<std::string> before; // nothing: no file yet
};

const FullDiskCase kFullDiskCases[] = {
    {"ExistingFile", kOld + kOld},
    {"NewFile", std::nullopt},
};

class FullDiskTest : public FileTest, public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDiskTest, SaveLeavesTheFileAsItWas) {
    const std::string path = PathOf("calcs.txt");
    const std::optional<std::string>& before = GetParam().before;
    if (before)
        WriteBytes(path, *before);
    m_settings.WriteSettingString("Settings", "Current Calc", "2 + 3 = 5; ");
    m_settings.WriteSettingString("Settings", "Path", path);
    RecordingSaveHost host;
    host.id = "sum";
    const std::string messages =
        InChildProcess(FileSizeLimit(before.value_or("").size() + 10), [&] {
            SaveCalculation(SaveKind::Save, m_settings, host, kTime);
            return Lines(host.messages);
        });
    EXPECT_EQ(messages,
              Lines({"Tarvo Error | Error - The calculation could not be saved to \"" + path +
                     "\": " + std::strerror(EFBIG) + ". The file was left as it was."}));
    EXPECT_EQ(std::filesystem::exists(path), before.has_value());
    if (before) {
        EXPECT_EQ(ReadBytes(path), *before);
    }
    SaveCalculation(SaveKind::Save, m_settings, host, kTime);
    EXPECT_EQ(ReadBytes(path), before.value_or("") + Record("sum", "2 + 3 = 5; "));
}

INSTANTIATE_TEST_SUITE_P(Files, FullDiskTest, ::testing::ValuesIn(kFullDiskCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::test
