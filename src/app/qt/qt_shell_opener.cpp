#include "app/qt/qt_shell_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace kx700 {

bool QtShellOpener::OpenFile(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace kx700
