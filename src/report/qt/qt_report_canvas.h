#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <vector>

#include "report/report_canvas.h"

namespace kx700 {

// The report's fonts at a scale (device pixels per 0.1 mm). Each font's cell,
// its ascent plus its descent, is the height the layout gives its role:
// 48 (body), 40 (small), 34 (vertical) on screen, 36, 30, 28 on paper, and
// 70 for the title on both.
class ReportFonts {
public:
  ReportFonts(bool printing, double scale);
  const QFont& operator[](FontRole role) const { return fonts_[static_cast<std::size_t>(role)]; }
  // The cell height of a role, in 0.1 mm.
  static int CellHeight(FontRole role, bool printing);
  // The weight of a role: 700 bold and title, 100 italic, else 400.
  static QFont::Weight Weight(FontRole role);
  static QFont FontFor(FontRole role, bool printing, double scale);

private:
  std::array<QFont, 8> fonts_;
};

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
  const ReportFonts fonts_;
};

// Draws nothing and finds how far right the report reaches with the real
// fonts, so that the screen strip is as wide as its widest line.
class QtMeasuringCanvas final : public ReportCanvas {
public:
  QtMeasuringCanvas(bool printing, double scale);

  void Text(int x, int y, std::string_view text, FontRole font, ColorRef colour, TextAlign align) override;
  void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) override;
  int TextWidth(std::string_view text, FontRole font) const override;

  // The right end of the widest text or line, 0.1 mm.
  int right() const { return right_; }

private:
  const double scale_;
  const ReportFonts fonts_;
  std::vector<QFontMetricsF> metrics_;
  int right_ = 0;
};

} // namespace kx700
