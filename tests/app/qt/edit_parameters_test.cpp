#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "app/application.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_dialog_runner.h"
#include "common/text_helpers.h"
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/central_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/dossier_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/number_dialog.h"
#include "editor/qt/parameter_sheet.h"
#include "model/model_fixtures.h"
#include "panelsim/parameter_image.h"
#include "support/app_bench.h"
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

// The program with its real parameter sheet; files and boxes faked.
struct Program {
  test::FakeMessageHost host;
  test::FakeSettings settings;
  test::FakeFileDialogs files;
  QtDialogRunner dialogs{{}};
  test::FakeShellOpener shell;
  test::NoStartup startup;
  CPc_kx700App app{{host, settings, SystemClock::Instance(), files, dialogs, shell},
                   std::make_unique<test::FakePort>()};
  std::unique_ptr<CMainFrame> frame;
  Program() {
    app.InitInstance(startup, {});
    frame = std::make_unique<CMainFrame>(app);
    dialogs.SetParent(frame.get());
    frame->show();
  }
};

// Writes the fullest configuration into a file.
bool WriteFullConfiguration(const std::string& path) {
  CPc_kx700Doc source;
  source.AdoptConfiguration(test::MakeFullConfiguration());
  test::FakeMessageHost quiet;
  return source.WriteFile(path, quiet);
}

TEST(EditParameters, ALoopChangedInTheSheetIsSavedAndNothingElseChanges) {
  test::TempDir dir;
  const std::string original = (dir.path() / "full.qnd3").string();
  const std::string edited = (dir.path() / "edited.qnd3").string();
  ASSERT_TRUE(WriteFullConfiguration(original));
  Program p;
  ASSERT_TRUE(p.app.controller().OpenDocumentFile(original));
  Configuration expected = p.app.document().configuration();
  ASSERT_TRUE(p.frame->action(kCmdEditParameters)->isEnabled());

  bool shown = false;
  test::WhenModalShows<CParameterSheet>([&shown](CParameterSheet& sheet) {
    shown = true;
    EXPECT_EQ(sheet.windowTitle().toStdString().rfind("Parameters - ", 0), 0u);
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Loops));
    auto* page = static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
    ASSERT_NE(page, nullptr);
    qobject_cast<QLineEdit*>(page->control(loop_ids::kName))->setText("Gewijzigd");
    sheet.accept();
  });
  p.frame->action(kCmdEditParameters)->trigger();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(p.app.controller().modified());

  p.files.script.push_back(edited);
  ASSERT_TRUE(p.app.controller().OnFileSaveAs());
  CPc_kx700Doc readBack;
  ASSERT_TRUE(readBack.ReadFile(edited, p.host));

  // The edited loop is written whole from the page: its checksum byte is left
  // for the checks before sending, as every edited record's is.
  LoopRecord& loop = expected.loops.front();
  loop.SetText(LoopRecord::kName, LoopRecord::kNameWidth, "Gewijzigd");
  loop.SetByte(LoopRecord::kChecksum, 0);
  // The relay texts come back from the sheet in module order, numbered anew.
  RelayTextCopy relayTexts;
  relayTexts.LoadFromDocument(expected.relayTexts);
  relayTexts.SaveToDocument(expected.relayTexts);
  EXPECT_TRUE(readBack.loops == expected.loops);
  EXPECT_TRUE(readBack.configuration() == expected);
  EXPECT_TRUE(p.host.boxes().empty());
}

// Received from the panel, a control row and an action text changed in the
// sheet, sent back: the panel holds those two changes and nothing else.
TEST(EditParameters, ChangesMadeInTheSheetReachThePanelAndNothingElse) {
  test::AppBench b;
  b.panel.SetProgramCardsAfterDownload(false);
  b.RunFor(100);
  ASSERT_TRUE(b.app->session().connected());
  ASSERT_TRUE(b.app->Dispatch(kCmdReceive));
  const auto before = panelsim::ReadImage(b.panel.state().image);
  ASSERT_TRUE(before);

  b.dialogs.parameterSheet = [](ParameterEditor& editor) {
    CParameterSheet sheet(editor);
    sheet.show();
    // Acties comes first: the base relays' second output gets another text.
    auto* actions = static_cast<Crel_info*>(sheet.page(EditorPageKind::Actions));
    ASSERT_NE(actions, nullptr);
    qobject_cast<QLineEdit*>(actions->control(action_ids::Text(1)))->setText("Sirene zolder");
    // Sturingen: to control 4 by its number, and its second row switches
    // relay 5 of card 1 on a fault.
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Controls));
    auto* controls = static_cast<Ccontrol*>(sheet.page(EditorPageKind::Controls));
    test::WhenModalShows<Cadd>([](Cadd& dialog) {
      dialog.edit()->setText("4");
      QTest::keyClick(dialog.edit(), Qt::Key_Return);
    });
    QTest::mouseClick(controls->navigationButton(nav_ids::kChooseNumber), Qt::LeftButton);
    ASSERT_EQ(qobject_cast<QLabel*>(controls->control(control_ids::kNumber))->text(), "4");
    auto* event = qobject_cast<QComboBox*>(controls->control(control_ids::Event(1)));
    event->setCurrentIndex(event->findText("Storing"));
    qobject_cast<QComboBox*>(controls->control(control_ids::Module(1)))->setCurrentIndex(1);
    qobject_cast<QComboBox*>(controls->control(control_ids::Address(1)))->setCurrentIndex(0);
    QTest::mouseClick(controls->control(control_ids::Relay(1, 4)), Qt::LeftButton);
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
  };
  ASSERT_TRUE(b.app->Dispatch(kCmdEditParameters));
  ASSERT_EQ(b.dialogs.parameterSheets, 1);
  b.host.Answer(MessageAnswer::Ok); // the panel's configuration is overwritten
  ASSERT_TRUE(b.app->Dispatch(kCmdSend));
  EXPECT_EQ(b.host.boxes().back().text, "Transmissie succesvol!");

  const auto after = panelsim::ReadImage(b.panel.state().image);
  ASSERT_TRUE(after);
  ASSERT_EQ(after->size(), before->size());
  std::vector<panelsim::ImageRecord> changed;
  for (std::size_t i = 0; i < after->size(); ++i) {
    const auto& was = (*before)[i].bytes;
    const auto& is = (*after)[i].bytes;
    EXPECT_EQ((*after)[i].tag, (*before)[i].tag);
    // Every record reaches the panel with its checksum right.
    EXPECT_EQ(is.at(0), XorChecksum7(std::vector<std::uint8_t>(is.begin() + 1, is.end())));
    if (std::vector<std::uint8_t>(was.begin() + 1, was.end()) != std::vector<std::uint8_t>(is.begin() + 1, is.end()))
      changed.push_back((*after)[i]);
  }
  ASSERT_EQ(changed.size(), 2u);
  EXPECT_EQ(changed[0].tag, panelsim::tag::kControl);
  EXPECT_EQ(changed[0].bytes.at(ControlRecord::kNumber), 4);
  const std::size_t row = ControlRecord::EventOffset(1);
  EXPECT_EQ(std::vector<std::uint8_t>(changed[0].bytes.begin() + row, changed[0].bytes.begin() + row + 7),
            (std::vector<std::uint8_t>{8, 1, 0, 1, 0x01, 0, 0}));
  EXPECT_EQ(changed[1].tag, panelsim::tag::kRelayText);
  RelayTextRecord texts;
  std::copy(changed[1].bytes.begin(), changed[1].bytes.end(), texts.bytes.begin());
  EXPECT_EQ(texts.OutputText(1), "Sirene zolder");
  EXPECT_EQ(texts.OutputText(0), "Sirene 1");
}

// A new document made on every page of the sheet: saved, read back and
// checked without a fault, then sent to the panel and received back as it was.
TEST(EditParameters, ANewDocumentMadeOnEveryPagePassesTheChecksAndTheRoundTrip) {
  test::TempDir dir;
  const std::string path = (dir.path() / "nieuw.qnd3").string();
  test::AppBench b;
  b.clock.SetNow({2026, 12, 10, 9, 0, 0, 4});
  b.panel.SetProgramCardsAfterDownload(false);
  b.RunFor(100);
  ASSERT_TRUE(b.app->session().connected());

  b.dialogs.parameterSheet = [](ParameterEditor& editor) {
    CParameterSheet sheet(editor);
    sheet.show();
    ASSERT_EQ(sheet.tabBar()->count(), 5);
    const auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
    const auto type = [](QWidget* w, const char* text) { qobject_cast<QLineEdit*>(w)->setText(text); };

    // Acties: the base relays, output 4 named.
    auto* actions = static_cast<Crel_info*>(sheet.page(EditorPageKind::Actions));
    click(actions->navigationButton(nav_ids::kAdd));
    click(actions->control(action_ids::Output(3)));
    type(actions->control(action_ids::Text(3)), "Sirene hal");

    // Sturingen: a general control on relay 4 that also drives the fail-safe
    // relay 8 on a fault, and a loop control on relay 5.
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Controls));
    auto* controls = static_cast<Ccontrol*>(sheet.page(EditorPageKind::Controls));
    const auto row = [&](int r, const char* event, int relay) {
      auto* events = qobject_cast<QComboBox*>(controls->control(control_ids::Event(r)));
      events->setCurrentIndex(events->findText(event));
      click(controls->control(control_ids::Relay(r, relay)));
    };
    click(controls->navigationButton(nav_ids::kAdd));
    row(0, "Alarm", 3);
    row(1, "Storing", 7);
    click(controls->navigationButton(nav_ids::kAdd));
    row(0, "Alarm", 4);

    // Algemeen: the panel's name; the general control is taken by itself.
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::General));
    auto* general = static_cast<Ccentral*>(sheet.page(EditorPageKind::General));
    type(general->control(central_ids::kPanelName), "Nieuwe centrale");
    EXPECT_EQ(qobject_cast<QComboBox*>(general->control(central_ids::kGeneralControl))->currentText(), "1 Sturing 1");

    // Lus: one loop on the loop control.
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Loops));
    auto* loops = static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
    click(loops->navigationButton(nav_ids::kAdd));
    auto* loopControl = qobject_cast<QComboBox*>(loops->control(loop_ids::kLoopControl));
    loopControl->setCurrentIndex(loopControl->findText("2 Sturing 2"));

    // Dossier: customer and technician; the date shown is today's.
    ASSERT_TRUE(sheet.RequestPage(EditorPageKind::Dossier));
    auto* dossier = static_cast<Cdocu*>(sheet.page(EditorPageKind::Dossier));
    type(dossier->control(dossier_ids::kCustomer), "Nieuwe klant");
    type(dossier->control(dossier_ids::kTechnician), "Jan Janssens");
    EXPECT_EQ(dossier->dateEdit()->date(), QDate(2026, 12, 10));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
  };
  ASSERT_TRUE(b.app->Dispatch(kCmdEditParameters));
  EXPECT_TRUE(b.app->controller().modified());
  ASSERT_TRUE(b.host.boxes().empty()) << b.host.boxes().front().text;

  b.files.script.push_back(path);
  ASSERT_TRUE(b.app->controller().OnFileSaveAs());
  CPc_kx700Doc saved;
  test::FakeMessageHost checks;
  ASSERT_TRUE(saved.ReadFile(path, checks));
  const Configuration& made = b.app->document().configuration();
  EXPECT_TRUE(saved.loops == made.loops && saved.controls == made.controls && saved.relayTexts == made.relayTexts &&
              saved.central == made.central && saved.fixedBlocks == made.fixedBlocks);
  EXPECT_TRUE(saved.CheckParameters(checks));
  for (const auto& box : checks.boxes()) ADD_FAILURE() << box.caption << ": " << box.text;

  b.host.Answer(MessageAnswer::Ok); // the panel's configuration is overwritten
  ASSERT_TRUE(b.app->Dispatch(kCmdSend));
  EXPECT_EQ(b.host.boxes().back().text, "Transmissie succesvol!");
  const Configuration sent = b.app->document().configuration();
  b.RunFor(5'100); // the panel restarts and is identified again
  ASSERT_TRUE(b.app->session().connected());
  b.host.Answer(MessageAnswer::Ok); // the document's data is overwritten
  ASSERT_TRUE(b.app->Dispatch(kCmdReceive));
  Configuration received = b.app->document().configuration();
  received.sourcePanelNumber = sent.sourcePanelNumber;
  received.version = sent.version;
  EXPECT_TRUE(received.loops == sent.loops);
  EXPECT_TRUE(received.controls == sent.controls);
  EXPECT_TRUE(received.relayTexts == sent.relayTexts);
  EXPECT_TRUE(received.central == sent.central);
  EXPECT_TRUE(received.fixedBlocks.customer == sent.fixedBlocks.customer);
  EXPECT_TRUE(received.fixedBlocks.installation == sent.fixedBlocks.installation);
}

// While the sheet is open a menu entry that a screen reader triggers (the
// window system keeps the user from the menus) does nothing: no second sheet
// opens on the document, and no other file takes its place.
TEST(EditParameters, NoMenuEntryRunsWhileTheSheetIsOpen) {
  test::TempDir dir;
  const std::string other = (dir.path() / "other.qnd3").string();
  ASSERT_TRUE(WriteFullConfiguration(other));
  Program p;
  ASSERT_TRUE(p.app.controller().OpenDocumentFile(other));
  p.host.Answer(MessageAnswer::Ok); // the data of the file are to go
  ASSERT_TRUE(p.app.controller().OnFileNew());
  const std::size_t boxes = p.host.boxes().size();
  QAction* recent = nullptr;
  for (QAction* a : p.frame->findChildren<QAction*>()) {
    if (a->text().endsWith(QStringLiteral("other.qnd3"))) recent = a;
  }
  ASSERT_NE(recent, nullptr);

  int sheets = 0;
  int others = 0;
  test::WhenModalShows<CParameterSheet>([&](CParameterSheet& sheet) {
    ++sheets;
    // A second sheet, if one came, is closed again so that the test goes on.
    QTimer::singleShot(100, &sheet, [&sheet, &others] {
      if (auto* second = qobject_cast<CParameterSheet*>(QApplication::activeModalWidget()); second != &sheet) {
        ++others;
        if (second) second->reject();
      }
    });
    p.frame->action(kCmdEditParameters)->trigger();
    recent->trigger();
    p.frame->action(kCmdFileNew)->trigger();
    QTest::qWait(200);
    sheet.reject();
  });
  p.frame->action(kCmdEditParameters)->trigger();
  EXPECT_EQ(sheets, 1);
  EXPECT_EQ(others, 0);
  EXPECT_EQ(p.app.controller().path(), "");
  EXPECT_EQ(p.host.boxes().size(), boxes);
  // Once it has closed, the menus work again.
  p.host.Answer(MessageAnswer::Ok);
  recent->trigger();
  EXPECT_EQ(p.app.controller().path(), other);
}

} // namespace
} // namespace kx700
