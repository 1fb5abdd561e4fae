#include "CalculatorForm.h"

#include "Accelerators.h"
#include "Background.h"
#include "DialogUnits.h"
#include "Icons.h"
#include "KeyButton.h"
#include "Keypad.h"
#include "MenuFocus.h"
#include "TabOrder.h"
#include "ToggleKey.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace tarvo {

namespace {

constexpr QSize kFormSize(215, 218); // dialog units

// A context menu's place on the screen; the equation display reports it in its viewport.
QPoint DisplayMenuPlace(QWidget* display, const QPoint& place) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(display))
        return area->viewport()->mapToGlobal(place);
    return display->mapToGlobal(place);
}

} // namespace

CalculatorForm::CalculatorForm(CCalculatorDoc& doc, FormHost& host, ISettingsStore& settings,
                               QWidget* parent)
    : QWidget(parent), m_host(host), m_view(doc, host, settings) {
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.X(kFormSize.width()), units.Y(kFormSize.height()));
    CreateGroupFrames();
    CreateDisplays();
    CreateKeys();
    SetReadingTabOrder();
    m_host.Attach({this, m_small, m_large, m_buttons.at(kKeyRecalc), m_buttons.at(kKeyAngle),
                   m_buttons.at(kKeyHyperbolic), m_buttons, &m_view.m_strLargeDisplay});
    m_host.ShowCaptions(true);
    m_host.ShowAngleMode(m_view.AngleCaption());
    // Keys typed at start calculate: the equation display is edited only once clicked into.
    m_buttons.at(kKeyEquals)->setFocus();
    qApp->installEventFilter(this);
}

CalculatorForm::~CalculatorForm() {
    qApp->removeEventFilter(this);
}

void CalculatorForm::CreateGroupFrames() {
    const DialogUnits units(font());
    const std::pair<QRect, const char*> frames[] = {
        {units.Rect(4, 91, 207, 39), "Functions"},
        {units.Rect(4, 128, 102, 80), "Digits"},
        {units.Rect(108, 128, 103, 80), "Operators"},
    };
    for (const auto& [place, name] : frames) {
        auto* group = new QGroupBox(this);
        group->setGeometry(place);
        group->setAccessibleName(name); // the frames have no title to read
    }
}

void CalculatorForm::CreateDisplays() {
    const DialogUnits units(font());
    m_large = new QPlainTextEdit(this);
    m_large->setObjectName("largeDisplay");
    m_large->setGeometry(units.Rect(4, 6, 208, 64));
    m_large->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_small = new QLineEdit(this);
    m_small->setObjectName("smallDisplay");
    m_small->setGeometry(units.Rect(4, 76, 101, 13));
    m_small->setAlignment(Qt::AlignRight);
    m_large->setAccessibleName("Equation display");
    m_large->setAccessibleDescription(
        "The whole calculation as text; click into it to edit it, then press RC");
    m_small->setAccessibleName("Entry display");
    m_small->setAccessibleDescription("The number being typed or the last result");
    for (QWidget* display : {static_cast<QWidget*>(m_large), static_cast<QWidget*>(m_small)}) {
        display->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(display, &QWidget::customContextMenuRequested, this,
                [this, display](const QPoint& place) {
                    const std::unique_ptr<QMenu> menu(DisplayMenu(display));
                    menu->exec(DisplayMenuPlace(display, place));
                });
    }
    connect(m_large->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (auto edit = m_host.TakeUserEdit(position, removed, added))
                    Run([&edit](CCalculatorView& view) {
                        view.OnLargeDisplayChange(edit->start, edit->removed, edit->inserted);
                    });
            });
    connect(m_small, &QLineEdit::textChanged, this,
            [this] { Run([](CCalculatorView& view) { view.OnSmallDisplayChange(); }); });
}

void CalculatorForm::CreateKeys() {
    const DialogUnits units(font());
    for (const CalculatorKey& key : CalculatorKeys()) {
        auto* button = key.kind == KeyKind::Toggle ? new ToggleKey(this) : new QPushButton(this);
        button->setObjectName(QString("key%1").arg(key.id));
        PlaceKeyButton(*button, key, units);
        if (key.icon) // inside the button's bevel
            button->setIconSize(KeyIconSize(font(), button->size() - QSize(6, 4)));
        button->setDefault(key.kind == KeyKind::Default);
        connect(button, &QPushButton::clicked, this, [this, &key] { Run(key.press); });
        m_buttons[key.id] = button;
    }
}

void CalculatorForm::SetReadingTabOrder() {
    std::vector<QWidget*> controls = {m_large, m_small};
    for (const auto& [id, button] : m_buttons)
        controls.push_back(button);
    SetTabOrder(InReadingOrder(controls));
}

// Copy and Paste run as Ctrl+C and Ctrl+V do, on the display clicked, which takes the focus.
QMenu* CalculatorForm::DisplayMenu(QWidget* display) {
    display->setFocus(Qt::MouseFocusReason);
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction("&Copy\tCtrl+C", this,
                                    [this] { Run([](CCalculatorView& v) { v.OnEditCopy(); }); });
    QAction* paste = menu->addAction("&Paste\tCtrl+V", this,
                                     [this] { Run([](CCalculatorView& v) { v.OnEditPaste(); }); });
    menu->addSeparator();
    QAction* selectAll = menu->addAction("Select &All", display, [this, display] {
        if (display == m_large)
            m_large->selectAll();
        else
            m_small->selectAll();
    });
    const bool selected =
        display == m_large ? m_large->textCursor().hasSelection() : m_small->hasSelectedText();
    copy->setEnabled(selected);
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    selectAll->setEnabled(display == m_large ? !m_large->document()->isEmpty()
                                             : !m_small->text().isEmpty());
    return menu;
}

void CalculatorForm::Run(const std::function<void(CCalculatorView&)>& command) {
    command(m_view);
    m_host.Flush();
}

void CalculatorForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter, rect(), m_view.m_background);
    const QString& status = m_host.ParenStatus();
    if (status.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const QRect textRect(10, height() - 15, metrics.horizontalAdvance(status), metrics.height());
    painter.fillRect(textRect, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, status);
}

bool CalculatorForm::eventFilter(QObject* watched, QEvent* event) {
    // The menu bar in keyboard mode (after Alt) takes letters for its menus.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window() && !qobject_cast<QMenuBar*>(watched))
        return HandleKeyPress(static_cast<QKeyEvent&>(*event));
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
        !IsMenuFocusChange(*event))
        HandleFocus(watched, event->type());
    return QWidget::eventFilter(watched, event);
}

// Keys become commands before the focused control sees them.
bool CalculatorForm::HandleKeyPress(QKeyEvent& event) {
    const Accelerator accelerator = MatchAccelerator(event);
    if (!accelerator.Matched())
        return false;
    if (accelerator.key)
        Run(accelerator.key->press);
    else if (accelerator.edit == EditCommand::Copy)
        Run([](CCalculatorView& view) { view.OnEditCopy(); });
    else if (accelerator.edit == EditCommand::Paste)
        Run([](CCalculatorView& view) { view.OnEditPaste(); });
    return true;
}

void CalculatorForm::HandleFocus(QObject* watched, QEvent::Type type) {
    const bool gained = type == QEvent::FocusIn;
    if (watched == m_large)
        Run([gained](CCalculatorView& view) {
            gained ? view.OnLargeDisplaySetFocus() : view.OnLargeDisplayKillFocus();
        });
    else if (watched == m_small)
        Run([gained](CCalculatorView& view) {
            gained ? view.OnSmallDisplaySetFocus() : view.OnSmallDisplayKillFocus();
        });
}

} // namespace tarvo
