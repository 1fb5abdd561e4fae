#include "MainFrame.h"

#include "DisplayText.h"
#include "FileCommands.h"
#include "HexToolDlg.h"
#include "Icons.h"
#include "StatisticsDlg.h"
#include "ToolTransfer.h"

#include <QCloseEvent>
#include <QLayout>

namespace tarvo {

CMainFrame::CMainFrame(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings)
    : m_settings(settings) {
    m_bTopmost = settings.ReadSettingInt(kSettingsSection, "Topmost", 0);
    m_form = new CalculatorForm(doc, host, settings, this);
    setCentralWidget(m_form);
    setWindowTitle(ToQString(doc.GetTitle()) + " - Tarvo 2.0");
    setWindowIcon(ApplicationIcon());
    m_menu = std::make_unique<MainMenu>(*this);
    // A fixed frame: no maximize box, no sizing border.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ApplyTopmost();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_form->Run([](CCalculatorView& view) { view.OnInitialUpdate(); });
}

void CMainFrame::OnSave(SaveKind kind) {
    RunSave(kind, m_settings, m_form->Host().Presenter(), this);
}

// Load belongs to the form: the calculation chosen is recalculated there.
void CMainFrame::OnLoad() {
    m_form->Run([this](CCalculatorView& view) {
        RunLoad(view, m_settings, m_form->Host().Presenter(), this);
    });
}

// A tool's value goes to the level that is current when its dialog closes.
void CMainFrame::OnNixet() {
    CHexToolDlg dialog(m_settings, this);
    dialog.SetMessagePresenter(m_form->Host().Presenter());
    if (dialog.exec() == QDialog::Accepted)
        m_form->Run([&dialog](CCalculatorView& view) {
            AcceptToolTransfer(view.CurrentLevel(), Tool::HexTool, dialog.TransferValue());
        });
}

void CMainFrame::OnStatistics() {
    CStatisticsDlg dialog(m_settings, m_form->Host().Presenter(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_form->Run([&dialog](CCalculatorView& view) {
            AcceptToolTransfer(view.CurrentLevel(), Tool::Statistics, dialog.TransferValue());
        });
}

void CMainFrame::OnTopmost() {
    m_bTopmost = m_bTopmost == 1 ? 0 : 1;
    ApplyTopmost();
    m_settings.WriteSettingInt(kSettingsSection, "Topmost", m_bTopmost);
}

void CMainFrame::ApplyTopmost() {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, m_bTopmost != 0);
    if (visible)
        show(); // changing the flags hides the window; position and size stay
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_form->Run([](CCalculatorView& view) { view.OnDestroy(); });
    event->accept();
}

} // namespace tarvo
