// The conventions every program of the product keeps on its command line: -h, --help and
// --version answered on standard output; an unknown option named on standard error with the
// usage hint and exit status 2; "--" ending the options, and "-" read as an operand. Options
// may also follow the operands.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cmdline {

struct ProgramSyntax {
    std::string name;           // as the user types it, "tarvo-batch"
    std::string synopsis;       // what follows the name in the usage line, "[OPTION]... [SCRIPT]"
    std::string help;           // what --help prints after the usage line
    std::string valueOptions{}; // the short options that take a value, "e" for -e TEXT
    std::size_t maxOperands = 1;
};

struct Option {
    char name = 0;
    std::string value;
};

struct Arguments {
    std::vector<Option> options; // in the order given
    std::vector<std::string> operands;
};

// The arguments after argv[0]; or the exit status when the program ends at once: 0 after the
// help or the version went to out, 2 after a bad command line was reported on err.
std::variant<Arguments, int> Parse(const ProgramSyntax& syntax, int argc, const char* const* argv,
                                   std::ostream& out, std::ostream& err);

// For a program whose one operand is an optional FILE: FILE, or nothing when absent; or the
// exit status as Parse gives it, with the help and the reports on standard output and error.
std::variant<std::optional<std::string>, int> ParseFileOperand(const ProgramSyntax& syntax,
                                                               int argc, const char* const* argv);

// Reports a command line that the program refuses for a reason of its own ("NAME: REASON" and
// the usage hint on err) and gives the exit status 2.
int Refuse(const ProgramSyntax& syntax, const std::string& reason, std::ostream& err);

} // namespace cmdline
