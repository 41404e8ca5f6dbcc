#include "app/qt/qt_startup_host.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <cstdlib>

#include "app/qt/main_frame.h"
#include "app/qt/qt_file_dialog_host.h"
#include "app/qt/qt_settings_store.h"
#include "common/qt/qt_message_host.h"
#include "link/qt/communication_settings_dialog.h"
#include "support/fake_dialog_runner.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_shell_opener.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::Screenshot;

TEST(QtSettings, LiveInTheUsersConfigFolder) {
  // The test program points XDG_CONFIG_HOME at a folder of its own.
  const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
  ASSERT_FALSE(config.isEmpty());
  ASSERT_NE(config, QDir::homePath() + "/.config");

  QtSettingsStore store;
  EXPECT_TRUE(store.SetProgramValue("Com_port", "COM4"));
  EXPECT_EQ(store.ProgramValue("Com_port"), "COM4");
  EXPECT_FALSE(store.ProgramValue("Language"));
  store.SetRecentFiles({"/x/a.qnd3", "/x/b.qnd3"});
  EXPECT_EQ(store.RecentFiles(), (std::vector<std::string>{"/x/a.qnd3", "/x/b.qnd3"}));

  EXPECT_TRUE(QFile::exists(config + "/Quendar/kx700 1.conf"));
  EXPECT_TRUE(QFile::exists(config + "/Quendar/pc_kx700.conf"));
  QFile file(config + "/Quendar/kx700 1.conf");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains("[1.00]")) << text.toStdString();
  EXPECT_TRUE(text.contains("Com_port=COM4")) << text.toStdString();
}

struct QtProgram {
  test::FakeMessageHost host;
  QtSettingsStore settings;
  test::FakeFileDialogs files;
  test::FakeDialogRunner dialogs;
  test::FakeShellOpener shell;
  CPc_kx700App app{{host, settings, SystemClock::Instance(), files, dialogs, shell},
                   std::make_unique<test::FakePort>()};
  QtStartupHost startup{app};
};

TEST(QtStartup, TranslationsComeFromBesideTheProgram) {
  QtProgram p;
  EXPECT_FALSE(p.startup.LoadTranslation("rc_700xx.qm"));
  ASSERT_TRUE(p.startup.LoadTranslation("rc_700fr.qm"));
  Ccommunication_settings dialog(1, 9600);
  EXPECT_EQ(dialog.windowTitle(), "Communication");
}

// The standard buttons of the program's message boxes and the file dialogs
// speak the language of its dialogs: Dutch by default, French when chosen.
TEST(QtStartup, ButtonsAndFileDialogsSpeakTheProgramsLanguage) {
  QtProgram p;
  p.startup.LoadSystemTranslation("nl");
  QtMessageHost boxes;
  QStringList buttons;
  test::WhenModalShows<QMessageBox>([&](QMessageBox& box) {
    buttons = {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
    Screenshot(box, "message_box_dutch.png");
    box.button(QMessageBox::No)->click();
  });
  EXPECT_EQ(boxes.Show({"Wenst u deze parameters te versturen?",
                        "Aandacht 10",
                        MessageButtons::YesNo,
                        MessageIcon::Exclamation,
                        {}}),
            MessageAnswer::No);
  EXPECT_EQ(buttons, (QStringList{"&Ja", "&Nee"}));

  p.startup.LoadSystemTranslation("fr");
  QtFileDialogHost files;
  QString accept, cancel;
  test::WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    accept = box->button(QDialogButtonBox::Save)->text();
    cancel = box->button(QDialogButtonBox::Cancel)->text();
    Screenshot(dialog, "save_dialog_french.png");
    dialog.reject();
  });
  EXPECT_FALSE(files.SaveConfigurationFile("/tmp/a.qnd3"));
  EXPECT_EQ(accept, "&Enregistrer");
  EXPECT_EQ(cancel, "Annuler");

  p.startup.LoadSystemTranslation("xx"); // none: the French stay
  EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Annuler");
}

// Save As asks before it replaces a file, and about the file it writes: a
// name typed without a suffix is asked about with .qnd3, and No keeps the
// dialog open.
TEST(QtStartup, SaveAsAsksAboutTheFileItWrites) {
  test::TempDir dir;
  const std::string existing = dir.File("plan.qnd3");
  test::TempDir::Write(existing, {'o', 'l', 'd'});
  QtFileDialogHost files;
  QStringList asked;
  test::WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    EXPECT_EQ(name->text(), "nieuw.qnd3"); // the suggested file
    name->setText(QStringLiteral("plan"));
    QPushButton* save = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
    test::WhenModalShows<QMessageBox>([&](QMessageBox& no) {
      asked << no.text();
      no.button(QMessageBox::No)->click();
      test::WhenModalShows<QMessageBox>([&](QMessageBox& yes) {
        asked << yes.text();
        yes.button(QMessageBox::Yes)->click();
      });
      save->click();
    });
    save->click();
  });
  EXPECT_EQ(files.SaveConfigurationFile(dir.File("nieuw.qnd3")), existing);
  ASSERT_EQ(asked.size(), 2);
  EXPECT_TRUE(asked[0].contains("plan.qnd3")) << asked[0].toStdString();
}

TEST(QtStartup, OpensTheFileNamedOnTheCommandLine) {
  test::TempDir dir;
  const std::string good = dir.File("good.qnd3");
  const std::string bad = dir.File("bad.qnd3");
  {
    CPc_kx700Doc doc;
    doc.loops.emplace_back().SetByte(LoopRecord::kNumber, 5);
    ASSERT_TRUE(doc.WriteFile(good, *std::make_unique<test::FakeMessageHost>()));
  }
  test::TempDir::Write(bad, {'"', 'X', '"', '\r', '\n'});

  QtProgram p;
  ASSERT_TRUE(p.app.InitInstance(p.startup, {good}));
  ASSERT_NE(p.startup.mainFrame(), nullptr);
  EXPECT_TRUE(p.startup.mainFrame()->isVisible());
  ASSERT_EQ(p.app.document().loops.size(), 1u);
  EXPECT_EQ(p.app.document().loops.front().Number(), 5);

  QtProgram q;
  EXPECT_FALSE(q.app.InitInstance(q.startup, {bad}));
  ASSERT_EQ(q.host.boxes().size(), 1u);
  EXPECT_EQ(q.host.boxes()[0].caption, "Fout 8");
  EXPECT_TRUE(q.startup.mainFrame() == nullptr || !q.startup.mainFrame()->isVisible());
}

} // namespace
} // namespace kx700
