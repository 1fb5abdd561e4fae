// The logic's texts are 8-bit strings with CR LF line ends; the widgets hold Unicode text
// with bare line feeds. These convert texts and positions between the two.
#pragma once

#include <QString>

#include <string>

namespace tarvo {

QString ToWidgetText(const std::string& text);
std::string FromWidgetText(const QString& text);

// A position in a logic text as a position in its widget text, and back.
int ToWidgetPosition(const std::string& text, int position);
int FromWidgetPosition(const QString& text, int position);

} // namespace tarvo
