// The tarvo program: the application object, the settings store in the user's configuration
// folder, the host, the document and the window, made in the order of start-up. A file named
// on the command line becomes the document and names the window; when it cannot be opened,
// the user is told and start-up fails.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tarvo {

class CMainFrame;

// Runs the calculator, with file as its document when one is given, until its window closes;
// shown, when given, is called once the window has been shown and before the first event is
// handled. program is the program's own name (argv[0]); the command line, already read, is
// not handed to Qt.
int RunCalculator(char* program, const std::optional<std::string>& file,
                  const std::function<void(CMainFrame&)>& shown = {});

} // namespace tarvo
