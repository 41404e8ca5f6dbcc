#include "app/qt/status_bar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>

namespace kx700 {
namespace {

QLabel* Pane(const QString& widest, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + 8);
  return label;
}

} // namespace

CStatusBarWithProgress::CStatusBarWithProgress(int progressWidth, QWidget* parent)
    : QStatusBar(parent), progressWidth_(progressWidth) {
  setSizeGripEnabled(false);
  pane_ = new QLabel(this);
  pane_->setObjectName(QStringLiteral("messagePane"));
  addWidget(pane_, 1);
  technician_ = Pane(tr("Technicus mode: 000"), this);
  technician_->setObjectName(QStringLiteral("technicianPane"));
  addPermanentWidget(technician_);
  // The lock keys have their panes as on any such program; their state is
  // not known to a program on every Linux desktop, so they stay blank.
  for (const char* widest : {"CAP", "NUM", "SCRL"}) addPermanentWidget(Pane(QString::fromLatin1(widest), this));

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setTextVisible(false);
  progress_->hide();
}

bool CStatusBarWithProgress::ShowProgress(const QString& text, bool save) {
  if (!shown_) {
    if (!text.isEmpty()) {
      if (save) saved_ = pane_->text();
      pane_->setText(text);
    }
    progress_->show();
    shown_ = true;
    RepositionProgress();
    repaint();
  }
  return shown_;
}

bool CStatusBarWithProgress::HideProgress(bool restore) {
  if (shown_) {
    progress_->hide();
    shown_ = false;
    if (restore) pane_->setText(saved_);
  }
  return shown_;
}

void CStatusBarWithProgress::ProgressSetRange(int low, int high) { progress_->setRange(low, high); }
void CStatusBarWithProgress::ProgressSetPos(int position) { progress_->setValue(position); }
void CStatusBarWithProgress::ProgressSetStep(int step) { step_ = step; }

void CStatusBarWithProgress::ProgressStepIt() {
  // Like a classic progress control, a step past the end starts again.
  int next = progress_->value() + step_;
  if (next > progress_->maximum()) next = progress_->minimum() + (next - progress_->maximum());
  progress_->setValue(next);
}

void CStatusBarWithProgress::SetPaneText(const QString& text) {
  pane_->setText(text);
  if (shown_) RepositionProgress();
}

QString CStatusBarWithProgress::PaneText() const { return pane_->text(); }

void CStatusBarWithProgress::SetTechnicianPane(const QString& text) { technician_->setText(text); }

void CStatusBarWithProgress::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  if (shown_) RepositionProgress();
}

void CStatusBarWithProgress::RepositionProgress() {
  const QRect pane = pane_->geometry();
  const int textWidth = pane_->fontMetrics().horizontalAdvance(pane_->text());
  progress_->setGeometry(pane.left() + textWidth + 10, pane.top() + 1, progressWidth_, std::max(1, pane.height() - 2));
  progress_->raise();
}

} // namespace kx700
