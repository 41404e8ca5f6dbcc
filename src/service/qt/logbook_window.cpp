#include "service/qt/logbook_window.h"

#include <QColorDialog>
#include <QFontMetrics>

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "common/qt/flex_grid.h"
#include "common/qt/qt_message_host.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

constexpr int kColumnTwips[kLogbookColumns] = {370, 2600, 4500, 1040, 785};

} // namespace

CLogboek::CLogboek(const LogbookSession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      model_(session.entries),
      grid_(new CMSFlexGrid(this)),
      column_(new QComboBox(this)),
      search_(new QLineEdit(this)),
      searchButton_(new QPushButton(this)),
      textExport_(new QPushButton(this)),
      workbookExport_(new QPushButton(this)) {
  setObjectName(QStringLiteral("CLogboek"));
  setWindowTitle(TableText(148));
  setSizeGripEnabled(true);

  textExport_->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  textExport_->setAccessibleName(tr("Exporteren als tekstbestand"));
  workbookExport_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  workbookExport_->setAccessibleName(tr("Exporteren als werkmap"));
  searchButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  searchButton_->setAccessibleName(tr("Zoeken"));
  for (QPushButton* b : {textExport_, workbookExport_, searchButton_}) {
    b->setToolTip(b->accessibleName());
    b->setAutoDefault(false);
  }
  search_->setMaxLength(static_cast<int>(kLogbookSearchLength));
  search_->setAccessibleName(tr("Zoektekst"));
  column_->setEditable(true);
  // What is typed there selects no column; it never becomes one.
  column_->setInsertPolicy(QComboBox::NoInsert);
  column_->setAccessibleName(tr("Zoeken in"));
  for (const std::string& text : LogbookSearchColumns()) column_->addItem(ToQString(text));
  column_->setCurrentIndex(0);

  auto* searchBox = new QGroupBox(this);
  auto* searchRow = new QHBoxLayout(searchBox);
  searchRow->addWidget(searchButton_);
  searchRow->addWidget(search_, 1);
  searchRow->addWidget(column_);
  auto* top = new QHBoxLayout;
  top->addWidget(textExport_);
  top->addWidget(workbookExport_);
  top->addSpacing(24);
  top->addWidget(searchBox, 1);
  top->addStretch(0);

  // Row 0 and column 0 are headings; column 0 carries the search marks.
  grid_->SetCols(kLogbookColumns);
  grid_->SetRows(model_.entryCount() + 1);
  grid_->SetFixedRows(1);
  grid_->SetFixedCols(1);
  grid_->setAccessibleName(TableText(148));
  for (int c = 0; c < kLogbookColumns; ++c) {
    grid_->SetColWidth(c, kColumnTwips[c]);
    grid_->SetRow(0);
    grid_->SetCol(c);
    grid_->SetCellFontBold(true);
    grid_->SetText(ToQString(model_.Cell(0, c)));
  }
  for (int r = 1; r <= model_.entryCount(); ++r) {
    for (int c = 0; c < kLogbookColumns; ++c) {
      grid_->SetRow(r);
      grid_->SetCol(c);
      grid_->SetCellAlignment(1);
      grid_->SetText(ToQString(model_.Cell(r, c)));
    }
  }

  // The columns' widths, or wider where this desktop's font needs it: no text
  // is cut.
  int width = 60;
  QFont bold = grid_->font();
  bold.setBold(true);
  const QFontMetrics headings(bold);
  for (int c = 0; c < kLogbookColumns; ++c) {
    const int planned = grid_->columnWidth(c);
    grid_->resizeColumnToContents(c);
    const int heading = headings.horizontalAdvance(ToQString(model_.Cell(0, c))) + 16;
    grid_->setColumnWidth(c, std::max({planned, heading, grid_->columnWidth(c)}));
    width += grid_->columnWidth(c);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(grid_, 1);
  resize(width, 560);

  connect(searchButton_, &QPushButton::clicked, this, &CLogboek::OnSearch);
  connect(textExport_, &QPushButton::clicked, this, [this] { ExportLogbookText(session_, OwnerOf(this)); });
  connect(workbookExport_, &QPushButton::clicked, this, [this] { ExportLogbookWorkbook(session_, OwnerOf(this)); });
  connect(grid_, &CMSFlexGrid::SelChange, this, [this] { HighlightRow(grid_->GetRowSel()); });
  connect(grid_, &CMSFlexGrid::Click, this, &CLogboek::OnClickGrid);
  connect(grid_, &CMSFlexGrid::MouseDown, this, [this](int button, int, int, int) { OnMouseDownGrid(button); });

  if (model_.entryCount() > 0) HighlightRow(1);
  search_->setFocus();
}

void CLogboek::keyPressEvent(QKeyEvent* event) {
  // The window has no OK button: Enter searches from wherever it is typed.
  const bool enter = (event->key() == Qt::Key_Return && event->modifiers() == Qt::NoModifier) ||
                     (event->key() == Qt::Key_Enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier);
  if (enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CLogboek::accept() {
  OnSearch();
  search_->setFocus();
}

void CLogboek::PaintRowColour(int row, ColorRef colour) {
  for (int c = 1; c < kLogbookColumns; ++c) {
    grid_->SetRow(row);
    grid_->SetCol(c);
    grid_->SetCellBackColor(colour);
  }
}

void CLogboek::HighlightRow(int row) {
  if (row < 1 || row > model_.entryCount()) return;
  const int before = model_.Highlight(row);
  if (before > 0 && before != row) PaintRowColour(before, kWhite);
  PaintRowColour(row, model_.highlightColour());
  grid_->SetRow(row);
  grid_->scrollToItem(grid_->item(row, 1));
}

void CLogboek::OnSearch() {
  // Text typed into the column box that is not one of its items is no column.
  const int choice =
      column_->currentIndex() >= 0 && column_->currentText() == column_->itemText(column_->currentIndex())
          ? column_->currentIndex()
          : -1;
  // The entries' texts are code page 1252; what it cannot carry matches nothing.
  const std::string text = FromQString(search_->text()).value_or(std::string("\x01"));
  const int show = model_.Search(choice, text);
  grid_->SetRow(0);
  grid_->SetCol(0);
  const ColorRef plain = grid_->GetCellBackColor();
  for (int r = 1; r <= model_.entryCount(); ++r) {
    grid_->SetRow(r);
    grid_->SetCol(0);
    grid_->SetCellBackColor(model_.Marked(r) ? kLogbookMark : plain);
  }
  grid_->setFocus();
  if (show > 0) HighlightRow(show);
}

void CLogboek::OnClickGrid() {
  const auto pick = model_.Click(grid_->GetMouseRow(), grid_->GetMouseCol());
  if (!pick) return;
  column_->setCurrentIndex(pick->choice);
  search_->setText(ToQString(pick->text));
}

void CLogboek::OnMouseDownGrid(int button) {
  if (button != 2) return;
  const ColorRef now = model_.highlightColour();
  const QColor chosen = QColorDialog::getColor(QColor(RedOf(now), GreenOf(now), BlueOf(now)), this);
  if (!chosen.isValid()) return;
  model_.SetHighlightColour(Rgb(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                                static_cast<std::uint8_t>(chosen.blue())));
  HighlightRow(grid_->GetRowSel());
}

} // namespace kx700
