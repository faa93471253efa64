// The host surface: creation by identifier, late binding by dispatch id, and the property bag
// with its text form.

#include "GlintarFixture.h"
#include "segdisplay/ControlRegistry.h"

#include <QPainter>

namespace glintar::test
{
namespace
{

constexpr qint32 kValue = 0x68030012;
constexpr qint32 kBlinkEnabled = 0x68030021;

TEST(ControlRegistry, CreatesGlintarByItsIdentifier)
{
    QWidget parent;
    for (const char* id : {"VarnokGlintar.Glintar", "varnokglintar.glintar"}) {
        QWidget* control = ControlRegistry::create(id, &parent);
        ASSERT_NE(qobject_cast<Glintar*>(control), nullptr) << id;
        EXPECT_EQ(control->parentWidget(), &parent);
    }
    EXPECT_EQ(ControlRegistry::create("VarnokGlintar.Other", &parent), nullptr);
    EXPECT_EQ(ControlRegistry::ids(), QStringList{"VarnokGlintar.Glintar"});
}

TEST_F(GlintarTest, DispatchIdsReachThePropertiesThroughTheirSetters)
{
    auto g = frontPanel();
    EXPECT_TRUE(g->setPropertyById(kValue, 7040000.0));
    EXPECT_EQ(g->propertyById(kValue), 7040000.0);
    EXPECT_TRUE(g->setPropertyById(kValue, QStringLiteral("14070000"))); // coerced like a host
    EXPECT_EQ(g->value(), 14070000.0);
    EXPECT_TRUE(g->setPropertyById(kBlinkEnabled, -1)); // a 16-bit True
    EXPECT_TRUE(g->blinkEnabled());
    EXPECT_EQ(g->propertyById(kBlinkEnabled), true);

    // Enumerations travel as Longs; system colours as the negative Longs they are.
    EXPECT_EQ(g->propertyById(0x68030000 + 37), 1);
    EXPECT_TRUE(g->setPropertyById(0x68030000 + 15, static_cast<qint32>(0x80000010)));
    EXPECT_EQ(g->borderColor(), 0x80000010u);
    // The setter's checks hold: 12 decimals are refused, quietly.
    EXPECT_TRUE(g->setPropertyById(0x68030000 + 20, 12));
    EXPECT_EQ(g->decimals(), 0);
    EXPECT_EQ(g->propertyById(-512), QVariant(g->fontSlot()));
    EXPECT_EQ(g->propertyById(-514), true);

    EXPECT_FALSE(g->setPropertyById(-515, 5)); // hWnd is read-only
    EXPECT_FALSE(g->setPropertyById(0x68030000 + 99, 1));
    EXPECT_FALSE(g->propertyById(0x68030000 + 99).isValid());
    EXPECT_FALSE(g->setPropertyById(kValue, QStringLiteral("seven")));

    EXPECT_DOUBLE_EQ(g->invokeById(0x60030052, {0, 0}).toDouble(), 4.712388975);
    EXPECT_DOUBLE_EQ(g->invokeById(0x60030052, {-1, 0}).toDouble(), 3.14159265);
    EXPECT_FALSE(g->invokeById(0x60030052, {1}).isValid());
    EXPECT_TRUE(g->invokeById(0x6003002F, {true}).toBool()); // RunClock(True)
}

TEST_F(GlintarTest, ANewControlSavesOnlyWhatDiffersFromTheDefaults)
{
    auto g = newControl();
    PropertyBag bag;
    g->writeProperties(bag);
    // The window's design colour (menu text) is not the bag's default 0.
    EXPECT_EQ(bag.keys(), QStringList{"BackColor"});

    g->setLedOnColor(0x00FF00);
    g->setLedBitNum(9);
    g->setLedOnColor(0x00FFFF); // back to the default: not saved
    bag = PropertyBag();
    g->writeProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"BackColor", "LEDBitNum"}));
}

TEST_F(GlintarTest, FrontPanelFormLoadsWithKeysInAnyCase)
{
    auto g = frontPanel();
    EXPECT_EQ(g->mode(), Glintar::Mode::Digital);
    EXPECT_EQ(g->ledBitNum(), 9);
    EXPECT_EQ(g->ledOnColor(), 4227072u);
    EXPECT_EQ(g->ledSize(), 0.36);
    EXPECT_EQ(g->adjustMode(), Glintar::AdjustMode::Manual);
    EXPECT_EQ(g->fontSlot(), QFont("Arial", 9));
    EXPECT_EQ(g->alphaText(), "0"); // the number shown before the first value

    PropertyBag saved;
    g->writeProperties(saved);
    for (const char* key : {"BACKCOLOR", "ledBitNum", "Font0", "decimalyoffset"})
        EXPECT_TRUE(saved.contains(key)) << key;
    EXPECT_FALSE(saved.contains("segmentseparation"));
    EXPECT_EQ(saved.read("LEDBITNUM", 7), 9);
}

TEST_F(GlintarTest, PropertyBagRoundTripsThroughItsTextForm)
{
    auto g = newControl();
    g->resize(400, 90);
    g->setMode(Glintar::Mode::Digital);
    g->setLedBitNum(8);
    g->setDecimals(3);
    g->setValue(-12.375);
    g->setPlusMinuMode(Glintar::PlusMinuMode::Always);
    g->setItalic(true);
    g->setLedSize(0.61);
    g->setBorderShadow(0x80000015);
    g->setBlinkRate(250);
    g->setFontNum(2);
    g->setFontID(1);
    g->setFontSlot(QFont("DejaVu Sans", 14, QFont::Bold));
    g->setCaptionNum(2);
    g->setCaptionID(1);
    g->setCaptionText(QStringLiteral("MHz \"ü\"\n"));
    g->setCaptionColor(0x80000008);
    g->setCaptionX(0.75);
    g->setCaptionFontID(1);
    QImage picture(8, 4, QImage::Format_ARGB32);
    picture.fill(QColor(10, 20, 30, 128));
    g->setBackPicture(picture);

    PropertyBag saved;
    g->writeProperties(saved);
    QString error;
    const auto reread = PropertyBag::fromText(saved.toText(), &error);
    ASSERT_TRUE(reread) << error.toStdString();
    EXPECT_EQ(*reread, saved);

    auto copy = newControl();
    copy->resize(400, 90);
    copy->readProperties(*reread);
    PropertyBag again;
    copy->writeProperties(again);
    EXPECT_EQ(again, saved);
    EXPECT_EQ(copy->backPicture().convertToFormat(QImage::Format_ARGB32), picture);
    EXPECT_EQ(copy->captionID(), 0);
    EXPECT_EQ(copy->fontID(), 0);
    copy->setCaptionID(1);
    EXPECT_EQ(copy->captionText(), QStringLiteral("MHz \"ü\"\n"));
    EXPECT_EQ(copy->alphaText(), "-12.375");
    EXPECT_EQ(copy->grab().toImage(), g->grab().toImage());
}

TEST_F(GlintarTest, LoadingStoresWithoutChecksAndSkipsWhatCannotBeRead)
{
    PropertyBag bag;
    bag.insert("Mode", 1);
    bag.insert("LEDBitNum", 3);
    bag.insert("Decimals", 9);             // the setter would refuse it; loading does not
    bag.insert("LedSize", "big");          // wrong type: skipped, the default stays
    bag.insert("FontNum", 100000000);      // would only exhaust memory: skipped
    bag.insert("BackPicture", QVariant()); // a picture that did not decode
    bag.insert("CaptionNum", 1);
    bag.insert("CaptionFontID0", 7); // no such font slot: the caption uses the ambient font
    bag.insert("Value", 2.5);
    auto g = newControl();
    g->readProperties(bag);
    EXPECT_EQ(g->ledBitNum(), 3);
    EXPECT_EQ(g->decimals(), 9);
    EXPECT_EQ(g->ledSize(), 0.8);
    EXPECT_EQ(g->fontNum(), 1);
    EXPECT_TRUE(g->backPicture().isNull());
    EXPECT_EQ(g->captionNum(), 1);
    EXPECT_EQ(g->captionText(), "Caption");
    EXPECT_EQ(g->captionX(), 0.5);
    EXPECT_EQ(g->alphaText(), "2.500000000");
}

TEST(PropertyBagText, RejectsWhatIsNotABag)
{
    QString error;
    EXPECT_FALSE(PropertyBag::fromText("{\"Mode\": 1", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(PropertyBag::fromText("[1, 2]", &error));
    const auto bag = PropertyBag::fromText(R"({"Font0": {"font": ""}, "Mode": 1})");
    ASSERT_TRUE(bag);
    EXPECT_FALSE(bag->read("font0", 5).isValid()); // stored, but unreadable as a font
    EXPECT_EQ(bag->read("MODE", 2), 1);
}

} // namespace
} // namespace glintar::test
