#include "HexDataType.h"

#include "KeyTable.h"

namespace tarvo {

namespace {

constexpr HexDataTypeInfo kTypes[] = {
    {HexDataType::UnsignedChar, 1091, "unsigned char", "uchar", 8, false, 2},
    {HexDataType::Char, 1090, "char", "char", 8, true, 2},
    {HexDataType::UnsignedInt, 1093, "unsigned int", "uint", 16, false, 4},
    {HexDataType::Int, 1092, "int", "int", 16, true, 4},
    {HexDataType::UnsignedLong, 1095, "unsigned long", "ulong", 32, false, 8},
    {HexDataType::Long, 1094, "long", "long", 32, true, 8},
    {HexDataType::Float, 1096, "float", "float", 32, true, 8},
    {HexDataType::Double, 1097, "double", "double", 64, true, 16},
};

} // namespace

std::span<const HexDataTypeInfo> HexDataTypes() {
    return kTypes;
}

const HexDataTypeInfo& TypeInfo(HexDataType type) {
    return kTypes[static_cast<int>(type)];
}

const HexDataTypeInfo* FindDataTypeByToken(std::string_view token) {
    return FindByToken(kTypes, token);
}

} // namespace tarvo
