#pragma once

#include <string>
#include <vector>

// The courses of one folder, in name order: its ".hfd" files, with runs of
// digits compared by their value ("course-9" before "course-10") and letters
// without regard to case.
class CCourseFolder {
public:
    explicit CCourseFolder(std::string folder) : m_folder(std::move(folder)) {}

    // Full paths of the folder's courses in name order; empty when the
    // folder is missing or cannot be read.
    std::vector<std::string> List() const;

    // The course that follows the file `path` in its folder's name order, or
    // empty when none does.
    static std::string NextAfter(const std::string& path);

    // Name order of two file names.
    static bool NameLess(const std::string& a, const std::string& b);

private:
    std::string m_folder;
};
