#include "common/qt/text_intake.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace kx700 {

namespace {

// Where `now` differs from `before`: it keeps the first `head` and the last
// `tail` characters of `before`, as many as it can. Repeated characters can
// leave more than one way to say so; then the change ends at `cursor` where
// it can, as an insertion ends where the cursor stands after it.
struct Change {
  qsizetype head = 0;
  qsizetype tail = 0;
};

Change ChangeBetween(const QString& before, const QString& now, qsizetype cursor) {
  const qsizetype shorter = std::min(before.size(), now.size());
  qsizetype head = 0;
  while (head < shorter && before[head] == now[head]) ++head;
  qsizetype tail = 0;
  while (tail < shorter && before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) ++tail;
  const qsizetype kept = std::min(head + tail, shorter);
  // With `h` of them at the head, the change ends at now.size() - kept + h.
  const qsizetype h = std::clamp(cursor - (now.size() - kept), kept - tail, head);
  return {h, kept - h};
}

} // namespace

TextIntake::TextIntake(Filter filter, qsizetype limit, bool lineBreaksTakeTwo)
    : filter_(std::move(filter)), limit_(limit), lineBreaksTakeTwo_(lineBreaksTakeTwo) {}

void TextIntake::Hold(const QString& text) {
  held_ = text;
  heldBefore_.clear();
}

qsizetype TextIntake::Room(QStringView text) const {
  return text.size() + (lineBreaksTakeTwo_ ? text.count(QLatin1Char('\n')) : 0);
}

QString TextIntake::Take(const QString& given, int& cursor) {
  if (given == held_) return given;
  // A letter that comes as a base and a combining accent ("e" + U+0301, as
  // many programs copy it) is taken as the one letter it stands for. What
  // the field held has no such pairs, so what composes lies before the
  // cursor, in what was put in or where it meets the text before it.
  const QString now = given.normalized(QString::NormalizationForm_C);
  cursor = std::max(0, cursor - static_cast<int>(given.size() - now.size()));
  QString kept = now;
  if (!heldBefore_.contains(now)) {
    const auto [head, tail] = ChangeBetween(held_, now, cursor);
    // What the change brings that the field held in its place (a text moved
    // within the field, a letter typed over itself) goes in as it stands;
    // the rest goes through the filter.
    QString removed = held_.mid(head, held_.size() - head - tail);
    QString put;
    for (const QChar c : QStringView(now).mid(head, now.size() - head - tail)) {
      if (const qsizetype at = removed.indexOf(c); at >= 0) {
        removed.remove(at, 1);
        put += c;
      } else {
        put += filter_(c);
      }
    }
    qsizetype room = limit_ - Room(QStringView(now).left(head)) - Room(QStringView(now).right(tail));
    qsizetype fits = 0;
    for (; fits < put.size(); ++fits) {
      room -= Room(QStringView(put).mid(fits, 1));
      if (room < 0) break;
    }
    put.truncate(fits);
    kept = now.left(head) + put + now.right(tail);
    if (kept != given) cursor = static_cast<int>(head + put.size());
  }
  if (kept != held_) heldBefore_.insert(std::exchange(held_, kept));
  return kept;
}

LineEditIntake::LineEditIntake(TextIntake intake, QLineEdit* edit)
    : QValidator(edit), edit_(edit), intake_(std::move(intake)) {
  intake_.Hold(edit->text());
  edit->setMaxLength(32767);
  edit->setValidator(this);
}

QValidator::State LineEditIntake::validate(QString& input, int& pos) const {
  const QString before = intake_.held();
  if (!edit_->isEnabled()) {
    input = before;
    pos = std::min(pos, static_cast<int>(before.size()));
    return Acceptable;
  }
  const QString kept = intake_.Take(input, pos);
  // A key pressed in a full field: nothing of the edit goes in, and the edit
  // undoes itself, which keeps the field's undo history. A text set whole
  // has no history to keep and takes the text the field held.
  if (kept == before && input != before && edit_->isUndoAvailable()) return Invalid;
  input = kept;
  return Acceptable;
}

void LineEditIntake::Show(const QString& text) {
  const QSignalBlocker quiet(edit_);
  intake_.Hold(text);
  edit_->setText(text);
}

LineEditIntake* LineEditIntake::Of(const QLineEdit* edit) {
  auto* intake = edit->findChild<LineEditIntake*>(QString(), Qt::FindDirectChildrenOnly);
  return intake && intake == edit->validator() ? intake : nullptr;
}

PlainTextIntake::PlainTextIntake(TextIntake intake, QPlainTextEdit* edit)
    : QObject(edit), edit_(edit), intake_(std::move(intake)) {
  intake_.Hold(PlainTextOf(*edit));
  connect(edit, &QPlainTextEdit::textChanged, this, &PlainTextIntake::OnChanged);
}

void PlainTextIntake::Show(const QString& text) {
  const QSignalBlocker quiet(edit_);
  edit_->setPlainText(text);
  intake_.Hold(PlainTextOf(*edit_));
}

PlainTextIntake* PlainTextIntake::Of(const QPlainTextEdit* edit) {
  return edit->findChild<PlainTextIntake*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlainTextIntake::OnChanged() {
  const QString now = PlainTextOf(*edit_);
  int cursor = edit_->textCursor().position();
  const QString kept = edit_->isEnabled() ? intake_.Take(now, cursor) : intake_.held();
  if (kept == now) return;
  const QSignalBlocker quiet(edit_);
  edit_->setPlainText(kept);
  QTextCursor at = edit_->textCursor();
  at.setPosition(std::min(cursor, static_cast<int>(kept.size())));
  edit_->setTextCursor(at);
}

QString PlainTextOf(const QPlainTextEdit& edit) {
  QString text = edit.document()->toRawText();
  for (QChar& c : text) {
    // Paragraph and line separators, and the marks of frames, which a plain
    // text edit does not make.
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1))
      c = QLatin1Char('\n');
  }
  return text;
}

} // namespace kx700
