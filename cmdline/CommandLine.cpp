#include "CommandLine.h"

#include <iostream>
#include <optional>
#include <ostream>
#include <string_view>

namespace cmdline {

namespace {

constexpr int kRefused = 2;

std::string UsageLine(const ProgramSyntax& syntax) {
    return "Usage: " + syntax.name + " " + syntax.synopsis + "\n";
}

// Reads the arguments in order; a Parse result that is an exit status ends the reading.
class Reader {
public:
    Reader(const ProgramSyntax& syntax, std::ostream& out, std::ostream& err)
        : m_syntax(syntax), m_out(out), m_err(err) {}

    std::variant<Arguments, int> Read(int argc, const char* const* argv) {
        bool optionsEnded = false;
        for (int i = 1; i < argc; ++i) {
            const std::string_view argument = argv[i];
            if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
                if (m_arguments.operands.size() == m_syntax.maxOperands)
                    return Refuse(m_syntax, "unexpected argument '" + std::string(argument) + "'",
                                  m_err);
                m_arguments.operands.emplace_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else if (argument.starts_with("--")) {
                if (auto status = LongOption(argument))
                    return *status;
            } else if (auto status =
                           ShortOption(argument, i + 1 < argc ? argv[i + 1] : nullptr, i)) {
                return *status;
            }
        }
        return m_arguments;
    }

private:
    std::optional<int> LongOption(std::string_view argument) {
        if (argument == "--help")
            return Help();
        if (argument == "--version")
            return Version();
        return Unknown(argument);
    }

    // "-h", or a value option with its value in the same argument ("-eTEXT") or the next one,
    // which then counts as read.
    std::optional<int> ShortOption(std::string_view argument, const char* next, int& index) {
        const char name = argument[1];
        if (m_syntax.valueOptions.find(name) == std::string::npos)
            return argument == "-h" ? Help() : Unknown(argument);
        if (argument.size() > 2) {
            m_arguments.options.push_back({name, std::string(argument.substr(2))});
        } else if (next) {
            m_arguments.options.push_back({name, next});
            ++index;
        } else {
            return Refuse(m_syntax, "option '" + std::string(argument) + "' needs a value", m_err);
        }
        return std::nullopt;
    }

    int Unknown(std::string_view argument) {
        return Refuse(m_syntax, "unknown option '" + std::string(argument) + "'", m_err);
    }

    int Help() {
        m_out << UsageLine(m_syntax) << m_syntax.help;
        return 0;
    }

    int Version() {
        m_out << m_syntax.name << " (Tarvo) " << TARVO_VERSION << "\n";
        return 0;
    }

    const ProgramSyntax& m_syntax;
    std::ostream& m_out;
    std::ostream& m_err;
    Arguments m_arguments;
};

} // namespace

std::variant<Arguments, int> Parse(const ProgramSyntax& syntax, int argc, const char* const* argv,
                                   std::ostream& out, std::ostream& err) {
    return Reader(syntax, out, err).Read(argc, argv);
}

std::variant<std::optional<std::string>, int> ParseFileOperand(const ProgramSyntax& syntax,
                                                               int argc, const char* const* argv) {
    auto parsed = Parse(syntax, argc, argv, std::cout, std::cerr);
    if (const int* exitStatus = std::get_if<int>(&parsed))
        return *exitStatus;
    std::vector<std::string>& operands = std::get<Arguments>(parsed).operands;
    if (operands.empty())
        return std::nullopt;
    return std::move(operands.front());
}

int Refuse(const ProgramSyntax& syntax, const std::string& reason, std::ostream& err) {
    err << syntax.name << ": " << reason << "\n"
        << UsageLine(syntax) << "Try '" << syntax.name << " --help' for more information.\n";
    return kRefused;
}

} // namespace cmdline
