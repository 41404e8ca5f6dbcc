#include "app/qt/qt_file_dialog_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace kx700 {
namespace {

QString Filter() { return QCoreApplication::translate("kx700::QtFileDialogHost", "Configuratiebestanden (*.qnd3)"); }

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

// A file to write, of the filter's type. A name typed without a suffix gets
// the type's suffix before the question about replacing a file, so that the
// question is about the file really written; some desktops' own dialogs ask
// before the suffix is added, this one does not.
std::optional<std::string> ChooseFileToWrite(QWidget* parent, const QString& filter, const QString& suffix,
                                             const std::string& suggested) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (!suggested.empty()) dialog.selectFile(QFileInfo(QString::fromStdString(suggested)).absoluteFilePath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Chosen(dialog.selectedFiles().front());
}

} // namespace

std::optional<std::string> QtFileDialogHost::OpenConfigurationFile() {
  return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QString(), Filter()));
}

std::optional<std::string> QtFileDialogHost::SaveConfigurationFile(const std::string& suggested) {
  return ChooseFileToWrite(parent_, Filter(), QStringLiteral("qnd3"), suggested);
}

std::optional<std::string> QtFileDialogHost::SaveExportFile(ExportFile kind) {
  const bool text = kind == ExportFile::LogbookText;
  // Over the window that asks, which may be a modal one over the main window.
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_.data();
  return ChooseFileToWrite(parent,
                           text ? QCoreApplication::translate("kx700::QtFileDialogHost", "Tekstbestanden (*.txt)")
                                : QCoreApplication::translate("kx700::QtFileDialogHost", "Excel-werkmap (*.xlsx)"),
                           text ? QStringLiteral("txt") : QStringLiteral("xlsx"), {});
}

} // namespace kx700
