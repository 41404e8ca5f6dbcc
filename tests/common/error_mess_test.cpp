#include "common/error_mess.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "common/message_box.h"
#include "common/text_tables.h"
#include "support/fake_message_host.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::FakeMessageHost;
using test::ScopedTextLanguage;

TEST(ErrorMess, CaptionsFollowTheActiveLanguage) {
  struct Case {
    TextLanguage language;
    const char* fault6;
    const char* question13;
  };
  const Case cases[] = {
      {TextLanguage::Dutch, "Fout 6", "Aandacht 13"},
      {TextLanguage::French,
       "D\xE9"
       "faut 6",
       "Attention 13"},
      {TextLanguage::English, "Fault 6", "Attention 13"},
  };
  for (const auto& c : cases) {
    ScopedTextLanguage language(c.language);
    CError_Mess mess;
    EXPECT_EQ(mess.ErrorCaption(6), c.fault6);
    EXPECT_EQ(mess.QuestionCaption(13), c.question13);
  }
}

TEST(ErrorMess, CaptionWithTextAndWithoutLimit) {
  CError_Mess mess;
  EXPECT_EQ(mess.ErrorCaption(2, "COM3"), "Fout 2 : COM3");
  EXPECT_EQ(mess.QuestionCaption(-1), "Aandacht -1");
  // Longer than the 15 characters an old fixed buffer held: nothing is cut.
  EXPECT_EQ(mess.ErrorCaption(123456, "a rather long text"), "Fout 123456 : a rather long text");
}

TEST(ErrorMess, NextCaptionReplacesThePreviousOne) {
  CError_Mess mess;
  const std::string& caption = mess.ErrorCaption(6);
  EXPECT_EQ(caption, "Fout 6");
  mess.QuestionCaption(3);
  EXPECT_EQ(caption, "Aandacht 3");
}

TEST(MessageBoxes, FaultBoxHasItsTextCaptionOkAndErrorIcon) {
  FakeMessageHost host;
  int owner = 0;
  ShowFault(host, 6, &owner);
  ASSERT_EQ(host.boxes().size(), 1u);
  const auto& box = host.boxes()[0];
  EXPECT_EQ(box.text, "Er is een fout opgetreden tijdens de datatransfer.");
  EXPECT_EQ(box.caption, "Fout 6");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(box.owner, &owner);
}

TEST(MessageBoxes, FaultWithOwnCaption) {
  FakeMessageHost host;
  ShowFault(host, 2, std::string("Error 2b"));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].text, "Instellen van de seriële poort mislukt.");
  EXPECT_EQ(host.boxes()[0].caption, "Error 2b");
  EXPECT_EQ(host.boxes()[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.boxes()[0].owner, nullptr);
}

TEST(MessageBoxes, UnfilledFaultShowsAnEmptyTextUnderItsCaption) {
  ScopedTextLanguage english(TextLanguage::English);
  FakeMessageHost host;
  ShowFault(host, 30);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].text, "");
  EXPECT_EQ(host.boxes()[0].caption, "Fault 30");
}

TEST(MessageBoxes, StandardQuestionStyles) {
  struct Case {
    int question;
    MessageButtons buttons;
    MessageIcon icon;
  };
  const Case cases[] = {
      {1, MessageButtons::OkCancel, MessageIcon::Question},  {4, MessageButtons::OkCancel, MessageIcon::Question},
      {3, MessageButtons::Ok, MessageIcon::Exclamation},     {7, MessageButtons::YesNo, MessageIcon::Exclamation},
      {10, MessageButtons::YesNo, MessageIcon::Exclamation}, {11, MessageButtons::YesNo, MessageIcon::Exclamation},
      {13, MessageButtons::YesNo, MessageIcon::Exclamation}, {12, MessageButtons::YesNo, MessageIcon::Question},
  };
  for (const auto& c : cases) {
    FakeMessageHost host;
    host.Answer(MessageAnswer::Yes);
    EXPECT_EQ(ShowQuestion(host, c.question), MessageAnswer::Yes);
    ASSERT_EQ(host.boxes().size(), 1u);
    const auto& box = host.boxes()[0];
    EXPECT_EQ(box.caption, "Aandacht " + std::to_string(c.question));
    EXPECT_EQ(box.text, Cp1252ToUtf8(GetMessage(c.question)));
    EXPECT_EQ(box.buttons, c.buttons) << c.question;
    EXPECT_EQ(box.icon, c.icon) << c.question;
  }
  for (int other : {0, 2, 5, 6, 8, 9, 14}) EXPECT_FALSE(StandardQuestionStyle(other)) << other;
}

TEST(MessageBoxes, QuestionWithCallerStyleReturnsTheAnswer) {
  FakeMessageHost host;
  host.Answer(MessageAnswer::Cancel);
  EXPECT_EQ(ShowQuestion(host, 9, {MessageButtons::YesNoCancel, MessageIcon::Exclamation}), MessageAnswer::Cancel);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].text, "De data werd gewijzigd!\n\nWijzigingen opslaan?");
  EXPECT_EQ(host.boxes()[0].caption, "Aandacht 9");
  EXPECT_EQ(host.boxes()[0].buttons, MessageButtons::YesNoCancel);
}

TEST(MessageBoxes, InformationBox) {
  FakeMessageHost host;
  ShowInformation(host, GetText(4), GetText(30));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].text, "Transmissie succesvol!");
  EXPECT_EQ(host.boxes()[0].caption, "Stilte");
  EXPECT_EQ(host.boxes()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(host.boxes()[0].icon, MessageIcon::Information);
}

} // namespace
} // namespace kx700
