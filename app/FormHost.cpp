#include "FormHost.h"

#include "Background.h"
#include "DisplayText.h"
#include "Icons.h"
#include "Keypad.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tarvo {

FormHost::FormHost() : m_presenter(ShowMessageBox) {}

FormHost::~FormHost() = default;

void FormHost::Attach(Controls controls) {
    m_controls = std::move(controls);
    m_largeDocument =
        std::make_unique<LargeDisplayDocument>(*m_controls.large, *m_controls.largeText);
}

std::optional<LargeDisplayDocument::UserEdit> FormHost::TakeUserEdit(int position, int removed,
                                                                     int added) {
    return m_largeDocument->TakeUserEdit(position, removed, added);
}

void FormHost::Flush() {
    if (m_pendingSmall) {
        const QSignalBlocker blocker(m_controls.small);
        m_controls.small->setText(ToWidgetText(*m_pendingSmall));
        m_pendingSmall = nullptr;
    }
    if (m_largeDocument && m_largeDocument->Pending())
        m_largeDocument->Apply();
    ApplyScroll();
}

void FormHost::ApplyScroll() {
    QPlainTextEdit* large = m_controls.large;
    if (m_scrollToEnd) {
        large->verticalScrollBar()->setValue(large->verticalScrollBar()->maximum());
        large->horizontalScrollBar()->setValue(large->horizontalScrollBar()->maximum());
    }
    if (m_scrollCharacters != 0) {
        QScrollBar* bar = large->horizontalScrollBar();
        bar->setValue(bar->value() + m_scrollCharacters * large->fontMetrics().averageCharWidth());
    }
    if (m_scrollLines != 0)
        large->verticalScrollBar()->setValue(large->verticalScrollBar()->value() + m_scrollLines);
    ApplyReveal();
    m_scrollToEnd = false;
    m_scrollCharacters = m_scrollLines = 0;
}

void FormHost::ApplyReveal() {
    if (m_revealPosition < 0)
        return;
    QPlainTextEdit* large = m_controls.large;
    QTextCursor cursor(large->document());
    cursor.setPosition(m_largeDocument->WidgetPosition(static_cast<std::size_t>(m_revealPosition)));
    const QRect place = large->cursorRect(cursor);
    const int margin = 2 * large->fontMetrics().averageCharWidth();
    QScrollBar* bar = large->horizontalScrollBar();
    if (place.right() + margin > large->viewport()->width())
        bar->setValue(bar->value() + place.right() + margin - large->viewport()->width());
    else if (place.left() < 0)
        bar->setValue(bar->value() + place.left());
    m_revealPosition = -1;
}

MessageAnswer FormHost::ShowMessage(const std::string& title, const std::string& text,
                                    MessageButtons buttons) {
    Flush(); // the box shows over the state that caused it
    // Before the window exists (a document that cannot be opened at start) the box stands alone.
    QWidget* owner = m_controls.form ? m_controls.form->window() : nullptr;
    return Present(m_presenter, owner, title, text, buttons);
}

void FormHost::Beep() {
    QApplication::beep();
}

// A change starts the view at the top left: the scrolls asked for since apply to it.
void FormHost::ShowLargeDisplay(const std::string&, TextChange change) {
    m_largeDocument->Change(change);
    m_scrollToEnd = false;
    m_scrollCharacters = m_scrollLines = 0;
    m_revealPosition = -1;
}

void FormHost::ScrollLargeDisplay(int characters, int lines) {
    m_scrollCharacters += characters;
    m_scrollLines += lines;
}

void FormHost::ScrollLargeDisplayToEnd() {
    m_scrollToEnd = true;
}

void FormHost::RevealLargeDisplayPosition(int position) {
    m_revealPosition = position;
}

std::string FormHost::LargeDisplayText() {
    Flush();
    return *m_controls.largeText;
}

TextSelection FormHost::LargeSelection() {
    Flush();
    const QTextCursor cursor = m_controls.large->textCursor();
    const auto start = static_cast<int>(m_largeDocument->LogicPosition(cursor.selectionStart()));
    return {start, static_cast<int>(m_largeDocument->LogicPosition(cursor.selectionEnd()))};
}

void FormHost::SetLargeSelection(TextSelection selection) {
    Flush();
    QTextCursor cursor = m_controls.large->textCursor();
    const int end =
        m_largeDocument->WidgetPosition(static_cast<std::size_t>(std::max(selection.end, 0)));
    cursor.setPosition(
        m_largeDocument->WidgetPosition(static_cast<std::size_t>(std::max(selection.start, 0))));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_controls.large->setTextCursor(cursor);
}

int FormHost::LargeFirstVisibleLine() {
    Flush();
    return m_controls.large->verticalScrollBar()->value();
}

std::string FormHost::SmallDisplayText() {
    Flush();
    return ToStdString(m_controls.small->text());
}

void FormHost::CopySmallSelection() {
    m_controls.small->copy();
}

void FormHost::CopyLargeSelection() {
    m_controls.large->copy();
}

void FormHost::PasteIntoSmall() {
    Flush();
    m_controls.small->paste();
}

void FormHost::PasteIntoLarge() {
    Flush();
    m_controls.large->paste();
}

void FormHost::FocusRecalcButton() {
    m_controls.recalc->setFocus(Qt::OtherFocusReason);
}

void FormHost::ShowAngleMode(const std::string& caption) {
    m_controls.angle->setText(ToQString(caption));
}

void FormHost::ShowHyperbolic(bool checked) {
    const QSignalBlocker blocker(m_controls.hyperbolic);
    m_controls.hyperbolic->setChecked(checked);
}

void FormHost::ShowCaptions(bool plain) {
    for (const CalculatorKey& key : CalculatorKeys()) {
        QAbstractButton* button = m_controls.keys.at(key.id);
        if (key.icon)
            button->setIcon(
                KeyIcon(key.icon, plain ? QString() : KeyBadgeText(key.accelerators), *button));
        else if (button != m_controls.angle)
            button->setText(plain ? key.caption : key.keyCaption);
    }
}

void FormHost::ShowParenStatus(const std::string& text) {
    m_parenStatus = ToQString(text);
    m_controls.form->update();
}

void FormHost::Repaint() {
    m_controls.form->update();
}

std::optional<Rgb> FormHost::ChooseColor(CustomColors& customColors) {
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
    const QColor chosen = QColorDialog::getColor(Qt::black, m_controls.form);
    for (int i = 0; i < 16; ++i)
        customColors[i] = FromQColor(QColorDialog::customColor(i));
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

// Linux desktops publish no desktop colour; the palette's highlight is the desktop's accent.
Rgb FormHost::GetSystemColor(SystemColor which) {
    const QPalette palette = QApplication::palette();
    return FromQColor(which == SystemColor::ButtonFace ? palette.color(QPalette::Button)
                                                       : palette.color(QPalette::Highlight));
}

} // namespace tarvo
