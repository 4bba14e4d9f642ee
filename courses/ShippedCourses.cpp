#include "courses/ShippedCourses.h"

#include "course/CellType.h"
#include "course/CoursePicture.h"
#include "course/HeightField.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Corners = std::array<int, 4>;

Corners Level(int h)
{
    return {h, h, h, h};
}

// A cell on a slope along y that has height `from` on corner row y0 and
// changes by perRow with every row.
Corners SlopeY(int y, int y0, int from, int perRow)
{
    const int low = from + (y - y0) * perRow;
    return {low, low, low + perRow, low + perRow};
}

// A shipped course is a picture of an editable course with one start cell
// and a finish.
bool Paint(CHeightField& grid, const std::vector<std::string>& picture, const CornerHeights& corners,
           std::string& reason)
{
    if (!PaintCourse(grid, picture, corners, reason))
        return false;
    int starts = 0;
    int finishes = 0;
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x) {
            starts += grid.GetCell(x, y).type == Start;
            finishes += grid.GetCell(x, y).type == Finish;
        }
    if (starts != 1 || finishes == 0) {
        reason = "a course needs one start cell and a finish";
        return false;
    }
    return true;
}

// A start, a slope down and a finish across the whole width.
bool FirstRoll(CHeightField& grid, std::string& reason)
{
    const std::vector<std::string> picture = {
        "FFFFFFFFF",  // y = 21
        "FFFFFFFFF",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",  // y = 12: the foot of the slope
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",  // y = 4: the top of the slope
        ".........",
        ".........",
        "....S....",
        ".........",  // y = 0
    };
    const auto height = [](int, int cy) { return cy <= 4 ? 12 : cy >= 12 ? 4 : 16 - cy; };
    return Paint(grid, picture, SmoothHeights(height), reason);
}

// Pits on a path that winds forward over three short drops; one branch
// ends in a pit.
bool SteppingStones(CHeightField& grid, std::string& reason)
{
    const std::vector<std::string> picture = {
        "##FFFFFFFF##",  // y = 25
        "##FFFFFFFF##",
        "##..####..##",
        "##..####..##",
        "......##....",
        "......##....",
        "..####..####",  // y = 19: drop
        "..####..####",
        "............",
        "####....####",
        "####....####",
        "..##....##..",
        "............",
        "....####....",  // y = 12: drop
        "....####....",
        "............",
        "##........##",
        "##..####..##",
        "##..####..##",
        "##........##",
        "#####..#####",  // y = 5: drop
        "#####..#####",
        "####....####",
        "####.S..####",
        "####....####",
        "####....####",  // y = 0
    };
    // Four levels, 24 down to 12, each drop one row long.
    const auto height = [](int, int cy) { return cy <= 5 ? 24 : cy <= 12 ? 20 : cy <= 19 ? 16 : 12; };
    return Paint(grid, picture, SmoothHeights(height), reason);
}

// Two downhill ice lanes, a mud patch, a wide ice valley between pits and a
// band of mud to push through before the finish.
bool IceAndMud(CHeightField& grid, std::string& reason)
{
    const std::vector<std::string> picture = {
        "###FFFFFFFF###",  // y = 29
        "###FFFFFFFF###",
        "###mmmmmmmm###",
        "###mmmmmmmm###",
        "##..........##",
        "##..........##",
        "#iiiiiiiiiiii#",  // y = 23
        "#iiiiiiiiiiii#",
        "#iiiiiiiiiiii#",
        "#iiiiiiiiiiii#",
        "#iiiiiiiiiiii#",
        "#iiiiiiiiiiii#",  // y = 18: the valley
        "####......####",
        "####.mmmm.####",
        "####.mmmm.####",
        "####......####",
        "##iiii##iiii##",  // y = 13
        "##iiii##iiii##",
        "##iiii##iiii##",
        "##iiii##iiii##",
        "##iiii##iiii##",  // y = 9: the lanes
        "##..........##",
        "##..........##",
        "####......####",
        "####......####",
        "#####....#####",
        "#####....#####",
        "#####.S..#####",
        "#####....#####",
        "#####....#####",  // y = 0
    };
    const auto corners = [](int x, int y) {
        if (y <= 8)
            return Level(25);
        if (y <= 13)
            return SlopeY(y, 9, 25, -1);
        if (y >= 18 && y <= 23) {
            // Both sides rise towards the pits, one per cell from the middle.
            const auto valley = [](int cx) { return 20 + std::abs(cx - 7); };
            return Corners{valley(x), valley(x + 1), valley(x + 1), valley(x)};
        }
        return Level(20);
    };
    return Paint(grid, picture, corners, reason);
}

// Terraces joined by ramps and a one-cell bridge, a walled mud block, an ice
// terrace above a deep drop, and a ramp down into mud.
bool Terraces(CHeightField& grid, std::string& reason)
{
    const std::vector<std::string> picture = {
        "##########FFFFFF",  // y = 31
        "##########FFFFFF",
        "########mmmmmmmm",
        "########mmmmmmmm",
        "########......##",  // y = 27
        "########......##",
        "########......##",
        "########......##",  // y = 24: ramp down
        "######iiiiiiiiii",  // y = 23
        "######iiiiiiiiii",
        "######iiiiiiiiii",
        "######iiiiiiiiii",
        "######iiiiiiiiii",
        "######iiiiiiiiii",  // y = 18: the upper terrace
        "############.###",
        "############.###",  // y = 16: the bridge
        "................",  // y = 15
        "................",
        "......mmmm......",
        "......mmmm......",  // y = 12: the raised block
        "................",
        "................",  // y = 10: the middle terrace
        "##....##########",
        "##....##########",
        "##....##########",  // y = 7: ramp up
        "..........######",  // y = 6
        "..........######",
        "..........######",
        "..........######",
        "..S.......######",
        "..........######",
        "..........######",  // y = 0: the lower terrace
    };
    const auto corners = [](int x, int y) {
        if (y <= 6)
            return Level(10);
        if (y <= 9)
            return SlopeY(y, 7, 10, 5);
        if (y <= 17)
            return (x >= 6 && x <= 9 && (y == 12 || y == 13)) ? Level(35) : Level(25);
        if (y <= 23)
            return Level(30);
        if (y <= 27)
            return SlopeY(y, 24, 30, -5);
        return Level(10);
    };
    return Paint(grid, picture, corners, reason);
}

// The long way round: a bridge onto an ice ridge, a mud patch, a steep ramp
// down to the east that must be braked, a slalom between pits and a last
// one-cell bridge.
bool GrandTour(CHeightField& grid, std::string& reason)
{
    const std::vector<std::string> picture = {
        "################FFFFFFFF",  // y = 39
        "################FFFFFFFF",
        "################mmmmmmmm",
        "################mmmmmmmm",
        "##################.#####",
        "##################.#####",  // y = 34
        "##################..####",
        "################....####",
        "################..######",
        "################....####",
        "##################..####",  // y = 29
        "################....####",
        "##############........##",
        "##############........##",
        "##....................##",
        "##......mmm...........##",  // y = 24
        "##......mmm...........##",
        "##......mmm...........##",
        "##......mmm...........##",
        "##....................##",
        "##iiiiiiii##############",  // y = 19
        "##iiiiiiii##############",
        "##iiiiiiii##############",
        "##iiiiiiii##############",
        "##iiiiiiii##############",
        "##iiiiiiii##############",  // y = 14
        "##iiiiiiii##############",
        "##iiiiiiii##############",
        "##iiiiiiii##############",
        "#####.##################",
        "#####.##################",  // y = 9
        "#####.##################",
        "........################",
        "........################",
        "........################",
        "........################",  // y = 4
        "........################",
        "..S.....################",
        "........################",
        "........################",  // y = 0
    };
    const auto corners = [](int x, int y) {
        if (y <= 7)
            return Level(20);
        if (y <= 10)
            return SlopeY(y, 8, 20, 2);
        if (y <= 19) {
            // A flat crest two cells wide, falling one per cell to either side.
            const auto ridge = [](int cx) { return 26 - (cx < 5 ? 5 - cx : cx > 7 ? cx - 7 : 0); };
            return Corners{ridge(x), ridge(x + 1), ridge(x + 1), ridge(x)};
        }
        if (y <= 27 && x >= 14 && x <= 16) {
            const int west = 26 - 5 * (x - 14);
            return Corners{west, west - 5, west - 5, west};
        }
        if (y <= 25 && x <= 13)
            return Level(26);
        return Level(11);
    };
    return Paint(grid, picture, corners, reason);
}

}  // namespace

const std::vector<ShippedCourse>& ShippedCourses()
{
    static const std::vector<ShippedCourse> courses = {
        {"01-first-roll.hfd", "a start, a slope down and a wide finish", FirstRoll},
        {"02-stepping-stones.hfd", "a winding path between pits, over three drops", SteppingStones},
        {"03-ice-and-mud.hfd", "downhill ice lanes, an ice valley between pits, mud to push through", IceAndMud},
        {"04-terraces.hfd", "ramps up and down between walled terraces, a one-cell bridge, ice and mud", Terraces},
        {"05-grand-tour.hfd", "an ice ridge, mud, a ramp to brake on, a slalom between pits and a bridge", GrandTour},
    };
    return courses;
}
