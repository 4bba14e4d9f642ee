// The document base over real files: opening through Serialize, saving all
// or nothing, and the reasons a user is given when either fails.

#include "NumberDoc.h"
#include "TempFolder.h"

#include "platform/FileBytes.h"
#include "platform/ViewLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = CTempFolder::Bytes;

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override { m_doc.m_values = {1, 2, 3}; }

    CTempFolder m_folder;
    CNumberDoc m_doc;
};

TEST_F(DocumentFiles, SaveAndOpenGoThroughSerialize)
{
    const std::string path = m_folder.Path("a.num");
    std::string reason;
    m_doc.SetModifiedFlag();
    ASSERT_TRUE(m_doc.OnSaveDocument(path, reason)) << reason;
    EXPECT_EQ(m_folder.Read("a.num"), Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_folder.Count(), 1u);

    CNumberDoc other;
    other.SetModifiedFlag();
    ASSERT_TRUE(other.OnOpenDocument(path, reason)) << reason;
    EXPECT_EQ(other.m_values, m_doc.m_values);
    EXPECT_EQ(other.GetPathName(), path);
    EXPECT_FALSE(other.IsModified());

    EXPECT_TRUE(other.OnNewDocument());
    EXPECT_EQ(other.GetPathName(), "");
}

TEST_F(DocumentFiles, FailedOpenSaysWhyAndChangesNothing)
{
    m_folder.Write("short.num", {5, 0, 0, 0, 9, 0, 0, 0});
    fs::create_directory(m_folder.Path("folder.num"));
    ASSERT_EQ(::mkfifo(m_folder.Path("pipe.num").c_str(), 0600), 0);
    m_folder.Write("huge.num", {});
    fs::resize_file(m_folder.Path("huge.num"), (std::uintmax_t{1} << 30) + 1);  // sparse: no disk space used
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"missing.num", "there is no such file"},
        {"folder.num", "it is a folder, not a file"},
        {"pipe.num", "it is not a regular file"},
        {"short.num", "it ends before its last cell"},
        {"huge.num", "it is too large to be a course file"},
        {"missing/a.num", "there is no such file"},
        {"short.num/a.num", "a part of its path is not a folder"},
    };
    m_doc.SetPathName("kept.num");
    m_doc.SetModifiedFlag();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string reason;
        EXPECT_FALSE(m_doc.OnOpenDocument(m_folder.Path(c.name), reason));
        EXPECT_EQ(reason, c.reason);
        EXPECT_EQ(m_doc.m_values, std::vector<std::int32_t>({1, 2, 3}));
        EXPECT_EQ(m_doc.GetPathName(), "kept.num");
        EXPECT_TRUE(m_doc.IsModified());
    }
}

TEST_F(DocumentFiles, UnreadableFileIsPermissionDenied)
{
    const std::string path = m_folder.Path("locked.num");
    m_folder.Write("locked.num", {0, 0, 0, 0});
    ::chmod(path.c_str(), 0);
    ::chmod(m_folder.Path().c_str(), 0755);
    // Root reads anything, so the check runs as an ordinary user in a child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(2);
        Bytes bytes;
        std::string reason;
        ::_exit(!ReadFileBytes(path, bytes, reason) && reason == "permission denied" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Root writes anything, so the permission cases save as an ordinary user in
// a child process, which hands back the save's reason ("saved" on success).
std::string SaveReasonAsOrdinaryUser(CNumberDoc& doc, const std::string& path)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string reason = "cannot drop root";
        if (::geteuid() != 0 || ::setuid(65534) == 0)
            reason = doc.OnSaveDocument(path, reason) ? "saved" : reason;
        const bool told = ::write(pipeEnds[1], reason.data(), reason.size()) == static_cast<ssize_t>(reason.size());
        ::_exit(told ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return reason;
}

TEST_F(DocumentFiles, SaveKeepsToThePermissionsOfTheFileAndItsFolder)
{
    const Bytes old = {1, 0, 0, 0, 42, 0, 0, 0};
    const std::string open = m_folder.Path("open");
    const std::string locked = m_folder.Path("locked");
    fs::create_directory(open);
    fs::create_directory(locked);
    m_folder.Write("open/read-only.num", old);
    m_folder.Write("locked/writable.num", old);
    ::chmod(m_folder.Path().c_str(), 0755);
    ::chmod(open.c_str(), 0777);
    ::chmod(locked.c_str(), 0555);
    ::chmod(m_folder.Path("open/read-only.num").c_str(), 0444);
    ::chmod(m_folder.Path("locked/writable.num").c_str(), 0666);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        // The folder would allow the replacing rename; the file says no.
        {"open/read-only.num", "permission denied"},
        // The file itself is writable: the reason must point at the folder.
        {"locked/writable.num", "there is no permission to write in its folder"},
        {"locked/new.num", "there is no permission to write in its folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SaveReasonAsOrdinaryUser(m_doc, m_folder.Path(c.name)), c.reason);
    }
    EXPECT_EQ(m_folder.Read("open/read-only.num"), old);
    EXPECT_EQ(m_folder.Read("locked/writable.num"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(open), {}), 1) << "a temporary was left behind";
    EXPECT_FALSE(fs::exists(m_folder.Path("locked/new.num")));
    // The same file, once writable again, is saved.
    ::chmod(m_folder.Path("open/read-only.num").c_str(), 0666);
    EXPECT_EQ(SaveReasonAsOrdinaryUser(m_doc, m_folder.Path("open/read-only.num")), "saved");
    EXPECT_EQ(m_folder.Read("open/read-only.num").size(), 16u);
    ::chmod(locked.c_str(), 0755);
}

TEST_F(DocumentFiles, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    const Bytes old = {1, 0, 0, 0, 42, 0, 0, 0};
    m_folder.Write("a.num", old);
    m_doc.m_values.assign(10000, 7);
    std::string reason;

    // The disk refuses the write part-way: files may not grow past 1000 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool savedOk = m_doc.OnSaveDocument(m_folder.Path("a.num"), reason);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(savedOk);
    EXPECT_EQ(reason, "it is too large for this disk");
    EXPECT_EQ(m_folder.Read("a.num"), old);
    EXPECT_EQ(m_folder.Count(), 1u);

    m_doc.m_failWithBadAlloc = true;
    EXPECT_FALSE(m_doc.OnSaveDocument(m_folder.Path("a.num"), reason));
    EXPECT_EQ(reason, "there is not enough memory to save it");
    EXPECT_EQ(m_folder.Read("a.num"), old);
    EXPECT_EQ(m_doc.GetPathName(), "");

    m_doc.m_failWithBadAlloc = false;
    fs::create_directory(m_folder.Path("folder.num"));
    EXPECT_FALSE(m_doc.OnSaveDocument(m_folder.Path("folder.num"), reason));
    EXPECT_EQ(reason, "it is a folder, not a file");
    EXPECT_TRUE(fs::is_directory(m_folder.Path("folder.num")));
    EXPECT_FALSE(m_doc.OnSaveDocument(m_folder.Path("missing/a.num"), reason));
    EXPECT_EQ(reason, "its folder does not exist");
    EXPECT_EQ(m_folder.Count(), 2u);
}

TEST_F(DocumentFiles, SaveKeepsTheFilesModeAndSymbolicLinks)
{
    m_folder.Write("real.num", {0, 0, 0, 0});
    ::chmod(m_folder.Path("real.num").c_str(), 0640);
    fs::create_symlink(m_folder.Path("real.num"), m_folder.Path("link.num"));
    std::string reason;
    ASSERT_TRUE(m_doc.OnSaveDocument(m_folder.Path("link.num"), reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(m_folder.Path("link.num")));
    EXPECT_EQ(m_folder.Read("real.num").size(), 16u);
    struct stat st;
    ASSERT_EQ(::stat(m_folder.Path("real.num").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(DocumentBytes, InMemoryOpenAndSaveAreTheFileOnesWithoutTheFile)
{
    CNumberDoc doc;
    doc.m_values = {1, 2, 3};
    doc.SetModifiedFlag();
    Bytes bytes;
    std::string reason;
    ASSERT_TRUE(doc.SaveToBytes(bytes, reason)) << reason;
    EXPECT_EQ(bytes, Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_TRUE(doc.IsModified());  // nothing is on disk yet
    EXPECT_EQ(doc.GetPathName(), "");

    CNumberDoc other;
    other.SetModifiedFlag();
    EXPECT_FALSE(other.OpenFromBytes({2, 0, 0, 0, 9, 0, 0, 0}, "short.num", reason));
    EXPECT_EQ(reason, "it ends before its last cell");
    EXPECT_EQ(other.GetPathName(), "");
    EXPECT_TRUE(other.IsModified());
    ASSERT_TRUE(other.OpenFromBytes(bytes, "a.num", reason)) << reason;
    EXPECT_EQ(other.m_values, doc.m_values);
    EXPECT_EQ(other.GetPathName(), "a.num");
    EXPECT_FALSE(other.IsModified());
}

TEST(DocumentViews, FirstViewIsTheFirstAdded)
{
    CNumberDoc doc;
    CViewLink a, b;
    EXPECT_EQ(doc.GetFirstView(), nullptr);
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);
    EXPECT_EQ(doc.GetFirstView(), &a);
    doc.RemoveView(&a);
    EXPECT_EQ(doc.GetFirstView(), &b);
    doc.RemoveView(&b);
    EXPECT_EQ(doc.GetFirstView(), nullptr);
}
