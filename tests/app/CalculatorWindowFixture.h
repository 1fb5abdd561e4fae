// The calculator window on the offscreen platform, with the real settings store in a
// temporary folder; message boxes are recorded and answered at once.
#pragma once

#include "IniSettingsStore.h"
#include "Keypad.h"
#include "MainFrame.h"
#include "RecordedPresenter.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tarvo::test {

using Id = CommandId;

class CalculatorWindowTest : public ::testing::Test {
protected:
    CalculatorWindowTest() { m_host.SetMessagePresenter(m_boxes.Presenter()); }

    CMainFrame& Start() {
        m_doc.OnNewDocument();
        m_frame = std::make_unique<CMainFrame>(m_doc, m_host, m_settings);
        return *m_frame;
    }
    CMainFrame& StartShown() {
        Start().show();
        m_frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_frame.get()));
        return *m_frame;
    }

    CalculatorForm& Form() { return m_frame->Form(); }
    void Click(std::initializer_list<int> ids) {
        for (const int id : ids)
            Form().Button(id)->click();
    }
    // The large display gains the focus with its caret at this position.
    QPlainTextEdit* FocusLargeAt(int position) {
        QPlainTextEdit* large = Form().LargeDisplay();
        large->setFocus();
        QTextCursor cursor = large->textCursor();
        cursor.setPosition(position);
        large->setTextCursor(cursor);
        return large;
    }
    QString Small() { return Form().SmallDisplay()->text(); }
    QString Large() { return Form().LargeDisplay()->toPlainText(); }
    bool Checked(CommandId command) {
        m_frame->UpdateCheckMarks();
        return m_frame->Command(command)->isChecked();
    }
    void Trigger(CommandId command) { m_frame->Command(command)->trigger(); }
    int Stored(const char* key) { return m_settings.ReadSettingInt("Settings", key, -99); }

    QTemporaryDir m_folder;
    IniSettingsStore m_settings{m_folder.path()};
    FormHost m_host;
    CCalculatorDoc m_doc{m_host};
    std::unique_ptr<CMainFrame> m_frame;
    RecordedPresenter m_boxes;
};

} // namespace tarvo::test
