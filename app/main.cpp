// tarvo: the calculator window. The command line is read before the window system is needed,
// so --help and --version answer without a display.
#include "CalculatorProgram.h"
#include "CommandLine.h"

#include <variant>

namespace {

const cmdline::ProgramSyntax kSyntax = {
    .name = "tarvo",
    .synopsis = "[OPTION]... [FILE]",
    .help = R"(Start the Tarvo scientific calculator. FILE, when given, becomes the window's
document and names the window; the calculator does not read it.

  -h, --help     show this help and exit
      --version  show the version and exit
  --             end the options: a FILE whose name begins with "-" follows

The keys, menus and files are described in tarvo(1) and in the user manual (Help >
User Manual).
)",
};

} // namespace

int main(int argc, char** argv) {
    const auto file = cmdline::ParseFileOperand(kSyntax, argc, argv);
    if (const int* exitStatus = std::get_if<int>(&file))
        return *exitStatus;
    return tarvo::RunCalculator(argv[0], std::get<std::optional<std::string>>(file));
}
