#pragma once

// The ball: position in cells, z the surface height under it (raw height
// units), spin angle in degrees (0..360), velocity in cells per second.
struct BallState {
    double x;
    double y;
    double z;
    double angle;
    double vx;
    double vy;
};
