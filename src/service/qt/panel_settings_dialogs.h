#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "common/clock.h"
#include "service/panel_settings.h"

class QButtonGroup;
class QDateEdit;
class QPushButton;
class QTimeEdit;

namespace kx700 {

class CClrButton;

// "Instellen datum/tijd": the panel clock. Opens on `preset` (the PC's time
// when that is not a valid date); "PC-tijd" takes `pcNow`, which is also read
// once on opening and must be set.
class Cadjust_time : public QDialog {
  Q_OBJECT

public:
  Cadjust_time(const PanelDateTime& preset, std::function<LocalDateTime()> pcNow, QWidget* parent = nullptr);

  // The date and time to send after OK.
  PanelDateTime dateTime() const { return value_; }

  QDateEdit* datePicker() const { return date_; }
  QTimeEdit* timePicker() const { return time_; }
  QPushButton* pcTimeButton() const { return pcTime_; }
  CClrButton* okButton() const { return ok_; }

  void accept() override;

private:
  void OnPcTime();
  void ShowValue();

  std::function<LocalDateTime()> pcNow_;
  PanelDateTime value_;
  QDateEdit* date_;
  QTimeEdit* time_;
  QPushButton* pcTime_;
  CClrButton* ok_;
};

// "Taalselectie": the panel's display language.
class Clanguage : public QDialog {
  Q_OBJECT

public:
  explicit Clanguage(int code, QWidget* parent = nullptr);

  // The code chosen with OK (1 Nederlands, 2 Français, 3 English); 0 when no
  // language is chosen.
  int GetLanguage() const { return languageToSend().value_or(0); }
  // What OK sends: nothing when no language is chosen.
  std::optional<int> languageToSend() const;
  // 0 Nederlands, 1 Français, 2 English; -1 for none.
  int radioIndex() const;
  QButtonGroup* languages() const { return languages_; }

private:
  QButtonGroup* languages_;
};

} // namespace kx700
