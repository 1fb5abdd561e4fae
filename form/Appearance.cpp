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
    SetBackgroundColor(chosen.value_or(m_background.m_crBackground), ColorSource::Chosen);
}

void CCalculatorView::OnResetSystemColor() {
    SetBackgroundColor(m_host.GetSystemColor(SystemColor::ButtonFace), ColorSource::System);
}

void CCalculatorView::OnSetDesktopColor() {
    SetBackgroundColor(m_host.GetSystemColor(SystemColor::Desktop), ColorSource::Desktop);
}

void CCalculatorView::SetBackgroundColor(Rgb color, ColorSource source) {
    m_background.m_crBackground = color;
    m_background.m_nColorFlag = source;
    m_settings.WriteSettingInt(kSettingsSection, "Background Color", static_cast<int>(color));
    m_settings.WriteSettingInt(kSettingsSection, "Color Flag", static_cast<int>(source));
    m_host.Repaint();
}

void CCalculatorView::OnSetPattern(BackgroundHatch hatch) {
    m_background.m_nBackgroundHatch = hatch;
    m_settings.WriteSettingInt(kSettingsSection, "Background Hatch", static_cast<int>(hatch));
    m_host.Repaint();
}

} // namespace tarvo
