#include "game/glview/core/StockCameraPose.h"

#include "platform/keys/VirtualKey.h"

namespace {

// One key press moves a velocity component by this share of its bound, so
// five presses from rest reach the bound.
constexpr double kVelocityStepShare = 0.2;

void RaiseComponent(double& component, double bound)
{
    component += kVelocityStepShare * bound;
    if (component > bound)
        component = bound;
}

void LowerComponent(double& component, double bound)
{
    component -= kVelocityStepShare * bound;
    if (component < -bound)
        component = -bound;
}

} // namespace

bool ApplyCameraKey(StockCameraPose camera, unsigned key, bool shift)
{
    double* velocity = shift ? camera.angularVelocity : camera.velocity;
    const double bound = shift ? camera.maxAngularSpeed : camera.maxSpeed;
    switch (key) {
    case VK_LEFT:
        RaiseComponent(velocity[0], bound);
        return true;
    case VK_RIGHT:
        LowerComponent(velocity[0], bound);
        return true;
    case VK_UP:
        RaiseComponent(velocity[2], bound);
        return true;
    case VK_DOWN:
        LowerComponent(velocity[2], bound);
        return true;
    case VK_SUBTRACT:
        RaiseComponent(velocity[1], bound);
        return true;
    case VK_ADD:
        LowerComponent(velocity[1], bound);
        return true;
    case VK_HOME:
        for (int i = 0; i < 3; ++i) {
            camera.position[i] = camera.homePosition[i];
            camera.angles[i] = camera.homeAngles[i];
        }
        if (shift)
            ApplyCameraKey(camera, VK_CLEAR, shift);
        return true;
    case VK_CLEAR:
        for (int i = 0; i < 3; ++i) {
            camera.velocity[i] = 0.0;
            camera.angularVelocity[i] = 0.0;
        }
        return true;
    default:
        return false;
    }
}

void AdvanceCamera(StockCameraPose camera, double seconds)
{
    for (int i = 0; i < 3; ++i) {
        camera.position[i] += seconds * camera.velocity[i];
        camera.angles[i] += seconds * camera.angularVelocity[i];
    }
}
