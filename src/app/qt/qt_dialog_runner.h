#pragma once

#include <QPointer>
#include <QWidget>

class QPrinter;

#include <memory>

#include "app/dialog_runner.h"
#include "link/com_port.h"

namespace kx700 {

// Runs the program's modal dialogs over the main window.
class QtDialogRunner final : public DialogRunner {
public:
  explicit QtDialogRunner(SettingLookup settings);
  ~QtDialogRunner() override;
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<CommunicationChoice> RunCommunicationSettings(int requestedPort, int requestedBaud) override;
  void RunAbout(const AboutTexts& texts) override;
  void RunParameterSheet(ParameterEditor& editor) override;
  void RunLogbook(const LogbookSession& session) override;
  void RunPeriphery(const PeripherySession& session) override;
  std::optional<PanelDateTime> RunAdjustTime(const PanelDateTime& preset) override;
  std::optional<int> RunPanelLanguage(int code) override;
  void RunPrint(const ReportSource& report) override;
  void RunPrintPreview(const ReportSource& report) override;
  void RunPrintSetup() override;
  // The printer the print commands share, made when first needed.
  QPrinter& printer();

private:
  SettingLookup settings_;
  QPointer<QWidget> parent_;
  std::unique_ptr<QPrinter> printer_;
};

} // namespace kx700
