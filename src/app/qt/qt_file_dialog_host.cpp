#include "app/qt/qt_file_dialog_host.h"

#include <QApplication>
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

std::optional<std::string> QtFileDialogHost::SaveExportFile(ExportFile kind) {
  const bool text = kind == ExportFile::LogbookText;
  // Over the window that asks, which may be a modal one over the main window.
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_.data();
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // Some desktops' own dialogs ask about overwriting before the suffix is
  // added; this one asks about the file that is really written.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(text ? QCoreApplication::translate("kx700::QtFileDialogHost", "Tekstbestanden (*.txt)")
                            : QCoreApplication::translate("kx700::QtFileDialogHost", "Excel-werkmap (*.xlsx)"));
  dialog.setDefaultSuffix(text ? QStringLiteral("txt") : QStringLiteral("xlsx"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Chosen(dialog.selectedFiles().front());
}

} // namespace kx700
