// Glintar's two repaint sequences, the blink and clock ticks, and the backing image they paint
// into. The shapes come from the geometry; this file only gives them colours and pixels.

#include "segdisplay/GlintarPrivate.h"

#include <QFontMetrics>
#include <QPainter>

namespace glintar
{

namespace
{

bool hasSegmentForm(char ch)
{
    return litSegments(static_cast<unsigned char>(ch)).has_value();
}

// Paints geometry shapes, each filled and outlined in its role's colour, and remembers where.
class ShapePainter
{
public:
    ShapePainter(QPainter& painter, const GlintarPrivate& d) : m_painter(painter), m_d(d) {}

    void paint(const Shapes& shapes)
    {
        for (const Shape& shape : shapes) {
            const QColor colour = m_d.qcolor(colourFor(shape.role));
            if (const auto* polygon = std::get_if<Polygon>(&shape.outline)) {
                QPoint points[std::tuple_size_v<Polygon>];
                QRect bounds;
                for (std::size_t i = 0; i < polygon->size(); ++i) {
                    points[i] = QPoint((*polygon)[i].x, (*polygon)[i].y);
                    // The outline pen reaches one pixel right of and below each point.
                    bounds |= QRect(points[i], QSize(1, 1));
                }
                use(colour);
                m_painter.drawPolygon(points, static_cast<int>(polygon->size()));
                m_dirty |= bounds;
            } else {
                const Rect& r = std::get<Rect>(shape.outline);
                const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
                m_painter.fillRect(rect, colour);
                m_dirty |= rect;
            }
        }
    }

    QRect dirty() const { return m_dirty; }

private:
    // Consecutive shapes mostly share a colour; switching pen and brush is not free.
    void use(const QColor& colour)
    {
        if (colour == m_colour)
            return;
        m_colour = colour;
        m_painter.setPen(QPen(colour, 1));
        m_painter.setBrush(colour);
    }

    OleColor colourFor(ColourRole role) const
    {
        switch (role) {
        case ColourRole::Lit:
            return m_d.litColor;
        case ColourRole::Unlit:
            return m_d.ledOffColor;
        case ColourRole::BorderLight:
            return m_d.borderLight;
        case ColourRole::BorderShadow:
            return m_d.borderShadow;
        case ColourRole::BorderColor:
            return m_d.borderColor;
        }
        return m_d.litColor;
    }

    QPainter& m_painter;
    const GlintarPrivate& m_d;
    QRect m_dirty;
    QColor m_colour; // invalid: nothing set yet
};

std::string shownText(char ch)
{
    return std::string(1, ch);
}

} // namespace

void GlintarPrivate::layoutCells()
{
    geo.clientWidth = q->width();
    geo.clientHeight = q->height();
    cells = glintar::layoutCells(geo);
    laidOutFor = q->size();
}

bool GlintarPrivate::ensureBacking()
{
    const qreal dpr = q->devicePixelRatioF();
    if (backing.size() != q->size() * dpr || backing.devicePixelRatio() != dpr)
        resizeBacking();
    geo.clientWidth = q->width();
    geo.clientHeight = q->height();
    return !backing.isNull();
}

void GlintarPrivate::resizeBacking()
{
    // What was painted stays where it was: a control that does not repaint on resize (no
    // cells) keeps its picture, like any persistent bitmap.
    const qreal dpr = q->devicePixelRatioF();
    QImage next(q->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    if (!next.isNull()) {
        next.setDevicePixelRatio(dpr);
        next.fill(qcolor(backColor));
        if (!backing.isNull() && backing.devicePixelRatio() == dpr) {
            QPainter painter(&next);
            painter.drawImage(0, 0, backing);
        }
    }
    backing = next;
}

std::optional<QString> GlintarPrivate::buildModeText() const
{
    switch (static_cast<Glintar::Mode>(geo.mode)) {
    case Glintar::Mode::TimeDate:
        return QString::fromStdString(buildTimeText(geo.dateType, clock->now()));
    case Glintar::Mode::Digital: {
        const NumberFormat format{decimals, geo.ledBitNum, leadingZeros,
                                  static_cast<SignMode>(geo.plusMinuMode)};
        if (const auto text = buildNumberText(value, format))
            return QString::fromStdString(*text);
        return std::nullopt;
    }
    default:
        return alphaText;
    }
}

void GlintarPrivate::redrawAll(OleColor colour)
{
    if (!ensureBacking())
        return;
    ++counters.fullRepaints;
    QPainter painter(&backing);
    ShapePainter shapes(painter, *this);

    if (!backPicture.isNull()) {
        const Rect r = backPictureRect(geo);
        painter.drawImage(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), backPicture);
    } else {
        painter.fillRect(QRect(QPoint(), q->size()), qcolor(backColor));
    }

    litColor = colour;
    if (const auto text = buildModeText())
        alphaText = *text;

    const QByteArray text = alphaText.toUtf8();
    for (const TextStep& step :
         drawText(text.toStdString(), static_cast<int>(cells.size()), hasSegmentForm)) {
        auto& cell = cells[static_cast<std::size_t>(step.cell)];
        if (step.kind == TextStep::Kind::Point) {
            shapes.paint(drawPoint(geo, cells, step.cell, static_cast<unsigned char>(step.ch)));
        } else if (const auto character =
                       drawCharacter(geo, cell, static_cast<unsigned char>(step.ch))) {
            shapes.paint(*character);
            cell.shown = shownText(step.ch);
            ++counters.cellsPainted;
        }
    }
    if (geo.plusMinuMode == 2 && geo.mode == 1)
        shapes.paint(drawLeadingSign(geo, cells, value));

    painter.setBackgroundMode(Qt::TransparentMode);
    for (const CaptionItem& caption : captions) {
        if (caption.text.isEmpty())
            continue;
        const QFont font = captionFont(caption.fontID);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(caption.text);
        const int height = metrics.height();
        const Point topLeft = captionTopLeft(geo, caption.x, caption.y, width, height);
        painter.setFont(font);
        painter.setPen(qcolor(caption.color));
        painter.drawText(QRect(topLeft.x, topLeft.y, width, height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         caption.text);
    }

    shapes.paint(drawFrame(geo));
    painter.end();
    q->update();
}

void GlintarPrivate::updateChangedCells(OleColor colour)
{
    const QString old = alphaText;
    litColor = colour;
    if (geo.mode == 0 || geo.mode == 1) {
        if (const auto text = buildModeText())
            alphaText = *text;
    }
    if (alphaText == old || !ensureBacking())
        return;

    const QByteArray text = alphaText.toUtf8();
    std::vector<TextStep> changed;
    for (const TextStep& step :
         drawText(text.toStdString(), static_cast<int>(cells.size()), hasSegmentForm)) {
        // Points stay where they are: the partial repaint touches characters only.
        if (step.kind == TextStep::Kind::Character &&
            cells[static_cast<std::size_t>(step.cell)].shown != shownText(step.ch))
            changed.push_back(step);
    }
    // The plus bar is never painted unlit, so a cell that showed "+" can only lose it by
    // repainting what lies beneath: background, captions and frame. That is the full repaint.
    for (const TextStep& step : changed) {
        if (cells[static_cast<std::size_t>(step.cell)].shown == "+") {
            redrawAll(colour);
            return;
        }
    }

    QPainter painter(&backing);
    ShapePainter shapes(painter, *this);
    for (const TextStep& step : changed) {
        auto& cell = cells[static_cast<std::size_t>(step.cell)];
        if (const auto character = drawCharacter(geo, cell, static_cast<unsigned char>(step.ch))) {
            shapes.paint(*character);
            cell.shown = shownText(step.ch);
            ++counters.cellsPainted;
        }
    }
    if (geo.plusMinuMode == 2 && geo.mode == 1)
        shapes.paint(drawLeadingSign(geo, cells, value));
    painter.end();
    if (!shapes.dirty().isEmpty())
        q->update(shapes.dirty());
}

void GlintarPrivate::blinkTick()
{
    blinkPhase = blinkPhase == ledOnColor ? ledOffColor : ledOnColor;
    redrawAll(blinkPhase);
}

void GlintarPrivate::clockTick()
{
    updateChangedCells(ledOnColor);
}

QColor GlintarPrivate::qcolor(OleColor colour) const
{
    return toQColor(colour, q->palette());
}

QFont GlintarPrivate::captionFont(int fontID) const
{
    // A loaded form may name a slot that does not exist; the caption then shows in the
    // ambient font rather than not at all.
    if (fontID >= 0 && static_cast<std::size_t>(fontID) < fonts.size())
        return fonts[static_cast<std::size_t>(fontID)];
    return q->font();
}

} // namespace glintar
