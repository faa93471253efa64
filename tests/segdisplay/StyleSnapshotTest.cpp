// A display's style and back: fonts with their sizes in whole points, captions, and a style
// carried to another display through its setters.

#include "segdisplay/StyleSnapshot.h"

#include "GlintarFixture.h"
#include "segdisplay/styles/StyleFile.h"

namespace glintar::test {
namespace {

struct SizeCase {
    double points;
    int stored;
};

class FontSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(FontSizes, AreWholePointsWithHalvesToEven)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(GetParam().points);
    EXPECT_EQ(toStyleFont(font).size, GetParam().stored) << GetParam().points;
}

INSTANTIATE_TEST_SUITE_P(Points, FontSizes,
                         testing::Values(SizeCase{9, 9}, SizeCase{9.5, 10}, SizeCase{10.5, 10},
                                         SizeCase{10.6, 11}, SizeCase{11.5, 12}));

TEST(StyleFont, KeepsEveryFieldAndTheWeightWinsOverBold)
{
    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setItalic(true);
    font.setUnderline(true);
    font.setStrikeOut(true);
    font.setWeight(QFont::DemiBold);
    const styles::StyleFont stored = toStyleFont(font);
    // Bold is any weight above medium.
    EXPECT_EQ(stored, (styles::StyleFont{true, true, "DejaVu Serif", 14, true, true, 600}));
    EXPECT_EQ(fromStyleFont(stored), font);

    // Bold says 700, the weight that follows it says 300: the weight holds.
    const QFont light = fromStyleFont({true, false, "Arial", 9, false, false, 300});
    EXPECT_EQ(light.weight(), QFont::Light);
}

TEST(StyleText, IsLatin1WithOtherCharactersAsQuestionMarks)
{
    EXPECT_EQ(toStyleText(QStringLiteral("Gr\u00fcn \u20ac")), "Gr\xfcn ?");
    EXPECT_EQ(fromStyleText("Gr\xfcn"), QStringLiteral("Gr\u00fcn"));
}

TEST_F(GlintarTest, AStyleWithCaptionsAndFontsCarriesToAnotherDisplay)
{
    auto source = frontPanel();
    source->setFontNum(2);
    source->setFontID(1);
    QFont big(QStringLiteral("DejaVu Sans"), 20);
    big.setBold(true);
    source->setFontSlot(big);
    source->setCaptionNum(2);
    source->setCaptionID(1);
    source->setCaptionText(QStringLiteral("MHz"));
    source->setCaptionFontID(1);
    source->setCaptionX(0.9);
    source->setCaptionColor(0x0000FF);
    source->setCaptionID(0); // the host's selection, put back after the snapshot
    source->setFontID(1);

    const styles::StyleRecord style = takeSnapshot(*source, "Panel", "with captions");
    EXPECT_EQ(source->captionID(), 0);
    EXPECT_EQ(source->fontID(), 1);
    ASSERT_EQ(style.captions.size(), 2u);
    EXPECT_EQ(style.captions[1], (styles::StyleCaption{"MHz", 1, 0.9, 0x0000FF, 0.0}));
    ASSERT_EQ(style.fonts.size(), 2u);
    EXPECT_EQ(style.fonts[1].weight, 700);

    auto target = newControl();
    target->setCaptionNum(5);
    applyStyle(*target, style);
    EXPECT_EQ(target->captionNum(), 2);
    EXPECT_EQ(target->fontNum(), 2);
    EXPECT_EQ(target->captionID(), 0);
    EXPECT_EQ(target->fontID(), 0);
    target->setFontID(1);
    EXPECT_EQ(target->fontSlot(), big);
    // The mode rule keeps DateType out: the style is digital.
    styles::StyleRecord expected = style;
    expected.dateType = 0;
    EXPECT_EQ(styles::encodeRecord(takeSnapshot(*target, "Panel", "with captions")),
              styles::encodeRecord(expected));
}

} // namespace
} // namespace glintar::test
