#include "segdisplay/StyleSnapshot.h"

#include "segdisplay/Glintar.h"

#include <algorithm>
#include <cmath>

namespace glintar {

namespace {

using styles::StyleRecord;

// Colours are Longs in a style: system colours read as negative numbers there.
qint32 asLong(uint colour)
{
    return static_cast<qint32>(colour);
}

uint asColour(qint32 colour)
{
    return static_cast<uint>(colour);
}

// The font's size in whole points, a half going to the even one.
qint16 wholePoints(const QFont& font)
{
    double points = font.pointSizeF();
    if (points <= 0) // a font sized in pixels: at 96 pixels to the inch
        points = font.pixelSize() * 72.0 / 96.0;
    return static_cast<qint16>(std::clamp(std::nearbyint(points), 0.0, 32767.0));
}

} // namespace

std::string toStyleText(const QString& text)
{
    return text.toLatin1().toStdString();
}

QString fromStyleText(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

styles::StyleFont toStyleFont(const QFont& font)
{
    styles::StyleFont f;
    f.bold = font.bold();
    f.italic = font.italic();
    f.name = toStyleText(font.family());
    f.size = wholePoints(font);
    f.strikethrough = font.strikeOut();
    f.underline = font.underline();
    f.weight = static_cast<qint16>(font.weight());
    return f;
}

QFont fromStyleFont(const styles::StyleFont& f)
{
    QFont font(fromStyleText(f.name));
    if (f.size > 0)
        font.setPointSize(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setStrikeOut(f.strikethrough);
    font.setUnderline(f.underline);
    // The weight comes last and wins over Bold, as it does when a font object is set field by
    // field; a weight outside the scale (a file from elsewhere) leaves what Bold said.
    if (f.weight >= 1 && f.weight <= 1000)
        font.setWeight(static_cast<QFont::Weight>(f.weight));
    return font;
}

StyleRecord takeSnapshot(Glintar& g, const QString& description, const QString& notes)
{
    StyleRecord s;
    s.backColor = asLong(g.backColor());
    s.enabled = g.isEnabled();
    s.mousePointer = static_cast<qint16>(g.mousePointer());
    s.autoRedraw = g.autoRedraw();
    s.mode = static_cast<qint32>(g.mode());
    s.dateType = static_cast<qint32>(g.dateType());
    s.adjustMode = static_cast<qint32>(g.adjustMode());
    s.ledBitNum = g.ledBitNum();
    s.decimals = g.decimals();
    s.value = g.value();
    s.alphaText = toStyleText(g.alphaText());
    s.italic = g.italic();
    s.leadingZeros = g.leadingZeros();
    s.plusMinuMode = static_cast<qint32>(g.plusMinuMode());
    s.blinkEnabled = g.blinkEnabled();
    s.blinkRate = g.blinkRate();
    s.italicAngle = g.italicAngle();
    s.ledType = static_cast<qint32>(g.ledType());
    s.ledOffColor = asLong(g.ledOffColor());
    s.ledOnColor = asLong(g.ledOnColor());
    s.ledSize = g.ledSize();
    s.ledX = g.ledX();
    s.ledY = g.ledY();
    s.segmentWidth = g.segmentWidth();
    s.segmentSeparation = g.segmentSeparation();
    s.hSpace = g.hSpace();
    s.decimalSize = g.decimalSize();
    s.decimalXOffset = g.decimalXOffset();
    s.decimalYOffset = g.decimalYOffset();

    // The caption and font properties address one entry at a time: walk them, then put the
    // host's selection back.
    const int captionID = g.captionID();
    s.captionNum = g.captionNum();
    for (int i = 0; i < s.captionNum; ++i) {
        g.setCaptionID(i);
        s.captions.push_back({toStyleText(g.captionText()), g.captionFontID(), g.captionX(),
                              asLong(g.captionColor()), g.captionY()});
    }
    g.setCaptionID(captionID);

    const int fontID = g.fontID();
    s.fontNum = g.fontNum();
    for (int i = 0; i < s.fontNum; ++i) {
        g.setFontID(i);
        s.fonts.push_back(toStyleFont(g.fontSlot()));
    }
    g.setFontID(fontID);

    s.borderWidth = g.borderWidth();
    s.borderColor = asLong(g.borderColor());
    s.borderLight = asLong(g.borderLight());
    s.borderShadow = asLong(g.borderShadow());
    s.inLineStyle = static_cast<qint32>(g.inLineStyle());
    s.outLineStyle = static_cast<qint32>(g.outLineStyle());
    s.outLineWidth = g.outLineWidth();
    s.inLineWidth = g.inLineWidth();
    s.notes = toStyleText(notes);
    s.description = toStyleText(description);
    return s;
}

void applyStyle(Glintar& g, const StyleRecord& s)
{
    // One repaint at the end instead of one per property.
    g.setAutoRedraw(false);

    g.setBackColor(asColour(s.backColor));
    g.setEnabled(s.enabled);
    g.setMousePointer(s.mousePointer);
    g.setBorderWidth(s.borderWidth);
    g.setBorderColor(asColour(s.borderColor));
    g.setBorderLight(asColour(s.borderLight));
    g.setBorderShadow(asColour(s.borderShadow));
    g.setInLineStyle(static_cast<Glintar::LineStyle>(s.inLineStyle));
    g.setOutLineStyle(static_cast<Glintar::LineStyle>(s.outLineStyle));
    g.setOutLineWidth(s.outLineWidth);
    g.setInLineWidth(s.inLineWidth);

    // The counts rule; a list longer than its count is ignored past it, and a shorter one
    // leaves the entries it does not reach as the count's resize made them.
    g.setFontNum(s.fontNum);
    const auto fonts =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(g.fontNum(), 0)), s.fonts.size());
    for (std::size_t i = 0; i < fonts; ++i) {
        g.setFontID(static_cast<int>(i));
        g.setFontSlot(fromStyleFont(s.fonts[i]));
    }

    g.setCaptionNum(s.captionNum);
    const auto captions = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(g.captionNum(), 0)), s.captions.size());
    for (std::size_t i = 0; i < captions; ++i) {
        const styles::StyleCaption& c = s.captions[i];
        g.setCaptionID(static_cast<int>(i));
        g.setCaptionText(fromStyleText(c.text));
        g.setCaptionFontID(c.fontID);
        g.setCaptionX(c.x);
        g.setCaptionY(c.y);
        g.setCaptionColor(asColour(c.color));
    }

    g.setMode(static_cast<Glintar::Mode>(s.mode));
    g.setDateType(static_cast<Glintar::DateType>(s.dateType));
    g.setAdjustMode(static_cast<Glintar::AdjustMode>(s.adjustMode));
    g.setLedBitNum(s.ledBitNum);
    g.setDecimals(s.decimals);
    g.setValue(s.value);
    g.setAlphaText(fromStyleText(s.alphaText));
    g.setItalic(s.italic);
    g.setLeadingZeros(s.leadingZeros);
    g.setPlusMinuMode(static_cast<Glintar::PlusMinuMode>(s.plusMinuMode));
    g.setBlinkEnabled(s.blinkEnabled);
    g.setBlinkRate(s.blinkRate);
    g.setItalicAngle(s.italicAngle);
    g.setLedType(static_cast<Glintar::LedType>(s.ledType));
    g.setLedOffColor(asColour(s.ledOffColor));
    g.setLedOnColor(asColour(s.ledOnColor));
    g.setLedSize(s.ledSize);
    g.setLedX(s.ledX);
    g.setLedY(s.ledY);
    g.setSegmentWidth(s.segmentWidth);
    g.setSegmentSeparation(s.segmentSeparation);
    g.setHSpace(s.hSpace);
    g.setDecimalSize(s.decimalSize);
    g.setDecimalXOffset(s.decimalXOffset);
    g.setDecimalYOffset(s.decimalYOffset);

    // True lays out and repaints by itself.
    g.setAutoRedraw(s.autoRedraw);
    if (!s.autoRedraw)
        g.refresh();

    g.setCaptionID(0);
    g.setFontID(0);
}

} // namespace glintar
