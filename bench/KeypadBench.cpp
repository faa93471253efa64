// From a click on a panel key to the last port write of its load: the whole handler on the real
// main window (offscreen), the display repaint included, into the simulated daughtercard.

#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "panel/FrontPanel.h"
#include "panel/KeypadUnit.h"
#include "panel/StartupShutdown.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/QtClock.h"
#include "panel/toolkit/QtSystemServices.h"
#include "synth/portio/SimulatedCard.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;

// The simulated card, noting when the last write arrived.
class TimedCard final : public PortIo {
public:
    void out32(std::uint16_t port, std::uint8_t value) override
    {
        sim.out32(port, value);
        lastWrite = Clock::now();
        ++writes;
    }
    SimPortIo sim;
    Clock::time_point lastWrite;
    long writes = 0;
};

struct Panel {
    Panel()
        : folder(std::filesystem::temp_directory_path() / "orvane-bench"),
          settings(folder / "Orvane.conf", [](const std::string&) {}),
          panel({port, clock, system, settings, folder})
    {
        BandConfig band;
        band.bandNumber = 1;
        band.bandName = padBandName("40m");
        band.startFreq = 7000000;
        band.endFreq = 7300000;
        writeBandFile(bandFilePath(folder, 1), band);
        settings.write("App_Number", "1");
        settings.write("AutoHide", "False");
        settings.write("Last_Frequency", "7040000");
        panel.lifecycle->startUp();
        panel.show();
        QTest::mouseClick(panel.pwrButton, Qt::LeftButton);
    }
    ~Panel() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    TimedCard port;
    QtClock clock;
    QtSystemServices system{nullptr};
    SettingsStore settings;
    FrontPanel panel;
};

// One UP click: press (the step and its load), release.
void UpClick(benchmark::State& state)
{
    Panel p;
    PushKey* up = p.panel.keyPad[KeypadUnit::kUp];
    for (auto _ : state) {
        const long before = p.port.writes;
        const auto start = Clock::now();
        QTest::mousePress(up, Qt::LeftButton);
        const auto end = p.port.lastWrite;
        QTest::mouseRelease(up, Qt::LeftButton);
        if (p.port.writes - before != 124)
            state.SkipWithError("the click did not make one load");
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

// Typing one digit and ENTER: the entry, the range check and the load.
void DigitAndEnter(benchmark::State& state)
{
    Panel p;
    PushKey* seven = p.panel.keyPad[6];
    PushKey* zero = p.panel.keyPad[KeypadUnit::kDigitZero];
    PushKey* enter = p.panel.keyPad[KeypadUnit::kEnter];
    for (auto _ : state) {
        state.PauseTiming();
        QTest::mouseClick(seven, Qt::LeftButton);
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(zero, Qt::LeftButton);
        state.ResumeTiming();
        const auto start = Clock::now();
        QTest::mouseClick(enter, Qt::LeftButton);
        state.SetIterationTime(std::chrono::duration<double>(p.port.lastWrite - start).count());
    }
}

BENCHMARK(UpClick)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DigitAndEnter)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
