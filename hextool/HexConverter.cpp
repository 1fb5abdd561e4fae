// The converter: typing into the HEX or DECIMAL edit shows the number in the other notations
// under the current type, and the byte-order switch flips the HEX text and the bit pattern.
#include "HexBinary.h"
#include "HexText.h"
#include "HexTool.h"
#include "NumberText.h"

namespace tarvo {

void CHexTool::OnHexChange() {
    m_host.SetHexLimit(Type().hexDigits);
    if (!m_bHexFocus)
        return;
    if (!IsIntegral(m_nDataType)) { // hex to a real value is not converted
        WriteDecimal("");
        return;
    }
    const std::uint32_t value = ParseHexText(m_host.HexText());
    WriteBinary(FormatBinary(*m_pShow, value, Type().bits));
    WriteDecimal(DecimalText(value, m_nDataType));
}

void CHexTool::OnDecimalChange() {
    if (!m_bDecimalFocus)
        return;
    const std::string text = m_host.DecimalText();
    if (m_nDataType == HexDataType::Float)
        return ConvertReal(ToSingle(NumericValue(text)));
    if (m_nDataType == HexDataType::Double)
        return ConvertReal(NumericValue(text));
    // The hex text shows the value before it is cut to the type: -1 as "char" reads FFFFFFFF.
    const auto value = static_cast<std::uint32_t>(ParseDecimalInteger(text));
    FormatBinary(*m_pShow, value, Type().bits);
    WriteHex(PaddedHexText(value, m_nDataType));
    WriteBinary(m_pShow->m_strBinBig);
}

template <class Real> void CHexTool::ConvertReal(Real value) {
    WriteHex(RealHexText(value));
    FormatBinary(*m_pShow, value);
    WriteBinary(m_pShow->m_strBinRealBig);
}

// Flips the HEX text and shows the bit pattern of the last conversion in the new order;
// nothing is recomputed.
void CHexTool::OnByteOrder() {
    WriteHex(ReverseHexBytes(m_host.HexText()));
    const bool real = !IsIntegral(m_nDataType);
    if (m_pShow->m_bIntel) {
        SetByteOrder(false);
        WriteBinary(real ? m_pShow->m_strBinRealBig : m_pShow->m_strBinBig);
    } else {
        SetByteOrder(true);
        WriteBinary(real ? m_pShow->m_strBinRealLittle : m_pShow->m_strBinLittle);
    }
}

void CHexTool::SetByteOrder(bool intel) {
    m_pShow->m_bIntel = intel;
    m_host.ShowByteOrder(intel ? "Int" : "Mot");
}

} // namespace tarvo
