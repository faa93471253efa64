// What the widget shows: a new control, the front panel's display, the partial repaint, blinking
// and the clock. Pixels come from grab(), as a person would see them.

#include "GlintarFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

namespace glintar::test
{
namespace
{

TEST_F(GlintarTest, NewControlShowsLumavexInYellowOnBlueBevelsInsideARaisedAndSunkenFrame)
{
    auto g = newControl();
    EXPECT_EQ(g->size(), QSize(320, 69));
    EXPECT_EQ(g->mode(), Glintar::Mode::Alpha);
    EXPECT_EQ(g->ledType(), Glintar::LedType::Bevel);
    EXPECT_EQ(g->alphaText(), "lumavex");

    const QImage image = g->grab().toImage();
    const GeometryProperties geo; // a new control's geometry
    const QRgb yellow = rgb(0x00FFFF);
    const QRgb blue = rgb(0xFF0000);
    // "l" in cell 0 lights b c d only; "a" in cell 3 lights all but d; "e" in cell 5 all but e f.
    EXPECT_EQ(image.pixel(segmentPixel(geo, 0, Segment::B)), yellow);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 0, Segment::D)), yellow);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 0, Segment::A)), blue);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 0, Segment::G)), blue);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 3, Segment::A)), yellow);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 3, Segment::D)), blue);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 5, Segment::E)), blue);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 5, Segment::D)), yellow);

    // Raised outline: light above and left, shadow below and right; then the button-face border;
    // then the sunken inline: shadow above and left, light below and right.
    const QPalette& palette = g->palette();
    const QRgb shadow = palette.color(QPalette::Active, QPalette::Dark).rgb();
    const QRgb face = palette.color(QPalette::Active, QPalette::Button).rgb();
    EXPECT_EQ(image.pixel(0, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(160, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(319, 30), shadow);
    EXPECT_EQ(image.pixel(160, 68), shadow);
    EXPECT_EQ(image.pixel(2, 30), face);
    EXPECT_EQ(image.pixel(4, 30), shadow);
    EXPECT_EQ(image.pixel(160, 4), shadow);
    EXPECT_EQ(image.pixel(315, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(160, 64), qRgb(255, 255, 255));
}

TEST_F(GlintarTest, FrontPanelDrawsTheFrequencyRightAlignedDarkGreenOnPaleGreenWithoutFrame)
{
    auto g = frontPanel();
    ASSERT_TRUE(g->setPropertyById(0x68030012, 7040000.0));
    EXPECT_EQ(g->alphaText(), "7040000");

    const QImage image = g->grab().toImage();
    const GeometryProperties geo = frontPanelGeometry();
    const QRgb lit = rgb(4227072);
    const QRgb unlit = rgb(11663537);
    const QRgb paleGreen = rgb(12648384);
    // Two blank cells, then 7 0 4 0 0 0 0.
    for (Segment s :
         {Segment::A, Segment::B, Segment::C, Segment::D, Segment::E, Segment::F, Segment::G}) {
        EXPECT_EQ(image.pixel(segmentPixel(geo, 0, s)), unlit);
        EXPECT_EQ(image.pixel(segmentPixel(geo, 1, s)), unlit);
    }
    EXPECT_EQ(image.pixel(segmentPixel(geo, 2, Segment::A)), lit); // 7: a e f
    EXPECT_EQ(image.pixel(segmentPixel(geo, 2, Segment::E)), lit);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 2, Segment::G)), unlit);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 3, Segment::G)), unlit); // 0
    EXPECT_EQ(image.pixel(segmentPixel(geo, 3, Segment::C)), lit);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 4, Segment::A)), unlit); // 4: b e f g
    EXPECT_EQ(image.pixel(segmentPixel(geo, 4, Segment::G)), lit);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 8, Segment::D)), lit);
    // No frame: the corners and edges are background.
    for (QPoint corner : {QPoint(0, 0), QPoint(288, 0), QPoint(0, 120), QPoint(288, 120)})
        EXPECT_EQ(image.pixel(corner), paleGreen);
}

TEST_F(GlintarTest, ValueChangesRepaintOnlyTheCellsWhoseCharacterChanged)
{
    auto g = frontPanel();
    g->setValue(7040000);
    g->resetPaintCounters();
    const QImage before = g->grab().toImage();

    // Same value, and a value whose text is the same: nothing at all is painted.
    g->setValue(7040000);
    g->setValue(7040000.2);
    EXPECT_EQ(g->paintCounters(), PaintCounters{});
    EXPECT_EQ(g->grab().toImage(), before);
    EXPECT_EQ(g->value(), 7040000.2);

    g->setValue(7040010);
    EXPECT_EQ(g->paintCounters(), (PaintCounters{0, 1}));
    g->setValue(14070010); // " 7040010" -> "14070010": cells 1, 2 and 4 change
    EXPECT_EQ(g->paintCounters(), (PaintCounters{0, 4}));

    // The partial result is exactly what a full repaint paints.
    const QImage partial = g->grab().toImage();
    g->refresh();
    EXPECT_EQ(g->grab().toImage(), partial);
}

TEST_F(GlintarTest, SignChangeRepaintsTheSignCellAndACellThatLosesItsPlusBarIsCleared)
{
    auto g = frontPanel();
    g->setPlusMinuMode(Glintar::PlusMinuMode::Always);
    g->setValue(5);
    EXPECT_EQ(g->alphaText(), "+5");
    g->resetPaintCounters();

    // "+" -> "-": the plus bar must go, which only a full repaint can do.
    g->setValue(-5);
    EXPECT_EQ(g->alphaText(), "-5");
    const QImage afterMinus = g->grab().toImage();
    auto reference = frontPanel();
    reference->setPlusMinuMode(Glintar::PlusMinuMode::Always);
    reference->setValue(-5);
    EXPECT_EQ(afterMinus, reference->grab().toImage());

    // "-" -> "-" with another digit: one cell.
    g->resetPaintCounters();
    g->setValue(-6);
    EXPECT_EQ(g->paintCounters(), (PaintCounters{0, 1}));
}

TEST_F(GlintarTest, BlinkingAlternatesLitAndDarkAndNeverStaysDarkWhenSwitchedOff)
{
    for (bool autoRedraw : {true, false}) {
        SCOPED_TRACE(autoRedraw ? "AutoRedraw" : "no AutoRedraw");
        auto g = frontPanel();
        g->setValue(8);
        g->setAutoRedraw(autoRedraw);
        const QPoint eight = segmentPixel(frontPanelGeometry(), 8, Segment::G);
        const QRgb lit = rgb(4227072);
        const QRgb dark = rgb(11663537);

        ASSERT_TRUE(g->setPropertyById(0x68030021, true));
        EXPECT_EQ(pixel(*g, eight), lit);
        clock->advance(500); // the first tick shows the lit phase
        EXPECT_EQ(pixel(*g, eight), lit);
        clock->advance(500);
        EXPECT_EQ(pixel(*g, eight), dark);
        clock->advance(500);
        EXPECT_EQ(pixel(*g, eight), lit);
        clock->advance(500);
        EXPECT_EQ(pixel(*g, eight), dark);

        g->setBlinkEnabled(false); // in the dark phase
        EXPECT_EQ(pixel(*g, eight), lit);
        const int repaints = g->paintCounters().fullRepaints;
        clock->advance(5000);
        EXPECT_EQ(g->paintCounters().fullRepaints, repaints);
        EXPECT_EQ(pixel(*g, eight), lit);
    }
}

TEST_F(GlintarTest, WhileBlinkingANewValueWaitsForTheNextTick)
{
    auto g = frontPanel();
    g->setValue(1);
    g->setBlinkEnabled(true);
    g->setValue(2);
    EXPECT_EQ(g->alphaText(), "1");
    clock->advance(500);
    EXPECT_EQ(g->alphaText(), "2");
    g->setValue(3);
    g->setBlinkEnabled(false);
    EXPECT_EQ(g->alphaText(), "3");
}

TEST_F(GlintarTest, DesignModeKeepsTheTimersStill)
{
    auto g = frontPanel();
    g->setRunMode(false);
    g->setBlinkEnabled(true);
    g->resetPaintCounters();
    clock->advance(5000);
    EXPECT_EQ(g->paintCounters(), PaintCounters{});
    EXPECT_TRUE(g->blinkEnabled());
}

TEST_F(GlintarTest, ClockTickRepaintsOnlyTheSecondsThatChanged)
{
    clock->setNow({2000, 7, 25, 9, 5, 7});
    auto g = newControl();
    g->setMode(Glintar::Mode::TimeDate);
    EXPECT_EQ(g->alphaText(), "09:05:07");
    g->resetPaintCounters();

    clock->advance(800); // same second: nothing
    EXPECT_EQ(g->paintCounters(), PaintCounters{});
    clock->setNow({2000, 7, 25, 9, 5, 8});
    clock->advance(800);
    EXPECT_EQ(g->alphaText(), "09:05:08");
    EXPECT_EQ(g->paintCounters(), (PaintCounters{0, 1}));

    g->setDateType(Glintar::DateType::English1);
    EXPECT_EQ(g->alphaText(), "25-07-200009:05:08");

    // Another mode stops the clock.
    g->setMode(Glintar::Mode::Alpha);
    g->resetPaintCounters();
    clock->setNow({2000, 7, 25, 9, 5, 9});
    clock->advance(800);
    EXPECT_EQ(g->paintCounters(), PaintCounters{});
}

TEST_F(GlintarTest, AlphaTextLandsOnTheCellsFromTheRight)
{
    auto g = newControl();
    const GeometryProperties geo;
    const QRgb yellow = rgb(0x00FFFF);
    const QRgb blue = rgb(0xFF0000);

    g->setAlphaText("a#b"); // the # takes no cell
    QImage image = g->grab().toImage();
    EXPECT_EQ(image.pixel(segmentPixel(geo, 5, Segment::A)), yellow); // a
    EXPECT_EQ(image.pixel(segmentPixel(geo, 6, Segment::A)), blue);   // b
    EXPECT_EQ(image.pixel(segmentPixel(geo, 6, Segment::B)), yellow);
    EXPECT_EQ(image.pixel(segmentPixel(geo, 4, Segment::B)), blue); // blank

    g->setAlphaText("Hello");
    image = g->grab().toImage();
    EXPECT_EQ(image.pixel(segmentPixel(geo, 1, Segment::B)), blue);   // blank
    EXPECT_EQ(image.pixel(segmentPixel(geo, 2, Segment::B)), yellow); // H
    EXPECT_EQ(image.pixel(segmentPixel(geo, 6, Segment::A)), yellow); // o
}

TEST_F(GlintarTest, WithoutAutoRedrawChangesWaitForRefresh)
{
    auto g = newControl();
    g->setAutoRedraw(false);
    const QImage before = g->grab().toImage();
    g->setLedOnColor(0x0000FF);
    g->setAlphaText("8888888");
    EXPECT_EQ(g->grab().toImage(), before);
    g->refresh();
    EXPECT_NE(g->grab().toImage(), before);
    EXPECT_EQ(pixel(*g, segmentPixel(GeometryProperties{}, 0, Segment::G)), rgb(0x0000FF));
}

TEST_F(GlintarTest, LoadedFormWithoutCellsDoesNotPaint)
{
    auto g = newControl();
    PropertyBag bag;
    bag.insert("LEDBitNum", 0);
    g->resetPaintCounters();
    g->readProperties(bag);
    g->resize(400, 80);
    g->grab();
    EXPECT_EQ(g->paintCounters(), PaintCounters{});
}

TEST_F(GlintarTest, EventsReachTheHost)
{
    auto g = newControl();
    QStringList seen;
    QObject::connect(g.get(), &Glintar::mouseDown, [&](int button, int, float x, float y) {
        seen << QStringLiteral("down %1 %2,%3").arg(button).arg(x).arg(y);
    });
    QObject::connect(g.get(), &Glintar::mouseUp, [&](int button, int, float, float) {
        seen << QStringLiteral("up %1").arg(button);
    });
    QObject::connect(g.get(), &Glintar::click, [&] { seen << "click"; });
    QObject::connect(g.get(), &Glintar::keyDown, [&](int code, int shift) {
        seen << QStringLiteral("key %1 %2").arg(code).arg(shift);
    });
    QObject::connect(g.get(), &Glintar::keyPress,
                     [&](int ascii) { seen << QStringLiteral("press %1").arg(ascii); });

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 20), QPointF(10, 20), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 20), QPointF(10, 20),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    QApplication::sendEvent(g.get(), &press);
    QApplication::sendEvent(g.get(), &release);
    QApplication::sendEvent(g.get(), &key);
    EXPECT_EQ(seen, (QStringList{"down 1 10,20", "up 1", "click", "key 65 1", "press 65"}));
}

} // namespace
} // namespace glintar::test
