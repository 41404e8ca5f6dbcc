// A technician's day in one run of the program: every entry of the menu,
// against the simulated panel on a pseudo-terminal, through the real serial
// port, idle engine, main window and dialogs, with faults on the line along
// the way. Each step is checked on the panel or in the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "app/application.h"
#include "app/qt/about_dialog.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_dialog_runner.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_startup_host.h"
#include "app/qt/view.h"
#include "common/qt/colour_button.h"
#include "common/qt/flex_grid.h"
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/central_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/dossier_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "link/qt/communication_settings_dialog.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "panelsim/pty_server.h"
#include "service/qt/analog_values_window.h"
#include "service/qt/card_programming_window.h"
#include "service/qt/control_test_window.h"
#include "service/qt/logbook_window.h"
#include "service/qt/panel_settings_dialogs.h"
#include "service/qt/periphery_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_shell_opener.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::Screenshot;
using Cell = test::GridCell;
using test::CellAt;
using test::CellCentre;

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A record as the stream carries it: its tag letter and its bytes.
using TaggedRecord = std::pair<char, std::vector<std::uint8_t>>;

std::vector<TaggedRecord> RecordsOf(const Configuration& c) {
  std::vector<TaggedRecord> records;
  const auto add = [&](BlockType type, std::span<const std::uint8_t> bytes) {
    records.emplace_back(BlockTag(type), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  };
  for (const LoopRecord& r : c.loops) add(BlockType::Loop, r.bytes);
  add(BlockType::Central, c.central.bytes);
  for (const ControlRecord& r : c.controls) add(BlockType::Control, r.bytes);
  for (const RelayTextRecord& r : c.relayTexts) add(BlockType::RelayText, r.bytes);
  for (BlockType type : kFixedBlockOrder) add(type, c.fixedBlocks.BytesOf(type));
  return records;
}

std::vector<TaggedRecord> RecordsOf(const std::vector<std::uint8_t>& image) {
  std::vector<TaggedRecord> records;
  const auto read = panelsim::ReadImage(image);
  EXPECT_TRUE(read) << "the panel's image is not whole";
  if (read) {
    for (const auto& r : *read) records.emplace_back(static_cast<char>(r.tag), r.bytes);
  }
  return records;
}

// Without the periphery's firmware versions, which a receive reads apart.
std::vector<TaggedRecord> WithoutVersionBlocks(std::vector<TaggedRecord> records) {
  std::erase_if(records, [](const TaggedRecord& r) {
    return r.first == BlockTag(BlockType::Repeater) || r.first == BlockTag(BlockType::PeripheryVersion);
  });
  return records;
}

// Types a text into a field of a page of the sheet, going to that page first.
template <typename Page>
void TypeInto(CParameterSheet& sheet, EditorPageKind kind, ControlId id, const char* text) {
  ASSERT_TRUE(sheet.RequestPage(kind));
  auto* edit = qobject_cast<QLineEdit*>(static_cast<Page*>(sheet.page(kind))->control(id));
  ASSERT_NE(edit, nullptr) << id;
  edit->setText(text);
}

// The tags of the records whose contents differ, checksums aside.
std::vector<char> ChangedRecords(const std::vector<TaggedRecord>& now, const std::vector<TaggedRecord>& was) {
  std::vector<char> changed;
  EXPECT_EQ(now.size(), was.size());
  for (std::size_t i = 0; i < now.size() && i < was.size(); ++i) {
    if (now[i].first != was[i].first ||
        !std::equal(now[i].second.begin() + 1, now[i].second.end(), was[i].second.begin() + 1, was[i].second.end()))
      changed.push_back(now[i].first);
  }
  return changed;
}

// Runs the event loop until `done` or `ms` have passed. Unlike QTest::qWaitFor,
// which sleeps 10 ms between rounds, it lets the program's 5 ms idle steps come
// at their pace, so a wait the program counts in steps lasts as it would.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  bool met = done();
  if (met) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if ((met = done())) loop.quit();
  });
  poll.start(1);
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return met;
}

// Fails the test and closes a modal dialog that nobody answers, so that a
// dialog the walk did not expect cannot hang the run.
class ModalWatchdog {
public:
  explicit ModalWatchdog(const char* what) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [what] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << what << ": " << modal->metaObject()->className() << " \"" << modal->windowTitle().toStdString()
                      << "\" left open";
        if (auto* dialog = qobject_cast<QDialog*>(modal))
          dialog->reject();
        else
          modal->close();
      }
    });
    timer_.start(15'000);
  }

private:
  QTimer timer_;
};

// The program's real dialogs; the print dialog prints to a PDF file.
class WalkDialogs final : public DialogRunner {
public:
  explicit WalkDialogs(SettingLookup settings) : qt_(std::move(settings)) {}
  void SetParent(QWidget* parent) { qt_.SetParent(parent); }
  void PrintTo(const QString& pdf) {
    QPrinter& printer = qt_.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
  }

  std::optional<CommunicationChoice> RunCommunicationSettings(int port, int baud) override {
    ModalWatchdog watchdog("Communicatie");
    return qt_.RunCommunicationSettings(port, baud);
  }
  void RunAbout(const AboutTexts& texts) override {
    ModalWatchdog watchdog("Versie");
    qt_.RunAbout(texts);
  }
  void RunParameterSheet(ParameterEditor& editor) override {
    ModalWatchdog watchdog("Wijzigen");
    qt_.RunParameterSheet(editor);
  }
  void RunLogbook(const LogbookSession& session) override {
    ModalWatchdog watchdog("Logboek");
    qt_.RunLogbook(session);
  }
  void RunPeriphery(const PeripherySession& session) override {
    ModalWatchdog watchdog("Periferie");
    qt_.RunPeriphery(session);
  }
  std::optional<PanelDateTime> RunAdjustTime(const PanelDateTime& preset) override {
    ModalWatchdog watchdog("Instellen datum/tijd");
    return qt_.RunAdjustTime(preset);
  }
  std::optional<int> RunPanelLanguage(int code) override {
    ModalWatchdog watchdog("Instellen taal");
    return qt_.RunPanelLanguage(code);
  }
  void RunPrint(const ReportSource& report) override {
    ModalWatchdog watchdog("Afdrukken");
    qt_.RunPrint(report);
  }
  void RunPrintPreview(const ReportSource& report) override {
    ModalWatchdog watchdog("Afdrukvoorbeeld");
    qt_.RunPrintPreview(report);
  }
  void RunPrintSetup() override {
    ModalWatchdog watchdog("Printerinstellingen");
    qt_.RunPrintSetup();
  }

private:
  QtDialogRunner qt_;
};

// File dialogs that name files in the day's folder.
class FolderFiles final : public FileDialogHost {
public:
  explicit FolderFiles(const test::TempDir& dir) : dir_(dir) {}
  std::optional<std::string> OpenConfigurationFile() override { return Named(dir_.File("walk.qnd3")); }
  std::optional<std::string> SaveConfigurationFile(const std::string&) override {
    return Named(dir_.File("walk.qnd3"));
  }
  std::optional<std::string> SaveExportFile(ExportFile kind) override {
    return Named(dir_.File(kind == ExportFile::LogbookText ? "logboek.txt" : "logboek.xlsx"));
  }
  std::vector<std::string> named;

private:
  std::string Named(const std::string& path) {
    named.push_back(path);
    return path;
  }
  const test::TempDir& dir_;
};

// The panel at the far end of a line that the program reaches through a
// device name of its own, so that the line can drop and come back under the
// same name with the same panel behind it.
class PanelLine {
public:
  PanelLine(std::string device, panelsim::PanelState state) : device_(std::move(device)) { Connect(std::move(state)); }
  ~PanelLine() { Disconnect(); }
  bool ok() const { return ok_; }
  template <typename F>
  void With(F f) {
    server_->WithEngine([&](panelsim::Engine& e) { f(e); });
  }
  bool HungUp() {
    bool hungUp = false;
    With([&](panelsim::Engine& e) { hungUp = e.HungUp(); });
    return hungUp;
  }
  // The line has dropped (the panel hung up): the same panel is plugged in again.
  void ComeBack() {
    serving_.join(); // the server ends by itself on a hang-up
    panelsim::PanelState state = engine_->state();
    server_.reset();
    engine_.reset();
    Connect(std::move(state));
  }

private:
  void Connect(panelsim::PanelState state) {
    engine_ = std::make_unique<panelsim::Engine>(std::move(state));
    engine_->SetBaud(0);
    engine_->SetCardProgramming({.steps = 2, .durationUs = 50'000});
    server_ = std::make_unique<panelsim::PtyServer>(*engine_);
    ok_ = server_->Open();
    std::filesystem::remove(device_);
    std::filesystem::create_symlink(server_->SlavePath(), device_);
    serving_ = std::thread([this] { server_->Serve(); });
  }
  void Disconnect() {
    if (!server_) return;
    server_->Stop();
    serving_.join();
  }

  std::string device_;
  std::unique_ptr<panelsim::Engine> engine_;
  std::unique_ptr<panelsim::PtyServer> server_;
  std::thread serving_;
  bool ok_ = false;
};

constexpr SupervisionTiming kQuickSupervision{200, 100};

class TechniciansDay : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(panel.ok());
    ASSERT_TRUE(settings.SetProgramValue("Com_port", "COM9"));
    ASSERT_TRUE(settings.SetProgramValue("Devices/COM9", device));
    const SettingLookup lookup = [this](const std::string& key) { return settings.ProgramValue(key); };
    dialogs = std::make_unique<WalkDialogs>(lookup);
    app = std::make_unique<CPc_kx700App>(AppSeams{host, settings, SystemClock::Instance(), files, *dialogs, shell},
                                         std::make_unique<Ser_port>(host, lookup));
    app->engine().SetSupervisionTiming(kQuickSupervision);
    startup = std::make_unique<QtStartupHost>(*app);
    ASSERT_TRUE(app->InitInstance(*startup, {}));
    frame = startup->mainFrame();
    dialogs->SetParent(frame);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
  }
  void TearDown() override {
    startup.reset();
    app.reset();
    settings.SetProgramValue("Devices/COM9", "");
  }

  // A menu entry, as the user picks it: it must be enabled.
  void Run(int command) {
    EXPECT_TRUE(app->IsCommandEnabled(command)) << "menu entry " << command << " is disabled";
    frame->RunCommand(command);
    QCoreApplication::processEvents();
  }
  bool Connected(int ms = 5000) {
    return WaitFor([&] { return app->session().connected(); }, ms);
  }
  // The message boxes shown since the last call, as "caption: text".
  std::vector<std::string> NewBoxes() {
    std::vector<std::string> boxes;
    for (; seenBoxes < host.boxes().size(); ++seenBoxes)
      boxes.push_back(host.boxes()[seenBoxes].caption + ": " + host.boxes()[seenBoxes].text);
    return boxes;
  }

  // How many requests of a code the panel has had since it was last asked.
  int Requests(std::uint8_t code) {
    int n = 0;
    panel.With([&](panelsim::Engine& e) {
      for (const auto& r : e.requests()) n += r.code == code;
      e.ClearRequests();
    });
    return n;
  }
  bool FaultsSpent() {
    bool spent = false;
    panel.With([&](panelsim::Engine& e) { spent = e.faults().empty(); });
    return spent;
  }
  std::vector<TaggedRecord> PanelImage() {
    std::vector<std::uint8_t> image;
    panel.With([&](panelsim::Engine& e) { image = e.state().image; });
    return RecordsOf(image);
  }
  template <typename T>
  T Panel(const std::function<T(const panelsim::PanelState&)>& read) {
    T value{};
    panel.With([&](panelsim::Engine& e) { value = read(e.state()); });
    return value;
  }

  test::TempDir dir;
  const std::string device = dir.File("ttyKX700");
  PanelLine panel{device, panelsim::RealisticPanel()};
  test::FakeMessageHost host;
  std::size_t seenBoxes = 0;
  QtSettingsStore settings;
  FolderFiles files{dir};
  std::unique_ptr<WalkDialogs> dialogs;
  test::FakeShellOpener shell;
  std::unique_ptr<CPc_kx700App> app;
  std::unique_ptr<QtStartupHost> startup;
  CMainFrame* frame = nullptr;
};

using Boxes = std::vector<std::string>;
const std::string kSuccess = "Transmissie succesvol!";

TEST_F(TechniciansDay, EveryMenuEntryAgainstThePanelInOneRun) {
  CPc_kx700Doc& doc = app->document();
  using Kind = CPc_kx700View::ServiceKind;

  // --- 1. The panel is found; its configuration becomes the document. A
  // block of the upload arrives damaged: the program asks for it again.
  ASSERT_TRUE(Connected());
  EXPECT_EQ(frame->dialogBarText()->text(), "KX700 simulator - Demo centrale");
  Requests(0);
  panel.With([](panelsim::Engine& e) {
    auto damaged = panelsim::AnswersWithCode(panelsim::Fault::kBadChecksum, 35, 1);
    damaged.every = 2;
    e.faults().Add(damaged);
  });
  Run(kCmdReceive);
  EXPECT_EQ(NewBoxes(), Boxes{"Configuratie ontvangen: " + kSuccess});
  EXPECT_EQ(Requests(panelsim::req::kRepeat), 1);
  const std::vector<TaggedRecord> original = PanelImage();
  EXPECT_EQ(WithoutVersionBlocks(RecordsOf(doc.configuration())), WithoutVersionBlocks(original));
  EXPECT_EQ(doc.sourcePanelNumber, 1);
  EXPECT_FALSE(app->controller().modified());
  Screenshot(*frame, "walk_received.png");

  // --- 2. Wijzigen: something on every page; then Opslaan Als.
  bool edited = false;
  test::WhenModalShows<CParameterSheet>([&](CParameterSheet& sheet) {
    ASSERT_EQ(sheet.tabBar()->count(), 5);
    EXPECT_EQ(sheet.tabBar()->tabText(0), "Acties");
    TypeInto<Crel_info>(sheet, EditorPageKind::Actions, action_ids::Text(1), "Sirene zolder");
    TypeInto<Ccontrol>(sheet, EditorPageKind::Controls, control_ids::kName, "Algemeen hal");
    TypeInto<Ccentral>(sheet, EditorPageKind::General, central_ids::kPanelName, "Centrale Walk");
    TypeInto<Ccentral>(sheet, EditorPageKind::General, central_ids::kRelayCards, "8");
    TypeInto<Czone>(sheet, EditorPageKind::Loops, loop_ids::kName, "Keuken walk");
    TypeInto<Cdocu>(sheet, EditorPageKind::Dossier, dossier_ids::kCustomer, "Klant Walk");
    Screenshot(sheet, "walk_sheet_dossier.png");
    sheet.accept();
    edited = sheet.result() == QDialog::Accepted;
  });
  Run(kCmdEditParameters);
  ASSERT_TRUE(edited);
  EXPECT_EQ(NewBoxes(), Boxes{});
  EXPECT_TRUE(app->controller().modified());
  EXPECT_EQ(doc.loops.front().Name(), "Keuken walk");
  EXPECT_EQ(doc.central.PanelName(), "Centrale Walk");
  EXPECT_EQ(doc.central.RelayCards(), 8);
  EXPECT_EQ(doc.controls.front().Name(), "Algemeen hal");
  EXPECT_EQ(doc.relayTexts.front().OutputText(1), "Sirene zolder");
  EXPECT_EQ(doc.fixedBlocks.customer.Text(CustomerBlock::kCustomer, CustomerBlock::kCustomerWidth), "Klant Walk");
  // Nothing else changed: the edited records wait for their checksums until
  // the checks before sending.
  EXPECT_EQ(ChangedRecords(RecordsOf(doc.configuration()), original), (std::vector<char>{'Z', 'C', 'R', 'A', 'P'}));

  Run(kCmdFileSaveAs);
  const std::string saved = dir.File("walk.qnd3");
  ASSERT_TRUE(std::filesystem::exists(saved));
  EXPECT_FALSE(app->controller().modified());
  EXPECT_EQ(frame->windowTitle(), "walk.qnd3 - KX700 - configuratie");
  const Configuration made = doc.configuration();

  // --- 3. Afdrukken to a PDF file, Afdrukvoorbeeld, Printerinstellingen.
  const QString pdf = QString::fromStdString(dir.File("parameters.pdf"));
  dialogs->PrintTo(pdf);
  bool printDialog = false;
  test::WhenModalShows<QPrintDialog>([&](QPrintDialog& dialog) {
    printDialog = true;
    dialog.accept();
  });
  Run(kCmdFilePrint);
  EXPECT_TRUE(printDialog);
  EXPECT_EQ(NewBoxes(), Boxes{});
  ASSERT_TRUE(std::filesystem::exists(pdf.toStdString()));
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) << "poppler-utils is missing";
  const QString printed = Output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(printed.contains("Keuken walk")) << printed.toStdString();
  EXPECT_TRUE(printed.contains("Centrale Walk"));
  EXPECT_TRUE(printed.contains("Klant Walk"));

  int previewPages = 0;
  test::WhenModalShows<QPrintPreviewDialog>([&](QPrintPreviewDialog& dialog) {
    previewPages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
    dialog.reject();
  });
  Run(kCmdFilePrintPreview);
  EXPECT_GE(previewPages, 1);
  bool pageSetup = false;
  test::WhenModalShows<QPageSetupDialog>([&](QPageSetupDialog& dialog) {
    pageSetup = true;
    dialog.reject();
  });
  Run(kCmdFilePrintSetup);
  EXPECT_TRUE(pageSetup);

  // --- 4. Verzenden. The panel asks for one block again; afterwards it
  // programs its eight relay cards, and their window opens.
  panel.With([](panelsim::Engine& e) {
    auto again = panelsim::AnswersTo(panelsim::Fault::kAskRepeat, 35, 1);
    again.every = 2;
    e.faults().Add(again);
    e.ClearRequests();
  });
  host.Answer(MessageAnswer::Ok); // the panel's configuration is overwritten
  Run(kCmdSend);
  EXPECT_EQ(NewBoxes(), Boxes{"Configuratie verzenden: De actuele configuratie zal overschreven worden.\n Wilt u "
                              "doorgaan?"});
  // The checks before sending gave every record its checksum.
  EXPECT_EQ(PanelImage(), RecordsOf(doc.configuration()));
  EXPECT_TRUE(FaultsSpent()); // the block was asked for again
  EXPECT_EQ(Panel<int>([](const auto& s) { return s.relayCards; }), 8);
  auto* cards = qobject_cast<Cprog_periph*>(frame->view()->serviceWindow(Kind::CardProgramming));
  ASSERT_NE(cards, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkCardProgramming);
  EXPECT_FALSE(cards->okButton()->isEnabled());
  ASSERT_TRUE(WaitFor([&] { return cards->okButton()->isEnabled(); }, 10'000));
  CMSFlexGrid* cardGrid = cards->grid();
  EXPECT_TRUE(WaitFor([&] { return CellAt(cardGrid, 8, 1).text == "OK"; }, 5000));
  EXPECT_EQ(CellAt(cardGrid, 3, 1).text, "FOUT"); // the panel's faulty card
  Screenshot(*cards, "walk_cards.png");
  QTest::mouseClick(cardGrid->viewport(), Qt::LeftButton, {}, CellCentre(cardGrid, 4, 0));
  EXPECT_FALSE(cards->okButton()->isEnabled());
  ASSERT_TRUE(WaitFor([&] { return cards->okButton()->isEnabled(); }, 10'000));
  // The card's first answer gives the window back; its result follows.
  EXPECT_TRUE(WaitFor([&] { return CellAt(cardGrid, 4, 1).text == "OK"; }, 5000));
  cards->okButton()->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(Kind::CardProgramming), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  ASSERT_TRUE(Connected());
  EXPECT_EQ(NewBoxes(), Boxes{});

  // --- 5. Analoge waarden: the loops fill in, though one answer is lost on
  // the way; in the test mode a click puts loop 1 in test and out again.
  panel.With([](panelsim::Engine& e) { e.faults().Add(panelsim::AnswersTo(panelsim::Fault::kDrop, 68, 1)); });
  Run(kCmdAnalogValues);
  auto* analog = qobject_cast<Can_values*>(frame->view()->serviceWindow(Kind::AnalogValues));
  ASSERT_NE(analog, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkAnalogValues);
  CMSFlexGrid* loops = analog->loopGrid(0);
  const auto filled = [&] {
    for (int loop = 1; loop <= 16; ++loop) {
      const Cell value = CellAt(analog->loopGrid(loop > 8), (loop - 1) % 8 + 1, 1);
      if (loop <= 6 ? value.text.isEmpty() || value.text == "-" : value.back != kAnalogNoAnswer) return false;
    }
    return true;
  };
  // The panel answers for its loops 1 to 6; the lost answer is asked for
  // again after the program's wait of 1000 idle steps.
  ASSERT_TRUE(WaitFor(filled, 15'000));
  EXPECT_TRUE(FaultsSpent()); // the answer was lost, and the loop asked again
  analog->toolBar()->Select(AnalogDisplayMode::Test);
  QTest::mouseClick(loops->viewport(), Qt::LeftButton, {}, CellCentre(loops, 1, 2));
  EXPECT_TRUE(WaitFor([&] { return CellAt(loops, 1, 1).back == kAnalogInTest; }, 5000));
  EXPECT_TRUE(Panel<bool>([](const auto& s) { return s.Loop(1).inTest; }));
  Screenshot(*analog, "walk_analog_test.png");
  QTest::mouseClick(loops->viewport(), Qt::LeftButton, {}, CellCentre(loops, 1, 2));
  EXPECT_TRUE(WaitFor([&] { return CellAt(loops, 1, 1).back != kAnalogInTest; }, 5000));
  EXPECT_FALSE(Panel<bool>([](const auto& s) { return s.Loop(1).inTest; }));
  analog->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(Kind::AnalogValues), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);

  // --- 6. Logboek: every entry shown; both exports written.
  const auto logbook = Panel<std::vector<panelsim::LogbookEntry>>([](const auto& s) { return s.logbook; });
  ASSERT_GE(logbook.size(), 30u);
  int logbookRows = 0;
  test::WhenModalShows<CLogboek>([&](CLogboek& window) {
    logbookRows = window.grid()->GetRows();
    Screenshot(window, "walk_logbook.png");
    QTest::mouseClick(window.textExportButton(), Qt::LeftButton);
    host.Answer(MessageAnswer::Yes); // a spreadsheet program is at hand
    QTest::mouseClick(window.workbookExportButton(), Qt::LeftButton);
    window.reject();
  });
  Run(kCmdLogbook);
  EXPECT_EQ(logbookRows, static_cast<int>(logbook.size()) + 1);
  EXPECT_EQ(NewBoxes(), Boxes{"Aandacht 12: Microsoft Excel-97 of hoger, moet geïnstalleerd zijn voor het "
                              "uitvoeren van deze functie!\nBent u zeker?"});
  const std::string text = Slurp(dir.File("logboek.txt"));
  EXPECT_EQ(text.rfind("KX700 simulator - Demo centrale\r\nBrandmeldcentrale KX700 - Logboek\r\n", 0), 0u);
  std::size_t at = 0;
  for (const auto& entry : logbook) { // every entry, in the panel's order
    at = text.find("\r\n", at);
    ASSERT_NE(at, std::string::npos);
    at = text.find(entry.event, at);
    ASSERT_NE(at, std::string::npos) << entry.event;
  }
  EXPECT_EQ(shell.opened, std::vector<std::string>{dir.File("logboek.txt")});
  const QString sheet =
      Output(QStringLiteral("unzip"), {QStringLiteral("-p"), QString::fromStdString(dir.File("logboek.xlsx")),
                                       QStringLiteral("xl/worksheets/sheet1.xml")});
  EXPECT_EQ(sheet.count(QStringLiteral("<row ")), static_cast<int>(logbook.size()) + 1);

  // --- 7. Periferie with Check versie.
  std::vector<ColorRef> cardStates;
  QString cardVersion;
  const auto firstCard = Panel<std::array<std::uint8_t, 32>>([](const auto& s) { return s.records32.at(20); });
  test::WhenModalShows<Cperiphery>([&](Cperiphery& dialog) {
    for (int c = 0; c < 4; ++c) cardStates.push_back(CellAt(dialog.relayCardGrid(), 0, c).back);
    test::WhenModalShows<CVersion>([&](CVersion& versions) {
      cardVersion = CellAt(versions.versionGrid(), 1, 2).text;
      Screenshot(versions, "walk_versions.png");
      versions.accept();
    });
    QTest::mouseClick(dialog.checkVersionButton(), Qt::LeftButton);
    dialog.accept();
  });
  Run(kCmdPeriphery);
  EXPECT_EQ(cardStates, (std::vector<ColorRef>{kPeripheryOk, kPeripheryOk, kPeripheryFault, kPeripheryAbsent}));
  EXPECT_EQ(cardVersion, QStringLiteral("%1.%2").arg(firstCard[0]).arg(firstCard[1], 2, 10, QLatin1Char('0')));
  EXPECT_EQ(NewBoxes(), Boxes{});

  // Sturingen testen: the document is the panel's, so no question; a row
  // on and off; closing resets the panel.
  const int resetsBefore = Panel<int>([](const auto& s) { return s.resets; });
  Run(kCmdTestControls);
  auto* controlTest = qobject_cast<Ctest_control*>(frame->view()->serviceWindow(Kind::ControlTest));
  ASSERT_NE(controlTest, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkControlTest);
  EXPECT_EQ(controlTest->controlCombo()->currentText(), "1 Algemeen hal"); // as renamed this morning
  CMSFlexGrid* rows = controlTest->grid();
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, CellCentre(rows, 2, 0));
  host.Answer(MessageAnswer::Yes); // are you sure?
  controlTest->onButton()->click();
  controlTest->offButton()->click();
  const auto switched = Panel<std::vector<std::array<std::uint8_t, 7>>>([](const auto& s) { return s.controlTests; });
  ASSERT_EQ(switched.size(), 2u);
  EXPECT_EQ(switched[0], (std::array<std::uint8_t, 7>{'0', '0', '1', 1, 8, 2, 1}));
  EXPECT_EQ(switched[1], (std::array<std::uint8_t, 7>{'0', '0', '1', 1, 8, 2, 0}));
  EXPECT_EQ(NewBoxes(), Boxes{"Sturingen activeren: Bent u zeker?"});
  Screenshot(*controlTest, "walk_control_test.png");
  QTest::keyClick(controlTest, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(Kind::ControlTest), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  // The reset is sent as the window goes, without waiting for its answer.
  EXPECT_TRUE(WaitFor([&] { return Panel<int>([](const auto& s) { return s.resets; }) == resetsBefore + 1; }));
  ASSERT_TRUE(Connected());

  // Instellen datum/tijd and Instellen taal.
  test::WhenModalShows<Cadjust_time>([](Cadjust_time& dialog) {
    dialog.datePicker()->setDate(QDate(2027, 6, 30));
    dialog.timePicker()->setTime(QTime(8, 15, 0));
    dialog.okButton()->click();
  });
  Run(kCmdSetDateTime);
  using PanelClock = std::array<std::uint8_t, 6>;
  EXPECT_EQ(Panel<PanelClock>([](const auto& s) { return s.clock; }), (PanelClock{27, 6, 30, 8, 15, 0}));
  test::WhenModalShows<Clanguage>([](Clanguage& dialog) {
    EXPECT_EQ(dialog.radioIndex(), 0); // the panel speaks Dutch
    dialog.languages()->button(1)->click();
    dialog.accept();
  });
  Run(kCmdPanelLanguage);
  EXPECT_EQ(Panel<int>([](const auto& s) { return s.language; }), 2);
  EXPECT_EQ(NewBoxes(), (Boxes{"Instellen systeemtijd: " + kSuccess, "Instellen taal: " + kSuccess}));

  // Stilte: its acknowledgement arrives damaged and is asked for again.
  panel.With([](panelsim::Engine& e) {
    e.faults().Add(panelsim::AnswersTo(panelsim::Fault::kBadChecksum, panelsim::req::kSilence, 1));
    e.ClearRequests();
  });
  Run(kCmdSilence);
  EXPECT_EQ(Requests(panelsim::req::kRepeat), 1);
  EXPECT_EQ(Panel<int>([](const auto& s) { return s.silences; }), 1);
  Run(kCmdReset);
  EXPECT_EQ(Panel<int>([](const auto& s) { return s.resets; }), resetsBefore + 2);
  EXPECT_EQ(NewBoxes(), (Boxes{"Stilte: " + kSuccess, "Reset centrale: " + kSuccess}));

  // Technicus mode on and off, straight after the other commands: a late
  // answer to the engine's last identification is passed over.
  Run(kCmdTechnicianMode);
  EXPECT_TRUE(Panel<bool>([](const auto& s) { return s.technicianMode; }));
  EXPECT_TRUE(frame->action(kCmdTechnicianMode)->isChecked());
  Run(kCmdTechnicianMode);
  EXPECT_FALSE(Panel<bool>([](const auto& s) { return s.technicianMode; }));
  EXPECT_FALSE(frame->action(kCmdTechnicianMode)->isChecked());
  EXPECT_EQ(NewBoxes(), (Boxes{"Technicus mode aan: " + kSuccess, "Technicus mode uit: " + kSuccess}));

  // Communicatie: the same port again; the panel stays found.
  QString shownPort, shownDevice;
  test::WhenModalShows<Ccommunication_settings>([&](Ccommunication_settings& dialog) {
    shownPort = dialog.findChild<QLineEdit*>(QStringLiteral("otherPort"))->text();
    for (auto* label : dialog.findChildren<QLabel*>()) {
      if (label->text().contains(QStringLiteral("ttyKX700"))) shownDevice = label->text();
    }
    Screenshot(dialog, "walk_communication.png");
    dialog.accept();
  });
  Run(kCmdCommunication);
  EXPECT_EQ(shownPort, "9");
  EXPECT_FALSE(shownDevice.isEmpty());
  EXPECT_EQ(app->engine().requestedPort(), 9);
  Requests(0);
  EXPECT_TRUE(WaitFor([&] { return Requests(panelsim::req::kIdentify) > 0; }));
  ASSERT_TRUE(Connected());

  // Versie.
  QString programVersion, panelVersion, conflict;
  test::WhenModalShows<CAboutDlg>([&](CAboutDlg& about) {
    programVersion = about.findChild<QLabel*>(QStringLiteral("programVersion"))->text();
    panelVersion = about.findChild<QLabel*>(QStringLiteral("panelVersion"))->text();
    conflict = about.findChild<QLabel*>(QStringLiteral("conflict"))->text();
    about.accept();
  });
  Run(kCmdAbout);
  EXPECT_EQ(programVersion, "1.02  02");
  EXPECT_FALSE(panelVersion.isEmpty());
  EXPECT_TRUE(conflict.isEmpty());
  EXPECT_EQ(NewBoxes(), Boxes{});

  // --- 8. The line drops in the middle of a receive: the transfer fails and
  // the document stays as it was; the line comes back and the program finds
  // the panel again by itself.
  const Configuration beforeDrop = doc.configuration();
  const bool modifiedBeforeDrop = app->controller().modified();
  panel.With([](panelsim::Engine& e) {
    auto cut = panelsim::AnswersWithCode(panelsim::Fault::kHangUp, 35, 1);
    cut.every = 2;
    e.faults().Add(cut);
  });
  host.Answer(MessageAnswer::Ok); // the document's data is overwritten
  Run(kCmdReceive);
  EXPECT_EQ(NewBoxes(), (Boxes{"Configuratie ontvangen: De actuele data zal overschreven worden.\n Wilt u doorgaan?",
                               "Fout 6: Er is een fout opgetreden tijdens de datatransfer."}));
  EXPECT_TRUE(doc.configuration() == beforeDrop);
  EXPECT_EQ(app->controller().modified(), modifiedBeforeDrop);
  ASSERT_TRUE(panel.HungUp());
  ASSERT_TRUE(WaitFor([&] { return !app->session().connected(); }, 5000));
  EXPECT_TRUE(frame->dialogBarText()->text().isEmpty());
  panel.ComeBack();
  ASSERT_TRUE(panel.ok());
  ASSERT_TRUE(Connected(10'000));
  EXPECT_EQ(frame->dialogBarText()->text(), "KX700 simulator - Demo centrale");
  EXPECT_EQ(NewBoxes(), Boxes{});

  // --- 9. A last receive holds the configuration the technician made; the
  // saved file, opened anew (also from the recent files), holds it too.
  const std::vector<TaggedRecord> sent = RecordsOf(doc.configuration()); // as checked and sent
  host.Answer(MessageAnswer::Ok);
  Run(kCmdReceive);
  EXPECT_EQ(NewBoxes(), (Boxes{"Configuratie ontvangen: De actuele data zal overschreven worden.\n Wilt u doorgaan?",
                               "Configuratie ontvangen: " + kSuccess}));
  const Configuration received = doc.configuration();
  EXPECT_EQ(RecordsOf(received), sent);
  EXPECT_EQ(RecordsOf(received), PanelImage());
  EXPECT_FALSE(app->controller().modified());

  host.Answer(MessageAnswer::Ok); // the document's data goes
  Run(kCmdFileNew);
  EXPECT_FALSE(doc.HoldsData());
  EXPECT_EQ(frame->windowTitle(), "Naamloos - KX700 - configuratie");
  Run(kCmdFileOpen);
  EXPECT_EQ(frame->windowTitle(), "walk.qnd3 - KX700 - configuratie");
  EXPECT_EQ(RecordsOf(doc.configuration()), RecordsOf(made));
  {
    // Saved before sending, the file's edited records wait for their
    // checksums until the checks before the next send: with them, it is what
    // the panel holds.
    CPc_kx700Doc checked;
    checked.AdoptConfiguration(Configuration(doc.configuration()));
    test::FakeMessageHost quiet;
    EXPECT_TRUE(checked.CheckParameters(quiet));
    EXPECT_EQ(RecordsOf(checked.configuration()), RecordsOf(received));
  }
  QAction* recent = nullptr;
  for (QAction* a : frame->menuBar()->actions().front()->menu()->actions()) {
    if (a->text().endsWith(QStringLiteral("walk.qnd3"))) recent = a;
  }
  ASSERT_NE(recent, nullptr);
  host.Answer(MessageAnswer::Ok);
  Run(kCmdFileNew);
  recent->trigger();
  EXPECT_EQ(RecordsOf(doc.configuration()), RecordsOf(made));
  const Boxes cleared(2, "Aandacht 4: De actuele data zal gewist worden.\n Wilt u doorgaan?");
  EXPECT_EQ(NewBoxes(), cleared);

  // Afsluiten: nothing left open, back in supervision, the program ends.
  for (Kind kind : {Kind::AnalogValues, Kind::CardProgramming, Kind::ControlTest})
    EXPECT_EQ(frame->view()->serviceWindow(kind), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  Screenshot(*frame, "walk_end.png");
  Run(kCmdAppExit);
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(app->ExitInstance(), 0);
  EXPECT_EQ(settings.ProgramValue("Com_port"), "COM9");
  EXPECT_EQ(host.pendingAnswers(), 0u);
  EXPECT_EQ(NewBoxes(), Boxes{});
  // Each file dialog was asked once: Opslaan Als, the two exports, Open.
  EXPECT_EQ(files.named, (std::vector<std::string>{saved, dir.File("logboek.txt"), dir.File("logboek.xlsx"), saved}));
}

} // namespace
} // namespace kx700
