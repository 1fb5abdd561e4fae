#include "CalculatorForm.h"

#include "Accelerators.h"
#include "Background.h"
#include "DialogUnits.h"
#include "Icons.h"
#include "Keypad.h"
#include "MenuFocus.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvo {

namespace {

constexpr QSize kFormSize(215, 218); // dialog units

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
    m_host.Attach({this, m_small, m_large, m_buttons.at(1053), m_buttons.at(1043),
                   m_buttons.at(1049), m_buttons});
    m_host.ShowCaptions(true);
    m_host.ShowAngleMode(m_view.AngleCaption());
    // Keys typed at start calculate: the equation display is edited only once clicked into.
    m_buttons.at(1019)->setFocus();
    qApp->installEventFilter(this);
}

CalculatorForm::~CalculatorForm() {
    qApp->removeEventFilter(this);
}

void CalculatorForm::CreateGroupFrames() {
    const DialogUnits units(font());
    for (const QRect& frame :
         {units.Rect(4, 91, 207, 39), units.Rect(4, 128, 102, 80), units.Rect(108, 128, 103, 80)}) {
        auto* group = new QGroupBox(this);
        group->setGeometry(frame);
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
    connect(m_large, &QPlainTextEdit::textChanged, this,
            [this] { Run([](CCalculatorView& view) { view.OnLargeDisplayChange(); }); });
    connect(m_small, &QLineEdit::textChanged, this,
            [this] { Run([](CCalculatorView& view) { view.OnSmallDisplayChange(); }); });
}

void CalculatorForm::CreateKeys() {
    const DialogUnits units(font());
    for (const CalculatorKey& key : CalculatorKeys()) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString("key%1").arg(key.id));
        button->setGeometry(units.Rect(key.rect));
        if (key.icon)
            button->setIconSize(button->size() - QSize(6, 6));
        button->setCheckable(key.kind == KeyKind::Toggle);
        button->setDefault(key.kind == KeyKind::Default);
        connect(button, &QPushButton::clicked, this, [this, &key] { Run(key.press); });
        m_buttons[key.id] = button;
    }
}

void CalculatorForm::Run(const std::function<void(CCalculatorView&)>& command) {
    command(m_view);
    m_host.Flush();
}

void CalculatorForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter, rect(), m_view.m_crBackground, m_view.m_nBackgroundHatch);
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
