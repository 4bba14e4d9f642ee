#include "editor/BraskitDoc.h"

#include "tests/editor/EditorTestCourse.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// The document with the size dialog answered from a script.
class CScriptedDoc : public CBraskitDoc {
public:
    bool AskCourseSize(int& width, int& height) override
    {
        ++m_asked;
        if (!m_ok)
            return false;
        width = m_width;
        height = m_height;
        return true;
    }

    bool m_ok = true;
    int m_width = 0;
    int m_height = 0;
    int m_asked = 0;
};

class BraskitDocTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/brask-doc-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_folder = pattern;
    }

    void TearDown() override { std::system(("rm -rf '" + m_folder + "'").c_str()); }

    std::vector<char> Saved(const std::string& name)
    {
        std::string reason;
        EXPECT_TRUE(m_doc.OnSaveDocument(m_folder + "/" + name, reason)) << reason;
        std::ifstream in(m_folder + "/" + name, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(in), {});
    }

    CScriptedDoc m_doc;
    std::string m_folder;
};

TEST_F(BraskitDocTest, NewMakesFloorCellsOfTheChosenSize)
{
    m_doc.m_width = 3;
    m_doc.m_height = 2;
    ASSERT_TRUE(m_doc.OnNewDocument());
    CHeightField& course = *m_doc.GetHeightField();
    EXPECT_EQ(course.GetWidth(), 3);
    EXPECT_EQ(course.GetHeight(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(course.GetCell(x, y).type, 1);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(course.GetCell(x, y).corner[k], 0);
        }
    }
    EXPECT_EQ(Saved("new.hfd").size(), 68u);
}

TEST_F(BraskitDocTest, CancelKeepsCourseFileNameAndChanges)
{
    FillThreeByTwo(*m_doc.GetHeightField());
    m_doc.SetPathName(m_folder + "/kept.hfd");
    m_doc.SetModifiedFlag();
    m_doc.m_ok = false;
    EXPECT_FALSE(m_doc.OnNewDocument());
    EXPECT_EQ(m_doc.GetHeightField()->GetWidth(), 3);
    EXPECT_EQ(m_doc.GetHeightField()->GetCell(2, 1).corner[3], 150);
    EXPECT_EQ(m_doc.GetPathName(), m_folder + "/kept.hfd");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(BraskitDocTest, ZeroByZeroIsTheEmptyCourseAndSavesAnEmptyFile)
{
    FillThreeByTwo(*m_doc.GetHeightField());
    m_doc.m_width = 0;
    m_doc.m_height = 0;
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(m_doc.GetHeightField()->GetWidth(), 0);
    EXPECT_EQ(m_doc.GetHeightField()->GetHeight(), 0);
    EXPECT_TRUE(Saved("empty.hfd").empty());
}



}  // namespace
