#include "editor/BraskitDoc.h"

#include "tests/editor/EditorTestCourse.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// The document with the size dialog answered from a script.
class CScriptedDoc : public CBraskitDoc {
public:
    bool AskCourseSize(int& width, int& height) override
    {
        width = m_width;
        height = m_height;
        return m_ok;
    }

    bool m_ok = true;
    int m_width = 0;
    int m_height = 0;
};

TEST(BraskitDoc, NewMakesFloorCellsOfTheChosenSizeAndZeroByZeroTheEmptyCourse)
{
    CScriptedDoc doc;
    FillThreeByTwo(*doc.GetHeightField());
    doc.m_width = 3;
    doc.m_height = 2;
    ASSERT_TRUE(doc.OnNewDocument());
    CHeightField& course = *doc.GetHeightField();
    EXPECT_EQ(course.GetWidth(), 3);
    EXPECT_EQ(course.GetHeight(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(course.GetCell(x, y).type, 1);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(course.GetCell(x, y).corner[k], 0);
        }
    }

    doc.m_width = 0;
    doc.m_height = 0;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(course.GetWidth(), 0);
    EXPECT_EQ(course.GetHeight(), 0);
}

TEST(BraskitDoc, ZeroByZeroCourseIsNotSavedOverAFile)
{
    // Its file would be empty, and no program could open it as a course.
    const CTempFolder folder;
    const CTempFolder::Bytes good = {1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 7, 0, 7, 0, 7, 0, 7, 0};
    folder.Write("course.hfd", good);
    CScriptedDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetModifiedFlag();
    std::string reason;
    EXPECT_FALSE(doc.OnSaveDocument(folder.Path("course.hfd"), reason));
    EXPECT_EQ(reason, "the course has no cells, and a course file needs at least one");
    EXPECT_EQ(folder.Read("course.hfd"), good);
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_TRUE(doc.IsModified());
}

TEST(BraskitDoc, CancelKeepsCourseFileNameAndChanges)
{
    CScriptedDoc doc;
    FillThreeByTwo(*doc.GetHeightField());
    doc.SetPathName("/tmp/kept.hfd");
    doc.SetModifiedFlag();
    doc.m_ok = false;
    EXPECT_FALSE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetHeightField()->GetWidth(), 3);
    EXPECT_EQ(doc.GetHeightField()->GetCell(2, 1).corner[3], 150);
    EXPECT_EQ(doc.GetPathName(), "/tmp/kept.hfd");
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
