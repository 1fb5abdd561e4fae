#include "HexLengthLimit.h"

#include <QLineEdit>

namespace tarvo {

HexLengthLimit::HexLengthLimit(QLineEdit* edit) : QValidator(edit) {
    edit->setValidator(this);
    m_length = edit->text().size();
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_length = text.size(); });
}

QValidator::State HexLengthLimit::validate(QString& input, int&) const {
    return input.size() <= m_limit || input.size() <= m_length ? Acceptable : Invalid;
}

} // namespace tarvo
