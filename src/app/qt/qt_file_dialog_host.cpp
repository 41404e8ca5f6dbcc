#include "app/qt/qt_file_dialog_host.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace kx700 {
namespace {

QString Filter() { return QCoreApplication::translate("kx700::QtFileDialogHost", "Configuratiebestanden (*.qnd3)"); }

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

} // namespace

std::optional<std::string> QtFileDialogHost::OpenConfigurationFile() {
  return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString(), Filter()));
}

std::optional<std::string> QtFileDialogHost::SaveConfigurationFile(const std::string& suggested) {
  return Chosen(QFileDialog::getSaveFileName(parent_, QString(), QString::fromStdString(suggested), Filter()));
}

} // namespace kx700
