#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

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

// The report of `configuration`, printed on one fixed day.
ReportSource PrintedOnADay(const Configuration& configuration) {
  return {configuration, configuration.version, {2026, 12, 10, 9, 0, 0, 4}};
}

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
  const ReportSource source = PrintedOnADay(configuration);

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
  ASSERT_EQ(PrintReport(printer, PrintedOnADay(configuration)), PrintResult::Printed);
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

int PdfPages(const QString& pdf) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n")).match(Output(QStringLiteral("pdfinfo"), {pdf}));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSpinBox* PageBox(QPrintDialog& dialog, const char* name) {
  return dialog.findChild<QSpinBox*>(QString::fromLatin1(name));
}

// Chooses pages `from` to `to` in the print dialog, as the user does.
void ChoosePages(QPrintDialog& dialog, int from, int to) {
  dialog.findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
  PageBox(dialog, "from")->setValue(from);
  PageBox(dialog, "to")->setValue(to);
}

// The text of the next message box goes into `text`; the box is closed.
void CatchNextBox(QString& text) {
  test::WhenModalShows<QMessageBox>([&text](QMessageBox& message) {
    text = message.text();
    message.accept();
  });
}

// Every job starts at all pages whatever the one before printed, the page
// boxes stop at the report's last page, and the paper stays as it was set.
TEST(ReportPrint, EveryJobStartsAtAllPagesUpToTheLastOne) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "no pdfinfo";
  test::TempDir dir;
  const QString pdf = QString::fromStdString(dir.File("report.pdf"));
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  QtDialogRunner dialogs{{}};
  QPrinter& printer = dialogs.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A5));
  const int pages = ReportPageCountOn(printer, source);
  ASSERT_GE(pages, 4);

  struct Seen {
    bool all = false;
    int from = 0, to = 0, last = 0;
  };
  const auto print = [&](std::optional<std::pair<int, int>> range) {
    Seen seen;
    test::WhenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
      seen.all = dialog.findChild<QRadioButton*>(QStringLiteral("printAll"))->isChecked();
      seen.from = PageBox(dialog, "from")->value();
      seen.to = PageBox(dialog, "to")->value();
      seen.last = PageBox(dialog, "to")->maximum();
      if (range) ChoosePages(dialog, range->first, range->second);
      dialog.accept();
    });
    dialogs.RunPrint(source);
    return seen;
  };

  const Seen first = print(std::pair{2, 3});
  EXPECT_TRUE(first.all);
  EXPECT_EQ(first.last, pages);
  EXPECT_EQ(PdfPages(pdf), 2);

  const Seen second = print(std::nullopt);
  EXPECT_TRUE(second.all);
  EXPECT_EQ(second.from, 1);
  EXPECT_EQ(second.last, pages);
  EXPECT_EQ(PdfPages(pdf), pages);
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
}

// A range that holds none of the report's pages prints nothing and says so;
// the dialog cannot offer one, but bigger paper chosen after the last page
// leaves one.
TEST(ReportPrint, ARangePastTheReportIsAnswered) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  test::TempDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.File("range.pdf")));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  const int pages = ReportPageCountOn(printer, source);
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(pages + 1, pages + 1);
  EXPECT_EQ(PagesToPrint(printer, pages), std::vector<int>{});
  EXPECT_EQ(PrintReport(printer, source), PrintResult::NoPageInRange);
  EXPECT_FALSE(std::filesystem::exists(dir.File("range.pdf")));
  // Of a range that reaches past the end, the report's pages print.
  QPageRanges past;
  past.addRange(pages, pages + 3);
  printer.setPageRanges(past);
  EXPECT_EQ(PagesToPrint(printer, pages), std::vector<int>{pages});

  QtDialogRunner dialogs{{}};
  QPrinter& shared = dialogs.printer();
  shared.setOutputFormat(QPrinter::PdfFormat);
  shared.setOutputFileName(QString::fromStdString(dir.File("a3.pdf")));
  shared.setPageSize(QPageSize(QPageSize::A4));
  const int onA4 = ReportPageCountOn(shared, source);
  QString box;
  test::WhenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
    ChoosePages(dialog, onA4, onA4);
    CatchNextBox(box);
    dialog.accept();
    shared.setPageSize(QPageSize(QPageSize::A3));
  });
  dialogs.RunPrint(source);
  const int onA3 = ReportPageCountOn(shared, source);
  ASSERT_LT(onA3, onA4);
  EXPECT_EQ(box, QStringLiteral("De gekozen pagina's liggen buiten het rapport, dat pagina 1 tot %1 telt. Er is niets "
                                "afgedrukt.")
                     .arg(onA3));
  EXPECT_FALSE(std::filesystem::exists(dir.File("a3.pdf")));
}

// A PDF that cannot be written whole (the disk is full) leaves no file and no
// half file, keeps the file it was to replace, and says that the print failed.
TEST(ReportPrint, APdfThatCannotBeWrittenLeavesNothingAndSaysSo) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  test::TempDir dir;
  const std::string old = dir.File("old.pdf");
  test::TempDir::Write(old, {'o', 'l', 'd'});

  // Files may grow to 4 KiB only, as on a disk that is full.
  struct FullDisk {
    rlimit before{};
    void (*signal)(int) = nullptr;
    FullDisk() {
      ::getrlimit(RLIMIT_FSIZE, &before);
      signal = std::signal(SIGXFSZ, SIG_IGN);
      rlimit small = before;
      small.rlim_cur = 4096;
      ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
      ::setrlimit(RLIMIT_FSIZE, &before);
      std::signal(SIGXFSZ, signal);
    }
  };

  QtDialogRunner dialogs{{}};
  QPrinter& printer = dialogs.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  for (const std::string& target : {dir.File("new.pdf"), old}) {
    SCOPED_TRACE(target);
    printer.setOutputFileName(QString::fromStdString(target));
    QString box;
    test::WhenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
      CatchNextBox(box);
      dialog.accept();
    });
    {
      const FullDisk full;
      dialogs.RunPrint(source);
    }
    EXPECT_EQ(box, QStringLiteral("Het afdrukken is mislukt."));
  }
  EXPECT_EQ(test::TempDir::Read(old), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) left.push_back(entry.path().string());
  EXPECT_EQ(left, std::vector<std::string>{old});

  // With room on the disk the same print succeeds.
  printer.setOutputFileName(QString::fromStdString(old));
  EXPECT_EQ(PrintReport(printer, source), PrintResult::Printed);
  EXPECT_GT(std::filesystem::file_size(old), 4096u);
}

// A printer that prints nothing: it counts what a job draws and ends the job
// as it is told, as a print system does that takes a job or loses it.
class FakePrintEngine final : public QPaintEngine, public QPrintEngine {
public:
  // A job ends in `ending`; from page `failingPage` on (if any) the printer is
  // in error and takes no further page.
  explicit FakePrintEngine(QPrinter::PrinterState ending, int failingPage = 0)
      : QPaintEngine(QPaintEngine::AllFeatures), ending_(ending), failingPage_(failingPage) {
    layout_ = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
  }

  int pages = 0;
  int texts = 0;

  bool begin(QPaintDevice*) override {
    state_ = QPrinter::Active;
    pages = 1;
    return true;
  }
  bool end() override {
    if (state_ == QPrinter::Active) state_ = ending_;
    return true;
  }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem&) override { ++texts; }
  void drawLines(const QLineF*, int) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  Type type() const override { return QPaintEngine::User; }

  void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
    if (key == PPK_QPageLayout) layout_ = value.value<QPageLayout>();
  }
  QVariant property(PrintEnginePropertyKey key) const override {
    switch (key) {
      case PPK_QPageLayout: return QVariant::fromValue(layout_);
      case PPK_Resolution: return kDpi;
      default: return {};
    }
  }
  bool newPage() override {
    if (failingPage_ > 0 && pages + 1 >= failingPage_) {
      state_ = QPrinter::Error;
      return false;
    }
    ++pages;
    return true;
  }
  bool abort() override {
    state_ = QPrinter::Aborted;
    return true;
  }
  int metric(QPaintDevice::PaintDeviceMetric id) const override {
    const QRect page = layout_.paintRectPixels(kDpi);
    switch (id) {
      case QPaintDevice::PdmWidth: return page.width();
      case QPaintDevice::PdmHeight: return page.height();
      case QPaintDevice::PdmWidthMM: return static_cast<int>(layout_.paintRect(QPageLayout::Millimeter).width());
      case QPaintDevice::PdmHeightMM: return static_cast<int>(layout_.paintRect(QPageLayout::Millimeter).height());
      case QPaintDevice::PdmDpiX:
      case QPaintDevice::PdmDpiY:
      case QPaintDevice::PdmPhysicalDpiX:
      case QPaintDevice::PdmPhysicalDpiY: return kDpi;
      case QPaintDevice::PdmDevicePixelRatio: return 1;
      case QPaintDevice::PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
      case QPaintDevice::PdmDepth: return 32;
      case QPaintDevice::PdmNumColors: return INT_MAX;
      default: return 0;
    }
  }
  QPrinter::PrinterState printerState() const override { return state_; }

private:
  static constexpr int kDpi = 300;
  QPrinter::PrinterState ending_;
  int failingPage_;
  QPrinter::PrinterState state_ = QPrinter::Idle;
  QPageLayout layout_;
};

class FakePrinter final : public QPrinter {
public:
  explicit FakePrinter(FakePrintEngine& engine) { setEngines(&engine, &engine); }
};

// A job sent to a printer is printed only when the printer took it whole: a
// job that ends in error, is aborted or loses a page is a failed print.
TEST(ReportPrint, AJobThePrinterDoesNotTakeWholeIsAFailedPrint) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  struct Case {
    const char* name;
    QPrinter::PrinterState ending;
    int failingPage;
    PrintResult result;
  };
  const Case cases[] = {
      {"taken", QPrinter::Idle, 0, PrintResult::Printed},
      {"error", QPrinter::Error, 0, PrintResult::Failed},
      {"aborted", QPrinter::Aborted, 0, PrintResult::Failed},
      {"out of paper on page 2", QPrinter::Idle, 2, PrintResult::Failed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePrintEngine engine(c.ending, c.failingPage);
    FakePrinter printer(engine);
    ASSERT_EQ(PrintablePageHeightMm(printer), 297);
    const int pages = ReportPageCountOn(printer, source);
    ASSERT_GE(pages, 2);
    EXPECT_EQ(PrintReport(printer, source), c.result);
    EXPECT_EQ(engine.pages, c.failingPage ? c.failingPage - 1 : pages);
    EXPECT_GT(engine.texts, 0);
  }
}

// A page with less than a millimetre to print on takes no report: the job is
// refused as a failed print and writes no file, by the menu, by a direct
// print or in the preview.
TEST(ReportPrint, APageTooShortToPrintOnIsRefused) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  test::TempDir dir;
  const QPageSize strip(QSizeF(210, 0.9), QPageSize::Millimeter, QStringLiteral("strip"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.File("strip.pdf")));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  ASSERT_TRUE(printer.setPageSize(strip));
  ASSERT_EQ(PrintablePageHeightMm(printer), 0);
  EXPECT_EQ(ReportPageCountOn(printer, source), 0);
  EXPECT_EQ(PrintReport(printer, source), PrintResult::Failed);
  EXPECT_EQ(DrawReportOn(printer, source), PrintResult::Failed);
  EXPECT_FALSE(std::filesystem::exists(dir.File("strip.pdf")));
  // A page of one millimetre takes its strip of the report.
  ASSERT_TRUE(printer.setPageSize(QPageSize(QSizeF(210, 1.2), QPageSize::Millimeter, QStringLiteral("mm"))));
  ASSERT_EQ(PrintablePageHeightMm(printer), 1);
  EXPECT_GT(ReportPageCountOn(printer, source), 1000);

  QtDialogRunner dialogs{{}};
  QPrinter& shared = dialogs.printer();
  shared.setOutputFormat(QPrinter::PdfFormat);
  shared.setOutputFileName(QString::fromStdString(dir.File("menu.pdf")));
  QString box;
  test::WhenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
    CatchNextBox(box);
    dialog.accept();
    shared.setPageSize(strip);
  });
  dialogs.RunPrint(source);
  EXPECT_EQ(box, QStringLiteral("Het afdrukken is mislukt."));
  EXPECT_FALSE(std::filesystem::exists(dir.File("menu.pdf")));
}

// A PDF printed through a symbolic link goes into the file the link points
// to; the link stays a link.
TEST(ReportPrint, APdfThroughALinkGoesIntoTheLinkedFile) {
  const Configuration configuration = test::MakeFullConfiguration();
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "shared");
  const auto target = dir.path() / "shared" / "report.pdf";
  const auto link = dir.path() / "report.pdf";
  test::TempDir::Write(target.string(), {'o', 'l', 'd'});
  std::filesystem::create_symlink(target, link);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(link.string()));
  ASSERT_EQ(PrintReport(printer, PrintedOnADay(configuration)), PrintResult::Printed);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_GT(std::filesystem::file_size(target), 4096u);
}

// A line that runs on past the report's width is cut only by the paper's edge.
TEST(ReportPrint, OnlyThePaperCutsALongLine) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) GTEST_SKIP() << "no pdftoppm";
  Configuration configuration;
  configuration.version = {1, 2, 2};
  // One note line that ends between the report's width (198 mm) and the
  // paper's edge (210 mm).
  std::string note;
  QtMeasuringCanvas measure(true, 1200 / 254.0);
  while (120 + measure.TextWidth(note + "m", FontRole::Body) < 2040) note += 'm';
  ASSERT_GT(120 + measure.TextWidth(note, FontRole::Body), 2000);
  configuration.fixedBlocks.notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, note);

  test::TempDir dir;
  const QString pdf = QString::fromStdString(dir.File("note.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  ASSERT_EQ(PrintReport(printer, PrintedOnADay(configuration)), PrintResult::Printed);
  const QString png = QString::fromStdString(dir.File("page"));
  Output(QStringLiteral("pdftoppm"), {"-png", "-r", "254", "-singlefile", pdf, png}); // 1 pixel = 0.1 mm
  const QImage page(png + ".png");
  ASSERT_EQ(page.width(), 2100);
  int inked = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 1990; x < page.width(); ++x) inked += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
  EXPECT_GT(inked, 20);
}

// After a print of page 2 alone, the preview still shows the whole report.
TEST(ReportPrint, ThePreviewShowsEveryPageAfterARangeWasPrinted) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
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

// The preview's own print button runs the program's print: the preview
// closes, the dialog starts at all pages and stops at the last one, and a
// print that fails is answered and leaves no file.
TEST(ReportPrint, ThePreviewsPrintButtonPrintsAsTheMenuDoes) {
  const Configuration configuration = test::MakeFullConfiguration();
  const ReportSource source = PrintedOnADay(configuration);
  test::TempDir dir;
  QtDialogRunner dialogs{{}};
  QPrinter& printer = dialogs.printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.File("preview.pdf")));
  printer.setPageSize(QPageSize(QPageSize::A4));
  const int pages = ReportPageCountOn(printer, source);
  ASSERT_GE(pages, 2);

  bool previewClosed = false;
  int last = 0;
  bool all = false;
  QString box;
  test::WhenModalShows<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
    QAction* print = nullptr;
    for (QAction* action : preview.findChildren<QAction*>())
      if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print")) print = action;
    ASSERT_NE(print, nullptr);
    QPointer<QPrintPreviewDialog> watched(&preview);
    test::WhenModalShows<QPrintDialog>([&, watched](QPrintDialog& dialog) {
      previewClosed = !watched || !watched->isVisible();
      all = dialog.findChild<QRadioButton*>(QStringLiteral("printAll"))->isChecked();
      last = PageBox(dialog, "to")->maximum();
      ChoosePages(dialog, pages, pages);
      CatchNextBox(box);
      dialog.accept();
      // Bigger paper leaves the chosen page past the report.
      printer.setPageSize(QPageSize(QPageSize::A3));
    });
    print->trigger();
  });
  dialogs.RunPrintPreview(source);
  EXPECT_TRUE(previewClosed);
  EXPECT_TRUE(all);
  EXPECT_EQ(last, pages);
  EXPECT_TRUE(box.startsWith(QStringLiteral("De gekozen pagina's liggen buiten het rapport"))) << box.toStdString();
  EXPECT_FALSE(std::filesystem::exists(dir.File("preview.pdf")));
}

} // namespace
} // namespace kx700
