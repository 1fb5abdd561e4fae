#include "MainFrame.h"

#include "AboutDlg.h"
#include "ExternalPrograms.h"
#include "FileCommands.h"
#include "HelpInfoDlg.h"
#include "HexToolDlg.h"
#include "Icons.h"
#include "SettingsCommands.h"
#include "StatisticsDlg.h"
#include "ToolTransfer.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

namespace tarvo {

struct CMainFrame::MenuItem {
    const char* caption;
    int id;
    const char* prompt;
    std::function<void()> command;
    std::function<bool()> checked; // empty: the item has no check mark
};

CMainFrame::CMainFrame(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings)
    : m_settings(settings) {
    m_bTopmost = settings.ReadSettingInt(kSettingsSection, "Topmost", 0);
    m_form = new CalculatorForm(doc, host, settings, this);
    setCentralWidget(m_form);
    setWindowTitle(QString::fromStdString(doc.GetTitle()) + " - Tarvo 2.0");
    setWindowIcon(ApplicationIcon());
    CreateMenus();
    // A fixed frame: no maximize box, no sizing border.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ApplyTopmost();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_form->Run([](CCalculatorView& view) { view.OnInitialUpdate(); });
}

void CMainFrame::CreateMenus() {
    CalculatorForm& form = *m_form;
    const auto onView = [&form](void (CCalculatorView::*handler)()) {
        return [&form, handler] { form.Run([handler](CCalculatorView& v) { (v.*handler)(); }); };
    };
    const auto onLevel = [&form](auto change) {
        return [&form, change] {
            form.Run([change](CCalculatorView& v) { change(v.CurrentLevel()); });
        };
    };
    const auto shared = [&form]() -> SharedLevelState& {
        return form.View().CurrentLevel().m_shared;
    };
    const auto precision = [this, onLevel](Precision p) {
        return onLevel([this, p](CCalcLevel& l) { ChoosePrecision(l, m_settings, p); });
    };
    const auto pattern = [&form](int hatch) {
        return [&form, hatch] { form.Run([hatch](CCalculatorView& v) { v.OnSetPattern(hatch); }); };
    };
    const auto hatchIs = [&form](int hatch) {
        return [&form, hatch] { return form.View().m_nBackgroundHatch == hatch; };
    };
    const auto colorIs = [&form](int flag) {
        return [&form, flag] { return form.View().m_nColorFlag == flag; };
    };

    QMenu* file = menuBar()->addMenu("&File");
    AddItem(file, {"E&xit", 57665, nullptr, [this] { close(); }, {}});
    file->addSeparator();
    AddItem(file, {"&Save", 32807, nullptr, [this] { OnSave(SaveKind::Save); }, {}});
    AddItem(file, {"Save &As...", 32809, nullptr, [this] { OnSave(SaveKind::SaveAs); }, {}});
    AddItem(file, {"&Load", 32808, nullptr, [this] { OnLoad(); }, {}});

    QMenu* settings = menuBar()->addMenu("&Settings");
    QMenu* color = settings->addMenu("Set Background Color");
    AddItem(color, {"&Set Background Color", 32792, "Calls color control to set background color",
                    onView(&CCalculatorView::OnSetBackgroundColor), colorIs(1)});
    AddItem(color, {"&Reset to System Color", 32801, "Resets background to system default",
                    onView(&CCalculatorView::OnResetSystemColor), colorIs(0)});
    AddItem(color, {"Set to &Desktop Color", 32802, "set to desktop color",
                    onView(&CCalculatorView::OnSetDesktopColor), colorIs(2)});
    QMenu* patterns = settings->addMenu("Set Background Pattern");
    AddItem(patterns,
            {"&No  Pattern", 32797, "no pattern, solid background", pattern(6), hatchIs(6)});
    AddItem(patterns,
            {"&Horizontal Line Pattern", 32794, "horizontal pattern", pattern(0), hatchIs(0)});
    AddItem(patterns,
            {"&Vertical Line Pattern", 32795, "vertical line pattern", pattern(1), hatchIs(1)});
    AddItem(patterns, {"&Decreasing Diagonal Pattern", 32796, "decreasing diagonal stripes",
                       pattern(2), hatchIs(2)});
    AddItem(patterns, {"&Increasing Diagonal Pattern", 32798, "increasing diagonal stripes",
                       pattern(3), hatchIs(3)});
    AddItem(patterns, {"&Squares Pattern", 32799, "squares pattern", pattern(4), hatchIs(4)});
    AddItem(patterns,
            {"&Cross Hatch Pattern", 32800, "cross hatch pattern", pattern(5), hatchIs(5)});
    AddItem(settings, {"&Make Topmost Window", 32773, nullptr, [this] { OnTopmost(); },
                       [this] { return m_bTopmost == 1; }});
    QMenu* precisionMenu = settings->addMenu("&Precision");
    AddItem(precisionMenu, {"Low &2 decimal places", 32784, nullptr, precision(Precision::Low),
                            [shared] { return shared().m_bLowPrecision; }});
    AddItem(precisionMenu,
            {"Normal &6 decimal places", 32786, nullptr, precision(Precision::Normal),
             [shared] { return shared().m_bNormalPrecision; }});
    AddItem(precisionMenu, {"&High 10 decimal places", 32780, nullptr, precision(Precision::High),
                            [shared] { return shared().m_bHighPrecision; }});
    AddItem(settings, {"&Remember Last Calculation", 32789, nullptr,
                       onLevel([](CCalcLevel& l) { ToggleSaveLast(l); }),
                       [shared] { return shared().m_bSaveLast.IsOn(); }});
    AddItem(settings, {"&Key Sound On", 32790, nullptr,
                       onLevel([this](CCalcLevel& l) { ToggleKeySound(l, m_settings); }),
                       [shared] { return shared().m_bKeySound.IsOn(); }});
    AddItem(settings, {"&Clear Undo Memory",
                       32791,
                       "Clear all the calculations stored in the Undo Memory",
                       onView(&CCalculatorView::OnClearUndoMemory),
                       {}});

    QMenu* tools = menuBar()->addMenu("&Tools");
    AddItem(tools, {"&Nixet", 32788, nullptr, [this] { OnNixet(); }, {}});
    AddItem(tools, {"&Statistics", 32803, nullptr, [this] { OnStatistics(); }, {}});
    AddItem(tools, {"&Converter", 32810, nullptr, [this] { StartConverter(m_form->Host()); }, {}});

    QMenu* help = menuBar()->addMenu("&Help");
    AddItem(help, {"&About calculator...", 57664, nullptr, [this] { CAboutDlg(this).exec(); }, {}});
    AddItem(help, {"Help &Info", 57670, nullptr, [this] { CHelpInfoDlg(this).exec(); }, {}});
    AddItem(help, {"&Show Accelerator Keys", 32772, "Activates Keyboard Interface",
                   onView(&CCalculatorView::OnShowAcceleratorKeys),
                   [&form] { return !form.View().m_bPlainCaptions; }});
    AddItem(help, {"&User Manual", 32805, nullptr, [this] { ShowUserManual(m_settings); }, {}});

    for (QMenu* menu : {file, settings, color, patterns, precisionMenu, tools, help}) {
        menu->setToolTipsVisible(true);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCheckMarks);
    }
}

QAction* CMainFrame::AddItem(QMenu* menu, const MenuItem& item) {
    QAction* action = menu->addAction(item.caption);
    if (item.prompt) {
        action->setStatusTip(item.prompt);
        action->setToolTip(item.prompt);
    }
    action->setCheckable(static_cast<bool>(item.checked));
    connect(action, &QAction::triggered, this, item.command);
    m_commands.insert(item.id, action);
    if (item.checked)
        m_checks.emplace_back(action, item.checked);
    return action;
}

void CMainFrame::UpdateCheckMarks() {
    for (const auto& [action, checked] : m_checks)
        action->setChecked(checked());
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
