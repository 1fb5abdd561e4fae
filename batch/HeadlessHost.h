// The calculator's window without a window: it prints the events a person would notice
// (message boxes, questions, the key click) and keeps what the controls show.
#pragma once

#include "CalculatorHost.h"

#include <ostream>

namespace tarvo {

class HeadlessHost final : public ICalculatorHost {
public:
    explicit HeadlessHost(std::ostream& out) : m_out(out) {}

    MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                              MessageButtons buttons) override;
    void Beep() override;
    void ShowSmallDisplay(const std::string& text) override { m_small = &text; }
    void ShowLargeDisplay(const std::string& text) override { m_large = &text; }
    void ScrollLargeDisplay(int, int) override {}
    void ShowAngleMode(const std::string&) override {}
    void ShowHyperbolic(bool) override {}
    void ShowParenStatus(const std::string& text) override { m_status = text; }

    // The answer given to every later Yes/No question.
    void SetAnswer(bool yes) { m_answerYes = yes; }

    // Prints what the calculator's controls show now.
    void PrintState() const;

private:
    std::ostream& m_out;
    bool m_answerYes = true;
    const std::string* m_small = nullptr;
    const std::string* m_large = nullptr;
    std::string m_status;
};

} // namespace tarvo
