#include "common/error_mess.h"

#include "common/text_tables.h"

namespace kx700 {

CError_Mess::CError_Mess() = default;
CError_Mess::~CError_Mess() = default;

const std::string& CError_Mess::ErrorCaption(int number, const char* text) {
  return Build(GetFault(kCaptionWordEntry), number, text);
}

const std::string& CError_Mess::QuestionCaption(int number, const char* text) {
  return Build(GetMessage(kCaptionWordEntry), number, text);
}

const std::string& CError_Mess::Build(const char* word, int number, const char* text) {
  // The caption word is looked up anew each time so that it follows the active
  // language. The caption grows as needed: no text is ever cut.
  caption_ = OrEmpty(word);
  caption_ += ' ';
  caption_ += std::to_string(number);
  if (text) {
    caption_ += " : ";
    caption_ += text;
  }
  return caption_;
}

} // namespace kx700
