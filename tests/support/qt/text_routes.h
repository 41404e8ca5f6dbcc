#pragma once

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

#include "common/qt/text_intake.h"

namespace kx700::test {

// The text of a line edit or a multi-line edit.
inline QString FieldText(QWidget* w) {
  if (auto* lines = qobject_cast<QPlainTextEdit*>(w)) return PlainTextOf(*lines);
  return qobject_cast<QLineEdit*>(w)->text();
}

// Types `text` into the focused widget one key at a time, any character as a
// keyboard layout or an input method would give it.
inline void TypeText(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
  }
}

// Drops `text` at the start of the field, as a drag from another program
// would.
inline void DropText(QWidget* w, const QString& text) {
  auto* lines = qobject_cast<QPlainTextEdit*>(w);
  QWidget* target = lines ? lines->viewport() : w;
  QMimeData mime;
  mime.setText(text);
  const QPointF at(1, 1);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(target, &drop);
}

// The ways a whole text reaches a field other than typing: set by a screen
// reader through the accessibility interface (as a value or as editable
// text), pasted over the field's text, or dropped into the emptied field.
inline const std::pair<const char*, std::function<void(QWidget*, const QString&)>> kTextRoutes[] = {
    {"value",
     [](QWidget* w, const QString& t) { QAccessible::queryAccessibleInterface(w)->setText(QAccessible::Value, t); }},
    {"editable text",
     [](QWidget* w, const QString& t) {
       QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
       a->editableTextInterface()->replaceText(0, a->textInterface()->characterCount(), t);
     }},
    {"paste",
     [](QWidget* w, const QString& t) {
       QApplication::clipboard()->setText(t);
       if (auto* lines = qobject_cast<QPlainTextEdit*>(w)) {
         lines->selectAll();
         lines->paste();
       } else {
         qobject_cast<QLineEdit*>(w)->selectAll();
         qobject_cast<QLineEdit*>(w)->paste();
       }
     }},
    {"drop",
     [](QWidget* w, const QString& t) {
       if (auto* lines = qobject_cast<QPlainTextEdit*>(w))
         lines->clear();
       else
         qobject_cast<QLineEdit*>(w)->clear();
       DropText(w, t);
     }},
};

} // namespace kx700::test
