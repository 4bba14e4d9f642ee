// Writes the courses that ship with the game into a folder:
//   make-courses <folder>
// Running it again gives the same bytes, so the committed files can be
// checked against it.
#include "course/HeightField.h"
#include "courses/ShippedCourses.h"
#include "document/Archive.h"
#include "document/FileBytes.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::cerr << "usage: make-courses <folder>\n";
        return argc == 2 ? 0 : 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (const ShippedCourse& course : ShippedCourses()) {
        const std::string path = folder + "/" + course.fileName;
        CHeightField grid;
        std::string reason;
        if (!course.build(grid, reason)) {
            std::cerr << "make-courses: " << course.fileName << ": " << reason << "\n";
            ++failures;
            continue;
        }
        CArchive archive;
        grid.Store(archive);
        if (!WriteFileAtomically(path, archive.Bytes(), reason)) {
            std::cerr << "make-courses: cannot write " << path << ": " << reason << "\n";
            ++failures;
            continue;
        }
        std::cout << "make-courses: wrote " << path << " (" << grid.GetWidth() << " x " << grid.GetHeight()
                  << " cells, " << course.summary << ")\n";
    }
    return failures == 0 ? 0 : 1;
}
