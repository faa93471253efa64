#pragma once

#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "panel/BandMenus.h"
#include "panel/DisplayControl.h"
#include "panel/DisplayRegister.h"
#include "panel/FrontPanel.h"
#include "panel/KeypadUnit.h"
#include "panel/PowerUnit.h"
#include "panel/StartupShutdown.h"
#include "panel/toolkit/PushKey.h"
#include "synth/portio/RecordingPortIo.h"
#include "synth/portio/SimulatedCard.h"
#include "tests/support/FakeSystemServices.h"
#include "tests/support/ManualClock.h"
#include "tests/support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace orvane::test {

// A band as the tests write it into a band file before start-up.
inline BandConfig bandRecord(int number, const std::string& name, std::int32_t start,
                             std::int32_t end, std::int32_t offset = 0,
                             std::int32_t correction = 0)
{
    BandConfig band;
    band.bandNumber = static_cast<std::int16_t>(number);
    band.bandName = padBandName(name);
    band.startFreq = start;
    band.endFreq = end;
    band.offsetOn = offset != 0;
    band.offsetFreq = offset;
    band.vfoCorrection = correction;
    return band;
}

// The real main window on the offscreen platform, with a recording port, a manual clock,
// scripted message boxes and its settings and band files in a temporary folder. Tests prepare
// settings and band files, call start(), and then use the panel's keys as a user would.
class PanelTest : public testing::Test {
protected:
    void writeBand(int slot, const BandConfig& band)
    {
        ASSERT_EQ(writeBandFile(bandFilePath(bandFolder(), slot), band), "");
    }
    void writeSetting(std::string_view key, std::string_view text) { settings.write(key, text); }

    void start()
    {
        panel.emplace(FrontPanel::Environment{port, clock, system, settings, bandFolder()});
        panel->lifecycle->startUp();
        panel->show();
    }

    std::filesystem::path bandFolder() const { return dir.path / "bands"; }
    FrontPanel& p() { return *panel; }

    void click(QAbstractButton* key, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(key, button);
    }
    void press(QAbstractButton* key, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(key, button);
    }
    void release(QAbstractButton* key, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(key, button);
    }
    PushKey* key(int index) { return p().keyPad[static_cast<std::size_t>(index)]; }
    // Types a frequency on the digit keys.
    void type(const std::string& digits)
    {
        for (char c : digits)
            click(key(c == '0' ? KeypadUnit::kDigitZero : c - '1'));
    }
    void enter() { click(key(KeypadUnit::kEnter)); }
    void switchOn()
    {
        click(p().pwrButton);
        clock.advance(500);
    }

    std::vector<PortWrite> takeWrites()
    {
        std::vector<PortWrite> writes;
        writes.swap(port.writes);
        return writes;
    }
    double display() { return p().displayValue(); }
    // The daughtercard on LPT1 as it decoded every write so far.
    const SimulatedCard& card() { return port.sim.card(888); }
    // The frequency the card puts out with the default 100 MHz crystal, in whole hertz.
    long long sentHz() { return std::llround(card().outputMHz(100.0) * 1e6); }

    // Records the writes and passes them to a simulated card.
    struct Port final : PortIo {
        void out32(std::uint16_t address, std::uint8_t value) override
        {
            writes.push_back({address, value});
            sim.out32(address, value);
        }
        std::vector<PortWrite> writes;
        SimPortIo sim;
    };

    TempDir dir;
    Port port;
    ManualClock clock;
    FakeSystemServices system;
    SettingsStore settings{dir.path / "Orvane.conf", [](const std::string&) {}};
    std::optional<FrontPanel> panel;
};

// The panel switched on, on a 40 m band (7,000,000..7,300,000 Hz) at 7,040,000 Hz, with the
// writes of the power-on already taken.
class PoweredPanelTest : public PanelTest {
protected:
    void SetUp() override
    {
        writeBand(1, bandRecord(1, "40m", 7000000, 7300000));
        writeSetting("Last_Frequency", "7040000");
        start();
        switchOn();
        takeWrites();
    }
};

} // namespace orvane::test
