#include "segdisplay/geometry/Segments.h"

#include "FrontPanel.h"
#include "segdisplay/geometry/CellLayout.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace glintar
{

void PrintTo(const Point& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

namespace
{

using fixtures::frontPanelDisplay;

// Cell 0 of the front panel's display.
const DigitCell kCell0{6, 36, 26, 44, {}};

struct ExpectedSegment {
    Segment segment;
    Polygon outline;
};

void expectSegments(const SegmentPolygons& actual, std::initializer_list<ExpectedSegment> expected)
{
    for (const ExpectedSegment& e : expected)
        EXPECT_EQ(actual[e.segment], e.outline) << "segment " << static_cast<int>(e.segment);
}

TEST(HexSegments, FrontPanelCellZeroPointForPoint)
{
    const SegmentPolygons s = hexSegments(frontPanelDisplay(), kCell0);
    expectSegments(
        s, {
               {Segment::A, {{{10, 39}, {12, 37}, {23, 37}, {25, 39}, {23, 41}, {12, 41}}}},
               {Segment::B, {{{8, 41}, {10, 43}, {10, 54}, {8, 56}, {6, 54}, {6, 43}}}},
               {Segment::C, {{{8, 60}, {10, 62}, {10, 73}, {8, 75}, {6, 73}, {6, 62}}}},
               {Segment::D, {{{10, 77}, {12, 75}, {23, 75}, {25, 77}, {23, 79}, {12, 79}}}},
               {Segment::E, {{{27, 60}, {29, 62}, {29, 73}, {27, 75}, {25, 73}, {25, 62}}}},
               {Segment::F, {{{27, 41}, {29, 43}, {29, 54}, {27, 56}, {25, 54}, {25, 43}}}},
               {Segment::G, {{{10, 58}, {12, 56}, {23, 56}, {25, 58}, {23, 60}, {12, 60}}}},
               {Segment::PlusBar, {{{17, 50}, {19, 52}, {19, 63}, {17, 65}, {15, 63}, {15, 52}}}},
           });
}

TEST(BevelSegments, FrontPanelCellZeroPointForPoint)
{
    GeometryProperties p = frontPanelDisplay();
    p.ledType = 1;
    const SegmentPolygons s = segmentPolygons(p, kCell0);
    expectSegments(
        s, {
               {Segment::A, {{{7, 37}, {12, 42}, {20, 42}, {25, 37}, {25, 37}, {25, 37}}}},
               {Segment::B, {{{5, 39}, {5, 39}, {5, 39}, {10, 44}, {10, 52}, {5, 57}}}},
               {Segment::C, {{{5, 61}, {5, 61}, {5, 61}, {10, 66}, {10, 74}, {5, 79}}}},
               {Segment::D, {{{25, 81}, {20, 76}, {12, 76}, {7, 81}, {7, 81}, {7, 81}}}},
               {Segment::E, {{{27, 61}, {22, 66}, {22, 74}, {27, 79}, {27, 79}, {27, 79}}}},
               {Segment::F, {{{27, 39}, {22, 44}, {22, 52}, {27, 57}, {27, 57}, {27, 57}}}},
               {Segment::G, {{{7, 59}, {9, 57}, {23, 57}, {25, 59}, {23, 61}, {9, 61}}}},
               // g (x 7..25, y 57..61) turned upright about its left tip and centred on it.
               {Segment::PlusBar, {{{16, 50}, {18, 52}, {18, 66}, {16, 68}, {14, 66}, {14, 52}}}},
           });
}

TEST(SegmentPolygons, LedTypeChoosesTheStyleAnyOtherValueIsBevel)
{
    GeometryProperties p = frontPanelDisplay();
    const Polygon hexTop = hexSegments(p, kCell0)[Segment::A];
    const Polygon bevelTop = bevelSegments(p, kCell0)[Segment::A];
    ASSERT_NE(hexTop, bevelTop);
    for (const auto& [ledType, top] : {std::pair{0, hexTop}, {1, bevelTop}, {7, bevelTop}}) {
        p.ledType = ledType;
        EXPECT_EQ(segmentPolygons(p, kCell0)[Segment::A], top) << "LedType " << ledType;
    }
}

// Half-thickness of the manual hexagon: a half rounds to even, and never below one pixel.
TEST(HexSegments, ManualHalfThicknessRoundsHalvesToEven)
{
    struct Case {
        int segmentWidth;
        int half;
    };
    for (const Case c : {Case{5, 2}, {7, 4}, {1, 1}, {0, 1}, {-6, 1}}) {
        GeometryProperties p = frontPanelDisplay();
        p.segmentWidth = c.segmentWidth;
        const Polygon a = hexSegments(p, kCell0)[Segment::A];
        EXPECT_EQ(a[0].y - a[1].y, c.half) << "SegmentWidth " << c.segmentWidth;
    }
}

TEST(HexSegments, AutomaticGeometryDerivesThicknessFromTheCell)
{
    GeometryProperties p = frontPanelDisplay();
    p.adjustMode = 0;
    // d = 15: t = Near(2.5) = 2, s = h = 1, q = 17.
    const SegmentPolygons s = hexSegments(p, kCell0);
    expectSegments(s,
                   {
                       {Segment::A, {{{10, 39}, {11, 38}, {24, 38}, {25, 39}, {24, 40}, {11, 40}}}},
                       {Segment::B, {{{9, 40}, {10, 41}, {10, 54}, {9, 55}, {8, 54}, {8, 41}}}},
                       {Segment::E, {{{26, 57}, {27, 58}, {27, 71}, {26, 72}, {25, 71}, {25, 58}}}},
                       {Segment::D, {{{10, 73}, {11, 72}, {24, 72}, {25, 73}, {24, 74}, {11, 74}}}},
                   });
}

// At 90 degrees a slant is no slant: both styles give their upright outlines. The slanted
// hexagon has no inset of a twelfth of the height, so it sits 4 pixels further left.
TEST(SlantedSegments, NinetyDegreesIsUpright)
{
    struct Case {
        int ledType;
        int shift;
    };
    for (const Case c : {Case{0, -4}, {1, 0}}) {
        GeometryProperties p = frontPanelDisplay();
        p.ledType = c.ledType;
        const SegmentPolygons upright = segmentPolygons(p, kCell0);
        p.italic = true;
        p.italicAngle = 90;
        const SegmentPolygons slanted = segmentPolygons(p, kCell0);
        for (std::size_t i = 0; i < kSegmentCount; ++i)
            EXPECT_EQ(slanted.polygons[i], offsetPolygon(upright.polygons[i], c.shift, 0))
                << "LedType " << c.ledType << " segment " << i;
    }
}

TEST(SlantedSegments, HexagonAtEightySixDegreesLeansRight)
{
    GeometryProperties p = frontPanelDisplay();
    p.italic = true;
    p.italicAngle = 86;
    // d = 15, s = 2, h = 2: sx = Near(-19 cos 86) = -1, sy = Near(19 sin 86) = 19, so the top
    // bar starts at 6 + 4 = 10 and the lower half moves one pixel left.
    const SegmentPolygons s = hexSegments(p, kCell0);
    expectSegments(
        s, {
               {Segment::A, {{{10, 39}, {12, 37}, {23, 37}, {25, 39}, {23, 41}, {12, 41}}}},
               {Segment::B, {{{8, 41}, {10, 43}, {9, 54}, {7, 56}, {5, 54}, {6, 43}}}},
               {Segment::C, {{{7, 60}, {9, 62}, {8, 73}, {6, 75}, {4, 73}, {5, 62}}}},
               {Segment::D, {{{8, 77}, {10, 75}, {21, 75}, {23, 77}, {21, 79}, {10, 79}}}},
               {Segment::E, {{{26, 60}, {28, 62}, {27, 73}, {25, 75}, {23, 73}, {24, 62}}}},
               {Segment::F, {{{27, 41}, {29, 43}, {28, 54}, {26, 56}, {24, 54}, {25, 43}}}},
               {Segment::G, {{{9, 58}, {11, 56}, {22, 56}, {24, 58}, {22, 60}, {11, 60}}}},
               // The plus bar stays upright.
               {Segment::PlusBar, {{{17, 50}, {19, 52}, {19, 63}, {17, 65}, {15, 63}, {15, 52}}}},
           });
}

// In automatic geometry the hexagon style always slants at 86 degrees; the bevel style follows
// the property in both adjust modes.
TEST(SlantedSegments, AutomaticHexagonIgnoresItalicAngleBevelFollowsIt)
{
    GeometryProperties p = frontPanelDisplay();
    p.adjustMode = 0;
    p.italic = true;
    auto outlinesAt = [&](int ledType, int angle) {
        p.ledType = ledType;
        p.italicAngle = angle;
        return segmentPolygons(p, kCell0).polygons;
    };
    EXPECT_EQ(outlinesAt(0, 60), outlinesAt(0, 86));
    EXPECT_EQ(outlinesAt(0, 120), outlinesAt(0, 86));
    EXPECT_NE(outlinesAt(1, 60), outlinesAt(1, 86));
    p.adjustMode = 1;
    EXPECT_NE(outlinesAt(0, 60), outlinesAt(0, 86));
}

TEST(SlantedSegments, BevelTurnsSideBarsAboutTheirTopOuterCorner)
{
    GeometryProperties p = frontPanelDisplay();
    p.ledType = 1;
    const SegmentPolygons upright = segmentPolygons(p, kCell0);
    p.italic = true;
    p.italicAngle = 80;
    const SegmentPolygons s = segmentPolygons(p, kCell0);
    // len = 18, s = 2: sx = Near(-22 cos 80) = -4, sy = Near(22 sin 80) = 22.
    EXPECT_EQ(s[Segment::A], upright[Segment::A]);
    EXPECT_EQ(s[Segment::PlusBar], upright[Segment::PlusBar]);
    EXPECT_EQ(s[Segment::B][0], upright[Segment::B][0]);
    EXPECT_EQ(s[Segment::F][0], upright[Segment::F][0]);
    // Turned by -10 degrees, the bars' lower ends swing left: the lean of a right-leaning face.
    EXPECT_LT(s[Segment::B][5].x, upright[Segment::B][5].x);
    EXPECT_LT(s[Segment::F][3].x, upright[Segment::F][3].x);
    EXPECT_EQ(s[Segment::C], offsetPolygon(s[Segment::B], -4, 22));
    EXPECT_EQ(s[Segment::E], offsetPolygon(s[Segment::F], -4, 22));
    EXPECT_EQ(s[Segment::D], offsetPolygon(upright[Segment::D], -8, 0));
    EXPECT_EQ(s[Segment::G], offsetPolygon(upright[Segment::G], -4, 0));
}

TEST(Segments, ZeroSizedCellGivesDegenerateButDefinedOutlines)
{
    for (const int ledType : {0, 1}) {
        for (const bool italic : {false, true}) {
            GeometryProperties p = frontPanelDisplay();
            p.ledType = ledType;
            p.italic = italic;
            p.adjustMode = 0;
            const SegmentPolygons s = segmentPolygons(p, DigitCell{});
            // Tiny, around the origin, never scattered across the window.
            for (const Polygon& polygon : s.polygons)
                for (const Point& point : polygon) {
                    EXPECT_LE(std::abs(point.x), 10);
                    EXPECT_LE(std::abs(point.y), 10);
                }
        }
    }
}

// A loaded form is not range-checked: sums of absurd pixel properties must saturate at the far
// edge, not wrap around (the sanitizers catch any signed overflow on the way).
TEST(Segments, AbsurdStoredPropertiesSaturateInsteadOfOverflowing)
{
    GeometryProperties p = frontPanelDisplay();
    p.segmentWidth = std::numeric_limits<int>::max();
    p.segmentSeparation = std::numeric_limits<int>::max();
    p.italicAngle = 80;
    for (const int ledType : {0, 1})
        for (const bool italic : {false, true}) {
            p.ledType = ledType;
            p.italic = italic;
            const SegmentPolygons s = segmentPolygons(p, kCell0);
            EXPECT_EQ(s[Segment::D][0].y, std::numeric_limits<int>::max())
                << "LedType " << ledType << (italic ? " slanted" : " upright");
        }
}

} // namespace
} // namespace glintar
