#include "PanelFixture.h"

#include "panel/ChoiceMenu.h"
#include "panel/ScanUnit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace orvane::test {
namespace {

// Band 1 with cells 1 and 5 occupied, band 2 with none; the panel on at 7,040,000.
class Scan : public PanelTest {
protected:
    void SetUp() override
    {
        BandConfig band = bandRecord(1, "40m", 7000000, 7300000);
        band.memCell(1) = 7010000;
        band.memCell(5) = 7050000;
        writeBand(1, band);
        writeBand(2, bandRecord(2, "20m", 14000000, 14350000));
        writeSetting("Last_Frequency", "7040000");
    }
    void startOn(const char* dwell = "2000")
    {
        writeSetting("DwellSetting", dwell);
        start();
        switchOn();
        takeWrites();
    }
    QString label() { return p().memoryBox->isVisible() ? p().memoryBox->text() : "(hidden)"; }
    // The frequencies sent while time moves on by `ms`, a millisecond at a time, with the moment
    // each went out (ms since the scan began).
    std::vector<std::pair<long long, long long>> sentDuring(long long ms)
    {
        std::vector<std::pair<long long, long long>> sent;
        for (long long t = 0; t < ms; ++t) {
            clock.advance(1);
            if (!takeWrites().empty())
                sent.emplace_back(clock.elapsedMs() - m_begun, sentHz());
        }
        return sent;
    }
    void pressScan()
    {
        click(p().scanButton);
        m_begun = clock.elapsedMs();
    }
    long long m_begun = 0;
};

TEST_F(Scan, OccupiedCellsFollowEachOtherByTheDwellAndEmptyOnesTakeNoTime)
{
    startOn();
    pressScan();
    EXPECT_EQ(label(), "Mem 001");
    EXPECT_EQ(display(), 7010000);
    EXPECT_EQ(sentHz(), 7010000);
    takeWrites();
    using Sent = std::vector<std::pair<long long, long long>>;
    EXPECT_EQ(sentDuring(8000),
              (Sent{{2000, 7050000}, {4000, 7010000}, {6000, 7050000}, {8000, 7010000}}));
    EXPECT_EQ(p().state.vfoRegister, 7040000) << "the frequency from before the scan";
    for (QWidget* control : p().keypadKeys())
        EXPECT_FALSE(control->isEnabled());
    for (QWidget* control :
         std::initializer_list<QWidget*>{p().pwrButton, p().standbyButton, p().stepButton,
                                         p().memoryButton, p().sweepButton, p().mwButton})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(p().power->autoHideRunning());
}

TEST_F(Scan, StoppingKeepsTheCellShownAndClearReturnsToTheFrequencyBefore)
{
    startOn();
    pressScan();
    clock.advance(2000);
    ASSERT_EQ(label(), "Mem 005");
    takeWrites();
    click(p().scanButton);
    EXPECT_EQ(display(), 7050000);
    EXPECT_EQ(sentHz(), 7050000);
    EXPECT_EQ(takeWrites().size(), 124u) << "the cell is sent once more";
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_TRUE(p().power->idleHideRunning());
    for (QWidget* control : p().keypadKeys())
        EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(p().pwrButton->isEnabled());
    clock.advance(10000);
    EXPECT_TRUE(takeWrites().empty()) << "the scan has stopped";

    click(key(KeypadUnit::kClear));
    EXPECT_EQ(display(), 7040000);
    EXPECT_EQ(sentHz(), 7040000);
}

TEST_F(Scan, TheStoredDwellChecksItsItemAndTimesTheScan)
{
    struct Case {
        const char* stored;
        const char* checkedItem; // none for a dwell that is not on the menu
        long long dwell;
    };
    for (const Case& c : {Case{"9000", "&9 Sec.", 9000}, Case{"1500", nullptr, 1500}}) {
        SCOPED_TRACE(c.stored);
        panel.reset();
        startOn(c.stored);
        for (QAction* item : p().dwellMenu->menu()->actions())
            EXPECT_EQ(item->isChecked(), c.checkedItem && item->text() == c.checkedItem)
                << item->text().toStdString();
        pressScan();
        clock.advance(c.dwell - 1);
        EXPECT_EQ(label(), "Mem 001");
        clock.advance(1);
        EXPECT_EQ(label(), "Mem 005");
    }
}

TEST_F(Scan, ANewDwellAppliesFromTheNextOccupiedCell)
{
    startOn();
    pressScan();
    p().dwellMenu->item(3000)->trigger();
    EXPECT_EQ(settings.read("DwellSetting"), "3000");
    clock.advance(2000);
    EXPECT_EQ(label(), "Mem 005") << "the cell shown keeps the dwell it began with";
    clock.advance(2999);
    EXPECT_EQ(label(), "Mem 005");
    clock.advance(1);
    EXPECT_EQ(label(), "Mem 001");
}

TEST_F(Scan, ABandWithoutOccupiedCellsShowsNothingUntilTheBandChanges)
{
    writeSetting("App_Number", "2");
    startOn();
    pressScan();
    clock.advance(5000);
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_TRUE(takeWrites().empty());

    p().bandMenus->loadItem(1)->trigger(); // the Band menu stays usable during a scan
    takeWrites();
    clock.advance(ScanUnit::kEmptyBandRecheckMs);
    EXPECT_EQ(label(), "Mem 001");
    EXPECT_EQ(sentHz(), 7010000);
}

TEST_F(Scan, AfterPowerOffTheScanStillRunsAndOnlyPwrComesBackAtItsEnd)
{
    startOn();
    click(p().pwrButton);
    ASSERT_TRUE(p().scanButton->isEnabled());
    pressScan();
    EXPECT_EQ(label(), "Mem 001");
    EXPECT_FALSE(p().pwrButton->isEnabled());
    click(p().scanButton);
    EXPECT_TRUE(p().pwrButton->isEnabled());
    for (QWidget* control : p().keypadKeys())
        EXPECT_FALSE(control->isEnabled()) << "the keys of a dark panel stay dead";
    for (QWidget* control : std::initializer_list<QWidget*>{
             p().standbyButton, p().stepButton, p().memoryButton, p().sweepButton, p().mwButton})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
}

} // namespace
} // namespace orvane::test
