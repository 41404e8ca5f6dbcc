#include "app/qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/program_icon.h"
#include "common/qt/qt_text.h"

namespace kx700 {

CAboutDlg::CAboutDlg(const AboutTexts& texts, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("KX700 configuratie"));
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("programIcon"));
  icon->setPixmap(ProgramIcon().pixmap(48, 48));

  auto* grid = new QGridLayout;
  auto* maker = new QLabel(tr("Brandmeldcentrale KX700 - Quendar"), this);
  maker->setObjectName(QStringLiteral("product"));
  grid->addWidget(maker, 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("PC-Zenvik"), this), 1, 0);
  auto* program = new QLabel(ToQString(texts.programVersion), this);
  program->setObjectName(QStringLiteral("programVersion"));
  grid->addWidget(program, 1, 1);
  auto* panelLabel = new QLabel(ToQString(texts.panelLabel), this);
  panelLabel->setObjectName(QStringLiteral("panelLabel"));
  grid->addWidget(panelLabel, 2, 0);
  auto* panel = new QLabel(ToQString(texts.panelVersion), this);
  panel->setObjectName(QStringLiteral("panelVersion"));
  grid->addWidget(panel, 2, 1);
  auto* conflict = new QLabel(ToQString(texts.conflict), this);
  conflict->setObjectName(QStringLiteral("conflict"));
  grid->addWidget(conflict, 3, 0, 1, 2);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addLayout(grid, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  setMinimumWidth(320);
}

} // namespace kx700
