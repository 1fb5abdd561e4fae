// Save and Save As on real files: which dialogs are asked, the settings and files they leave,
// and files that cannot be written.
#include "SaveCommand.h"
#include "CalcFile.h"
#include "FileTestSupport.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>

namespace tarvo::test {
namespace {

// The two dialogs answered from the test; every file dialog shown is recorded with whether it
// confirms overwriting.
class RecordingSaveHost final : public ISaveHost {
public:
    std::optional<std::string> AskCalculationId() override { return id; }
    std::optional<std::string> AskSaveFile(bool confirmOverwrite) override {
        fileDialogs.push_back(confirmOverwrite);
        return file;
    }
    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons) override {
        messages.push_back(title + " | " + text);
        return MessageAnswer::Ok;
    }

    std::optional<std::string> id;
    std::optional<std::string> file;
    std::vector<bool> fileDialogs;
    std::vector<std::string> messages;
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
// reason, and nothing is written to the disk.
struct UnwritableCase {
    const char* name;
    SaveKind kind;
    std::string path; // inside the test folder; empty: the folder itself
    int error;
};

const UnwritableCase kUnwritableCases[] = {
    {"SaveIntoMissingFolder", SaveKind::Save, "missing/calcs.txt", ENOENT},
    {"SaveOntoAFolder", SaveKind::Save, "", EISDIR},
    {"SaveAsIntoMissingFolder", SaveKind::SaveAs, "missing/calcs.txt", ENOENT},
    {"SaveAsOntoAFolder", SaveKind::SaveAs, "", EISDIR},
};

class UnwritableFileTest : public FileTest, public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableFileTest, TarvoErrorNamesTheFileAndNothingIsWritten) {
    const UnwritableCase& row = GetParam();
    const std::string path = PathOf(row.path);
    m_settings.WriteSettingString("Settings", "Current Calc", "1 =");
    m_settings.WriteSettingString("Settings", "Path", path);
    RecordingSaveHost host;
    host.id = "x";
    host.file = path;
    SaveCalculation(row.kind, m_settings, host, kTime);
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& message = host.messages.front();
    EXPECT_TRUE(message.starts_with("Tarvo Error | ")) << message;
    EXPECT_NE(message.find("\"" + path + "\""), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(row.error)), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path().toStdString()))
        entries += entry.path().filename() != "Drelkin Software";
    EXPECT_EQ(entries, 0u);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnwritableFileTest, ::testing::ValuesIn(kUnwritableCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two calculators saving into one file at once: every record arrives whole, none is lost.
TEST(AppendRecordTest, TwoWritersAtOnceKeepEveryRecordWhole) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/calcs.txt";
    constexpr int kPerWriter = 300;
    const auto writer = [&path](const std::string& id) {
        for (int i = 0; i < kPerWriter; ++i)
            ASSERT_TRUE(AppendRecord(path, Record(id, std::string(500, 'x'))).ok);
    };
    std::thread first(writer, "one");
    std::thread second(writer, "two");
    first.join();
    second.join();
    const std::string content = ReadBytes(path);
    const std::string one = Record("one", std::string(500, 'x'));
    const std::string two = Record("two", std::string(500, 'x'));
    ASSERT_EQ(content.size(), kPerWriter * (one.size() + two.size()));
    int ones = 0;
    for (std::size_t at = 0; at < content.size();) {
        const bool isOne = content.compare(at, one.size(), one) == 0;
        ASSERT_TRUE(isOne || content.compare(at, two.size(), two) == 0) << "at byte " << at;
        ones += isOne;
        at += isOne ? one.size() : two.size();
    }
    EXPECT_EQ(ones, kPerWriter);
}

} // namespace
} // namespace tarvo::test
