#include "service/qt/analog_values_window.h"

#include <QActionGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "common/qt/colour_button.h"
#include "common/qt/flex_grid.h"
#include "common/qt/label.h"
#include "common/qt/qt_colour.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

using namespace analog_control;

constexpr ColorRef kInfoBackground = Rgb(255, 255, 192);
constexpr int kCentred = 4;
constexpr int kMaxTipChars = 79;

void SetCell(CMSFlexGrid* grid, int row, int col, const QString& text) {
  grid->SetRow(row);
  grid->SetCol(col);
  grid->SetCellAlignment(kCentred);
  grid->SetText(text);
}

// Keeps its place in the layout while hidden, so the window does not change
// size with the display mode.
void KeepPlace(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

struct ModeButton {
  AnalogDisplayMode mode;
  const char* text;
  ColorRef colour;
};

const std::array<ModeButton, 5> kModeButtons = {{
    {AnalogDisplayMode::Value, QT_TRANSLATE_NOOP("kx700::Can_val_selbar", "Analoge waarde"), kWhite},
    {AnalogDisplayMode::Service, QT_TRANSLATE_NOOP("kx700::Can_val_selbar", "In/uit dienst"), kAnalogOutOfService},
    {AnalogDisplayMode::Test, QT_TRANSLATE_NOOP("kx700::Can_val_selbar", "In/uit test"), kAnalogInTest},
    {AnalogDisplayMode::Alarm, QT_TRANSLATE_NOOP("kx700::Can_val_selbar", "Alarm"), kAnalogAlarm},
    {AnalogDisplayMode::Observation, QT_TRANSLATE_NOOP("kx700::Can_val_selbar", "Observatie"), kAnalogObserved},
}};

// The button's image: a loop row in the colour that mode shows, with a value
// bar for the analog values.
QIcon ModeIcon(const ModeButton& button, const QPalette& palette) {
  QPixmap image(24, 24);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QColor(64, 64, 64));
  painter.setBrush(ToQColor(button.colour, palette));
  painter.drawRect(2, 5, 19, 13);
  if (button.mode == AnalogDisplayMode::Value) {
    painter.fillRect(5, 12, 4, 4, QColor(0, 160, 0));
    painter.fillRect(10, 9, 4, 7, QColor(0, 160, 0));
    painter.fillRect(15, 7, 4, 9, QColor(0, 160, 0));
  }
  return QIcon(image);
}

} // namespace

// --- tool bar ----------------------------------------------------------------

Can_val_selbar::Can_val_selbar(QWidget* parent) : QToolBar(parent), group_(new QActionGroup(this)) {
  setObjectName(QStringLiteral("Can_val_selbar"));
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  group_->setExclusive(true);
  for (const ModeButton& b : kModeButtons) {
    const QString text = tr(b.text);
    QAction* action = addAction(ModeIcon(b, palette()), text);
    action->setCheckable(true);
    action->setData(static_cast<int>(b.mode));
    action->setToolTip(text.left(kMaxTipChars));
    group_->addAction(action);
  }
  button(selected_)->setChecked(true);
  connect(group_, &QActionGroup::triggered, this, [this](QAction* action) {
    const auto mode = static_cast<AnalogDisplayMode>(action->data().toInt());
    if (mode == selected_) return;
    selected_ = mode;
    emit ModeSelected(mode);
  });
}

QAction* Can_val_selbar::button(AnalogDisplayMode mode) const {
  for (QAction* action : group_->actions()) {
    if (action->data().toInt() == static_cast<int>(mode)) return action;
  }
  return nullptr;
}

void Can_val_selbar::Select(AnalogDisplayMode mode) {
  if (QAction* action = button(mode)) action->trigger();
}

// --- info dialog -------------------------------------------------------------

Canval_info::Canval_info(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Canval_info"));
  setWindowTitle(tr("Info - Analoge waarden"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(kInfoBackground, colours));
  setPalette(colours);

  const auto label = [this](const QString& text) {
    auto* l = new CLabel(text, this);
    l->SetBkColor(kInfoBackground);
    return l;
  };
  auto* layout = new QVBoxLayout(this);
  CLabel* title = label(tr("Waarde - Lusspanning"));
  title->SetFontSize(14).SetFontBold(true);
  layout->addWidget(title);
  layout->addSpacing(8);
  for (const char* line :
       {QT_TR_NOOP("0,3 V   Geen alarm"), QT_TR_NOOP("1,7 V   Eén detector in alarm"),
        QT_TR_NOOP("3,1 V   Twee detectoren in alarm"), QT_TR_NOOP("4,3 V   Drie detectoren in alarm"),
        QT_TR_NOOP("5,2 V   Vier detectoren in alarm"), QT_TR_NOOP("5,9 V   Vijf detectoren in alarm")})
    layout->addWidget(label(tr(line)));
  layout->addSpacing(8);
  CLabel* note = label(tr("MERK OP: Bovenstaande waarden zijn slechts een indicatie."));
  note->SetFontItalic(true);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// --- the window ----------------------------------------------------------------

Can_values::Can_values(const ServiceContext& context, QWidget* parent)
    : QDialog(parent),
      BoundView<AnalogValuesView>(this),
      AnalogValues(*this, {context.document.serviceState(), context.link, context.engine}),
      legend_(new CMSFlexGrid(this)),
      loops1_(new CMSFlexGrid(this)),
      loops2_(new CMSFlexGrid(this)),
      outputs_(new CMSFlexGrid(this)),
      info_(new CClrButton(this)),
      loopText_(new QLabel(this)),
      polledLoop_(new QLabel(this)),
      inside_(new QRadioButton(tr("Binnen bereik"), this)),
      outside_(new QRadioButton(tr("Buiten bereik"), this)),
      minimum_(new QLineEdit(this)),
      maximum_(new QLineEdit(this)),
      start_(new QPushButton(tr("Start"), this)),
      observation_(new CLabel(this)),
      toolBar_(new Can_val_selbar(this)) {
  setObjectName(QStringLiteral("Can_values"));
  setMouseTracking(true);

  info_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info_->setIconSize(QSize(24, 24));
  info_->setFixedSize(36, 36);
  info_->setAccessibleName(tr("Info"));
  info_->setToolTip(tr("Info"));
  start_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  for (QPushButton* b : {static_cast<QPushButton*>(info_), start_}) b->setAutoDefault(false);

  // Legend.
  legend_->SetCols(1);
  legend_->SetRows(3);
  legend_->SetFixedRows(0);
  legend_->SetFixedCols(0);
  legend_->SetColWidth(0, 1050);
  const std::array<std::pair<int, ColorRef>, 3> legend = {
      {{123, kAnalogOutOfService}, {124, kAnalogInTest}, {10, kAnalogNoAnswer}}};
  for (int r = 0; r < 3; ++r) {
    legend_->SetRowHeight(r, 320);
    SetCell(legend_, r, 0, TableText(legend[static_cast<std::size_t>(r)].first));
    legend_->SetCellBackColor(legend[static_cast<std::size_t>(r)].second);
  }
  legend_->setFocusPolicy(Qt::NoFocus);
  legend_->setAccessibleName(tr("Legende"));

  BuildLoopGrid(loops1_, 1);
  BuildLoopGrid(loops2_, 9);

  // Secured siren circuits and transmission.
  outputs_->SetCols(2);
  outputs_->SetRows(2);
  outputs_->SetFixedRows(1);
  outputs_->SetFixedCols(0);
  outputs_->SetColWidth(0, 2850);
  outputs_->SetColWidth(1, 2850);
  outputs_->SetRowHeight(0, 320);
  outputs_->SetRowHeight(1, 340);
  SetCell(outputs_, 0, 0, TableText(130));
  SetCell(outputs_, 0, 1, TableText(130));
  outputs_->SetMergeCells(2);
  outputs_->SetMergeRow(0, true);
  outputs_->SetMergeRow(1, false);
  SetCell(outputs_, 1, 0, TableText(197));
  SetCell(outputs_, 1, 1, TableText(131));
  outputs_->setAccessibleName(TableText(130));
  outputs_->setFocusPolicy(Qt::NoFocus);
  outputs_->FitToCells();
  legend_->FitToCells();

  // Observation.
  minimum_->setAccessibleName(tr("Minimum"));
  maximum_->setAccessibleName(tr("Maximum"));
  for (QLineEdit* edit : {minimum_, maximum_}) {
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    connect(edit, &QLineEdit::returnPressed, this, [this] { OnRangeChanged(); });
  }
  auto* minimumLabel = new QLabel(tr("Minimum"), this);
  minimumLabel->setBuddy(minimum_);
  auto* maximumLabel = new QLabel(tr("Maximum"), this);
  maximumLabel->setBuddy(maximum_);
  observation_->SetTextColor(kWhite).SetBkColor(kAnalogObserved).SetFontBold(true);
  observation_->setAlignment(Qt::AlignCenter);
  observation_->setMinimumWidth(observation_->fontMetrics().horizontalAdvance(QStringLiteral("Observatie 00.0")) + 24);
  auto* observationBox = new QWidget(this);
  auto* range = new QGridLayout(observationBox);
  range->setContentsMargins(0, 0, 0, 0);
  range->addWidget(inside_, 0, 0);
  range->addWidget(outside_, 1, 0);
  range->addWidget(minimumLabel, 0, 1);
  range->addWidget(minimum_, 0, 2);
  range->addWidget(maximumLabel, 1, 1);
  range->addWidget(maximum_, 1, 2);
  range->addWidget(start_, 0, 3, 2, 1);
  range->addWidget(observation_, 0, 4, 2, 1);
  range->setColumnStretch(5, 1);
  for (QWidget* w : std::initializer_list<QWidget*>{outputs_, inside_, outside_, minimumLabel, minimum_, maximumLabel,
                                                    maximum_, start_, observation_})
    KeepPlace(w);
  connect(inside_, &QRadioButton::clicked, this, [this] { OnRangeChanged(); });
  connect(outside_, &QRadioButton::clicked, this, [this] { OnRangeChanged(); });
  connect(start_, &QPushButton::clicked, this, [this] { OnRangeChanged(); });

  bindings_.Bind(kLoopText, loopText_);
  bindings_.Bind(kPolledLoop, polledLoop_);
  bindings_.Bind(kInsideRange, inside_);
  bindings_.Bind(kOutsideRange, outside_);
  bindings_.Bind(kMinimum, minimum_);
  bindings_.Bind(kMaximum, maximum_);
  bindings_.Bind(kStart, start_);
  bindings_.Bind(kMinimumLabel, minimumLabel);
  bindings_.Bind(kMaximumLabel, maximumLabel);
  bindings_.Bind(kOutputsGrid, outputs_);
  bindings_.Bind(kObservationLabel, observation_);

  // Layout: the legend and the info button, both loop grids, the mode's own
  // controls in one place, the hovered loop's text and the loop just polled,
  // the tool bar at the bottom.
  auto* top = new QHBoxLayout;
  top->addWidget(legend_, 0, Qt::AlignTop);
  top->addStretch(1);
  top->addWidget(info_, 0, Qt::AlignTop);
  auto* grids = new QHBoxLayout;
  grids->addWidget(loops1_);
  grids->addSpacing(12);
  grids->addWidget(loops2_);
  grids->addStretch(1);
  auto* modeArea = new QGridLayout;
  modeArea->addWidget(outputs_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  modeArea->addWidget(observationBox, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* lusLabel = new QLabel(tr("Lus"), this);
  polledLoop_->setMinimumWidth(polledLoop_->fontMetrics().horizontalAdvance(QStringLiteral("000")));
  loopText_->setMinimumWidth(loopText_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
  loopText_->setFrameShape(QFrame::StyledPanel);
  loopText_->setFrameShadow(QFrame::Sunken);
  loopText_->setAccessibleDescription(tr("Lustekst")); // read as the text it shows
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(loopText_, 1);
  bottom->addSpacing(24);
  bottom->addWidget(lusLabel);
  bottom->addWidget(polledLoop_);

  auto* body = new QVBoxLayout;
  body->addLayout(top);
  body->addLayout(grids);
  body->addLayout(modeArea);
  body->addLayout(bottom);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* margins = new QWidget(this);
  margins->setMouseTracking(true);
  margins->setLayout(body);
  layout->addWidget(margins);
  layout->addWidget(toolBar_);
  // The outputs grid shares its place with the observation controls: above
  // their (always shown) container, so that it takes the clicks.
  outputs_->raise();
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(info_, &QPushButton::clicked, this, &Can_values::OnInfo);
  connect(toolBar_, &Can_val_selbar::ModeSelected, this, [this](AnalogDisplayMode mode) { SetDisplayMode(mode); });
  for (int grid = 0; grid < 2; ++grid) {
    CMSFlexGrid* g = loopGrid(grid);
    connect(g, &CMSFlexGrid::MouseMove, this, [this, g, grid] { OnMouseMoveLoops(grid, g->GetMouseRow()); });
    connect(g, &CMSFlexGrid::MouseDown, this, [this, g, grid](int button) {
      if (button == 1) OnMouseDownLoops(grid, g->GetMouseRow());
    });
    g->installEventFilter(this);
  }
  connect(outputs_, &CMSFlexGrid::MouseDown, this, [this](int button) {
    if (button == 1 && outputs_->GetMouseRow() >= 0) OnMouseDownOutputs(outputs_->GetMouseCol());
  });

  OnInitDialog();
}

Can_values::~Can_values() {
  // Polling ends before the widgets go.
  LeaveLinkMode();
}

void Can_values::BuildLoopGrid(CMSFlexGrid* grid, int firstLoop) {
  grid->SetCols(3);
  grid->SetRows(9);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetColWidth(0, 500);
  grid->SetColWidth(1, 700);
  grid->SetColWidth(2, 1600);
  for (int r = 0; r < 9; ++r) grid->SetRowHeight(r, 320);
  for (int r = 1; r <= 8; ++r) {
    SetCell(grid, r, 0, QString::number(firstLoop + r - 1));
    grid->SetCellFontBold(true);
  }
  SetCell(grid, 0, 1, TableText(126));
  SetCell(grid, 0, 2, TableText(125));
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 2; ++c) {
      grid->SetRow(r);
      grid->SetCol(c);
      grid->SetCellAlignment(kCentred);
    }
  }
  grid->setAccessibleName(tr("Lussen %1 - %2").arg(firstLoop).arg(firstLoop + 7));
  grid->setFocusPolicy(Qt::NoFocus);
  grid->FitToCells();
}

void Can_values::DrawLoopRow(int loop, const LoopRowLook& look) {
  CMSFlexGrid* grid = loop <= 8 ? loops1_ : loops2_;
  const int row = loop <= 8 ? loop : loop - 8;
  for (int col = 1; col <= 2; ++col) {
    grid->SetRow(row);
    grid->SetCol(col);
    grid->SetCellBackColor(look.background);
    if (look.text) grid->SetCellForeColor(*look.text);
    grid->SetText(ToQString(col == 1 ? look.value : look.state));
  }
}

void Can_values::SetOutputBackground(int column, ColorRef colour) {
  outputs_->SetRow(1);
  outputs_->SetCol(column);
  outputs_->SetCellBackColor(colour);
}

void Can_values::SetCaption(const std::string& panelText) {
  setWindowTitle(tr("Analoge waarden") + QStringLiteral("  ") + ToQString(panelText));
}

QPushButton* Can_values::infoButton() const { return info_; }

void Can_values::OnInfo() {
  Canval_info info(this);
  info.exec();
}

bool Can_values::eventFilter(QObject* watched, QEvent* event) {
  // Leaving a loop grid is a move over the window itself.
  if (event->type() == QEvent::Leave && (watched == loops1_ || watched == loops2_)) OnMouseMove();
  return QDialog::eventFilter(watched, event);
}

void Can_values::mouseMoveEvent(QMouseEvent* event) {
  OnMouseMove();
  QDialog::mouseMoveEvent(event);
}

} // namespace kx700
