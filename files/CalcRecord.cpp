#include "CalcRecord.h"

#include "NumberText.h"

#include <algorithm>

namespace tarvo {

namespace {

std::string TwoDigits(int value) {
    std::string text = FormatInteger(value);
    if (value < 10)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

std::string FormatCalcRecord(const std::string& id, const std::string& time,
                             const std::string& calc) {
    return "\"" + id + "\" " + time + " {" + calc + "}\r\n";
}

std::string RemoveLineBreaks(std::string calc) {
    std::erase_if(calc, [](char c) { return c == '\r' || c == '\n'; });
    return calc;
}

std::string FormatTimeStamp(const std::tm& time) {
    return FormatInteger(time.tm_mon + 1) + "/" + FormatInteger(time.tm_mday) + "/" +
           TwoDigits(time.tm_year % 100) + " " + FormatInteger(time.tm_hour) + ":" +
           TwoDigits(time.tm_min) + ":" + TwoDigits(time.tm_sec);
}

std::string CurrentTimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatTimeStamp(local);
}

} // namespace tarvo
