#include "HexTool.h"

#include "NumberText.h"

namespace tarvo {

CHexTool::CHexTool(IHexToolHost& host, ISettingsStore& settings)
    : m_background(ReadBackground(settings)), m_host(host) {}

// Choosing a type converts nothing: the next key works on the new type's own values.
void CHexTool::OnDataType(HexDataType type) {
    m_nDataType = type;
}

void CHexTool::OnTransfer() {
    m_dTransferValue = NumericValue(m_host.DecimalText());
}

bool CHexTool::OnClose(HexClosing how) {
    m_strHex = m_host.HexText();
    m_strDecimal = m_host.DecimalText();
    if (how != HexClosing::Escape)
        m_bHexFocus = m_bDecimalFocus = m_bDisplayFocus = false;
    return true;
}

bool CHexTool::CheckIntegralType() {
    if (IsIntegral(m_nDataType))
        return true;
    m_host.ShowMessage("ERROR", "Must select Integral Data Type for this function.");
    return false;
}

void CHexTool::WriteDisplay(const std::string& text) {
    m_host.ShowDisplay(text);
    OnDisplayChange();
}

void CHexTool::WriteHex(const std::string& text) {
    m_host.ShowHex(text);
    OnHexChange();
}

void CHexTool::WriteDecimal(const std::string& text) {
    m_host.ShowDecimal(text);
    OnDecimalChange();
}

void CHexTool::WriteBinary(const std::string& text) {
    m_pShow->m_strBinary = text;
    m_host.ShowBinary(text);
}

} // namespace tarvo
