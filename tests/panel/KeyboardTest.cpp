#include "PanelFixture.h"

#include <QLabel>
#include <QWheelEvent>

namespace orvane::test {
namespace {

class Keyboard : public PoweredPanelTest {
protected:
    // Keys go to whatever has the focus on the panel, as they would for a user.
    QWidget* focus() { return p().keyPad[0]; }
    void keys(const char* text) { QTest::keyClicks(focus(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }
    void wheel(int notches)
    {
        QWidget* display = p().glintar1->widget();
        const QPointF at(display->width() / 2.0, display->height() / 2.0);
        QWheelEvent event(at, display->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(display, &event);
    }
};

TEST_F(Keyboard, DigitsAndEnterTuneEscapeClears)
{
    keys("7100000");
    EXPECT_EQ(display(), 7100000);
    key(Qt::Key_Return);
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_EQ(p().state.vfoRegister, 7100000);

    keys("9");
    key(Qt::Key_Enter);
    EXPECT_TRUE(p().overUnderFlowBox->isVisible());
    key(Qt::Key_Escape);
    EXPECT_EQ(display(), 7100000);
    EXPECT_FALSE(p().overUnderFlowBox->isVisible());
    keys("12");
    key(Qt::Key_Backspace);
    EXPECT_EQ(display(), 7100000) << "Backspace is CLR too";
}

TEST_F(Keyboard, ArrowsTuneAndRepeatOnThePanelsTimersWhileHeld)
{
    QTest::keyPress(focus(), Qt::Key_Up);
    EXPECT_EQ(display(), 7040010);
    // A second press while held and the keyboard's own repeats are ignored; the panel repeats
    // every 150 ms.
    QTest::keyPress(focus(), Qt::Key_Up);
    QKeyEvent autoRepeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(focus(), &autoRepeat);
    EXPECT_EQ(display(), 7040010);
    clock.advance(300);
    EXPECT_EQ(display(), 7040030);
    QTest::keyRelease(focus(), Qt::Key_Up);
    clock.advance(1000);
    EXPECT_EQ(display(), 7040030);

    QTest::keyPress(focus(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(focus(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(display(), 7040029) << "Shift tunes by 1 Hz";
}

TEST_F(Keyboard, PageKeysChooseTheStepAndTheWheelTunesByIt)
{
    key(Qt::Key_PageUp);
    EXPECT_EQ(p().stepBox->text(), "Step 100 Hz");
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_EQ(p().stepBox->text(), "Step 1 MHz");
    key(Qt::Key_PageUp);
    EXPECT_EQ(p().stepBox->text(), "Step 10 Hz");

    wheel(2);
    EXPECT_EQ(display(), 7040020);
    wheel(-1);
    EXPECT_EQ(display(), 7040010);
    clock.advance(1000);
    EXPECT_EQ(display(), 7040010) << "a wheel notch does not start a repeat";
}

TEST_F(Keyboard, KeysFollowTheSameGuardsAsTheKeypad)
{
    click(p().standbyButton);
    takeWrites();
    keys("7");
    key(Qt::Key_Up);
    wheel(1);
    EXPECT_EQ(display(), 7040000);
    EXPECT_TRUE(takeWrites().empty());

    click(p().standbyButton);
    click(p().pwrButton);
    keys("7");
    key(Qt::Key_PageUp);
    EXPECT_EQ(display(), 7000000) << "switched off: the display shows the band start";
    EXPECT_EQ(p().stepBox->text(), "Step 10 Hz");
}

TEST_F(Keyboard, EveryKeyHasItsLegendForScreenReadersAndTabFollowsTheFace)
{
    EXPECT_EQ(p().pwrButton->accessibleName(), "PWR");
    EXPECT_EQ(p().pwrButton->accessibleDescription(), "Click to Turn Orvane On/Off");
    EXPECT_EQ(p().keyPad[6]->accessibleName(), "7");
    EXPECT_EQ(p().keyPad[KeypadUnit::kEnter]->accessibleName(), "ENTER");
    EXPECT_EQ(p().memoryButton->accessibleName(), "M>V");
    EXPECT_EQ(p().scanButton->accessibleName(), "SCAN MEM");
    EXPECT_EQ(p().glintar1->widget()->accessibleName(), "Frequency 7,040,000 Hz");

    std::vector<QString> order;
    QWidget* w = p().pwrButton;
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain())
        order.push_back(w->accessibleName());
    EXPECT_EQ(order, (std::vector<QString>{"PWR", "STBY", "SCAN MEM", "SWP", "1", "2"}));

    // Each change of mode is announced, in the order a user makes them here.
    struct Step {
        QAbstractButton* key;
        const char* announced;
    };
    for (const Step& step : {Step{p().standbyButton, "Standby"}, Step{p().standbyButton, "Active"},
                             Step{p().memoryButton, "Memory select"},
                             Step{p().memoryButton, "Memory select off"},
                             Step{p().sweepButton, "Sweeping"}, Step{p().sweepButton, "Sweep stopped"},
                             Step{p().scanButton, "Scanning memory"},
                             Step{p().scanButton, "Scan stopped"}, Step{p().pwrButton, "Power off"}}) {
        click(step.key);
        EXPECT_EQ(p().glintar1->widget()->accessibleDescription(), step.announced);
    }
}

} // namespace
} // namespace orvane::test
