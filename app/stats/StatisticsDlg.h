// The statistics tool's dialog: the keypad, the sample display, the count and the five
// results, laid out in dialog units over the stored background. Every control runs one
// handler of the statistics logic; the logic writes back through the host interface.
#pragma once

#include "MessagePresenter.h"
#include "SettingsStore.h"
#include "StatisticsTool.h"

#include <QDialog>

#include <array>
#include <map>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarvo {

class CStatisticsDlg : public QDialog, public IStatisticsHost {
    Q_OBJECT

public:
    explicit CStatisticsDlg(ISettingsStore& settings, MessagePresenter presenter = ShowMessageBox,
                            QWidget* parent = nullptr);

    // m_dTransferValue: what the caller hands to the calculator when exec() returned Accepted.
    double TransferValue() const { return m_tool.m_dTransferValue; }

    StatisticsTool& Tool() { return m_tool; }
    // The dialog's controls by id (keys, radio buttons, result edits, Help, OK).
    QWidget* Control(int id) const { return m_controls.at(id); }
    QPlainTextEdit* Sample() const { return m_sample; }
    QLabel* CountStatic() const { return m_count; }

    void ShowSample(const std::string& text) override;
    void ScrollSample(int characters) override;
    std::string SampleText() override;
    TextSelection SampleSelection() override;
    void SetSampleSelection(TextSelection selection) override;
    void ShowCount(const std::string& text) override;
    void ShowResult(ResultChoice choice, const std::string& text) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The close box ends the dialog as OK does.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDisplays();
    void CreateKeys();
    void CreateResults();
    void CreateButtons();
    void CreateKeyboard();
    void SetTabOrder();
    void AddControl(int id, QWidget* control);

    PresentedMessages m_messages;
    StatisticsTool m_tool;
    QPlainTextEdit* m_sample = nullptr;
    QLabel* m_count = nullptr;
    std::array<QLineEdit*, StatisticsTool::kResultCount> m_results{};
    std::map<int, QWidget*> m_controls;
    bool m_opened = false;
};

} // namespace tarvo
