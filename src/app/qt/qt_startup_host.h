#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

#include "app/application.h"
#include "app/startup_host.h"

namespace kx700 {

class CMainFrame;
class LinkEngineTimer;

// Start-up's window-system side: the translation of dialogs and menus, the
// main window, the file named on the command line.
class QtStartupHost final : public StartupHost {
public:
  explicit QtStartupHost(CPc_kx700App& app);
  ~QtStartupHost() override;

  bool LoadTranslation(const std::string& file) override;
  void LoadSystemTranslation(const std::string& language) override;
  void CreateMainWindow() override;
  bool OpenDocumentFile(const std::string& path) override;
  void ShowMainWindow() override;

  CMainFrame* mainFrame() const { return frame_.get(); }

  // Where translation files are looked for: beside the program, then in its
  // installed share folder.
  static QStringList TranslationFolders();

private:
  CPc_kx700App& app_;
  std::unique_ptr<QTranslator> translator_;
  std::unique_ptr<QTranslator> systemTranslator_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<LinkEngineTimer> engine_;
};

} // namespace kx700
