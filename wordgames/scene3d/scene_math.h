// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry and time of the 3D scenes without any window or 3D library:
// points, the waypoints of movements and the scene clock, so that game
// rules can plan what the scene view plays.
#include <functional>
#include <vector>

namespace scene3d {

struct Vec3 {
    float x = 0, y = 0, z = 0;
    bool operator==(const Vec3 &) const = default;
};

// One point of a movement: where the object is, how it is turned, and when
// it gets there, in seconds of scene time after the movement starts.
struct Waypoint {
    double time = 0;
    Vec3 position;
    Vec3 rotation;
};

// Where a path puts an object `time` seconds after the movement starts:
// positions and rotations (degrees, so that a path can turn more than once)
// interpolated linearly between the waypoints around that time; the first
// waypoint before the path, the last after it.
Waypoint PointOnPath(const std::vector<Waypoint> &path, double time);

// The scene clock: seconds of scene time, advanced from a steady clock only
// while it runs, so that nothing jumps ahead after a pause. The first
// advance only starts the count (scene time 0).
class SceneClock {
public:
    SceneClock();
    // Takes the time elapsed since the last advance (none while stopped)
    // and returns the scene time.
    double Advance();
    double Now() const { return now_; }
    // The scene time elapsed at the last advance.
    double LastStep() const { return lastStep_; }
    void Stop();
    void Start();
    bool Running() const { return running_; }
    // Where real time comes from, in seconds: the steady clock unless a
    // test gives its own.
    std::function<double()> realTime;

private:
    double now_ = 0, lastStep_ = 0, lastReal_ = 0;
    bool running_ = true;
};

} // namespace scene3d
