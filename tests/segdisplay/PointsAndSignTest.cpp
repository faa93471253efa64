#include "FrontPanel.h"
#include "segdisplay/geometry/CellLayout.h"
#include "segdisplay/geometry/LeadingSign.h"
#include "segdisplay/geometry/Points.h"

#include <gtest/gtest.h>
#include <vector>

namespace glintar
{
namespace
{

using fixtures::frontPanelDisplay;

Shape lit(Rect rect)
{
    return {ColourRole::Lit, rect};
}

Shape unlit(Rect rect)
{
    return {ColourRole::Unlit, rect};
}

class FrontPanelPoints : public ::testing::Test
{
protected:
    GeometryProperties properties = frontPanelDisplay();
    std::vector<DigitCell> cells = layoutCells(properties);
};

TEST_F(FrontPanelPoints, DecimalPointAndColonAfterCellZero)
{
    EXPECT_EQ(drawPoint(properties, cells, 0, U'.'), (Shapes{lit({32, 74, 37, 79})}));
    EXPECT_EQ(drawPoint(properties, cells, 0, U':'),
              (Shapes{lit({32, 49, 37, 54}), lit({32, 64, 37, 69})}));
}

TEST_F(FrontPanelPoints, PlacementBySegmentStyleAndAdjustMode)
{
    struct Case {
        int ledType;
        int adjustMode;
        int index;
        Rect point;
    };
    for (const Case c : {
             // Bevelled characters: Near(32.5 - 26 / 20) = 31.
             Case{1, 1, 0, {31, 74, 36, 79}},
             // Automatic: size Near(4.4) = 4, gap Near(10.4) = 10: left 35, top Near(73.6) = 74.
             {0, 0, 0, {35, 74, 39, 78}},
             // Sizes come from cell 0, the place from cell p.
             {0, 1, 3, {32 + 96, 74, 37 + 96, 79}},
         }) {
        properties.ledType = c.ledType;
        properties.adjustMode = c.adjustMode;
        EXPECT_EQ(drawPoint(properties, cells, c.index, U'.'), (Shapes{lit(c.point)}))
            << "LedType " << c.ledType << " adjust " << c.adjustMode << " cell " << c.index;
    }
}

TEST_F(FrontPanelPoints, AutomaticPointIsAtLeastThreePixels)
{
    properties.adjustMode = 0;
    properties.clientHeight = 50; // cells 18 high: Near(1.8) = 2 is too small
    cells = layoutCells(properties);
    const Shapes shapes = drawPoint(properties, cells, 0, U'.');
    ASSERT_EQ(shapes.size(), 1u);
    const Rect square = std::get<Rect>(shapes[0].outline);
    EXPECT_EQ(square.right - square.left, 3);
    EXPECT_EQ(square.bottom - square.top, 3);
}

TEST_F(FrontPanelPoints, NothingForOtherCharactersOrCellsOutsideTheRow)
{
    EXPECT_TRUE(drawPoint(properties, cells, 0, U',').empty());
    EXPECT_TRUE(drawPoint(properties, cells, 0, U'8').empty());
    EXPECT_TRUE(drawPoint(properties, cells, -1, U'.').empty());
    EXPECT_TRUE(drawPoint(properties, cells, 9, U'.').empty());
    EXPECT_TRUE(drawPoint(properties, {}, 0, U':').empty());
}

TEST_F(FrontPanelPoints, LeadingSignBarsAndWhichAreLit)
{
    const Rect vertical{16, 39, 21, 54};
    const Rect upper{11, 44, 26, 49};
    const Rect lower{11, 70, 26, 75};
    const Shapes allUnlit = {unlit(vertical), unlit(upper), unlit(lower)};
    struct Case {
        double value;
        Shapes lit;
    };
    for (const Case& c : {
             Case{0, {lit(vertical), lit(upper)}},
             Case{7040000, {lit(vertical), lit(upper)}},
             Case{-0.0, {lit(vertical), lit(upper)}},
             Case{-12.5, {lit(lower)}},
         }) {
        Shapes expected = allUnlit;
        expected.insert(expected.end(), c.lit.begin(), c.lit.end());
        EXPECT_EQ(drawLeadingSign(properties, cells, c.value), expected) << c.value;
    }
}

// The sign reads the cell size from cell 0 but its place from LedX and LedY, so shifting the
// cells right for the sign position does not move it.
TEST_F(FrontPanelPoints, LeadingSignSitsInTheFreedPosition)
{
    properties.plusMinuMode = 2;
    cells = layoutCells(properties);
    ASSERT_EQ(cells[0].x, 38);
    const Shapes shapes = drawLeadingSign(properties, cells, 1);
    EXPECT_EQ(std::get<Rect>(shapes[0].outline), (Rect{16, 39, 21, 54}));
    EXPECT_TRUE(drawLeadingSign(properties, {}, 1).empty());
}

} // namespace
} // namespace glintar
