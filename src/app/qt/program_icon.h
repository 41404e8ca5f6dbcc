#pragma once

#include <QIcon>

namespace kx700 {

// The program's icon (the desktop entry's kx700.svg), drawn at every size
// without an SVG renderer: a red panel with its display and three lamps.
QIcon ProgramIcon();

} // namespace kx700
