#include "app/qt/qt_dialog_runner.h"

#include "app/qt/about_dialog.h"
#include "editor/qt/parameter_sheet.h"
#include "link/qt/communication_settings_dialog.h"

namespace kx700 {

std::optional<CommunicationChoice> QtDialogRunner::RunCommunicationSettings(int requestedPort, int requestedBaud) {
  Ccommunication_settings dialog(requestedPort, requestedBaud, settings_, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void QtDialogRunner::RunAbout(const AboutTexts& texts) {
  CAboutDlg dialog(texts, parent_);
  dialog.exec();
}

void QtDialogRunner::RunParameterSheet(ParameterEditor& editor) {
  CParameterSheet sheet(editor, parent_);
  sheet.exec();
}

} // namespace kx700
