// The document base over real files: opening through Serialize, saving all
// or nothing, and the reasons a user is given when either fails.

#include "platform/Archive.h"
#include "platform/ArchiveException.h"
#include "platform/Document.h"
#include "platform/FileBytes.h"
#include "platform/ViewLink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <vector>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A count followed by that many 32-bit values; replaced only when read whole.
class CNumbersDoc : public CDocument {
public:
    void Serialize(CArchive& ar) override
    {
        if (m_failWithBadAlloc)
            throw std::bad_alloc();
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_values.size());
            for (std::int32_t v : m_values)
                ar << v;
            return;
        }
        std::int32_t count = 0;
        ar >> count;
        std::vector<std::int32_t> values(static_cast<std::size_t>(count));
        for (std::int32_t& v : values)
            ar >> v;
        m_values.swap(values);
    }

    std::vector<std::int32_t> m_values;
    bool m_failWithBadAlloc = false;
};

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/brask-doc-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_doc.m_values = {1, 2, 3};
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string PathOf(const char* name) const { return (m_dir / name).string(); }

    // Files in the folder, to catch a temporary left behind.
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
    CNumbersDoc m_doc;
};

TEST_F(DocumentFiles, SaveAndOpenGoThroughSerialize)
{
    std::string reason;
    m_doc.SetModifiedFlag();
    ASSERT_TRUE(m_doc.OnSaveDocument(PathOf("a.num"), reason)) << reason;
    EXPECT_EQ(ReadAll(PathOf("a.num")), Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(m_doc.GetPathName(), PathOf("a.num"));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(FileCount(), 1u);

    CNumbersDoc other;
    other.SetModifiedFlag();
    ASSERT_TRUE(other.OnOpenDocument(PathOf("a.num"), reason)) << reason;
    EXPECT_EQ(other.m_values, m_doc.m_values);
    EXPECT_EQ(other.GetPathName(), PathOf("a.num"));
    EXPECT_FALSE(other.IsModified());

    EXPECT_TRUE(other.OnNewDocument());
    EXPECT_EQ(other.GetPathName(), "");
}

TEST_F(DocumentFiles, FailedOpenSaysWhyAndChangesNothing)
{
    WriteAll(PathOf("short.num"), {5, 0, 0, 0, 9, 0, 0, 0});
    fs::create_directory(PathOf("folder.num"));
    ASSERT_EQ(::mkfifo(PathOf("pipe.num").c_str(), 0600), 0);
    WriteAll(PathOf("huge.num"), {});
    fs::resize_file(PathOf("huge.num"), (std::uintmax_t{1} << 30) + 1);  // sparse: no disk space used
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
        std::string reason;
        EXPECT_FALSE(m_doc.OnOpenDocument(PathOf(c.name), reason)) << c.name;
        EXPECT_EQ(reason, c.reason) << c.name;
        EXPECT_EQ(m_doc.m_values, std::vector<std::int32_t>({1, 2, 3}));
        EXPECT_EQ(m_doc.GetPathName(), "kept.num");
        EXPECT_TRUE(m_doc.IsModified());
    }
}

TEST_F(DocumentFiles, UnreadableFileIsPermissionDenied)
{
    WriteAll(PathOf("locked.num"), {0, 0, 0, 0});
    ::chmod(PathOf("locked.num").c_str(), 0);
    ::chmod(m_dir.c_str(), 0755);
    // Root reads anything, so the check runs as an ordinary user in a child.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(2);
        Bytes bytes;
        std::string reason;
        const bool read = ReadFileBytes(PathOf("locked.num"), bytes, reason);
        ::_exit(!read && reason == "permission denied" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(DocumentFiles, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    const Bytes old = {1, 0, 0, 0, 42, 0, 0, 0};
    WriteAll(PathOf("a.num"), old);
    m_doc.m_values.assign(10000, 7);
    std::string reason;

    // The disk refuses the write part-way: files may not grow past 1000 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved_ok = m_doc.OnSaveDocument(PathOf("a.num"), reason);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(reason, "it is too large for this disk");
    EXPECT_EQ(ReadAll(PathOf("a.num")), old);
    EXPECT_EQ(FileCount(), 1u);

    m_doc.m_failWithBadAlloc = true;
    EXPECT_FALSE(m_doc.OnSaveDocument(PathOf("a.num"), reason));
    EXPECT_EQ(reason, "there is not enough memory to save it");
    EXPECT_EQ(ReadAll(PathOf("a.num")), old);
    EXPECT_EQ(m_doc.GetPathName(), "");
}

TEST_F(DocumentFiles, SaveToAFolderOrNowhereFails)
{
    fs::create_directory(PathOf("folder.num"));
    std::string reason;
    EXPECT_FALSE(m_doc.OnSaveDocument(PathOf("folder.num"), reason));
    EXPECT_EQ(reason, "it is a folder, not a file");
    EXPECT_TRUE(fs::is_directory(PathOf("folder.num")));
    EXPECT_FALSE(m_doc.OnSaveDocument(PathOf("missing/a.num"), reason));
    EXPECT_EQ(reason, "its folder does not exist");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(DocumentFiles, SaveKeepsTheFilesModeAndSymbolicLinks)
{
    WriteAll(PathOf("real.num"), {0, 0, 0, 0});
    ::chmod(PathOf("real.num").c_str(), 0640);
    fs::create_symlink(PathOf("real.num"), PathOf("link.num"));
    std::string reason;
    ASSERT_TRUE(m_doc.OnSaveDocument(PathOf("link.num"), reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(PathOf("link.num")));
    EXPECT_EQ(ReadAll(PathOf("real.num")).size(), 16u);
    struct stat st;
    ASSERT_EQ(::stat(PathOf("real.num").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(DocumentViews, FirstViewIsTheFirstAdded)
{
    CNumbersDoc doc;
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
