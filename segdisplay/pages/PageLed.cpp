#include "segdisplay/pages/PageLed.h"

#include "segdisplay/Glintar.h"

#include <QFormLayout>
#include <QScrollBar>

namespace glintar {

PageLed::PageLed(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageLed"));
    auto* form = new QFormLayout(this);
    size = addFraction(*form, "txtSize", "vscSize", tr("LED size:"), 0, 100, 10,
                       [](Glintar& g, double v) { g.setLedSize(v); });
    x = addFraction(*form, "txtX", "vscX", tr("LED X:"), -50, 100, 10,
                    [](Glintar& g, double v) { g.setLedX(v); });
    y = addFraction(*form, "txtY", "vscY", tr("LED Y:"), -50, 100, 10,
                    [](Glintar& g, double v) { g.setLedY(v); });
    vscHSpace = addScroll(*form, "vscHSpace", tr("Spacing:"), 0, 100,
                          [](Glintar& g, int v) { g.setHSpace(v); });
    vscSegWidth = addScroll(*form, "vscSegWidth", tr("Segment width:"), 1, 100,
                            [](Glintar& g, int v) { g.setSegmentWidth(v); });
    vscSegSeparation = addScroll(*form, "vscSegSeparation", tr("Segment separation:"), 1, 100,
                                 [](Glintar& g, int v) { g.setSegmentSeparation(v); });
    vscDecimalSize = addScroll(*form, "vscDecimalSize", tr("Point size:"), 0, 100,
                               [](Glintar& g, int v) { g.setDecimalSize(v); });
    vscDecimalXOffset = addScroll(*form, "vscDecimalXOffset", tr("Point X offset:"), -100, 100,
                                  [](Glintar& g, int v) { g.setDecimalXOffset(v); });
    vscDecimalYOffset = addScroll(*form, "vscDecimalYOffset", tr("Point Y offset:"), -100, 100,
                                  [](Glintar& g, int v) { g.setDecimalYOffset(v); });
}

QString PageLed::caption() const
{
    return tr("Leds");
}

void PageLed::fill(Glintar& g)
{
    setFraction(size, g.ledSize());
    setFraction(x, g.ledX());
    setFraction(y, g.ledY());
    vscHSpace->setValue(g.hSpace());
    vscSegWidth->setValue(g.segmentWidth());
    vscSegSeparation->setValue(g.segmentSeparation());
    vscDecimalSize->setValue(g.decimalSize());
    vscDecimalXOffset->setValue(g.decimalXOffset());
    vscDecimalYOffset->setValue(g.decimalYOffset());
}

} // namespace glintar
