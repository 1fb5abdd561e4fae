// The large display's document as a view of the form's equation text: it takes in the form's
// changes as splices, finds positions of the one text in the other from the nearest position
// it knows, and names the user's changes in the form's characters. So a key costs the same
// however long the calculation is.
#pragma once

#include "TextChange.h"

#include <QChar>

#include <optional>
#include <string>

class QPlainTextEdit;
class QTextDocument;

namespace tarvo {

class LargeDisplayDocument {
public:
    // A change the user made to the display, in the form's characters.
    struct UserEdit {
        std::size_t start = 0;
        std::size_t removed = 0;
        std::string inserted;
    };

    // text: the form's text that the display shows.
    LargeDisplayDocument(QPlainTextEdit& display, const std::string& text);

    // The form changed its text; the display learns it at Apply.
    void Change(TextChange change) { m_change.Add(change); }
    bool Pending() const { return m_change.Pending(); }
    // Only the changed part reaches the document; a new text is set whole. Like a text set
    // whole, a change leaves the caret at the start and the view at the top left.
    void Apply();

    int WidgetPosition(std::size_t logic);
    std::size_t LogicPosition(int widget);

    // The document changed by these characters of its own: the user's change, or nothing when
    // the change was the form's.
    std::optional<UserEdit> TakeUserEdit(int position, int removed, int added);

private:
    // A position known in both texts.
    struct Anchor {
        std::size_t logic = 0;
        int widget = 0;
    };
    QTextDocument& Document() const;
    int WidgetLength() const;
    std::size_t LogicPosition(int widget, int widgetLength);
    void Replace(int start, int end, const QString& text);
    int LinesInBlockBefore(int position) const;
    // The widget characters after `start` or before `end` that hold so many bytes of the form's
    // text.
    static int BytesOf(QChar c);
    int WidgetUnitsAfter(int start, std::size_t bytes) const;
    int WidgetUnitsBefore(int end, std::size_t bytes) const;

    QPlainTextEdit& m_display;
    const std::string& m_text;
    PendingTextChange m_change;
    std::size_t m_shownLength = 0; // of the form's text that the display shows
    Anchor m_anchor;
    bool m_applying = false; // the document changes by the form's hand
};

} // namespace tarvo
