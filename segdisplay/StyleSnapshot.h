#pragma once

// Between a display and a style: a snapshot of every property a style keeps, and a style applied
// back through the display's setters, so their range and mode rules hold (a style's Value takes
// effect only in digital mode, its AlphaText only in alpha mode). Texts are stored in Latin-1,
// the 8-bit code page of the library files; characters outside it become '?'.

#include "segdisplay/glintar_export.h"
#include "segdisplay/styles/StyleRecord.h"

#include <QFont>
#include <QString>

namespace glintar {

class Glintar;

GLINTAR_EXPORT styles::StyleRecord takeSnapshot(Glintar& control, const QString& description,
                                                const QString& notes);
GLINTAR_EXPORT void applyStyle(Glintar& control, const styles::StyleRecord& style);

GLINTAR_EXPORT styles::StyleFont toStyleFont(const QFont& font);
GLINTAR_EXPORT QFont fromStyleFont(const styles::StyleFont& font);

GLINTAR_EXPORT std::string toStyleText(const QString& text);
GLINTAR_EXPORT QString fromStyleText(const std::string& text);

} // namespace glintar
