#include "DisplayText.h"

#include <algorithm>

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

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ToWidgetText(const std::string& text) {
    QString widget = ToQString(text);
    widget.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return widget;
}

QString ToLargeDisplayText(const std::string& text, std::size_t from, std::size_t length,
                           int lines) {
    constexpr int kLinesPerBlock = 16;
    const QString widget = QString::fromUtf8(text.data() + from, static_cast<qsizetype>(length));
    QString result;
    result.reserve(widget.size());
    qsizetype copied = 0;
    for (qsizetype i = widget.indexOf(QLatin1String("\r\n")); i >= 0;
         i = widget.indexOf(QLatin1String("\r\n"), i + 2)) {
        result.append(QStringView(widget).mid(copied, i - copied));
        lines = lines + 1 < kLinesPerBlock ? lines + 1 : 0;
        result.append(lines == 0 ? QChar(QChar::ParagraphSeparator) : QChar(QChar::LineSeparator));
        copied = i + 2;
    }
    result.append(QStringView(widget).mid(copied));
    return result;
}

std::string FromWidgetText(const QString& text) {
    QString logic = text;
    logic.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    logic.replace(QChar::LineSeparator, QLatin1Char('\n'));
    logic.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return ToStdString(logic);
}

int WidgetLength(const std::string& text, std::size_t from, std::size_t to) {
    int widget = 0;
    std::size_t i = from;
    const std::size_t end = std::min(text.size(), to);
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

std::size_t AdvanceOverWidgetUnits(const std::string& text, std::size_t from, int units) {
    std::size_t i = from;
    while (units > 0 && i < text.size()) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2;
            --units;
            continue;
        }
        const int length = SequenceLength(static_cast<unsigned char>(text[i]));
        i = std::min(text.size(), i + static_cast<std::size_t>(length));
        units -= length == 4 ? 2 : 1;
    }
    return i;
}

std::size_t RetreatOverWidgetUnits(const std::string& text, std::size_t from, int units) {
    std::size_t i = std::min(from, text.size());
    while (units > 0 && i > 0) {
        if (text[i - 1] == '\n' && i >= 2 && text[i - 2] == '\r') {
            i -= 2;
            --units;
            continue;
        }
        std::size_t lead = i - 1; // back over the continuation bytes to the sequence's lead
        while (lead > 0 && i - lead < 4 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80)
            --lead;
        const int length = SequenceLength(static_cast<unsigned char>(text[lead]));
        if (static_cast<std::size_t>(length) != i - lead)
            lead = i - 1; // a stray byte stands for itself
        units -= i - lead == 4 ? 2 : 1;
        i = lead;
    }
    return i;
}

} // namespace tarvo
