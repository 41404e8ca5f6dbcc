#include "app/program.h"

#include <QApplication>
#include <QStringList>

#include "app/application.h"
#include "app/qt/main_frame.h"
#include "app/qt/program_icon.h"
#include "app/qt/qt_dialog_runner.h"
#include "app/qt/qt_file_dialog_host.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_shell_opener.h"
#include "app/qt/qt_startup_host.h"
#include "common/qt/qt_message_host.h"
#include "link/serial_port.h"

namespace kx700 {

int RunProgram(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Quendar"));
  QApplication::setApplicationName(QStringLiteral("pc_kx700"));
  QApplication::setWindowIcon(ProgramIcon());

  QtMessageHost host;
  QtSettingsStore settings;
  const SettingLookup lookup = [&settings](const std::string& key) { return settings.ProgramValue(key); };
  auto port = std::make_unique<Ser_port>(host, lookup);
  QtFileDialogHost fileDialogs;
  QtDialogRunner dialogs(lookup);
  QtShellOpener shell;
  CPc_kx700App app({host, settings, SystemClock::Instance(), fileDialogs, dialogs, shell}, std::move(port));
  QtStartupHost startup(app);

  std::vector<std::string> files;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) files.push_back(arguments[i].toStdString());

  if (!app.InitInstance(startup, files)) {
    app.ExitInstance();
    return 1;
  }
  fileDialogs.SetParent(startup.mainFrame());
  dialogs.SetParent(startup.mainFrame());
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}

} // namespace kx700
