#pragma once

#include <string>
#include <vector>

// What the command line of either program asks for: an optional course file
// to open, or one of the informational options that print and exit.
class CCommandLineInfo {
public:
    enum ShellCommand {
        FileNew,        // no file named: start with a new document
        FileOpen,       // open GetFileName()
        ShowHelp,       // --help or -h
        ShowVersion,    // --version
        BadArguments,   // GetError() says what is wrong
    };

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

    // The texts printed for --help and --version. The help lists every
    // option the parser accepts and names the manual page `manPage`(6).
    static std::string HelpText(const std::string& program, const std::string& description,
                                const std::string& manPage);
    static std::string VersionText(const std::string& program);

private:
    ShellCommand m_command = FileNew;
    std::string m_fileName;
    std::string m_error;
    std::string m_programName;
};
