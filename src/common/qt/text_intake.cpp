#include "common/qt/text_intake.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace kx700 {

namespace {

// Enough for every undo and redo a user makes in one field.
constexpr qsizetype kHeldBefore = 100;

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

QString TextIntake::Take(const QString& now, int& cursor) {
  if (now != held_ && !heldBefore_.contains(now)) {
    // What was put in lies between what `now` keeps of the start and of the
    // end of the text held.
    const qsizetype shorter = std::min(held_.size(), now.size());
    qsizetype head = 0;
    while (head < shorter && held_[head] == now[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && held_[held_.size() - 1 - tail] == now[now.size() - 1 - tail]) ++tail;
    QString put = filter_(now.mid(head, now.size() - head - tail));
    qsizetype room = limit_ - Room(QStringView(now).left(head)) - Room(QStringView(now).right(tail));
    qsizetype fits = 0;
    for (; fits < put.size(); ++fits) {
      room -= Room(QStringView(put).mid(fits, 1));
      if (room < 0) break;
    }
    put.truncate(fits);
    const QString kept = now.left(head) + put + now.right(tail);
    if (kept != now) {
      cursor = static_cast<int>(head + put.size());
      heldBefore_.append(std::exchange(held_, kept));
      if (heldBefore_.size() > kHeldBefore) heldBefore_.removeFirst();
      return kept;
    }
  }
  if (now != held_) {
    heldBefore_.append(std::exchange(held_, now));
    if (heldBefore_.size() > kHeldBefore) heldBefore_.removeFirst();
  }
  return now;
}

LineEditIntake::LineEditIntake(TextIntake intake, QLineEdit* edit)
    : QValidator(edit), edit_(edit), intake_(std::move(intake)) {
  intake_.Hold(edit->text());
  edit->setMaxLength(32767);
  edit->setValidator(this);
}

QValidator::State LineEditIntake::validate(QString& input, int& pos) const {
  input = intake_.Take(input, pos);
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
  intake_.Hold(edit->toPlainText());
  connect(edit, &QPlainTextEdit::textChanged, this, &PlainTextIntake::OnChanged);
}

void PlainTextIntake::Show(const QString& text) {
  const QSignalBlocker quiet(edit_);
  edit_->setPlainText(text);
  intake_.Hold(edit_->toPlainText());
}

PlainTextIntake* PlainTextIntake::Of(const QPlainTextEdit* edit) {
  return edit->findChild<PlainTextIntake*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlainTextIntake::OnChanged() {
  const QString now = edit_->toPlainText();
  int cursor = edit_->textCursor().position();
  const QString kept = intake_.Take(now, cursor);
  if (kept == now) return;
  const QSignalBlocker quiet(edit_);
  edit_->setPlainText(kept);
  QTextCursor at = edit_->textCursor();
  at.setPosition(cursor);
  edit_->setTextCursor(at);
}

} // namespace kx700
