#include "ViewerMainFrame.h"

#include "LedraView.h"
#include "ViewerAboutDlg.h"
#include "ViewerSettings.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace mirelle {

namespace {

const char* const kIndicatorNames[kLockKeyCount] = {"CAP", "NUM", "SCRL"};
// What a screen reader calls the indicators, which show no text while their lock is off.
const char* const kIndicatorAccessibleNames[kLockKeyCount] = {"Caps Lock", "Num Lock",
                                                              "Scroll Lock"};

} // namespace

// A menu item; one without a caption is a separator, one without a command has no handler
// in the viewer and is disabled.
struct CMainFrame::MenuItem {
    const char* caption = nullptr;
    int id = 0;
    const char* keys = ""; // separated by "; "
    const char* prompt = nullptr;
    void (CMainFrame::*command)() = nullptr;
};

CMainFrame::CMainFrame(const ViewerSettings& settings)
    : m_settings(settings), m_pView(new CLedraView(this)) {
    setCentralWidget(m_pView);
    m_pView->setAccessibleName("Manual page");
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    // A page of the manual at a comfortable reading width, within the screen.
    const QSize preferred(fontMetrics().averageCharWidth() * 120, fontMetrics().lineSpacing() * 48);
    const QSize available = screen()->availableGeometry().size() * 9 / 10;
    resize(preferred.boundedTo(available));
    qApp->installEventFilter(this); // key events reach the focused child, not the frame
    OnFileNew();
}

void CMainFrame::CreateMenus() {
    using F = CMainFrame;
    AddMenu("&File",
            {
                {"&New", 57600, "Ctrl+N", "Start a new document and show the manual page again",
                 &F::OnFileNew},
                {"&Open...", 57601, "Ctrl+O",
                 "Open a file as the document and show the manual page again", &F::OnFileOpen},
                {"&Save", 57603, "Ctrl+S", "Save the document (an empty file)", &F::OnFileSave},
                {"Save &As...", 57604, "", "Save the document under a new name (an empty file)",
                 &F::OnFileSaveAs},
                {},
                {"Recent File", 57616},
                {},
                {"E&xit", 57665, "", "Close the viewer", &F::OnAppExit},
            });
    // The page cannot be edited; copying a selection is the view's own Ctrl+C.
    AddMenu("&Edit",
            {
                {"&Undo", 57643, "Ctrl+Z; Alt+Backspace", "Undo the last change"},
                {},
                {"Cu&t", 57635, "Ctrl+X; Shift+Del", "Cut the selection to the clipboard"},
                {"&Copy", 57634, "Ctrl+C; Ctrl+Ins", "Copy the selection to the clipboard"},
                {"&Paste", 57637, "Ctrl+V; Shift+Ins", "Paste from the clipboard"},
            });
    AddMenu("&View",
            {{"&Status Bar", 59393, "", "Show or hide the status bar", &F::OnViewStatusBar}});
    AddMenu("&Help", {{"&About Mirelle", 57664, "", "Show the viewer's name, version and maker",
                       &F::OnAppAbout}});
    Command(59393)->setCheckable(true);
    Command(59393)->setChecked(true);
}

void CMainFrame::AddMenu(const char* title, std::initializer_list<MenuItem> items) {
    QMenu* menu = menuBar()->addMenu(title);
    for (const MenuItem& item : items) {
        if (!item.caption) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setShortcuts(QKeySequence::listFromString(item.keys));
        if (item.prompt)
            action->setStatusTip(item.prompt);
        action->setEnabled(item.command != nullptr);
        if (item.command)
            connect(action, &QAction::triggered, this, item.command);
        m_commands.insert(item.id, action);
    }
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar("Navigation");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "Back");
    back->setShortcuts(QKeySequence::Back);
    back->setStatusTip("Go back to the previous page");
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "Forward");
    forward->setShortcuts(QKeySequence::Forward);
    forward->setStatusTip("Go forward to the next page");
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_pView, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_pView, &QTextBrowser::forward);
    connect(m_pView, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pView, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel("Ready"), 1); // hidden while a prompt or link is shown
    for (int key = 0; key < kLockKeyCount; ++key) {
        auto* indicator = new QLabel;
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setMinimumWidth(fontMetrics().horizontalAdvance(kIndicatorNames[key]) +
                                   fontMetrics().averageCharWidth() * 2);
        bar->addPermanentWidget(indicator);
        m_indicators[key] = indicator;
    }
    UpdateIndicators(LockStatesOfLeds());
    connect(m_pView, &QTextBrowser::highlighted, this, [bar](const QUrl& link) {
        if (link.isEmpty())
            bar->clearMessage();
        else
            bar->showMessage(link.isLocalFile() ? link.toLocalFile() : link.toDisplayString());
    });
}

void CMainFrame::UpdateIndicators(const LockStates& states) {
    m_locks = Merge(states, m_locks);
    for (int key = 0; key < kLockKeyCount; ++key) {
        const bool on = m_locks[key].value_or(false);
        m_indicators[key]->setText(on ? kIndicatorNames[key] : "");
        m_indicators[key]->setAccessibleName(QString(kIndicatorAccessibleNames[key]) +
                                             (on ? " on" : " off"));
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Leave)
        ClearHoverText(watched);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        UpdateIndicators(
            Merge(LockStatesOfKeyEvent(key, QGuiApplication::platformName()), LockStatesOfLeds()));
    }
    return QMainWindow::eventFilter(watched, event);
}

// The text of a link or a tool bar button goes when the pointer leaves it, also when it leaves
// the page or the window without passing over plain text first.
void CMainFrame::ClearHoverText(QObject* left) {
    if (left == m_pView->viewport() || qobject_cast<QToolButton*>(left))
        if (static_cast<QWidget*>(left)->window() == this)
            statusBar()->clearMessage();
}

// A lock may have changed while another window had the keyboard.
void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        UpdateIndicators(LockStatesOfLeds());
    QMainWindow::changeEvent(event);
}

void CMainFrame::UpdateCaption() {
    setWindowTitle(m_doc.GetTitle() + " - Mirelle");
}

void CMainFrame::OnInitialUpdate() {
    m_pView->OnInitialUpdate(m_settings);
}

void CMainFrame::OnFileNew() {
    m_doc.OnNewDocument(m_settings);
    UpdateCaption();
    OnInitialUpdate();
}

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, "Open");
    if (!path.isEmpty())
        OpenDocument(path);
}

bool CMainFrame::OpenDocument(const QString& path) {
    QString reason;
    if (!m_doc.OnOpenDocument(path, reason)) {
        QMessageBox::warning(isVisible() ? this : nullptr, "Mirelle",
                             "The file " + path + " could not be opened.\n" + reason);
        return false;
    }
    UpdateCaption();
    OnInitialUpdate();
    return true;
}

// Save writes unasked only to a file this viewer wrote: a file that was merely opened for
// its name is not emptied without the question of Save As.
void CMainFrame::OnFileSave() {
    if (m_doc.IsSavedHere())
        SaveDocument(m_doc.GetPathName());
    else
        OnFileSaveAs();
}

void CMainFrame::OnFileSaveAs() {
    const QString proposed = m_doc.GetPathName().isEmpty() ? m_doc.GetTitle() : m_doc.GetPathName();
    const QString path = QFileDialog::getSaveFileName(this, "Save As", proposed);
    if (!path.isEmpty())
        SaveDocument(path);
}

void CMainFrame::SaveDocument(const QString& path) {
    QString reason;
    if (m_doc.OnSaveDocument(path, reason))
        UpdateCaption();
    else
        QMessageBox::warning(this, "Mirelle",
                             "The file " + path + " could not be saved.\n" + reason);
}

// The item has flipped its check mark before it runs.
void CMainFrame::OnViewStatusBar() {
    statusBar()->setVisible(Command(59393)->isChecked());
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg(this).exec();
}

} // namespace mirelle
