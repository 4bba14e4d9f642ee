// brask-thumbnailer: draws a course file as a PNG picture seen from above,
// as file managers ask for course thumbnails.
#include "BraskVersion.h"
#include "course/HeightField.h"
#include "document/Archive.h"
#include "document/ArchiveException.h"
#include "document/FileBytes.h"
#include "editor/thumbnailer/PngEncoder.h"
#include "editor/thumbnailer/Thumbnail.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

constexpr int kWrittenStatus = 0;
constexpr int kFailedStatus = 1;
constexpr int kBadArgumentsStatus = 2;
// The "large" size of the desktop's thumbnail folders.
constexpr int kDefaultSize = 256;
// The largest course file there can be: its header and the most cells.
constexpr std::int64_t kMaxCourseBytes = 8 + 10 * CHeightField::kMaxCells;

struct Request {
    std::string course;
    std::string picture;
    int size = kDefaultSize;
};

std::string Quoted(const std::string& path)
{
    return "\xE2\x80\x9C" + path + "\xE2\x80\x9D";
}

// A whole decimal number of at least 1; larger than the largest side, it
// asks for the largest side.
bool ParseSize(const char* text, int& size)
{
    if (*text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*end != '\0' || value < 1)
        return false;
    size = value > kMaxThumbnailSide ? kMaxThumbnailSide : static_cast<int>(value);
    return true;
}

// Fills `request`; otherwise returns the status to end with, having said why.
int ParseArguments(int argc, char** argv, const char* program, Request& request)
{
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            std::printf("Usage: %s [OPTION]... COURSE.hfd PICTURE.png\n"
                        "Draws a Brask course as a PNG picture seen from above, for file managers.\n\n"
                        "  -s SIZE        the picture's longer side in pixels (default %d, at most %d)\n"
                        "  -h, --help     show this help and exit\n"
                        "      --version  show the version and exit\n"
                        "  --             end the options: a file name after it may start with -\n\n"
                        "The manual page tells more: man 6 brask-thumbnailer\n",
                        program, kDefaultSize, kMaxThumbnailSide);
            return kWrittenStatus;
        } else if (arg == "--version") {
            std::printf("brask-thumbnailer %s\n", BRASK_VERSION_TEXT);
            return kWrittenStatus;
        } else if (arg == "-s") {
            if (i + 1 == argc || !ParseSize(argv[++i], request.size)) {
                std::fprintf(stderr, "%s: the size must be a whole number of pixels from 1 (try %s --help)\n",
                             program, program);
                return kBadArgumentsStatus;
            }
        } else {
            std::fprintf(stderr, "%s: unknown option %s (try %s --help)\n", program, arg.c_str(), program);
            return kBadArgumentsStatus;
        }
    }
    if (files.size() != 2 || files[0].empty() || files[1].empty()) {
        std::fprintf(stderr, "%s: name a course file and the picture to write (try %s --help)\n", program, program);
        return kBadArgumentsStatus;
    }
    request.course = files[0];
    request.picture = files[1];
    return -1;
}

// The course through the programs' own loader; false with a reason.
bool LoadCourse(const std::string& path, CHeightField& course, std::string& reason)
{
    // Refused before reading: no course is this large.
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > kMaxCourseBytes) {
        reason = "it is larger than any course";
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, reason))
        return false;
    CArchive archive(std::move(bytes));
    try {
        course.Load(archive);
    } catch (const CArchiveException& e) {
        reason = e.what();
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* invoked = argc > 0 && argv[0] != nullptr && *argv[0] != '\0' ? argv[0] : "brask-thumbnailer";
    const char* slash = std::strrchr(invoked, '/');
    const char* program = slash != nullptr ? slash + 1 : invoked;
    Request request;
    const int status = ParseArguments(argc, argv, program, request);
    if (status >= 0)
        return status;

    CHeightField course;
    std::string reason;
    if (!LoadCourse(request.course, course, reason)) {
        std::fprintf(stderr, "%s: cannot read %s: %s.\n", program, Quoted(request.course).c_str(), reason.c_str());
        return kFailedStatus;
    }
    std::vector<std::uint8_t> png;
    if (!EncodePng(DrawThumbnail(course, request.size), png, reason)
        || !WriteFileAtomically(request.picture, png, reason)) {
        std::fprintf(stderr, "%s: cannot write %s: %s.\n", program, Quoted(request.picture).c_str(), reason.c_str());
        return kFailedStatus;
    }
    return kWrittenStatus;
}
