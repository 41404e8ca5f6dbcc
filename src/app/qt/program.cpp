#include "app/program.h"

#include <QApplication>

#include "app/qt/main_frame.h"
#include "common/text_tables.h"

namespace kx700 {

int RunProgram(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pc_kx700"));

  LoadAllTextTables();

  CMainFrame frame;
  frame.show();
  return QApplication::exec();
}

} // namespace kx700
