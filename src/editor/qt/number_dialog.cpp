#include "editor/qt/number_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "editor/loop_page.h"

namespace kx700 {

NumberDialog::NumberDialog(const QString& caption, const QString& label, int low, int high, QWidget* parent)
    : QDialog(parent),
      BoundView<PageView>(this),
      label_(new QLabel(label, this)),
      edit_(new QLineEdit(this)),
      low_(low),
      high_(high) {
  setWindowTitle(caption);
  label_->setBuddy(edit_);
  bindings_.Bind(kNumberEdit, edit_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("Toevoegen"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &NumberDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &NumberDialog::reject);
  auto* layout = new QGridLayout(this);
  layout->addWidget(label_, 0, 0);
  layout->addWidget(edit_, 0, 1);
  layout->addWidget(buttons, 1, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NumberDialog::SetNumber(int number) {
  number_ = number;
  SetText(kNumberEdit, std::to_string(number));
  edit_->selectAll();
}

void NumberDialog::SetParams(const QString& caption, const QString& label, int low, int high) {
  setWindowTitle(caption);
  label_->setText(label);
  low_ = low;
  high_ = high;
}

void NumberDialog::accept() {
  const auto number = AcceptNumber(*this, kNumberEdit, low_, high_);
  if (!number) return;
  number_ = *number;
  QDialog::accept();
}

Cadd::Cadd(QWidget* parent) : NumberDialog(tr("Toevoegen"), tr("&Nummer"), 1, 20, parent) {
  setObjectName(QStringLiteral("Cadd"));
}

Cadd_zone::Cadd_zone(QWidget* parent) : NumberDialog(tr("Toevoegen lus"), tr("&Nummer"), 1, LoopPage::kLimit, parent) {
  setObjectName(QStringLiteral("Cadd_zone"));
}

} // namespace kx700
