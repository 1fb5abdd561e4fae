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
        : std::runtime_error(reason), m_message("line " + std::to_string(line) + ": " + reason) {}

    // The whole reason: a script's bytes may hold a NUL, where what() would end.
    const std::string& Message() const { return m_message; }

private:
    std::string m_message;
};

// Throws ScriptError for the first line that cannot run.
std::vector<ScriptAction> ParseScript(std::istream& in);

} // namespace tarvo
