#include "PanelFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace orvane::test {
namespace {

class Keypad : public PoweredPanelTest {
protected:
    void setDisplayAndRegister(double hz)
    {
        type(std::to_string(static_cast<long long>(hz)));
        enter();
        ASSERT_EQ(display(), hz);
        takeWrites();
    }
};

TEST_F(Keypad, DigitsBuildAnEntryWithoutSendingAndATenthDigitBeeps)
{
    type("70500");
    EXPECT_EQ(display(), 70500);
    EXPECT_TRUE(p().commaBox[0]->isVisible());
    EXPECT_FALSE(p().commaBox[1]->isVisible());
    type("0000");
    EXPECT_EQ(display(), 705000000);
    EXPECT_EQ(system.beeps, 0);
    type("1");
    EXPECT_EQ(system.beeps, 1);
    EXPECT_EQ(display(), 705000000);
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(p().state.vfoRegister, 7040000);
}

TEST_F(Keypad, EnterAcceptsBothLimitsAndRejectsOneHertzBeyond)
{
    struct Case {
        std::string typed;
        bool accepted;
        double shown;
    };
    for (const Case& c : {Case{"7000000", true, 7000000}, Case{"7300000", true, 7300000},
                          Case{"6999999", false, 7000000}, Case{"7300001", false, 7300000}}) {
        SCOPED_TRACE(c.typed);
        click(key(KeypadUnit::kClear));
        takeWrites();
        type(c.typed);
        enter();
        EXPECT_EQ(display(), c.shown);
        EXPECT_EQ(takeWrites().size(), c.accepted ? 124u : 0u);
        EXPECT_EQ(p().overUnderFlowBox->isVisible(), !c.accepted);
        EXPECT_EQ(p().glintar1->blinkEnabled(), !c.accepted);
    }
}

TEST_F(Keypad, OverRangeShowsTheLimitBlinkingAndClearRestoresTheLastFrequency)
{
    type("8000000");
    enter();
    EXPECT_EQ(display(), 7300000);
    EXPECT_EQ(p().overUnderFlowBox->text(), "Out of Range");
    EXPECT_FALSE(p().commaBox[0]->isVisible());
    EXPECT_FALSE(p().commaBox[1]->isVisible());
    EXPECT_EQ(system.beeps, 1);
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(card().tuningWord(), 302365697u) << "the output stays on 7,040,000";

    click(key(KeypadUnit::kClear));
    EXPECT_EQ(display(), 7040000);
    EXPECT_FALSE(p().glintar1->blinkEnabled());
    EXPECT_FALSE(p().overUnderFlowBox->isVisible());
    EXPECT_EQ(takeWrites().size(), 124u) << "CLR sends the register again";
}

TEST_F(Keypad, TuningWrapsAtTheBandLimits)
{
    struct Case {
        const char* name;
        double from;
        int key;
        Qt::MouseButton button;
        double to;
    };
    const Case cases[] = {
        {"UP by step reaching the end wraps to the start", 7299990, KeypadUnit::kUp, Qt::LeftButton, 7000000},
        {"UP by 1 Hz reaching the end wraps", 7299999, KeypadUnit::kUp, Qt::RightButton, 7000000},
        {"DN by 1 Hz from the start wraps to the end", 7000000, KeypadUnit::kDown, Qt::RightButton, 7300000},
        {"DN by step stays on the start", 7000010, KeypadUnit::kDown, Qt::LeftButton, 7000000},
        {"DN by step below the start wraps to the end", 7000005, KeypadUnit::kDown, Qt::LeftButton, 7300000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setDisplayAndRegister(c.from);
        click(key(c.key), c.button);
        EXPECT_EQ(display(), c.to);
        EXPECT_EQ(p().state.vfoRegister, c.to);
        EXPECT_EQ(takeWrites().size(), 124u);
    }
}

TEST_F(Keypad, DownByAStepLargerThanTheValueGoesToTheBandEnd)
{
    // Display 1,500,000 with a 1 MHz step in a band starting at 5 Hz: 500,000 is below the step.
    writeBand(2, bandRecord(2, "wide", 5, 30000000));
    p().bandMenus->loadBand(2);
    writeSetting("Step_Index", "6");
    click(p().pwrButton);
    switchOn();
    setDisplayAndRegister(1500000);
    click(key(KeypadUnit::kDown));
    EXPECT_EQ(display(), 30000000);
}

TEST_F(Keypad, HeldUpRepeatsEvery150MsByStepAnd200MsByHertzUntilReleased)
{
    press(key(KeypadUnit::kUp));
    EXPECT_EQ(display(), 7040010);
    clock.advance(149);
    EXPECT_EQ(display(), 7040010);
    clock.advance(1);
    EXPECT_EQ(display(), 7040020);
    clock.advance(450);
    EXPECT_EQ(display(), 7040050);
    release(key(KeypadUnit::kUp));
    clock.advance(1000);
    EXPECT_EQ(display(), 7040050) << "the next tick sees the release";

    press(key(KeypadUnit::kDown), Qt::RightButton);
    clock.advance(1000);
    release(key(KeypadUnit::kDown), Qt::RightButton);
    EXPECT_EQ(display(), 7040050 - 6);
    EXPECT_EQ(takeWrites().size(), 124u * (5 + 6));
}

TEST_F(Keypad, StepCyclesWithinTheBandsLimitAndIsSaved)
{
    writeBand(3, bandRecord(3, "LF", 10000, 50000));
    p().bandMenus->loadBand(3);
    takeWrites();
    std::vector<QString> seen;
    for (int i = 0; i < 4; ++i) {
        click(p().stepButton);
        seen.push_back(p().stepBox->text());
    }
    EXPECT_EQ(seen, (std::vector<QString>{"Step 100 Hz", "Step 1 KHz", "Step 10 KHz", "Step 10 Hz"}));
    click(p().stepButton, Qt::RightButton);
    EXPECT_EQ(p().stepBox->text(), "Step 10 KHz");
    EXPECT_EQ(settings.read("Step_Index"), "4");
    EXPECT_TRUE(takeWrites().empty()) << "STEP sends nothing";
}

TEST_F(Keypad, ActivatingANarrowBandResetsTheStepAndSavesIt)
{
    click(p().stepButton);
    click(p().stepButton); // 1 KHz
    writeBand(4, bandRecord(4, "audio", 100, 500));
    p().bandMenus->loadBand(4);
    EXPECT_EQ(p().stepBox->text(), "Step 10 Hz");
    EXPECT_EQ(p().state.stepSize, 10);
    EXPECT_EQ(settings.read("Step_Index"), "1");
}

TEST_F(Keypad, TuningDuringAnErrorIsAcceptedWhileTheDisplayKeepsBlinking)
{
    type("8000000");
    enter();
    takeWrites();
    click(key(KeypadUnit::kDown));
    EXPECT_EQ(display(), 7299990);
    EXPECT_EQ(p().state.vfoRegister, 7299990);
    EXPECT_TRUE(p().glintar1->blinkEnabled());
    EXPECT_EQ(takeWrites().size(), 124u);
}

TEST_F(Keypad, ViewMenuShowsTheTuningWordAndTheSerialLoadWord)
{
    EXPECT_FALSE(p().text1->isVisible());
    p().mnuViewTuneWord->trigger();
    p().mnuViewBinary->trigger();
    EXPECT_TRUE(p().text1->isVisible());
    EXPECT_TRUE(p().mnuViewTuneWord->isChecked());
    EXPECT_EQ(p().text1->text(), "302365697");
    EXPECT_EQ(p().text2->text(), "0000000000010010000001011011110000000001");
    click(key(KeypadUnit::kUp));
    EXPECT_EQ(p().text1->text(), "302366127") << "follows every load";
    p().mnuViewTuneWord->trigger();
    EXPECT_FALSE(p().text1->isVisible());
    EXPECT_FALSE(p().mnuViewTuneWord->isChecked());
    EXPECT_TRUE(p().text2->isVisible());
}

TEST_F(Keypad, TooltipsFollowTheMode)
{
    p().keypad->hover(KeypadUnit::kEnter);
    EXPECT_EQ(key(KeypadUnit::kEnter)->toolTip(), "Loads Frequency into VFO Register");
    EXPECT_EQ(key(KeypadUnit::kEnter)->accessibleDescription(), "Loads Frequency into VFO Register");
    p().state.memoryWriteMode = true;
    p().keypad->hover(KeypadUnit::kClear);
    EXPECT_EQ(key(KeypadUnit::kClear)->toolTip(), "Clears Write to Memory Function");
}

} // namespace
} // namespace orvane::test
