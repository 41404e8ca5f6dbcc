#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>

#include "app/application.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_dialog_runner.h"
#include "app/qt/view.h"
#include "model/model_fixtures.h"
#include "report/qt/qt_report_canvas.h"
#include "report/qt/report_printer.h"
#include "report/qt/report_view.h"
#include "support/fake_dialog_runner.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"
#include "support/fake_settings.h"
#include "support/fake_shell_opener.h"
#include "support/qt/when_modal_shows.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// A full configuration printed to PDF: as many pages as the layout counts,
// the title and the first section on page 1, the page header on page 1 only.
TEST(ReportPrint, AFullConfigurationPrintsToPdfAsLaidOut) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "no pdfinfo";
  test::TempDir dir;
  const QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source{configuration, configuration.version, {2026, 12, 10, 9, 0, 0, 4}};

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  ASSERT_EQ(PrintReport(printer, source), PrintResult::Printed);

  const int pageHeight = PrintablePageHeightMm(printer);
  EXPECT_EQ(pageHeight, 297);
  ReportContext context{true, pageHeight, source.today, MakePrintTitle(configuration.central)};
  MeasuringCanvas measure;
  const int pages =
      ReportPageCount(DrawReport(configuration, configuration.version, context, measure).height, pageHeight);
  ASSERT_GE(pages, 2);
  const QString info = Output(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages)))) << info.toStdString();

  const QString page1 = Output(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", "-layout", pdf, "-"});
  EXPECT_TRUE(page1.contains("PARAMETERS"));
  EXPECT_TRUE(page1.contains("LUSSEN"));
  EXPECT_TRUE(page1.contains("Brandmeldcentrale KX700"));
  EXPECT_TRUE(page1.contains("10 dec 26"));
  const QString page2 = Output(QStringLiteral("pdftotext"), {"-f", "2", "-l", "2", "-layout", pdf, "-"});
  EXPECT_FALSE(page2.contains("Brandmeldcentrale KX700"));
  EXPECT_FALSE(page2.trimmed().isEmpty());

  if (const char* shots = std::getenv("KX700_SCREENSHOTS")) {
    Output(QStringLiteral("pdftoppm"),
           {"-png", "-r", "60", "-f", "1", "-l", "2", pdf, QString::fromLocal8Bit(shots) + "/report_page"});
  }
}

// The print range: only the pages asked for come out.
TEST(ReportPrint, ThePageRangeIsHonoured) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "no pdfinfo";
  test::TempDir dir;
  const QString pdf = QString::fromStdString((dir.path() / "range.pdf").string());
  const Configuration configuration = test::MakeFullConfiguration();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 2);
  ASSERT_EQ(PrintReport(printer, {configuration, configuration.version, {2026, 12, 10, 9, 0, 0, 4}}), PrintResult::Printed);
  EXPECT_TRUE(Output(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
  EXPECT_FALSE(Output(QStringLiteral("pdftotext"), {pdf, "-"}).contains("Brandmeldcentrale KX700"));
}

// The main window shows the report of the open document and follows it.
TEST(ReportView, TheMainWindowShowsTheDocumentsReport) {
  test::TempDir dir;
  test::FakeSeams seams;
  test::NoStartup startup;
  CPc_kx700App app(seams.seams(), std::make_unique<test::FakePort>());
  app.InitInstance(startup, {});
  CMainFrame frame(app);
  frame.resize(1000, 700);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  CReportView* report = frame.view()->report();
  const int emptyHeight = report->height();

  const std::string path = (dir.path() / "full.qnd3").string();
  {
    CPc_kx700Doc source;
    source.AdoptConfiguration(test::MakeFullConfiguration());
    test::FakeMessageHost quiet;
    ASSERT_TRUE(source.WriteFile(path, quiet));
  }
  ASSERT_TRUE(app.controller().OpenDocumentFile(path));
  EXPECT_GT(report->height(), emptyHeight * 10);
  MeasuringCanvas measure;
  const ReportExtent extent = DrawReport(app.document().configuration(), app.GetConfigurationVersion(), {}, measure);
  EXPECT_NEAR(report->height(), extent.height * report->scale(), 1.0);
  if (const char* shots = std::getenv("KX700_SCREENSHOTS"))
    frame.grab().save(QString::fromLocal8Bit(shots) + "/report_view.png");

  // The longest level label stays clear of the level column, on screen and
  // on paper.
  for (bool printing : {false, true}) {
    QImage surface(8, 8, QImage::Format_RGB32);
    QPainter painter(&surface);
    QtReportCanvas canvas(painter, printing ? 600 / 254.0 : report->scale(), printing);
    EXPECT_LT(canvas.TextWidth("Meervoudig alarm", FontRole::Small), 435 - 150 - 10) << printing;
    EXPECT_LT(canvas.TextWidth("Waarschuwing-Evacuatie", FontRole::Body), 1900 - 970) << printing;
  }
}

// After a print of page 2 alone, the preview still shows the whole report.
TEST(ReportPrint, ThePreviewShowsEveryPageAfterARangeWasPrinted) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source{configuration, configuration.version, {2026, 12, 10, 9, 0, 0, 4}};
  QtDialogRunner dialogs{{}};
  QPrinter& printer = dialogs.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  // As the print dialog leaves the printer after "pages 2 to 2".
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 2);
  int shown = -1;
  test::WhenModalShows<QPrintPreviewDialog>([&shown](QPrintPreviewDialog& dialog) {
    shown = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
    dialog.reject();
  });
  dialogs.RunPrintPreview(source);
  const int pageHeight = PrintablePageHeightMm(printer);
  ReportContext context{true, pageHeight, source.today, MakePrintTitle(configuration.central)};
  MeasuringCanvas measure;
  const int pages =
      ReportPageCount(DrawReport(configuration, configuration.version, context, measure).height, pageHeight);
  ASSERT_GE(pages, 2);
  EXPECT_EQ(shown, pages);
}

} // namespace
} // namespace kx700
