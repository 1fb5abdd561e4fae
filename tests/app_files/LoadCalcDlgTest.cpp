// The Load Calc dialog on the offscreen platform with a real file and settings store; message
// boxes go through a presenter that answers at once.
#include "LoadCalcDlg.h"
#include "CalcRecord.h"
#include "ControlName.h"
#include "IniSettingsStore.h"
#include "RecordedPresenter.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo {
namespace {

const std::string kTime = "1/2/03 4:05:06";
const std::string kA = FormatCalcRecord("A", kTime, "1 + 1 = 2; ");
const std::string kB = FormatCalcRecord("B", kTime, "2 * 3 = 6; ");
const std::string kC = FormatCalcRecord("C", kTime, "3 [sin]  = 0.052336; ");
const std::string kQuestion = "Warning | Are you sure you want to delete this calculation?";

using Id = LoadCalcButton;

void ClickButton(QWidget& dialog, LoadCalcButton id) {
    auto* button = dialog.findChild<QPushButton*>(ControlName(id));
    ASSERT_NE(button, nullptr) << static_cast<int>(id);
    button->click();
}

class LoadCalcDlgTest : public ::testing::Test {
protected:
    LoadCalcDlgTest() {
        m_settings.WriteSettingString("Settings", "Path", m_path);
        m_settings.WriteSettingString("Settings", "LoadCalc", "stale");
        Write(kA + kB + kC);
    }

    void Write(const std::string& bytes) {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string FileNow() const {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void ShowDialog() {
        m_dialog.open();
        ASSERT_TRUE(m_dialog.isVisible());
    }
    void Click(LoadCalcButton id) { ClickButton(m_dialog, id); }
    // Calc ID, Time, Calculation, Item Count, Current Item.
    std::vector<QString> Shown() const {
        return {m_dialog.FieldText(BrowserField::CalcId), m_dialog.FieldText(BrowserField::Time),
                m_dialog.FieldText(BrowserField::Calc), m_dialog.FieldText(BrowserField::ItemCount),
                m_dialog.FieldText(BrowserField::CurrentItem)};
    }
    std::string LoadCalc() { return m_settings.ReadSettingString("Settings", "LoadCalc", ""); }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    const std::string m_path = m_folder.path().toStdString() + "/calcs.txt";
    test::RecordedPresenter m_boxes;
    CLoadCalcDlg m_dialog{m_settings, m_boxes.Presenter()};
};

using Fields = std::vector<QString>;
const QString kShownTime = " 1/2/03 4:05:06 ";

TEST_F(LoadCalcDlgTest, ControlsHaveTheirCaptions) {
    EXPECT_EQ(m_dialog.windowTitle(), "Load Calc");
    const std::pair<LoadCalcButton, const char*> buttons[] = {
        {Id::Next, "Next"},     {Id::Previous, "Previous"}, {Id::Overwrite, "Overwrite"},
        {Id::Insert, "Insert"}, {Id::Delete, "Delete"},     {Id::Ok, "OK"},
        {Id::Cancel, "Cancel"},
    };
    for (const auto& [id, caption] : buttons) {
        const auto* button = m_dialog.findChild<QPushButton*>(ControlName(id));
        ASSERT_NE(button, nullptr) << caption;
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->isDefault(), id == Id::Ok) << caption;
    }
    QStringList labels;
    for (const QLabel* label : m_dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const char* label : {"Calc ID:", "Time:", "Item Count:", "Current Item:"})
        EXPECT_TRUE(labels.contains(label)) << label;
}

TEST_F(LoadCalcDlgTest, FileIsReadWhenShownAndNextAndPreviousStep) {
    EXPECT_EQ(Shown(), Fields(5));
    ShowDialog();
    EXPECT_EQ(Shown(), (Fields{"A", kShownTime, "1 + 1 = 2; ", "3", "1"}));
    Click(Id::Next);
    EXPECT_EQ(Shown(), (Fields{"B", kShownTime, "2 * 3 = 6; ", "3", "2"}));
    Click(Id::Next);
    Click(Id::Next);
    EXPECT_EQ(Shown(), (Fields{"C", kShownTime, "3 [sin]  = 0.052336; ", "3", "3"}));
    Click(Id::Previous);
    EXPECT_EQ(Shown(), (Fields{"B", kShownTime, "2 * 3 = 6; ", "3", "2"}));
    EXPECT_TRUE(m_boxes.messages.empty());
    EXPECT_TRUE(m_dialog.isVisible());
}

// Each way of ending the dialog on record B after its calculation was edited.
struct EndingCase {
    const char* name;
    std::function<void(CLoadCalcDlg&)> end;
    BrowserResult result;
    int dialogResult;
    std::string loadCalc;
};

const EndingCase kEndingCases[] = {
    {"Overwrite", [](CLoadCalcDlg& d) { ClickButton(d, Id::Overwrite); }, BrowserResult::Overwrite,
     QDialog::Accepted, "2 * 3 = 6; "},
    {"Insert", [](CLoadCalcDlg& d) { ClickButton(d, Id::Insert); }, BrowserResult::Insert,
     QDialog::Accepted, "2 * 3 = 6; "},
    {"OkLoadsNothing", [](CLoadCalcDlg& d) { ClickButton(d, Id::Ok); }, BrowserResult::Closed,
     QDialog::Accepted, "stale"},
    {"EnterIsOk", [](CLoadCalcDlg& d) { QTest::keyClick(&d, Qt::Key_Return); },
     BrowserResult::Closed, QDialog::Accepted, "stale"},
    {"Cancel", [](CLoadCalcDlg& d) { ClickButton(d, Id::Cancel); }, BrowserResult::Closed,
     QDialog::Rejected, "stale"},
    {"EscapeKey", [](CLoadCalcDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
     BrowserResult::Closed, QDialog::Rejected, "stale"},
    {"CloseBox", [](CLoadCalcDlg& d) { d.close(); }, BrowserResult::Closed, QDialog::Rejected,
     "stale"},
};

void PrintTo(const EndingCase& row, std::ostream* out) {
    *out << row.name;
}

class LoadCalcDlgEndingTest : public LoadCalcDlgTest,
                              public ::testing::WithParamInterface<EndingCase> {};

TEST_P(LoadCalcDlgEndingTest, OnlyOverwriteAndInsertLoadTheFileText) {
    const EndingCase& row = GetParam();
    ShowDialog();
    Click(Id::Next);
    m_dialog.CalcEdit()->setPlainText("9 * 9 = 81; ");
    row.end(m_dialog);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.Result(), row.result);
    EXPECT_EQ(m_dialog.result(), row.dialogResult);
    EXPECT_EQ(LoadCalc(), row.loadCalc);
    EXPECT_EQ(m_dialog.Browser().m_bInsert, row.result == BrowserResult::Insert);
    EXPECT_TRUE(m_dialog.Browser().m_pBuffer.empty());
    EXPECT_EQ(FileNow(), kA + kB + kC);
    EXPECT_TRUE(m_boxes.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Endings, LoadCalcDlgEndingTest, ::testing::ValuesIn(kEndingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadCalcDlgTest, DeleteAnsweredYesRemovesTheRecordShown) {
    ShowDialog();
    Click(Id::Next);
    Click(Id::Delete);
    EXPECT_EQ(m_boxes.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(m_boxes.owners,
              std::vector<QWidget*>{&m_dialog}); // the question stands over the browser
    EXPECT_EQ(FileNow(), kA + kC);
    EXPECT_EQ(Shown(), (Fields{"A", kShownTime, "1 + 1 = 2; ", "2", "1"}));
    EXPECT_TRUE(m_dialog.isVisible());
}

TEST_F(LoadCalcDlgTest, DeleteAnsweredNoKeepsTheFile) {
    m_boxes.answer = MessageAnswer::No;
    ShowDialog();
    Click(Id::Next);
    Click(Id::Delete);
    EXPECT_EQ(m_boxes.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(FileNow(), kA + kB + kC);
    EXPECT_EQ(Shown(), (Fields{"B", kShownTime, "2 * 3 = 6; ", "3", "2"}));
}

TEST_F(LoadCalcDlgTest, ParseErrorsAreShownOverTheOpenDialog) {
    Write(kA + "\"broken 1/2/03 {5\r\n");
    ShowDialog();
    Click(Id::Next);
    const std::string prefix = "Load Error | Error #109 - Parsing Error. ";
    EXPECT_EQ(
        m_boxes.messages,
        (std::vector<std::string>{prefix + "No following quotation marks found for Calculation ID",
                                  prefix + "No delimiter found for Calculation"}));
    EXPECT_EQ(Shown(), (Fields{"A", "\"broken 1/2/03 ", "1 + 1 = 2; ", "2", "1"}));
    EXPECT_TRUE(m_dialog.isVisible());
}

TEST_F(LoadCalcDlgTest, MissingFileIsReportedAndTheDialogStaysEmpty) {
    const std::string missing = m_folder.path().toStdString() + "/missing.txt";
    m_settings.WriteSettingString("Settings", "Path", missing);
    ShowDialog();
    ASSERT_EQ(m_boxes.messages.size(), 1u);
    EXPECT_TRUE(m_boxes.messages.front().starts_with("Load Error | ")) << m_boxes.messages.front();
    EXPECT_NE(m_boxes.messages.front().find("\"" + missing + "\""), std::string::npos);
    EXPECT_EQ(Shown(), Fields(5));
    Click(Id::Cancel);
    EXPECT_EQ(m_dialog.Result(), BrowserResult::Closed);
}

} // namespace
} // namespace tarvo
