#pragma once

// The stock camera of COpenGLView, by reference to the view's members: a
// position and three angles that move with a linear and an angular
// velocity, each velocity component held within its bound (both signs).
// Components are x, y, z; angles are per second in the angular velocity.
struct StockCameraPose {
    double (&position)[3];
    double (&angles)[3];
    double (&velocity)[3];
    double (&angularVelocity)[3];
    const double (&homePosition)[3];
    const double (&homeAngles)[3];
    double maxSpeed;
    double maxAngularSpeed;
};

// One press of a camera key (a virtual-key code): the arrows and the keypad
// plus and minus step one velocity component by a fifth of its bound, or
// with Shift one angular velocity component; Home puts the pose back at its
// home (and with Shift stops it too); Clear stops all motion. False for a
// key that is not the camera's.
bool ApplyCameraKey(StockCameraPose camera, unsigned key, bool shift);

// Moves the pose on by its velocities over the given time.
void AdvanceCamera(StockCameraPose camera, double seconds);
