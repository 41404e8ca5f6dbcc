#pragma once

#include <QWidget>

#include <functional>

#include "report/report.h"

namespace kx700 {

// The report on screen: one continuous strip as high as the report, to be
// scrolled over; drawn anew from the document on every paint.
class CReportView final : public QWidget {
  Q_OBJECT

public:
  using Source = std::function<ReportSource()>;
  explicit CReportView(Source source, QWidget* parent = nullptr);

  // The document changed: the strip takes the report's new length.
  void Refresh();
  // 0.1 mm in pixels on this screen.
  double scale() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  Source source_;
};

} // namespace kx700
