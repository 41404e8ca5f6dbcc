#pragma once

#include "common/message_host.h"

class QWidget;

namespace kx700 {

inline MessageOwner OwnerOf(QWidget* window) { return MessageOwner{window}; }
inline QWidget* WindowOf(MessageOwner owner) { return static_cast<QWidget*>(owner.window); }

// Shows each box as a modal QMessageBox.
class QtMessageHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override;
};

} // namespace kx700
