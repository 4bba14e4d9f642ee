#include "document/FileBytes.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// No course comes near this (the largest is about 168 MB); a bigger file is
// surely not a course, and reading it whole could exhaust memory.
constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 30;

// Plain words for the errors a user can meet and act on.
std::string ReasonFor(int error)
{
    switch (error) {
    case ENOENT: return "there is no such file";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "it is a folder, not a file";
    case ENOTDIR: return "a part of its path is not a folder";
    case ENAMETOOLONG: return "its name is too long";
    case ENOSPC: return "the disk is full";
    case EDQUOT: return "the disk quota is used up";
    case EFBIG: return "it is too large for this disk";
    case EROFS: return "the disk is read-only";
    case ENOMEM: return "there is not enough memory";
    case ELOOP: return "its path has too many symbolic links";
    default: break;
    }
    std::string text = std::strerror(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// Making the temporary fails because of the folder, not of the file, which
// may well be writable itself: the reason says so.
std::string ReasonForFolder(int error)
{
    switch (error) {
    case ENOENT: return "its folder does not exist";
    case EACCES:
    case EPERM: return "there is no permission to write in its folder";
    default: return ReasonFor(error);
    }
}

// Closes a descriptor on every path out of a function.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Returns the close's own error (0 when fine): on some file systems a
    // write error only shows up here.
    int Close()
    {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

// Mode for a new file: the old target's, or what the umask allows.
mode_t ModeFor(const std::string& target)
{
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size, int& error)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason)
{
    // Non-blocking so that a named pipe cannot hang the open; it is refused below.
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        reason = ReasonFor(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd.Get(), &st) != 0) {
        reason = ReasonFor(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        reason = ReasonFor(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = "it is not a regular file";
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) {
        reason = "it is too large to be a course file";
        return false;
    }

    std::vector<std::uint8_t> data;
    try {
        // The size is a hint; the loop reads until the end, wherever it is now.
        data.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t used = 0;
        for (;;) {
            if (used == data.size()) {
                if (data.size() > kMaxFileBytes) {
                    reason = "it is too large to be a course file";
                    return false;
                }
                data.resize(data.size() * 2);
            }
            const ssize_t got = ::read(fd.Get(), data.data() + used, data.size() - used);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                reason = ReasonFor(errno);
                return false;
            }
            if (got == 0)
                break;
            used += static_cast<std::size_t>(got);
        }
        data.resize(used);
    } catch (const std::bad_alloc&) {
        reason = ReasonFor(ENOMEM);
        return false;
    }
    bytes.swap(data);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason)
{
    const std::string target = ResolveTarget(path);
    const std::string folder = FolderOf(target);

    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            reason = ReasonFor(EISDIR);
            return false;
        }
        // The rename below needs only the folder's permission, so without
        // this a file its owner made read-only would be replaced regardless.
        if (::access(target.c_str(), W_OK) != 0) {
            reason = ReasonFor(errno);
            return false;
        }
    }

    // A hidden temporary beside the target: rename is atomic only within one
    // file system, and the folder is the surest place on the same one.
    std::string temp = folder + "/." + NameOf(target) + ".XXXXXX";
    CFileDescriptor fd(::mkstemp(temp.data()));
    if (fd.Get() < 0) {
        reason = ReasonForFolder(errno);
        return false;
    }

    int error = 0;
    if (::fchmod(fd.Get(), ModeFor(target)) != 0)
        error = errno;
    if (error == 0)
        WriteAll(fd.Get(), bytes.data(), bytes.size(), error);
    if (error == 0 && ::fsync(fd.Get()) != 0)
        error = errno;
    const int closeError = fd.Close();
    if (error == 0)
        error = closeError;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        reason = ReasonFor(error);
        return false;
    }

    // Make the rename itself durable; the file is already complete either way.
    CFileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
    return true;
}
