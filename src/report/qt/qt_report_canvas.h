#pragma once

#include <QFont>
#include <QPainter>

#include <array>

#include "report/report_canvas.h"

namespace kx700 {

// The report on a QPainter: 0.1 mm to device pixels by `scale`, the report's
// y (negative downwards) to the device's y (positive downwards), less the top
// of the band shown (a printed page, or the screen's scroll position is the
// painter's business). Texts and lines outside `visible` are skipped, so a
// page or an exposed strip costs only what it shows.
class QtReportCanvas final : public ReportCanvas {
public:
  QtReportCanvas(QPainter& painter, double scale, bool printing, int bandTop = 0);
  // Draw only what falls between these report y values (band coordinates).
  void SetVisibleBand(int top, int bottom);

  void Text(int x, int y, std::string_view text, FontRole font, ColorRef colour, TextAlign align) override;
  void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) override;
  int TextWidth(std::string_view text, FontRole font) const override;

  // The font of a role at a scale: its cell height is the line height it was
  // made for (0.1 mm), as the layout counts on.
  static QFont FontFor(FontRole role, bool printing, double scale);

private:
  double DeviceY(int y) const { return (-y - bandTop_) * scale_; }
  bool Visible(int y, int height) const;

  QPainter& painter_;
  const double scale_;
  const bool printing_;
  const int bandTop_;
  int visibleTop_ = 0;
  int visibleBottom_ = 0;
  bool clipped_ = false;
  std::array<QFont, 8> fonts_;
};

} // namespace kx700
