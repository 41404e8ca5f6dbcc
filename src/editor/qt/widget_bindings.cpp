#include "editor/qt/widget_bindings.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>

#include "common/cp1252.h"
#include "common/qt/qt_text.h"
#include "common/qt/text_intake.h"

namespace kx700 {

namespace {

// What the records can carry of a character put into a field: see
// EnteredTextByte; a line break stays where `lines`. Half of a surrogate pair
// lies outside the code page.
QString RecordCharacter(QChar c, bool lines) {
  if (lines && c == QLatin1Char('\n')) return c;
  if (c.isSurrogate()) return {};
  const auto byte = EnteredTextByte(c.unicode());
  return byte ? QString(QChar(static_cast<char16_t>(Cp1252ToUnicode(*byte)))) : QString();
}

} // namespace

void MakeTextField(QLineEdit* edit, int maxChars) {
  new LineEditIntake(TextIntake([](QChar c) { return RecordCharacter(c, false); }, maxChars), edit);
}

QLineEdit* NewTextField(QWidget* parent, int maxChars) {
  auto* edit = new QLineEdit(parent);
  MakeTextField(edit, maxChars);
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * std::min(maxChars * 2 / 3 + 2, 16));
  return edit;
}

QLineEdit* NewNumberField(QWidget* parent, int chars) {
  // No maximum length: a text cut there could read as another number. It
  // takes every character, and nothing while it is disabled.
  auto* edit = new QLineEdit(parent);
  new LineEditIntake(TextIntake([](QChar c) { return QString(c); }, edit->maxLength()), edit);
  edit->setAlignment(Qt::AlignRight);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 4));
  return edit;
}

QLabel* NewBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

void MakeLinesField(QPlainTextEdit* edit, int maxStored) {
  edit->setTabChangesFocus(true);
  new PlainTextIntake(TextIntake([](QChar c) { return RecordCharacter(c, true); }, maxStored, true), edit);
}

namespace {

// A combo box that the wheel turns only once it has the focus: scrolling the
// page past it must not change a detection kind or an event. Its list does
// not stay open while it is disabled: a screen reader can still open it, and
// a choice made there would change the combo box.
class ComboGuard final : public QObject {
public:
  explicit ComboGuard(QComboBox* combo) : QObject(combo), combo_(combo) {
    combo->installEventFilter(this);
    combo->view()->window()->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != combo_) {
      if (event->type() == QEvent::Show && !combo_->isEnabled())
        QMetaObject::invokeMethod(combo_, &QComboBox::hidePopup, Qt::QueuedConnection);
      return false;
    }
    if (event->type() != QEvent::Wheel || combo_->hasFocus()) return false;
    event->ignore();
    return true;
  }

private:
  QComboBox* combo_;
};

} // namespace

void WidgetBindings::Bind(ControlId id, QWidget* widget) {
  widgets_[id] = widget;
  // A static shows a value from a record or the panel: text as it stands,
  // never markup.
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setTextFormat(Qt::PlainText);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setFocusPolicy(Qt::StrongFocus);
    new ComboGuard(combo);
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
    text = PlainTextOf(*lines);
  else if (auto* label = qobject_cast<QLabel*>(widget(id)))
    text = label->text();
  // A text field takes only what code page 1252 carries; a number field takes
  // anything, and a character the code page lacks reads as '?', as it does
  // in every 8-bit text, so that "3Ł" is no number.
  std::string out;
  for (const char32_t cp : text.toUcs4()) out.push_back(static_cast<char>(UnicodeToCp1252(cp).value_or('?')));
  return out;
}

void WidgetBindings::SetText(ControlId id, const std::string& text) {
  const QString shown = ToQString(text);
  // A text is shown as the record holds it: a field's rules are for what the
  // user puts in.
  if (auto* edit = qobject_cast<QLineEdit*>(widget(id))) {
    if (LineEditIntake* intake = LineEditIntake::Of(edit)) {
      intake->Show(shown);
    } else {
      const QSignalBlocker quiet(edit);
      edit->setText(shown);
    }
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget(id))) {
    if (PlainTextIntake* intake = PlainTextIntake::Of(lines)) {
      intake->Show(shown);
    } else {
      const QSignalBlocker quiet(lines);
      lines->setPlainText(shown);
    }
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
