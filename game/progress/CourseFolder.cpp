#include "game/progress/CourseFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kCourseExtension = ".hfd";

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

char Folded(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// -1, 0 or 1 as a's run of digits from i is worth less, as much or more than
// b's from j; both indices move past their runs.
int CompareNumbers(const std::string& a, std::size_t& i, const std::string& b, std::size_t& j)
{
    while (i < a.size() && a[i] == '0')
        ++i;
    while (j < b.size() && b[j] == '0')
        ++j;
    const std::size_t aStart = i, bStart = j;
    while (i < a.size() && IsDigit(a[i]))
        ++i;
    while (j < b.size() && IsDigit(b[j]))
        ++j;
    if (i - aStart != j - bStart)
        return i - aStart < j - bStart ? -1 : 1;
    const int order = a.compare(aStart, i - aStart, b, bStart, j - bStart);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool IsCourseName(const std::string& name)
{
    const std::size_t length = std::char_traits<char>::length(kCourseExtension);
    if (name.size() <= length)
        return false;
    for (std::size_t k = 0; k < length; ++k) {
        if (Folded(name[name.size() - length + k]) != kCourseExtension[k])
            return false;
    }
    return true;
}

}  // namespace

bool CCourseFolder::NameLess(const std::string& a, const std::string& b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const int order = CompareNumbers(a, i, b, j);
            if (order != 0)
                return order < 0;
            continue;
        }
        if (Folded(a[i]) != Folded(b[j]))
            return Folded(a[i]) < Folded(b[j]);
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return j < b.size();
    // Names alike but for case or leading zeros still need an order.
    return a < b;
}

std::vector<std::string> CCourseFolder::List() const
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code statError;
        if (IsCourseName(name) && fs::is_regular_file(it->path(), statError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), NameLess);
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.push_back((m_folder == "/" ? "" : m_folder) + "/" + name);
    return paths;
}

std::string CCourseFolder::NextAfter(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    for (const std::string& course : CCourseFolder(folder).List()) {
        if (NameLess(name, course.substr(course.rfind('/') + 1)))
            return course;
    }
    return "";
}
