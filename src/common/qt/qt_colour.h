#pragma once

#include <QColor>
#include <QPalette>

#include "common/colour.h"

namespace kx700 {

// A triple as it stands; a system colour from the palette role that plays its
// part in Qt (button face -> Button, 3D shadows -> Dark and Shadow, ...).
QColor ToQColor(ColorRef colour, const QPalette& palette);
// The triple of an opaque colour.
ColorRef ToColorRef(const QColor& colour);

} // namespace kx700
