// One whole frequency change, as the panel makes it: calcVfoFreq, doTheMath and its 124 writes.

#include "synth/DoTheMath.h"
#include "synth/portio/SimulatedCard.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orvane;

class DiscardingPortIo final : public PortIo {
public:
    void out32(std::uint16_t port, std::uint8_t value) override
    {
        benchmark::DoNotOptimize(port);
        benchmark::DoNotOptimize(value);
    }
};

template <class Port>
void frequencyChange(benchmark::State& state)
{
    SynthConfig config;
    config.refClockMHz = 180;
    config.controlPrefix = kPrefixX6;
    Port port;
    port.out32(890, 0);
    PortLink link(port, config);
    link.setBand(5);
    double display = 14000000;
    for (auto _ : state) {
        display = display < 14350000 ? display + 10 : 14000000;
        const LoadResult result = updateVfo(display, -9000000, -150, config, link);
        benchmark::DoNotOptimize(result.tuningWord);
    }
}

void DiscardingBackend(benchmark::State& state) { frequencyChange<DiscardingPortIo>(state); }
void SimulatedCard(benchmark::State& state) { frequencyChange<SimPortIo>(state); }

BENCHMARK(DiscardingBackend);
BENCHMARK(SimulatedCard);

} // namespace

BENCHMARK_MAIN();
