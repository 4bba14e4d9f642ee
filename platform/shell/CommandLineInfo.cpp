#include "platform/shell/CommandLineInfo.h"

#include "BraskVersion.h"

void CCommandLineInfo::ParseCommandLine(int argc, const char* const* argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    ParseCommandLine(args);
}

void CCommandLineInfo::ParseCommandLine(const std::vector<std::string>& args)
{
    m_command = FileNew;
    m_fileName.clear();
    m_error.clear();
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--help" || arg == "-h") {
                m_command = ShowHelp;
                return;
            }
            if (arg == "--version") {
                m_command = ShowVersion;
                return;
            }
            m_command = BadArguments;
            m_error = "unknown option " + arg;
            return;
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

std::string CCommandLineInfo::HelpText(const std::string& program, const std::string& description)
{
    return "Usage: " + program + " [COURSE.hfd]\n"
           + description + ".\n"
           "\n"
           "  COURSE.hfd  a course file to open at start-up\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n";
}

std::string CCommandLineInfo::VersionText(const std::string& program)
{
    return program + " " BRASK_VERSION_TEXT "\n";
}
