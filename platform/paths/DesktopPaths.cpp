#include "platform/paths/DesktopPaths.h"

#include <cstdlib>

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

std::string XdgFolder(const char* value, const std::string& home, const char* fallback)
{
    if (value != nullptr && value[0] == '/')
        return value;
    if (home.empty())
        return "";
    return (home == "/" ? "" : home) + "/" + fallback;
}

std::string XdgDataHome()
{
    return XdgFolder(std::getenv("XDG_DATA_HOME"), HomeFolder(), ".local/share");
}

std::string XdgStateHome()
{
    return XdgFolder(std::getenv("XDG_STATE_HOME"), HomeFolder(), ".local/state");
}

std::string HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/' ? entry->pw_dir : "";
}

std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "";
    const std::string file(path, static_cast<std::size_t>(length));
    const std::size_t slash = file.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : file.substr(0, slash);
}
