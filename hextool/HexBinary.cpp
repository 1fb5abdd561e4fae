#include "HexBinary.h"

#include <algorithm>
#include <bit>

namespace tarvo {

namespace {

char Bit(std::uint64_t value, int bit) {
    return (value >> bit) & 1 ? '1' : '0';
}

// Bits of one byte, the most significant first.
std::string ByteMsbFirst(std::uint64_t value, int byte) {
    std::string text;
    for (int bit = 7; bit >= 0; --bit)
        text += Bit(value, byte * 8 + bit);
    return text;
}

// One blank after every fourth character, after the last too when trailing is set.
std::string GroupByFour(std::string_view bits, bool trailing) {
    std::string text;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        text += bits[i];
        const bool last = i + 1 == bits.size();
        if ((i + 1) % 4 == 0 && (trailing || !last))
            text += ' ';
    }
    return text;
}

std::string FormatRealBinary(CHexOperands& record, std::uint64_t value, int bytes) {
    record.m_strBitsLsbFirst.clear();
    for (int byte = bytes - 1; byte >= 0; --byte) {
        std::string bits = ByteMsbFirst(value, byte);
        std::ranges::reverse(bits);
        record.m_strBitsLsbFirst += bits;
    }
    std::string littleEndian;
    for (int byte = 0; byte < bytes; ++byte)
        littleEndian += ByteMsbFirst(value, byte);
    record.m_strBinRealLittle = GroupByFour(littleEndian, true);
    record.m_strBinRealBig = ReorderBytes(record.m_strBitsLsbFirst);
    return record.m_strBinRealLittle;
}

} // namespace

std::string FormatBinary(CHexOperands& record, std::uint32_t value, int bits) {
    record.m_strBitsLsbFirst.clear();
    for (int bit = 0; bit < bits; ++bit)
        record.m_strBitsLsbFirst += Bit(value, bit);
    std::string msbFirst(record.m_strBitsLsbFirst.rbegin(), record.m_strBitsLsbFirst.rend());
    record.m_strBinBig = GroupByFour(msbFirst, false);
    record.m_strBinLittle = ReorderBytes(record.m_strBitsLsbFirst);
    return record.m_strBinBig;
}

std::string FormatBinary(CHexOperands& record, float value) {
    return FormatRealBinary(record, std::bit_cast<std::uint32_t>(value), 4);
}

std::string FormatBinary(CHexOperands& record, double value) {
    return FormatRealBinary(record, std::bit_cast<std::uint64_t>(value), 8);
}

std::string ReorderBytes(std::string_view bitsLsbFirst) {
    const std::string reversed(bitsLsbFirst.rbegin(), bitsLsbFirst.rend());
    const std::size_t length = reversed.size();
    std::string text;
    for (std::size_t k = 0; k + 8 <= length; k += 8) {
        if (k == 32)
            text += '\n';
        const std::size_t start = length - k - 8;
        text += reversed.substr(start, 4) + ' ' + reversed.substr(start + 4, 4) + ' ';
    }
    return text;
}

} // namespace tarvo
