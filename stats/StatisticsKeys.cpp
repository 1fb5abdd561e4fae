#include "StatisticsKeys.h"

#include "KeyTable.h"
#include "StatisticsTool.h"

namespace tarvo {

namespace {

using T = StatisticsTool;

// Dialog units: the keypad's three columns inside its frame, the clearing keys and Enter
// beside it, Transfer at the right edge.
constexpr StatisticsKey kKeys[] = {
    {1008, "7", "7", "7", "7", "Types the digit 7", {14, 64, 18, 14}, PressDigit<7>},
    {1009, "8", "8", "8", "8", "Types the digit 8", {35, 64, 18, 14}, PressDigit<8>},
    {1010, "9", "9", "9", "9", "Types the digit 9", {56, 64, 18, 14}, PressDigit<9>},
    {1005, "4", "4", "4", "4", "Types the digit 4", {14, 80, 18, 14}, PressDigit<4>},
    {1006, "5", "5", "5", "5", "Types the digit 5", {35, 80, 18, 14}, PressDigit<5>},
    {1007, "6", "6", "6", "6", "Types the digit 6", {56, 80, 18, 14}, PressDigit<6>},
    {1001, "1", "1", "1", "1", "Types the digit 1", {14, 97, 18, 14}, PressDigit<1>},
    {1003, "2", "2", "2", "2", "Types the digit 2", {35, 97, 18, 14}, PressDigit<2>},
    {1004, "3", "3", "3", "3", "Types the digit 3", {56, 97, 18, 14}, PressDigit<3>},
    {1011, "0", "0", "0", "0", "Types the digit 0", {14, 114, 18, 14}, PressDigit<0>},
    {1016,
     ".",
     ".",
     ".",
     "Decimal point",
     "Types the decimal point",
     {35, 114, 18, 14},
     Press<&T::OnDecimalPoint>},
    {1017,
     "+/-",
     "+/-",
     "F9",
     "Change sign",
     "Makes the number being typed negative, or positive again",
     {56, 114, 18, 14},
     Press<&T::OnChangeSign>},
    {1021,
     "CLR",
     "CLR",
     "",
     "Clear all",
     "Clears all numbers and the results",
     {86, 64, 31, 14},
     Press<&T::OnClear>},
    {1020,
     "CE",
     "CE",
     "",
     "Clear entry",
     "Clears the number being typed",
     {86, 80, 31, 14},
     Press<&T::OnClearEntry>},
    {1022,
     "<--",
     "<--",
     "Backspace",
     "Backspace",
     "Deletes the last character of the sample",
     {86, 97, 31, 14},
     Press<&T::OnBackspace>},
    {1023,
     "Enter",
     "Enter",
     "Enter",
     "Enter",
     "Adds the number to the sample and computes again",
     {86, 113, 31, 14},
     Press<&T::ComputeStatistics>},
    {1099,
     "Transfer",
     "Transfer",
     "",
     "Transfer",
     "Keeps the chosen result for the calculator's transfer register",
     {283, 62, 32, 14},
     Press<&T::OnTransfer>},
};

using R = ResultChoice;

constexpr StatisticsResult kResults[] = {
    {R::Sum, 1113, 1032, "Sum", "sum", {136, 45, 58, 14}, {198, 45, 70, 14}},
    {R::Mean, 1114, 1014, "Mean", "mean", {136, 62, 58, 14}, {198, 62, 70, 14}},
    {R::VarianceN, 1115, 1015, "Variance (n)", "var-n", {136, 80, 58, 14}, {198, 80, 70, 14}},
    {R::StdDevN, 1116, 1018, "Std Dev (n)", "sd-n", {136, 99, 58, 14}, {198, 99, 70, 14}},
    {R::StdDevN1, 1117, 1019, "Std Dev (n-1)", "sd-n1", {136, 117, 58, 14}, {198, 117, 70, 14}},
};

} // namespace

std::span<const StatisticsKey> StatisticsKeys() {
    return kKeys;
}

std::span<const StatisticsResult> StatisticsResults() {
    return kResults;
}

const StatisticsKey* FindStatisticsKey(std::string_view token) {
    return FindByToken(kKeys, token);
}

const StatisticsResult* FindStatisticsResult(std::string_view token) {
    return FindByToken(kResults, token);
}

} // namespace tarvo
