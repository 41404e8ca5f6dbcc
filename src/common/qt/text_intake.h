#pragma once

#include <QSet>
#include <QString>
#include <QValidator>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace kx700 {

// What a field keeps of a text put into it, however it comes (typed, pasted,
// dropped, set by a screen reader): of what was put in, the characters the
// field does not take are left out first, and what is left is then cut where
// the field is full, so a character left out takes no room. What the field
// held before stays as it stands, also what it would not take from the user
// (a text from a file or the panel): where it is moved within the field, and
// when an undo or a redo returns to a text the field held. A field that is
// disabled takes nothing: a screen reader can still put text into it.
class TextIntake {
public:
  // What the field takes of one character put into it: the character,
  // another in its place, or nothing.
  using Filter = std::function<QString(QChar)>;

  // At most `limit` characters, a line break counting two where
  // `lineBreaksTakeTwo` (it is stored as CR LF).
  TextIntake(Filter filter, qsizetype limit, bool lineBreaksTakeTwo = false);

  // The field holds `text` as the program put it there.
  void Hold(const QString& text);
  const QString& held() const { return held_; }
  // What the field keeps when a change leaves `given` in it, with the cursor
  // at `cursor` (where an insertion ends); it then holds that. When something
  // is left out, cut or composed, `cursor` moves to the end of what went in.
  QString Take(const QString& given, int& cursor);

private:
  qsizetype Room(QStringView text) const;

  Filter filter_;
  qsizetype limit_;
  bool lineBreaksTakeTwo_;
  QString held_;
  QSet<QString> heldBefore_;
};

// A line edit's rules, as its validator: every change of its text goes
// through the intake. The edit keeps Qt's default maximum length, which would
// cut a text before the intake sees it.
class LineEditIntake final : public QValidator {
  Q_OBJECT
public:
  LineEditIntake(TextIntake intake, QLineEdit* edit);
  State validate(QString& input, int& pos) const override;
  // Shows `text` as it stands: the program's own text, such as a record's.
  void Show(const QString& text);
  // The intake `edit` was given, if any.
  static LineEditIntake* Of(const QLineEdit* edit);

private:
  QLineEdit* edit_;
  mutable TextIntake intake_;
};

// A multi-line edit's rules: every change of its text goes through the
// intake, as a line edit's goes through its validator.
class PlainTextIntake final : public QObject {
  Q_OBJECT
public:
  PlainTextIntake(TextIntake intake, QPlainTextEdit* edit);
  // Shows `text` as it stands: the program's own text, such as a record's.
  void Show(const QString& text);
  // The intake `edit` was given, if any.
  static PlainTextIntake* Of(const QPlainTextEdit* edit);

private:
  void OnChanged();

  QPlainTextEdit* edit_;
  TextIntake intake_;
};

// The text of a multi-line edit as it holds it, with '\n' between its lines.
// (QPlainTextEdit::toPlainText() gives a no-break space as a blank.)
QString PlainTextOf(const QPlainTextEdit& edit);

} // namespace kx700
