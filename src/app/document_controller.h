#pragma once

#include <functional>
#include <string>
#include <vector>

#include "session/file_dialog_host.h"
#include "app/settings_store.h"
#include "common/message_host.h"
#include "model/document.h"

namespace kx700 {

// New, Open, Save As and the recent files of the one document, with the
// questions before data is lost. Opening and saving are whole or nothing: a
// refused file or a failed save leaves the document, its path, its modified
// state and the recent files as they were.
class DocumentController {
public:
  static constexpr std::size_t kRecentFiles = 4;

  DocumentController(CPc_kx700Doc& document, MessageHost& host, FileDialogHost& dialogs, SettingsStore& settings);

  bool OnFileNew();
  bool OnFileOpen();
  // Opens a file (from the recent list or the command line) with the same
  // questions as Open.
  bool OpenDocumentFile(const std::string& path);
  bool OnFileSaveAs();
  // Before the program ends: false when the user wants to stay.
  bool CanClose() { return SaveModified(); }

  // A configuration received from the panel replaces the document's; the
  // file name stays, without a new recent entry.
  void AdoptReceivedConfiguration(Configuration&& configuration);

  void SetModified(bool modified);
  bool modified() const { return modified_; }
  const std::string& path() const { return path_; }
  // The file name shown in the title; empty for a new document.
  std::string DocumentName() const;
  const std::vector<std::string>& recentFiles() const { return recent_; }

  // Called whenever the title or the recent files change.
  std::function<void()> onChanged;

private:
  // A modified document asks whether to save it first: false to stop.
  bool SaveModified();
  bool SaveTo(const std::string& path);
  void AddRecent(const std::string& path);
  void Changed() {
    if (onChanged) onChanged();
  }

  CPc_kx700Doc& document_;
  MessageHost& host_;
  FileDialogHost& dialogs_;
  SettingsStore& settings_;
  std::string path_;
  bool modified_ = false;
  std::vector<std::string> recent_;
};

} // namespace kx700
