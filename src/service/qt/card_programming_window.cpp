#include "service/qt/card_programming_window.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/qt/flex_grid.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

constexpr int kCentred = 4;

} // namespace

Cprog_periph::Cprog_periph(const ServiceContext& context, QWidget* parent)
    : QDialog(parent),
      CardProgramming(*this, {context.document.serviceState(), context.link, context.engine}),
      grid_(new CMSFlexGrid(this)),
      hint_(new QLabel(tr("Herprogrammeer een relaiskaart \ndoor op het kaartnummer te klikken."), this)),
      ok_(new QPushButton(this)) {
  setObjectName(QStringLiteral("Cprog_periph"));
  setWindowTitle(tr("Programmeren periferie"));

  grid_->SetCols(2);
  grid_->SetRows(kRelayCardCount + 1);
  grid_->SetFixedRows(1);
  grid_->SetFixedCols(1);
  grid_->SetColWidth(0, 450);
  grid_->SetColWidth(1, 1700);
  grid_->SetRow(0);
  grid_->SetCol(1);
  grid_->SetCellAlignment(kCentred);
  grid_->SetText(TableText(87));
  for (int r = 1; r <= kRelayCardCount; ++r) {
    grid_->SetRow(r);
    grid_->SetCol(0);
    grid_->SetCellAlignment(kCentred);
    grid_->SetText(QString::number(r));
    grid_->SetCol(1);
    grid_->SetCellAlignment(kCentred);
  }
  // As large as its cells, the rows a little taller where the font needs it.
  const int rowTwips = std::max(222, (grid_->fontMetrics().height() + 4) * 1440 / std::max(grid_->logicalDpiY(), 1));
  for (int r = 0; r <= kRelayCardCount; ++r) grid_->SetRowHeight(r, rowTwips);
  // Wide enough for the longest result in this language.
  grid_->WidenColumn(1, {TableText(7), TableText(8), TableText(10), TableText(119)});
  grid_->FitToCells();
  // Clicks choose a card; there is no current cell to move.
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setAccessibleName(tr("Relaiskaarten"));
  grid_->setCursor(Qt::PointingHandCursor);
  connect(grid_, &CMSFlexGrid::Click, this, [this] { OnClickGrid(grid_->GetMouseRow()); });

  ok_->setText(tr("OK"));
  ok_->setDefault(true);
  ok_->setMinimumWidth(ok_->sizeHint().width() + 24);
  connect(ok_, &QPushButton::clicked, this, &Cprog_periph::accept);
  QSizePolicy keep = hint_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  hint_->setSizePolicy(keep);

  auto* side = new QVBoxLayout;
  side->addWidget(ok_, 0, Qt::AlignRight);
  side->addStretch(1);
  side->addWidget(hint_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(grid_);
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  OnInitDialog();
}

Cprog_periph::~Cprog_periph() { LeaveLinkMode(); }

void Cprog_periph::ShowCard(int card, const CardCellLook& look) {
  grid_->SetRow(card);
  grid_->SetCol(1);
  grid_->SetCellBackColor(look.background);
  if (look.textColour) grid_->SetCellForeColor(*look.textColour);
  if (look.text) grid_->SetText(ToQString(*look.text));
}

void Cprog_periph::ShowSelectionEnabled(bool enabled) {
  ok_->setEnabled(enabled);
  hint_->setVisible(enabled);
}

void Cprog_periph::accept() {
  if (OnOK()) QDialog::accept();
}

void Cprog_periph::reject() {
  if (OnOK()) QDialog::reject();
}

void Cprog_periph::closeEvent(QCloseEvent* event) {
  if (!OnOK()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

} // namespace kx700
