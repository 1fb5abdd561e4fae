// The tarvo program: the application object, the settings store in the user's configuration
// folder, the host, the document and the window, made in the order of start-up. A file named
// on the command line becomes the document and names the window; when it cannot be opened,
// the user is told and start-up fails.
#pragma once

#include <functional>

namespace tarvo {

class CMainFrame;

// Runs the calculator until its window closes; shown, when given, is called once the window
// has been shown and before the first event is handled.
int RunCalculator(int argc, char** argv, const std::function<void(CMainFrame&)>& shown = {});

} // namespace tarvo
