#pragma once

#include <string>

namespace kx700 {

// What start-up asks of the window system, in its order.
class StartupHost {
public:
  virtual ~StartupHost() = default;
  // Loads a translation file ("rc_700fr.qm") for the dialogs and menus.
  virtual bool LoadTranslation(const std::string& file) = 0;
  // The window system's own texts (standard buttons, file dialogs) in
  // `language` ("nl", "fr", "en", "cs"); where it has none they stay English.
  virtual void LoadSystemTranslation(const std::string& language) = 0;
  // Creates the main window with its view of the document.
  virtual void CreateMainWindow() = 0;
  // Opens a configuration file named on the command line; false (shown)
  // when it cannot be opened.
  virtual bool OpenDocumentFile(const std::string& path) = 0;
  virtual void ShowMainWindow() = 0;
};

} // namespace kx700
