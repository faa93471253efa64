#pragma once

// Colours as the control's interface holds them: 0x00BBGGRR for an RGB colour, 0x800000nn for
// the system colour with index nn. On this desktop a system colour is a role of the palette.

#include <QColor>
#include <QPalette>

namespace glintar
{

using OleColor = quint32;

inline constexpr OleColor kSystemColourFlag = 0x80000000U;
inline constexpr OleColor kMenuText = 0x80000007U;
inline constexpr OleColor kButtonFace = 0x8000000FU;
inline constexpr OleColor kButtonShadow = 0x80000010U;

// The colour to paint for an OLE colour; system colours come from `palette`, an unknown system
// index gives the palette's window text colour.
QColor toQColor(OleColor colour, const QPalette& palette);

} // namespace glintar
