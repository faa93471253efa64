#include "PanelFixture.h"

#include "panel/ChoiceMenu.h"
#include "panel/SynthConfigMenus.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QTcpServer>

namespace orvane::test {
namespace {

using Startup = PanelTest;

TEST_F(Startup, FirstRunActivatesBandOnesEmptyRecordAndSavesItsNumberZero)
{
    start();
    // Two data-port writes and nothing on the control port: the card stays as it was.
    EXPECT_EQ(takeWrites(), (std::vector<PortWrite>{{888, 4}, {888, 0}}));
    EXPECT_EQ(p().config.portBase, 888);
    EXPECT_TRUE(p().config.is9850);
    EXPECT_EQ(p().config.refClockMHz, 100.0f);
    EXPECT_EQ(p().config.outputMultiplier, 1);
    EXPECT_TRUE(p().mnupgmautohide->isChecked());
    EXPECT_TRUE(p().power->autoHideRunning());
    EXPECT_TRUE(p().dwellMenu->item(1000)->isChecked());
    EXPECT_TRUE(p().sweepRateMenu->item(1)->isChecked());
    EXPECT_EQ(display(), 1000);
    EXPECT_FALSE(p().state.powerOn);
    EXPECT_TRUE(p().pwrButton->isEnabled());
    EXPECT_FALSE(p().keyPad[0]->isEnabled());
    for (int n = 1; n <= 15; ++n)
        EXPECT_TRUE(p().bandMenus->newItem(n)->isEnabled());
    EXPECT_EQ(p().band.activeBand, 0) << "the number stored in the empty record";
    EXPECT_EQ(p().link.bandCode(), 8);

    p().close();
    EXPECT_EQ(takeWrites(), (std::vector<PortWrite>{{890, 1}, {888, 0}}));
    EXPECT_EQ(settings.read("App_Number"), "0");
    EXPECT_EQ(settings.read("Last_Frequency"), "1000");
}

TEST_F(Startup, RestoresTheSavedBandFrequencyAndChoices)
{
    writeBand(3, bandRecord(3, "20m", 14000000, 14350000));
    writeSetting("App_Number", "3");
    writeSetting("Last_Frequency", "14074000");
    writeSetting("DwellSetting", "9000");
    writeSetting("SweepStep", "100");
    writeSetting("SweepTime", "250");
    writeSetting("AutoHide", "False");
    start();
    EXPECT_EQ(p().windowTitle(), "20m                 ");
    EXPECT_EQ(display(), 14074000);
    EXPECT_EQ(p().link.bandCode(), 24);
    EXPECT_EQ(p().state.dwellTime, 9000);
    EXPECT_TRUE(p().dwellMenu->item(9000)->isChecked());
    EXPECT_FALSE(p().dwellMenu->item(1000)->isChecked());
    EXPECT_EQ(p().state.sweepStepSize, 100);
    EXPECT_EQ(p().state.sweepRate, 250);
    EXPECT_FALSE(p().mnupgmautohide->isChecked());
    EXPECT_FALSE(p().power->autoHideRunning());
    EXPECT_FALSE(p().bandMenus->newItem(3)->isEnabled());

    p().setDisplayValue(14100000);
    p().close();
    EXPECT_EQ(settings.read("App_Number"), "3");
    EXPECT_EQ(settings.read("Last_Frequency"), "14100000");
}

TEST_F(Startup, ARemoteControlPortInUseIsToldAtOnce)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost));
    writeSetting("Remote_Enabled", "True");
    writeSetting("Remote_Port", std::to_string(other.serverPort()));
    start();
    ASSERT_EQ(system.notices.size(), 1);
    EXPECT_TRUE(system.notices[0].contains(QString::number(other.serverPort())))
        << system.notices[0].toStdString();
}

TEST_F(Startup, NegativeSavedPositionIsCentred)
{
    writeSetting("Form_Left", "-200");
    writeSetting("Form_Top", "-1");
    start();
    const QRect screen = p().screen()->availableGeometry();
    // Centred, give or take the window frame the platform adds once the window is shown.
    EXPECT_NEAR(p().x() - screen.left(), (screen.width() - p().width()) / 2, 4);
    EXPECT_NEAR(p().y() - screen.top(), (screen.height() - p().height()) / 2, 4);
}

TEST_F(Startup, ChoosingADwellTimeChecksOnlyItAndSavesIt)
{
    start();
    p().dwellMenu->item(3000)->trigger();
    EXPECT_EQ(settings.read("DwellSetting"), "3000");
    int checked = 0;
    for (int ms = 1000; ms <= 10000; ms += 1000)
        checked += p().dwellMenu->item(ms)->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(p().state.dwellTime, 3000);
}

TEST_F(Startup, RefusedLoadIsShownOnThePanelAndTheChipKeepsItsWord)
{
    writeBand(1, bandRecord(1, "VHF", 1000000, 200000000));
    writeSetting("Last_Frequency", "7040000");
    start();
    switchOn();
    const std::uint32_t before = card().tuningWord();
    ASSERT_EQ(before, 302365697u);
    takeWrites();

    // X4 at 30 MHz asks for 120 MHz from a 100 MHz clock.
    p().findChild<QAction*>("mnuSetX4")->trigger();
    type("30000000");
    enter();
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(card().tuningWord(), before);
    EXPECT_TRUE(p().overUnderFlowBox->isVisible());
    EXPECT_EQ(p().overUnderFlowBox->text(), "Output above clock");
    EXPECT_FALSE(system.notices.isEmpty());

    p().findChild<QAction*>("mnuSetX1")->trigger();
    type("7040000");
    enter();
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_FALSE(p().overUnderFlowBox->isVisible()) << "the next load that goes out clears it";
}

} // namespace
} // namespace orvane::test
