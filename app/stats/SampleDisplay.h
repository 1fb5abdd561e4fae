// The statistics tool's sample display: one line of text with a horizontal scroll bar. The
// Return key is left to the dialog, and pasted line breaks become blanks, so that the text
// stays one line.
#pragma once

#include <QPlainTextEdit>

namespace tarvo {

class SampleDisplay : public QPlainTextEdit {
public:
    explicit SampleDisplay(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace tarvo
