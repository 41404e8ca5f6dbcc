#pragma once

#include <QTableWidget>

#include <map>
#include <vector>

#include "common/colour.h"
#include "common/grid_layout.h"

class QTableView;

namespace kx700 {

// The service windows' grid: a table of texts driven through property calls,
// most of them on the current cell (SetRow, SetCol, then SetText,
// SetCellBackColor, ...). Sizes are in twips (1/1440 inch) of the screen's
// logical resolution.
//
// Fixed rows and columns are heading cells: drawn in the button colours, never
// the current cell by mouse or keyboard; the fixed rows stay at the top while
// the others scroll. A new grid has 2 rows, 2 columns, 1 fixed row and 1 fixed
// column, and its current cell is (1, 1).
//
// A call naming a row or column outside the grid changes nothing, and a read
// of one gives an empty text or the default colour.
class CMSFlexGrid : public QTableWidget {
  Q_OBJECT

public:
  explicit CMSFlexGrid(QWidget* parent = nullptr);

  void SetRows(int rows);
  int GetRows() const { return rowCount(); }
  void SetCols(int cols);
  int GetCols() const { return columnCount(); }
  void SetFixedRows(int rows);
  int GetFixedRows() const { return fixed_rows_; }
  void SetFixedCols(int cols);
  int GetFixedCols() const { return fixed_cols_; }

  // The current cell. Setting it from code does not emit SelChange.
  void SetRow(int row);
  int GetRow() const { return row_; }
  void SetCol(int col);
  int GetCol() const { return col_; }
  // The selection is the current cell, so its row is the current row.
  int GetRowSel() const { return row_; }

  // Text of the current cell.
  void SetText(const QString& text);
  QString GetText() const;
  void SetTextMatrix(int row, int col, const QString& text);
  QString GetTextMatrix(int row, int col) const;

  // Colours of the current cell. A cell never coloured reads as the system
  // colour it shows: window and window text, or button face and button text
  // in a fixed cell.
  ColorRef GetCellBackColor() const;
  void SetCellBackColor(ColorRef colour);
  ColorRef GetCellForeColor() const;
  void SetCellForeColor(ColorRef colour);
  // Codes 0..8: (left, centre, right) x (top, centre, bottom), 1 left and
  // centred vertically, 4 centred; see DecodeCellAlignment.
  void SetCellAlignment(int code);
  void SetCellFontBold(bool bold);

  // 0 hides the lines between cells, any other value shows them.
  void SetGridLines(int style);
  // 0 merges nothing; any other value merges neighbouring cells with the same
  // text in the rows marked by SetMergeRow.
  void SetMergeCells(int mode);
  void SetMergeRow(int row, bool merge);
  // A negative size gives the default width or height back.
  void SetColWidth(int col, int twips);
  void SetRowHeight(int row, int twips);

  // The cell under the mouse at its last move, press or release over the
  // grid; -1 where it is over no row or column.
  int GetMouseRow() const { return mouse_row_; }
  int GetMouseCol() const { return mouse_col_; }

  bool IsFixedCell(int row, int col) const;
  // The size that shows every cell without scrolling.
  QSize CellsSize() const;
  // Widens a column, never narrows it, where this desktop's font needs more
  // for one of `texts` (as if drawn bold, the widest the grid draws); for
  // texts a column will show later.
  void WidenColumn(int col, const QStringList& texts);
  // A grid that only shows: without scroll bars and exactly as large as its
  // cells, each column widened for the texts it holds.
  void FitToCells();

signals:
  // button: 1 left, 2 right, 4 middle (the buttons held, for a move); shift:
  // 1 Shift, 2 Ctrl, 4 Alt; x, y: pixels from the grid's top left corner.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int button, int shift, int x, int y);
  // A left button press and release. The second press of a double click
  // makes neither a MouseDown nor a Click.
  void Click();
  // The user moved the current cell with the mouse or the keyboard.
  void SelChange();

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  class FixedRowsBand;
  struct SyncGuard;

  bool IsCell(int row, int col) const;
  QTableWidgetItem* Cell(int row, int col);
  void SetCellData(int role, const QVariant& value);
  ColorRef CellColour(int role) const;
  void ShowCurrentCell();
  void HideFixedRows(int first, int last);
  void UpdateBand();
  void MergeRow(int row);
  void MergeAllRows();
  void SetMouseCell(int row, int col);
  void Pressed(QMouseEvent* event, const QPoint& at);
  void Released(QMouseEvent* event);

  FixedRowsBand* band_ = nullptr;
  QTableView* band_view_ = nullptr;
  int fixed_rows_ = 1;
  int fixed_cols_ = 1;
  int row_ = 1;
  int col_ = 1;
  int mouse_row_ = -1;
  int mouse_col_ = -1;
  int merge_mode_ = 0;
  std::vector<bool> merge_rows_;
  std::map<int, std::vector<MergeRun>> merged_; // spans set, by row
  bool syncing_ = false;
  bool left_down_ = false;
  bool base_pressed_ = false;
};

} // namespace kx700
