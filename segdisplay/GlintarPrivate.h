#pragma once

// The state behind Glintar and the operations its files share. Internal to libglintar.

#include "segdisplay/Clock.h"
#include "segdisplay/Glintar.h"
#include "segdisplay/OleColor.h"
#include "segdisplay/geometry/Geometry.h"

#include <QImage>
#include <QLoggingCategory>
#include <QPointer>
#include <QRegion>
#include <vector>

class QDialog;
class QPainter;

namespace glintar
{

Q_DECLARE_LOGGING_CATEGORY(lcGlintar)

// One free text item painted over the characters.
struct CaptionItem {
    QString text;
    int fontID = 0;
    double x = 0;
    OleColor color = 0;
    double y = 0;
};

// The control's defaults: a newly placed control and every key missing from a saved form.
inline constexpr OleColor kDefaultLedOnColor = 0x00FFFF;  // yellow
inline constexpr OleColor kDefaultLedOffColor = 0xFF0000; // blue
inline constexpr OleColor kDefaultBorderLight = 0xFFFFFF; // white
inline constexpr int kDefaultBlinkRate = 500;
inline constexpr int kClockInterval = 800;
inline const char* const kDefaultAlphaText = "lumavex";
inline const char* const kDefaultCaptionText = "Caption";
inline constexpr double kDefaultCaptionPosition = 0.5;
inline constexpr int kMaxCaptions = 100;
inline constexpr int kMaxFonts = 20;

// What a setter does after it stored a new value.
enum class After {
    Nothing,
    Repaint,             // full repaint if AutoRedraw
    LayoutRepaint,       // layout, then full repaint if AutoRedraw
    ManualRepaint,       // full repaint only in manual geometry and if AutoRedraw
    ManualLayoutRepaint, // only in manual geometry: layout, then full repaint if AutoRedraw
    AlwaysRepaint,       // full repaint whatever AutoRedraw says
};

class GlintarPrivate
{
public:
    GlintarPrivate(Glintar* q, std::shared_ptr<Clock> clock);

    // After a setter stored its value.
    void changed(After after);

    // Painting (GlintarPaint.cpp).
    void layoutCells();
    void redrawAll(OleColor colour);
    void updateChangedCells(OleColor colour);
    // Makes the backing image match the widget's size and pixel ratio; false when there is no
    // client area to paint.
    bool ensureBacking();
    void resizeBacking();
    void blinkTick();
    void clockTick();

    // The text the current mode shows, or nothing when it cannot be built (the step is skipped).
    std::optional<QString> buildModeText() const;

    QColor qcolor(OleColor colour) const;
    QFont captionFont(int fontID) const;
    CaptionItem* currentCaption();
    const CaptionItem* currentCaption() const;
    void applyCursor();
    void resizeFonts(int count);
    void resizeCaptions(int count);

    Glintar* const q;
    std::shared_ptr<Clock> clock;
    std::unique_ptr<Timer> timBlink;
    std::unique_ptr<Timer> timClock;

    // Everything that decides where things are drawn, the client size included.
    GeometryProperties geo;

    bool autoRedraw = true;
    int mousePointer = 0;
    QImage mouseIcon;
    QImage backPicture;
    OleColor backColor = kMenuText;
    OleColor ledOnColor = kDefaultLedOnColor;
    OleColor ledOffColor = kDefaultLedOffColor;
    bool leadingZeros = false;
    bool blinkEnabled = false;
    int decimals = 1;
    double value = 0;
    QString alphaText = QString::fromLatin1(kDefaultAlphaText);
    OleColor borderColor = kButtonFace;
    OleColor borderLight = kDefaultBorderLight;
    OleColor borderShadow = kButtonShadow;
    std::vector<CaptionItem> captions;
    int captionID = 0;
    std::vector<QFont> fonts;
    int fontID = 0;

    std::vector<DigitCell> cells;
    QSize laidOutFor; // the client size of the last layout
    OleColor litColor = kDefaultLedOnColor;
    OleColor blinkPhase = 0;
    bool runMode = true;

    QImage backing;
    PaintCounters counters;
    QPointer<QDialog> about;
    bool releaseEndsDoubleClick = false;
};

} // namespace glintar
