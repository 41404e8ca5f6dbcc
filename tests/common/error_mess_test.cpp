#include "common/error_mess.h"

#include <gtest/gtest.h>

#include "common/text_tables.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

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

} // namespace
} // namespace kx700
