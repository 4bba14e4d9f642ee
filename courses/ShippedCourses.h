#pragma once

#include <string>
#include <vector>

class CHeightField;

// A course that comes with the game: the file it is written to, what it
// asks of the player, and how it is made.
struct ShippedCourse {
    const char* fileName;
    const char* summary;
    // Fills the grid; false with a reason when the design breaks a rule of
    // the shipped courses (heights 0 to 99, one start cell, a finish).
    bool (*build)(CHeightField& grid, std::string& reason);
};

// Every shipped course, easiest first.
const std::vector<ShippedCourse>& ShippedCourses();
