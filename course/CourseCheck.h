#pragma once

class CHeightField;

// Whether a course can be won: it has a start cell and a finish cell, and a
// ball can roll from the start to a finish over cells that are not holes.
// The start is the cell the game puts the ball on; the ball passes from a
// cell to the four cells beside it (slopes are not weighed).
enum class CourseVerdict {
    Playable,
    NoStart,
    NoFinish,
    NoStartNoFinish,
    FinishUnreachable,
};

CourseVerdict CheckCourse(const CHeightField& course);

// The start cell the game puts the ball on: the smallest x, then the
// smallest y. False when the course has none.
bool FindFirstStart(const CHeightField& course, int& x, int& y);
