#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

class CHeightField;

// The heights of the four corners of cell (x, y), corner[0] to corner[3].
using CornerHeights = std::function<std::array<int, 4>(int x, int y)>;

// Heights given per corner point rather than per cell: neighbouring cells
// then meet without a step.
CornerHeights SmoothHeights(const std::function<int(int cornerX, int cornerY)>& height);

// Makes the grid from a picture of its cell types, one string per row, the
// row of the highest y first so that the picture reads as the course seen
// from its start: '.' Floor, '#' Hole, 'S' Start, 'F' Finish, '<' Mpull,
// '>' Mpush, 'i' Ice, 'm' Mud; and the heights of each cell's corners. Holes
// lie at height 0, so that their walls show them as pits. False, with a
// reason, when a row is of another width, a character is none of these, or
// a height is outside what the editor can set; the grid is then no course.
bool PaintCourse(CHeightField& grid, const std::vector<std::string>& picture, const CornerHeights& heights,
                 std::string& reason);
