// The texts of digital and time/date mode, against the worked examples.

#include "segdisplay/DisplayText.h"

#include "segdisplay/geometry/CharacterTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{

using glintar::buildNumberText;
using glintar::buildTimeText;
using glintar::DateTime;
using glintar::formatFixed;
using glintar::NumberFormat;
using glintar::SignMode;

struct FixedCase {
    double x;
    int decimals;
    const char* text;
};

class FormatFixed : public testing::TestWithParam<FixedCase>
{
};

TEST_P(FormatFixed, RoundsHalfAwayFromZeroOnTheDecimalValue)
{
    const FixedCase c = GetParam();
    EXPECT_EQ(formatFixed(c.x, c.decimals), c.text) << c.x << " with " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixed,
    testing::Values(FixedCase{12.5, 1, "12.5"}, FixedCase{0, 0, "0"}, FixedCase{0, 2, "0.00"},
                    FixedCase{0.5, 0, "1"}, FixedCase{2.5, 0, "3"}, FixedCase{-2.5, 0, "-3"},
                    FixedCase{0.4, 0, "0"}, FixedCase{-0.4, 0, "-0"},
                    // 2.675 is 2.67499999... in binary; it reads 2.675 and rounds up.
                    FixedCase{2.675, 2, "2.68"}, FixedCase{0.005, 2, "0.01"},
                    FixedCase{0.004, 2, "0.00"}, FixedCase{9.995, 2, "10.00"},
                    FixedCase{99.96, 1, "100.0"}, FixedCase{0.1, 3, "0.100"},
                    FixedCase{7040000, 0, "7040000"}, FixedCase{7040000.2, 0, "7040000"},
                    FixedCase{7040000.5, 0, "7040001"}, FixedCase{1234567890, 0, "1234567890"},
                    FixedCase{1e20, 0, "100000000000000000000"}, FixedCase{0.000123, 4, "0.0001"},
                    FixedCase{5e-7, 6, "0.000001"}, FixedCase{3.14159, -2, "3"}));

TEST(FormatFixedEdges, NonFiniteValuesHaveNoText)
{
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 2), std::nullopt);
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 0), std::nullopt);
    EXPECT_EQ(buildNumberText(-std::numeric_limits<double>::infinity(), {}), std::nullopt);
}

struct NumberCase {
    double value;
    int decimals;
    bool leadingZeros;
    SignMode sign;
    const char* text;
};

class BuildNumberText : public testing::TestWithParam<NumberCase>
{
};

TEST_P(BuildNumberText, MatchesTheFrontPanelExamples)
{
    const NumberCase c = GetParam();
    const NumberFormat format{c.decimals, 9, c.leadingZeros, c.sign};
    EXPECT_EQ(buildNumberText(c.value, format), c.text) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    NineCells, BuildNumberText,
    testing::Values(NumberCase{7040000, 0, false, SignMode::NegativeOnly, "7040000"},
                    NumberCase{7040000, 0, true, SignMode::NegativeOnly, "007040000"},
                    NumberCase{-12.5, 1, false, SignMode::NegativeOnly, "-12.5"},
                    NumberCase{-12.5, 1, false, SignMode::Always, "-12.5"},
                    NumberCase{12.5, 1, false, SignMode::Always, "+12.5"},
                    NumberCase{12.5, 1, true, SignMode::Always, "+0000012.5"},
                    NumberCase{-12.5, 1, false, SignMode::LeadingSign, "12.5"},
                    NumberCase{-12.5, 1, true, SignMode::LeadingSign, "00000012.5"},
                    NumberCase{-0.4, 0, false, SignMode::NegativeOnly, "-0"},
                    NumberCase{-7, 0, true, SignMode::NegativeOnly, "-00000007"},
                    NumberCase{1234567890, 0, false, SignMode::NegativeOnly, "1234567890"},
                    NumberCase{1234567890, 0, true, SignMode::NegativeOnly, "01234567890"}));

TEST(BuildTimeText, EachDateTypeOrdersTheDateAndAppendsTheTime)
{
    const DateTime t{2000, 7, 25, 9, 18, 34};
    EXPECT_EQ(buildTimeText(0, t), "09:18:34");
    EXPECT_EQ(buildTimeText(1, t), "2000-07-2509:18:34");
    EXPECT_EQ(buildTimeText(2, t), "25-07-200009:18:34");
    EXPECT_EQ(buildTimeText(3, t), "07-25-200009:18:34");
    // Only a loaded form can hold another type; it still fills the 16 cells of a date layout.
    EXPECT_EQ(buildTimeText(7, t), "2000-07-2509:18:34");
    EXPECT_EQ(buildTimeText(0, DateTime{2024, 1, 2, 0, 5, 7}), "00:05:07");
    EXPECT_EQ(buildTimeText(1, DateTime{987, 12, 31, 23, 59, 59}), "0987-12-3123:59:59");
}

using glintar::drawText;
using glintar::TextStep;

bool drawable(char c)
{
    return glintar::litSegments(static_cast<unsigned char>(c)).has_value();
}

TextStep cell(int index, char ch)
{
    return {TextStep::Kind::Character, index, ch};
}

TextStep point(int index, char ch)
{
    return {TextStep::Kind::Point, index, ch};
}

// Blank cells from `from` down to 0, as the walk paints them.
std::vector<TextStep> withBlanks(std::vector<TextStep> steps, int from)
{
    for (int i = from; i >= 0; --i)
        steps.push_back(cell(i, ' '));
    return steps;
}

TEST(DrawText, PlacesTheTextFromTheRightWithPointsInTheGaps)
{
    // The point lands right of the cell the 2 fills.
    EXPECT_EQ(drawText("12.5", 9, drawable),
              withBlanks({cell(8, '5'), point(7, '.'), cell(7, '2'), cell(6, '1')}, 5));
    // A character without a segment form takes no cell.
    EXPECT_EQ(drawText("a#b", 3, drawable), withBlanks({cell(2, 'b'), cell(1, 'a')}, 0));
    EXPECT_EQ(
        drawText("12:34", 7, drawable),
        withBlanks({cell(6, '4'), cell(5, '3'), point(4, ':'), cell(4, '2'), cell(3, '1')}, 2));
    // Only points: all three in the gap right of the last cell, every cell blank.
    EXPECT_EQ(drawText("...", 3, drawable),
              withBlanks({point(2, '.'), point(2, '.'), point(2, '.')}, 2));
}

TEST(DrawText, DropsWhatDoesNotFitOnTheLeftAndCopesWithNoCells)
{
    const auto steps = drawText("1234567890", 9, drawable);
    ASSERT_EQ(steps.size(), 9u);
    EXPECT_EQ(steps.front(), cell(8, '0'));
    EXPECT_EQ(steps.back(), cell(0, '2'));
    EXPECT_TRUE(drawText("12", 0, drawable).empty());
    EXPECT_EQ(drawText("", 2, drawable), withBlanks({}, 1));
}

} // namespace
