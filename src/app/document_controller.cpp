#include "app/document_controller.h"

#include <algorithm>
#include <filesystem>

#include "common/message_box.h"

namespace kx700 {
namespace {

constexpr int kQuestionErase = 4;
constexpr int kQuestionOverwrite = 1;
constexpr int kQuestionSave = 9;
constexpr const char* kExtension = ".qnd3";

} // namespace

DocumentController::DocumentController(CPc_kx700Doc& document, MessageHost& host, FileDialogHost& dialogs,
                                       SettingsStore& settings)
    : document_(document), host_(host), dialogs_(dialogs), settings_(settings), recent_(settings.RecentFiles()) {
  if (recent_.size() > kRecentFiles) recent_.resize(kRecentFiles);
}

bool DocumentController::SaveModified() {
  if (!modified_) return true;
  switch (ShowQuestion(host_, kQuestionSave, {MessageButtons::YesNoCancel, MessageIcon::Exclamation})) {
    case MessageAnswer::Yes: return path_.empty() ? OnFileSaveAs() : SaveTo(path_);
    case MessageAnswer::No: return true;
    default: return false;
  }
}

bool DocumentController::OnFileNew() {
  if (!SaveModified()) return false;
  if (document_.HoldsData() && ShowQuestion(host_, kQuestionErase) != MessageAnswer::Ok) return false;
  document_.ClearParameters();
  path_.clear();
  modified_ = false;
  Changed();
  return true;
}

bool DocumentController::OnFileOpen() {
  const auto path = dialogs_.OpenConfigurationFile();
  return path && OpenDocumentFile(*path);
}

bool DocumentController::OpenDocumentFile(const std::string& path) {
  if (!SaveModified()) return false;
  if (document_.HoldsData() && ShowQuestion(host_, kQuestionOverwrite) != MessageAnswer::Ok) return false;
  if (!document_.ReadFile(path, host_)) return false;
  path_ = path;
  modified_ = false;
  AddRecent(path);
  Changed();
  return true;
}

bool DocumentController::OnFileSaveAs() {
  auto path = dialogs_.SaveConfigurationFile(path_);
  if (!path) return false;
  if (std::filesystem::path(*path).extension().empty()) *path += kExtension;
  return SaveTo(*path);
}

bool DocumentController::SaveTo(const std::string& path) {
  if (!document_.WriteFile(path, host_)) return false;
  path_ = path;
  modified_ = false;
  AddRecent(path);
  Changed();
  return true;
}

void DocumentController::AdoptReceivedConfiguration(Configuration&& configuration) {
  document_.AdoptConfiguration(std::move(configuration));
  modified_ = false;
  Changed();
}

void DocumentController::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  Changed();
}

std::string DocumentController::DocumentName() const {
  return path_.empty() ? std::string() : std::filesystem::path(path_).filename().string();
}

void DocumentController::AddRecent(const std::string& path) {
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
  const std::string entry = error ? path : absolute;
  recent_.erase(std::remove(recent_.begin(), recent_.end(), entry), recent_.end());
  recent_.insert(recent_.begin(), entry);
  if (recent_.size() > kRecentFiles) recent_.resize(kRecentFiles);
  settings_.SetRecentFiles(recent_);
}

} // namespace kx700
