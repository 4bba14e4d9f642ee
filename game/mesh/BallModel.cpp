#include "game/mesh/BallModel.h"

namespace {

// Half the cap's side and its height in raw height units (0.6 once the scene
// scales heights).
constexpr double kCapHalfSize = 0.3;
constexpr double kCapHeight = 3.0;

struct Face {
    double colour[3];
    int corners;
    double vertex[4][3];
};

constexpr double s = kCapHalfSize;
constexpr double h = kCapHeight;

constexpr Face kSides[4] = {
    {{0.2, 0.5, 0.6}, 3, {{0, 0, 0}, {s, s, h}, {s, -s, h}}},     // facing +x
    {{0.3, 0.5, 0.5}, 3, {{0, 0, 0}, {-s, s, h}, {s, s, h}}},     // facing +y
    {{0.4, 0.5, 0.4}, 3, {{0, 0, 0}, {-s, -s, h}, {-s, s, h}}},   // facing -x
    {{0.4, 0.5, 0.3}, 3, {{0, 0, 0}, {s, -s, h}, {-s, -s, h}}},   // facing -y
};
constexpr Face kCap = {{0.9, 0.5, 0.3}, 4, {{s, s, h}, {-s, s, h}, {-s, -s, h}, {s, -s, h}}};

void EmitFace(const Face& face)
{
    glColor3dv(face.colour);
    for (int v = 0; v < face.corners; ++v)
        glVertex3dv(face.vertex[v]);
}

}  // namespace

GLuint CBallModel::BuildBallList()
{
    const GLuint list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    DrawBallModel();
    glEndList();
    return list;
}

void CBallModel::DrawBallModel()
{
    glBegin(GL_TRIANGLES);
    for (const Face& side : kSides)
        EmitFace(side);
    glEnd();

    glBegin(GL_QUADS);
    EmitFace(kCap);
    glEnd();
}
