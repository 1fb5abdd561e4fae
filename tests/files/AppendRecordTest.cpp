// Appending a record to the calculation file: it always starts a line of its own and arrives
// whole, whoever else appends at the same time.
#include "CalcFile.h"
#include "FileTestSupport.h"

#include <thread>

namespace tarvo::test {
namespace {

// A last line without its line feed (a record cut short, a line added by hand) is ended
// before the record, which then starts a line of its own; the line itself stays as it was.
TEST(AppendRecordTest, DamagedLastLineIsEndedFirst) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/calcs.txt";
    const std::string record = Record("new", "1 =");
    const std::string whole = Record("old", "9 = 9; ");
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } rows[] = {
        {"no line feed", "\"cut\" t {2", "\"cut\" t {2\r\n" + record},
        {"carriage return only", "\"cut\" t {2}\r", "\"cut\" t {2}\r\n" + record},
        {"line feed only", "\"lf\" t {2}\n", "\"lf\" t {2}\n" + record},
        {"whole record", whole, whole + record},
        {"empty file", "", record},
    };
    for (const auto& row : rows) {
        WriteBytes(path, row.before);
        ASSERT_EQ(AppendRecord(path, record).status, FileStatus::Done) << row.name;
        EXPECT_EQ(ReadBytes(path), row.after) << row.name;
    }
}

// Two calculators saving into one file at once: every record arrives whole, none is lost.
TEST(AppendRecordTest, TwoWritersAtOnceKeepEveryRecordWhole) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/calcs.txt";
    constexpr int kPerWriter = 300;
    const auto writer = [&path](const std::string& id) {
        for (int i = 0; i < kPerWriter; ++i)
            ASSERT_EQ(AppendRecord(path, Record(id, std::string(500, 'x'))).status,
                      FileStatus::Done);
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
