// Glintar's properties: each setter's accepted values, mode rule and what it repaints.

#include "segdisplay/Glintar.h"

#include "segdisplay/GlintarPrivate.h"
#include "segdisplay/pages/FrmAbout.h"

#include <cmath>

namespace glintar
{

Q_LOGGING_CATEGORY(lcGlintar, "orvane.glintar")

namespace
{

bool within(int v, int low, int high)
{
    return v >= low && v <= high;
}

constexpr int kNewWidth = 320; // a newly placed control, pixels
constexpr int kNewHeight = 69;
constexpr int kMaxDecimals = 10;
constexpr int kMaxCellsSet = 100;

} // namespace

GlintarPrivate::GlintarPrivate(Glintar* q, std::shared_ptr<Clock> clock)
    : q(q), clock(std::move(clock))
{
    timBlink = this->clock->createTimer([this] { blinkTick(); });
    timBlink->setInterval(kDefaultBlinkRate);
    timClock = this->clock->createTimer([this] { clockTick(); });
    timClock->setInterval(kClockInterval);
}

void GlintarPrivate::changed(After after)
{
    const bool manual = geo.adjustMode == 1;
    switch (after) {
    case After::Nothing:
        return;
    case After::Repaint:
        break;
    case After::ManualRepaint:
        if (!manual)
            return;
        break;
    case After::ManualLayoutRepaint:
        if (!manual)
            return;
        [[fallthrough]];
    case After::LayoutRepaint:
        layoutCells();
        break;
    case After::AlwaysRepaint:
        redrawAll(ledOnColor);
        return;
    }
    if (autoRedraw)
        redrawAll(ledOnColor);
}

CaptionItem* GlintarPrivate::currentCaption()
{
    if (captionID < 0 || static_cast<std::size_t>(captionID) >= captions.size())
        return nullptr;
    return &captions[static_cast<std::size_t>(captionID)];
}

const CaptionItem* GlintarPrivate::currentCaption() const
{
    return const_cast<GlintarPrivate*>(this)->currentCaption();
}

void GlintarPrivate::resizeFonts(int count)
{
    fonts.resize(static_cast<std::size_t>(std::max(count, 0)), q->font());
    if (fontID >= count)
        fontID = 0;
    for (CaptionItem& caption : captions)
        if (caption.fontID >= count)
            caption.fontID = 0;
}

void GlintarPrivate::resizeCaptions(int count)
{
    captions.resize(static_cast<std::size_t>(std::max(count, 0)));
    if (captionID >= static_cast<int>(captions.size()))
        captionID = 0;
}

Glintar::Glintar(QWidget* parent) : Glintar(systemClock(), parent) {}

Glintar::Glintar(std::shared_ptr<Clock> clock, QWidget* parent)
    : QWidget(parent), d(std::make_unique<GlintarPrivate>(this, std::move(clock)))
{
    // Every pixel comes from the backing image: nothing to clear before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    d->fonts.push_back(font());
    QPalette background = palette();
    background.setColor(QPalette::Window, d->qcolor(d->backColor));
    setPalette(background);
    resize(kNewWidth, kNewHeight);
}

Glintar::~Glintar()
{
    delete d->about;
}

bool Glintar::autoRedraw() const
{
    return d->autoRedraw;
}

void Glintar::setAutoRedraw(bool on)
{
    d->autoRedraw = on;
    Q_EMIT propertyChanged(QStringLiteral("AutoRedraw"));
    if (on && d->geo.ledBitNum != 0) {
        d->layoutCells();
        d->redrawAll(d->ledOnColor);
    }
}

QImage Glintar::mouseIcon() const
{
    return d->mouseIcon;
}

void Glintar::setMouseIcon(const QImage& icon)
{
    d->mouseIcon = icon;
    d->applyCursor();
    Q_EMIT propertyChanged(QStringLiteral("MouseIcon"));
}

int Glintar::mousePointer() const
{
    return d->mousePointer;
}

void Glintar::setMousePointer(int pointer)
{
    if (!within(pointer, -32768, 32767)) // a 16-bit code
        return;
    d->mousePointer = pointer;
    d->applyCursor();
    Q_EMIT propertyChanged(QStringLiteral("MousePointer"));
}

QImage Glintar::backPicture() const
{
    return d->backPicture;
}

void Glintar::setBackPicture(const QImage& picture)
{
    d->backPicture = picture;
    d->changed(After::AlwaysRepaint);
}

uint Glintar::backColor() const
{
    return d->backColor;
}

void Glintar::setBackColor(uint colour)
{
    d->backColor = colour;
    QPalette background = palette();
    background.setColor(QPalette::Window, d->qcolor(colour));
    setPalette(background);
    d->backPicture = QImage();
    d->changed(After::AlwaysRepaint);
}

uint Glintar::ledOnColor() const
{
    return d->ledOnColor;
}

void Glintar::setLedOnColor(uint colour)
{
    if (colour == d->ledOnColor)
        return;
    d->ledOnColor = colour;
    d->changed(After::Repaint);
}

uint Glintar::ledOffColor() const
{
    return d->ledOffColor;
}

void Glintar::setLedOffColor(uint colour)
{
    if (colour == d->ledOffColor)
        return;
    d->ledOffColor = colour;
    d->changed(After::Repaint);
}

bool Glintar::italic() const
{
    return d->geo.italic;
}

void Glintar::setItalic(bool on)
{
    if (on == d->geo.italic)
        return;
    d->geo.italic = on;
    d->changed(After::Repaint);
}

Glintar::LedType Glintar::ledType() const
{
    return static_cast<LedType>(d->geo.ledType);
}

void Glintar::setLedType(LedType type)
{
    const int v = static_cast<int>(type);
    if (!within(v, 0, 1) || v == d->geo.ledType)
        return;
    d->geo.ledType = v;
    d->changed(After::Repaint);
}

Glintar::Mode Glintar::mode() const
{
    return static_cast<Mode>(d->geo.mode);
}

void Glintar::setMode(Mode mode)
{
    const int v = static_cast<int>(mode);
    if (!within(v, 0, 2) || v == d->geo.mode)
        return;
    d->geo.mode = v;
    d->timClock->setEnabled(mode == Mode::TimeDate && d->runMode);
    d->changed(After::LayoutRepaint);
}

Glintar::DateType Glintar::dateType() const
{
    return static_cast<DateType>(d->geo.dateType);
}

void Glintar::setDateType(DateType type)
{
    const int v = static_cast<int>(type);
    if (d->geo.mode != 0 || !within(v, 0, 3) || v == d->geo.dateType)
        return;
    d->geo.dateType = v;
    d->changed(After::LayoutRepaint);
}

bool Glintar::leadingZeros() const
{
    return d->leadingZeros;
}

void Glintar::setLeadingZeros(bool on)
{
    if (d->geo.mode != 1)
        return;
    d->leadingZeros = on;
    d->changed(After::Repaint);
}

Glintar::PlusMinuMode Glintar::plusMinuMode() const
{
    return static_cast<PlusMinuMode>(d->geo.plusMinuMode);
}

void Glintar::setPlusMinuMode(PlusMinuMode mode)
{
    const int v = static_cast<int>(mode);
    if (d->geo.mode != 1 || !within(v, 0, 2))
        return;
    d->geo.plusMinuMode = v;
    d->changed(After::LayoutRepaint);
}

bool Glintar::blinkEnabled() const
{
    return d->blinkEnabled;
}

void Glintar::setBlinkEnabled(bool on)
{
    if (on == d->blinkEnabled)
        return;
    d->blinkEnabled = on;
    if (!d->runMode)
        return;
    d->timBlink->setEnabled(on);
    // Switching blinking off must never leave the display in its dark phase, even for a host
    // that turned AutoRedraw off: the blink ticks painted regardless of it.
    if (d->autoRedraw || (!on && d->litColor != d->ledOnColor))
        d->redrawAll(d->ledOnColor);
}

int Glintar::blinkRate() const
{
    return d->timBlink->interval();
}

void Glintar::setBlinkRate(int ms)
{
    if (!within(ms, 0, 65535))
        return;
    d->timBlink->setInterval(ms);
}

Glintar::AdjustMode Glintar::adjustMode() const
{
    return static_cast<AdjustMode>(d->geo.adjustMode);
}

void Glintar::setAdjustMode(AdjustMode mode)
{
    const int v = static_cast<int>(mode);
    if (!within(v, 0, 1))
        return;
    d->geo.adjustMode = v;
    d->changed(After::LayoutRepaint);
}

double Glintar::ledSize() const
{
    return d->geo.ledSize;
}

void Glintar::setLedSize(double size)
{
    if (!(size > 0))
        return;
    d->geo.ledSize = size;
    d->changed(After::LayoutRepaint);
}

int Glintar::italicAngle() const
{
    return d->geo.italicAngle;
}

void Glintar::setItalicAngle(int degrees)
{
    if (!within(degrees, 60, 120))
        return;
    d->geo.italicAngle = degrees;
    d->changed(After::ManualRepaint);
}

double Glintar::ledX() const
{
    return d->geo.ledX;
}

void Glintar::setLedX(double x)
{
    d->geo.ledX = x;
    d->changed(After::LayoutRepaint);
}

double Glintar::ledY() const
{
    return d->geo.ledY;
}

void Glintar::setLedY(double y)
{
    d->geo.ledY = y;
    d->changed(After::LayoutRepaint);
}

int Glintar::segmentWidth() const
{
    return d->geo.segmentWidth;
}

void Glintar::setSegmentWidth(int px)
{
    if (!within(px, 1, 100))
        return;
    d->geo.segmentWidth = px;
    d->changed(After::ManualRepaint);
}

int Glintar::segmentSeparation() const
{
    return d->geo.segmentSeparation;
}

void Glintar::setSegmentSeparation(int px)
{
    if (!within(px, 1, 100))
        return;
    d->geo.segmentSeparation = px;
    d->changed(After::ManualRepaint);
}

int Glintar::decimalSize() const
{
    return d->geo.decimalSize;
}

void Glintar::setDecimalSize(int px)
{
    if (!within(px, 0, 100))
        return;
    d->geo.decimalSize = px;
    d->changed(After::ManualRepaint);
}

int Glintar::decimalXOffset() const
{
    return d->geo.decimalXOffset;
}

void Glintar::setDecimalXOffset(int px)
{
    if (!within(px, -65535, 65535))
        return;
    d->geo.decimalXOffset = px;
    d->changed(After::ManualRepaint);
}

int Glintar::decimalYOffset() const
{
    return d->geo.decimalYOffset;
}

void Glintar::setDecimalYOffset(int px)
{
    if (!within(px, -65535, 65535))
        return;
    d->geo.decimalYOffset = px;
    d->changed(After::ManualRepaint);
}

int Glintar::hSpace() const
{
    return d->geo.hSpace;
}

void Glintar::setHSpace(int px)
{
    if (!within(px, 0, 65535))
        return;
    d->geo.hSpace = px;
    d->changed(After::ManualLayoutRepaint);
}

int Glintar::decimals() const
{
    return d->decimals;
}

void Glintar::setDecimals(int count)
{
    if (!within(count, 0, kMaxDecimals) || count == d->decimals)
        return;
    d->decimals = count < d->geo.ledBitNum ? count : d->geo.ledBitNum - 1;
    if (d->geo.mode == 1)
        d->changed(After::Repaint);
}

int Glintar::ledBitNum() const
{
    return d->geo.ledBitNum;
}

void Glintar::setLedBitNum(int count)
{
    if (d->geo.mode == 0 || !within(count, 1, kMaxCellsSet) || count == d->geo.ledBitNum)
        return;
    d->geo.ledBitNum = count;
    if (d->decimals >= count)
        d->decimals = count - 1;
    d->changed(After::LayoutRepaint);
}

double Glintar::value() const
{
    return d->value;
}

void Glintar::setValue(double value)
{
    // NaN and the infinities have no digits to show; NaN would also never equal the stored
    // value, so every assignment of it would repaint.
    if (d->geo.mode != 1 || !std::isfinite(value) || value == d->value)
        return;
    d->value = value;
    // While blinking in run mode the next tick shows the new value.
    if (d->autoRedraw && !(d->blinkEnabled && d->runMode))
        d->updateChangedCells(d->ledOnColor);
}

QString Glintar::alphaText() const
{
    return d->alphaText;
}

void Glintar::setAlphaText(const QString& text)
{
    if (d->geo.mode != 2 || text == d->alphaText)
        return;
    d->alphaText = text;
    d->changed(After::Repaint);
}

int Glintar::borderWidth() const
{
    return d->geo.borderWidth;
}

void Glintar::setBorderWidth(int px)
{
    if (!within(px, 0, 1000))
        return;
    d->geo.borderWidth = px;
    d->changed(After::Repaint);
}

uint Glintar::borderColor() const
{
    return d->borderColor;
}

void Glintar::setBorderColor(uint colour)
{
    d->borderColor = colour;
    d->changed(After::Repaint);
}

Glintar::LineStyle Glintar::outLineStyle() const
{
    return static_cast<LineStyle>(d->geo.outLineStyle);
}

void Glintar::setOutLineStyle(LineStyle style)
{
    const int v = static_cast<int>(style);
    if (!within(v, 1, 2))
        return;
    d->geo.outLineStyle = v;
    d->changed(After::Repaint);
}

Glintar::LineStyle Glintar::inLineStyle() const
{
    return static_cast<LineStyle>(d->geo.inLineStyle);
}

void Glintar::setInLineStyle(LineStyle style)
{
    const int v = static_cast<int>(style);
    if (!within(v, 1, 2))
        return;
    d->geo.inLineStyle = v;
    d->changed(After::Repaint);
}

uint Glintar::borderLight() const
{
    return d->borderLight;
}

void Glintar::setBorderLight(uint colour)
{
    d->borderLight = colour;
    d->changed(After::Repaint);
}

uint Glintar::borderShadow() const
{
    return d->borderShadow;
}

void Glintar::setBorderShadow(uint colour)
{
    d->borderShadow = colour;
    d->changed(After::Repaint);
}

int Glintar::outLineWidth() const
{
    return d->geo.outLineWidth;
}

void Glintar::setOutLineWidth(int px)
{
    if (!within(px, 0, 1000))
        return;
    d->geo.outLineWidth = px;
    d->changed(After::Repaint);
}

int Glintar::inLineWidth() const
{
    return d->geo.inLineWidth;
}

void Glintar::setInLineWidth(int px)
{
    if (!within(px, 0, 1000))
        return;
    d->geo.inLineWidth = px;
    d->changed(After::Repaint);
}

int Glintar::captionNum() const
{
    return static_cast<int>(d->captions.size());
}

void Glintar::setCaptionNum(int count)
{
    if (count > kMaxCaptions)
        return;
    d->resizeCaptions(count);
    d->changed(After::Repaint);
}

int Glintar::captionID() const
{
    return d->captionID;
}

void Glintar::setCaptionID(int index)
{
    if (!within(index, 0, captionNum() - 1))
        return;
    d->captionID = index;
}

QString Glintar::captionText() const
{
    const CaptionItem* caption = d->currentCaption();
    return caption ? caption->text : QString();
}

void Glintar::setCaptionText(const QString& text)
{
    if (CaptionItem* caption = d->currentCaption()) {
        caption->text = text;
        d->changed(After::Repaint);
    }
}

uint Glintar::captionColor() const
{
    const CaptionItem* caption = d->currentCaption();
    return caption ? caption->color : 0;
}

void Glintar::setCaptionColor(uint colour)
{
    if (CaptionItem* caption = d->currentCaption()) {
        caption->color = colour;
        d->changed(After::Repaint);
    }
}

int Glintar::captionFontID() const
{
    const CaptionItem* caption = d->currentCaption();
    return caption ? caption->fontID : 0;
}

void Glintar::setCaptionFontID(int index)
{
    CaptionItem* caption = d->currentCaption();
    if (!caption || !within(index, 0, fontNum() - 1))
        return;
    caption->fontID = index;
    d->changed(After::Repaint);
}

double Glintar::captionX() const
{
    const CaptionItem* caption = d->currentCaption();
    return caption ? caption->x : 0;
}

void Glintar::setCaptionX(double x)
{
    if (CaptionItem* caption = d->currentCaption()) {
        caption->x = x;
        d->changed(After::Repaint);
    }
}

double Glintar::captionY() const
{
    const CaptionItem* caption = d->currentCaption();
    return caption ? caption->y : 0;
}

void Glintar::setCaptionY(double y)
{
    if (CaptionItem* caption = d->currentCaption()) {
        caption->y = y;
        d->changed(After::Repaint);
    }
}

int Glintar::fontNum() const
{
    return static_cast<int>(d->fonts.size());
}

void Glintar::setFontNum(int count)
{
    if (!within(count, 1, kMaxFonts))
        return;
    d->resizeFonts(count);
    d->changed(After::Repaint);
}

int Glintar::fontID() const
{
    return d->fontID;
}

void Glintar::setFontID(int index)
{
    if (!within(index, 0, fontNum() - 1))
        return;
    d->fontID = index;
}

QFont Glintar::fontSlot() const
{
    if (!within(d->fontID, 0, fontNum() - 1))
        return QFont();
    return d->fonts[static_cast<std::size_t>(d->fontID)];
}

void Glintar::setFontSlot(const QFont& font)
{
    // A loaded form can leave the control without slots; there is nothing to set then.
    if (!within(d->fontID, 0, fontNum() - 1))
        return;
    d->fonts[static_cast<std::size_t>(d->fontID)] = font;
    d->changed(After::Repaint);
}

qint32 Glintar::hWnd() const
{
    return static_cast<qint32>(internalWinId());
}

void Glintar::showAbout()
{
    delete d->about;
    auto* box = new FrmAbout(this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    d->about = box;
    box->show();
}

void Glintar::runClock(bool on)
{
    d->timClock->setEnabled(on);
}

void Glintar::refresh()
{
    d->redrawAll(d->ledOnColor);
    Q_EMIT propertyChanged(QString());
}

double Glintar::locateAngle(int x, int y) const
{
    return glintar::locateAngle(x, y);
}

bool Glintar::isRunMode() const
{
    return d->runMode;
}

void Glintar::setRunMode(bool run)
{
    if (run == d->runMode)
        return;
    d->runMode = run;
    // Timers tick only in run mode; entering it starts those the state asks for.
    d->timBlink->setEnabled(run && d->blinkEnabled);
    d->timClock->setEnabled(run && d->geo.mode == 0);
}

PaintCounters Glintar::paintCounters() const
{
    return d->counters;
}

void Glintar::resetPaintCounters()
{
    d->counters = {};
}

} // namespace glintar
