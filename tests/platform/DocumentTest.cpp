// The document base over real files: open and save through Serialize, saves
// all or nothing, and the reasons a user is given when either fails.

#include "NumberDoc.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = CTempFolder::Bytes;

namespace {

const Bytes kOld = {1, 0, 0, 0, 42, 0, 0, 0};

// Root may write anything, so permissions are tried as an ordinary user in a
// child, which hands back the save's reason ("saved" on success).
std::string SaveAsOrdinaryUser(CNumberDoc& doc, const std::string& path)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return "no pipe";
    if (::fork() == 0) {
        std::string reason = "cannot drop root";
        if (::geteuid() != 0 || ::setuid(65534) == 0)
            reason = doc.OnSaveDocument(path, reason) ? "saved" : reason;
        ::_exit(::write(ends[1], reason.data(), reason.size()) < 0);
    }
    ::close(ends[1]);
    char buffer[256];
    const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
    ::close(ends[0]);
    ::wait(nullptr);
    return std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
}

}  // namespace

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override { m_doc.m_values = {1, 2, 3}; }
    CTempFolder m_folder;
    CNumberDoc m_doc;
};

// A save goes through Serialize into the file a link points to, keeping its
// mode; an open reads it back and takes the file's name.
TEST_F(DocumentFiles, SaveAndOpenGoThroughSerialize)
{
    m_folder.Write("real.num", kOld);
    ::chmod(m_folder.Path("real.num").c_str(), 0640);
    fs::create_symlink(m_folder.Path("real.num"), m_folder.Path("link.num"));
    std::string reason;
    m_doc.SetModifiedFlag();
    ASSERT_TRUE(m_doc.OnSaveDocument(m_folder.Path("link.num"), reason)) << reason;
    EXPECT_EQ(m_folder.Read("real.num"), Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_TRUE(fs::is_symlink(m_folder.Path("link.num")) && m_folder.Count() == 2);
    EXPECT_EQ(fs::status(m_folder.Path("real.num")).permissions(), fs::perms(0640));
    EXPECT_TRUE(m_doc.GetPathName() == m_folder.Path("link.num") && !m_doc.IsModified());
    CNumberDoc other;
    other.SetModifiedFlag();
    ASSERT_TRUE(other.OnOpenDocument(m_folder.Path("real.num"), reason)) << reason;
    EXPECT_TRUE(other.m_values == m_doc.m_values && other.GetPathName() == m_folder.Path("real.num"));
    EXPECT_FALSE(other.IsModified());
}

TEST_F(DocumentFiles, FailedOpenSaysWhyAndChangesNothing)
{
    m_folder.Write("short.num", {5, 0, 0, 0, 9, 0, 0, 0});
    fs::create_directory(m_folder.Path("folder.num"));
    ASSERT_EQ(::mkfifo(m_folder.Path("pipe.num").c_str(), 0600), 0);
    m_folder.Write("huge.num", {});
    fs::resize_file(m_folder.Path("huge.num"), (std::uintmax_t{1} << 30) + 1);  // sparse: no disk used
    const char* const cases[][2] = {
        {"missing.num", "there is no such file"},
        {"folder.num", "it is a folder, not a file"},
        {"pipe.num", "it is not a regular file"},
        {"short.num", "it ends before its last cell"},
        {"huge.num", "it is too large to be a course file"},
        {"short.num/a.num", "a part of its path is not a folder"},
    };
    m_doc.SetPathName("kept.num");
    m_doc.SetModifiedFlag();
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(m_doc.OnOpenDocument(m_folder.Path(c[0]), reason));
        EXPECT_EQ(reason, c[1]);
        EXPECT_TRUE(m_doc.m_values.size() == 3 && m_doc.GetPathName() == "kept.num" && m_doc.IsModified()) << c[0];
    }
}

TEST_F(DocumentFiles, SaveKeepsToThePermissionsOfTheFileAndItsFolder)
{
    fs::create_directory(m_folder.Path("open"));
    fs::create_directory(m_folder.Path("locked"));
    m_folder.Write("open/read-only.num", kOld);
    m_folder.Write("locked/writable.num", kOld);
    ::chmod(m_folder.Path().c_str(), 0755);
    ::chmod(m_folder.Path("open").c_str(), 0777);
    ::chmod(m_folder.Path("locked").c_str(), 0555);
    ::chmod(m_folder.Path("open/read-only.num").c_str(), 0444);
    ::chmod(m_folder.Path("locked/writable.num").c_str(), 0666);
    EXPECT_EQ(SaveAsOrdinaryUser(m_doc, m_folder.Path("open/read-only.num")), "permission denied");
    EXPECT_EQ(SaveAsOrdinaryUser(m_doc, m_folder.Path("locked/writable.num")),
              "there is no permission to write in its folder");
    EXPECT_EQ(m_folder.Read("open/read-only.num"), kOld);
    EXPECT_EQ(m_folder.Read("locked/writable.num"), kOld);
    EXPECT_EQ(m_folder.Count("open"), 1u) << "a temporary was left behind";
    ::chmod(m_folder.Path("open/read-only.num").c_str(), 0666);
    EXPECT_EQ(SaveAsOrdinaryUser(m_doc, m_folder.Path("open/read-only.num")), "saved");
    ::chmod(m_folder.Path("locked").c_str(), 0755);
}

TEST_F(DocumentFiles, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    m_folder.Write("a.num", kOld);
    fs::create_directory(m_folder.Path("folder.num"));
    m_doc.m_values.assign(10000, 7);
    // The disk refuses the write part-way: no file may grow past 1000 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved, small;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string reason;
    const bool savedOk = m_doc.OnSaveDocument(m_folder.Path("a.num"), reason);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(savedOk);
    EXPECT_EQ(reason, "it is too large for this disk");
    const char* const cases[][2] = {
        {"folder.num", "it is a folder, not a file"},
        {"missing/a.num", "its folder does not exist"},
        {"a.num", "there is not enough memory to save it"},
    };
    for (const auto& c : cases) {
        m_doc.m_failWithBadAlloc = std::string(c[0]) == "a.num";
        EXPECT_FALSE(m_doc.OnSaveDocument(m_folder.Path(c[0]), reason));
        EXPECT_EQ(reason, c[1]);
    }
    EXPECT_EQ(m_folder.Read("a.num"), kOld);
    EXPECT_TRUE(m_folder.Count() == 2 && m_doc.GetPathName().empty());
}
