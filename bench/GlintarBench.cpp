// Value changes on the front panel's display: Glintar's partial repaint against QLCDNumber doing
// the same updates, both ending in an image, in the same run.

#include "segdisplay/Glintar.h"
#include "segdisplay/PropertyBag.h"

#include <QApplication>
#include <QImage>
#include <QLCDNumber>
#include <benchmark/benchmark.h>

namespace
{

constexpr QSize kFrontPanel(289, 121);

// The front panel display's stored form.
glintar::PropertyBag frontPanelForm()
{
    glintar::PropertyBag bag;
    const std::pair<const char*, QVariant> keys[] = {
        {"backcolor", 12648384}, {"mode", 1},         {"datetype", 1},    {"ledbitnum", 9},
        {"decimals", 0},         {"alphatext", "0"},  {"ledtype", 0},     {"ledoffcolor", 11663537},
        {"ledoncolor", 4227072}, {"ledsize", 0.36},   {"ledx", 0.02},     {"ledy", 0.3},
        {"segmentwidth", 5},     {"hspace", 6},       {"decimalsize", 5}, {"decimalyoffset", 1},
        {"borderwidth", 0},      {"outlinewidth", 0}, {"inlinewidth", 0},
    };
    for (const auto& [key, value] : keys)
        bag.insert(QString::fromLatin1(key), value);
    bag.insert(QStringLiteral("font0"), QFont(QStringLiteral("Arial"), 9));
    return bag;
}

// Tuning upward in 10 Hz steps across the 40 m band, as UP does.
double nextFrequency(double f)
{
    return f < 7200000 ? f + 10 : 7000000;
}

std::unique_ptr<glintar::Glintar> frontPanel()
{
    auto display = std::make_unique<glintar::Glintar>();
    display->resize(kFrontPanel);
    display->readProperties(frontPanelForm());
    return display;
}

// The partial repaint into Glintar's backing image: what a value change costs the widget.
void GlintarValueChange(benchmark::State& state)
{
    auto display = frontPanel();
    double f = 7000000;
    for (auto _ : state) {
        f = nextFrequency(f);
        display->setValue(f);
    }
    state.counters["cells/update"] =
        benchmark::Counter(static_cast<double>(display->paintCounters().cellsPainted),
                           benchmark::Counter::kAvgIterations);
}

// The same, then the whole widget rendered into an image, as QLCDNumber below is.
void GlintarValueChangeAndRender(benchmark::State& state)
{
    auto display = frontPanel();
    QImage image(kFrontPanel, QImage::Format_ARGB32_Premultiplied);
    double f = 7000000;
    for (auto _ : state) {
        f = nextFrequency(f);
        display->setValue(f);
        display->render(&image);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void QLCDNumberValueChangeAndRender(benchmark::State& state)
{
    QLCDNumber lcd(9);
    lcd.setSegmentStyle(QLCDNumber::Filled);
    lcd.resize(kFrontPanel);
    QImage image(kFrontPanel, QImage::Format_ARGB32_Premultiplied);
    double f = 7000000;
    for (auto _ : state) {
        f = nextFrequency(f);
        lcd.display(f);
        lcd.render(&image);
    }
    benchmark::DoNotOptimize(image.constBits());
}

BENCHMARK(GlintarValueChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(GlintarValueChangeAndRender)->Unit(benchmark::kMicrosecond);
BENCHMARK(QLCDNumberValueChangeAndRender)->Unit(benchmark::kMicrosecond);

} // namespace
