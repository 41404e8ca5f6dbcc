#include "common/message_box.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"
#include "common/text_tables.h"
#include "support/fake_message_host.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::FakeMessageHost;
using test::ScopedTextLanguage;

TEST(MessageBoxes, FaultBoxHasItsTextCaptionOkAndErrorIcon) {
  FakeMessageHost host;
  int window = 0;
  ShowFault(host, 6, MessageOwner{&window});
  ASSERT_EQ(host.boxes().size(), 1u);
  const auto& box = host.boxes()[0];
  EXPECT_EQ(box.text, "Er is een fout opgetreden tijdens de datatransfer.");
  EXPECT_EQ(box.caption, "Fout 6");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(box.owner.window, &window);
}

TEST(MessageBoxes, FaultWithOwnCaption) {
  FakeMessageHost host;
  ShowFaultWithCaption(host, 2, "Error 2b");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].text, "Instellen van de seriële poort mislukt.");
  EXPECT_EQ(host.boxes()[0].caption, "Error 2b");
  EXPECT_EQ(host.boxes()[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.boxes()[0].owner.window, nullptr);
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

TEST(MessageBoxes, InformationBoxShowsUnfilledTextsAsEmpty) {
  ScopedTextLanguage english(TextLanguage::English);
  FakeMessageHost host;
  ShowInformation(host, GetText(4), GetText(138)); // English has no text 138
  ShowInformation(host, GetText(200), GetText(30));
  ShowFaultWithCaption(host, 30, nullptr);
  ASSERT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(host.boxes()[0].text, "Transmission successful!");
  EXPECT_EQ(host.boxes()[0].caption, "");
  EXPECT_EQ(host.boxes()[1].text, "");
  EXPECT_EQ(host.boxes()[1].caption, "Silence");
  EXPECT_EQ(host.boxes()[2].text, "");
  EXPECT_EQ(host.boxes()[2].caption, "");
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
