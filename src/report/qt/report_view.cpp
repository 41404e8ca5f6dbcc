#include "report/qt/report_view.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "report/qt/qt_report_canvas.h"

namespace kx700 {

namespace {

// The margin that a line running past the report's width keeps to the strip's
// edge, 0.1 mm: as much as the left margin of the report's texts.
constexpr int kRightMargin = 90;

} // namespace

CReportView::CReportView(Source source, QWidget* parent) : QWidget(parent), source_(std::move(source)) {
  setObjectName(QStringLiteral("report"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  Refresh();
}

double CReportView::scale() const { return logicalDpiY() / 254.0; }

void CReportView::Refresh() {
  const ReportSource source = source_();
  const double s = scale();
  QtMeasuringCanvas measure(false, s);
  const ReportExtent extent = DrawReport(source.configuration, source.version, ReportContext{}, measure);
  // A line that runs on past the report's width (a long note) stays in view.
  const int width = std::max(extent.width, measure.right() + kRightMargin);
  setFixedSize(static_cast<int>(std::ceil(width * s)), static_cast<int>(std::ceil(extent.height * s)));
  update();
}

void CReportView::paintEvent(QPaintEvent* event) {
  const ReportSource source = source_();
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double s = scale();
  QtReportCanvas canvas(painter, s, false);
  // Only the exposed strip is drawn; the layout still runs whole.
  const QRect exposed = event->rect();
  canvas.SetVisibleBand(static_cast<int>(exposed.top() / s) - 1, static_cast<int>(exposed.bottom() / s) + 1);
  DrawReport(source.configuration, source.version, ReportContext{}, canvas);
}

} // namespace kx700
