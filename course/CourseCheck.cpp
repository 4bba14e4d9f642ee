#include "course/CourseCheck.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <cstdint>
#include <queue>
#include <vector>

namespace {

bool HasType(const CHeightField& course, CellType type)
{
    for (int y = 0; y < course.GetHeight(); ++y)
        for (int x = 0; x < course.GetWidth(); ++x)
            if (course.GetCell(x, y).type == type)
                return true;
    return false;
}

// A breadth-first walk from the start: a bit per cell and a queue as wide as
// the walk's front, so that even a 4096 x 4096 course needs only a few MB.
bool FinishReachable(const CHeightField& course, int startX, int startY)
{
    const int w = course.GetWidth();
    const int h = course.GetHeight();
    std::vector<bool> seen(static_cast<std::size_t>(w) * h, false);
    std::queue<std::int32_t> front;
    const auto visit = [&](int x, int y) {
        const std::size_t index = static_cast<std::size_t>(y) * w + x;
        if (x < 0 || y < 0 || x >= w || y >= h || seen[index] || course.GetCell(x, y).type == Hole)
            return;
        seen[index] = true;
        front.push(static_cast<std::int32_t>(index));
    };
    visit(startX, startY);
    while (!front.empty()) {
        const int x = front.front() % w;
        const int y = front.front() / w;
        front.pop();
        if (course.GetCell(x, y).type == Finish)
            return true;
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return false;
}

}  // namespace

bool FindFirstStart(const CHeightField& course, int& x, int& y)
{
    for (x = 0; x < course.GetWidth(); ++x)
        for (y = 0; y < course.GetHeight(); ++y)
            if (course.GetCell(x, y).type == Start)
                return true;
    return false;
}

CourseVerdict CheckCourse(const CHeightField& course)
{
    int x = 0;
    int y = 0;
    const bool start = FindFirstStart(course, x, y);
    const bool finish = HasType(course, Finish);
    if (!start)
        return finish ? CourseVerdict::NoStart : CourseVerdict::NoStartNoFinish;
    if (!finish)
        return CourseVerdict::NoFinish;
    return FinishReachable(course, x, y) ? CourseVerdict::Playable : CourseVerdict::FinishUnreachable;
}
