// tarvo-batch: runs a script of key presses through the calculator and prints what a person
// would see. Usage: tarvo-batch [SCRIPT], standard input when SCRIPT is absent or "-".
#include "BatchSession.h"
#include "IniSettingsStore.h"
#include "Script.h"

#include <clocale>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

int Fail(const std::string& reason) {
    std::cerr << "tarvo-batch: " << reason << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // The user's locale applies to the environment, never to the calculator's number texts.
    std::setlocale(LC_ALL, "");
    if (argc > 2)
        return Fail("usage: tarvo-batch [SCRIPT]");
    const std::string path = argc == 2 ? argv[1] : "-";

    std::vector<tarvo::ScriptAction> actions;
    try {
        if (path == "-") {
            actions = tarvo::ParseScript(std::cin);
        } else {
            std::ifstream file(path, std::ios::binary);
            if (!file)
                return Fail("cannot read '" + path + "': " + std::strerror(errno));
            actions = tarvo::ParseScript(file);
        }
    } catch (const tarvo::ScriptError& error) {
        return Fail(error.what());
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
