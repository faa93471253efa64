#include "bands/SettingsText.h"

#include "bands/ParseNumber.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace orvane
{
namespace
{

TEST(SettingsText, BooleansAndWholeNumbers)
{
    EXPECT_EQ(formatBool(true), "True");
    EXPECT_EQ(formatBool(false), "False");
    EXPECT_EQ(formatWhole(888), "888");
    EXPECT_EQ(formatWhole(-4215), "-4215");
    EXPECT_EQ(formatWhole(0), "0");
}

struct SingleCase {
    float value;
    const char* text;
};

TEST(SettingsText, SinglesKeepSevenSignificantDigits)
{
    const SingleCase cases[] = {
        {100.0f, "100"},
        {180.0f, "180"},
        {125.000123f, "125.0001"},
        {125.5f, "125.5"},
        {30.0f, "30"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {-3915.0f, "-3915"},
        {1234567.4f, "1234567"},
        {12345678.0f, "12345680"},
        {0.1f, "0.1"},
        {20.833333f, "20.83333"},
        {0.00012345678f, "0.0001234568"},
        {2.5e20f, "2.5E+20"},
        {1e-7f, "1E-07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatSingle(c.value), c.text) << c.value;
}

TEST(SettingsText, DoublesKeepFifteenSignificantDigits)
{
    EXPECT_EQ(formatDouble(7040000.0), "7040000");
    EXPECT_EQ(formatDouble(1000.0), "1000");
    EXPECT_EQ(formatDouble(7040000.5), "7040000.5");
    EXPECT_EQ(formatDouble(0.1 + 0.2), "0.3"); // 0.30000000000000004 to 15 digits
    EXPECT_EQ(formatDouble(123456789012345678.0), "1.23456789012346E+17");
    EXPECT_EQ(formatDouble(-2147483648.0), "-2147483648");
}

TEST(SettingsText, WrittenTextsReadBack)
{
    for (float f : {100.0f, 180.0f, 125.5f, 0.1f, -3915.0f, 2.5e20f})
        EXPECT_EQ(parseSingle(formatSingle(f)), f);
    for (double d : {7040000.0, 7040000.5, 1000.0, -0.25})
        EXPECT_EQ(parseDouble(formatDouble(d)), d);
    EXPECT_EQ(parseBool(formatBool(true)), true);
    EXPECT_EQ(parseBool(formatBool(false)), false);
    // Seven digits need not give back the identical single.
    EXPECT_NE(parseSingle(formatSingle(125.000123f)), 125.000123f);
    EXPECT_EQ(parseSingle(formatSingle(125.000123f)), 125.0001f);
}

TEST(SettingsText, ReadersAcceptLooseButMeaningfulText)
{
    EXPECT_EQ(parseBool(" true "), true);
    EXPECT_EQ(parseBool("FALSE"), false);
    EXPECT_EQ(parseBool("-1"), true);
    EXPECT_EQ(parseBool("0"), false);
    EXPECT_EQ(parseInt32(" 632 "), 632);
    EXPECT_EQ(parseInt32("-5"), -5);
    EXPECT_EQ(parseInt32("888.0"), 888);
    EXPECT_EQ(parseInt32("2.5"), 2); // nearest, ties to even
    EXPECT_EQ(parseInt16("4"), 4);
    EXPECT_EQ(parseSingle("+125.5"), 125.5f);
    EXPECT_EQ(parseDouble("7.04E+06"), 7040000.0);
}

TEST(SettingsText, ReadersRefuseTextWithoutAValueOfTheirType)
{
    for (const char* bad : {"", " ", "abc", "True1", "yes", "1 0", "--1", "+-1"})
        EXPECT_FALSE(parseBool(bad)) << '"' << bad << '"';
    for (const char* bad : {"", "LPT1", "888abc", "0x378", "2147483648", "1e10", "nan", "inf"})
        EXPECT_FALSE(parseInt32(bad)) << '"' << bad << '"';
    EXPECT_FALSE(parseInt16("32768"));
    EXPECT_EQ(parseInt16("-32768"), -32768);
    for (const char* bad : {"", "abc", "100 MHz", "1e39", "inf", "-nan", "1,5"})
        EXPECT_FALSE(parseSingle(bad)) << '"' << bad << '"';
    for (const char* bad : {"", "abc", "1e400", "7 040 000"})
        EXPECT_FALSE(parseDouble(bad)) << '"' << bad << '"';
}

struct NumberCase {
    const char* text;
    double value;
};

TEST(ParseNumber, ReadsTheLeadingNumber)
{
    const NumberCase cases[] = {
        {" 125.5 MHz", 125.5},
        {"30", 30},
        {"7 000 000", 7000000},
        {"7,000,000", 7},
        {"", 0},
        {" ", 0},
        {"abc", 0},
        {"0", 0},
        {"-9000000", -9000000},
        {"+.5", 0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"-3.5e2x", -350},
        {"1E", 1},
        {"2e+", 2},
        {"1e-3", 0.001},
        {"\t1\n2", 12},
        {"-", 0},
        {".", 0},
        {"- 4", -4},
        {"1e999", std::numeric_limits<double>::infinity()},
        {"1e-999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace orvane
