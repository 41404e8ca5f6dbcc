#include "common/qt/qt_colour.h"

namespace kx700 {
namespace {

struct PaletteSlot {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The system colours draw the same whatever the state of a window, so the
// active group stands for them; grey text is what Qt calls disabled text.
bool SlotOf(int index, PaletteSlot& slot) {
  switch (static_cast<SystemColour>(index)) {
    case SystemColour::Window: slot = {QPalette::Active, QPalette::Base}; return true;
    case SystemColour::WindowText: slot = {QPalette::Active, QPalette::Text}; return true;
    case SystemColour::Highlight: slot = {QPalette::Active, QPalette::Highlight}; return true;
    case SystemColour::HighlightText: slot = {QPalette::Active, QPalette::HighlightedText}; return true;
    case SystemColour::ButtonFace: slot = {QPalette::Active, QPalette::Button}; return true;
    case SystemColour::ButtonShadow: slot = {QPalette::Active, QPalette::Dark}; return true;
    case SystemColour::GrayText: slot = {QPalette::Disabled, QPalette::Text}; return true;
    case SystemColour::ButtonText: slot = {QPalette::Active, QPalette::ButtonText}; return true;
    case SystemColour::ButtonHighlight: slot = {QPalette::Active, QPalette::Light}; return true;
    case SystemColour::DarkShadow3D: slot = {QPalette::Active, QPalette::Shadow}; return true;
    case SystemColour::Light3D: slot = {QPalette::Active, QPalette::Midlight}; return true;
    case SystemColour::InfoText: slot = {QPalette::Active, QPalette::ToolTipText}; return true;
    case SystemColour::InfoBackground: slot = {QPalette::Active, QPalette::ToolTipBase}; return true;
  }
  return false;
}

} // namespace

QColor ToQColor(ColorRef colour, const QPalette& palette) {
  if (IsSystemColor(colour)) {
    PaletteSlot slot{};
    // An index that names no system colour draws black, as it always did.
    return SlotOf(SystemColorIndex(colour), slot) ? palette.color(slot.group, slot.role) : QColor(Qt::black);
  }
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColorRef ToColorRef(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return Rgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
             static_cast<std::uint8_t>(rgb.blue()));
}

} // namespace kx700
