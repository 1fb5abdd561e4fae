// The HEX edit's length limit. Unlike QLineEdit's maximum length, which cuts a longer text
// at once, it only refuses typing that would make the text longer than the limit: a text the
// tool wrote under a wider type keeps its length.
#pragma once

#include <QValidator>

#include <climits>

class QLineEdit;

namespace tarvo {

class HexLengthLimit : public QValidator {
public:
    // Installs itself as the edit's validator.
    explicit HexLengthLimit(QLineEdit* edit);

    void SetLimit(int characters) { m_limit = characters; }
    int Limit() const { return m_limit; }

    State validate(QString& input, int& position) const override;

private:
    int m_limit = INT_MAX;  // none until the tool sets one
    qsizetype m_length = 0; // the text's length before the edit being validated
};

} // namespace tarvo
