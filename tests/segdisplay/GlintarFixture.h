#pragma once

// What the widget suites share: a Glintar on a manual clock, the front panel's stored form, and
// where a segment lies so a test can look at its pixels.

#include "FrontPanel.h"
#include "ManualClock.h"
#include "segdisplay/Glintar.h"
#include "segdisplay/PropertyBag.h"
#include "segdisplay/geometry/Geometry.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace glintar::test
{

// The pixel an OLE RGB colour paints.
inline QRgb rgb(quint32 ole)
{
    return qRgb(static_cast<int>(ole & 0xFF), static_cast<int>((ole >> 8) & 0xFF),
                static_cast<int>((ole >> 16) & 0xFF));
}

// The front panel display's stored form, keys in lower case as the host stores them.
inline PropertyBag frontPanelForm()
{
    PropertyBag bag;
    bag.insert("backcolor", 12648384);
    bag.insert("mode", 1);
    bag.insert("datetype", 1);
    bag.insert("ledbitnum", 9);
    bag.insert("decimals", 0);
    bag.insert("alphatext", "0");
    bag.insert("ledtype", 0);
    bag.insert("ledoffcolor", 11663537);
    bag.insert("ledoncolor", 4227072);
    bag.insert("ledsize", 0.36);
    bag.insert("ledx", 0.02);
    bag.insert("ledy", 0.3);
    bag.insert("segmentwidth", 5);
    bag.insert("hspace", 6);
    bag.insert("decimalsize", 5);
    bag.insert("decimalyoffset", 1);
    bag.insert("borderwidth", 0);
    bag.insert("outlinewidth", 0);
    bag.insert("inlinewidth", 0);
    bag.insert("font0", QFont("Arial", 9));
    bag.insert("_extentx", 7646); // the host's own keys ride along
    bag.insert("_extenty", 3201);
    return bag;
}

// The same display as geometry sees it.
inline GeometryProperties frontPanelGeometry()
{
    GeometryProperties g = fixtures::frontPanelDisplay();
    g.dateType = 1;
    return g;
}

// A pixel well inside a segment of a cell: the mean of its polygon's points (the shapes are
// convex).
inline QPoint segmentPixel(const GeometryProperties& geo, int cell, Segment segment)
{
    const auto cells = layoutCells(geo);
    const Polygon p = segmentPolygons(geo, cells.at(static_cast<std::size_t>(cell)))[segment];
    int x = 0;
    int y = 0;
    for (const Point& point : p) {
        x += point.x;
        y += point.y;
    }
    return {x / static_cast<int>(p.size()), y / static_cast<int>(p.size())};
}

class GlintarTest : public testing::Test
{
protected:
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();

    std::unique_ptr<Glintar> newControl() { return std::make_unique<Glintar>(clock); }

    std::unique_ptr<Glintar> frontPanel()
    {
        auto g = newControl();
        g->resize(289, 121);
        g->readProperties(frontPanelForm());
        return g;
    }

    static QRgb pixel(Glintar& g, QPoint at) { return g.grab().toImage().pixel(at); }
};

} // namespace glintar::test
