// The Load Calc browser as tarvo-batch drives it: the browser logic with its five displays
// kept as texts, its messages printed like the calculator's.
#pragma once

#include "LoadCalcBrowser.h"

#include <array>
#include <ostream>

namespace tarvo {

class BrowserSurface final : public ILoadCalcHost {
public:
    BrowserSurface(ISettingsStore& settings, IMessageBox& messages, std::ostream& out);

    LoadCalcBrowser& Browser() { return m_browser; }
    // The user types into the calculation edit; what the file holds stays as it was.
    void EditCalc(const std::string& text) { ShowField(BrowserField::Calc, text); }
    void PrintState() const;

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override {
        return m_messages.ShowMessage(title, text, buttons);
    }
    void ShowField(BrowserField field, const std::string& text) override {
        m_fields[static_cast<std::size_t>(field)] = text;
    }

private:
    IMessageBox& m_messages;
    std::ostream& m_out;
    std::array<std::string, 5> m_fields;
    LoadCalcBrowser m_browser;
};

} // namespace tarvo
