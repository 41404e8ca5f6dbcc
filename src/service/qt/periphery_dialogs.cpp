#include "service/qt/periphery_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/qt/flex_grid.h"
#include "common/qt/label.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

constexpr int kCentred = 4;
constexpr int kCellPadding = 12;

void SetCell(CMSFlexGrid* grid, int row, int col, const QString& text) {
  grid->SetRow(row);
  grid->SetCol(col);
  grid->SetCellAlignment(kCentred);
  grid->SetText(text);
}

// A grid that only shows: no focus, exactly as large as its cells.
void FitToCells(CMSFlexGrid* grid) {
  grid->setFocusPolicy(Qt::NoFocus);
  grid->FitToCells();
}

// One row of eight device cells (or one), each 400 x 350 twips.
void BuildStateGrid(CMSFlexGrid* grid, const std::uint8_t* states, int count, const QString& name) {
  grid->SetRows(1);
  grid->SetCols(count);
  grid->SetFixedRows(0);
  grid->SetFixedCols(0);
  grid->SetRowHeight(0, 350);
  for (int c = 0; c < count; ++c) {
    const StateCellLook look = StateCellLookFor(c + 1, states[c]);
    grid->SetColWidth(c, 400);
    SetCell(grid, 0, c, ToQString(look.text));
    grid->SetCellBackColor(look.background);
    grid->SetCellForeColor(look.textColour);
  }
  grid->setAccessibleName(name);
  FitToCells(grid);
}

QDialogButtonBox* OkButton(QDialog* dialog, const QString& text) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(text);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  return buttons;
}

// The wait cursor for as long as it lives.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

// --- Periferie -----------------------------------------------------------------

Cperiphery::Cperiphery(const PeripherySession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      repeaters_(new CMSFlexGrid(this)),
      relayCards_(new CMSFlexGrid(this)),
      powerSupply_(new CMSFlexGrid(this)),
      checkVersion_(new QPushButton(tr("Check versie"), this)) {
  setObjectName(QStringLiteral("Cperiphery"));
  setWindowTitle(tr("Periferie"));

  const PeripheryStates& states = session_.states;
  auto* repeatersLabel = new QLabel(tr("Herhaalborden"), this);
  auto* relayCardsLabel = new QLabel(tr("Relaiskaarten"), this);
  auto* powerSupplyLabel = new QLabel(tr("Voedingsbewaking"), this);
  BuildStateGrid(repeaters_, states.repeaters.data(), kPeripherySlots, repeatersLabel->text());
  BuildStateGrid(relayCards_, states.relayCards.data(), kPeripherySlots, relayCardsLabel->text());
  BuildStateGrid(powerSupply_, &states.powerSupply, 1, powerSupplyLabel->text());

  auto* grids = new QGridLayout;
  grids->setHorizontalSpacing(12);
  grids->setVerticalSpacing(10);
  grids->addWidget(repeatersLabel, 0, 0);
  grids->addWidget(repeaters_, 0, 1, Qt::AlignLeft);
  grids->addWidget(relayCardsLabel, 1, 0);
  grids->addWidget(relayCards_, 1, 1, Qt::AlignLeft);
  grids->addWidget(powerSupplyLabel, 2, 0);
  grids->addWidget(powerSupply_, 2, 1, Qt::AlignLeft);

  checkVersion_->setAutoDefault(false);
  connect(checkVersion_, &QPushButton::clicked, this, &Cperiphery::OnCheckVersion);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(checkVersion_);
  bottom->addStretch(1);
  bottom->addWidget(OkButton(this, tr("OK")));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grids);
  layout->addSpacing(8);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Cperiphery::OnCheckVersion() {
  if (!session_.readVersions) return;
  PeripheryVersions versions;
  bool read = false;
  {
    const WaitCursor wait;
    read = session_.readVersions(versions);
  }
  // A failure was shown by the read itself.
  if (!read) return;
  CVersion dialog(session_, versions, this);
  dialog.exec();
}

// --- Versies periferie -----------------------------------------------------------

CVersion::CVersion(const PeripherySession& session, const PeripheryVersions& versions, QWidget* parent)
    : QDialog(parent),
      hover_(session.panelMajor, session.panelMinor),
      kind_(new CLabel(this)),
      minimum_(new CLabel(this)),
      recommended_(new CLabel(this)),
      panel_(new CLabel(this)),
      legend_(new CMSFlexGrid(this)),
      versions_(new CMSFlexGrid(this)) {
  setObjectName(QStringLiteral("CVersion"));
  setWindowTitle(tr("Versies periferie"));

  // Labels.
  kind_->SetFontBold(true);
  const ColorRef ok = VerdictColour(VersionVerdict::Ok);
  for (CLabel* label : {minimum_, recommended_}) {
    label->SetBkColor(ok);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000.00")) + 2 * kCellPadding);
  }
  int kindWidth = 0;
  for (int text : {182, 183, 184})
    kindWidth = std::max(kindWidth, kind_->fontMetrics().horizontalAdvance(TableText(text)));
  kind_->setMinimumWidth(kindWidth + 4);
  panel_->SetFontSize(14);
  panel_->SetText(ToQString(PanelVersionLabel(session.panelMajor, session.panelMinor, session.panelBuild)));
  // The value labels are read as the values they show, their captions as
  // what labels them.
  auto* minimumCaption = new QLabel(tr("Minimum versie"), this);
  auto* recommendedCaption = new QLabel(tr("Aanbevolen versie"), this);
  minimumCaption->setBuddy(minimum_);
  recommendedCaption->setBuddy(recommended_);

  // Legend.
  legend_->SetRows(static_cast<int>(kVerdictLegend.size()));
  legend_->SetCols(1);
  legend_->SetFixedRows(0);
  legend_->SetFixedCols(0);
  legend_->SetColWidth(0, 2300);
  for (int r = 0; r < legend_->GetRows(); ++r) {
    const VersionVerdict verdict = kVerdictLegend[static_cast<std::size_t>(r)];
    legend_->SetRowHeight(r, 290);
    SetCell(legend_, r, 0, TableText(VerdictTextNumber(verdict)));
    legend_->SetCellBackColor(VerdictColour(verdict));
    legend_->SetCellForeColor(kBlack);
  }
  legend_->SetGridLines(0);
  legend_->setAccessibleName(tr("Legende"));
  FitToCells(legend_);

  // Versions: a column per kind, a row per device.
  versions_->SetRows(1 + kPeripherySlots);
  versions_->SetCols(4);
  versions_->SetFixedRows(1);
  versions_->SetFixedCols(1);
  versions_->SetColWidth(0, 400);
  versions_->SetRowHeight(0, 320);
  const std::array<int, 3> headings = {150, 80, 144};
  for (int c = 1; c <= 3; ++c) {
    versions_->SetColWidth(c, 1700);
    SetCell(versions_, 0, c, TableText(headings[static_cast<std::size_t>(c - 1)]));
    versions_->SetCellFontBold(true);
  }
  for (int r = 1; r <= kPeripherySlots; ++r) {
    versions_->SetRowHeight(r, 300);
    SetCell(versions_, r, 0, QString::number(r));
    versions_->SetCellFontBold(true);
  }
  versions_->setAccessibleName(tr("Versies"));
  FillVersionGrid(session, versions);
  FitToCells(versions_);
  connect(versions_, &CMSFlexGrid::MouseMove, this, &CVersion::OnMouseMoveVersionGrid);

  // Layout: the panel's version over the kind with its versions beside the
  // legend, the devices' versions below.
  auto* kindArea = new QGridLayout;
  kindArea->setHorizontalSpacing(10);
  kindArea->addWidget(kind_, 0, 0, 1, 2);
  kindArea->addWidget(minimumCaption, 1, 0);
  kindArea->addWidget(minimum_, 1, 1);
  kindArea->addWidget(recommendedCaption, 2, 0);
  kindArea->addWidget(recommended_, 2, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(panel_);
  left->addSpacing(8);
  left->addLayout(kindArea);
  left->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addStretch(1);
  top->addSpacing(16);
  top->addWidget(legend_, 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(versions_, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(OkButton(this, tr("OK")));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CVersion::FillVersionGrid(const PeripherySession& session, const PeripheryVersions& versions) {
  ShowKind(KindLabelsFor(PeripheryDevice::RepeaterPanel, session.panelMajor, session.panelMinor));
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= kPeripherySlots; ++r) {
      const auto look = VersionGridCellLook(session.states, versions, session.panelMajor, session.panelMinor, r, c);
      if (!look) continue;
      versions_->SetRow(r);
      versions_->SetCol(c);
      versions_->SetCellAlignment(kCentred);
      versions_->SetCellBackColor(look->background);
      if (!look->text) continue;
      // Black reads on every verdict colour, whatever the desktop's theme.
      versions_->SetCellForeColor(kBlack);
      versions_->SetText(ToQString(*look->text));
    }
  }
}

void CVersion::ShowKind(const KindLabels& labels) {
  kind_->SetText(ToQString(labels.kind));
  minimum_->SetText(ToQString(labels.minimum));
  recommended_->SetText(ToQString(labels.recommended));
}

void CVersion::OnMouseMoveVersionGrid() {
  if (const auto labels = hover_.MouseOver(versions_->GetMouseCol())) ShowKind(*labels);
}

} // namespace kx700
