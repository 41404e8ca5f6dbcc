#pragma once

#include <QFont>
#include <QLabel>

#include "common/colour.h"

namespace kx700 {

// A static text with its own text colour, background and font. It draws in a
// copy of the application's default font, not its window's, until a setter
// changes that copy. The setters chain: label.SetFontSize(14).SetFontBold(true).
class CLabel : public QLabel {
public:
  explicit CLabel(QWidget* parent = nullptr);
  explicit CLabel(const QString& text, QWidget* parent = nullptr);

  CLabel& SetText(const QString& text);
  CLabel& SetTextColor(ColorRef colour);
  // Shown at the next repaint: it does not repaint by itself.
  CLabel& SetBkColor(ColorRef colour);
  CLabel& SetFontBold(bool bold);
  CLabel& SetFontUnderline(bool underline);
  CLabel& SetFontItalic(bool italic);
  // Character height in pixels.
  CLabel& SetFontSize(int size);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void ReconstructFont();
  void RedrawNow();

  ColorRef text_colour_ = SystemColor(SystemColour::WindowText);
  ColorRef background_ = SystemColor(SystemColour::ButtonFace);
  QFont font_description_;
};

} // namespace kx700
