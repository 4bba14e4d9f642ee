#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

#include <cmath>
#include <functional>

namespace {

// A polygon as feedback mode reports it, mapped back to the floor plane
// y = 0: its centre, area and colour.
struct FloorPolygon {
    std::vector<double> x, z;
    double centreX = 0, centreZ = 0, area = 0;
    double r = 0, g = 0, b = 0;
};

constexpr int kViewportSize = 400;
constexpr double kSceneScale = 0.1;

class Scenes : public CViewTest {
protected:
    // The stock scene's polygons, looked at straight down on the floor
    // plane (scene x and z map to window x and y) and read back in feedback
    // mode. Only for single-primitive-type lists: the driver fails replaying
    // mixed ones in feedback mode.
    std::vector<FloorPolygon> StockScene()
    {
        glViewport(0, 0, kViewportSize, kViewportSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glScaled(kSceneScale, kSceneScale, kSceneScale);
        glRotated(90, 1, 0, 0);
        std::vector<GLfloat> buffer(1 << 16);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        m_view->DrawStockScene();
        const GLint used = glRenderMode(GL_RENDER);
        EXPECT_GE(used, 0) << "feedback buffer overflow";
        std::vector<FloorPolygon> polygons;
        const double half = kViewportSize / 2.0;
        for (GLint i = 0; i < used;) {
            if (buffer[i++] != GL_POLYGON_TOKEN) {
                ADD_FAILURE() << "not a polygon";
                break;
            }
            const auto count = static_cast<int>(buffer[i++]);
            FloorPolygon p;
            for (int v = 0; v < count; ++v, i += 7) {
                p.x.push_back((buffer[i] / half - 1) / kSceneScale);
                p.z.push_back(-(buffer[i + 1] / half - 1) / kSceneScale);
                EXPECT_NEAR(buffer[i + 2], 0.5, 1e-6) << "off the floor plane";
                p.r = buffer[i + 3];
                p.g = buffer[i + 4];
                p.b = buffer[i + 5];
                p.centreX += p.x.back() / count;
                p.centreZ += p.z.back() / count;
            }
            for (int v = 0; v < count; ++v)
                p.area += (p.x[v] * p.z[(v + 1) % count] - p.x[(v + 1) % count] * p.z[v]) / 2;
            p.area = std::fabs(p.area);
            polygons.push_back(p);
        }
        return polygons;
    }

    static double TotalArea(const std::vector<FloorPolygon>& polygons)
    {
        double area = 0;
        for (const FloorPolygon& p : polygons)
            area += p.area;
        return area;
    }
};

TEST_F(Scenes, TheFirstFrameRecordsTheCheckerboardAndLaterFramesReuseIt)
{
    CTestView* view = CreateView();
    EXPECT_EQ(view->m_stockSceneType, StockNone);  // consumed by the first frame
    const unsigned list = view->m_stockSceneList;
    EXPECT_NE(list, 0u);
    view->OnDraw(nullptr);
    EXPECT_EQ(view->m_stockSceneList, list);

    const std::vector<FloorPolygon> polygons = StockScene();
    EXPECT_GE(polygons.size(), 121u);
    EXPECT_NEAR(TotalArea(polygons), 5.5 * 5.5, 1e-3);
    // Squares of side 0.5 from -2.5, counted row by row: even ones dark.
    for (const FloorPolygon& p : polygons) {
        const int column = static_cast<int>(std::floor((p.centreX + 2.5) / 0.5));
        const int row = static_cast<int>(std::floor((p.centreZ + 2.5) / 0.5));
        ASSERT_TRUE(column >= 0 && column < 11 && row >= 0 && row < 11);
        const double grey = (row * 11 + column) % 2 == 0 ? 0.05 : 0.9;
        EXPECT_NEAR(p.r, grey, 0.01) << "square " << column << ", " << row;
        EXPECT_NEAR(p.g, grey, 0.01);
        EXPECT_NEAR(p.b, grey, 0.01);
    }
}

TEST_F(Scenes, TheFanAndTheGreyPlaneCoverTheFloorSquare)
{
    CTestView* view = CreateView();
    const unsigned list = view->m_stockSceneList;
    view->m_stockSceneType = StockFanFloor;
    std::vector<FloorPolygon> polygons = StockScene();
    EXPECT_EQ(view->m_stockSceneList, list) << "the same list name is reused";
    ASSERT_EQ(polygons.size(), 8u);
    EXPECT_NEAR(TotalArea(polygons), 100.0, 1e-3);
    for (const FloorPolygon& p : polygons) {
        // Counted from +x towards -z: triangle k covers k*45 to (k+1)*45 degrees.
        const double angle = std::atan2(-p.centreZ, p.centreX) * 180 / M_PI;
        const int k = static_cast<int>((angle < 0 ? angle + 360 : angle) / 45);
        EXPECT_NEAR(p.r, k % 2 == 0 ? 0.5 : 0.0, 0.01) << "triangle " << k;
        EXPECT_NEAR(p.b, k % 2 == 0 ? 0.0 : 0.5, 0.01) << "triangle " << k;
    }

    view->m_stockSceneType = StockPlane;
    polygons = StockScene();
    ASSERT_FALSE(polygons.empty());
    EXPECT_NEAR(TotalArea(polygons), 100.0, 1e-3);
    for (const FloorPolygon& p : polygons) {
        EXPECT_NEAR(p.r, 0.2, 0.01);
        for (size_t i = 0; i < p.x.size(); ++i) {
            EXPECT_NEAR(std::fabs(p.x[i]), 5.0, 1e-3);
            EXPECT_NEAR(std::fabs(p.z[i]), 5.0, 1e-3);
        }
    }
}

TEST_F(Scenes, OtherSelectorsRecordAnEmptySceneAndUserTheSubclasssOwn)
{
    CTestView* view = CreateView();
    for (int type : {1, 6, -3, int(StockUser)}) {
        view->m_stockSceneType = type;
        EXPECT_TRUE(StockScene().empty()) << type;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << type;
    }
    view->drawUserTriangle = true;
    view->m_stockSceneType = StockUser;
    EXPECT_NEAR(TotalArea(StockScene()), 0.5, 1e-3);
    // Nothing pending: the recorded scene stays.
    EXPECT_NEAR(TotalArea(StockScene()), 0.5, 1e-3);
}

TEST_F(Scenes, TheDefaultSceneRecordsEachShapeSizeOnce)
{
    CTestView* view = CreateView();
    view->OnSize(0, kWidth, kHeight);
    auto listCount = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name)
            count += glIsList(name) ? 1 : 0;
        return count;
    };
    auto drawAndRead = [](const std::function<void()>& draw) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        draw();
        glPopMatrix();
        return ReadBackBuffer(kWidth, kHeight);
    };

    // The frames drawn since the window appeared recorded both shapes: the
    // red sphere and the light blue cube.
    const int lists = listCount();
    const std::vector<unsigned char> scene = drawAndRead([view] { EXPECT_TRUE(view->COpenGLView::DrawScene()); });
    EXPECT_EQ(drawAndRead([view] { view->COpenGLView::DrawScene(); }), scene);
    EXPECT_EQ(listCount(), lists);
    EXPECT_GT(CountPixels(255, 0, 0), 100);
    EXPECT_GT(CountPixels(128, 128, 255), 100);

    // A new size is drawn while it is recorded, then called from its list.
    glColor3d(1.0, 1.0, 1.0);
    const std::vector<unsigned char> recorded = drawAndRead([view] { view->DrawWireSphere(0.75); });
    EXPECT_EQ(listCount(), lists + 1);
    EXPECT_NE(recorded, std::vector<unsigned char>(recorded.size(), 0)) << "nothing drawn while recording";
    EXPECT_EQ(drawAndRead([view] { view->DrawWireSphere(0.75); }), recorded);
    EXPECT_EQ(listCount(), lists + 1);
    drawAndRead([view] { view->DrawWireCube(0.75); });
    EXPECT_EQ(listCount(), lists + 2);
}

} // namespace
