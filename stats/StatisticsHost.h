// What the statistics logic needs from the dialog that shows it. The Qt dialog and the
// headless host of the batch program implement it; the logic never calls the platform.
#pragma once

#include "CalculatorHost.h"
#include "ResultChoice.h"

#include <string>

namespace tarvo {

class IStatisticsHost {
public:
    virtual ~IStatisticsHost() = default;

    // The sample display. Showing a text resets its selection to the start and its view to
    // the left edge. The referenced string is the logic's own member and outlives the call.
    virtual void ShowSample(const std::string& text) = 0;
    // Scrolls the sample display horizontally from where it stands now.
    virtual void ScrollSample(int characters) = 0;
    // The sample display as the user may have edited it.
    virtual std::string SampleText() = 0;
    virtual TextSelection SampleSelection() = 0;
    virtual void SetSampleSelection(TextSelection selection) = 0;

    // The count static and the result edits.
    virtual void ShowCount(const std::string& text) = 0;
    virtual void ShowResult(ResultChoice choice, const std::string& text) = 0;
};

} // namespace tarvo
