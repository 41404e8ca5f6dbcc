#pragma once

#include <string>

#include "app/application.h"
#include "support/fake_clock.h"
#include "support/fake_dialog_runner.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_settings.h"
#include "support/fake_shell_opener.h"

namespace kx700::test {

// Every seam of the application object to the window system, faked.
struct FakeSeams {
  FakeMessageHost host;
  FakeSettings settings;
  FakeClock clock;
  FakeFileDialogs files;
  FakeDialogRunner dialogs;
  FakeShellOpener shell;

  AppSeams seams() { return {host, settings, clock, files, dialogs, shell}; }
};

// Start-up without a window system.
struct NoStartup final : StartupHost {
  bool LoadTranslation(const std::string&) override { return true; }
  void LoadSystemTranslation(const std::string&) override {}
  void CreateMainWindow() override {}
  bool OpenDocumentFile(const std::string&) override { return true; }
  void ShowMainWindow() override {}
};

} // namespace kx700::test
