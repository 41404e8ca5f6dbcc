#include "common/qt/text_intake.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <functional>
#include <string>
#include <utility>

#include "support/qt/text_routes.h"

namespace kx700 {
namespace {

// A field that takes anything but '€'.
QString NoEuro(QChar c) { return c == QChar(0x20AC) ? QString() : QString(c); }

std::string Utf8(const QString& text) { return text.toStdString(); }

// An insertion, as a paste, a drop or an input method puts it in, goes where
// the cursor stands: what is left out takes no room, the field's limit cuts
// the rest, and the cursor ends after what went in.
TEST(TextIntake, AnInsertionGoesInWhereTheCursorStands) {
  struct Case {
    QString held;
    int from, to; // the selection the insertion replaces
    QString inserted;
    QString kept;
    int cursor;
  };
  const QString euro(QChar(0x20AC));
  const Case cases[] = {
      {"ab", 0, 0, "ab", "aab", 1},       // repeats what follows the cursor
      {"aab", 0, 0, "a", "aab", 0},       // a full field takes nothing
      {"ab", 0, 0, "a" + euro, "aab", 1}, // what is left out takes no room
      {euro + euro, 1, 1, euro, euro + euro, 1},
      {"", 0, 0, "a" + euro + "bcd", "abc", 3},
      {"abc", 1, 2, "xyz", "axc", 2},                                               // over a selection
      {"a" + euro + "c", 1, 2, euro + "x", "a" + euro + "c", 2},                    // what it replaces may stay
      {"ae", 0, 2, QString::fromUtf8("ae\u0301"), QString::fromUtf8("a\u00e9"), 2}, // an accent after its letter
      {"e", 1, 1, QString::fromUtf8("\u0301"), QString::fromUtf8("\u00e9"), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.held + " + " + c.inserted));
    QLineEdit edit;
    auto* intake = new LineEditIntake(TextIntake(NoEuro, 3), &edit);
    intake->Show(c.held);
    edit.setSelection(c.from, c.to - c.from);
    if (c.from == c.to) edit.setCursorPosition(c.from);
    edit.insert(c.inserted);
    EXPECT_EQ(Utf8(edit.text()), Utf8(c.kept));
    EXPECT_EQ(edit.cursorPosition(), c.cursor);
  }
}

// A key pressed in a full field leaves the undo history as it was; undo
// goes back past any number of edits to the text the field was given, as
// it stood.
TEST(TextIntake, UndoGoesBackToTheTextAsItWasGiven) {
  QLineEdit edit;
  auto* intake = new LineEditIntake(TextIntake(NoEuro, 3), &edit);
  edit.setFocus();
  test::TypeText(&edit, "abcd");
  EXPECT_EQ(Utf8(edit.text()), "abc");
  edit.undo();
  EXPECT_EQ(Utf8(edit.text()), "");

  const QString given = QString::fromUtf8("A\u20acB");
  intake->Show(given);
  edit.selectAll();
  edit.del();
  for (int i = 0; i < 150; ++i) {
    test::TypeText(&edit, "x");
    edit.backspace();
  }
  while (edit.isUndoAvailable()) edit.undo();
  EXPECT_EQ(Utf8(edit.text()), Utf8(given));
}

// Text moved within a multi-line field keeps what the field would not take
// from the user; a no-break space is read as it stands.
TEST(TextIntake, AMultiLineFieldKeepsWhatItHeldWhereItMoves) {
  struct Case {
    QString held;
    int from, to; // the text moved to the end
    QString kept;
  };
  const Case cases[] = {
      {QString::fromUtf8("a\u20acbc"), 0, 1, QString::fromUtf8("\u20acbca")},
      {QString::fromUtf8("x\n\u20acy"), 0, 1, QString::fromUtf8("\n\u20acyx")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.held));
    QPlainTextEdit edit;
    auto* intake = new PlainTextIntake(TextIntake(NoEuro, 250, true), &edit);
    intake->Show(c.held);
    // A move within the field, as a drag and drop makes it: one edit.
    QTextCursor cursor(edit.document());
    cursor.beginEditBlock();
    cursor.setPosition(c.from);
    cursor.setPosition(c.to, QTextCursor::KeepAnchor);
    const QString moved = cursor.selectedText();
    cursor.removeSelectedText();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(moved);
    cursor.endEditBlock();
    EXPECT_EQ(Utf8(PlainTextOf(edit)), Utf8(c.kept));
  }
  QPlainTextEdit edit;
  auto* intake = new PlainTextIntake(TextIntake(NoEuro, 250, true), &edit);
  intake->Show(QString::fromUtf8("a\u00a0b"));
  EXPECT_EQ(Utf8(PlainTextOf(edit)), "a\u00a0b");
}

// A disabled field takes nothing, however a text comes; the program still
// shows its own texts there.
TEST(TextIntake, ADisabledFieldTakesNothing) {
  QLineEdit line;
  auto* lineIntake = new LineEditIntake(TextIntake(NoEuro, 10), &line);
  QPlainTextEdit lines;
  auto* linesIntake = new PlainTextIntake(TextIntake(NoEuro, 10, true), &lines);
  const std::pair<QWidget*, std::function<void(const QString&)>> fields[] = {
      {&line, [&](const QString& t) { lineIntake->Show(t); }},
      {&lines, [&](const QString& t) { linesIntake->Show(t); }},
  };
  for (const auto& [field, show] : fields) {
    SCOPED_TRACE(field->metaObject()->className());
    show("ab");
    field->setEnabled(false);
    for (const auto& [route, put] : test::kTextRoutes) {
      SCOPED_TRACE(route);
      put(field, "xy");
      EXPECT_EQ(Utf8(test::FieldText(field)), "ab");
    }
    show("cd");
    EXPECT_EQ(Utf8(test::FieldText(field)), "cd");
    field->setEnabled(true);
    test::kTextRoutes[0].second(field, "xy");
    EXPECT_EQ(Utf8(test::FieldText(field)), "xy");
  }
}

} // namespace
} // namespace kx700
