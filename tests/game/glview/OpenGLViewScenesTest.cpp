#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cmath>
#include <functional>

namespace {

// A polygon as feedback mode reports it, mapped back to the floor plane.
struct FloorPolygon {
    std::vector<double> x, z, depth;
    double r = 0, g = 0, b = 0;

    double CentreX() const { return Mean(x); }
    double CentreZ() const { return Mean(z); }
    double Area() const
    {
        double twice = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            const size_t j = (i + 1) % x.size();
            twice += x[i] * z[j] - x[j] * z[i];
        }
        return std::fabs(twice) / 2;
    }

private:
    static double Mean(const std::vector<double>& v)
    {
        double sum = 0;
        for (double e : v)
            sum += e;
        return sum / v.size();
    }
};

constexpr int kViewportSize = 400;
constexpr double kSceneScale = 0.1;

class Scenes : public CViewTest {
protected:
    // Looks straight down on the floor plane y = 0: scene x and z map to
    // window x and y, scene y to the depth (0.5 at y = 0).
    void LookDown()
    {
        glViewport(0, 0, kViewportSize, kViewportSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glScaled(kSceneScale, kSceneScale, kSceneScale);
        glRotated(90, 1, 0, 0);
    }

    // The polygons the drawing produces, read back in feedback mode. Only
    // for single-primitive-type lists: the driver fails replaying mixed
    // ones in feedback mode.
    std::vector<FloorPolygon> Feedback(const std::function<void()>& draw)
    {
        std::vector<GLfloat> buffer(1 << 16);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint used = glRenderMode(GL_RENDER);
        EXPECT_GE(used, 0) << "feedback buffer overflow";
        std::vector<FloorPolygon> polygons;
        const double half = kViewportSize / 2.0;
        for (GLint i = 0; i < used;) {
            const auto token = static_cast<GLint>(buffer[i++]);
            EXPECT_EQ(token, GL_POLYGON_TOKEN);
            if (token != GL_POLYGON_TOKEN)
                break;
            const auto count = static_cast<int>(buffer[i++]);
            FloorPolygon polygon;
            for (int v = 0; v < count; ++v, i += 7) {
                polygon.x.push_back((buffer[i] / half - 1) / kSceneScale);
                polygon.z.push_back(-(buffer[i + 1] / half - 1) / kSceneScale);
                polygon.depth.push_back(buffer[i + 2]);
                polygon.r = buffer[i + 3];
                polygon.g = buffer[i + 4];
                polygon.b = buffer[i + 5];
            }
            polygons.push_back(polygon);
        }
        return polygons;
    }

    std::vector<FloorPolygon> StockScene()
    {
        LookDown();
        return Feedback([this] { m_view->DrawStockScene(); });
    }

    static double TotalArea(const std::vector<FloorPolygon>& polygons)
    {
        double area = 0;
        for (const FloorPolygon& p : polygons)
            area += p.Area();
        return area;
    }

    static void ExpectInFloorPlane(const std::vector<FloorPolygon>& polygons)
    {
        for (const FloorPolygon& p : polygons) {
            for (double d : p.depth)
                ASSERT_NEAR(d, 0.5, 1e-6);
        }
    }
};

TEST_F(Scenes, TheFirstFrameRecordsTheCheckerboardAndLaterFramesReuseIt)
{
    CTestView* view = CreateView();
    EXPECT_EQ(view->m_stockSceneType, StockNone);  // consumed by the first frame
    const unsigned list = view->m_stockSceneList;
    EXPECT_NE(list, 0u);
    view->OnDraw(nullptr);
    view->OnDraw(nullptr);
    EXPECT_EQ(view->m_stockSceneList, list);

    const std::vector<FloorPolygon> polygons = StockScene();
    ExpectInFloorPlane(polygons);
    EXPECT_NEAR(TotalArea(polygons), 5.5 * 5.5, 1e-3);
    // Squares of side 0.5 from -2.5, counted row by row: even ones dark.
    int checked = 0;
    for (const FloorPolygon& p : polygons) {
        const int column = static_cast<int>(std::floor((p.CentreX() + 2.5) / 0.5));
        const int row = static_cast<int>(std::floor((p.CentreZ() + 2.5) / 0.5));
        ASSERT_TRUE(column >= 0 && column < 11 && row >= 0 && row < 11);
        const double grey = (row * 11 + column) % 2 == 0 ? 0.05 : 0.9;
        EXPECT_NEAR(p.r, grey, 0.01) << "square " << column << ", " << row;
        EXPECT_NEAR(p.g, grey, 0.01);
        EXPECT_NEAR(p.b, grey, 0.01);
        ++checked;
    }
    EXPECT_GE(checked, 121);
}

TEST_F(Scenes, TheFanIsEightTrianglesOfAlternatingColour)
{
    CTestView* view = CreateView();
    const unsigned list = view->m_stockSceneList;
    view->m_stockSceneType = StockFanFloor;
    const std::vector<FloorPolygon> polygons = StockScene();
    EXPECT_EQ(view->m_stockSceneList, list) << "the same list name is reused";
    ASSERT_EQ(polygons.size(), 8u);
    ExpectInFloorPlane(polygons);
    EXPECT_NEAR(TotalArea(polygons), 100.0, 1e-3);
    for (const FloorPolygon& p : polygons) {
        // Counted from +x towards -z: triangle k covers k*45 to (k+1)*45 degrees.
        double angle = std::atan2(-p.CentreZ(), p.CentreX()) * 180 / M_PI;
        if (angle < 0)
            angle += 360;
        const int k = static_cast<int>(angle / 45);
        EXPECT_NEAR(p.r, k % 2 == 0 ? 0.5 : 0.0, 0.01) << "triangle " << k;
        EXPECT_NEAR(p.b, k % 2 == 0 ? 0.0 : 0.5, 0.01) << "triangle " << k;
    }
}

TEST_F(Scenes, TheGreyPlaneCoversTheFloorSquare)
{
    CTestView* view = CreateView();
    view->m_stockSceneType = StockPlane;
    const std::vector<FloorPolygon> polygons = StockScene();
    ASSERT_FALSE(polygons.empty());
    ExpectInFloorPlane(polygons);
    EXPECT_NEAR(TotalArea(polygons), 100.0, 1e-3);
    for (const FloorPolygon& p : polygons) {
        EXPECT_NEAR(p.r, 0.2, 0.01);
        for (size_t i = 0; i < p.x.size(); ++i) {
            EXPECT_NEAR(std::fabs(p.x[i]), 5.0, 1e-3);
            EXPECT_NEAR(std::fabs(p.z[i]), 5.0, 1e-3);
        }
    }
}

TEST_F(Scenes, OtherSelectorsRecordAnEmptyScene)
{
    CTestView* view = CreateView();
    for (int type : {1, 6, -3, int(StockUser)}) {
        view->m_stockSceneType = type;
        EXPECT_TRUE(StockScene().empty()) << type;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << type;
    }
    // A subclass's own content becomes the stock scene.
    view->drawUserTriangle = true;
    view->m_stockSceneType = StockUser;
    EXPECT_NEAR(TotalArea(StockScene()), 0.5, 1e-3);
    // Nothing pending: the recorded scene stays.
    EXPECT_NEAR(TotalArea(StockScene()), 0.5, 1e-3);
}

TEST_F(Scenes, WithoutAListNameThePendingSceneIsDroppedAnyway)
{
    CTestView* view = CreateView();
    view->m_stockSceneList = 0;
    view->m_stockSceneType = StockFanFloor;
    // No current context: no list names to be had.
    Display* display = glXGetCurrentDisplay();
    GLXContext context = glXGetCurrentContext();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    glXMakeContextCurrent(display, None, None, nullptr);
    EXPECT_FALSE(view->CompileStockScene(StockFanFloor));
    view->DrawStockScene();
    glXMakeContextCurrent(display, drawable, drawable, context);
    EXPECT_EQ(view->m_stockSceneType, StockNone);
    EXPECT_EQ(view->m_stockSceneList, 0u);
    EXPECT_TRUE(StockScene().empty());
}

TEST_F(Scenes, TheDefaultSceneRecordsEachShapeSizeOnce)
{
    CTestView* view = CreateView();
    view->OnSize(0, 400, 300);
    auto existingLists = [] {
        std::vector<GLuint> names;
        for (GLuint name = 1; name < 4096; ++name) {
            if (glIsList(name))
                names.push_back(name);
        }
        return names;
    };
    auto drawAndRead = [](const std::function<void()>& draw) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        draw();
        glPopMatrix();
        std::vector<unsigned char> pixels(400 * 300 * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, 400, 300, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };

    // The frames drawn since the window appeared recorded both shapes.
    const std::vector<GLuint> lists = existingLists();
    const std::vector<unsigned char> scene = drawAndRead([view] { EXPECT_TRUE(view->COpenGLView::DrawScene()); });
    EXPECT_EQ(drawAndRead([view] { view->COpenGLView::DrawScene(); }), scene);
    EXPECT_EQ(existingLists(), lists);
    int red = 0, blue = 0;
    for (size_t i = 0; i < scene.size(); i += 3) {
        red += scene[i] == 255 && scene[i + 1] == 0 && scene[i + 2] == 0;
        blue += scene[i] == 128 && scene[i + 1] == 128 && scene[i + 2] == 255;
    }
    EXPECT_GT(red, 100);
    EXPECT_GT(blue, 100);

    // A new size is drawn while it is recorded, then called from its list.
    glColor3d(1.0, 1.0, 1.0);
    const std::vector<unsigned char> recorded = drawAndRead([view] { view->DrawWireSphere(0.75); });
    EXPECT_EQ(existingLists().size(), lists.size() + 1);
    EXPECT_NE(recorded, std::vector<unsigned char>(recorded.size(), 0)) << "nothing drawn while recording";
    EXPECT_EQ(drawAndRead([view] { view->DrawWireSphere(0.75); }), recorded);
    EXPECT_EQ(existingLists().size(), lists.size() + 1);
    drawAndRead([view] { view->DrawWireCube(0.75); });
    EXPECT_EQ(existingLists().size(), lists.size() + 2);
}

} // namespace
