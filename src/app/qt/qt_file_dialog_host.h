#pragma once

#include "app/file_dialog_host.h"

class QWidget;

namespace kx700 {

class QtFileDialogHost final : public FileDialogHost {
public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> OpenConfigurationFile() override;
  std::optional<std::string> SaveConfigurationFile(const std::string& suggested) override;

private:
  QWidget* parent_ = nullptr;
};

} // namespace kx700
