#pragma once

#include <QPointer>
#include <QWidget>

#include "app/dialog_runner.h"
#include "link/com_port.h"

namespace kx700 {

// Runs the program's modal dialogs over the main window.
class QtDialogRunner final : public DialogRunner {
public:
  explicit QtDialogRunner(SettingLookup settings) : settings_(std::move(settings)) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<CommunicationChoice> RunCommunicationSettings(int requestedPort, int requestedBaud) override;
  void RunAbout(const AboutTexts& texts) override;
  void RunParameterSheet(ParameterEditor& editor) override;

private:
  SettingLookup settings_;
  QPointer<QWidget> parent_;
};

} // namespace kx700
