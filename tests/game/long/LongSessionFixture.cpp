#include "tests/game/long/LongSessionFixture.h"

#include <GL/gl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

// Names above the view's highest in which a list made and then lost would
// still be found.
constexpr unsigned kListNameMargin = 2048;
// Each glyph font is this many consecutive lists, one a character code.
constexpr unsigned kFontLists = 256;

}  // namespace

void LongSessionTest::SetUp()
{
    CViewFrameTest::SetUp();
    if (IsSkipped())
        return;
    m_frame = new wxFrame(nullptr, wxID_ANY, "Brask");
    m_view = new CLongSessionView(m_frame, m_doc);
    m_view->SetClock(m_clock);
    m_view->SetPointer(m_pointer);
    ShowAndRealize();
    ASSERT_NE(m_view->m_outlineFontBase, 0u) << "the fonts must exist for the end words to be drawn";
}

bool LongSessionTest::OpenCourse(const CCourseMaker::Bytes& bytes)
{
    const std::string name = "course-" + std::to_string(m_opens++) + ".hfd";
    m_folder.Write(name, bytes);
    m_prompter.nextPath = m_folder.Path(name);
    const bool opened = m_shell.FileOpen();
    std::remove(m_prompter.nextPath.c_str());
    return opened;
}

void LongSessionTest::DrawFrame()
{
    m_clock.now += kFrameIntervalMs;
    m_view->OnDraw(nullptr);
}

int LongSessionTest::CountLiveLists(unsigned highest)
{
    int live = 0;
    for (unsigned name = 1; name <= highest; ++name)
        live += glIsList(name) == GL_TRUE;
    return live;
}

unsigned LongSessionTest::ListNameBound() const
{
    const unsigned highest = std::max({m_view->m_courseList, m_view->m_ballList,
                                       m_view->m_outlineFontBase + kFontLists - 1,
                                       m_view->m_bitmapFontBase + kFontLists - 1});
    return highest + kListNameMargin;
}

long LongSessionTest::ResidentKilobytes()
{
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

bool LongSessionTest::ResidentMemoryIsMeaningful()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}
