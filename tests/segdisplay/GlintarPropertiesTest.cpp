// The setters' accepted values and mode rules: what is refused leaves the control untouched.

#include "GlintarFixture.h"

namespace glintar::test
{
namespace
{

// One property write and what the property reads afterwards.
struct RangeCase {
    const char* property;
    QVariant written;
    QVariant expected;
};

class PropertyRanges : public GlintarTest, public testing::WithParamInterface<RangeCase>
{
};

TEST_P(PropertyRanges, OutOfRangeValuesAreIgnoredSilently)
{
    const RangeCase c = GetParam();
    auto g = frontPanel(); // digital mode, 9 cells
    g->setProperty(c.property, c.written);
    QVariant actual = g->property(c.property);
    if (actual.metaType().flags() & QMetaType::IsEnumeration)
        actual = actual.toInt();
    EXPECT_EQ(actual, c.expected) << c.property << " := " << c.written.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    FrontPanel, PropertyRanges,
    testing::Values(RangeCase{"decimals", 12, 0}, RangeCase{"decimals", -1, 0},
                    RangeCase{"decimals", 10, 8}, // not below LEDBitNum: LEDBitNum - 1
                    RangeCase{"blinkRate", 70000, 500}, RangeCase{"blinkRate", -5, 500},
                    RangeCase{"blinkRate", 0, 0}, RangeCase{"ledBitNum", 0, 9},
                    RangeCase{"ledBitNum", 101, 9}, RangeCase{"ledBitNum", 100, 100},
                    RangeCase{"italicAngle", 59, 86}, RangeCase{"italicAngle", 121, 86},
                    RangeCase{"italicAngle", 120, 120}, RangeCase{"ledSize", 0.0, 0.36},
                    RangeCase{"ledSize", -1.0, 0.36}, RangeCase{"segmentWidth", 0, 5},
                    RangeCase{"segmentWidth", 101, 5}, RangeCase{"decimalSize", -1, 5},
                    RangeCase{"decimalXOffset", 65536, 0}, RangeCase{"hSpace", -1, 6},
                    RangeCase{"borderWidth", 1001, 0}, RangeCase{"outLineWidth", 1000, 1000},
                    RangeCase{"captionNum", 150, 0}, RangeCase{"fontNum", 0, 1},
                    RangeCase{"fontNum", 21, 1}, RangeCase{"fontID", 1, 0},
                    RangeCase{"captionText", "x", ""},
                    RangeCase{"alphaText", "abc", "0"}, // only in alpha mode
                    RangeCase{"dateType", 2, 1},        // only in time/date mode
                    RangeCase{"mousePointer", 40000, 0}));

TEST_F(GlintarTest, ModeRulesGuardTheModeSpecificProperties)
{
    auto g = newControl(); // alpha mode
    g->setValue(5);
    EXPECT_EQ(g->value(), 0);
    g->setLeadingZeros(true);
    EXPECT_FALSE(g->leadingZeros());
    g->setPlusMinuMode(Glintar::PlusMinuMode::Always);
    EXPECT_EQ(g->plusMinuMode(), Glintar::PlusMinuMode::NegativeOnly);

    g->setMode(Glintar::Mode::TimeDate);
    g->setLedBitNum(3);
    EXPECT_EQ(g->ledBitNum(), 7);

    g->setMode(Glintar::Mode::Digital);
    g->setDecimals(5);
    g->setLedBitNum(3);
    EXPECT_EQ(g->ledBitNum(), 3);
    EXPECT_EQ(g->decimals(), 2);
    g->setValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(g->value(), 0);
    g->setValue(1.5);
    EXPECT_EQ(g->value(), 1.5);
    EXPECT_EQ(g->alphaText(), "1.50");
}

TEST_F(GlintarTest, CaptionAndFontArraysKeepTheirIndexesValid)
{
    auto g = newControl();
    g->setCaptionText("ignored");
    EXPECT_EQ(g->captionText(), "");
    EXPECT_EQ(g->captionColor(), 0u);

    g->setCaptionNum(3);
    g->setCaptionID(2);
    g->setCaptionText("third");
    EXPECT_EQ(g->captionText(), "third");
    EXPECT_EQ(g->captionX(), 0);
    g->setCaptionNum(2); // the selected caption is gone
    EXPECT_EQ(g->captionID(), 0);
    g->setCaptionNum(-3);
    EXPECT_EQ(g->captionNum(), 0);
    EXPECT_EQ(g->captionText(), "");

    g->setFontNum(3);
    g->setFontID(2);
    g->setCaptionNum(1);
    g->setCaptionFontID(2);
    QFont big("DejaVu Sans", 30);
    g->setFontSlot(big);
    EXPECT_EQ(g->fontSlot(), big);
    g->setFontNum(2);
    EXPECT_EQ(g->fontID(), 0);
    EXPECT_EQ(g->captionFontID(), 0);
    EXPECT_EQ(g->fontSlot(), g->font()); // slot 0 is still the ambient font
    g->setCaptionFontID(2);
    EXPECT_EQ(g->captionFontID(), 0);
}

TEST_F(GlintarTest, OnlyTheHostVisiblePropertiesNotifyTheHost)
{
    auto g = newControl();
    QStringList told;
    QObject::connect(g.get(), &Glintar::propertyChanged, [&](const QString& n) { told << n; });
    g->setAutoRedraw(true);
    g->setMousePointer(2);
    g->setEnabled(false);
    g->setLedOnColor(0x123456);
    g->setAlphaText("x");
    g->refresh();
    EXPECT_EQ(told, (QStringList{"AutoRedraw", "MousePointer", "Enabled", QString()}));
}

TEST_F(GlintarTest, ItalicAngleRepaintsOnlyInManualGeometry)
{
    auto g = newControl();
    g->setAdjustMode(Glintar::AdjustMode::Automatic);
    g->resetPaintCounters();
    g->setItalicAngle(70);
    EXPECT_EQ(g->paintCounters().fullRepaints, 0);
    g->setAdjustMode(Glintar::AdjustMode::Manual);
    g->resetPaintCounters();
    g->setItalicAngle(75);
    EXPECT_EQ(g->paintCounters().fullRepaints, 1);
}

} // namespace
} // namespace glintar::test
