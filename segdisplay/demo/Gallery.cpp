// The gallery: one display per mode and look, each set up through its properties.

#include "segdisplay/demo/Gallery.h"

#include "segdisplay/ControlRegistry.h"
#include "segdisplay/Glintar.h"
#include "segdisplay/PropertyBag.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <functional>

namespace {

using glintar::Glintar;

// The front panel's display, created as the panel creates it: by identifier, from its stored
// form, addressed afterwards by dispatch id only.
constexpr const char* kFrontPanelForm = R"({
    "backcolor": 12648384, "mode": 1, "datetype": 1, "ledbitnum": 9, "decimals": 0,
    "alphatext": "0", "ledtype": 0, "ledoffcolor": 11663537, "ledoncolor": 4227072,
    "ledsize": 0.36, "ledx": 0.02, "ledy": 0.3, "segmentwidth": 5, "hspace": 6,
    "decimalsize": 5, "decimalyoffset": 1, "borderwidth": 0, "outlinewidth": 0,
    "inlinewidth": 0, "font0": {"font": "Arial,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"}
})";
constexpr qint32 kValueId = 0x68030012;

struct Sample {
    const char* label;
    int width; // pixels; every sample is 69 high, as a newly placed control
    std::function<void(Glintar&)> setUp;
};

Glintar* addSample(QGridLayout& grid, const Sample& sample)
{
    const int row = grid.rowCount();
    auto* label = new QLabel(QString::fromUtf8(sample.label));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* display = new Glintar;
    display->setFixedSize(sample.width, 69);
    sample.setUp(*display);
    grid.addWidget(label, row, 0);
    grid.addWidget(display, row, 1);
    return display;
}

void clock(Glintar& g, Glintar::DateType type)
{
    g.setMode(Glintar::Mode::TimeDate);
    g.setDateType(type);
    g.setLedType(Glintar::LedType::Hexagon);
    g.setLedSize(0.6);
    g.setLedY(0.2);
    g.setSegmentWidth(4);
    g.setSegmentSeparation(1);
    g.setHSpace(type == Glintar::DateType::TimeOnly ? 14 : 6);
    g.setDecimalSize(4);
    g.setDecimalYOffset(-2);
    g.setLedX(0.03);
    g.setLedOnColor(0x4040FF);
    g.setLedOffColor(0x201040);
}

const Sample kSamples[] = {
    {"Alpha text, bevelled segments (a new control)", 320, [](Glintar&) {}},
    {"Alpha text \"Hello\", hexagon segments", 320,
     [](Glintar& g) {
         g.setAlphaText(QStringLiteral("Hello"));
         g.setLedType(Glintar::LedType::Hexagon);
         g.setSegmentWidth(6);
         g.setHSpace(10);
     }},
    {"Italic, bevelled", 320,
     [](Glintar& g) {
         g.setAlphaText(QStringLiteral("12:34"));
         g.setItalic(true);
         g.setItalicAngle(80);
         g.setHSpace(10);
         g.setLedOnColor(0x3030FF);
         g.setLedOffColor(0x202040);
     }},
    {"Italic, hexagon", 320,
     [](Glintar& g) {
         g.setLedType(Glintar::LedType::Hexagon);
         g.setAlphaText(QStringLiteral("-8.8.8.8"));
         g.setItalic(true);
         g.setItalicAngle(80);
         g.setSegmentWidth(6);
         g.setHSpace(10);
         g.setLedOnColor(0x40FF40);
         g.setLedOffColor(0x103010);
     }},
    {"Digital, sign always, 2 decimals", 400,
     [](Glintar& g) {
         g.setMode(Glintar::Mode::Digital);
         g.setLedBitNum(8);
         g.setPlusMinuMode(Glintar::PlusMinuMode::Always);
         g.setDecimals(2);
         g.setSegmentWidth(6);
         g.setHSpace(10);
         g.setDecimalSize(6);
         g.setValue(-273.15);
     }},
    {"Digital, leading sign, leading zeros", 400,
     [](Glintar& g) {
         g.setMode(Glintar::Mode::Digital);
         g.setLedBitNum(8);
         g.setLeadingZeros(true);
         g.setPlusMinuMode(Glintar::PlusMinuMode::LeadingSign);
         g.setSegmentWidth(6);
         g.setHSpace(8);
         g.setDecimalSize(6);
         g.setLedType(Glintar::LedType::Hexagon);
         g.setValue(14.2);
     }},
    {"Clock, time only", 320, [](Glintar& g) { clock(g, Glintar::DateType::TimeOnly); }},
    {"Clock, 1-Chinese (yyyy-mm-dd)", 500,
     [](Glintar& g) { clock(g, Glintar::DateType::Chinese); }},
    {"Clock, 2-English1 (dd-mm-yyyy)", 500,
     [](Glintar& g) { clock(g, Glintar::DateType::English1); }},
    {"Clock, 3-English2 (mm-dd-yyyy)", 500,
     [](Glintar& g) { clock(g, Glintar::DateType::English2); }},
    {"Captions and a lowered frame", 320,
     [](Glintar& g) {
         g.setAlphaText(QStringLiteral("on AIr"));
         g.setLedY(0.3);
         g.setLedSize(0.6);
         g.setOutLineStyle(Glintar::LineStyle::Lowered);
         g.setInLineStyle(Glintar::LineStyle::Raised);
         g.setBackColor(0x202020);
         g.setCaptionNum(1);
         g.setCaptionText(QStringLiteral("STUDIO 1"));
         g.setCaptionColor(0xC0C0C0);
         g.setCaptionX(0.5);
         g.setCaptionY(0.17);
     }},
};

} // namespace

std::unique_ptr<QWidget> makeGallery()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Glintar gallery"));
    auto* grid = new QGridLayout(window.get());

    // The front panel's display: as the panel hosts it.
    QWidget* panel = glintar::ControlRegistry::create(QStringLiteral("VarnokGlintar.Glintar"));
    auto* frontPanel = qobject_cast<Glintar*>(panel);
    panel->setFixedSize(289, 121);
    frontPanel->readProperties(*glintar::PropertyBag::fromText(QString::fromUtf8(kFrontPanelForm)));
    frontPanel->setPropertyById(kValueId, 7040000.0);
    grid->addWidget(new QLabel(QStringLiteral("Digital frequency (the front panel's display)")), 0,
                    0, Qt::AlignRight);
    grid->addWidget(panel, 0, 1);

    for (const Sample& sample : kSamples)
        addSample(*grid, sample);

    // Tune the front panel upward in 10 Hz steps: only the digits that change are repainted.
    auto* tuning = new QTimer(window.get());
    QObject::connect(tuning, &QTimer::timeout, frontPanel, [frontPanel] {
        frontPanel->setPropertyById(kValueId, frontPanel->value() + 10);
    });
    tuning->start(100);
    return window;
}
