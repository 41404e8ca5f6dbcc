#include "app/application.h"

#include <gtest/gtest.h>

#include "common/text_tables.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"

namespace kx700 {
namespace {

using test::FakePort;

class FakeStartup final : public StartupHost {
public:
  bool LoadTranslation(const std::string& file) override {
    log->push_back("translation " + file);
    loaded.push_back(file);
    return translationsPresent;
  }
  void LoadSystemTranslation(const std::string& language) override { systemLanguage = language; }
  void CreateMainWindow() override { log->push_back("main window"); }
  bool OpenDocumentFile(const std::string& path) override {
    log->push_back("open file " + path);
    return path.find("bad") == std::string::npos;
  }
  void ShowMainWindow() override { log->push_back("show"); }

  std::vector<std::string>* log = nullptr;
  std::vector<std::string> loaded;
  std::string systemLanguage;
  bool translationsPresent = true;
};

struct Program : test::FakeSeams {
  std::vector<std::string> log;
  FakePort* port = nullptr;
  FakeStartup startup;
  std::unique_ptr<CPc_kx700App> app;

  Program() {
    settings.log = &log;
    startup.log = &log;
    auto owned = std::make_unique<FakePort>();
    port = owned.get();
    port->log = &log;
    app = std::make_unique<CPc_kx700App>(seams(), std::move(owned));
  }
  ~Program() { SelectTextLanguage(TextLanguage::Dutch); }
};

TEST(Application, StartsUpInOrder) {
  Program p;
  p.settings.program = {{"Language", "FR"}, {"Com_port", "COM3"}};
  p.settings.recent = {"/a.qnd3", "/b.qnd3", "/c.qnd3", "/d.qnd3", "/e.qnd3"};
  ASSERT_TRUE(p.app->InitInstance(p.startup, {"/work/x.qnd3"}));
  EXPECT_EQ(p.log,
            (std::vector<std::string>{"read Language", "translation rc_700fr.qm", "read Com_port", "open COM3 9600",
                                      "recent files", "main window", "open file /work/x.qnd3", "show"}));
  EXPECT_EQ(p.app->controller().recentFiles().size(), 4u);
  EXPECT_TRUE(p.host.boxes().empty());
}

TEST(Application, AFileThatCannotBeOpenedEndsStartUp) {
  Program p;
  EXPECT_FALSE(p.app->InitInstance(p.startup, {"/bad.qnd3"}));
  EXPECT_EQ(p.log.back(), "open file /bad.qnd3");
}

TEST(Application, LanguageChoice) {
  struct Case {
    std::optional<std::string> value;
    bool filePresent;
    std::string translation; // loaded, or "" for none
    const char* faultWord;   // the message tables in use
    std::string box;         // a box shown, or ""
    std::string system;      // the language of the standard buttons and file dialogs
  };
  const Case cases[] = {
      {"FR", true, "rc_700fr.qm",
       "D\xE9"
       "faut",
       "", "fr"},
      {"EN", true, "rc_700en.qm", "Fault", "", "en"},
      {"CZ", true, "rc_700cz.qm", "Fout", "", "cs"}, // Czech dialogs, Dutch messages
      {"fr", true, "", "Fout", "", "nl"},
      {"FRA", true, "", "Fout", "", "nl"},
      {"DE", true, "", "Fout", "", "nl"},
      {std::nullopt, true, "", "Fout", "", "nl"},
      {"FR", false, "rc_700fr.qm", "Fout", "Cannot load rc_700fr.qm.", "nl"},
      {"CZ", false, "rc_700cz.qm", "Fout", "Cannot load rc_700cz.qm.", "nl"},
  };
  for (const auto& c : cases) {
    Program p;
    if (c.value) p.settings.program["Language"] = *c.value;
    p.startup.translationsPresent = c.filePresent;
    p.app->LoadLanguage(p.startup);
    const std::string label = c.value.value_or("(none)");
    EXPECT_EQ(p.startup.loaded.empty() ? "" : p.startup.loaded[0], c.translation) << label;
    EXPECT_STREQ(GetFault(0), c.faultWord) << label;
    EXPECT_EQ(p.startup.systemLanguage, c.system) << label;
    if (c.box.empty()) {
      EXPECT_TRUE(p.host.boxes().empty()) << label;
    } else {
      ASSERT_EQ(p.host.boxes().size(), 1u) << label;
      EXPECT_EQ(p.host.boxes()[0].text, c.box);
      EXPECT_EQ(p.host.boxes()[0].caption, "Error");
      EXPECT_EQ(p.host.boxes()[0].icon, MessageIcon::Exclamation);
    }
  }
}

TEST(Application, PortSetting) {
  struct Case {
    std::optional<std::string> value;
    int port;
  };
  const Case cases[] = {{"COM3", 3},  {"COM99", 99}, {"COM0", 1},           {"COM100", 1},
                        {"COM7x", 7}, {"XCOM3", 1},  {"com3", 1},           {std::nullopt, 1},
                        {"COM", 1},   {"COM-2", 1},  {"COM12345678901", 1}, {"COM99999999999999999", 1}};
  for (const auto& c : cases) {
    Program p;
    if (c.value) p.settings.program["Com_port"] = *c.value;
    p.app->ReadComPortSetting();
    EXPECT_EQ(p.app->engine().requestedPort(), c.port) << c.value.value_or("(none)");
    EXPECT_EQ(p.app->engine().activePort(), c.port);
    EXPECT_EQ(p.app->engine().activeBaud(), 9600);
    EXPECT_EQ(p.port->openedPort, c.port);
  }
}

TEST(Application, WritesThePortInUseAtExit) {
  Program p;
  p.settings.program["Com_port"] = "COM2";
  ASSERT_TRUE(p.app->InitInstance(p.startup, {}));
  p.app->engine().RequestPort(6, 9600); // changed in the communication settings and reopened
  p.app->OnIdle();
  p.app->ExitInstance();
  EXPECT_EQ(p.settings.program["Com_port"], "COM6");
  p.app->engine().RequestPort(150, 9600);
  p.app->OnIdle();
  p.app->ExitInstance();
  EXPECT_EQ(p.settings.program["Com_port"], "COM1");

  p.settings.writable = false;
  testing::internal::CaptureStderr();
  p.app->ExitInstance();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("COM1"), std::string::npos);
}

TEST(Application, PanelVersionComesFromTheIdentification) {
  Program p;
  int major = 9, minor = 9;
  EXPECT_FALSE(p.app->GetPanelVersion(major, minor));
  EXPECT_EQ(major, 0);
  EXPECT_FALSE(p.app->GetStoredPanelVersion());
  EXPECT_EQ(p.app->GetConfigurationVersion(), (VersionTriple{1, 2, 2}));

  PanelIdentification panel;
  panel.firmwareMajor = 1;
  panel.firmwareMinor = 0;
  panel.minimumProgramMinor = 1;
  p.app->engine().PanelIdentified(panel);
  EXPECT_TRUE(p.app->GetPanelVersion(major, minor));
  EXPECT_EQ(p.app->GetStoredPanelVersion(), (VersionTriple{1, 0, 1}));
  EXPECT_EQ(p.app->GetConfigurationVersion(), (VersionTriple{1, 0, 1}));
  EXPECT_FALSE(p.app->CompareVersion(1, 1, kVersionAtLeast));
  EXPECT_TRUE(p.app->CheckVersionCompatibility(VersionCheckForm::Panel));

  panel.minimumProgramMinor = 4;
  p.app->engine().PanelIdentified(panel);
  EXPECT_FALSE(p.app->CheckVersionCompatibility(VersionCheckForm::Panel));
  ASSERT_EQ(p.host.boxes().size(), 1u);
  EXPECT_EQ(p.host.boxes()[0].caption, "Fout 19");
  EXPECT_EQ(p.host.boxes()[0].text,
            "PC-Zenvik is verouderd!\nControleer de versienummers.\n\nCentrale: 1.00\nPC-Zenvik: 1.02\n"
            "Minimum vereiste versie PC-Zenvik: 1.04\n\nEr is geen parameter overdracht.");
}

} // namespace
} // namespace kx700
