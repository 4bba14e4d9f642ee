// COpenGLView: the stock scenes and the default scene.
#include "game/glview/OpenGLView.h"

#include <GL/glu.h>

namespace {

// The checkerboard: 11 x 11 squares of side 0.5 around the origin.
constexpr int kCheckerHalfCount = 5;
constexpr double kCheckerSide = 0.5;
constexpr GLdouble kCheckerDark[3] = {0.05, 0.05, 0.05};
constexpr GLdouble kCheckerLight[3] = {0.9, 0.9, 0.9};

// The fan: eight triangles around the origin out to +-5.
constexpr GLdouble kFanRim[9][3] = {
    {5, 0, 0}, {5, 0, -5}, {0, 0, -5}, {-5, 0, -5}, {-5, 0, 0}, {-5, 0, 5}, {0, 0, 5}, {5, 0, 5}, {5, 0, 0},
};
constexpr GLdouble kFanRed[3] = {0.5, 0.0, 0.0};
constexpr GLdouble kFanBlue[3] = {0.0, 0.0, 0.5};

constexpr GLfloat kPlaneCorner1[2] = {-5.0f, 5.0f};
constexpr GLfloat kPlaneCorner2[2] = {5.0f, -5.0f};
constexpr GLdouble kPlaneGrey = 0.2;

constexpr double kSphereRadius = 0.5;
constexpr GLint kSphereSlices = 16;
constexpr GLint kSphereStacks = 16;
constexpr double kCubeEdge = 1.0;

// The six faces of the unit cube around the origin: outward normal and
// the four corners in units of half an edge.
struct CubeFace {
    GLdouble normal[3];
    GLdouble corners[4][3];
};
constexpr CubeFace kCubeFaces[6] = {
    {{1, 0, 0}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}},
    {{-1, 0, 0}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},
    {{0, 1, 0}, {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},
    {{0, -1, 0}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},
    {{0, 0, 1}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},
    {{0, 0, -1}, {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}},
};

// Draws through the cached list of this size, or records the drawing into
// a new list while drawing it. Without a list name it just draws.
template <typename Draw>
void DrawCached(std::map<double, unsigned>& cache, double size, Draw draw)
{
    const auto cached = cache.find(size);
    if (cached != cache.end()) {
        glCallList(cached->second);
        return;
    }
    const GLuint list = glGenLists(1);
    if (list != 0)
        glNewList(list, GL_COMPILE_AND_EXECUTE);
    draw(size);
    if (list != 0) {
        glEndList();
        cache[size] = list;
    }
}

} // namespace

void COpenGLView::DrawStockScene()
{
    if (m_stockSceneType != StockNone) {
        CompileStockScene(m_stockSceneType);
        // Consumed by the attempt, whether or not it succeeded.
        m_stockSceneType = StockNone;
    }
    if (m_stockSceneList != 0)
        glCallList(m_stockSceneList);
}

bool COpenGLView::CompileStockScene(int type)
{
    if (m_stockSceneList == 0) {
        m_stockSceneList = glGenLists(1);
        if (m_stockSceneList == 0)
            return false;
    }
    glNewList(m_stockSceneList, GL_COMPILE);
    EmitStockScene(type);
    glEndList();
    return true;
}

void COpenGLView::EmitStockScene(int type)
{
    switch (type) {
    case StockUser:
        BuildUserStockScene();
        break;
    case StockFanFloor:
        DrawFanFloor();
        break;
    case StockCheckerFloor:
        DrawCheckerFloor();
        break;
    case StockPlane:
        DrawGreyPlane();
        break;
    default:
        break;
    }
}

void COpenGLView::BuildUserStockScene()
{
}

void COpenGLView::DrawCheckerFloor()
{
    int square = 0;
    glBegin(GL_QUADS);
    for (int i = -kCheckerHalfCount; i <= kCheckerHalfCount; ++i) {
        for (int j = -kCheckerHalfCount; j <= kCheckerHalfCount; ++j) {
            glColor3dv(square % 2 == 0 ? kCheckerDark : kCheckerLight);
            ++square;
            const double x = kCheckerSide * j;
            const double z = kCheckerSide * i;
            glVertex3d(x, 0.0, z);
            glVertex3d(x + kCheckerSide, 0.0, z);
            glVertex3d(x + kCheckerSide, 0.0, z + kCheckerSide);
            glVertex3d(x, 0.0, z + kCheckerSide);
        }
    }
    glEnd();
}

void COpenGLView::DrawFanFloor()
{
    static const GLdouble kCentre[3] = {0.0, 0.0, 0.0};
    glBegin(GL_TRIANGLES);
    for (int k = 0; k < 8; ++k) {
        glColor3dv(k % 2 == 0 ? kFanRed : kFanBlue);
        glVertex3dv(kCentre);
        glVertex3dv(kFanRim[k]);
        glVertex3dv(kFanRim[k + 1]);
    }
    glEnd();
}

void COpenGLView::DrawGreyPlane()
{
    glColor3d(kPlaneGrey, kPlaneGrey, kPlaneGrey);
    // The rectangle lies in z = 0; turned into the floor plane y = 0. The
    // pop after the stock scene undoes the turn.
    glRotated(-90.0, 1.0, 0.0, 0.0);
    glRectfv(kPlaneCorner1, kPlaneCorner2);
}

bool COpenGLView::DrawScene()
{
    glRotated(90.0, 1.0, 0.0, 0.0);
    glColor3d(1.0, 0.0, 0.0);
    DrawWireSphere(kSphereRadius);
    glColor3d(0.5, 0.5, 1.0);
    DrawWireCube(kCubeEdge);
    return true;
}

void COpenGLView::DrawWireSphere(double radius)
{
    DrawCached(m_sphereLists, radius, [](double r) {
        GLUquadric* quadric = gluNewQuadric();
        if (!quadric)
            return;
        gluQuadricDrawStyle(quadric, GLU_LINE);
        gluSphere(quadric, r, kSphereSlices, kSphereStacks);
        gluDeleteQuadric(quadric);
    });
}

void COpenGLView::DrawWireCube(double edge)
{
    DrawCached(m_cubeLists, edge, [](double e) {
        const double half = e / 2.0;
        for (const CubeFace& face : kCubeFaces) {
            glBegin(GL_LINE_LOOP);
            glNormal3dv(face.normal);
            for (const auto& corner : face.corners) {
                const GLdouble vertex[3] = {corner[0] * half, corner[1] * half, corner[2] * half};
                glVertex3dv(vertex);
            }
            glEnd();
        }
    });
}
