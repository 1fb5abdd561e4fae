// One record of the calculation file: "ID" TIME {CALCULATION} and CR LF, on one line.
#pragma once

#include <ctime>
#include <string>

namespace tarvo {

std::string FormatCalcRecord(const std::string& id, const std::string& time,
                             const std::string& calc);

// The calculation without its carriage returns and line feeds, so that it fits one line.
std::string RemoveLineBreaks(std::string calc);

// month/day/two-digit year and 24-hour time, no leading zeros on month, day and hour:
// 12/6/26 17:05:04.
std::string FormatTimeStamp(const std::tm& time);
std::string CurrentTimeStamp();

} // namespace tarvo
