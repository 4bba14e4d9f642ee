#pragma once

class CHeightField;

// A side x side course for the benchmarks, painted from a picture: blocks of
// 8 x 8 cells of one type each (floor, ice, mud, holes, magnets, finishes),
// flat or sloped, at random heights, so that runs, walls and crossings all
// occur; rough blocks also have one corner in 16 out of line, which breaks
// most runs. The middle block is flat floor with the start at its centre,
// so that the ball rests there while the game is measured. The same side
// and roughness give the same course.
void MakeVariedCourse(CHeightField& grid, int side, bool rough);
