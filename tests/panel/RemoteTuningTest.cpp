#include "PanelFixture.h"

#include "panel/RemoteTuning.h"

#include <QLabel>

namespace orvane::test {
namespace {

using Tune = RemoteRig::TuneResult;

class Remote : public PoweredPanelTest {
protected:
    RemoteTuning& rig() { return *p().remoteTuning; }
};

TEST_F(Remote, AFrequencyInTheBandIsTakenAsTypedAndEntered)
{
    EXPECT_EQ(rig().lastLoadHz(), 7040000);
    EXPECT_EQ(rig().tuneAsEntered(7074000), Tune::Accepted);
    EXPECT_EQ(display(), 7074000);
    EXPECT_EQ(p().state.vfoRegister, 7074000);
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_EQ(rig().lastLoadHz(), 7074000);
    EXPECT_TRUE(p().commaBox[1]->isVisible());
}

TEST_F(Remote, OutsideTheBandNothingChangesAndNothingBlinks)
{
    for (std::int32_t hz : {6999999, 7300001}) {
        EXPECT_EQ(rig().tuneAsEntered(hz), Tune::OutOfBand);
        EXPECT_EQ(display(), 7040000);
        EXPECT_FALSE(p().overUnderFlowBox->isVisible());
        EXPECT_FALSE(p().glintar1->blinkEnabled());
    }
    EXPECT_EQ(system.beeps, 0);
    EXPECT_TRUE(takeWrites().empty());
}

TEST_F(Remote, EveryModeThatHoldsTheKeypadIsBusy)
{
    for (QAbstractButton* mode : {static_cast<QAbstractButton*>(p().memoryButton),
                                  static_cast<QAbstractButton*>(p().scanButton),
                                  static_cast<QAbstractButton*>(p().sweepButton),
                                  static_cast<QAbstractButton*>(p().mwButton)}) {
        SCOPED_TRACE(mode->objectName().toStdString());
        click(mode);
        EXPECT_TRUE(rig().isBusy());
        EXPECT_EQ(rig().tuneAsEntered(7100000), Tune::Busy);
        // Leave the mode: a second click, or CLR for V>M.
        click(mode == p().mwButton ? key(KeypadUnit::kClear) : mode);
        EXPECT_FALSE(rig().isBusy());
    }
}

TEST_F(Remote, StandbyAndPowerOffAreBusy)
{
    click(p().standbyButton);
    EXPECT_TRUE(rig().isBusy());
    EXPECT_EQ(rig().tuneAsEntered(7100000), Tune::Busy);
    click(p().standbyButton);
    click(p().pwrButton);
    EXPECT_FALSE(rig().isSwitchedOn());
    takeWrites();
    EXPECT_EQ(rig().tuneAsEntered(7100000), Tune::Busy);
    EXPECT_TRUE(takeWrites().empty());
}

TEST_F(Remote, AFrequencyTheChipCannotMakeIsNotReportedAsDone)
{
    p().config.refClockMHz = 0.000001f; // any frequency is above this clock
    EXPECT_EQ(rig().tuneAsEntered(7100000), Tune::OutOfBand);
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(rig().lastLoadHz(), 7040000);
}

} // namespace
} // namespace orvane::test
