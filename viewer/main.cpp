// mirelle: the manual viewer that the calculator starts from Help > User Manual. The command
// line is read before the window system is needed, so --help and --version answer without a
// display.
#include "CommandLine.h"
#include "LedraApp.h"

#include <variant>

namespace {

const cmdline::ProgramSyntax kSyntax = {
    .name = "mirelle",
    .synopsis = "[OPTION]... [FILE]",
    .help = R"(Show the user manual of the Tarvo calculator: the page that the calculator's
Help > User Manual names. FILE, when given, becomes the window's document and names
the window; the page shown stays the manual's.

  -h, --help     show this help and exit
      --version  show the version and exit
  --             end the options: a FILE whose name begins with "-" follows

See mirelle(1).
)",
};

} // namespace

int main(int argc, char** argv) {
    const auto parsed = cmdline::ParseFileOperand(kSyntax, argc, argv);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    const auto& file = std::get<std::optional<std::string>>(parsed);
    // The command line, already read, is not handed to Qt.
    int qtArgc = 1;
    mirelle::CLedraApp application(qtArgc, argv);
    const std::optional<QString> document =
        file ? std::optional(QString::fromLocal8Bit(*file)) : std::nullopt;
    if (!application.InitInstance(document))
        return 1;
    return mirelle::CLedraApp::exec();
}
