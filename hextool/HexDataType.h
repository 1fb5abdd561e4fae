// The hexadecimal tool's eight data types: six integral ones of 8, 16 and 32 bits, signed and
// unsigned, and the two real ones. Each unsigned type has the even code, its signed twin the
// odd code above it.
#pragma once

#include <span>
#include <string_view>

namespace tarvo {

enum class HexDataType : int {
    UnsignedChar = 0,
    Char = 1,
    UnsignedInt = 2,
    Int = 3,
    UnsignedLong = 4,
    Long = 5,
    Float = 6,
    Double = 7,
};

struct HexDataTypeInfo {
    HexDataType type;
    int id;              // radio button control id; the buttons stand in id order
    const char* caption; // radio button caption
    const char* token;   // the name a script chooses the type by
    int bits;
    bool isSigned;
    int hexDigits; // length limit of the HEX edit, and digits a keypad operand may have
};

// Every type, indexed by its code.
std::span<const HexDataTypeInfo> HexDataTypes();
const HexDataTypeInfo& TypeInfo(HexDataType type);
const HexDataTypeInfo* FindDataTypeByToken(std::string_view token);

inline bool IsIntegral(HexDataType type) {
    return type != HexDataType::Float && type != HexDataType::Double;
}

} // namespace tarvo
