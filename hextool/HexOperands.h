// The record of values and texts that the hexadecimal tool keeps twice: once for the
// calculator's operands and once for what the displays show.
#pragma once

#include "HexDataType.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvo {

struct CHexOperands {
    // Indices of the value arrays.
    static constexpr int kOperand1 = 0;
    static constexpr int kOperand2 = 1;
    static constexpr int kResult = 2;

    std::string m_strBinBig;        // most significant bit first
    std::string m_strBinLittle;     // an integral value's bytes in little-endian order
    std::string m_strBinRealLittle; // a real value's bytes in little-endian order
    std::string m_strBinRealBig;    // a real value's bytes in big-endian order
    std::string m_strBitsLsbFirst;
    bool m_bIntel = false; // byte-order switch: false "Mot", true "Int"; used in the display record

    std::array<std::uint8_t, 3> m_ucValues{};
    std::array<std::int8_t, 3> m_cValues{};
    std::array<std::int16_t, 3> m_nValues{};
    std::array<std::uint16_t, 3> m_unValues{};
    std::array<std::int32_t, 3> m_lValues{};
    std::array<std::uint32_t, 3> m_ulValues{};

    std::string m_strDigit;
    std::string m_strOperand1;
    std::string m_strOperand2;
    std::string m_strResult;
    std::string m_strBinary;

    // Every value 0 and every text empty; the byte-order switch stays.
    void Reset();

    // A value of an integral type widened to 32 bits (sign-extended for the signed types).
    // The real types keep no values: they read 0 and ignore writes.
    std::uint32_t Value(HexDataType type, int index) const;
    // Stores the low bits that the type holds.
    void SetValue(HexDataType type, int index, std::uint32_t value);
};

} // namespace tarvo
