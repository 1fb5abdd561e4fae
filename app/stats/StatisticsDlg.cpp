#include "StatisticsDlg.h"

#include "Background.h"
#include "DialogUnits.h"
#include "DisplayText.h"
#include "KeyButton.h"
#include "KeypadKeyboard.h"
#include "MenuFocus.h"
#include "SampleDisplay.h"
#include "StatisticsHelpDlg.h"
#include "StatisticsKeys.h"
#include "TabOrder.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace tarvo {

namespace {

// Control ids.
constexpr int kSampleId = 1026;
constexpr int kCountId = 1024;
constexpr int kHelpId = 1098;
constexpr int kOkId = 1118;
constexpr int kEnterId = 1023;
constexpr int kTransferId = 1099;

// Positions of the logic count bytes; the widget counts UTF-16 units.
int WidgetPosition(const std::string& text, int position) {
    const auto bytes = std::min(text.size(), static_cast<std::size_t>(std::max(position, 0)));
    return static_cast<int>(ToQString(text.substr(0, bytes)).size());
}

int BytePosition(const QString& text, int position) {
    return static_cast<int>(ToStdString(text.left(position)).size());
}

} // namespace

CStatisticsDlg::CStatisticsDlg(ISettingsStore& settings, MessagePresenter presenter,
                               QWidget* parent)
    : QDialog(parent), m_messages(std::move(presenter), this), m_tool(*this, m_messages, settings) {
    setWindowTitle("Tarvo Statistics");
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.X(323), units.Y(146));
    CreateDisplays();
    CreateKeys();
    CreateResults();
    CreateButtons();
    CreateKeyboard();
    SetTabOrder();
    // The keypad has the focus at first, so that keys add to the end of the sample.
    m_controls.at(kEnterId)->setFocus();
}

// Typed digits, the point, Backspace, Enter and F9 (+/-) press the keypad's keys.
void CStatisticsDlg::CreateKeyboard() {
    auto* keyboard = new KeypadKeyboard(*this, [this](const QKeyEvent& event) -> QAbstractButton* {
        for (const StatisticsKey& key : StatisticsKeys())
            if (IsOneOfKeys(event, key.keys))
                return qobject_cast<QAbstractButton*>(m_controls.at(key.id));
        return nullptr;
    });
    for (const StatisticsKey& key : StatisticsKeys())
        if (key.id != kTransferId) // a focused Transfer takes Enter as its own click
            keyboard->AddKey(*qobject_cast<QAbstractButton*>(m_controls.at(key.id)));
}

// The sample, the keypad, each result with its value, then the dialog's buttons.
void CStatisticsDlg::SetTabOrder() {
    std::vector<QWidget*> controls = {m_sample};
    for (const StatisticsKey& key : StatisticsKeys())
        if (key.id != kTransferId)
            controls.push_back(m_controls.at(key.id));
    for (const StatisticsResult& result : StatisticsResults()) {
        controls.push_back(m_controls.at(result.radioId));
        controls.push_back(m_controls.at(result.editId));
    }
    for (const int id : {kHelpId, kTransferId, kOkId})
        controls.push_back(m_controls.at(id));
    tarvo::SetTabOrder(controls);
}

void CStatisticsDlg::AddControl(int id, QWidget* control) {
    control->setObjectName(QString("control%1").arg(id));
    m_controls[id] = control;
}

void CStatisticsDlg::CreateDisplays() {
    const DialogUnits units(font());
    m_sample = new SampleDisplay(this);
    m_sample->setGeometry(units.Rect(9, 11, 303, 25));
    m_sample->setAccessibleName("Sample");
    m_sample->setAccessibleDescription(
        "The numbers of the sample, each followed by a comma; it can be edited");
    m_sample->installEventFilter(this);
    connect(m_sample, &QPlainTextEdit::textChanged, this,
            [this] { m_tool.OnSampleDisplayChange(); });
    AddControl(kSampleId, m_sample);

    auto* label = new QLabel("n = ", this);
    label->setGeometry(units.Rect(23, 43, 15, 8));
    StandOnBackground(*label);
    m_count = new QLabel(this);
    StandOnBackground(*m_count);
    m_count->setTextFormat(Qt::PlainText);
    m_count->setGeometry(units.Rect(38, 43, 40, 8));
    m_count->setAccessibleDescription("The number of values in the sample");
    AddControl(kCountId, m_count);
}

void CStatisticsDlg::CreateKeys() {
    const DialogUnits units(font());
    auto* frame = new QGroupBox(this);
    frame->setGeometry(units.Rect(10, 56, 70, 75));
    frame->setAccessibleName("Keypad");
    for (const StatisticsKey& key : StatisticsKeys()) {
        auto* button = new QPushButton(key.caption, this);
        PlaceKeyButton(*button, key, units);
        button->setDefault(key.id == kEnterId);
        connect(button, &QPushButton::clicked, this, [this, &key] { key.press(m_tool); });
        AddControl(key.id, button);
    }
}

void CStatisticsDlg::CreateResults() {
    const DialogUnits units(font());
    for (const StatisticsResult& result : StatisticsResults()) {
        auto* radio = new QRadioButton(result.caption, this);
        radio->setGeometry(units.Rect(result.radioRect));
        StandOnBackground(*radio);
        connect(radio, &QRadioButton::clicked, this,
                [this, &result] { m_tool.OnResultChoice(result.choice); });
        AddControl(result.radioId, radio);

        auto* edit = new QLineEdit(this);
        edit->setGeometry(units.Rect(result.editRect));
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setAccessibleName(result.caption);
        m_results[ResultIndex(result.choice)] = edit;
        AddControl(result.editId, edit);
    }
}

void CStatisticsDlg::CreateButtons() {
    const DialogUnits units(font());
    auto* help = new QPushButton("Help", this);
    help->setGeometry(units.Rect(283, 44, 32, 14));
    connect(help, &QPushButton::clicked, this, [this] { CStatisticsHelpDlg(this).exec(); });
    AddControl(kHelpId, help);

    auto* ok = new QPushButton("OK", this);
    ok->setGeometry(units.Rect(279, 117, 36, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    AddControl(kOkId, ok);
}

// The sample is restored when the dialog first shows, so that a message shows over it.
void CStatisticsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        m_tool.OnInitDialog();
        UseBackgroundForStatics(*this, m_tool.m_background);
        update();
    }
}

void CStatisticsDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter, rect(), m_tool.m_background);
}

void CStatisticsDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    accept();
}

bool CStatisticsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_sample && event->type() == QEvent::FocusOut && !IsMenuFocusChange(*event))
        m_tool.OnSampleDisplayKillFocus();
    return QDialog::eventFilter(watched, event);
}

void CStatisticsDlg::ShowSample(const std::string& text) {
    const QSignalBlocker blocker(m_sample);
    m_sample->setPlainText(ToQString(text));
    m_sample->horizontalScrollBar()->setValue(0);
}

void CStatisticsDlg::ScrollSample(int characters) {
    QScrollBar* bar = m_sample->horizontalScrollBar();
    bar->setValue(bar->value() + characters * m_sample->fontMetrics().averageCharWidth());
}

std::string CStatisticsDlg::SampleText() {
    return ToStdString(m_sample->toPlainText());
}

TextSelection CStatisticsDlg::SampleSelection() {
    const QString text = m_sample->toPlainText();
    const QTextCursor cursor = m_sample->textCursor();
    return {BytePosition(text, cursor.selectionStart()), BytePosition(text, cursor.selectionEnd())};
}

void CStatisticsDlg::SetSampleSelection(TextSelection selection) {
    const std::string text = SampleText();
    QTextCursor cursor = m_sample->textCursor();
    cursor.setPosition(WidgetPosition(text, selection.start));
    cursor.setPosition(WidgetPosition(text, selection.end), QTextCursor::KeepAnchor);
    m_sample->setTextCursor(cursor);
}

void CStatisticsDlg::ShowCount(const std::string& text) {
    m_count->setText(ToQString(text));
}

void CStatisticsDlg::ShowResult(ResultChoice choice, const std::string& text) {
    m_results.at(ResultIndex(choice))->setText(ToQString(text));
}

} // namespace tarvo
