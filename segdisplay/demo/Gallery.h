#pragma once

// Glintar in each of its modes, side by side, the way a person sees what the widget does; the
// front panel's display on top, created and driven as the panel does it.

#include <QWidget>
#include <memory>

std::unique_ptr<QWidget> makeGallery();
