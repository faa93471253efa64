#pragma once

#include "panel/toolkit/Twips.h"

#include <QRect>

namespace orvane::layout {

// Where everything sits on the main window, in twips of its client area.
inline const QSize kWindow{twipsToPixels(10560), twipsToPixels(4185)};

inline const QRect kPwrPanel = twipsRect(360, 600, 780, 2520);
inline const QRect kPwrButton = twipsRect(450, 680, 600, 600);
inline const QRect kStandbyButton = twipsRect(450, 1260, 600, 600);
inline const QRect kScanButton = twipsRect(450, 1840, 600, 600);
inline const QRect kSweepButton = twipsRect(450, 2430, 600, 600);

inline const QRect kGreyDisplayBox = twipsRect(1440, 480, 5180, 2630);
inline const QRect kDisplay = twipsRect(1800, 840, 4335, 1815);
inline const QRect kMillionsComma = twipsRect(3230, 1980, 120, 140); // CommaBox(1)
inline const QRect kThousandsComma = twipsRect(4670, 1980, 120, 140); // CommaBox(0)

inline const QRect kStandByBox = twipsRect(2000, 720, 1300, 345);
inline const QRect kSweepBox = twipsRect(2000, 720, 3500, 345);
inline const QRect kStepBox = twipsRect(4320, 720, 1710, 345);
inline const QRect kOverUnderFlowBox = twipsRect(2760, 1080, 1750, 345);
inline const QRect kMemoryBox = twipsRect(4920, 2390, 1110, 345);
inline const QRect kOffsetBox = twipsRect(1960, 2390, 2920, 345);
inline const QRect kTuningWordBox = twipsRect(2880, 3810, 1000, 360);  // Text1
inline const QRect kBinaryWordBox = twipsRect(4200, 3810, 3740, 360); // Text2

inline const QRect kKeyPadPanel = twipsRect(6960, 600, 2175, 2175);
// KeyPad(0)..KeyPad(13): digits 1..9, 0, ENTER, UP, DN, CLR.
inline const QRect kKeyPad[14] = {
    twipsRect(7070, 690, 510, 510),  twipsRect(7560, 690, 510, 510),
    twipsRect(8050, 690, 510, 510),  twipsRect(7070, 1180, 510, 510),
    twipsRect(7560, 1180, 510, 510), twipsRect(8050, 1180, 510, 510),
    twipsRect(7070, 1680, 510, 510), twipsRect(7560, 1680, 510, 510),
    twipsRect(8050, 1680, 510, 510), twipsRect(7070, 2170, 510, 510),
    twipsRect(7560, 2170, 1010, 510), twipsRect(8550, 690, 510, 680),
    twipsRect(8550, 1350, 510, 675), twipsRect(8550, 2010, 510, 675),
};

// STEP above M>V and V>M, in line with UP, DN and CLR.
inline const QRect kButtonPanel = twipsRect(9360, 600, 1020, 2175);
inline const QRect kStepButton = twipsRect(9450, 690, 840, 510);
inline const QRect kMemoryButton = twipsRect(9450, 1350, 840, 510);
inline const QRect kMWButton = twipsRect(9450, 2010, 840, 510);

} // namespace orvane::layout
