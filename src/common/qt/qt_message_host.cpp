#include "common/qt/qt_message_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "common/qt/qt_text.h"

namespace kx700 {
namespace {

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// What a box closed without a button means: its Cancel, else its No, else OK.
MessageAnswer DismissAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::Ok: break;
  }
  return MessageAnswer::Ok;
}

} // namespace

MessageAnswer QtMessageHost::Show(const MessageBoxRequest& request) {
  QMessageBox box(IconOf(request.icon), ToQString(request.caption), ToQString(request.text), ButtonsOf(request.buttons),
                  WindowOf(request.owner));
  box.setTextFormat(Qt::PlainText);
  // A box during a command under the wait cursor shows the arrow.
  const bool waiting = QApplication::overrideCursor() != nullptr;
  if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int result = box.exec();
  if (waiting) QApplication::restoreOverrideCursor();
  switch (result) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return DismissAnswer(request.buttons);
  }
}

} // namespace kx700
