#pragma once

#include <QString>
#include <cstdint>

namespace orvane {

// What the Edit dialog's Save makes of the panel: the edited band becomes the active band from the
// dialog's fields as typed, and its start frequency goes out to the synthesizer. Every value is
// worked out by the dialog; the panel only puts them in place.
struct EditedBandActivation {
    int activeBand = 0;     // ActiveBand: the dialog's band
    QString activeBandName; // ActiveBandName and the main window's caption: the name as typed
    std::int32_t bandStart = 0;
    std::int32_t bandEnd = 0;
    std::int32_t bandOffset = 0;
    std::int32_t bandCorrection = 0;
    QString offsetBoxText;   // "Offset 455000 Hz": plain decimal, whether or not the offset is on
    double displayValue = 0; // the start frequency as typed, not rounded
    double vfoFreqMHz = 0;   // calcVfoFreq(displayValue, bandOffset, bandCorrection)

    friend bool operator==(const EditedBandActivation&, const EditedBandActivation&) = default;
};

// The main window as the band dialogs see it.
class BandDialogHost {
public:
    virtual ~BandDialogHost() = default;

    // Puts the four band-menu entries of slot n into the present state with this caption.
    virtual void showBandPresent(int n, const QString& caption) = 0;

    // The Edit dialog's Save: sets ActiveBand, ActiveBandName and the window caption, BandStart,
    // BandEnd, BandOffset, BandCorrection, the OffsetBox text, the display value and VfoFreqMHz,
    // then SetDecPoint and DoTheMath. Narrower than a Band > Load: the band lines (BandCode), the
    // sweep range, BandOffsetOn and the step limit stay as they were; power and standby too.
    virtual void activateEditedBand(const EditedBandActivation& band) = 0;
};

} // namespace orvane
