#include "app/qt/main_frame.h"

namespace kx700 {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("pc_kx700"));
  setCentralWidget(new QWidget(this));
  resize(900, 650);
}

} // namespace kx700
