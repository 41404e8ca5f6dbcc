#pragma once

#include <optional>

#include "app/about.h"
#include "editor/parameter_editor.h"
#include "link/communication_settings.h"
#include "report/report.h"
#include "service/logbook_export.h"
#include "service/panel_settings.h"
#include "service/periphery.h"

namespace kx700 {

// Runs the program's modal dialogs, so that a command that opens one runs in
// a test without a nested event loop: the command's flow stays in the core,
// the dialog only shows and edits values.
class DialogRunner {
public:
  virtual ~DialogRunner() = default;

  // "Communicatie" for the requested port and rate: the port and rate chosen
  // with OK; nothing on Cancel.
  virtual std::optional<CommunicationChoice> RunCommunicationSettings(int requestedPort, int requestedBaud) = 0;
  // The about box.
  virtual void RunAbout(const AboutTexts& texts) = 0;
  // The parameter sheet over the editor's document, until OK or Cancel.
  virtual void RunParameterSheet(ParameterEditor& editor) = 0;
  // "Logboek" over the entries read, until the user closes it.
  virtual void RunLogbook(const LogbookSession& session) = 0;
  // "Periferie" over the states read, until the user closes it; its "Check
  // versie" reads the versions through the session.
  virtual void RunPeriphery(const PeripherySession& session) = 0;
  // "Instellen datum/tijd" opened at `preset`: the date and time chosen with
  // OK; nothing on Cancel.
  virtual std::optional<PanelDateTime> RunAdjustTime(const PanelDateTime& preset) = 0;
  // "Taalselectie" opened at the panel's language code: the code to send
  // after OK; nothing on Cancel or when no language is chosen.
  virtual std::optional<int> RunPanelLanguage(int code) = 0;
  // The print dialog, then the report on the chosen printer.
  virtual void RunPrint(const ReportSource& report) = 0;
  // The report in a print preview.
  virtual void RunPrintPreview(const ReportSource& report) = 0;
  // The printer and page setup that the next print uses.
  virtual void RunPrintSetup() = 0;
};

} // namespace kx700
