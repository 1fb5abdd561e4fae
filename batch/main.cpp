// tarvo-batch: runs a script of key presses through the calculator and prints what a person
// would see. The script is SCRIPT, standard input when SCRIPT is absent or "-", or the lines
// given with -e.
#include "BatchSession.h"
#include "CommandLine.h"
#include "IniSettingsStore.h"
#include "Script.h"
#include "ScriptArguments.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <variant>

namespace {

const cmdline::ProgramSyntax kSyntax = {
    .name = "tarvo-batch",
    .synopsis = "[OPTION]... [SCRIPT]",
    .help = R"(Run a script of key presses through the Tarvo calculator and print what its window
would show. The script is SCRIPT, or standard input when SCRIPT is absent or "-".

  -e TEXT        run TEXT as lines of the script instead of reading SCRIPT; \n in TEXT
                 starts a new line (\r, \t and \\ are understood too), and more than
                 one -e run in order
  -h, --help     show this help and exit
      --version  show the version and exit
  --             end the options: a SCRIPT whose name begins with "-" follows

Exit status: 0 when the script ran to its end, 2 when it cannot be read or one of
its lines cannot run. The script language is described in tarvo-batch(1).
)",
    .valueOptions = "e",
};

int Fail(const std::string& reason) {
    std::cerr << "tarvo-batch: " << reason << '\n';
    return 2;
}

// The whole script, or nothing with errno set: a directory or a closed standard input is a
// script that cannot be read, not an empty one.
std::optional<std::string> ReadWhole(int fd) {
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return text;
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            return std::nullopt;
    }
}

std::optional<std::string> ReadScriptFile(const std::string& path) {
    if (path == "-")
        return ReadWhole(STDIN_FILENO);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<std::string> text = ReadWhole(fd);
    const int readError = errno;
    close(fd);
    errno = readError;
    return text;
}

// The lines given with -e, one script: each TEXT with its escapes resolved, in order.
std::optional<std::string> ScriptOfOptions(const std::vector<cmdline::Option>& options) {
    std::string script;
    for (const cmdline::Option& option : options) {
        const tarvo::ResolvedText resolved = tarvo::ResolveEscapes(option.value);
        if (!resolved.unknownEscape.empty()) {
            cmdline::Refuse(kSyntax, "unknown escape '" + resolved.unknownEscape + "' in -e TEXT",
                            std::cerr);
            return std::nullopt;
        }
        script += resolved.text + '\n';
    }
    return script;
}

// The script the command line names; nothing, after the reason was reported, when it cannot
// be read.
std::optional<std::string> ReadScript(const cmdline::Arguments& arguments) {
    if (!arguments.options.empty())
        return ScriptOfOptions(arguments.options);
    const std::string path = arguments.operands.empty() ? "-" : arguments.operands.front();
    std::optional<std::string> text = ReadScriptFile(path);
    if (!text)
        Fail((path == "-" ? "cannot read standard input" : "cannot read '" + path + "'") + ": " +
             std::strerror(errno));
    return text;
}

} // namespace

int main(int argc, char** argv) {
    // The user's locale applies to the environment, never to the calculator's number texts.
    std::setlocale(LC_ALL, "");
    const auto parsed = cmdline::Parse(kSyntax, argc, argv, std::cout, std::cerr);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const auto& arguments = std::get<cmdline::Arguments>(parsed);
    if (!arguments.options.empty() && !arguments.operands.empty())
        return cmdline::Refuse(kSyntax, "a SCRIPT cannot be given with -e", std::cerr);

    const std::optional<std::string> text = ReadScript(arguments);
    if (!text)
        return 2;
    std::vector<tarvo::ScriptAction> actions;
    try {
        std::istringstream script(*text);
        actions = tarvo::ParseScript(script);
    } catch (const tarvo::ScriptError& error) {
        return Fail(error.Message());
    }

    tarvo::IniSettingsStore settings;
    tarvo::BatchSession session(settings, std::cout);
    for (const auto& action : actions) {
        try {
            action.run(session);
        } catch (const std::runtime_error& error) {
            std::cout.flush();
            return Fail("line " + std::to_string(action.line) + ": " + error.what());
        }
    }
    session.PrintState();
    return 0;
}
