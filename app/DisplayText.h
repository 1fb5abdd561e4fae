// The logic's texts are 8-bit strings with CR LF line ends; the widgets hold Unicode text
// with bare line feeds. These convert texts and positions between the two.
#pragma once

#include <QString>

#include <string>

namespace tarvo {

// UTF-8 bytes and Unicode text, line ends as they are.
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// Texts with their line ends changed between CR LF and line feeds.
QString ToWidgetText(const std::string& text);
std::string FromWidgetText(const QString& text);

// A part of the equation text for the large display, whose document holds a few lines in each
// block (a line separator between them) rather than one: a block costs as much to keep and to
// lay out as several hundred characters do. `lines` is the number of lines the block that
// receives the text holds before it.
QString ToLargeDisplayText(const std::string& text, std::size_t from, std::size_t length,
                           int lines);

// The widget characters that the logic characters from `from` to `to` become.
int WidgetLength(const std::string& text, std::size_t from, std::size_t to);
// The logic position reached from `from` over `units` widget characters, forwards or back.
std::size_t AdvanceOverWidgetUnits(const std::string& text, std::size_t from, int units);
std::size_t RetreatOverWidgetUnits(const std::string& text, std::size_t from, int units);

} // namespace tarvo
