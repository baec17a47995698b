// SPDX-License-Identifier: GPL-3.0-or-later
// The scene clock against a hand-driven real clock, and where a path puts an
// object between its waypoints.
#include "wordgames/scene3d/scene_math.h"

#include <gtest/gtest.h>

using scene3d::PointOnPath;
using scene3d::SceneClock;
using scene3d::Vec3;
using scene3d::Waypoint;

namespace {
struct FakeRealTime {
    double seconds = 1000;
    SceneClock clock;
    FakeRealTime()
    {
        clock.realTime = [this] { return seconds; };
    }
};

void ExpectNear(Vec3 actual, Vec3 expected)
{
    EXPECT_FLOAT_EQ(actual.x, expected.x);
    EXPECT_FLOAT_EQ(actual.y, expected.y);
    EXPECT_FLOAT_EQ(actual.z, expected.z);
}
} // namespace

TEST(SceneClock, CountsTheRealTimeBetweenAdvancesFromTheFirstOne)
{
    FakeRealTime t;
    t.seconds = 1005; // before the first advance: not counted
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 0);
    t.seconds += 0.25;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 0.25);
    EXPECT_DOUBLE_EQ(t.clock.LastStep(), 0.25);
    t.seconds += 1.5;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 1.75);
    EXPECT_DOUBLE_EQ(t.clock.Now(), 1.75);
    EXPECT_DOUBLE_EQ(t.clock.LastStep(), 1.5);
    // A real clock that goes back leaves the scene where it is.
    t.seconds -= 3;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 1.75);
    t.seconds += 1;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 2.75);
}

TEST(SceneClock, TheStoppedTimeNeverCounts)
{
    FakeRealTime t;
    t.clock.Advance();
    t.seconds += 2;
    t.clock.Stop(); // the two seconds before the stop count
    EXPECT_FALSE(t.clock.Running());
    EXPECT_DOUBLE_EQ(t.clock.Now(), 2);
    t.seconds += 60;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 2);
    EXPECT_DOUBLE_EQ(t.clock.LastStep(), 0);
    t.seconds += 60;
    t.clock.Start();
    t.clock.Start(); // twice changes nothing
    EXPECT_TRUE(t.clock.Running());
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 2);
    t.seconds += 0.5;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 2.5);
    // Stopping twice does not count the time between the two.
    t.clock.Stop();
    t.seconds += 5;
    t.clock.Stop();
    t.clock.Start();
    t.seconds += 1;
    EXPECT_DOUBLE_EQ(t.clock.Advance(), 3.5);
}

TEST(PointOnPath, InterpolatesBetweenTheWaypointsAroundTheTime)
{
    const std::vector<Waypoint> path = {
        {0, {0, 0, 0}, {0, 0, 0}},
        {2, {4, 0, -2}, {0, 720, 0}}, // two turns on the way
        {3, {4, 1, -2}, {90, 720, 0}},
    };
    ExpectNear(PointOnPath(path, -1).position, {0, 0, 0});
    ExpectNear(PointOnPath(path, 0.5).position, {1, 0, -0.5f});
    ExpectNear(PointOnPath(path, 1).rotation, {0, 360, 0});
    ExpectNear(PointOnPath(path, 2).position, {4, 0, -2});
    ExpectNear(PointOnPath(path, 2.5).position, {4, 0.5f, -2});
    ExpectNear(PointOnPath(path, 2.5).rotation, {45, 720, 0});
    ExpectNear(PointOnPath(path, 9).position, {4, 1, -2});
    ExpectNear(PointOnPath(path, 9).rotation, {90, 720, 0});
    // Two waypoints at one time: a jump, the later one taken.
    const std::vector<Waypoint> jump = {
        {0, {0, 0, 0}, {}}, {1, {1, 0, 0}, {}}, {1, {5, 0, 0}, {}}, {2, {6, 0, 0}, {}}};
    ExpectNear(PointOnPath(jump, 1).position, {5, 0, 0});
    ExpectNear(PointOnPath(jump, 1.5).position, {5.5f, 0, 0});
    ExpectNear(PointOnPath({{3, {7, 7, 7}, {}}}, 0).position, {7, 7, 7});
}
