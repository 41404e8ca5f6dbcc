#include "common/message_box.h"

#include <cassert>

#include "common/error_mess.h"
#include "common/text_tables.h"

namespace kx700 {

std::optional<QuestionStyle> StandardQuestionStyle(int question) {
  switch (question) {
    case 1:
    case 4: return QuestionStyle{MessageButtons::OkCancel, MessageIcon::Question};
    case 3: return QuestionStyle{MessageButtons::Ok, MessageIcon::Exclamation};
    case 7:
    case 10:
    case 11:
    case 13: return QuestionStyle{MessageButtons::YesNo, MessageIcon::Exclamation};
    case 12: return QuestionStyle{MessageButtons::YesNo, MessageIcon::Question};
    default: return std::nullopt;
  }
}

void ShowFault(MessageHost& host, int fault, MessageOwner owner) {
  CError_Mess mess;
  ShowFaultWithCaption(host, fault, mess.ErrorCaption(fault).c_str(), owner);
}

void ShowFaultWithCaption(MessageHost& host, int fault, const char* caption, MessageOwner owner) {
  host.Show({OrEmpty(GetFault(fault)), OrEmpty(caption), MessageButtons::Ok, MessageIcon::Error, owner});
}

MessageAnswer ShowQuestion(MessageHost& host, int question, QuestionStyle style, MessageOwner owner) {
  CError_Mess mess;
  return host.Show({OrEmpty(GetMessage(question)), mess.QuestionCaption(question), style.buttons, style.icon, owner});
}

MessageAnswer ShowQuestion(MessageHost& host, int question, MessageOwner owner) {
  const auto style = StandardQuestionStyle(question);
  assert(style && "question without a standard style: pass its style");
  return ShowQuestion(host, question, style.value_or(QuestionStyle{MessageButtons::OkCancel, MessageIcon::Question}),
                      owner);
}

void ShowInformation(MessageHost& host, const char* text, const char* caption, MessageOwner owner) {
  host.Show({OrEmpty(text), OrEmpty(caption), MessageButtons::Ok, MessageIcon::Information, owner});
}

} // namespace kx700
