#pragma once

#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include <cstdlib>

#include "common/colour.h"
#include "common/qt/flex_grid.h"

namespace kx700::test {

// Saves the widget as a PNG into the folder KX700_SCREENSHOTS names, if any.
inline void Screenshot(QWidget& w, const char* name) {
  if (const char* dir = std::getenv("KX700_SCREENSHOTS")) w.grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}

// What one grid cell shows.
struct GridCell {
  QString text;
  ColorRef back;
  ColorRef fore;
  bool operator==(const GridCell&) const = default;
};

inline GridCell CellAt(CMSFlexGrid* grid, int row, int col) {
  grid->SetRow(row);
  grid->SetCol(col);
  return {grid->GetText(), grid->GetCellBackColor(), grid->GetCellForeColor()};
}

// Where to click a cell, in the grid's viewport.
inline QPoint CellCentre(CMSFlexGrid* grid, int row, int col) {
  return grid->visualRect(grid->model()->index(row, col)).center();
}

// A left double click at `at` in `w`, through the window system as a desktop
// delivers it: press, release, double click, release.
inline void DoubleClick(QWidget* w, const QPoint& at) {
  QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), at));
}

} // namespace kx700::test
