#include "service/qt/control_test_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

#include "common/qt/colour_button.h"
#include "common/qt/flex_grid.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

using namespace control_test_control;

constexpr int kColumns = 12;
constexpr int kFirstRelayColumn = 4;
constexpr int kLeftCentred = 1;
constexpr int kCentred = 4;
constexpr std::array<int, kFirstRelayColumn> kWidths = {600, 1600, 1600, 1000};
constexpr int kRelayWidth = 400;
constexpr int kRowHeight = 280;

void AlignCell(CMSFlexGrid* grid, int row, int col, int code) {
  grid->SetRow(row);
  grid->SetCol(col);
  grid->SetCellAlignment(code);
}

QStringList TableTexts(std::initializer_list<int> numbers) {
  QStringList texts;
  for (int number : numbers) texts << TableText(number);
  return texts;
}

} // namespace

Ctest_control::Ctest_control(const ServiceContext& context, QWidget* parent)
    : QDialog(parent),
      BoundView<ControlTestView>(this),
      ControlTest(*this, context),
      kinds_(new QComboBox(this)),
      controls_(new QComboBox(this)),
      grid_(new CMSFlexGrid(this)),
      on_(new CClrButton(this)),
      off_(new CClrButton(tr("UIT"), this)) {
  setObjectName(QStringLiteral("Ctest_control"));

  on_->SetColors(kWhite, Rgb(80, 176, 80));
  off_->SetColors(kWhite, Rgb(255, 128, 128));
  for (CClrButton* button : {on_, off_}) {
    // Enter must not switch outputs by accident.
    button->setAutoDefault(false);
    button->setMinimumSize(96, 32);
  }

  auto* kindLabel = new QLabel(tr("&Soort"), this);
  kindLabel->setBuddy(kinds_);
  kinds_->setAccessibleName(tr("Soort"));
  auto* controlLabel = new QLabel(tr("S&turing"), this);
  controlLabel->setBuddy(controls_);
  controls_->setAccessibleName(tr("Sturing"));
  kinds_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  controls_->setMinimumContentsLength(19); // "%d %s" of the longest name
  controls_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  BuildGrid();

  bindings_.Bind(kKinds, kinds_);
  bindings_.Bind(kControls, controls_);
  bindings_.Bind(kOn, on_);
  bindings_.Bind(kOff, off_);
  bindings_.Bind(kGrid, grid_);

  auto* choice = new QHBoxLayout;
  choice->addWidget(kindLabel);
  choice->addWidget(kinds_);
  choice->addSpacing(16);
  choice->addWidget(controlLabel);
  choice->addWidget(controls_);
  choice->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(on_);
  buttons->addWidget(off_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choice);
  layout->addWidget(grid_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(kinds_, controls_);
  setTabOrder(controls_, on_);
  setTabOrder(on_, off_);

  // The bindings block these signals, so only the user's choices arrive.
  connect(kinds_, &QComboBox::currentIndexChanged, this, [this] { OnSelchangeKind(); });
  connect(controls_, &QComboBox::currentIndexChanged, this, [this] { OnSelchangeControl(); });
  connect(on_, &QPushButton::clicked, this, [this] { OnOn(); });
  connect(off_, &QPushButton::clicked, this, [this] { OnOff(); });
  connect(grid_, &CMSFlexGrid::MouseDown, this, [this](int button) {
    if (button == 1) OnMouseDownGrid(grid_->GetMouseRow(), grid_->GetMouseCol());
  });

  OnInitDialog();
}

Ctest_control::~Ctest_control() {
  // The engine lets go of the window before its widgets go.
  LeaveLinkMode();
}

void Ctest_control::BuildGrid() {
  grid_->SetCols(kColumns);
  grid_->SetRows(kControlTestRows + 1);
  for (int col = 0; col < kColumns; ++col)
    grid_->SetColWidth(col, col < kFirstRelayColumn ? kWidths[static_cast<std::size_t>(col)] : kRelayWidth);
  for (int row = 0; row <= kControlTestRows; ++row) grid_->SetRowHeight(row, kRowHeight);

  const std::array<int, kFirstRelayColumn> headings = {32, 112, 113, 114};
  for (int col = 0; col < kColumns; ++col) {
    grid_->SetTextMatrix(0, col, TableText(col < kFirstRelayColumn ? headings[static_cast<std::size_t>(col)] : 115));
    grid_->SetRow(0);
    grid_->SetCol(col);
    grid_->SetCellFontBold(true);
  }
  for (int row = 0; row <= kControlTestRows; ++row) {
    if (row > 0) grid_->SetTextMatrix(row, 0, QStringLiteral("%1.").arg(row));
    AlignCell(grid_, row, 0, kLeftCentred);
    AlignCell(grid_, row, 3, kCentred);
    for (int col = kFirstRelayColumn; col < kColumns; ++col)
      AlignCell(grid_, row, col, row == 0 ? kCentred : kLeftCentred);
  }
  grid_->SetMergeCells(2);
  grid_->SetMergeRow(0, true);
  grid_->SetGridLines(0);

  // The event and module texts of the language in use, whole.
  // The events and modules a row may show, in this language.
  grid_->WidenColumn(1, TableTexts({30, 84, 85, 86, 88, 58, 59, 90, 91, 92, 93, 94, 95, 195}));
  grid_->WidenColumn(2, TableTexts({116, 117, 118}));
  grid_->FitToCells();
  grid_->setFocusPolicy(Qt::NoFocus);
  grid_->setAccessibleName(tr("Gebeurtenissen"));

  grid_->SetRow(1);
  grid_->SetCol(0);
  defaultBack_ = grid_->GetCellBackColor();
}

void Ctest_control::ShowEventRow(int row, const EventRowTexts& texts) {
  grid_->SetTextMatrix(row, 1, ToQString(texts.event));
  grid_->SetTextMatrix(row, 2, ToQString(texts.module));
  grid_->SetTextMatrix(row, 3, ToQString(texts.address));
  for (std::size_t i = 0; i < texts.relays.size(); ++i)
    grid_->SetTextMatrix(row, kFirstRelayColumn + static_cast<int>(i), ToQString(texts.relays[i]));
}

void Ctest_control::SetRowSelected(int row, bool selected) {
  grid_->SetRow(row);
  grid_->SetCol(0);
  grid_->SetCellBackColor(selected ? kControlTestSelected : defaultBack_);
}

void Ctest_control::SetRowTextColor(int row, ColorRef colour) {
  grid_->SetRow(row);
  for (int col = 1; col < kColumns; ++col) {
    grid_->SetCol(col);
    grid_->SetCellForeColor(colour);
  }
}

void Ctest_control::SetCaption(const std::string& panelText) {
  setWindowTitle(tr("Sturingen testen") + QStringLiteral("  ") + ToQString(panelText));
}

void Ctest_control::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void Ctest_control::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

void Ctest_control::reject() {
  OnCancel();
  QDialog::reject();
}

} // namespace kx700
