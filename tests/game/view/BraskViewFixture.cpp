#include "tests/game/view/BraskViewFixture.h"

#include "course/CellType.h"

#include <GL/gl.h>

#include <cstdlib>

void BraskViewTest::SetUp()
{
    BRASK_GL_REQUIRE_DISPLAY();
}

void BraskViewTest::TearDown()
{
    // Gone before the document it shows.
    if (m_frame) {
        m_frame->Destroy();
        PumpGLEvents();
    }
}

CTestBraskView* BraskViewTest::CreateView(bool show)
{
    m_frame = new wxFrame(nullptr, wxID_ANY, "Brask");
    m_view = new CTestBraskView(m_frame, m_doc);
    m_view->SetClock(m_clock);
    m_view->SetPointer(m_pointer);
    m_frame->SetClientSize(kWidth, kHeight);
    if (show)
        ShowAndRealize();
    return m_view;
}

void BraskViewTest::ShowAndRealize()
{
    m_frame->Show();
    EXPECT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
    PumpGLEvents();
    PumpGLEvents();
}

void BraskViewTest::MakeFlatCourse(int width, int height, int h)
{
    CHeightField& grid = m_doc.GetHeightField();
    grid.Create(width, height);
    const auto z = static_cast<std::int16_t>(h);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.SetCell(x, y, HeightCell{Floor, {z, z, z, z}, 0});
}

void BraskViewTest::PlaceBall(double x, double y, double z, PlayState state)
{
    m_doc.SetBall(x, y, z, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(state);
}

void BraskViewTest::DrawSceneOnly()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    m_view->DrawScene();
    glPopMatrix();
    glFinish();
}

std::vector<unsigned char> BraskViewTest::ReadPixels()
{
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int BraskViewTest::CountPixels(unsigned char r, unsigned char g, unsigned char b)
{
    const std::vector<unsigned char> pixels = ReadPixels();
    int count = 0;
    for (size_t i = 0; i < pixels.size(); i += 3)
        count += std::abs(pixels[i] - r) <= 2 && std::abs(pixels[i + 1] - g) <= 2 && std::abs(pixels[i + 2] - b) <= 2;
    return count;
}
