#include "PanelFixture.h"

#include "panel/MemoryUnit.h"

#include <QLabel>

namespace orvane::test {
namespace {

// Band 1, 40 m, with cells 1, 2 and 20 occupied; the panel on at 7,040,000.
class Memory : public PanelTest {
protected:
    void SetUp() override
    {
        BandConfig band = bandRecord(1, "40m", 7000000, 7300000);
        band.memCell(1) = 7010000;
        band.memCell(2) = 7020000;
        band.memCell(20) = 7200000;
        writeBand(1, band);
        writeSetting("Last_Frequency", "7040000");
        start();
        switchOn();
        takeWrites();
    }
    LatchKey* mv() { return p().memoryButton; }
    PushKey* vm() { return p().mwButton; }
    QString label() { return p().memoryBox->isVisible() ? p().memoryBox->text() : "(hidden)"; }
    BandConfig stored(int slot)
    {
        BandTable fresh(bandFolder());
        EXPECT_EQ(fresh.readBandFile(slot), "");
        return fresh.slot(slot);
    }
    void expectEnabled(std::initializer_list<QWidget*> controls, bool enabled)
    {
        for (QWidget* control : controls)
            EXPECT_EQ(control->isEnabled(), enabled) << control->objectName().toStdString();
    }
};

TEST_F(Memory, MemoryReadShowsAndSendsTheBrowsedCellAndWrapsBothWays)
{
    click(mv());
    EXPECT_EQ(label(), "Mem 001");
    EXPECT_EQ(display(), 7010000);
    EXPECT_EQ(sentHz(), 7010000);
    EXPECT_TRUE(p().state.memorySelectMode);
    expectEnabled({key(0), key(KeypadUnit::kDigitZero), key(KeypadUnit::kClear), p().standbyButton,
                   p().sweepButton, p().scanButton},
                  false);
    expectEnabled({key(KeypadUnit::kEnter), key(KeypadUnit::kUp), key(KeypadUnit::kDown),
                   p().stepButton, vm(), p().pwrButton},
                  true);

    struct Step {
        int key;
        Qt::MouseButton button;
        const char* label;
        double shown;
    };
    for (const Step& s : {Step{KeypadUnit::kDown, Qt::LeftButton, "Mem 020", 7200000},
                          Step{KeypadUnit::kUp, Qt::RightButton, "Mem 001", 7010000},
                          Step{KeypadUnit::kUp, Qt::LeftButton, "Mem 002", 7020000}}) {
        SCOPED_TRACE(s.label);
        click(key(s.key), s.button);
        EXPECT_EQ(label(), s.label);
        EXPECT_EQ(display(), s.shown);
        EXPECT_EQ(sentHz(), s.shown) << "the synthesizer follows the cell";
    }
    takeWrites();
    clock.advance(1000);
    EXPECT_TRUE(takeWrites().empty()) << "no auto-repeat in the memory modes";

    // An empty cell shows 0 and, with no offset or correction, sends nothing.
    click(key(KeypadUnit::kUp));
    EXPECT_EQ(label(), "Mem 003");
    EXPECT_EQ(display(), 0);
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(sentHz(), 7020000);
}

TEST_F(Memory, ReleasingWithoutEnterReturnsToTheFrequencyBefore)
{
    click(mv());
    click(key(KeypadUnit::kUp));
    takeWrites();
    click(mv());
    EXPECT_EQ(display(), 7040000);
    EXPECT_EQ(sentHz(), 7040000);
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_FALSE(p().state.memorySelectMode);
    expectEnabled(
        {key(0), key(KeypadUnit::kClear), p().standbyButton, p().sweepButton, p().scanButton},
        true);
}

TEST_F(Memory, EnterTakesTheBrowsedCellAsTheNewFrequencyAndReleasesMemoryRead)
{
    click(mv());
    EXPECT_FALSE(p().power->autoHideRunning());
    click(key(KeypadUnit::kDown));
    takeWrites();
    enter();
    EXPECT_FALSE(mv()->isPressed());
    EXPECT_FALSE(p().state.memorySelectMode);
    EXPECT_EQ(p().state.vfoRegister, 7200000);
    EXPECT_EQ(p().state.memReadIndex, 1);
    EXPECT_EQ(display(), 7200000);
    EXPECT_EQ(sentHz(), 7200000);
    EXPECT_EQ(takeWrites().size(), 124u) << "the release steps ran exactly once";
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_TRUE(p().scanButton->isEnabled());

    type("7123");
    click(key(KeypadUnit::kClear));
    EXPECT_EQ(display(), 7200000) << "CLR returns to the committed cell";
}

TEST_F(Memory, ATypedEntryBecomesTheRegisterWithoutARangeCheck)
{
    type("123");
    takeWrites();
    click(mv());
    EXPECT_FALSE(p().power->idleHideRunning()) << "memory activity holds auto-hide off";
    click(mv());
    EXPECT_TRUE(p().power->idleHideRunning()) << "and arms it again when it ends";
    EXPECT_EQ(p().state.vfoRegister, 123);
    EXPECT_EQ(display(), 123);
    EXPECT_EQ(sentHz(), 123);
}

TEST_F(Memory, AnEmptyCellOnABandWithAnOffsetSendsTheOffset)
{
    writeBand(2, bandRecord(2, "IF", 3000000, 3500000, 455000, 20));
    p().bandMenus->loadBand(2);
    click(mv());
    EXPECT_EQ(display(), 0);
    EXPECT_EQ(sentHz(), 455020);
}

TEST_F(Memory, MemoryWriteStoresTheFrequencyKeptAtTheStartInTheChosenCell)
{
    click(vm());
    EXPECT_TRUE(p().state.memoryWriteMode);
    EXPECT_EQ(label(), "Mem 001");
    EXPECT_EQ(display(), 7010000) << "the chosen cell's old content";
    EXPECT_FALSE(p().scanButton->isEnabled());
    EXPECT_TRUE(key(0)->isEnabled());
    EXPECT_TRUE(p().power->autoHideRunning()) << "V>M leaves the auto-hide timers alone";

    click(key(KeypadUnit::kUp));
    click(key(KeypadUnit::kUp), Qt::RightButton);
    EXPECT_EQ(label(), "Mem 003");
    EXPECT_EQ(display(), 0);
    enter();
    EXPECT_TRUE(takeWrites().empty()) << "V>M sends nothing";
    EXPECT_EQ(sentHz(), 7040000);
    EXPECT_EQ(display(), 7040000);
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_FALSE(p().state.memoryWriteMode);
    EXPECT_TRUE(p().scanButton->isEnabled());
    EXPECT_EQ(p().bands.slot(1).memCell(3), 7040000);
    EXPECT_EQ(stored(1).memCell(3), 7040000) << "the band file is rewritten";
}

TEST_F(Memory, MemoryWriteWrapsAndStoringAZeroEmptiesTheCell)
{
    type("0");
    click(vm());
    click(key(KeypadUnit::kDown));
    EXPECT_EQ(label(), "Mem 020");
    EXPECT_EQ(display(), 7200000);
    click(key(KeypadUnit::kUp));
    click(key(KeypadUnit::kDown));
    enter();
    EXPECT_EQ(stored(1).memCell(20), 0);
    EXPECT_EQ(display(), 0);
}

TEST_F(Memory, ClearAbandonsMemoryWriteWithoutWriting)
{
    const BandConfig before = stored(1);
    click(vm());
    click(key(KeypadUnit::kUp));
    type("7111111"); // digits stay usable in V>M; ENTER would ignore them
    click(key(KeypadUnit::kClear));
    EXPECT_FALSE(p().state.memoryWriteMode);
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_TRUE(p().scanButton->isEnabled());
    EXPECT_EQ(display(), 7040000);
    EXPECT_EQ(sentHz(), 7040000);
    EXPECT_EQ(stored(1), before);
}

TEST_F(Memory, MemoryWritePendingAcrossPowerOffStillStoresWhatWasKept)
{
    click(vm());
    click(key(KeypadUnit::kUp));
    click(p().pwrButton);
    EXPECT_EQ(label(), "(hidden)");
    EXPECT_TRUE(p().state.memoryWriteMode);
    switchOn();
    EXPECT_EQ(label(), "Mem 002") << "the pending V>M shows its cell again";
    EXPECT_FALSE(p().scanButton->isEnabled()) << "and keeps SCAN away until it ends";
    enter();
    EXPECT_EQ(stored(1).memCell(2), 7040000);
    EXPECT_TRUE(p().scanButton->isEnabled());
}

TEST_F(Memory, PowerOffEndsMemoryRead)
{
    click(mv());
    click(p().pwrButton);
    EXPECT_FALSE(mv()->isPressed());
    EXPECT_FALSE(p().state.memorySelectMode);
    EXPECT_EQ(label(), "(hidden)");
    switchOn();
    click(key(KeypadUnit::kUp));
    EXPECT_EQ(display(), 7000010) << "UP tunes again";
}

TEST_F(Memory, MemoryWriteBegunDuringMemoryReadTakesUpAndDown)
{
    click(mv());
    click(vm());
    click(key(KeypadUnit::kUp));
    EXPECT_EQ(p().state.memWriteIndex, 2);
    EXPECT_EQ(p().state.memReadIndex, 1);
    enter();
    EXPECT_EQ(stored(1).memCell(2), 7010000) << "V>M kept the cell M>V showed";
    EXPECT_TRUE(mv()->isPressed());
    EXPECT_FALSE(p().scanButton->isEnabled()) << "M>V still holds SCAN";
    click(mv());
    EXPECT_TRUE(p().scanButton->isEnabled());
}

} // namespace
} // namespace orvane::test
