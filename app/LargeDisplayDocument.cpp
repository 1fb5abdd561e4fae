#include "LargeDisplayDocument.h"

#include "DisplayText.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>

#include <algorithm>

namespace tarvo {

LargeDisplayDocument::LargeDisplayDocument(QPlainTextEdit& display, const std::string& text)
    : m_display(display), m_text(text) {}

QTextDocument& LargeDisplayDocument::Document() const {
    return *m_display.document();
}

int LargeDisplayDocument::WidgetLength() const {
    return Document().characterCount() - 1;
}

void LargeDisplayDocument::Apply() {
    const std::string& text = m_text;
    const TextSplice splice = m_change.Take(m_shownLength, text.size());
    m_applying = true;
    if (splice.start == 0 && splice.removed == m_shownLength) {
        const QSignalBlocker blocker(m_display);
        m_display.setPlainText(ToLargeDisplayText(text, 0, text.size(), 0));
        m_anchor = {};
    } else {
        // From the nearest known position: the anchor, the start or the end of the text.
        const std::size_t keptAtEnd = m_shownLength - splice.start - splice.removed;
        const std::size_t fromAnchor =
            m_anchor.logic <= splice.start ? splice.start - m_anchor.logic : splice.start;
        int start = 0;
        int end = 0;
        if (fromAnchor <= keptAtEnd || splice.start <= keptAtEnd) {
            const Anchor anchor =
                m_anchor.logic <= splice.start && fromAnchor < splice.start ? m_anchor : Anchor{};
            start = anchor.widget + tarvo::WidgetLength(text, anchor.logic, splice.start);
            end = start + WidgetUnitsAfter(start, splice.removed);
        } else {
            end = WidgetLength() - tarvo::WidgetLength(text, text.size() - keptAtEnd, text.size());
            start = end - WidgetUnitsBefore(end, splice.removed);
        }
        Replace(start, end,
                ToLargeDisplayText(text, splice.start, splice.inserted, LinesInBlockBefore(start)));
        m_anchor = {splice.start, start};
    }
    m_applying = false;
    m_shownLength = text.size();
}

void LargeDisplayDocument::Replace(int start, int end, const QString& text) {
    const QSignalBlocker blocker(m_display);
    QTextCursor cursor(&Document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    // As with a text set whole, the user's undo does not reach back into the program's changes.
    Document().clearUndoRedoStacks();
    m_display.setTextCursor(QTextCursor(&Document()));
    m_display.horizontalScrollBar()->setValue(0);
    m_display.verticalScrollBar()->setValue(0);
}

int LargeDisplayDocument::LinesInBlockBefore(int position) const {
    const QTextBlock block = Document().findBlock(position);
    return static_cast<int>(
        block.text().left(position - block.position()).count(QChar(QChar::LineSeparator)));
}

// The bytes of the form's text that a widget character stands for.
int LargeDisplayDocument::BytesOf(QChar c) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
        return 2; // CR LF
    return c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
}

int LargeDisplayDocument::WidgetUnitsAfter(int start, std::size_t bytes) const {
    const QTextDocument& document = Document();
    const int length = WidgetLength();
    int position = start;
    std::size_t counted = 0;
    while (counted < bytes && position < length) {
        const QChar c = document.characterAt(position);
        if (c.isHighSurrogate() && position + 1 < length &&
            document.characterAt(position + 1).isLowSurrogate()) {
            counted += 4;
            ++position;
        } else {
            counted += static_cast<std::size_t>(BytesOf(c));
        }
        ++position;
    }
    return position - start;
}

int LargeDisplayDocument::WidgetUnitsBefore(int end, std::size_t bytes) const {
    const QTextDocument& document = Document();
    int position = end;
    std::size_t counted = 0;
    while (counted < bytes && position > 0) {
        const QChar c = document.characterAt(position - 1);
        if (c.isLowSurrogate() && position > 1 &&
            document.characterAt(position - 2).isHighSurrogate()) {
            counted += 4;
            --position;
        } else {
            counted += static_cast<std::size_t>(BytesOf(c));
        }
        --position;
    }
    return end - position;
}

int LargeDisplayDocument::WidgetPosition(std::size_t logic) {
    const std::string& text = m_text;
    logic = std::min(logic, text.size());
    int widget = 0;
    if (logic >= m_anchor.logic && logic - m_anchor.logic <= text.size() - logic)
        widget = m_anchor.widget + tarvo::WidgetLength(text, m_anchor.logic, logic);
    else if (logic < m_anchor.logic && m_anchor.logic - logic <= logic)
        widget = m_anchor.widget - tarvo::WidgetLength(text, logic, m_anchor.logic);
    else if (logic <= text.size() - logic)
        widget = tarvo::WidgetLength(text, 0, logic);
    else
        widget = WidgetLength() - tarvo::WidgetLength(text, logic, text.size());
    m_anchor = {logic, widget};
    return widget;
}

std::size_t LargeDisplayDocument::LogicPosition(int widget) {
    return LogicPosition(widget, WidgetLength());
}

// Of the text shown when the document was `length` characters long.
std::size_t LargeDisplayDocument::LogicPosition(int widget, int length) {
    const std::string& text = m_text;
    widget = std::clamp(widget, 0, length);
    std::size_t logic = 0;
    if (widget >= m_anchor.widget && widget - m_anchor.widget <= length - widget)
        logic = AdvanceOverWidgetUnits(text, m_anchor.logic, widget - m_anchor.widget);
    else if (widget < m_anchor.widget && m_anchor.widget - widget <= widget)
        logic = RetreatOverWidgetUnits(text, m_anchor.logic, m_anchor.widget - widget);
    else if (widget <= length - widget)
        logic = AdvanceOverWidgetUnits(text, 0, widget);
    else
        logic = RetreatOverWidgetUnits(text, text.size(), length - widget);
    m_anchor = {logic, widget};
    return logic;
}

std::optional<LargeDisplayDocument::UserEdit>
LargeDisplayDocument::TakeUserEdit(int position, int removed, int added) {
    if (m_applying)
        return std::nullopt;
    const int length = WidgetLength();
    const int before = length - added + removed;
    // The document may count its final paragraph end into a change.
    const int beyond = std::max({0, position + removed - before, position + added - length});
    removed -= beyond;
    added -= beyond;
    UserEdit edit;
    if (position < 0 || removed < 0 || added < 0) { // a change it cannot name: all of the text
        edit.removed = m_text.size();
        edit.inserted = FromWidgetText(Document().toPlainText());
        m_anchor = {};
    } else {
        edit.start = LogicPosition(position, before);
        edit.removed = AdvanceOverWidgetUnits(m_text, edit.start, removed) - edit.start;
        QTextCursor cursor(&Document());
        cursor.setPosition(position);
        cursor.setPosition(position + added, QTextCursor::KeepAnchor);
        QString inserted = cursor.selectedText();
        inserted.replace(QChar::Nbsp, QLatin1Char(' '));
        edit.inserted = FromWidgetText(inserted);
    }
    m_shownLength = m_shownLength - edit.removed + edit.inserted.size();
    return edit;
}
} // namespace tarvo
