#include "MainMenu.h"

#include "AboutDlg.h"
#include "ExternalPrograms.h"
#include "HelpInfoDlg.h"
#include "MainFrame.h"
#include "SettingsCommands.h"

#include <QMenuBar>

#include <algorithm>
#include <iterator>

namespace tarvo {

namespace {

using Menu = MainMenu::Menu;
using Id = CommandId;
using Hatch = BackgroundHatch;
using Source = ColorSource;
using V = CCalculatorView;
using F = CMainFrame;

CCalculatorView& View(CMainFrame& frame) {
    return frame.Form().View();
}

CCalcLevel& Level(CMainFrame& frame) {
    return View(frame).CurrentLevel();
}

// Handlers.
template <void (CCalculatorView::*Handler)()> void OnView(CMainFrame& frame) {
    frame.Form().Run([](CCalculatorView& view) { (view.*Handler)(); });
}

template <void (CMainFrame::*Handler)()> void OnFrame(CMainFrame& frame) {
    (frame.*Handler)();
}

template <SaveKind Kind> void OnSave(CMainFrame& frame) {
    frame.OnSave(Kind);
}

template <Precision Choice> void OnPrecision(CMainFrame& frame) {
    frame.Form().Run([&frame](CCalculatorView& view) {
        ChoosePrecision(view.CurrentLevel(), frame.Settings(), Choice);
    });
}

template <Hatch Pattern> void OnPattern(CMainFrame& frame) {
    frame.Form().Run([](CCalculatorView& view) { view.OnSetPattern(Pattern); });
}

void OnExit(CMainFrame& frame) {
    frame.close();
}

void OnRememberLast(CMainFrame& frame) {
    frame.Form().Run([](CCalculatorView& view) { ToggleSaveLast(view.CurrentLevel()); });
}

void OnKeySound(CMainFrame& frame) {
    frame.Form().Run(
        [&frame](CCalculatorView& view) { ToggleKeySound(view.CurrentLevel(), frame.Settings()); });
}

void OnConverter(CMainFrame& frame) {
    StartConverter(frame.Form().Host());
}

void OnAbout(CMainFrame& frame) {
    CAboutDlg(&frame).exec();
}

void OnHelpInfo(CMainFrame& frame) {
    CHelpInfoDlg(&frame).exec();
}

void OnUserManual(CMainFrame& frame) {
    ShowUserManual(frame.Settings());
}

// Check-mark rules: each reads one piece of state.
template <Source Colour> bool ColorIs(CMainFrame& frame) {
    return View(frame).m_background.m_nColorFlag == Colour;
}

template <Hatch Pattern> bool HatchIs(CMainFrame& frame) {
    return View(frame).m_background.m_nBackgroundHatch == Pattern;
}

bool IsTopmost(CMainFrame& frame) {
    return frame.IsTopmost();
}

bool IsLowPrecision(CMainFrame& frame) {
    return Level(frame).m_shared.m_bLowPrecision;
}

bool IsNormalPrecision(CMainFrame& frame) {
    return Level(frame).m_shared.m_bNormalPrecision;
}

bool IsHighPrecision(CMainFrame& frame) {
    return Level(frame).m_shared.m_bHighPrecision;
}

bool IsSaveLast(CMainFrame& frame) {
    return Level(frame).m_shared.m_bSaveLast.IsOn();
}

bool IsKeySound(CMainFrame& frame) {
    return Level(frame).m_shared.m_bKeySound.IsOn();
}

bool ShowsAcceleratorKeys(CMainFrame& frame) {
    return !View(frame).m_bPlainCaptions;
}

struct MenuTitle {
    Menu menu;
    Menu parent;
    const char* caption;
};

// A menu goes into its parent when its first item does.
// clang-format off
constexpr MenuTitle kMenus[] = {
    {Menu::File,      Menu::Bar,      "&File"},
    {Menu::Settings,  Menu::Bar,      "&Settings"},
    {Menu::Color,     Menu::Settings, "Set Background Color"},
    {Menu::Pattern,   Menu::Settings, "Set Background Pattern"},
    {Menu::Precision, Menu::Settings, "&Precision"},
    {Menu::Tools,     Menu::Bar,      "&Tools"},
    {Menu::Help,      Menu::Bar,      "&Help"},
};
// clang-format on

constexpr MainMenu::Item Separator(Menu menu) {
    return {menu, CommandId{}, nullptr, nullptr, nullptr, nullptr};
}

// The items in the order they stand.
// clang-format off
constexpr MainMenu::Item kItems[] = {
    // menu           id                             caption                         status prompt                                           check mark                          handler
    {Menu::File,      Id::Exit,                      "E&xit",                        nullptr,                                                nullptr,                            OnExit},
    Separator(Menu::File),
    {Menu::File,      Id::Save,                      "&Save",                        nullptr,                                                nullptr,                            OnSave<SaveKind::Save>},
    {Menu::File,      Id::SaveAs,                    "Save &As...",                  nullptr,                                                nullptr,                            OnSave<SaveKind::SaveAs>},
    {Menu::File,      Id::Load,                      "&Load",                        nullptr,                                                nullptr,                            OnFrame<&F::OnLoad>},
    {Menu::Color,     Id::SetBackgroundColor,        "&Set Background Color",        "Calls color control to set background color",          ColorIs<Source::Chosen>,            OnView<&V::OnSetBackgroundColor>},
    {Menu::Color,     Id::ResetSystemColor,          "&Reset to System Color",       "Resets background to system default",                  ColorIs<Source::System>,            OnView<&V::OnResetSystemColor>},
    {Menu::Color,     Id::SetDesktopColor,           "Set to &Desktop Color",        "set to desktop color",                                 ColorIs<Source::Desktop>,           OnView<&V::OnSetDesktopColor>},
    {Menu::Pattern,   Id::NoPattern,                 "&No  Pattern",                 "no pattern, solid background",                         HatchIs<Hatch::None>,               OnPattern<Hatch::None>},
    {Menu::Pattern,   Id::HorizontalPattern,         "&Horizontal Line Pattern",     "horizontal pattern",                                   HatchIs<Hatch::Horizontal>,         OnPattern<Hatch::Horizontal>},
    {Menu::Pattern,   Id::VerticalPattern,           "&Vertical Line Pattern",       "vertical line pattern",                                HatchIs<Hatch::Vertical>,           OnPattern<Hatch::Vertical>},
    {Menu::Pattern,   Id::DecreasingDiagonalPattern, "&Decreasing Diagonal Pattern", "decreasing diagonal stripes",                          HatchIs<Hatch::DecreasingDiagonal>, OnPattern<Hatch::DecreasingDiagonal>},
    {Menu::Pattern,   Id::IncreasingDiagonalPattern, "&Increasing Diagonal Pattern", "increasing diagonal stripes",                          HatchIs<Hatch::IncreasingDiagonal>, OnPattern<Hatch::IncreasingDiagonal>},
    {Menu::Pattern,   Id::SquaresPattern,            "&Squares Pattern",             "squares pattern",                                      HatchIs<Hatch::Squares>,            OnPattern<Hatch::Squares>},
    {Menu::Pattern,   Id::CrossHatchPattern,         "&Cross Hatch Pattern",         "cross hatch pattern",                                  HatchIs<Hatch::CrossHatch>,         OnPattern<Hatch::CrossHatch>},
    {Menu::Settings,  Id::Topmost,                   "&Make Topmost Window",         nullptr,                                                IsTopmost,                          OnFrame<&F::OnTopmost>},
    {Menu::Precision, Id::LowPrecision,              "Low &2 decimal places",        nullptr,                                                IsLowPrecision,                     OnPrecision<Precision::Low>},
    {Menu::Precision, Id::NormalPrecision,           "Normal &6 decimal places",     nullptr,                                                IsNormalPrecision,                  OnPrecision<Precision::Normal>},
    {Menu::Precision, Id::HighPrecision,             "&High 10 decimal places",      nullptr,                                                IsHighPrecision,                    OnPrecision<Precision::High>},
    {Menu::Settings,  Id::RememberLastCalculation,   "&Remember Last Calculation",   nullptr,                                                IsSaveLast,                         OnRememberLast},
    {Menu::Settings,  Id::KeySound,                  "&Key Sound On",                nullptr,                                                IsKeySound,                         OnKeySound},
    {Menu::Settings,  Id::ClearUndoMemory,           "&Clear Undo Memory",           "Clear all the calculations stored in the Undo Memory", nullptr,                            OnView<&V::OnClearUndoMemory>},
    {Menu::Tools,     Id::Nixet,                     "&Nixet",                       nullptr,                                                nullptr,                            OnFrame<&F::OnNixet>},
    {Menu::Tools,     Id::Statistics,                "&Statistics",                  nullptr,                                                nullptr,                            OnFrame<&F::OnStatistics>},
    {Menu::Tools,     Id::Converter,                 "&Converter",                   nullptr,                                                nullptr,                            OnConverter},
    {Menu::Help,      Id::About,                     "&About calculator...",         nullptr,                                                nullptr,                            OnAbout},
    {Menu::Help,      Id::HelpInfo,                  "Help &Info",                   nullptr,                                                nullptr,                            OnHelpInfo},
    {Menu::Help,      Id::ShowAcceleratorKeys,       "&Show Accelerator Keys",       "Activates Keyboard Interface",                         ShowsAcceleratorKeys,               OnView<&V::OnShowAcceleratorKeys>},
    {Menu::Help,      Id::UserManual,                "&User Manual",                 nullptr,                                                nullptr,                            OnUserManual},
};
// clang-format on

} // namespace

MainMenu::MainMenu(CMainFrame& frame) : m_frame(frame) {
    for (const Item& item : kItems)
        AddItem(item);
}

QAction* MainMenu::Command(CommandId id) const {
    const auto found = m_commands.find(id);
    return found == m_commands.end() ? nullptr : found->second;
}

void MainMenu::UpdateCheckMarks() {
    for (const auto& [action, checked] : m_checks)
        action->setChecked(checked(m_frame));
}

QMenu* MainMenu::MenuOf(Menu menu) {
    if (const auto made = m_menus.find(menu); made != m_menus.end())
        return made->second;
    const MenuTitle& title = *std::find_if(std::begin(kMenus), std::end(kMenus),
                                           [menu](const MenuTitle& t) { return t.menu == menu; });
    QMenu* made = title.parent == Menu::Bar ? m_frame.menuBar()->addMenu(title.caption)
                                            : MenuOf(title.parent)->addMenu(title.caption);
    made->setToolTipsVisible(true);
    QObject::connect(made, &QMenu::aboutToShow, &m_frame, [this] { UpdateCheckMarks(); });
    m_menus.emplace(menu, made);
    return made;
}

void MainMenu::AddItem(const Item& item) {
    QMenu* menu = MenuOf(item.menu);
    if (!item.caption) {
        menu->addSeparator();
        return;
    }
    QAction* action = menu->addAction(item.caption);
    if (item.prompt) {
        action->setStatusTip(item.prompt);
        action->setToolTip(item.prompt);
    }
    action->setCheckable(item.checked != nullptr);
    QObject::connect(action, &QAction::triggered, &m_frame,
                     [this, command = item.command] { command(m_frame); });
    m_commands.emplace(item.id, action);
    if (item.checked)
        m_checks.emplace_back(action, item.checked);
}

} // namespace tarvo
