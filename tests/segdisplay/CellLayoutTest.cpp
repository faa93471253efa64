#include "segdisplay/geometry/CellLayout.h"

#include "FrontPanel.h"

#include <gtest/gtest.h>
#include <vector>

namespace glintar
{
namespace
{

using fixtures::frontPanelDisplay;

std::vector<int> lefts(const std::vector<DigitCell>& cells)
{
    std::vector<int> xs;
    for (const DigitCell& cell : cells)
        xs.push_back(cell.x);
    return xs;
}

TEST(LayoutCells, FrontPanelDisplay)
{
    const std::vector<DigitCell> cells = layoutCells(frontPanelDisplay());
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(lefts(cells), (std::vector<int>{6, 38, 70, 102, 134, 166, 198, 230, 262}));
    for (const DigitCell& cell : cells) {
        EXPECT_EQ(cell.y, 36);
        EXPECT_EQ(cell.width, 26);
        EXPECT_EQ(cell.height, 44);
        EXPECT_TRUE(cell.shown.empty());
    }
}

// Cell count by mode, and where the first cell starts: the sign's position is kept free when
// PlusMinuMode is 2, in every mode.
TEST(LayoutCells, CountAndFirstPositionByMode)
{
    struct Case {
        int mode;
        int dateType;
        int plusMinuMode;
        int adjustMode;
        std::size_t count;
        int firstX;
        int secondX;
    };
    // Width 26; manual gap 6 (stride 32), automatic gap Near(10.4) = 10 (stride 36).
    for (const Case c : {
             Case{1, 1, 0, 1, 9, 6, 38},
             {2, 0, 0, 1, 9, 6, 38},
             {0, 0, 0, 1, 6, 6, 38},
             {0, 1, 0, 1, 16, 6, 38},
             {0, 3, 0, 1, 16, 6, 38},
             {1, 0, 1, 1, 9, 6, 38},
             {1, 0, 2, 1, 9, 38, 70},
             {0, 0, 2, 1, 6, 38, 70},
             {2, 0, 2, 0, 9, 42, 78},
             {1, 0, 0, 0, 9, 6, 42},
         }) {
        GeometryProperties p = frontPanelDisplay();
        p.mode = c.mode;
        p.dateType = c.dateType;
        p.plusMinuMode = c.plusMinuMode;
        p.adjustMode = c.adjustMode;
        const std::vector<DigitCell> cells = layoutCells(p);
        ASSERT_EQ(cells.size(), c.count) << "mode " << c.mode << " date type " << c.dateType;
        EXPECT_EQ(cells[0].x, c.firstX) << "mode " << c.mode << " sign " << c.plusMinuMode;
        EXPECT_EQ(cells[1].x, c.secondX) << "mode " << c.mode << " adjust " << c.adjustMode;
    }
}

TEST(LayoutCells, NewControlDefaults)
{
    // 320 x 69: Height Near(55.2) = 55, Width Near(32.43) = 32, gap 14, Y Near(3.45) = 3,
    // X Near(16 + 46 i).
    const std::vector<DigitCell> cells = layoutCells(GeometryProperties{});
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(lefts(cells), (std::vector<int>{16, 62, 108, 154, 200, 246, 292}));
    EXPECT_EQ(cells[0].height, 55);
    EXPECT_EQ(cells[0].width, 32);
    EXPECT_EQ(cells[0].y, 3);
}

TEST(LayoutCells, CellCountIsBoundedForUncheckedLoadedValues)
{
    struct Case {
        int ledBitNum;
        std::size_t count;
    };
    for (const Case c : {Case{0, 0}, {-4, 0}, {1, 1}, {100, 100}, {1000000, 100}}) {
        GeometryProperties p = frontPanelDisplay();
        p.ledBitNum = c.ledBitNum;
        EXPECT_EQ(layoutCells(p).size(), c.count) << c.ledBitNum;
    }
}

// Before the control has a client area everything collapses to the corner; a size that cannot
// be represented leaves that quantity at 0 while the later steps still run.
TEST(LayoutCells, DegenerateSizesLeaveTheirStepAtZero)
{
    GeometryProperties p = frontPanelDisplay();
    p.clientWidth = 0;
    p.clientHeight = 0;
    std::vector<DigitCell> cells = layoutCells(p);
    EXPECT_EQ(cells[0].height, 0);
    EXPECT_EQ(cells[0].width, 1); // Near(0 * 60 / 105 + 1)
    EXPECT_EQ(cells[0].y, 0);
    EXPECT_EQ(cells[2].x, 14); // 2 x (1 + 6)

    p = frontPanelDisplay();
    p.ledSize = 1e300;
    p.ledX = -1e300;
    cells = layoutCells(p);
    EXPECT_EQ(cells[0].height, 0);
    EXPECT_EQ(cells[0].width, 1);
    EXPECT_EQ(cells[0].y, 36);
    EXPECT_EQ(cells[3].x, 0);
}

} // namespace
} // namespace glintar
