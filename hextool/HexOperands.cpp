#include "HexOperands.h"

#include <type_traits>

namespace tarvo {

namespace {

// Calls visit with the value array of an integral type; does nothing for the real types.
template <class Record, class Visit>
void VisitValues(Record& record, HexDataType type, Visit visit) {
    switch (type) {
    case HexDataType::UnsignedChar:
        return visit(record.m_ucValues);
    case HexDataType::Char:
        return visit(record.m_cValues);
    case HexDataType::UnsignedInt:
        return visit(record.m_unValues);
    case HexDataType::Int:
        return visit(record.m_nValues);
    case HexDataType::UnsignedLong:
        return visit(record.m_ulValues);
    case HexDataType::Long:
        return visit(record.m_lValues);
    case HexDataType::Float:
    case HexDataType::Double:
        return;
    }
}

} // namespace

void CHexOperands::Reset() {
    const bool intel = m_bIntel;
    *this = CHexOperands{};
    m_bIntel = intel;
}

std::uint32_t CHexOperands::Value(HexDataType type, int index) const {
    std::uint32_t value = 0;
    // Converting a signed value to unsigned sign-extends it.
    VisitValues(*this, type,
                [&](const auto& values) { value = static_cast<std::uint32_t>(values[index]); });
    return value;
}

void CHexOperands::SetValue(HexDataType type, int index, std::uint32_t value) {
    VisitValues(*this, type, [&](auto& values) {
        using Stored = typename std::remove_reference_t<decltype(values)>::value_type;
        values[index] = static_cast<Stored>(value); // keeps the low bits (modular since C++20)
    });
}

} // namespace tarvo
