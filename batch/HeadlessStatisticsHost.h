// The statistics dialog without a window: it keeps what the sample display, the count and
// the result edits show, and plays the user's part in editing the sample display.
#pragma once

#include "EditControl.h"
#include "StatisticsTool.h"

#include <array>
#include <optional>
#include <ostream>

namespace tarvo {

class HeadlessStatisticsHost final : public IStatisticsHost {
public:
    // The logic that receives the notifications of the sample display.
    void Attach(StatisticsTool& tool) { m_tool = &tool; }

    void ShowSample(const std::string& text) override { m_pendingSample = &text; }
    void ScrollSample(int) override {} // nothing is seen to scroll
    std::string SampleText() override { return Sample().Text(); }
    TextSelection SampleSelection() override { return Sample().Selection(); }
    void SetSampleSelection(TextSelection selection) override;
    void ShowCount(const std::string& text) override { m_count = text; }
    void ShowResult(ResultChoice choice, const std::string& text) override;

    // The user replaces the whole sample text in one edit and leaves the display with the
    // caret at caret (clamped to the text), or at its end.
    void EditSample(const std::string& text, std::optional<int> caret);

    // Prints the sample display, the count and the five result edits.
    void PrintState(std::ostream& out);

private:
    // The display, brought up to date with the logic's latest text first: the text is taken
    // when needed, not copied at every key.
    EditControl& Sample();

    StatisticsTool* m_tool = nullptr;
    const std::string* m_pendingSample = nullptr;
    EditControl m_sample;
    std::string m_count;
    std::array<std::string, StatisticsTool::kResultCount> m_results;
};

} // namespace tarvo
