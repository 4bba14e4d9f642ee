#include "tests/game/view/BraskViewFixture.h"

#include "course/CellType.h"

#include <GL/gl.h>

CTestBraskView* BraskViewTest::CreateView(bool show)
{
    m_frame = new wxFrame(nullptr, wxID_ANY, "Brask");
    m_view = new CTestBraskView(m_frame, m_doc);
    m_view->SetClock(m_clock);
    m_view->SetPointer(m_pointer);
    if (show)
        ShowAndRealize();
    return m_view;
}

void BraskViewTest::LoadFlatCourse(int width, int height)
{
    CHeightField& grid = m_doc.GetHeightField();
    grid.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.SetCell(x, y, HeightCell{Floor, {0, 0, 0, 0}, 0});
    m_view->BuildLists();
}

void BraskViewTest::PlaceBall(double x, double y, double z, PlayState state)
{
    m_doc.SetBall(x, y, z, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(state);
}

void BraskViewTest::SetCamera(double x, double y, double z)
{
    m_view->m_camera[0] = x;
    m_view->m_camera[1] = y;
    m_view->m_camera[2] = z;
}

void BraskViewTest::DrawSceneOnly()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    m_view->DrawScene();
    glPopMatrix();
    glFinish();
}
