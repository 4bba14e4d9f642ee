#include "editor/core/StatusText.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/core/GridSelection.h"

namespace {

const char* const kCornerNames[4] = {"bottom-left", "bottom-right", "top-right", "top-left"};

std::string TypeWords(int type)
{
    switch (type) {
    case Floor: return "floor";
    case Hole: return "hole";
    case Start: return "start";
    case Finish: return "finish";
    case Mpull: return "mpull";
    case Mpush: return "mpush";
    case Ice: return "ice";
    case Mud: return "mud";
    default: return "unknown type " + std::to_string(type);
    }
}

std::string Size(GridPoint size, const char* what)
{
    return std::to_string(size.x) + "\u00D7" + std::to_string(size.y) + " " + what;
}

std::string PointerWords(int x, int y, int corner, int height, int type)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ") " + kCornerNames[corner] + " \u00B7 height "
           + std::to_string(height) + " \u00B7 " + TypeWords(type);
}

std::string SelectionWords(GridPoint corners, GridPoint cells)
{
    return Size(corners, "corners, ") + Size(cells, "cells");
}

}  // namespace

std::string PointerReadout(const CHeightField& course, GridPoint documentPixel)
{
    const GridPoint half = CGridSelection::HalfCellAt(documentPixel);
    const int x = half.x / 2;
    const int y = CourseRowAt(half.y / 2, course.GetHeight());
    if (half.x < 0 || half.y < 0 || x >= course.GetWidth() || y < 0)
        return std::string();
    const int corner = CGridSelection::CornerOfHalfCell(half.x, half.y);
    const HeightCell& cell = course.GetCell(x, y);
    return PointerWords(x, y, corner, cell.corner[corner], cell.type);
}

std::string SelectionReadout(const CGridSelection& selection, const CHeightField& course)
{
    const GridPoint corners = selection.CornersOnCourse(course.GetWidth(), course.GetHeight());
    if (corners.x == 0)
        return std::string();
    return SelectionWords(corners, selection.CellsOnCourse(course.GetWidth(), course.GetHeight()));
}

std::vector<std::string> ReadoutsToFit(int width, int height)
{
    std::vector<std::string> readouts{SelectionWords({2 * width, 2 * height}, {width, height})};
    for (int type = Floor; type <= Mud; ++type)
        readouts.push_back(PointerWords(width - 1, height - 1, 1, kHighestHeight, type));
    return readouts;
}

const char* VerdictText(CourseVerdict verdict)
{
    switch (verdict) {
    case CourseVerdict::NoStart: return "No start cell";
    case CourseVerdict::NoFinish: return "No finish cell";
    case CourseVerdict::NoStartNoFinish: return "No start cell and no finish cell";
    case CourseVerdict::FinishUnreachable: return "The finish cannot be reached from the start";
    case CourseVerdict::Playable: break;
    }
    return "The finish can be reached from the start";
}
