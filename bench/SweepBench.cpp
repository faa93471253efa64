// The sweep in real time: the real main window and its QtClock, the simulated daughtercard, SWP
// pressed for a few seconds at each rate. Reports the steps a second achieved, the spread of the
// intervals between steps (from the last port write of one load to that of the next), the CPU
// the process used while sweeping, and how long an event posted to the window waited meanwhile.
// The last line drives the same steps with a QTimer re-armed for a fresh 1 ms after each step.
//   sweep_bench [seconds per rate]

#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "panel/DisplayRegister.h"
#include "panel/FrontPanel.h"
#include "panel/StartupShutdown.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/QtClock.h"
#include "panel/toolkit/QtSystemServices.h"
#include "synth/portio/SimulatedCard.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numeric>

#include <sys/resource.h>

#include <vector>

namespace {

using namespace orvane;
using Steady = std::chrono::steady_clock;

// The simulated card, noting when each load (124 writes) ends.
class TimedCard final : public PortIo {
public:
    void out32(std::uint16_t port, std::uint8_t value) override
    {
        sim.out32(port, value);
        if (port == 888 && ++m_dataWrites % 124 == 0 && recording)
            loadsEnded.push_back(Steady::now());
    }
    void resetCount() { m_dataWrites = 0; }
    SimPortIo sim;
    bool recording = false;
    std::vector<Steady::time_point> loadsEnded;

private:
    long m_dataWrites = 0;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at =
        static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[at];
}

// Runs the event loop for `seconds`, posting an event every 50 ms and noting how long each
// waited to be handled.
std::vector<double> runFor(double seconds)
{
    std::vector<double> waits;
    QTimer probe;
    probe.setInterval(50);
    QObject::connect(&probe, &QTimer::timeout, [&waits] {
        const auto posted = Steady::now();
        QMetaObject::invokeMethod(
            qApp,
            [&waits, posted] {
                waits.push_back(
                    std::chrono::duration<double, std::milli>(Steady::now() - posted).count());
            },
            Qt::QueuedConnection);
    });
    probe.start();
    QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, &QCoreApplication::quit);
    QApplication::exec();
    probe.stop();
    QCoreApplication::sendPostedEvents(); // the probes still queued refer to `waits`
    return waits;
}

// The same steps driven the plain way, for reference: a precise QTimer re-armed with a fresh
// interval after each step's load.
void freshInterval(FrontPanel& panel, int rateMs)
{
    panel.setDisplayValue(panel.displayValue() + 1);
    panel.displayRegister->calcVfoFreq();
    panel.displayRegister->setDecPoint();
    panel.displayRegister->doTheMath();
    QTimer::singleShot(rateMs, Qt::PreciseTimer, &panel, [&panel, rateMs] {
        if (panel.property("reference").toBool())
            freshInterval(panel, rateMs);
    });
}

void measure(int rateMs, double seconds, bool reference)
{
    const auto folder = std::filesystem::temp_directory_path() / "orvane-sweep-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    BandConfig band;
    band.bandNumber = 1;
    band.bandName = padBandName("sweep");
    band.startFreq = 1000000;
    band.endFreq = 30000000; // wide enough that the sweep never wraps during the run
    writeBandFile(bandFilePath(folder, 1), band);
    SettingsStore settings(folder / "Orvane.conf", [](const std::string&) {});
    settings.write("App_Number", "1");
    settings.write("AutoHide", "False");
    settings.write("SweepStep", "1");
    settings.write("SweepTime", std::to_string(rateMs));

    TimedCard port;
    QtClock clock;
    QtSystemServices system{nullptr};
    FrontPanel panel({port, clock, system, settings, folder});
    panel.lifecycle->startUp();
    panel.show();
    QTest::mouseClick(panel.pwrButton, Qt::LeftButton);
    runFor(0.7); // the power-on load

    port.resetCount();
    port.recording = true;
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = Steady::now();
    if (reference) {
        panel.setProperty("reference", true);
        port.loadsEnded.push_back(Steady::now()); // stands for the band start
        freshInterval(panel, rateMs);
    } else {
        QTest::mouseClick(panel.sweepButton, Qt::LeftButton);
    }
    const std::vector<double> waits = runFor(seconds);
    const double wall = std::chrono::duration<double>(Steady::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    if (reference)
        panel.setProperty("reference", false);
    else
        QTest::mouseClick(panel.sweepButton, Qt::LeftButton);
    port.recording = false;

    // The first load is the band start, sent together with the first step.
    const auto& ends = port.loadsEnded;
    std::vector<double> intervals;
    for (std::size_t i = 2; i < ends.size(); ++i)
        intervals.push_back(
            std::chrono::duration<double, std::milli>(ends[i] - ends[i - 1]).count());
    const double span = std::chrono::duration<double>(ends.back() - ends[1]).count();
    const double mean = std::accumulate(intervals.begin(), intervals.end(), 0.0) / intervals.size();
    double square = 0;
    for (double v : intervals)
        square += (v - mean) * (v - mean);
    std::printf("%-9s rate %4d ms: %8.1f steps/s (ideal %6.1f); interval ms: mean %.3f sd %.3f "
                "min %.3f p1 %.3f median %.3f p99 %.3f max %.3f; CPU %.0f%% of one core; "
                "posted event waited median %.2f ms, max %.2f ms\n",
                reference ? "reference" : "sweep", rateMs, intervals.size() / span, 1000.0 / rateMs,
                mean, std::sqrt(square / intervals.size()), percentile(intervals, 0),
                percentile(intervals, 0.01), percentile(intervals, 0.5),
                percentile(intervals, 0.99), percentile(intervals, 1), 100 * cpu / wall,
                percentile(waits, 0.5), percentile(waits, 1));
    std::fflush(stdout);
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    double seconds = 5;
    if (argc > 1 && std::atof(argv[1]) > 0)
        seconds = std::atof(argv[1]);
    for (int rate : {1, 10, 100})
        measure(rate, rate == 100 ? 2 * seconds : seconds, false);
    measure(1, seconds, true);
    return 0;
}
