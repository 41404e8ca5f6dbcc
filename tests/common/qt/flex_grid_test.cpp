#include "common/qt/flex_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/grid_layout.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

TEST(GridLayout, TwipsBecomeRoundedPixels) {
  struct Case {
    int twips, dpi, pixels;
  };
  const Case cases[] = {
      {1440, 96, 96}, {0, 96, 0},      {7, 96, 0},       {8, 96, 1},  {22, 96, 1},     {23, 96, 2},
      {500, 96, 33},  {2850, 96, 190}, {1440, 120, 120}, {30, 24, 1}, {-500, 96, -33}, {1440 * 1000, 192, 192000},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " dpi";
}

TEST(GridLayout, NeighboursWithTheSameTextMerge) {
  using Texts = std::vector<std::string>;
  struct Case {
    Texts texts;
    std::vector<MergeRun> runs;
  };
  const Case cases[] = {
      {{}, {}},
      {{"a"}, {}},
      {{"a", "a", "b"}, {{0, 2}}},
      {{"a", "b", "a"}, {}},
      {{"x", "x", "x"}, {{0, 3}}},
      {{"", ""}, {}},
      {{"Nr.", "Module", "Relais", "Relais", "Relais", "", ""}, {{2, 3}}},
      {{"a", "a", "b", "b"}, {{0, 2}, {2, 2}}},
  };
  for (const Case& c : cases) EXPECT_EQ(MergeRuns(c.texts), c.runs) << testing::PrintToString(c.texts);
}

// A grid shaped like the control test window's: a heading row whose relay
// columns merge, numbered rows in a fixed column.
struct TestGrid {
  TestGrid() {
    grid.resize(640, 200);
    grid.SetCols(12);
    grid.SetRows(9);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    const char* headings[] = {"Nr.", "Gebeurtenis", "Module", "Adres"};
    for (int col = 0; col < 12; ++col) {
      grid.SetColWidth(col, col < 4 ? (col == 0 ? 600 : 1600) : 400);
      grid.SetTextMatrix(0, col, col < 4 ? headings[col] : "Relais");
    }
    for (int row = 1; row < 9; ++row) grid.SetTextMatrix(row, 0, QString("%1.").arg(row));
    grid.SetMergeCells(2);
    grid.SetMergeRow(0, true);
  }

  void Show() {
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  }
  // The centre of a cell below the fixed rows, on the scrolling part.
  QPoint CellCentre(int row, int col) const { return grid.visualRect(grid.model()->index(row, col)).center(); }
  QTableView* FixedRows() const { return grid.horizontalHeader()->findChild<QTableView*>(); }

  CMSFlexGrid grid;
};

TEST(FlexGrid, CellCallsActOnTheCurrentCell) {
  TestGrid t;
  t.grid.SetRow(3);
  t.grid.SetCol(5);
  t.grid.SetText("x");
  t.grid.SetCellBackColor(Rgb(255, 255, 0));
  t.grid.SetCellForeColor(Rgb(0, 128, 0));
  EXPECT_EQ(t.grid.GetTextMatrix(3, 5), "x");
  EXPECT_EQ(t.grid.GetText(), "x");
  EXPECT_EQ(t.grid.GetRowSel(), 3);
  EXPECT_EQ(t.grid.GetCellBackColor(), Rgb(255, 255, 0));
  EXPECT_EQ(t.grid.GetCellForeColor(), Rgb(0, 128, 0));
  t.grid.SetCol(6);
  EXPECT_EQ(t.grid.GetText(), "");
}

TEST(FlexGrid, UncolouredCellsReadAsTheSystemColoursTheyShow) {
  TestGrid t;
  struct Case {
    int row, col;
    ColorRef back, fore;
  };
  const Case cases[] = {
      {0, 4, SystemColor(SystemColour::ButtonFace), SystemColor(SystemColour::ButtonText)},
      {2, 0, SystemColor(SystemColour::ButtonFace), SystemColor(SystemColour::ButtonText)},
      {2, 4, SystemColor(SystemColour::Window), SystemColor(SystemColour::WindowText)},
  };
  for (const Case& c : cases) {
    t.grid.SetRow(c.row);
    t.grid.SetCol(c.col);
    EXPECT_EQ(t.grid.GetCellBackColor(), c.back) << c.row << "," << c.col;
    EXPECT_EQ(t.grid.GetCellForeColor(), c.fore) << c.row << "," << c.col;
  }
  // Read back and written to another cell, it shows the same.
  t.grid.SetRow(0);
  const ColorRef heading = t.grid.GetCellBackColor();
  t.grid.SetRow(4);
  t.grid.SetCellBackColor(heading);
  EXPECT_EQ(t.grid.GetCellBackColor(), heading);
}

TEST(FlexGrid, PaintsEachCellInItsColours) {
  TestGrid t;
  t.Show();
  t.grid.SetRow(3);
  t.grid.SetCol(5);
  t.grid.SetCellBackColor(Rgb(255, 255, 0));
  const QImage image = t.grid.grab().toImage();
  // Near the right edge, clear of the text.
  const auto pixel = [&](int row, int col) {
    const QRect cell = t.grid.visualRect(t.grid.model()->index(row, col));
    return image.pixelColor(t.grid.viewport()->mapTo(&t.grid, QPoint(cell.right() - 3, cell.center().y()))).rgb();
  };
  EXPECT_EQ(pixel(3, 5), qRgb(255, 255, 0));
  EXPECT_EQ(pixel(2, 5), t.grid.palette().color(QPalette::Active, QPalette::Base).rgb());
  EXPECT_EQ(pixel(2, 0), t.grid.palette().color(QPalette::Active, QPalette::Button).rgb());
}

TEST(FlexGrid, CallsOutsideTheGridChangeNothing) {
  TestGrid t;
  t.grid.SetRow(2);
  t.grid.SetCol(3);
  t.grid.SetRow(9);
  t.grid.SetCol(-1);
  EXPECT_EQ(t.grid.GetRow(), 2);
  EXPECT_EQ(t.grid.GetCol(), 3);
  t.grid.SetTextMatrix(9, 0, "x");
  t.grid.SetTextMatrix(0, 12, "x");
  EXPECT_EQ(t.grid.GetTextMatrix(9, 0), "");
  EXPECT_EQ(t.grid.GetTextMatrix(-1, 0), "");
  t.grid.SetColWidth(12, 1000);
  t.grid.SetRowHeight(-1, 1000);
  EXPECT_EQ(t.grid.GetCols(), 12);
}

TEST(FlexGrid, RowsGrowEmptyAndShrinkKeepingTheRest) {
  TestGrid t;
  t.grid.SetTextMatrix(8, 1, "last");
  t.grid.SetRow(8);
  t.grid.SetRows(5);
  EXPECT_EQ(t.grid.GetRows(), 5);
  EXPECT_EQ(t.grid.GetRow(), 4);
  EXPECT_EQ(t.grid.GetTextMatrix(4, 0), "4.");
  t.grid.SetRows(9);
  EXPECT_EQ(t.grid.GetTextMatrix(8, 1), "");
  EXPECT_EQ(t.grid.GetTextMatrix(0, 1), "Gebeurtenis");
}

TEST(FlexGrid, AlignmentCodesPlaceTheText) {
  TestGrid t;
  struct Case {
    int code;
    Qt::Alignment alignment;
  };
  const Case cases[] = {
      {0, Qt::AlignLeft | Qt::AlignTop},
      {1, Qt::AlignLeft | Qt::AlignVCenter},
      {4, Qt::AlignCenter},
      {5, Qt::AlignHCenter | Qt::AlignBottom},
      {8, Qt::AlignRight | Qt::AlignBottom},
      {9, Qt::AlignLeft | Qt::AlignVCenter},
      {-1, Qt::AlignLeft | Qt::AlignVCenter},
  };
  t.grid.SetRow(1);
  t.grid.SetCol(1);
  for (const Case& c : cases) {
    t.grid.SetCellAlignment(c.code);
    EXPECT_EQ(t.grid.item(1, 1)->textAlignment(), static_cast<int>(c.alignment)) << "code " << c.code;
  }
}

TEST(FlexGrid, SizesInTwipsFollowTheScreensResolution) {
  TestGrid t;
  t.grid.SetColWidth(2, 1440);
  t.grid.SetRowHeight(3, 720);
  EXPECT_EQ(t.grid.columnWidth(2), t.grid.logicalDpiX());
  EXPECT_EQ(t.grid.rowHeight(3), TwipsToPixels(720, t.grid.logicalDpiY()));
  t.grid.SetColWidth(2, -1);
  EXPECT_EQ(t.grid.columnWidth(2), t.grid.horizontalHeader()->defaultSectionSize());
  // The fixed rows are shown apart from the rest, at their own heights.
  t.grid.SetRowHeight(0, 320);
  EXPECT_EQ(t.FixedRows()->rowHeight(0), TwipsToPixels(320, t.grid.logicalDpiY()));
  EXPECT_EQ(t.FixedRows()->columnWidth(1), t.grid.columnWidth(1));
}

TEST(FlexGrid, MergesEqualNeighboursOnlyInMarkedRows) {
  TestGrid t;
  EXPECT_EQ(t.grid.columnSpan(0, 4), 8);
  EXPECT_EQ(t.FixedRows()->columnSpan(0, 4), 8);
  EXPECT_EQ(t.grid.columnSpan(0, 1), 1);
  for (int col = 4; col < 12; ++col) t.grid.SetTextMatrix(1, col, ".");
  EXPECT_EQ(t.grid.columnSpan(1, 4), 1); // row 1 is not marked
  t.grid.SetTextMatrix(0, 8, "Relais 9-16");
  EXPECT_EQ(t.grid.columnSpan(0, 4), 4);
  EXPECT_EQ(t.grid.columnSpan(0, 9), 3);
  t.grid.SetMergeRow(0, false);
  EXPECT_EQ(t.grid.columnSpan(0, 4), 1);
  t.grid.SetMergeRow(0, true);
  t.grid.SetMergeCells(0);
  EXPECT_EQ(t.grid.columnSpan(0, 4), 1);
}

TEST(FlexGrid, MouseEventsReportTheCellUnderTheMouse) {
  TestGrid t;
  t.Show();
  QSignalSpy down(&t.grid, &CMSFlexGrid::MouseDown);
  QSignalSpy click(&t.grid, &CMSFlexGrid::Click);
  QSignalSpy sel(&t.grid, &CMSFlexGrid::SelChange);
  QSignalSpy move(&t.grid, &CMSFlexGrid::MouseMove);
  t.grid.SetRow(1);
  t.grid.SetCol(1);
  EXPECT_EQ(sel.count(), 0); // not from code

  struct Case {
    const char* name;
    QWidget* target;
    QPoint at;
    Qt::MouseButton button;
    int mouse_row, mouse_col;
    int row, col; // the current cell afterwards
    int clicks;
    int sel_changes;
  };
  QTableView* band = t.FixedRows();
  const QPoint heading = band->visualRect(t.grid.model()->index(0, 2)).center();
  const Case cases[] = {
      {"cell", t.grid.viewport(), t.CellCentre(3, 2), Qt::LeftButton, 3, 2, 3, 2, 1, 1},
      {"right button", t.grid.viewport(), t.CellCentre(5, 6), Qt::RightButton, 5, 6, 3, 2, 0, 0},
      {"fixed column", t.grid.viewport(), t.CellCentre(4, 0), Qt::LeftButton, 4, 0, 3, 2, 1, 0},
      {"heading", band->viewport(), heading, Qt::LeftButton, 0, 2, 3, 2, 1, 0},
      {"below the rows", t.grid.viewport(), QPoint(10, t.grid.viewport()->height() - 2), Qt::LeftButton, -1, 0, 3, 2, 1,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    down.clear();
    click.clear();
    sel.clear();
    QTest::mouseClick(c.target, c.button, {}, c.at);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0).at(0).toInt(), c.button == Qt::LeftButton ? 1 : 2);
    EXPECT_EQ(t.grid.GetMouseRow(), c.mouse_row);
    EXPECT_EQ(t.grid.GetMouseCol(), c.mouse_col);
    EXPECT_EQ(t.grid.GetRow(), c.row);
    EXPECT_EQ(t.grid.GetCol(), c.col);
    EXPECT_EQ(click.count(), c.clicks);
    EXPECT_EQ(sel.count(), c.sel_changes);
  }

  // A double click is one MouseDown and one Click: its second press is neither.
  struct Double {
    const char* name;
    QWidget* target;
    QPoint at;
    int mouse_row, mouse_col;
  };
  for (const Double& d : {Double{"cell", t.grid.viewport(), t.CellCentre(6, 3), 6, 3},
                          Double{"heading", band->viewport(), heading, 0, 2}}) {
    SCOPED_TRACE(d.name);
    down.clear();
    click.clear();
    test::DoubleClick(d.target, d.at);
    EXPECT_EQ(down.count(), 1);
    EXPECT_EQ(click.count(), 1);
    EXPECT_EQ(t.grid.GetMouseRow(), d.mouse_row);
    EXPECT_EQ(t.grid.GetMouseCol(), d.mouse_col);
  }

  QTest::mouseMove(t.grid.viewport(), t.CellCentre(7, 3));
  EXPECT_GE(move.count(), 1);
  EXPECT_EQ(t.grid.GetMouseRow(), 7);
  EXPECT_EQ(t.grid.GetMouseCol(), 3);
}

TEST(FlexGrid, KeyboardKeepsTheCurrentCellOutOfTheHeadings) {
  TestGrid t;
  t.Show();
  QSignalSpy sel(&t.grid, &CMSFlexGrid::SelChange);
  t.grid.SetRow(1);
  t.grid.SetCol(1);
  QTest::keyClick(&t.grid, Qt::Key_Left);
  QTest::keyClick(&t.grid, Qt::Key_Up);
  EXPECT_EQ(t.grid.GetRow(), 1);
  EXPECT_EQ(t.grid.GetCol(), 1);
  EXPECT_EQ(sel.count(), 0);
  QTest::keyClick(&t.grid, Qt::Key_Down);
  EXPECT_EQ(t.grid.GetRow(), 2);
  EXPECT_EQ(sel.count(), 1);
}

TEST(FlexGrid, FixedRowsStayInViewWhileTheRestScrolls) {
  TestGrid t;
  t.grid.SetRows(200);
  t.Show();
  t.grid.verticalScrollBar()->setValue(t.grid.verticalScrollBar()->maximum());
  ASSERT_GT(t.grid.rowAt(0), 100);
  QTableView* band = t.FixedRows();
  ASSERT_TRUE(band->isVisible());
  QTest::mouseClick(band->viewport(), Qt::LeftButton, {}, band->visualRect(t.grid.model()->index(0, 1)).center());
  EXPECT_EQ(t.grid.GetMouseRow(), 0);
  EXPECT_EQ(t.grid.GetMouseCol(), 1);
  // Without fixed rows every row scrolls.
  t.grid.SetFixedRows(0);
  EXPECT_FALSE(band->isVisible());
  EXPECT_FALSE(t.grid.isRowHidden(0));
}

// The control test grid with some rows filled in, and the sirens grid of the
// analog values window; saved when KX700_SCREENSHOTS names a folder.
TEST(FlexGrid, Screenshot) {
  const char* dir = std::getenv("KX700_SCREENSHOTS");
  if (!dir) return;
  TestGrid t;
  for (int row = 0; row < 9; ++row) t.grid.SetRowHeight(row, 280);
  int width = 2 * t.grid.frameWidth();
  for (int col = 0; col < 12; ++col) width += t.grid.columnWidth(col);
  t.grid.resize(width, 200);
  t.grid.SetRow(0);
  for (int col = 0; col < 12; ++col) {
    t.grid.SetCol(col);
    t.grid.SetCellFontBold(true);
    t.grid.SetCellAlignment(col >= 3 ? 4 : 1);
  }
  const char* events[] = {"Alarm", "Storing", "Reset"};
  for (int row = 1; row <= 3; ++row) {
    t.grid.SetTextMatrix(row, 1, events[row - 1]);
    t.grid.SetTextMatrix(row, 2, "Relaiskaart 1-8");
    t.grid.SetTextMatrix(row, 3, "2");
    t.grid.SetRow(row);
    for (int col = 1; col < 12; ++col) {
      t.grid.SetCol(col);
      if (col >= 4) t.grid.SetTextMatrix(row, col, (row + col) % 2 ? QString::number(col - 3) : ".");
      if (col >= 3) t.grid.SetCellAlignment(col == 3 ? 4 : 1);
      t.grid.SetCellForeColor(row == 2 ? Rgb(255, 64, 64) : Rgb(0, 128, 0));
    }
  }
  t.grid.SetRow(2);
  t.grid.SetCol(0);
  t.grid.SetCellBackColor(Rgb(255, 255, 0));
  t.grid.SetCol(1);
  t.Show();
  t.grid.grab().save(QString::fromLocal8Bit(dir) + "/flex_grid.png");

  CMSFlexGrid sirens;
  sirens.SetCols(2);
  sirens.SetRows(2);
  sirens.SetFixedCols(0);
  for (int col = 0; col < 2; ++col) sirens.SetColWidth(col, 2850);
  sirens.SetRowHeight(0, 320);
  sirens.SetRowHeight(1, 340);
  sirens.SetTextMatrix(0, 0, "Beveiligde sirenekringen");
  sirens.SetTextMatrix(0, 1, "Beveiligde sirenekringen");
  sirens.SetTextMatrix(1, 0, "Sirene");
  sirens.SetTextMatrix(1, 1, "Doormelding");
  sirens.SetMergeCells(2);
  sirens.SetMergeRow(0, true);
  sirens.SetRow(1);
  for (int col = 0; col < 2; ++col) {
    sirens.SetCol(col);
    sirens.SetCellAlignment(4);
    sirens.SetCellBackColor(col == 0 ? Rgb(192, 255, 255) : kWhite);
  }
  sirens.SetRow(0);
  sirens.SetCol(0);
  sirens.SetCellAlignment(4);
  sirens.resize(sirens.columnWidth(0) * 2 + 2 * sirens.frameWidth(), 60);
  sirens.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&sirens));
  sirens.grab().save(QString::fromLocal8Bit(dir) + "/flex_grid_merged.png");
}

} // namespace
} // namespace kx700
