#pragma once

#include <optional>
#include <string>

#include "common/message_host.h"

// The box patterns every caller follows: a fault with its numbered caption and
// the error icon, a question with its numbered caption, an information box.
namespace kx700 {

struct QuestionStyle {
  MessageButtons buttons;
  MessageIcon icon;
};

// The buttons and icon of the questions that are always shown the same way
// (1, 3, 4, 7, 10, 11, 12, 13); nothing for a question whose caller chooses.
std::optional<QuestionStyle> StandardQuestionStyle(int question);

// Fault `fault`: its text, caption "Fout <n>", OK, error icon. An unfilled
// text shows as an empty text.
void ShowFault(MessageHost& host, int fault, MessageOwner owner = {});
// Fault text `fault` under a caption of the caller's own ("Error 2a").
void ShowFaultWithCaption(MessageHost& host, int fault, const char* caption, MessageOwner owner = {});

// Question `question`: its text and caption "Aandacht <n>" with the given style.
MessageAnswer ShowQuestion(MessageHost& host, int question, QuestionStyle style, MessageOwner owner = {});
// The same with the question's standard style; the question must have one.
MessageAnswer ShowQuestion(MessageHost& host, int question, MessageOwner owner = {});

// A success or information box with a caption of the caller's own. Texts the
// active language leaves unfilled (null) show as empty texts.
void ShowInformation(MessageHost& host, const char* text, const char* caption, MessageOwner owner = {});

} // namespace kx700
