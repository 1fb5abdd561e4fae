#include "HexToolDlg.h"

#include "Background.h"
#include "DialogUnits.h"
#include "HexHelpDlg.h"
#include "HexKeypad.h"
#include "HexLengthLimit.h"
#include "KeyButton.h"
#include "KeypadKeyboard.h"
#include "MenuFocus.h"
#include "TabOrder.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace tarvo {

namespace {

// Places in dialog units.
constexpr QSize kDialogSize(245, 230);
constexpr DialogRect kDisplay{16, 18, 143, 14};
constexpr DialogRect kHex{12, 163, 72, 14};
constexpr DialogRect kDecimal{90, 163, 72, 14};
constexpr DialogRect kBinary{13, 199, 147, 18};
constexpr int kCaptionHeight = 8; // the captions stand right above their fields
constexpr DialogRect kHelp{197, 173, 40, 14};
constexpr DialogRect kOk{197, 191, 40, 14};
// The radio buttons, one below the other, at most as wide as the frame's inside.
constexpr DialogRect kFirstRadio{176, 17, 60, 10};
constexpr int kRadioStep = 15;
constexpr int kFirstRadioId = 1090;
constexpr int kEqualsKeyId = 1077;
constexpr int kTransferKeyId = 1099;

struct Frame {
    const char* title;
    DialogRect place;
};

constexpr Frame kFrames[] = {
    {"HEX Calculator", {7, 5, 160, 132}},
    {"HEX Converter", {7, 139, 160, 85}},
    {"Data Types", {171, 5, 67, 132}},
};

DialogRect Above(const DialogRect& field) {
    return {field.x, field.y - kCaptionHeight - 1, field.width, kCaptionHeight};
}

} // namespace

CHexToolDlg::CHexToolDlg(ISettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_tool(m_host, settings) {
    setWindowTitle("Nixet");
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.X(kDialogSize.width()), units.Y(kDialogSize.height()));
    CreateFrames(units);
    CreateCalculator(units);
    CreateConverter(units);
    CreateDataTypes(units);
    CreateDialogButtons(units);
    CreateKeyboard();
    SetTabOrder();
    UseBackgroundForStatics(*this, m_tool.m_background);
    m_host.Attach({this, m_pDisplay, m_pHex, m_pDecimal, m_pBinary, m_buttons.at(kByteOrderKeyId),
                   m_pHexLimit});
}

CHexToolDlg::~CHexToolDlg() {
    // The edits report no focus changes while the dialog goes away.
    for (const FocusHandlers& handlers : m_focusHandlers)
        handlers.edit->removeEventFilter(this);
}

void CHexToolDlg::CreateFrames(const DialogUnits& units) {
    for (const Frame& frame : kFrames)
        (new QGroupBox(frame.title, this))->setGeometry(units.Rect(frame.place));
}

void CHexToolDlg::CreateCalculator(const DialogUnits& units) {
    m_pDisplay = NewEdit(units.Rect(kDisplay), &CHexTool::OnDisplaySetFocus,
                         &CHexTool::OnDisplayChange, &CHexTool::OnDisplayKillFocus);
    m_pDisplay->setAccessibleName("Calculator display");
    m_pDisplay->setAccessibleDescription("The hex number being typed, or the result");
    for (const HexKey& key : HexKeys()) {
        auto* button = new QPushButton(key.caption, this);
        PlaceKeyButton(*button, key, units);
        connect(button, &QPushButton::clicked, this, [this, &key] { key.press(m_tool); });
        m_buttons[key.id] = button;
    }
}

void CHexToolDlg::CreateConverter(const DialogUnits& units) {
    NewCaption("HEX", units.Rect(Above(kHex)));
    NewCaption("DECIMAL", units.Rect(Above(kDecimal)));
    NewCaption("BINARY", units.Rect(Above(kBinary)));
    m_pHex = NewEdit(units.Rect(kHex), &CHexTool::OnHexSetFocus, &CHexTool::OnHexChange,
                     &CHexTool::OnHexKillFocus);
    m_pHexLimit = new HexLengthLimit(m_pHex);
    m_pDecimal = NewEdit(units.Rect(kDecimal), &CHexTool::OnDecimalSetFocus,
                         &CHexTool::OnDecimalChange, &CHexTool::OnDecimalKillFocus);
    m_pHex->setAccessibleName("HEX");
    m_pHex->setAccessibleDescription("Type a hex number to see it in decimal and binary");
    m_pDecimal->setAccessibleName("DECIMAL");
    m_pDecimal->setAccessibleDescription("Type a decimal number to see it in hex and binary");
    m_pBinary = NewStatic(QString(), units.Rect(kBinary));
    m_pBinary->setAccessibleName("BINARY");
    m_pBinary->setAlignment(Qt::AlignCenter);
}

void CHexToolDlg::CreateDataTypes(const DialogUnits& units) {
    for (const HexDataTypeInfo& type : HexDataTypes()) {
        auto* radio = new QRadioButton(type.caption, this);
        const int row = type.id - kFirstRadioId;
        const QRect place = units.Rect(kFirstRadio.x, kFirstRadio.y + row * kRadioStep,
                                       kFirstRadio.width, kFirstRadio.height);
        // As wide as its text, which stands on the background colour like a static text's.
        radio->setGeometry(place.x(), place.y(), std::min(radio->sizeHint().width(), place.width()),
                           place.height());
        StandOnBackground(*radio);
        radio->setChecked(type.type == m_tool.m_nDataType);
        connect(radio, &QRadioButton::clicked, this,
                [this, &type] { m_tool.OnDataType(type.type); });
        m_dataTypes[type.type] = radio;
    }
}

// Typed digits, A to F and the operator characters press the keypad's keys, and Enter "=";
// the keypad has the focus at first, so that typing calculates at once.
void CHexToolDlg::CreateKeyboard() {
    auto* keyboard = new KeypadKeyboard(*this, [this](const QKeyEvent& event) -> QAbstractButton* {
        for (const HexKey& key : HexKeys())
            if (IsOneOfKeys(event, key.keys))
                return m_buttons.at(key.id);
        return nullptr;
    });
    for (const auto& [id, button] : m_buttons)
        if (id != kTransferKeyId) // a focused Transfer takes Enter as its own click
            keyboard->AddKey(*button);
    m_buttons.at(kEqualsKeyId)->setFocus();
}

// Section by section: the calculator, the data types beside it, the converter below, and the
// dialog's buttons.
void CHexToolDlg::SetTabOrder() {
    std::vector<QWidget*> controls = {m_pDisplay};
    for (const HexKey& key : HexKeys())
        if (key.id != kTransferKeyId)
            controls.push_back(m_buttons.at(key.id));
    for (const auto& [type, radio] : m_dataTypes)
        controls.push_back(radio);
    for (QWidget* control : {static_cast<QWidget*>(m_pHex), static_cast<QWidget*>(m_pDecimal),
                             static_cast<QWidget*>(m_buttons.at(kTransferKeyId)),
                             static_cast<QWidget*>(m_pHelp), static_cast<QWidget*>(m_pOk)})
        controls.push_back(control);
    tarvo::SetTabOrder(controls);
}

void CHexToolDlg::CreateDialogButtons(const DialogUnits& units) {
    m_pHelp = new QPushButton("Help", this);
    m_pHelp->setGeometry(units.Rect(kHelp));
    connect(m_pHelp, &QPushButton::clicked, this, [this] { CHexHelpDlg(this).exec(); });
    m_pOk = new QPushButton("OK", this);
    m_pOk->setGeometry(units.Rect(kOk));
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, [this] { End(HexClosing::Ok); });
}

QLineEdit* CHexToolDlg::NewEdit(const QRect& place, void (CHexTool::*setFocus)(),
                                void (CHexTool::*change)(), void (CHexTool::*killFocus)()) {
    auto* edit = new QLineEdit(this);
    edit->setGeometry(place);
    edit->setAlignment(Qt::AlignRight);
    // Only the user's edits: the texts the tool writes run its handlers from the tool itself.
    connect(edit, &QLineEdit::textEdited, this, [this, change] { (m_tool.*change)(); });
    edit->installEventFilter(this);
    m_focusHandlers.push_back({edit, setFocus, killFocus});
    return edit;
}

// Static texts stand on the background colour, also over a hatch pattern.
QLabel* CHexToolDlg::NewStatic(const QString& text, const QRect& place) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    StandOnBackground(*label);
    return label;
}

// A label centred over its field, as wide as its text, so that only the text's background
// covers the pattern.
void CHexToolDlg::NewCaption(const QString& text, const QRect& above) {
    QLabel* label = NewStatic(text, above);
    const int width = std::min(label->sizeHint().width(), above.width());
    label->setGeometry(above.center().x() - width / 2, above.y(), width, above.height());
}

void CHexToolDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter, rect(), m_tool.m_background);
}

bool CHexToolDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool gained = event->type() == QEvent::FocusIn;
    if (!gained && event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    if (IsMenuFocusChange(*event))
        return QDialog::eventFilter(watched, event);
    for (const FocusHandlers& handlers : m_focusHandlers)
        if (handlers.edit == watched)
            (m_tool.*(gained ? handlers.setFocus : handlers.killFocus))();
    return QDialog::eventFilter(watched, event);
}

void CHexToolDlg::End(HexClosing how) {
    done(m_tool.OnClose(how) ? Accepted : Rejected);
}

void CHexToolDlg::reject() {
    End(HexClosing::Escape);
}

void CHexToolDlg::closeEvent(QCloseEvent* event) {
    End(HexClosing::CloseBox);
    event->accept();
}

} // namespace tarvo
