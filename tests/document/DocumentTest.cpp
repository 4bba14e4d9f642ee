// The document base over real files: open and save through Serialize, saves
// all or nothing, and the reasons a user is given when either fails.

#include "tests/support/NumberDoc.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using Bytes = CTempFolder::Bytes;

struct DocumentFiles : ::testing::Test {
    void SetUp() override
    {
        doc.m_values = {1, 2, 3};
        folder.Write("old.num", kOld);
    }
    // Root may write anything, so permissions are tried as an ordinary user
    // in a child, which hands back the save's reason ("saved" on success).
    std::string SaveAsOrdinaryUser(const std::string& name)
    {
        int ends[2];
        char buffer[256];
        if (::pipe(ends) == 0 && ::fork() == 0) {
            std::string reason = "cannot drop root";
            if (::geteuid() != 0 || ::setuid(65534) == 0)
                reason = doc.OnSaveDocument(folder.Path(name), reason) ? "saved" : reason;
            ::_exit(::write(ends[1], reason.data(), reason.size()) < 0);
        }
        ::close(ends[1]);
        const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
        ::close(ends[0]), ::wait(nullptr);
        return std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    const Bytes kOld = {1, 0, 0, 0, 42, 0, 0, 0};
    CTempFolder folder;
    CNumberDoc doc;
};

// A save goes through Serialize into the file a link points to, keeping its
// mode; an open reads it back and takes the file's name.
TEST_F(DocumentFiles, SaveAndOpenGoThroughSerialize)
{
    ::chmod(folder.Path("old.num").c_str(), 0640);
    fs::create_symlink(folder.Path("old.num"), folder.Path("link.num"));
    std::string reason;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("link.num"), reason)) << reason;
    EXPECT_EQ(folder.Read("old.num"), Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_TRUE(fs::is_symlink(folder.Path("link.num")) && folder.Count() == 2);
    EXPECT_EQ(fs::status(folder.Path("old.num")).permissions(), fs::perms(0640));
    EXPECT_TRUE(doc.GetPathName() == folder.Path("link.num") && !doc.IsModified());
    CNumberDoc other;
    other.SetModifiedFlag();
    ASSERT_TRUE(other.OnOpenDocument(folder.Path("old.num"), reason)) << reason;
    EXPECT_TRUE(other.m_values == doc.m_values && other.GetPathName() == folder.Path("old.num") && !other.IsModified());
}

TEST_F(DocumentFiles, FailedOpenSaysWhyAndChangesNothing)
{
    folder.Write("short.num", {5, 0, 0, 0, 9, 0, 0, 0});
    fs::create_directory(folder.Path("folder.num"));
    ASSERT_EQ(::mkfifo(folder.Path("pipe.num").c_str(), 0600), 0);
    folder.Write("huge.num", {});
    fs::resize_file(folder.Path("huge.num"), (std::uintmax_t{1} << 30) + 1);  // sparse: no disk used
    const char* const cases[][2] = {
        {"missing.num", "there is no such file"},       {"folder.num", "it is a folder, not a file"},
        {"pipe.num", "it is not a regular file"},       {"short.num", "it ends before its last cell"},
        {"huge.num", "it is too large to be a course file"}, {"short.num/a", "a part of its path is not a folder"},
    };
    doc.SetPathName("kept.num");
    doc.SetModifiedFlag();
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(doc.OnOpenDocument(folder.Path(c[0]), reason));
        EXPECT_EQ(reason, c[1]);
        EXPECT_TRUE(doc.m_values.size() == 3 && doc.GetPathName() == "kept.num" && doc.IsModified()) << c[0];
    }
}

// A failed save leaves the old file and no temporary, and says why.
TEST_F(DocumentFiles, FailedSavesKeepTheOldFile)
{
    fs::create_directory(folder.Path("open"));
    fs::create_directory(folder.Path("locked"));
    fs::create_directory(folder.Path("folder.num"));
    folder.Write("open/read-only.num", kOld);
    folder.Write("locked/writable.num", kOld);
    for (const auto& [name, mode] : {std::pair{"", 0755}, {"open", 0777}, {"locked", 0555},
                                     {"open/read-only.num", 0444}, {"locked/writable.num", 0666}})
        ::chmod(folder.Path(name).c_str(), static_cast<mode_t>(mode));
    EXPECT_EQ(SaveAsOrdinaryUser("open/read-only.num"), "permission denied");
    EXPECT_EQ(SaveAsOrdinaryUser("locked/writable.num"), "there is no permission to write in its folder");
    EXPECT_TRUE(folder.Read("open/read-only.num") == kOld && folder.Read("locked/writable.num") == kOld);
    ::chmod(folder.Path("open/read-only.num").c_str(), 0666);
    EXPECT_EQ(SaveAsOrdinaryUser("open/read-only.num"), "saved");
    ::chmod(folder.Path("locked").c_str(), 0755);

    // The disk refuses the write part-way: no file may grow past 1000 bytes.
    doc.m_values.assign(10000, 7);
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved, small;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string reason;
    const bool savedOk = doc.OnSaveDocument(folder.Path("old.num"), reason);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_TRUE(!savedOk && reason == "it is too large for this disk") << reason;
    const char* const cases[][2] = {{"folder.num", "it is a folder, not a file"},
                                    {"missing/a.num", "its folder does not exist"},
                                    {"old.num", "there is not enough memory to save it"}};
    for (const auto& c : cases) {
        doc.m_failWithBadAlloc = std::string(c[0]) == "old.num";
        EXPECT_FALSE(doc.OnSaveDocument(folder.Path(c[0]), reason));
        EXPECT_EQ(reason, c[1]);
    }
    EXPECT_TRUE(folder.Read("old.num") == kOld && doc.GetPathName().empty());
    EXPECT_TRUE(folder.Count() == 4 && folder.Count("open") == 1) << "a temporary was left behind";
}
