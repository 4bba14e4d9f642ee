#include "platform/shell/CommandLineInfo.h"

#include "BraskVersion.h"

#include <algorithm>
#include <cstring>

namespace {

enum class OptionAction { Help, Version, EndOptions };

// Every option the parser accepts, in the order --help lists them: a new
// option is a row here and its case below.
struct CommandLineOption {
    const char* shortName;  // "-h", or nullptr
    const char* longName;
    OptionAction action;
    const char* help;
};
constexpr CommandLineOption kOptions[] = {
    {"-h", "--help", OptionAction::Help, "show this help and exit"},
    {nullptr, "--version", OptionAction::Version, "show the version and exit"},
    {nullptr, "--", OptionAction::EndOptions, "end the options: a course file name after it may start with -"},
};

const CommandLineOption* FindOption(const std::string& arg)
{
    for (const CommandLineOption& option : kOptions) {
        if (arg == option.longName || (option.shortName != nullptr && arg == option.shortName))
            return &option;
    }
    return nullptr;
}

// "-h, --help", or "    --version" lined up under the long names.
std::string OptionNames(const CommandLineOption& option)
{
    return (option.shortName != nullptr ? option.shortName + std::string(", ") : std::string(4, ' ')) + option.longName;
}

}  // namespace

void CCommandLineInfo::ParseCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    ParseCommandLine(args);
    const char* invoked = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    const char* slash = std::strrchr(invoked, '/');
    m_programName = slash != nullptr ? slash + 1 : invoked;
}

void CCommandLineInfo::ParseCommandLine(const std::vector<std::string>& args)
{
    m_command = FileNew;
    m_fileName.clear();
    m_error.clear();
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            const CommandLineOption* option = FindOption(arg);
            if (option == nullptr) {
                m_command = BadArguments;
                m_error = "unknown option " + arg;
                return;
            }
            switch (option->action) {
            case OptionAction::Help: m_command = ShowHelp; return;
            case OptionAction::Version: m_command = ShowVersion; return;
            case OptionAction::EndOptions: optionsEnded = true; continue;
            }
        }
        if (!m_fileName.empty()) {
            m_command = BadArguments;
            m_error = "only one course file can be opened at a time";
            return;
        }
        if (arg.empty()) {
            m_command = BadArguments;
            m_error = "the course file name is empty";
            return;
        }
        m_fileName = arg;
        m_command = FileOpen;
    }
}

std::string CCommandLineInfo::HelpText(const std::string& program, const std::string& description,
                                       const std::string& manPage)
{
    const std::string file = "COURSE.hfd";
    std::size_t width = file.size();
    for (const CommandLineOption& option : kOptions)
        width = std::max(width, OptionNames(option).size());
    const auto row = [width](const std::string& names, const std::string& help) {
        return "  " + names + std::string(width + 2 - names.size(), ' ') + help + "\n";
    };
    std::string text = "Usage: " + program + " [OPTION]... [" + file + "]\n" + description + ".\n\n"
                       + row(file, "a course file to open at start-up");
    for (const CommandLineOption& option : kOptions)
        text += row(OptionNames(option), option.help);
    return text + "\nThe manual page tells more: man 6 " + manPage + "\n";
}

std::string CCommandLineInfo::VersionText(const std::string& program)
{
    return program + " " BRASK_VERSION_TEXT "\n";
}
