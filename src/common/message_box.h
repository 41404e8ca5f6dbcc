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
void ShowFault(MessageHost& host, int fault, void* owner = nullptr);
// Fault text `fault` under a caption of the caller's own ("Error 2a").
void ShowFault(MessageHost& host, int fault, const std::string& caption, void* owner = nullptr);

// Question `question`: its text and caption "Aandacht <n>" with the given style.
MessageAnswer ShowQuestion(MessageHost& host, int question, QuestionStyle style, void* owner = nullptr);
// The same with the question's standard style; the question must have one.
MessageAnswer ShowQuestion(MessageHost& host, int question, void* owner = nullptr);

// A success or information box with a caption of the caller's own.
void ShowInformation(MessageHost& host, const std::string& text, const std::string& caption, void* owner = nullptr);

} // namespace kx700
