#pragma once

// Where the style library lives: beside libglintar, as the library file of the control's own
// folder; when that folder cannot be written (a system-wide install), in the user's data folder,
// $XDG_DATA_HOME/Glintar (by default ~/.local/share/Glintar), created when missing.

#include "segdisplay/glintar_export.h"

#include <QString>

namespace glintar {

GLINTAR_EXPORT QString styleLibraryFolder();

} // namespace glintar
