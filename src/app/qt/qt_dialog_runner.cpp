#include "app/qt/qt_dialog_runner.h"

#include "app/qt/about_dialog.h"
#include "editor/qt/parameter_sheet.h"
#include "report/qt/report_printer.h"
#include "service/qt/logbook_window.h"
#include "service/qt/panel_settings_dialogs.h"
#include "service/qt/periphery_dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

#include "link/qt/communication_settings_dialog.h"

namespace kx700 {

namespace {

// Each print job starts at all pages; the paper and margins stay as set.
void StartAtAllPages(QPrinter& printer) {
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
}

// The caption Qt gives the preview's print button, in the language of Qt's
// own catalogue. Qt translates it, not the program.
QString QtPreviewPrintText() {
  static constexpr char kContext[] = "QPrintPreviewDialog";
  static constexpr char kText[] = "Print";
  return QCoreApplication::translate(kContext, kText);
}

} // namespace

std::optional<CommunicationChoice> QtDialogRunner::RunCommunicationSettings(int requestedPort, int requestedBaud) {
  Ccommunication_settings dialog(requestedPort, requestedBaud, settings_, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void QtDialogRunner::RunAbout(const AboutTexts& texts) {
  CAboutDlg dialog(texts, parent_);
  dialog.exec();
}

void QtDialogRunner::RunParameterSheet(ParameterEditor& editor) {
  CParameterSheet sheet(editor, parent_);
  sheet.exec();
}

QtDialogRunner::QtDialogRunner(SettingLookup settings) : settings_(std::move(settings)) {}

QtDialogRunner::~QtDialogRunner() = default;

QPrinter& QtDialogRunner::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The report lays itself out from the page's top left corner.
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
  return *printer_;
}

void QtDialogRunner::RunLogbook(const LogbookSession& session) {
  CLogboek window(session, parent_);
  window.exec();
}

void QtDialogRunner::RunPeriphery(const PeripherySession& session) {
  Cperiphery dialog(session, parent_);
  dialog.exec();
}

std::optional<PanelDateTime> QtDialogRunner::RunAdjustTime(const PanelDateTime& preset) {
  Cadjust_time dialog(
      preset, [] { return SystemClock::Instance().Now(); }, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.dateTime();
}

std::optional<int> QtDialogRunner::RunPanelLanguage(int code) {
  Clanguage dialog(code, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.languageToSend();
}

void QtDialogRunner::RunPrint(const ReportSource& report) {
  QPrinter& p = printer();
  StartAtAllPages(p);
  QPrintDialog dialog(&p, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  dialog.setOption(QAbstractPrintDialog::PrintToFile);
  // The page spin boxes stop at the report's last page.
  dialog.setMinMax(1, std::max(1, ReportPageCountOn(p, report)));
  if (dialog.exec() != QDialog::Accepted) return;
  const QString caption = QCoreApplication::translate("kx700::CMainFrame", "KX700 - configuratie");
  switch (PrintReport(p, report)) {
    case PrintResult::Printed: break;
    case PrintResult::NoPageInRange:
      QMessageBox::warning(parent_, caption,
                           QCoreApplication::translate("kx700::QtDialogRunner",
                                                       "De gekozen pagina's liggen buiten het rapport, dat pagina 1 "
                                                       "tot %1 telt. Er is niets afgedrukt.")
                               .arg(ReportPageCountOn(p, report)));
      break;
    case PrintResult::Failed:
      QMessageBox::warning(parent_, caption,
                           QCoreApplication::translate("kx700::QtDialogRunner", "Het afdrukken is mislukt."));
      break;
  }
}

void QtDialogRunner::RunPrintPreview(const ReportSource& report) {
  // The preview shows every page, whatever range the last print had.
  QPrinter& p = printer();
  StartAtAllPages(p);
  QPrintPreviewDialog dialog(&p, parent_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&report](QPrinter* p) { DrawReportOn(*p, report); });
  // The preview's print button closes the preview and prints as the menu
  // does: the same dialog, page range and answers to a print that fails.
  bool print = false;
  const QString printText = QtPreviewPrintText();
  for (QAction* action : dialog.findChildren<QAction*>()) {
    if (action->text() != printText) continue;
    QObject::disconnect(action, nullptr, &dialog, nullptr);
    QObject::connect(action, &QAction::triggered, &dialog, [&dialog, &print] {
      print = true;
      dialog.accept();
    });
  }
  dialog.exec();
  if (print) RunPrint(report);
}

void QtDialogRunner::RunPrintSetup() {
  QPageSetupDialog dialog(&printer(), parent_);
  dialog.exec();
}

} // namespace kx700
