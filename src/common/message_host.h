#pragma once

#include <string>

namespace kx700 {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The window a box belongs to (a QWidget in the program); none by default.
struct MessageOwner {
  void* window = nullptr;
  bool operator==(const MessageOwner&) const = default;
};

// One message box. Text and caption are code page 1252, as the text tables
// hold them.
struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  MessageOwner owner;
};

// Shows message boxes. The core builds every text and caption and asks here;
// only the Qt implementation puts a box on the screen.
class MessageHost {
public:
  virtual ~MessageHost() = default;
  // Shows the box modally and returns the button the user chose. Closing the
  // box without a button gives Cancel, or No when there is no Cancel button,
  // or Ok for a box with only OK.
  virtual MessageAnswer Show(const MessageBoxRequest& request) = 0;
};

} // namespace kx700
