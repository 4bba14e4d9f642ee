#pragma once

#include <set>
#include <string>
#include <vector>

// An option of one program alone, such as the game's --continue: a long name
// that takes no value, asked for with HasOption after parsing.
struct ProgramOption {
    const char* longName;
    const char* help;
};

// What the command line of either program asks for: an optional course file
// to open, or one of the informational options that print and exit, and any
// of the program's own options.
class CCommandLineInfo {
public:
    enum ShellCommand {
        FileNew,        // no file named: start with a new document
        FileOpen,       // open GetFileName()
        ShowHelp,       // --help or -h
        ShowVersion,    // --version
        BadArguments,   // GetError() says what is wrong
    };

    // The options both programs share, and `programOptions` besides.
    explicit CCommandLineInfo(std::vector<ProgramOption> programOptions = {})
        : m_programOptions(std::move(programOptions))
    {
    }

    // args are the arguments after the program name. "--" ends the options,
    // so a file whose name starts with '-' can still be named.
    void ParseCommandLine(const std::vector<std::string>& args);
    // The same for main()'s arguments; argv[0] gives GetProgramName().
    void ParseCommandLine(int argc, const char* const* argv);

    ShellCommand GetShellCommand() const { return m_command; }
    const std::string& GetFileName() const { return m_fileName; }
    const std::string& GetError() const { return m_error; }
    // The command as it was invoked, without its folder ("brask" when
    // installed), for what the program says on its terminal; empty when
    // argv[0] names nothing.
    const std::string& GetProgramName() const { return m_programName; }
    // Whether the program's own option `longName` was given.
    bool HasOption(const std::string& longName) const { return m_given.count(longName) != 0; }

    // The texts printed for --help and --version. The help lists every
    // option the parser accepts and names the manual page `manPage`(6).
    std::string HelpText(const std::string& program, const std::string& description,
                         const std::string& manPage) const;
    static std::string VersionText(const std::string& program);

private:
    std::vector<ProgramOption> m_programOptions;
    std::set<std::string> m_given;
    ShellCommand m_command = FileNew;
    std::string m_fileName;
    std::string m_error;
    std::string m_programName;
};
