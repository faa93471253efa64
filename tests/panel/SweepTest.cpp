#include "PanelFixture.h"

#include "panel/ChoiceMenu.h"
#include "panel/RangeApp.h"
#include "panel/SweepUnit.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace orvane::test {
namespace {

// Band 1, 40 m, band 2, 20 m; the panel on at 7,040,000. Step and rate come from the settings
// each test writes before it starts.
class Sweep : public PanelTest {
protected:
    void SetUp() override
    {
        writeBand(1, bandRecord(1, "40m", 7000000, 7300000));
        writeBand(2, bandRecord(2, "20m", 14000000, 14350000));
        writeSetting("Last_Frequency", "7040000");
    }
    void startOn(const char* step = "1", const char* rate = "1")
    {
        writeSetting("SweepStep", step);
        writeSetting("SweepTime", rate);
        start();
        switchOn();
        takeWrites();
    }
    RangeApp* openRange()
    {
        p().mnuSweepRange->trigger();
        return p().sweep->rangeApp();
    }
    // Types the range into the Sweep Range window as a user would, and saves it.
    void setRange(const QString& start, const QString& end)
    {
        RangeApp* range = openRange();
        ASSERT_TRUE(range);
        range->text2->setText(start);
        range->text3->setText(end);
        click(range->appRangeDone);
    }
    // One value sent per millisecond, and the display after each, for `ticks` milliseconds.
    struct Trace {
        std::vector<long long> sent;
        std::vector<double> shown;
    };
    Trace run(int ticks, int everyMs = 1)
    {
        Trace trace;
        for (int i = 0; i < ticks; ++i) {
            clock.advance(everyMs);
            const auto writes = takeWrites();
            EXPECT_EQ(writes.size(), 124u) << "one load a tick, at tick " << i;
            trace.sent.push_back(sentHz());
            trace.shown.push_back(display());
        }
        return trace;
    }
    QAction* rateItem(int ms) { return p().sweepRateMenu->item(ms); }
    QAction* stepItem(int hz) { return p().sweepStepMenu->item(hz); }
    int checkedRates()
    {
        int checked = 0;
        for (QAction* item : p().sweepRateMenu->menu()->actions())
            checked += item->isChecked() ? 1 : 0;
        return checked;
    }
};

TEST_F(Sweep, PressSendsTheBandStartThenStepsOneValueEachRate)
{
    struct Case {
        const char* step;
        std::vector<long long> sent;
        std::vector<double> shown;
    };
    const Case cases[] = {
        {"1",
         {7000002, 7000003, 7000004, 7000005, 7000001, 7000002, 7000003, 7000004, 7000005},
         {7000002, 7000003, 7000004, 7000000, 7000001, 7000002, 7000003, 7000004, 7000000}},
        {"10", {7000010, 7000010, 7000010}, {7000000, 7000000, 7000000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        panel.reset();
        startOn(c.step);
        setRange("7000000", "7000005");
        type("7123456");
        click(p().sweepButton);
        const auto writes = takeWrites();
        ASSERT_EQ(writes.size(), 2 * 124u) << "the band start, then the first step";
        SimulatedCard first;
        first.writeControl(0);
        for (std::size_t i = 0; i < 124; ++i)
            first.writeData(writes[i].value);
        EXPECT_EQ(std::llround(first.outputMHz(100.0) * 1e6), 7000000);
        EXPECT_EQ(sentHz(), c.step == std::string("1") ? 7000001 : 7000010);

        const Trace trace = run(static_cast<int>(c.sent.size()));
        EXPECT_EQ(trace.sent, c.sent);
        EXPECT_EQ(trace.shown, c.shown);
        EXPECT_EQ(p().state.vfoRegister, 7040000) << "the sweep never touches the register";
    }
}

TEST_F(Sweep, WhileSweepingOnlySwpAndTheMenusAnswer)
{
    startOn("100");
    click(p().sweepButton);
    EXPECT_FALSE(p().stepBox->isVisible());
    EXPECT_TRUE(p().sweepBox->isVisible());
    EXPECT_EQ(p().sweepBox->text(), "Sweep 100 Hz/msec");
    for (QWidget* control : p().keypadKeys())
        EXPECT_FALSE(control->isEnabled());
    for (QWidget* control :
         std::initializer_list<QWidget*>{p().pwrButton, p().stepButton, p().scanButton,
                                         p().standbyButton, p().memoryButton, p().mwButton})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(p().power->autoHideRunning());

    click(p().sweepButton);
    for (QWidget* control : p().keypadKeys())
        EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(p().pwrButton->isEnabled());
    EXPECT_TRUE(p().stepBox->isVisible());
    EXPECT_FALSE(p().sweepBox->isVisible());
    EXPECT_TRUE(p().power->idleHideRunning());
}

TEST_F(Sweep, EqualAndReversedRanges)
{
    struct Case {
        const char* name;
        const char* start;
        const char* end;
        int loadsAtPress;  // the band start, and the first step if one is taken
        bool timerRunning; // a step is pending
        long long sent;    // what the output holds after two more milliseconds
    };
    for (const Case& c :
         {Case{"equal: stands still on the band start", "7100000", "7100000", 1, false, 7000000},
          Case{"reversed: start + step on every tick", "7100000", "7000000", 2, true, 7100001}}) {
        SCOPED_TRACE(c.name);
        panel.reset();
        startOn();
        setRange(c.start, c.end);
        click(p().sweepButton);
        EXPECT_EQ(takeWrites().size(), c.loadsAtPress * 124u);
        EXPECT_EQ(p().sweep->stepPending(), c.timerRunning);
        EXPECT_EQ(display(), 7100000);
        clock.advance(2);
        EXPECT_EQ(takeWrites().size(), c.timerRunning ? 2 * 124u : 0u);
        EXPECT_EQ(sentHz(), c.sent);
        EXPECT_EQ(display(), 7100000);
    }
}

TEST_F(Sweep, RateAndStepChangesTakeEffectInTheRunningSweep)
{
    startOn("1", "1000");
    setRange("7000000", "7300000");
    click(p().sweepButton);
    EXPECT_EQ(sentHz(), 7000001);
    clock.advance(300);
    takeWrites();

    // From one step a second to one every 10 ms: the pending step was due at 10 ms, so it goes
    // at once, and the next ones follow 10 ms apart.
    rateItem(10)->trigger();
    EXPECT_EQ(p().sweepBox->text(), "Sweep 1 Hz/10 msec");
    EXPECT_EQ(settings.read("SweepTime"), "10");
    clock.advance(0);
    EXPECT_EQ(sentHz(), 7000002);
    takeWrites();
    EXPECT_EQ(run(3, 10).sent, (std::vector<long long>{7000003, 7000004, 7000005}));

    stepItem(100)->trigger();
    EXPECT_EQ(p().sweepBox->text(), "Sweep 100 Hz/10 msec");
    EXPECT_EQ(settings.read("SweepStep"), "100");
    EXPECT_EQ(run(2, 10).sent, (std::vector<long long>{7000105, 7000205}));

    for (int ms : {1000, 10}) {
        rateItem(ms)->trigger();
        EXPECT_EQ(checkedRates(), 1);
        EXPECT_TRUE(rateItem(ms)->isChecked());
    }
}

TEST_F(Sweep, ABandChangeMovesTheSweepIntoTheNewBand)
{
    startOn();
    setRange("7000000", "7000005");
    click(p().sweepButton);
    clock.advance(2);
    p().bandMenus->loadItem(2)->trigger();
    EXPECT_EQ(p().band.sweepStart, 14000000);
    EXPECT_EQ(p().band.sweepEnd, 14350000);
    takeWrites();
    EXPECT_EQ(run(3).sent, (std::vector<long long>{14000001, 14000002, 14000003}));
}

TEST_F(Sweep, ReleaseRightAfterAWrapKeepsTheOutputAndShowsTheStart)
{
    startOn();
    setRange("7000000", "7000005");
    click(p().sweepButton);
    clock.advance(4);
    ASSERT_EQ(sentHz(), 7000005);
    takeWrites();
    click(p().sweepButton);
    EXPECT_EQ(display(), 7000000);
    EXPECT_EQ(sentHz(), 7000005);
    EXPECT_TRUE(takeWrites().empty()) << "release sends nothing";
    clock.advance(100);
    EXPECT_TRUE(takeWrites().empty());
    click(key(KeypadUnit::kClear));
    EXPECT_EQ(sentHz(), 7040000) << "CLR returns to the frequency from before the sweep";
}

TEST_F(Sweep, StoredStepAndRateCheckTheirItemsAndValuesOffTheMenuStillCount)
{
    startOn("7", "10");
    EXPECT_TRUE(rateItem(10)->isChecked());
    EXPECT_EQ(checkedRates(), 1);
    for (QAction* item : p().sweepStepMenu->menu()->actions())
        EXPECT_FALSE(item->isChecked()) << item->text().toStdString();
    setRange("7000000", "7300000");
    click(p().sweepButton);
    EXPECT_EQ(p().sweepBox->text(), "/10 msec") << "no step caption for a step not on the menu";
    EXPECT_EQ(sentHz(), 7000007);
    takeWrites();
    EXPECT_EQ(run(1, 10).sent, (std::vector<long long>{7000014}));
}

TEST_F(Sweep, RangeWindowShowsTheRangeAndSavesWholeHertz)
{
    startOn();
    RangeApp* range = openRange();
    ASSERT_TRUE(range);
    EXPECT_TRUE(range->isVisible());
    EXPECT_EQ(range->windowTitle(), "Sweep Range");
    EXPECT_EQ(range->text2->text(), "7000000");
    EXPECT_EQ(range->text3->text(), "7300000");
    EXPECT_EQ(range->query2->text(), "Start Frequency");
    EXPECT_EQ(range->appRangeDone->text(), "Save");
    EXPECT_TRUE(p().isEnabled()) << "modeless: the panel stays usable";

    range->text2->setText("  7100000 ");
    range->text3->setText("+7100005.5"); // nearest, ties to even
    click(range->appRangeDone);
    EXPECT_EQ(p().band.sweepStart, 7100000);
    EXPECT_EQ(p().band.sweepEnd, 7100006);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(p().sweep->rangeApp(), nullptr) << "Save closes the window";

    click(p().sweepButton);
    EXPECT_EQ(sentHz(), 7100001) << "the steps begin above the new start";
    click(p().sweepButton);
    p().bandMenus->loadItem(1)->trigger();
    EXPECT_EQ(p().band.sweepStart, 7000000) << "a band activation resets the range";
}

TEST_F(Sweep, RangeWindowRefusesTextThatIsNotAWholeNumberInRange)
{
    startOn();
    for (const char* bad : {"abc", "", "7,000,000", "2147483648", "-2147483649", "7e12", "1x"}) {
        SCOPED_TRACE(bad);
        system.questions.clear();
        RangeApp* range = openRange();
        range->text2->setText("7100000");
        range->text3->setText(bad);
        click(range->appRangeDone);
        ASSERT_EQ(system.questions.size(), 1);
        EXPECT_TRUE(system.questions[0].contains("end frequency"))
            << system.questions[0].toStdString();
        EXPECT_TRUE(system.questions[0].contains("unchanged"));
        EXPECT_EQ(p().band.sweepStart, 7000000) << "neither value is taken";
        EXPECT_EQ(p().band.sweepEnd, 7300000);
        EXPECT_TRUE(range->isVisible()) << "the window stays open to correct the text";
    }
    RangeApp* range = openRange();
    range->text2->setText("-2147483648");
    range->text3->setText("2147483647");
    click(range->appRangeDone);
    EXPECT_EQ(p().band.sweepStart, -2147483648LL);
    EXPECT_EQ(p().band.sweepEnd, 2147483647);
}

TEST_F(Sweep, RangeWindowCancelChangesNothing)
{
    startOn();
    RangeApp* range = openRange();
    range->text2->setText("1");
    click(range->cancelRange);
    EXPECT_FALSE(range->isVisible());
    EXPECT_EQ(p().band.sweepStart, 7000000);
}

TEST_F(Sweep, PowerOffStopsTheSweep)
{
    // PWR is disabled while sweeping, so this can only come from the power-off sequence run by
    // code; it must still leave no step pending and SWP released.
    startOn();
    click(p().sweepButton);
    p().power->pwrClick();
    EXPECT_FALSE(p().sweep->stepPending());
    EXPECT_FALSE(p().sweepButton->isPressed());
    takeWrites();
    clock.advance(100);
    EXPECT_TRUE(takeWrites().empty());
}

} // namespace
} // namespace orvane::test
