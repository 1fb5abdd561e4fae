// tarvo-batch: runs a script of key presses through the calculator and prints what a person
// would see. Usage: tarvo-batch [SCRIPT], standard input when SCRIPT is absent or "-".
#include "BatchSession.h"
#include "IniSettingsStore.h"
#include "Script.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

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

} // namespace

int main(int argc, char** argv) {
    // The user's locale applies to the environment, never to the calculator's number texts.
    std::setlocale(LC_ALL, "");
    if (argc > 2)
        return Fail("usage: tarvo-batch [SCRIPT]");
    const std::string path = argc == 2 ? argv[1] : "-";

    const std::optional<std::string> text = ReadScriptFile(path);
    if (!text)
        return Fail((path == "-" ? "cannot read standard input" : "cannot read '" + path + "'") +
                    ": " + std::strerror(errno));
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
