#pragma once

#include <string>

// Where the game finds courses and keeps best times. Empty when a folder
// cannot be known (no home).
class CGameFolders {
public:
    // The courses that come with the game, found from the program's own
    // folder as they are installed beside it (and copied in the build tree),
    // so that a moved prefix still finds them.
    static std::string InstalledCourses();
    // The player's own courses: $XDG_DATA_HOME/brask/courses.
    static std::string PlayerCourses();
    // The best times: $XDG_STATE_HOME/brask/best-times.
    static std::string BestTimesFile();
};
