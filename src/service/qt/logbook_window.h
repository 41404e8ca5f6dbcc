#pragma once

#include <QDialog>

#include "service/logbook.h"
#include "service/logbook_export.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kx700 {

class CMSFlexGrid;

// "Logboek": the entries read from the panel, one grid row each, with a
// search over one column, the marks of its hits, the highlighted row (a right
// click chooses its colour), and the text and workbook exports.
class CLogboek final : public QDialog {
  Q_OBJECT

public:
  CLogboek(const LogbookSession& session, QWidget* parent = nullptr);

  CMSFlexGrid* grid() const { return grid_; }
  QComboBox* columnCombo() const { return column_; }
  QLineEdit* searchEdit() const { return search_; }
  QPushButton* textExportButton() const { return textExport_; }
  QPushButton* workbookExportButton() const { return workbookExport_; }
  const LogbookModel& model() const { return model_; }

  // Enter searches; it does not close the window.
  void accept() override;
  void OnSearch();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void HighlightRow(int row);
  void PaintRowColour(int row, ColorRef colour);
  void OnClickGrid();
  void OnMouseDownGrid(int button);

  LogbookSession session_;
  LogbookModel model_;
  CMSFlexGrid* grid_;
  QComboBox* column_;
  QLineEdit* search_;
  QPushButton* searchButton_;
  QPushButton* textExport_;
  QPushButton* workbookExport_;
};

} // namespace kx700
