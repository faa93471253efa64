#pragma once

// Glintar, a row of seven-segment LED character cells showing a number (digital mode), the time
// with an optional date (time/date mode) or a short text (alpha mode), with blinking, captions, a
// background picture and a three-ring bevelled frame.
//
// Every property of the control's interface is a Q_PROPERTY here. Setters ignore values outside
// their accepted range or mode silently, as a control on a form must; most return early when the
// value does not change. Whether a change repaints follows AutoRedraw. Colours are OLE colours
// (0x00BBGGRR, or 0x800000nn for system colour nn), Long properties are ints.
//
// The widget paints into a backing image that persists between paints (kept at the screen's
// device-pixel ratio); a new Value repaints only the cells whose character changed.

#include "segdisplay/PropertyBag.h"
#include "segdisplay/glintar_export.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

namespace glintar
{

class Clock;
class GlintarPrivate;

// What the widget has painted since it was created or the counters were reset: the partial
// repaint's economy made visible.
struct PaintCounters {
    int fullRepaints = 0; // RedrawAll runs, blink ticks included
    int cellsPainted = 0; // character cells painted, by full and partial repaints
    bool operator==(const PaintCounters&) const = default;
};

class GLINTAR_EXPORT Glintar : public QWidget
{
    Q_OBJECT

    Q_PROPERTY(bool autoRedraw READ autoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(QImage mouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(int mousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QImage backPicture READ backPicture WRITE setBackPicture)
    Q_PROPERTY(uint backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(uint ledOnColor READ ledOnColor WRITE setLedOnColor)
    Q_PROPERTY(uint ledOffColor READ ledOffColor WRITE setLedOffColor)
    Q_PROPERTY(bool italic READ italic WRITE setItalic)
    Q_PROPERTY(LedType ledType READ ledType WRITE setLedType)
    Q_PROPERTY(Mode mode READ mode WRITE setMode)
    Q_PROPERTY(DateType dateType READ dateType WRITE setDateType)
    Q_PROPERTY(bool leadingZeros READ leadingZeros WRITE setLeadingZeros)
    Q_PROPERTY(PlusMinuMode plusMinuMode READ plusMinuMode WRITE setPlusMinuMode)
    Q_PROPERTY(bool blinkEnabled READ blinkEnabled WRITE setBlinkEnabled)
    Q_PROPERTY(int blinkRate READ blinkRate WRITE setBlinkRate)
    Q_PROPERTY(AdjustMode adjustMode READ adjustMode WRITE setAdjustMode)
    Q_PROPERTY(double ledSize READ ledSize WRITE setLedSize)
    Q_PROPERTY(int italicAngle READ italicAngle WRITE setItalicAngle)
    Q_PROPERTY(double ledX READ ledX WRITE setLedX)
    Q_PROPERTY(double ledY READ ledY WRITE setLedY)
    Q_PROPERTY(int segmentWidth READ segmentWidth WRITE setSegmentWidth)
    Q_PROPERTY(int segmentSeparation READ segmentSeparation WRITE setSegmentSeparation)
    Q_PROPERTY(int decimalSize READ decimalSize WRITE setDecimalSize)
    Q_PROPERTY(int decimalXOffset READ decimalXOffset WRITE setDecimalXOffset)
    Q_PROPERTY(int decimalYOffset READ decimalYOffset WRITE setDecimalYOffset)
    Q_PROPERTY(int hSpace READ hSpace WRITE setHSpace)
    Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
    Q_PROPERTY(int ledBitNum READ ledBitNum WRITE setLedBitNum)
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(QString alphaText READ alphaText WRITE setAlphaText)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(uint borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(LineStyle outLineStyle READ outLineStyle WRITE setOutLineStyle)
    Q_PROPERTY(LineStyle inLineStyle READ inLineStyle WRITE setInLineStyle)
    Q_PROPERTY(uint borderLight READ borderLight WRITE setBorderLight)
    Q_PROPERTY(uint borderShadow READ borderShadow WRITE setBorderShadow)
    Q_PROPERTY(int outLineWidth READ outLineWidth WRITE setOutLineWidth)
    Q_PROPERTY(int inLineWidth READ inLineWidth WRITE setInLineWidth)
    Q_PROPERTY(int captionNum READ captionNum WRITE setCaptionNum)
    Q_PROPERTY(int captionID READ captionID WRITE setCaptionID)
    Q_PROPERTY(QString captionText READ captionText WRITE setCaptionText)
    Q_PROPERTY(uint captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(int captionFontID READ captionFontID WRITE setCaptionFontID)
    Q_PROPERTY(double captionX READ captionX WRITE setCaptionX)
    Q_PROPERTY(double captionY READ captionY WRITE setCaptionY)
    Q_PROPERTY(int fontNum READ fontNum WRITE setFontNum)
    Q_PROPERTY(int fontID READ fontID WRITE setFontID)
    // The control's Font property: font slot fontID. QWidget::font stays the ambient font that
    // new slots start from.
    Q_PROPERTY(QFont fontSlot READ fontSlot WRITE setFontSlot)
    Q_PROPERTY(qint32 hWnd READ hWnd)

public:
    enum class Mode { TimeDate = 0, Digital = 1, Alpha = 2 };
    Q_ENUM(Mode)
    enum class DateType { TimeOnly = 0, Chinese = 1, English1 = 2, English2 = 3 };
    Q_ENUM(DateType)
    enum class LedType { Hexagon = 0, Bevel = 1 };
    Q_ENUM(LedType)
    enum class AdjustMode { Automatic = 0, Manual = 1 };
    Q_ENUM(AdjustMode)
    enum class PlusMinuMode { NegativeOnly = 0, Always = 1, LeadingSign = 2 };
    Q_ENUM(PlusMinuMode)
    enum class LineStyle { Raised = 1, Lowered = 2 };
    Q_ENUM(LineStyle)

    // A newly placed control: 320 x 69 pixels, "lumavex" in alpha mode, in run mode, on the
    // system clock.
    explicit Glintar(QWidget* parent = nullptr);
    // The same on another clock (tests pass a manual one).
    explicit Glintar(std::shared_ptr<Clock> clock, QWidget* parent = nullptr);
    ~Glintar() override;

    bool autoRedraw() const;
    void setAutoRedraw(bool on);
    QImage mouseIcon() const;
    void setMouseIcon(const QImage& icon);
    int mousePointer() const;
    void setMousePointer(int pointer);
    QImage backPicture() const;
    void setBackPicture(const QImage& picture);
    uint backColor() const;
    void setBackColor(uint colour);
    uint ledOnColor() const;
    void setLedOnColor(uint colour);
    uint ledOffColor() const;
    void setLedOffColor(uint colour);
    bool italic() const;
    void setItalic(bool on);
    LedType ledType() const;
    void setLedType(LedType type);
    Mode mode() const;
    void setMode(Mode mode);
    DateType dateType() const;
    void setDateType(DateType type);
    bool leadingZeros() const;
    void setLeadingZeros(bool on);
    PlusMinuMode plusMinuMode() const;
    void setPlusMinuMode(PlusMinuMode mode);
    bool blinkEnabled() const;
    void setBlinkEnabled(bool on);
    int blinkRate() const;
    void setBlinkRate(int ms);
    AdjustMode adjustMode() const;
    void setAdjustMode(AdjustMode mode);
    double ledSize() const;
    void setLedSize(double size);
    int italicAngle() const;
    void setItalicAngle(int degrees);
    double ledX() const;
    void setLedX(double x);
    double ledY() const;
    void setLedY(double y);
    int segmentWidth() const;
    void setSegmentWidth(int px);
    int segmentSeparation() const;
    void setSegmentSeparation(int px);
    int decimalSize() const;
    void setDecimalSize(int px);
    int decimalXOffset() const;
    void setDecimalXOffset(int px);
    int decimalYOffset() const;
    void setDecimalYOffset(int px);
    int hSpace() const;
    void setHSpace(int px);
    int decimals() const;
    void setDecimals(int count);
    int ledBitNum() const;
    void setLedBitNum(int count);
    double value() const;
    void setValue(double value);
    // In alpha mode the user's text; in the other modes the text last placed on the display.
    QString alphaText() const;
    void setAlphaText(const QString& text);
    int borderWidth() const;
    void setBorderWidth(int px);
    uint borderColor() const;
    void setBorderColor(uint colour);
    LineStyle outLineStyle() const;
    void setOutLineStyle(LineStyle style);
    LineStyle inLineStyle() const;
    void setInLineStyle(LineStyle style);
    uint borderLight() const;
    void setBorderLight(uint colour);
    uint borderShadow() const;
    void setBorderShadow(uint colour);
    int outLineWidth() const;
    void setOutLineWidth(int px);
    int inLineWidth() const;
    void setInLineWidth(int px);
    int captionNum() const;
    void setCaptionNum(int count);
    int captionID() const;
    void setCaptionID(int index);
    QString captionText() const;
    void setCaptionText(const QString& text);
    uint captionColor() const;
    void setCaptionColor(uint colour);
    int captionFontID() const;
    void setCaptionFontID(int index);
    double captionX() const;
    void setCaptionX(double x);
    double captionY() const;
    void setCaptionY(double y);
    int fontNum() const;
    void setFontNum(int count);
    int fontID() const;
    void setFontID(int index);
    QFont fontSlot() const;
    void setFontSlot(const QFont& font);
    // The native window handle, 0 while the widget has none (reading it creates none).
    qint32 hWnd() const;

    // Closes the About box if it is open and opens it again, application-modal.
    void showAbout();
    // Starts or stops the clock timer, in any mode and in design mode too.
    void runClock(bool on);
    // Full repaint, then tells the host that every property may have changed.
    void refresh();
    // Direction of (x, y), y up, in radians from 0 up to 2 pi.
    double locateAngle(int x, int y) const;

    // The host's side. Design mode (the host's form editor) keeps the timers still; run mode is
    // the default.
    bool isRunMode() const;
    void setRunMode(bool run);

    // Late binding by dispatch id, for hosts that address the control's interface by number
    // (0x68030012 is Value, 0x68030021 BlinkEnabled). A put goes through the property's setter
    // with its checks; it returns false for an unknown or read-only id or a value that cannot be
    // read as the property's type. A get of an unknown id gives an invalid QVariant.
    Q_INVOKABLE QVariant propertyById(qint32 dispId) const;
    Q_INVOKABLE bool setPropertyById(qint32 dispId, const QVariant& value);
    // The methods by dispatch id (ShowAbout, RunClock, Refresh, LocateAngle); invalid QVariant
    // for an unknown id or missing arguments, the result of LocateAngle, else true.
    Q_INVOKABLE QVariant invokeById(qint32 dispId, const QVariantList& arguments = {});

    // Saving: every persisted key, leaving out those equal to their defaults.
    void writeProperties(PropertyBag& bag) const;
    // Loading: values are stored as they are, without the setters' checks; a value that cannot
    // be read as its property's type is skipped. Then the timers follow the state and the
    // control lays out and repaints.
    Q_INVOKABLE void readProperties(const glintar::PropertyBag& bag);

    PaintCounters paintCounters() const;
    void resetPaintCounters();

Q_SIGNALS:
    // The control's events, raised from the window's own. Key codes and shift states use the
    // classic virtual-key numbering (Shift 1, Ctrl 2, Alt 4; buttons left 1, right 2, middle 4).
    void click();
    void dblClick();
    void keyDown(int keyCode, int shift);
    void keyPress(int keyAscii);
    void keyUp(int keyCode, int shift);
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

    // The host is told a property changed (only AutoRedraw, Enabled, MousePointer, MouseIcon
    // do); an empty name after refresh() means every property may have changed.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    friend class GlintarPrivate;
    std::unique_ptr<GlintarPrivate> const d;
};

} // namespace glintar
