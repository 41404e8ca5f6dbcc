#include "common/qt/flex_grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWheelEvent>

#include <algorithm>

#include "common/qt/qt_colour.h"

namespace kx700 {
namespace {

constexpr int kBackColourRole = Qt::UserRole + 1;
constexpr int kForeColourRole = Qt::UserRole + 2;
constexpr int kDefaultColWidthTwips = 960;

ColorRef DefaultBackColour(bool fixed) { return SystemColor(fixed ? SystemColour::ButtonFace : SystemColour::Window); }
ColorRef DefaultForeColour(bool fixed) {
  return SystemColor(fixed ? SystemColour::ButtonText : SystemColour::WindowText);
}

Qt::Alignment ToQtAlignment(CellAlign align) {
  Qt::Alignment result;
  switch (align.horizontal) {
    case HorizontalAlign::Left: result = Qt::AlignLeft; break;
    case HorizontalAlign::Centre: result = Qt::AlignHCenter; break;
    case HorizontalAlign::Right: result = Qt::AlignRight; break;
  }
  switch (align.vertical) {
    case VerticalAlign::Top: result |= Qt::AlignTop; break;
    case VerticalAlign::Centre: result |= Qt::AlignVCenter; break;
    case VerticalAlign::Bottom: result |= Qt::AlignBottom; break;
  }
  return result;
}

int ButtonCode(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

// Cells in the colours the windows gave them: no selection colour (the
// windows mark rows themselves), and the current cell of a focused grid only
// framed by a dotted line, where a style would tint it.
class CellDelegate : public QStyledItemDelegate {
public:
  explicit CellDelegate(CMSFlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus) || grid_->IsFixedCell(index.row(), index.column())) return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    painter->restore();
  }

protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const bool fixed = grid_->IsFixedCell(index.row(), index.column());
    option->state &= ~(QStyle::State_Selected | QStyle::State_MouseOver | QStyle::State_HasFocus);
    const QVariant back = index.data(kBackColourRole);
    const QVariant fore = index.data(kForeColourRole);
    const QPalette palette = option->palette;
    option->backgroundBrush = ToQColor(back.isValid() ? back.toUInt() : DefaultBackColour(fixed), palette);
    const QColor text = ToQColor(fore.isValid() ? fore.toUInt() : DefaultForeColour(fixed), palette);
    option->palette.setColor(QPalette::Active, QPalette::Text, text);
    option->palette.setColor(QPalette::Inactive, QPalette::Text, text);
  }

private:
  const CMSFlexGrid* grid_;
};

} // namespace

// Sits where a table keeps its column header and shows the fixed rows there,
// in a second view of the same cells, so they stay put while the rows below
// scroll.
class CMSFlexGrid::FixedRowsBand : public QHeaderView {
public:
  explicit FixedRowsBand(QWidget* parent) : QHeaderView(Qt::Horizontal, parent), view_(new QTableView(this)) {
    view_->setFrameShape(QFrame::NoFrame);
    view_->horizontalHeader()->hide();
    view_->verticalHeader()->hide();
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setFocusPolicy(Qt::NoFocus);
    view_->viewport()->setMouseTracking(true);
  }

  QTableView* view() const { return view_; }
  void SetBandHeight(int height) {
    height_ = height;
    setVisible(height > 0);
    updateGeometry();
  }
  QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), height_}; }

protected:
  void resizeEvent(QResizeEvent* event) override {
    QHeaderView::resizeEvent(event);
    view_->setGeometry(rect());
  }

private:
  QTableView* view_;
  int height_ = 0;
};

// Changes made from code move the table's own current index too; they must
// not come back as the user's selection.
struct CMSFlexGrid::SyncGuard {
  explicit SyncGuard(CMSFlexGrid& grid) : grid_(grid), was_(grid.syncing_) { grid_.syncing_ = true; }
  ~SyncGuard() { grid_.syncing_ = was_; }
  CMSFlexGrid& grid_;
  bool was_;
};

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(2, 2, parent) {
  band_ = new FixedRowsBand(this);
  setHorizontalHeader(band_);
  band_view_ = band_->view();
  band_view_->setModel(model());

  auto* delegate = new CellDelegate(this);
  setItemDelegate(delegate);
  band_view_->setItemDelegate(delegate);

  verticalHeader()->hide();
  setEditTriggers(NoEditTriggers);
  setSelectionMode(NoSelection);
  setHorizontalScrollMode(ScrollPerPixel);
  setVerticalScrollMode(ScrollPerItem);
  viewport()->setMouseTracking(true);
  band_view_->viewport()->installEventFilter(this);

  const int row_height = fontMetrics().height() + 4;
  const int col_width = TwipsToPixels(kDefaultColWidthTwips, logicalDpiX());
  for (QHeaderView* rows : {verticalHeader(), band_view_->verticalHeader()}) {
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(row_height);
  }
  for (QHeaderView* cols : {horizontalHeader(), band_view_->horizontalHeader()}) {
    cols->setMinimumSectionSize(0);
    cols->setDefaultSectionSize(col_width);
  }
  connect(band_, &QHeaderView::sectionResized, band_view_,
          [this](int col, int, int size) { band_view_->setColumnWidth(col, size); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, band_view_->horizontalScrollBar(), &QScrollBar::setValue);

  HideFixedRows(0, rowCount());
  UpdateBand();
  ShowCurrentCell();
}

void CMSFlexGrid::SetRows(int rows) {
  if (rows < 0) return;
  SyncGuard guard(*this);
  const int old = rowCount();
  setRowCount(rows);
  merged_.erase(merged_.lower_bound(rows), merged_.end());
  HideFixedRows(old, rows);
  row_ = std::clamp(row_, 0, std::max(0, rows - 1));
  UpdateBand();
  ShowCurrentCell();
}

void CMSFlexGrid::SetCols(int cols) {
  if (cols < 0) return;
  SyncGuard guard(*this);
  setColumnCount(cols);
  col_ = std::clamp(col_, 0, std::max(0, cols - 1));
  MergeAllRows();
  ShowCurrentCell();
}

void CMSFlexGrid::SetFixedRows(int rows) {
  if (rows < 0) return;
  const int old = fixed_rows_;
  fixed_rows_ = rows;
  HideFixedRows(std::min(old, rows), std::max(old, rows));
  UpdateBand();
  viewport()->update();
  band_view_->viewport()->update();
}

void CMSFlexGrid::SetFixedCols(int cols) {
  if (cols < 0) return;
  fixed_cols_ = cols;
  viewport()->update();
  band_view_->viewport()->update();
}

void CMSFlexGrid::SetRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  row_ = row;
  ShowCurrentCell();
}

void CMSFlexGrid::SetCol(int col) {
  if (col < 0 || col >= columnCount()) return;
  col_ = col;
  ShowCurrentCell();
}

void CMSFlexGrid::SetText(const QString& text) { SetTextMatrix(row_, col_, text); }

QString CMSFlexGrid::GetText() const { return GetTextMatrix(row_, col_); }

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (!IsCell(row, col)) return;
  Cell(row, col)->setText(text);
  if (row < static_cast<int>(merge_rows_.size()) && merge_rows_[row]) MergeRow(row);
}

QString CMSFlexGrid::GetTextMatrix(int row, int col) const {
  const QTableWidgetItem* cell = IsCell(row, col) ? item(row, col) : nullptr;
  return cell ? cell->text() : QString();
}

ColorRef CMSFlexGrid::GetCellBackColor() const { return CellColour(kBackColourRole); }

void CMSFlexGrid::SetCellBackColor(ColorRef colour) { SetCellData(kBackColourRole, QVariant::fromValue(colour)); }

ColorRef CMSFlexGrid::GetCellForeColor() const { return CellColour(kForeColourRole); }

void CMSFlexGrid::SetCellForeColor(ColorRef colour) { SetCellData(kForeColourRole, QVariant::fromValue(colour)); }

void CMSFlexGrid::SetCellAlignment(int code) {
  SetCellData(Qt::TextAlignmentRole, static_cast<int>(ToQtAlignment(DecodeCellAlignment(code))));
}

void CMSFlexGrid::SetCellFontBold(bool bold) {
  // Only the weight: the rest follows the grid's font.
  QFont weight;
  weight.setBold(bold);
  SetCellData(Qt::FontRole, weight);
}

void CMSFlexGrid::SetGridLines(int style) {
  setShowGrid(style != 0);
  band_view_->setShowGrid(style != 0);
}

void CMSFlexGrid::SetMergeCells(int mode) {
  merge_mode_ = mode;
  MergeAllRows();
}

void CMSFlexGrid::SetMergeRow(int row, bool merge) {
  if (row < 0) return;
  if (row >= static_cast<int>(merge_rows_.size())) merge_rows_.resize(row + 1, false);
  merge_rows_[row] = merge;
  MergeRow(row);
}

void CMSFlexGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= columnCount()) return;
  setColumnWidth(col, twips < 0 ? horizontalHeader()->defaultSectionSize() : TwipsToPixels(twips, logicalDpiX()));
}

void CMSFlexGrid::SetRowHeight(int row, int twips) {
  if (row < 0 || row >= rowCount()) return;
  const int height = twips < 0 ? verticalHeader()->defaultSectionSize() : TwipsToPixels(twips, logicalDpiY());
  setRowHeight(row, height);
  band_view_->setRowHeight(row, height);
  if (row < fixed_rows_) UpdateBand();
}

bool CMSFlexGrid::IsFixedCell(int row, int col) const {
  return (row >= 0 && row < fixed_rows_) || (col >= 0 && col < fixed_cols_);
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  SetMouseCell(rowAt(at.y()), columnAt(at.x()));
  Pressed(event, viewport()->mapTo(this, at));
  // Only a left press on a cell below and right of the headings moves the
  // current cell; the handlers above may have changed the grid, so look again.
  const QModelIndex index = indexAt(at);
  base_pressed_ = event->button() == Qt::LeftButton && index.isValid() && !IsFixedCell(index.row(), index.column());
  if (base_pressed_) QTableWidget::mousePressEvent(event);
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is no press of its own: no MouseDown,
  // and its release makes no Click.
  const QPoint at = event->position().toPoint();
  SetMouseCell(rowAt(at.y()), columnAt(at.x()));
  base_pressed_ = false;
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  SetMouseCell(rowAt(at.y()), columnAt(at.x()));
  const QPoint in_grid = viewport()->mapTo(this, at);
  emit MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), in_grid.x(), in_grid.y());
}

void CMSFlexGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  SetMouseCell(rowAt(at.y()), columnAt(at.x()));
  if (base_pressed_ && event->button() == Qt::LeftButton) {
    base_pressed_ = false;
    QTableWidget::mouseReleaseEvent(event);
  }
  Released(event);
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  if (syncing_ || !current.isValid() || (current.row() == row_ && current.column() == col_)) return;
  row_ = current.row();
  col_ = current.column();
  emit SelChange();
}

QModelIndex CMSFlexGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
  if (!next.isValid()) return next;
  const int col = std::max(next.column(), std::min(fixed_cols_, columnCount() - 1));
  if (IsFixedCell(next.row(), col)) return currentIndex();
  return model()->index(next.row(), col);
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched != band_view_->viewport()) return QTableWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      const int row = band_view_->rowAt(at.y());
      SetMouseCell(row < std::min(fixed_rows_, rowCount()) ? row : -1, band_view_->columnAt(at.x()));
      const QPoint in_grid = band_view_->viewport()->mapTo(this, at);
      if (event->type() == QEvent::MouseMove)
        emit MouseMove(ButtonCode(mouse->buttons()), ShiftCode(mouse->modifiers()), in_grid.x(), in_grid.y());
      else if (event->type() == QEvent::MouseButtonRelease)
        Released(mouse);
      else if (event->type() == QEvent::MouseButtonPress)
        Pressed(mouse, in_grid);
      return true;
    }
    case QEvent::Wheel: wheelEvent(static_cast<QWheelEvent*>(event)); return true;
    default: return false;
  }
}

bool CMSFlexGrid::IsCell(int row, int col) const {
  return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

QTableWidgetItem* CMSFlexGrid::Cell(int row, int col) {
  QTableWidgetItem* cell = item(row, col);
  if (!cell) {
    cell = new QTableWidgetItem;
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, col, cell);
  }
  return cell;
}

void CMSFlexGrid::SetCellData(int role, const QVariant& value) {
  if (IsCell(row_, col_)) Cell(row_, col_)->setData(role, value);
}

ColorRef CMSFlexGrid::CellColour(int role) const {
  const bool fixed = IsFixedCell(row_, col_);
  const QTableWidgetItem* cell = IsCell(row_, col_) ? item(row_, col_) : nullptr;
  const QVariant value = cell ? cell->data(role) : QVariant();
  if (value.isValid()) return value.toUInt();
  return role == kBackColourRole ? DefaultBackColour(fixed) : DefaultForeColour(fixed);
}

void CMSFlexGrid::ShowCurrentCell() {
  if (!IsCell(row_, col_)) return;
  SyncGuard guard(*this);
  selectionModel()->setCurrentIndex(model()->index(row_, col_), QItemSelectionModel::NoUpdate);
}

QSize CMSFlexGrid::CellsSize() const {
  int width = 2 * frameWidth();
  for (int col = 0; col < columnCount(); ++col) width += columnWidth(col);
  int height = 2 * frameWidth();
  // The fixed rows are drawn by the band, and hidden in the view below it.
  for (int row = 0; row < rowCount(); ++row) height += row < fixed_rows_ ? band_view_->rowHeight(row) : rowHeight(row);
  return {width, height};
}

void CMSFlexGrid::WidenColumn(int col, const QStringList& texts) {
  constexpr int kCellPadding = 12;
  if (col < 0 || col >= columnCount()) return;
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int needed = columnWidth(col);
  for (const QString& text : texts) needed = std::max(needed, metrics.horizontalAdvance(text) + kCellPadding);
  setColumnWidth(col, needed);
}

void CMSFlexGrid::FitToCells() {
  for (int col = 0; col < columnCount(); ++col) {
    QStringList texts;
    // A merged heading spreads over its columns.
    for (int row = 0; row < rowCount(); ++row)
      if (columnSpan(row, col) == 1) texts << GetTextMatrix(row, col);
    WidenColumn(col, texts);
  }
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedSize(CellsSize());
}

void CMSFlexGrid::HideFixedRows(int first, int last) {
  for (int row = std::max(0, first); row < std::min(last, rowCount()); ++row) setRowHidden(row, row < fixed_rows_);
}

void CMSFlexGrid::UpdateBand() {
  int height = 0;
  for (int row = 0; row < std::min(fixed_rows_, rowCount()); ++row) height += band_view_->rowHeight(row);
  band_->SetBandHeight(height);
  updateGeometries();
}

void CMSFlexGrid::MergeRow(int row) {
  if (const auto found = merged_.find(row); found != merged_.end()) {
    for (const MergeRun& run : found->second) {
      setSpan(row, run.first, 1, 1);
      band_view_->setSpan(row, run.first, 1, 1);
    }
    merged_.erase(found);
  }
  if (merge_mode_ == 0 || row >= rowCount() || row >= static_cast<int>(merge_rows_.size()) || !merge_rows_[row]) return;
  QStringList texts;
  for (int col = 0; col < columnCount(); ++col) texts << GetTextMatrix(row, col);
  const std::vector<MergeRun> runs = MergeRuns(texts);
  for (const MergeRun& run : runs) {
    setSpan(row, run.first, 1, run.count);
    band_view_->setSpan(row, run.first, 1, run.count);
  }
  if (!runs.empty()) merged_[row] = runs;
}

void CMSFlexGrid::MergeAllRows() {
  clearSpans();
  band_view_->clearSpans();
  merged_.clear();
  for (int row = 0; row < std::min(rowCount(), static_cast<int>(merge_rows_.size())); ++row)
    if (merge_rows_[row]) MergeRow(row);
}

void CMSFlexGrid::SetMouseCell(int row, int col) {
  mouse_row_ = row;
  mouse_col_ = col;
}

void CMSFlexGrid::Pressed(QMouseEvent* event, const QPoint& at) {
  if (event->button() == Qt::LeftButton) left_down_ = true;
  emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), at.x(), at.y());
}

void CMSFlexGrid::Released(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !left_down_) return;
  left_down_ = false;
  emit Click();
}

} // namespace kx700
