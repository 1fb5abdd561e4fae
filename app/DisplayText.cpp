#include "DisplayText.h"

namespace tarvo {

namespace {

// Bytes of the UTF-8 sequence that starts with this byte (1 for stray bytes).
int SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

QString ToWidgetText(const std::string& text) {
    QString widget = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    widget.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return widget;
}

std::string FromWidgetText(const QString& text) {
    QString logic = text;
    logic.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    logic.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QByteArray bytes = logic.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int ToWidgetPosition(const std::string& text, int position) {
    int widget = 0;
    std::size_t i = 0;
    const auto end = std::min(text.size(), static_cast<std::size_t>(std::max(position, 0)));
    while (i < end) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2;
            ++widget;
            continue;
        }
        const int length = SequenceLength(static_cast<unsigned char>(text[i]));
        i += static_cast<std::size_t>(length);
        widget += length == 4 ? 2 : 1; // beyond the basic plane: a surrogate pair
    }
    return widget;
}

int FromWidgetPosition(const QString& text, int position) {
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    return static_cast<int>(FromWidgetText(text.left(position)).size());
}

} // namespace tarvo
