// The fuzzed entry points: each takes any bytes and must neither crash, hang, leak nor
// trip a sanitizer. libFuzzer drives them in `make fuzz`; the tests replay the inputs kept.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarvo::fuzz {

// The bytes as an equation text, recalculated.
void ReplayEquation(const std::uint8_t* data, std::size_t size);
// The first bytes choose browser steps (Next, Previous, Delete), the rest is the file.
void BrowseCalcFile(const std::uint8_t* data, std::size_t size);
// The bytes typed into the hexadecimal tool's three edits, on every data type.
void TypeHexTexts(const std::uint8_t* data, std::size_t size);
// The bytes as the statistics tool's sample text, then recomputed.
void EnterSample(const std::uint8_t* data, std::size_t size);
// The bytes as the settings file, then every setting read.
void ReadDamagedSettings(const std::uint8_t* data, std::size_t size);

} // namespace tarvo::fuzz
