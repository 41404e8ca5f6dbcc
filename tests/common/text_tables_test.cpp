#include "common/text_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::ScopedTextLanguage;

struct LanguageLookups {
  const char* name;
  TextLanguage language;
  TextLookup text;
  TextLookup message;
  TextLookup fault;
};

const LanguageLookups kLanguages[] = {
    {"Dutch", TextLanguage::Dutch, &GetTextDutch, &GetMessageDutch, &GetFaultDutch},
    {"French", TextLanguage::French, &GetTextFrench, &GetMessageFrench, &GetFaultFrench},
    {"English", TextLanguage::English, &GetTextEnglish, &GetMessageEnglish, &GetFaultEnglish},
};

std::set<int> FilledEntries(TextLookup lookup, int size) {
  std::set<int> filled;
  for (int n = -5; n < size + 5; ++n) {
    if (lookup(n) != nullptr) filled.insert(n);
  }
  return filled;
}

std::set<int> Range(int first, int last, std::set<int> except = {}) {
  std::set<int> out;
  for (int n = first; n <= last; ++n) {
    if (!except.count(n)) out.insert(n);
  }
  return out;
}

std::set<int> EmptyEntries(TextLookup lookup, int size) {
  std::set<int> empty;
  for (int n = 0; n < size; ++n) {
    if (const char* t = lookup(n); t && *t == '\0') empty.insert(n);
  }
  return empty;
}

TEST(TextTables, EachLanguageFillsExactlyItsEntries) {
  // Dutch and French share their filled entries; English fills a prefix.
  // Texts 23, 24 and 202 and question 6 lie inside the ranges but are unfilled.
  const std::set<int> fullTexts = Range(1, 201, {23, 24});
  const std::set<int> fullMessages = Range(0, 13, {6});
  const std::set<int> fullFaults = Range(0, 42);

  for (const auto& lang : {kLanguages[0], kLanguages[1]}) {
    SCOPED_TRACE(lang.name);
    EXPECT_EQ(FilledEntries(lang.text, kTextCount), fullTexts);
    EXPECT_EQ(FilledEntries(lang.message, kMessageCount), fullMessages);
    EXPECT_EQ(FilledEntries(lang.fault, kFaultCount), fullFaults);
  }
  EXPECT_EQ(FilledEntries(&GetTextEnglish, kTextCount), Range(1, 50, {23, 24}));
  EXPECT_EQ(FilledEntries(&GetMessageEnglish, kMessageCount), Range(0, 10, {6}));
  EXPECT_EQ(FilledEntries(&GetFaultEnglish, kFaultCount), Range(0, 21));
}

TEST(TextTables, EmptyTextsAreFilledNotMissing) {
  EXPECT_EQ(EmptyEntries(&GetTextDutch, kTextCount), std::set<int>({27}));
  EXPECT_EQ(EmptyEntries(&GetTextFrench, kTextCount), std::set<int>({27}));
  EXPECT_EQ(EmptyEntries(&GetTextEnglish, kTextCount), std::set<int>({27, 31}));
  EXPECT_EQ(EmptyEntries(&GetMessageDutch, kMessageCount), std::set<int>({5}));
  EXPECT_EQ(EmptyEntries(&GetMessageFrench, kMessageCount), std::set<int>({5}));
  EXPECT_EQ(EmptyEntries(&GetMessageEnglish, kMessageCount), std::set<int>({5, 7}));
  for (const auto& lang : kLanguages) {
    EXPECT_TRUE(EmptyEntries(lang.fault, kFaultCount).empty()) << lang.name;
  }
}

TEST(TextTables, LookupsOutsideTheTablesYieldNoText) {
  for (const auto& lang : kLanguages) {
    SCOPED_TRACE(lang.name);
    for (int n : {-1, -300, kTextCount, kTextCount + 1, 1 << 30}) EXPECT_EQ(lang.text(n), nullptr) << n;
    for (int n : {-1, kMessageCount, 1 << 30}) EXPECT_EQ(lang.message(n), nullptr) << n;
    for (int n : {-1, kFaultCount, 1 << 30}) EXPECT_EQ(lang.fault(n), nullptr) << n;
    EXPECT_EQ(lang.text(0), nullptr);
  }
}

TEST(TextTables, CaptionWordsPerLanguage) {
  EXPECT_STREQ(GetMessageDutch(0), "Aandacht");
  EXPECT_STREQ(GetFaultDutch(0), "Fout");
  EXPECT_STREQ(GetMessageFrench(0), "Attention");
  EXPECT_STREQ(GetFaultFrench(0),
               "D\xE9"
               "faut"); // code page 1252
  EXPECT_STREQ(GetMessageEnglish(0), "Attention");
  EXPECT_STREQ(GetFaultEnglish(0), "Fault");
}

TEST(TextTables, TextsAreCodePage1252AsWrittenInTheTables) {
  struct Case {
    TextLookup lookup;
    int number;
    const char* expected;
  };
  const Case cases[] = {
      {&GetTextDutch, 154, "Thermisch 90\xB0"},
      {&GetTextDutch, 174, "Amp\xE8re"},
      {&GetFaultDutch, 1, "De seri\xEBle poort kan niet geopend worden."},
      {&GetMessageDutch, 1, "De actuele data zal overschreven worden.\n Wilt u doorgaan?"},
      {&GetMessageDutch, 12,
       "Microsoft Excel-97 of hoger, moet ge\xEFnstalleerd zijn voor het uitvoeren van deze functie!\nBent u zeker?"},
      {&GetFaultDutch, 42, "De evacuatie reactie tijd is te hoog. Maximum 4 min."},
      {&GetTextFrench, 5, "Param\xE8tres"},
      {&GetTextFrench, 22,
       "d\xE9"
       "c."},
      {&GetTextFrench, 43, "PRE-ALARME"},
      {&GetTextFrench, 110, "Asservis. silence"},
      {&GetTextFrench, 201, "Reset 'storingen' automatisch"},
      {&GetFaultFrench, 42, "De evacuatie reactie tijd is te hoog. Maximum 4 minuten."},
      {&GetFaultFrench, 16,
       "Pas de communication!\n\nCauses:\n  - Est-ce que la connexion avec la centrale est en ordre?\n  - Est-ce "
       "que la configuration de le porte s\xE9rie est correcte?"},
      {&GetTextEnglish, 5, "Detector"},
      {&GetTextEnglish, 43, "PRE_ALARM"},
      {&GetTextEnglish, 45, "Control panel"},
      {&GetTextEnglish, 50, "Do you want to send these parameters?"},
      {&GetFaultEnglish, 21, "The file has been created with a more recent version of PC-Zenvik."},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.lookup(c.number), nullptr) << c.expected;
    EXPECT_EQ(std::string(c.lookup(c.number)), c.expected);
  }
}

TEST(TextTables, GroupsIndexedByArithmeticAreFilled) {
  // Months 11..22, weekdays 34..40, detection kinds, control and module kinds,
  // detector types: callers compute these numbers, so none may be missing.
  std::set<int> grouped = Range(11, 22);
  grouped.merge(Range(34, 40));
  grouped.merge(std::set<int>{57, 58, 59, 152, 60, 61});
  grouped.merge(Range(107, 110));
  grouped.merge(Range(116, 118));
  grouped.merge(Range(154, 159));
  for (const auto& lang : {kLanguages[0], kLanguages[1]}) {
    for (int n : grouped) {
      ASSERT_NE(lang.text(n), nullptr) << lang.name << " text " << n;
      EXPECT_NE(*lang.text(n), '\0') << lang.name << " text " << n;
    }
  }
  for (int n : Range(11, 22)) EXPECT_NE(GetTextEnglish(n), nullptr) << n;
  EXPECT_STREQ(GetTextEnglish(11), "Jan.");
  EXPECT_STREQ(GetTextEnglish(34), "sunday");
  EXPECT_STREQ(GetTextEnglish(40), "saturday");
}

TEST(TextTables, EveryFrenchTextIsFrench) {
  // Only text 201 keeps its Dutch wording; an entry copied from Dutch by
  // mistake shows up here (words that read the same in both are listed).
  const std::set<int> sameInBoth = {7, 9, 25, 45, 46, 82, 94, 96, 113, 115, 138, 145, 162, 163, 165, 166, 174, 201};
  for (int n = 1; n < kTextCount; ++n) {
    const char* nl = GetTextDutch(n);
    if (!nl || !*nl || sameInBoth.count(n)) continue;
    EXPECT_STRNE(GetTextFrench(n), nl) << "text " << n;
  }
  for (int n = 0; n < kFaultCount; ++n) {
    if (n == 28 || n == 42 || !GetFaultDutch(n)) continue; // "free" and fault 42 are the same in both
    EXPECT_STRNE(GetFaultFrench(n), GetFaultDutch(n)) << "fault " << n;
  }
}

TEST(TextTables, ActiveLookupsFollowTheSelectedLanguage) {
  {
    ScopedTextLanguage english(TextLanguage::English);
    EXPECT_STREQ(GetText(50), "Do you want to send these parameters?");
    EXPECT_EQ(GetText(51), nullptr);
    EXPECT_STREQ(GetFault(21), GetFaultEnglish(21));
    EXPECT_EQ(GetFault(22), nullptr);
    EXPECT_STREQ(GetMessage(10), "Parameters coming from the control panel:");
    EXPECT_EQ(GetMessage(11), nullptr);
  }
  {
    ScopedTextLanguage french(TextLanguage::French);
    EXPECT_STREQ(GetText(42), "FEU");
    EXPECT_STREQ(GetMessage(0), "Attention");
  }
  EXPECT_STREQ(GetText(42), "ALARM");
  EXPECT_STREQ(GetFault(0), "Fout");

  // Each of the three can point elsewhere on its own.
  SetActiveLookups(&GetTextFrench, &GetMessageDutch, &GetFaultEnglish);
  EXPECT_STREQ(GetText(61), "Gaz");
  EXPECT_STREQ(GetMessage(0), "Aandacht");
  EXPECT_STREQ(GetFault(0), "Fault");
  SetActiveLookups(nullptr, nullptr, nullptr);
  EXPECT_STREQ(GetText(61), "Gas");
  SelectTextLanguage(TextLanguage::Dutch);
}

} // namespace
} // namespace kx700
