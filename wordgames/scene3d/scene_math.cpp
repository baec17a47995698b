// SPDX-License-Identifier: GPL-3.0-or-later
// Paths between waypoints and the scene clock.
#include "wordgames/scene3d/scene_math.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace scene3d {

namespace {
Vec3 Lerp(Vec3 a, Vec3 b, double f)
{
    auto mix = [f](float u, float v) { return float(u + (v - u) * f); };
    return {mix(a.x, b.x), mix(a.y, b.y), mix(a.z, b.z)};
}

double SteadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

Waypoint PointOnPath(const std::vector<Waypoint> &path, double time)
{
    if (path.empty())
        return {};
    if (time <= path.front().time)
        return path.front();
    const auto after = std::upper_bound(path.begin(), path.end(), time,
                                        [](double t, const Waypoint &w) { return t < w.time; });
    if (after == path.end())
        return path.back();
    const Waypoint &from = *(after - 1), &to = *after;
    const double f = (time - from.time) / (to.time - from.time);
    return {time, Lerp(from.position, to.position, f), Lerp(from.rotation, to.rotation, f)};
}

SceneClock::SceneClock() : realTime(SteadySeconds), lastReal_(std::numeric_limits<double>::quiet_NaN()) {}

double SceneClock::Advance()
{
    lastStep_ = 0;
    if (running_) {
        const double real = realTime();
        if (std::isnan(lastReal_))
            lastReal_ = real; // the first advance starts the count
        // A real clock that goes back (or a test that rewinds it) never
        // makes the scene go back.
        lastStep_ = std::max(0.0, real - lastReal_);
        lastReal_ = real;
        now_ += lastStep_;
    }
    return now_;
}

void SceneClock::Stop()
{
    if (!running_)
        return;
    Advance();
    running_ = false;
}

void SceneClock::Start()
{
    if (running_)
        return;
    running_ = true;
    lastReal_ = realTime();
}

} // namespace scene3d
