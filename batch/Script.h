// A batch script, read and checked whole before anything runs: key tokens and directives,
// each turned into one action on the session.
#pragma once

#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvo {

class BatchSession;

struct ScriptAction {
    int line;
    std::function<void(BatchSession&)> run;
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& reason)
        : std::runtime_error("line " + std::to_string(line) + ": " + reason) {}
};

// Throws ScriptError for the first line that cannot run.
std::vector<ScriptAction> ParseScript(std::istream& in);

} // namespace tarvo
