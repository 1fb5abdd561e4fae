// The five results of the statistics tool, as its radio buttons choose them for Transfer.
#pragma once

#include <cstddef>

namespace tarvo {

enum class ResultChoice : int { None = 0, Sum, Mean, VarianceN, StdDevN, StdDevN1 };

// The place of a result among the five, from 0 for Sum.
constexpr std::size_t ResultIndex(ResultChoice choice) {
    return static_cast<std::size_t>(choice) - 1;
}

inline constexpr ResultChoice kResultChoices[] = {ResultChoice::Sum, ResultChoice::Mean,
                                                  ResultChoice::VarianceN, ResultChoice::StdDevN,
                                                  ResultChoice::StdDevN1};

} // namespace tarvo
