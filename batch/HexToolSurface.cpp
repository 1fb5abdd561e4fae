#include "HexToolSurface.h"

#include "HexKeypad.h"
#include "OutputText.h"

#include <stdexcept>

namespace tarvo {

HexToolSurface::HexToolSurface(ISettingsStore& settings, IMessageBox& messages, std::ostream& out)
    : m_controls(messages), m_tool(m_controls, settings), m_out(out) {}

bool HexToolSurface::IsKey(std::string_view token) {
    return FindHexKeyByToken(token) != nullptr;
}

bool HexToolSurface::IsDataType(std::string_view token) {
    return FindDataTypeByToken(token) != nullptr;
}

void HexToolSurface::Press(std::string_view token) {
    const HexKey* key = FindHexKeyByToken(token);
    if (!key)
        throw std::invalid_argument("no key of the hexadecimal tool: " + std::string(token));
    key->press(m_tool);
}

void HexToolSurface::ChooseDataType(std::string_view token) {
    const HexDataTypeInfo* type = FindDataTypeByToken(token);
    if (!type)
        throw std::invalid_argument("no data type of the hexadecimal tool: " + std::string(token));
    m_tool.OnDataType(type->type);
}

const HexToolSurface::Edit& HexToolSurface::EditOf(Field field) {
    static const Edit kEdits[] = {
        {&Controls::hex, &CHexTool::OnHexSetFocus, &CHexTool::OnHexChange,
         &CHexTool::OnHexKillFocus},
        {&Controls::decimal, &CHexTool::OnDecimalSetFocus, &CHexTool::OnDecimalChange,
         &CHexTool::OnDecimalKillFocus},
        {&Controls::display, &CHexTool::OnDisplaySetFocus, &CHexTool::OnDisplayChange,
         &CHexTool::OnDisplayKillFocus},
    };
    return kEdits[static_cast<int>(field)];
}

bool HexToolSurface::Refuses(Field field, std::size_t length) const {
    return field == Field::Hex && length > static_cast<std::size_t>(m_controls.hexLimit);
}

void HexToolSurface::Type(Field field, const std::string& text) {
    const Edit& edit = EditOf(field);
    std::string& shown = m_controls.*edit.text;
    (m_tool.*edit.setFocus)();
    if (!shown.empty()) {
        shown.clear();
        (m_tool.*edit.change)();
    }
    for (const char c : text) {
        if (Refuses(field, shown.size() + 1))
            continue;
        shown += c;
        (m_tool.*edit.change)();
    }
    (m_tool.*edit.killFocus)();
}

bool HexToolSurface::Close(ToolClosing how) {
    static constexpr HexClosing kClosings[] = {HexClosing::Ok, HexClosing::Escape,
                                               HexClosing::CloseBox};
    return m_tool.OnClose(kClosings[static_cast<int>(how)]);
}

double HexToolSurface::TransferValue() const {
    return m_tool.m_dTransferValue;
}

void HexToolSurface::PrintState() {
    WriteField(m_out, "display", m_controls.display);
    WriteField(m_out, "hex", m_controls.hex);
    WriteField(m_out, "decimal", m_controls.decimal);
    WriteField(m_out, "binary", m_controls.binary);
    WriteField(m_out, "order", m_controls.order);
}

} // namespace tarvo
