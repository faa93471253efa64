#include "segdisplay/geometry/Frame.h"

#include "segdisplay/geometry/Captions.h"

#include <gtest/gtest.h>
#include <limits>

namespace glintar
{

void PrintTo(const Shape& shape, std::ostream* out)
{
    *out << "role " << static_cast<int>(shape.role) << ":";
    if (const Polygon* polygon = std::get_if<Polygon>(&shape.outline))
        for (const Point& p : *polygon)
            *out << " (" << p.x << ", " << p.y << ")";
}

namespace
{

using Role = ColourRole;

Shape polygon(Role role, Polygon outline)
{
    return {role, outline};
}

// A new control: 320 x 69, outline 2 raised, border 1, inline 3 lowered.
const Polygon kOutlineUpperLeft = {{{0, 0}, {320, 0}, {319, 1}, {1, 1}, {1, 67}, {0, 68}}};
const Polygon kOutlineLowerRight = {{{0, 69}, {320, 69}, {320, 0}, {318, 2}, {318, 67}, {2, 67}}};
const Polygon kInlineLowerRight = {{{3, 65}, {316, 65}, {316, 3}, {314, 5}, {314, 63}, {6, 63}}};
const Polygon kInlineUpperLeft = {{{3, 3}, {317, 3}, {315, 5}, {5, 5}, {5, 63}, {3, 65}}};
const Polygon kBorderUpperLeft = {{{2, 2}, {318, 2}, {317, 2}, {2, 2}, {2, 66}, {2, 66}}};
const Polygon kBorderLowerRight = {{{2, 66}, {317, 66}, {317, 2}, {317, 3}, {317, 66}, {3, 66}}};

TEST(DrawFrame, NewControlPointForPointInPaintingOrder)
{
    EXPECT_EQ(drawFrame(GeometryProperties{}), (Shapes{
                                                   polygon(Role::BorderLight, kOutlineUpperLeft),
                                                   polygon(Role::BorderShadow, kOutlineLowerRight),
                                                   polygon(Role::BorderLight, kInlineLowerRight),
                                                   polygon(Role::BorderShadow, kInlineUpperLeft),
                                                   polygon(Role::BorderColor, kBorderUpperLeft),
                                                   polygon(Role::BorderColor, kBorderLowerRight),
                                               }));
}

TEST(DrawFrame, StylesChooseTheColoursAndUnknownStylesPaintNothing)
{
    struct Case {
        int outLineStyle;
        int inLineStyle;
        Shapes expected;
    };
    const Shape border[] = {polygon(Role::BorderColor, kBorderUpperLeft),
                            polygon(Role::BorderColor, kBorderLowerRight)};
    for (const Case& c : {
             Case{2,
                  1,
                  {polygon(Role::BorderShadow, kOutlineUpperLeft),
                   polygon(Role::BorderLight, kOutlineLowerRight),
                   polygon(Role::BorderShadow, kInlineLowerRight),
                   polygon(Role::BorderLight, kInlineUpperLeft), border[0], border[1]}},
             Case{0, 3, {border[0], border[1]}},
         }) {
        GeometryProperties p;
        p.outLineStyle = c.outLineStyle;
        p.inLineStyle = c.inLineStyle;
        EXPECT_EQ(drawFrame(p), c.expected) << c.outLineStyle << "/" << c.inLineStyle;
    }
}

TEST(DrawFrame, RingsOfNoWidthAreLeftOut)
{
    struct Case {
        int outLine;
        int border;
        int inLine;
        std::vector<Role> roles;
    };
    for (const Case& c : {
             Case{0, 0, 0, {}},
             Case{0, 1, 0, {Role::BorderColor, Role::BorderColor}},
             Case{2, 0, -3, {Role::BorderLight, Role::BorderShadow}},
             Case{0, 0, 3, {Role::BorderLight, Role::BorderShadow}},
         }) {
        GeometryProperties p;
        p.outLineWidth = c.outLine;
        p.borderWidth = c.border;
        p.inLineWidth = c.inLine;
        std::vector<Role> roles;
        for (const Shape& shape : drawFrame(p))
            roles.push_back(shape.role);
        EXPECT_EQ(roles, c.roles) << c.outLine << "/" << c.border << "/" << c.inLine;
    }
}

// Widths far beyond half the control (a loaded form is not range-checked) still give every ring
// half, saturated rather than wrapped around.
TEST(DrawFrame, OverlappingRingsAreStillPainted)
{
    GeometryProperties p;
    p.outLineWidth = 1000;
    p.borderWidth = std::numeric_limits<int>::max();
    p.inLineWidth = std::numeric_limits<int>::max();
    const Shapes shapes = drawFrame(p);
    ASSERT_EQ(shapes.size(), 6u);
    // The inline's upper-left half ends at (t - 1, t - 1), far beyond any pixel.
    EXPECT_EQ(std::get<Polygon>(shapes[3].outline)[3],
              (Point{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}));
}

TEST(BackPictureRect, InsideAllThreeRings)
{
    EXPECT_EQ(backPictureRect(GeometryProperties{}), (Rect{6, 6, 314, 63}));
    GeometryProperties p;
    p.borderWidth = 0;
    p.outLineWidth = 0;
    p.inLineWidth = 0;
    EXPECT_EQ(backPictureRect(p), (Rect{0, 0, 320, 69}));
}

TEST(CaptionTopLeft, CentresTheTextOnItsPoint)
{
    GeometryProperties p;                                             // 320 x 69
    EXPECT_EQ(captionTopLeft(p, 0.5, 0.5, 41, 15), (Point{140, 27})); // 139.5 -> 140
    EXPECT_EQ(captionTopLeft(p, 0.1, 0.9, 20, 10), (Point{22, 57}));  // (22, 57.1)
}

} // namespace
} // namespace glintar
