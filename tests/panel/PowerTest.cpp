#include "PanelFixture.h"

#include <QLabel>

namespace orvane::test {
namespace {

class Power : public PanelTest {
protected:
    void SetUp() override
    {
        writeBand(1, bandRecord(1, "40m", 7000000, 7300000));
        writeSetting("Last_Frequency", "7040000");
        start();
        takeWrites();
    }
};

TEST_F(Power, OnWritesControlZeroTheZeroLoadAndHalfASecondLaterTheFrequency)
{
    click(p().pwrButton);
    std::vector<PortWrite> writes = takeWrites();
    ASSERT_EQ(writes.size(), 1u + 122u);
    EXPECT_EQ(writes[0], (PortWrite{890, 0}));
    EXPECT_TRUE(p().greyDisplayBox->isHidden());
    EXPECT_TRUE(p().keyPad[0]->isEnabled());
    EXPECT_EQ(p().stepBox->text(), "Step 10 Hz");
    EXPECT_EQ(p().state.vfoRegister, 7040000);

    clock.advance(499);
    EXPECT_TRUE(takeWrites().empty());
    clock.advance(1);
    writes = takeWrites();
    EXPECT_EQ(writes.size(), 124u);
    EXPECT_EQ(card().tuningWord(), 302365697u);
    EXPECT_TRUE(card().powered());
    clock.advance(5000);
    EXPECT_TRUE(takeWrites().empty()) << "the power-on load happens once";
}

TEST_F(Power, OffWithinHalfASecondCancelsThePendingLoad)
{
    click(p().pwrButton);
    clock.advance(300);
    takeWrites();
    click(p().pwrButton);
    EXPECT_EQ(takeWrites(), (std::vector<PortWrite>{{890, 1}}));
    clock.advance(1000);
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_FALSE(card().powered());
    EXPECT_FALSE(p().greyDisplayBox->isHidden());
    EXPECT_FALSE(p().keyPad[0]->isEnabled());
    EXPECT_EQ(display(), 7000000) << "the display returns to the band start";
}

TEST_F(Power, StoredStepIndexSetsTheStepAndAnUnknownOneChangesNothing)
{
    writeSetting("Step_Index", "4");
    switchOn();
    EXPECT_EQ(p().stepBox->text(), "Step 10 KHz");
    EXPECT_EQ(p().state.stepSize, 10000);
    click(p().pwrButton);
    writeSetting("Step_Index", "7");
    switchOn();
    EXPECT_EQ(p().stepBox->text(), "Step 10 KHz");
    EXPECT_EQ(p().state.stepSize, 10000);
}

TEST_F(Power, StandbySilencesTheOutputBlinksAndComesBackToTheSameFrequency)
{
    switchOn();
    takeWrites();
    click(p().standbyButton);
    EXPECT_EQ(takeWrites().size(), 122u);
    EXPECT_EQ(card().tuningWord(), 0u);
    EXPECT_FALSE(p().keyPad[0]->isEnabled());
    EXPECT_FALSE(p().scanButton->isEnabled());
    EXPECT_TRUE(p().pwrButton->isEnabled());
    EXPECT_TRUE(p().standByBox->isVisible());
    clock.advance(1000);
    EXPECT_FALSE(p().standByBox->isVisible());
    clock.advance(1000);
    EXPECT_TRUE(p().standByBox->isVisible());

    click(p().standbyButton);
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_EQ(card().tuningWord(), 302365697u);
    EXPECT_FALSE(p().standByBox->isVisible());
    EXPECT_TRUE(p().keyPad[0]->isEnabled());
}

TEST_F(Power, OffInStandbyEndsStandby)
{
    switchOn();
    click(p().standbyButton);
    click(p().pwrButton);
    EXPECT_FALSE(p().state.standbyOn);
    EXPECT_FALSE(p().standbyButton->isPressed());
    EXPECT_FALSE(p().standbyButton->isEnabled());
    EXPECT_FALSE(p().standByBox->isVisible());
    EXPECT_FALSE(p().power->standbyBlinkRunning());

    switchOn();
    EXPECT_EQ(card().tuningWord(), 300647710u) << "the band start, 7 MHz";
}

TEST_F(Power, AutoHideMinimisesAfterAMinuteWithTheFrequencyAsCaption)
{
    ASSERT_TRUE(p().mnupgmautohide->isChecked());
    switchOn();
    click(key(KeypadUnit::kUp)); // a key: the countdowns stop, the idle one starts on release
    EXPECT_FALSE(p().power->autoHideRunning());
    EXPECT_TRUE(p().power->idleHideRunning());
    const int beeps = system.beeps;
    clock.advance(60000);
    EXPECT_EQ(system.beeps, beeps + 1);
    EXPECT_EQ(p().windowTitle(), "Orvane: 7,040,010.");
}

TEST_F(Power, AutoHideMenuSwitchesTheCountdownAndIsSaved)
{
    p().mnupgmautohide->trigger();
    EXPECT_FALSE(p().power->autoHideRunning());
    EXPECT_EQ(settings.read("AutoHide"), "False");
    clock.advance(120000);
    EXPECT_EQ(system.beeps, 0);
    p().mnupgmautohide->trigger();
    EXPECT_TRUE(p().power->autoHideRunning());
    EXPECT_EQ(settings.read("AutoHide"), "True");
}

} // namespace
} // namespace orvane::test
