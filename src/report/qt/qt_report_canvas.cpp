#include "report/qt/qt_report_canvas.h"

#include <algorithm>
#include <cmath>

#include "common/qt/qt_colour.h"
#include "common/qt/qt_text.h"

namespace kx700 {

namespace {

// Every text but the title is in a sans serif with Arial's widths, which the
// columns were laid out for: on paper the regular face, on screen, where the
// cells are a third higher in the same columns, its narrow cut, so that a
// level label clears its value and a relay number its text. The title takes
// the desktop's serif.
const QString kPaperFace = QStringLiteral("Liberation Sans");
const QString kScreenFace = QStringLiteral("Liberation Sans Narrow");
const QString kTitleFace = QStringLiteral("Serif");

// The pixel size whose cell (ascent plus descent) comes closest to `cell`
// pixels. Cells grow nearly in proportion to the size; hinting rounds small
// sizes, so the neighbours of the proportional guess are tried as well.
int PixelSizeForCell(QFont font, double cell) {
  const auto cellAt = [&font](int size) {
    font.setPixelSize(size);
    return QFontMetricsF(font).height();
  };
  constexpr int kProbe = 1000;
  const int guess = std::max(1, static_cast<int>(std::lround(cell * kProbe / cellAt(kProbe))));
  int best = guess;
  for (int size : {guess - 1, guess + 1}) {
    if (size >= 1 && std::abs(cellAt(size) - cell) < std::abs(cellAt(best) - cell)) best = size;
  }
  return best;
}

} // namespace

int ReportFonts::CellHeight(FontRole role, bool printing) {
  switch (role) {
    case FontRole::Title: return 70;
    case FontRole::Vertical: return printing ? 28 : 34;
    case FontRole::Small: return printing ? 30 : 40;
    default: return printing ? 36 : 48;
  }
}

QFont::Weight ReportFonts::Weight(FontRole role) {
  switch (role) {
    case FontRole::Bold:
    case FontRole::Title: return QFont::Bold;
    case FontRole::Italic: return QFont::Thin; // the italic font is a thin one
    default: return QFont::Normal;
  }
}

QFont ReportFonts::FontFor(FontRole role, bool printing, double scale) {
  const bool title = role == FontRole::Title;
  QFont font(title ? kTitleFace : printing ? kPaperFace : kScreenFace);
  font.setStyleHint(title ? QFont::Serif : QFont::SansSerif);
  font.setWeight(ReportFonts::Weight(role));
  font.setItalic(role == FontRole::Italic || role == FontRole::ItalicUnderline);
  font.setUnderline(role == FontRole::Underline || role == FontRole::ItalicUnderline);
  font.setPixelSize(PixelSizeForCell(font, CellHeight(role, printing) * scale));
  return font;
}

ReportFonts::ReportFonts(bool printing, double scale) {
  for (std::size_t role = 0; role < fonts_.size(); ++role)
    fonts_[role] = FontFor(static_cast<FontRole>(role), printing, scale);
}

QtReportCanvas::QtReportCanvas(QPainter& painter, double scale, bool printing, int bandTop)
    : painter_(painter), scale_(scale), printing_(printing), bandTop_(bandTop), fonts_(printing, scale) {}

void QtReportCanvas::SetVisibleBand(int top, int bottom) {
  visibleTop_ = top;
  visibleBottom_ = bottom;
  clipped_ = true;
}

bool QtReportCanvas::Visible(int y, int height) const {
  if (!clipped_) return true;
  const int top = -y - bandTop_;
  return top + height >= visibleTop_ && top <= visibleBottom_;
}

void QtReportCanvas::Text(int x, int y, std::string_view text, FontRole font, ColorRef colour, TextAlign align) {
  const int height = ReportFonts::CellHeight(font, printing_);
  if (text.empty() || !Visible(y, height)) return;
  painter_.setFont(fonts_[font]);
  painter_.setPen(ToQColor(colour, QPalette()));
  const QString shown = ToQString(text);
  constexpr double kWide = 1e5;
  const double left = align == TextAlign::Centre ? x * scale_ - kWide / 2 : x * scale_;
  const QRectF box(left, DeviceY(y), kWide, height * scale_);
  painter_.drawText(
      box, Qt::TextDontClip | Qt::AlignTop | (align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft), shown);
}

void QtReportCanvas::Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) {
  if (!Visible(std::max(y1, y2), std::abs(y1 - y2) + width)) return;
  QPen pen(ToQColor(colour, QPalette()));
  pen.setWidthF(width > 0 ? width * scale_ : 0.0);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(x1 * scale_, DeviceY(y1)), QPointF(x2 * scale_, DeviceY(y2)));
}

int QtReportCanvas::TextWidth(std::string_view text, FontRole font) const {
  const QFontMetricsF metrics(fonts_[font], painter_.device());
  return static_cast<int>(std::lround(metrics.horizontalAdvance(ToQString(text)) / scale_));
}

QtMeasuringCanvas::QtMeasuringCanvas(bool printing, double scale) : scale_(scale), fonts_(printing, scale) {
  for (std::size_t role = 0; role < 8; ++role) metrics_.emplace_back(fonts_[static_cast<FontRole>(role)]);
}

void QtMeasuringCanvas::Text(int x, int, std::string_view text, FontRole font, ColorRef, TextAlign align) {
  if (text.empty()) return;
  const int width = TextWidth(text, font);
  right_ = std::max(right_, align == TextAlign::Centre ? x + (width + 1) / 2 : x + width);
}

void QtMeasuringCanvas::Line(int x1, int, int x2, int, ColorRef, int) { right_ = std::max({right_, x1, x2}); }

int QtMeasuringCanvas::TextWidth(std::string_view text, FontRole font) const {
  return static_cast<int>(
      std::ceil(metrics_[static_cast<std::size_t>(font)].horizontalAdvance(ToQString(text)) / scale_));
}

} // namespace kx700
