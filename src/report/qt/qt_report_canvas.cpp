#include "report/qt/qt_report_canvas.h"

#include <QFontMetricsF>

#include <cmath>

#include "common/qt/qt_colour.h"
#include "common/qt/qt_text.h"

namespace kx700 {

namespace {

// Cell heights in 0.1 mm (screen, printer).
int CellHeight(FontRole role, bool printing) {
  switch (role) {
    case FontRole::Title: return 70;
    case FontRole::Vertical: return printing ? 28 : 34;
    case FontRole::Small: return printing ? 30 : 40;
    default: return printing ? 36 : 48;
  }
}

} // namespace

QFont QtReportCanvas::FontFor(FontRole role, bool printing, double scale) {
  QFont font(role == FontRole::Title ? QStringLiteral("Serif") : QStringLiteral("Sans Serif"));
  font.setStyleHint(role == FontRole::Title ? QFont::Serif : QFont::SansSerif);
  // The em is about seven tenths of the cell, and the face a little narrow:
  // the columns were laid out for a narrow sans serif.
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(CellHeight(role, printing) * scale * 0.72))));
  if (role != FontRole::Title) font.setStretch(QFont::SemiCondensed);
  font.setBold(role == FontRole::Bold || role == FontRole::Title);
  font.setItalic(role == FontRole::Italic || role == FontRole::ItalicUnderline);
  font.setUnderline(role == FontRole::Underline || role == FontRole::ItalicUnderline);
  return font;
}

QtReportCanvas::QtReportCanvas(QPainter& painter, double scale, bool printing, int bandTop)
    : painter_(painter), scale_(scale), printing_(printing), bandTop_(bandTop) {
  for (std::size_t role = 0; role < fonts_.size(); ++role)
    fonts_[role] = FontFor(static_cast<FontRole>(role), printing, scale);
}

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
  const int height = CellHeight(font, printing_);
  if (text.empty() || !Visible(y, height)) return;
  painter_.setFont(fonts_[static_cast<std::size_t>(font)]);
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
  const QFontMetricsF metrics(fonts_[static_cast<std::size_t>(font)], painter_.device());
  return static_cast<int>(std::lround(metrics.horizontalAdvance(ToQString(text)) / scale_));
}

} // namespace kx700
