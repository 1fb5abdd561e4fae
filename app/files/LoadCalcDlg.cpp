#include "LoadCalcDlg.h"

#include "ControlName.h"
#include "DialogUnits.h"
#include "DisplayText.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvo {

namespace {

// The statics in the order of BrowserField, the calculation edit left out.
int StaticIndex(BrowserField field) {
    switch (field) {
    case BrowserField::CalcId:
        return 0;
    case BrowserField::Time:
        return 1;
    case BrowserField::ItemCount:
        return 2;
    case BrowserField::CurrentItem:
        return 3;
    case BrowserField::Calc:
        break;
    }
    return -1;
}

} // namespace

CLoadCalcDlg::CLoadCalcDlg(ISettingsStore& settings, MessagePresenter presenter, QWidget* parent)
    : QDialog(parent), m_browser(settings, *this), m_presenter(std::move(presenter)) {
    setWindowTitle("Load Calc");
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.X(385), units.Y(141));
    CreateFields();
    CreateButtons();
}

void CLoadCalcDlg::CreateFields() {
    const DialogUnits units(font());
    struct Labelled {
        const char* label;
        QRect labelRect;
        QRect valueRect;
    };
    const Labelled fields[] = {
        {"Calc ID:", units.Rect(7, 8, 32, 9), units.Rect(40, 8, 170, 9)},
        {"Time:", units.Rect(216, 8, 22, 9), units.Rect(240, 8, 138, 9)},
        {"Item Count:", units.Rect(7, 76, 45, 9), units.Rect(53, 76, 40, 9)},
        {"Current Item:", units.Rect(100, 76, 50, 9), units.Rect(151, 76, 40, 9)},
    };
    for (std::size_t i = 0; i < m_statics.size(); ++i) {
        auto* label = new QLabel(fields[i].label, this);
        label->setGeometry(fields[i].labelRect);
        m_statics[i] = new QLabel(this);
        m_statics[i]->setGeometry(fields[i].valueRect);
        m_statics[i]->setTextFormat(Qt::PlainText);
    }
    m_calc = new QPlainTextEdit(this);
    m_calc->setGeometry(units.Rect(7, 22, 371, 48));
    m_calc->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_calc->setAccessibleName("Calculation");
}

void CLoadCalcDlg::CreateButtons() {
    const DialogUnits units(font());
    auto* select = new QGroupBox("Select Calculation", this);
    select->setGeometry(units.Rect(7, 90, 118, 42));
    auto* load = new QGroupBox("Load Calculation", this);
    load->setGeometry(units.Rect(131, 90, 118, 42));
    using Id = LoadCalcButton;
    struct Button {
        const char* caption;
        LoadCalcButton id;
        QRect rect;
        std::function<void()> press;
    };
    // clang-format off
    const Button buttons[] = {
        {"Next",      Id::Next,      units.Rect(14, 106, 50, 14),  [this] { m_browser.OnNext(); }},
        {"Previous",  Id::Previous,  units.Rect(68, 106, 50, 14),  [this] { m_browser.OnPrevious(); }},
        {"Overwrite", Id::Overwrite, units.Rect(138, 106, 50, 14), [this] { End(m_browser.OnOverwrite()); }},
        {"Insert",    Id::Insert,    units.Rect(192, 106, 50, 14), [this] { End(m_browser.OnInsert()); }},
        {"Delete",    Id::Delete,    units.Rect(262, 106, 50, 14), [this] { m_browser.OnDelete(); }},
        {"OK",        Id::Ok,        units.Rect(324, 92, 54, 14),  [this] { End(m_browser.OnClose()); }},
        {"Cancel",    Id::Cancel,    units.Rect(324, 112, 54, 14), [this] { reject(); }},
    };
    // clang-format on
    for (const Button& button : buttons) {
        auto* push = new QPushButton(button.caption, this);
        push->setObjectName(ControlName(button.id));
        push->setGeometry(button.rect);
        push->setDefault(button.id == Id::Ok);
        connect(push, &QPushButton::clicked, this, button.press);
    }
}

// The file is read when the dialog is first shown, so that its messages show over it.
void CLoadCalcDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        m_browser.Open();
    }
}

void CLoadCalcDlg::End(BrowserResult result) {
    m_result = result;
    accept();
}

void CLoadCalcDlg::reject() {
    m_browser.OnClose();
    QDialog::reject();
}

void CLoadCalcDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

QString CLoadCalcDlg::FieldText(BrowserField field) const {
    const int index = StaticIndex(field);
    return index < 0 ? m_calc->toPlainText() : m_statics[static_cast<std::size_t>(index)]->text();
}

MessageAnswer CLoadCalcDlg::ShowMessage(const std::string& title, const std::string& text,
                                        MessageButtons buttons) {
    return Present(m_presenter, this, title, text, buttons);
}

void CLoadCalcDlg::ShowField(BrowserField field, const std::string& text) {
    const int index = StaticIndex(field);
    if (index < 0)
        m_calc->setPlainText(ToWidgetText(text));
    else
        m_statics[static_cast<std::size_t>(index)]->setText(ToWidgetText(text));
}

} // namespace tarvo
