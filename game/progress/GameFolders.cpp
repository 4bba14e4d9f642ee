#include "game/progress/GameFolders.h"

#include "platform/paths/DesktopPaths.h"

#include <filesystem>

std::string CGameFolders::InstalledCourses()
{
    const std::string program = ProgramFolder();
    if (program.empty())
        return "";
    // BRASK_COURSES_FROM_PROGRAM: the install's courses folder relative to
    // its programs' folder, set by the build.
    const std::filesystem::path folder = std::filesystem::path(program) / BRASK_COURSES_FROM_PROGRAM;
    std::string normal = folder.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string CGameFolders::PlayerCourses()
{
    const std::string data = XdgDataHome();
    return data.empty() ? "" : data + "/brask/courses";
}

std::string CGameFolders::BestTimesFile()
{
    const std::string state = XdgStateHome();
    return state.empty() ? "" : state + "/brask/best-times";
}
