#include "editor/qt/widget_bindings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

#include "common/cp1252.h"
#include "common/qt/qt_text.h"

namespace kx700 {

namespace {

// What the records can carry of `text`: code page 1252 without control
// characters (line breaks kept where `lines`), 'î' as 'i'; the rest is left
// out. `pos`, a place in `text`, moves back by what is left out before it.
QString Cp1252Only(const QString& text, bool lines, int* pos = nullptr) {
  QString kept;
  kept.reserve(text.size());
  int at = pos ? *pos : 0;
  for (qsizetype i = 0; i < text.size();) {
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const qsizetype width = pair ? 2 : 1;
    const char32_t cp = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
    if (cp == 0x00EE)
      kept += QLatin1Char('i');
    else if (UnicodeToCp1252(cp) && (cp >= 0x20 || (lines && cp == '\n')))
      kept += text.mid(i, width);
    else if (pos && i < *pos)
      at -= static_cast<int>(width);
    i += width;
  }
  if (pos) *pos = at;
  return kept;
}

// The text a multi-line field last took: what a change is measured against.
constexpr char kTakenText[] = "takenText";

} // namespace

QValidator::State Cp1252Validator::validate(QString& input, int& pos) const {
  input = Cp1252Only(input, false, &pos);
  return Acceptable;
}

void MakeTextField(QLineEdit* edit, int maxChars) {
  edit->setMaxLength(maxChars);
  edit->setValidator(new Cp1252Validator(edit));
}

QLineEdit* NewTextField(QWidget* parent, int maxChars) {
  auto* edit = new QLineEdit(parent);
  MakeTextField(edit, maxChars);
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * std::min(maxChars * 2 / 3 + 2, 16));
  return edit;
}

QLineEdit* NewNumberField(QWidget* parent, int chars) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(11);
  edit->setAlignment(Qt::AlignRight);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 4));
  return edit;
}

QLabel* NewBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

namespace {

std::size_t StoredSize(const QString& shown) {
  return ToStoredLines(FromQString(shown).value_or(std::string())).size();
}

// How `now` came from `before`: it keeps `head` characters of its start and
// `tail` of its end; what lies between took the place of a part of `before`.
struct Change {
  qsizetype head = 0;
  qsizetype tail = 0;
};

Change ChangeBetween(const QString& before, const QString& now) {
  const qsizetype shorter = std::min(before.size(), now.size());
  Change change;
  while (change.head < shorter && before[change.head] == now[change.head]) ++change.head;
  while (change.tail < shorter - change.head &&
         before[before.size() - 1 - change.tail] == now[now.size() - 1 - change.tail])
    ++change.tail;
  return change;
}

} // namespace

void MakeLinesField(QPlainTextEdit* edit, int maxStored) {
  edit->setTabChangesFocus(true);
  edit->setProperty(kTakenText, edit->toPlainText());
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxStored] {
    // Only what was put in is checked, as a line edit checks what is typed or
    // pasted: the field keeps what of it the records can carry, as much as it
    // has room for. The rest of the text stays as it was.
    const QString now = edit->toPlainText();
    const auto [head, tail] = ChangeBetween(edit->property(kTakenText).toString(), now);
    const QString kept = now.left(head);
    const QString after = now.right(tail);
    QString inserted = Cp1252Only(now.mid(head, now.size() - head - tail), true);
    inserted.truncate(maxStored); // every character takes a place at least
    while (!inserted.isEmpty() && StoredSize(kept + inserted + after) > static_cast<std::size_t>(maxStored))
      inserted.chop(1);
    const QString shown = kept + inserted + after;
    if (shown != now) {
      const QSignalBlocker quiet(edit);
      edit->setPlainText(shown);
      QTextCursor at = edit->textCursor();
      at.setPosition(static_cast<int>(head + inserted.size()));
      edit->setTextCursor(at);
    }
    edit->setProperty(kTakenText, shown);
  });
}

namespace {

// A combo box that the wheel turns only once it has the focus: scrolling the
// page past it must not change a detection kind or an event.
class WheelGuard final : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus()) return false;
    event->ignore();
    return true;
  }
};

} // namespace

void WidgetBindings::Bind(ControlId id, QWidget* widget) {
  widgets_[id] = widget;
  // A static shows a value from a record or the panel: text as it stands,
  // never markup.
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setTextFormat(Qt::PlainText);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->installEventFilter(new WheelGuard(combo));
  }
}

QWidget* WidgetBindings::widget(ControlId id) const {
  const auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second.data();
}

std::string WidgetBindings::Text(ControlId id) const {
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget(id)))
    text = edit->text();
  else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget(id)))
    text = lines->toPlainText();
  else if (auto* label = qobject_cast<QLabel*>(widget(id)))
    text = label->text();
  // The edits take code page 1252 only; anything else is left out.
  std::string out;
  for (const uint cp : text.toUcs4()) {
    if (const auto byte = UnicodeToCp1252(cp)) out.push_back(static_cast<char>(*byte));
  }
  return out;
}

void WidgetBindings::SetText(ControlId id, const std::string& text) {
  const QString shown = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget(id))) {
    // As the record holds it: the validator is for what the user puts in.
    const QSignalBlocker quiet(edit);
    const QValidator* rules = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(shown);
    edit->setValidator(rules);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget(id))) {
    // As the record holds it: the field's rules are for what the user puts
    // in, and they measure that from here.
    const QSignalBlocker quiet(lines);
    lines->setPlainText(shown);
    lines->setProperty(kTakenText, lines->toPlainText());
  } else if (auto* label = qobject_cast<QLabel*>(widget(id))) {
    label->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget(id))) {
    button->setText(shown);
  }
}

bool WidgetBindings::Checked(ControlId id) const {
  const auto* button = qobject_cast<QAbstractButton*>(widget(id));
  return button && button->isChecked();
}

void WidgetBindings::SetChecked(ControlId id, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget(id))) {
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
  }
}

void WidgetBindings::SetItems(ControlId id, const std::vector<ChoiceItem>& items) {
  if (auto* combo = qobject_cast<QComboBox*>(widget(id))) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const ChoiceItem& item : items) combo->addItem(ToQString(item.text), item.data);
    combo->setCurrentIndex(-1);
  } else if (auto* list = qobject_cast<QListWidget*>(widget(id))) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const ChoiceItem& item : items) {
      auto* row = new QListWidgetItem(ToQString(item.text), list);
      row->setData(Qt::UserRole, item.data);
    }
    list->setCurrentRow(-1);
  }
}

int WidgetBindings::Selection(ControlId id) const {
  if (const auto* combo = qobject_cast<QComboBox*>(widget(id))) return combo->currentIndex();
  if (const auto* list = qobject_cast<QListWidget*>(widget(id))) {
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
  }
  return -1;
}

void WidgetBindings::SetSelection(ControlId id, int index) {
  if (auto* combo = qobject_cast<QComboBox*>(widget(id))) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  } else if (auto* list = qobject_cast<QListWidget*>(widget(id))) {
    const QSignalBlocker quiet(list);
    list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
  }
}

bool WidgetBindings::IsEnabled(ControlId id) const {
  const QWidget* w = widget(id);
  return w && w->isEnabled();
}

void WidgetBindings::SetEnabled(ControlId id, bool enabled) {
  if (QWidget* w = widget(id)) w->setEnabled(enabled);
}

void WidgetBindings::SetVisible(ControlId id, bool visible) {
  // Hidden, not shown: a page not yet on the screen keeps its layout.
  if (QWidget* w = widget(id)) w->setHidden(!visible);
}

void WidgetBindings::Focus(ControlId id) {
  QWidget* w = widget(id);
  if (!w) return;
  w->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void WidgetBindings::ShowExchangeFault(const ExchangeFault& fault) {
  const QString text = QCoreApplication::translate("kx700::Exchange", fault.Source())
                           .replace(QStringLiteral("%1"), QString::fromStdString(fault.low))
                           .replace(QStringLiteral("%2"), QString::fromStdString(fault.high));
  QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("kx700::CMainFrame", "KX700 - configuratie"), text,
                  QMessageBox::Ok, owner_ ? owner_->window() : nullptr);
  box.exec();
}

} // namespace kx700
