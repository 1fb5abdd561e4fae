// The form's background: a colour from the colour dialog, the system or the desktop, with
// an optional hatch pattern. Every choice is stored at once.
#include "CalculatorView.h"
#include "NumberText.h"

namespace tarvo {

namespace {

std::string CustomColorKey(int index) {
    return "ColorDialog" + FormatInteger(index);
}

} // namespace

void CCalculatorView::OnSetBackgroundColor() {
    for (int i = 0; i < 16; ++i)
        m_crCustomColors[i] = static_cast<Rgb>(m_settings.ReadSettingInt(
            kSettingsSection, CustomColorKey(i), static_cast<int>(m_crCustomColors[i])));
    const std::optional<Rgb> chosen = m_host.ChooseColor(m_crCustomColors);
    for (int i = 0; i < 16; ++i)
        m_settings.WriteSettingInt(kSettingsSection, CustomColorKey(i),
                                   static_cast<int>(m_crCustomColors[i]));
    // Cancelled or not, the choice counts as made in the dialog.
    SetBackgroundColor(chosen.value_or(m_crBackground), 1);
}

void CCalculatorView::OnResetSystemColor() {
    SetBackgroundColor(m_host.GetSystemColor(SystemColor::ButtonFace), 0);
}

void CCalculatorView::OnSetDesktopColor() {
    SetBackgroundColor(m_host.GetSystemColor(SystemColor::Desktop), 2);
}

void CCalculatorView::SetBackgroundColor(Rgb color, int flag) {
    m_crBackground = color;
    m_nColorFlag = flag;
    m_settings.WriteSettingInt(kSettingsSection, "Background Color",
                               static_cast<int>(m_crBackground));
    m_settings.WriteSettingInt(kSettingsSection, "Color Flag", m_nColorFlag);
    m_host.Repaint();
}

void CCalculatorView::OnSetPattern(int hatch) {
    m_nBackgroundHatch = hatch;
    m_settings.WriteSettingInt(kSettingsSection, "Background Hatch", m_nBackgroundHatch);
    m_host.Repaint();
}

} // namespace tarvo
