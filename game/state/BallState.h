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

    bool operator==(const BallState& other) const
    {
        return x == other.x && y == other.y && z == other.z && angle == other.angle && vx == other.vx
               && vy == other.vy;
    }
    bool operator!=(const BallState& other) const { return !(*this == other); }
};
