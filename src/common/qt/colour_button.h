#pragma once

#include <QPushButton>

#include "common/button_face.h"
#include "common/colour.h"

class QPainter;

namespace kx700 {

// A push button with its own caption and face colours and a 3D border drawn
// line by line. It starts in the desktop's button colours.
class CClrButton : public QPushButton {
public:
  explicit CClrButton(QWidget* parent = nullptr);
  explicit CClrButton(const QString& text, QWidget* parent = nullptr);

  // Also puts the disabled face back to the desktop's button face.
  void SetColors(ColorRef text, ColorRef face);

protected:
  void paintEvent(QPaintEvent* event) override;

  void DrawItem(QPainter& painter);
  void FillFace(QPainter& painter, const QRect& rect, ColorRef colour);
  // From (x1, y1) up to, not including, (x2, y2), one pixel wide.
  void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, ColorRef colour);
  // Centred both ways on a single line.
  void DrawButtonText(QPainter& painter, const QRect& rect, const QString& text, ColorRef colour);
  // `style`: kFrameSunken, kFrameRaised, kFrameOutline bits.
  void DrawFrame(QPainter& painter, const QRect& rect, int style);

private:
  void DrawFocusRect(QPainter& painter, const QRect& rect);

  ButtonColours colours_;
};

} // namespace kx700
