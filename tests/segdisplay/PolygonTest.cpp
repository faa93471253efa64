#include "segdisplay/geometry/Polygon.h"

#include "segdisplay/geometry/LocateAngle.h"
#include "segdisplay/geometry/Rounding.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace glintar
{
namespace
{

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(Near, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double x;
        int expected;
    };
    for (const Case c : {Case{2.5, 2},
                         {3.5, 4},
                         {-1.5, -2},
                         {-2.5, -2},
                         {0.5, 0},
                         {-0.5, 0},
                         {43.56, 44},
                         {26.142857, 26},
                         {74.1, 74},
                         {2.4999999, 2},
                         {-7.6, -8},
                         {1e12, kMax},
                         {-1e12, kMin},
                         {std::nan(""), 0}})
        EXPECT_EQ(near(c.x), c.expected) << c.x;
}

TEST(Floor, GoesDown)
{
    struct Case {
        double x;
        int expected;
    };
    for (const Case c : {Case{7.4667, 7}, {-0.5, -1}, {2.5, 2}, {-3, -3}, {1e12, kMax}})
        EXPECT_EQ(floor(c.x), c.expected) << c.x;
}

TEST(NearChecked, FailsOutsideThe32BitRange)
{
    EXPECT_EQ(nearChecked(2.5), 2);
    EXPECT_EQ(nearChecked(-2147483648.0), kMin);
    EXPECT_EQ(nearChecked(3e9), std::nullopt);
    EXPECT_EQ(nearChecked(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(nearChecked(std::nan("")), std::nullopt);
}

TEST(LocateAngle, QuadrantsWithTheHistoricalConstants)
{
    struct Case {
        double x;
        double y;
        double expected;
    };
    for (const Case c : {
             Case{0, 0, 4.712388975},
             {0, -3, 4.712388975},
             {0, 3, 1.570796325},
             {1, 0, 0},
             {1, 1, std::atan(1.0)},
             {-1, 0, 3.14159265},
             {-1, -1, std::atan(1.0) + 3.14159265},
             {1, -1, -std::atan(1.0) + 6.2831853},
         })
        EXPECT_DOUBLE_EQ(locateAngle(c.x, c.y), c.expected) << c.x << ", " << c.y;
}

// Positive angles turn counter-clockwise as seen on the screen, whose rows grow downward.
TEST(RotatePolygon, TurnsAboutTheFirstPointCounterClockwiseOnScreen)
{
    const Polygon rightward = {{{10, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}, {20, 10}}};
    const Polygon leftward = {{{10, 10}, {0, 10}, {0, 10}, {0, 10}, {0, 10}, {0, 10}}};
    struct Case {
        const Polygon& polygon;
        int degrees;
        Point tip;
    };
    for (const Case c : {Case{rightward, 270, {10, 20}}, // now pointing down
                         {rightward, 90, {10, 0}},       // up
                         {rightward, 180, {0, 10}},
                         {rightward, -90, {10, 20}},
                         {leftward, 90, {10, 20}}, // a leftward bar turned by 90 points down
                         {rightward, 0, {20, 10}}}) {
        const Polygon turned = rotatePolygon(c.polygon, c.degrees);
        EXPECT_EQ(turned[0], c.polygon[0]) << c.degrees;
        for (std::size_t i = 1; i < turned.size(); ++i)
            EXPECT_EQ(turned[i], c.tip) << c.degrees << " point " << i;
    }
}

TEST(RotatePolygon, RoundsEachPointOnItsOwn)
{
    // A point on the pivot stays there whatever the angle; others land on the nearest pixel.
    const Polygon polygon = {{{0, 0}, {0, 0}, {3, 0}, {1, -1}, {5, 2}, {0, 0}}};
    const Polygon turned = rotatePolygon(polygon, 45);
    EXPECT_EQ(turned[1], (Point{0, 0}));
    EXPECT_EQ(turned[2], (Point{2, -2})); // (2.12, -2.12)
    EXPECT_EQ(turned[3], (Point{0, -1})); // (0, -1.41)
    EXPECT_EQ(turned[4], (Point{5, -2})); // (4.95, -2.12)
}

TEST(OffsetPolygon, MovesEveryPointAndSaturates)
{
    const Polygon polygon = {{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {kMax, kMin}}};
    const Polygon moved = offsetPolygon(polygon, 10, -2);
    EXPECT_EQ(moved[0], (Point{11, 0}));
    EXPECT_EQ(moved[4], (Point{19, 8}));
    EXPECT_EQ(moved[5], (Point{kMax, kMin}));
}

TEST(RectAt, RoundsTheFourEdges)
{
    EXPECT_EQ(rectAt(32, 74, 5, 5), (Rect{32, 74, 37, 79}));
    EXPECT_EQ(rectAt(2.5, 3.5, 1, 1), (Rect{2, 4, 4, 4}));
}

} // namespace
} // namespace glintar
