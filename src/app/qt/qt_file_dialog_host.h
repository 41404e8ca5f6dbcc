#pragma once

#include <QPointer>
#include <QWidget>

#include "session/file_dialog_host.h"

namespace kx700 {

class QtFileDialogHost final : public FileDialogHost {
public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> OpenConfigurationFile() override;
  std::optional<std::string> SaveConfigurationFile(const std::string& suggested) override;
  std::optional<std::string> SaveExportFile(ExportFile kind) override;

private:
  QPointer<QWidget> parent_;
};

} // namespace kx700
