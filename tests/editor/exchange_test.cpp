// How the editor pages read their fields: whole texts in the C locale, limits
// with their messages, and a refused read that leaves everything alone.
#include "editor/exchange.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "editor/loop_form.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using test::FakePageView;

TEST(Exchange, NumbersAreWholeTextsInTheCLocale) {
  struct Case {
    std::string text;
    std::optional<int> integer;
    std::optional<double> decimal;
  };
  const std::vector<Case> cases = {
      {"2.57", std::nullopt, 2.57},
      {"10.1", std::nullopt, 10.1},
      {"12", 12, 12.0},
      {"+3", 3, 3.0},
      {"-0", 0, 0.0},
      {"-12", -12, -12.0},
      {"2147483647", INT_MAX, 2147483647.0},
      {"-2147483648", INT_MIN, -2147483648.0},
      {"99999999999", std::nullopt, 99999999999.0}, // too large for an int, not for a double
      {"nan", std::nullopt, std::nullopt},
      {"inf", std::nullopt, std::nullopt},
      {"-inf", std::nullopt, std::nullopt},
      {"2,5", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {" 2", std::nullopt, std::nullopt},
      {"2 ", std::nullopt, std::nullopt},
      {"1e3", std::nullopt, std::nullopt},
      {"0x10", std::nullopt, std::nullopt},
      {"1.2.3", std::nullopt, std::nullopt},
      {"2V", std::nullopt, std::nullopt},
      {"-", std::nullopt, std::nullopt},
      {".", std::nullopt, std::nullopt},
      {"+-3", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    EXPECT_EQ(ParseInteger(c.text), c.integer);
    EXPECT_EQ(ParseDecimal(c.text), c.decimal);
  }
}

TEST(Exchange, DecimalsAreShownInTheirShortestForm) {
  const std::vector<std::pair<double, std::string>> cases = {
      {2.5, "2.5"}, {6.0, "6"}, {1.2, "1.2"}, {-12.8, "-12.8"}, {0.1, "0.1"}, {10.0, "10"}, {0.0, "0"},
  };
  for (const auto& [value, shown] : cases) {
    SCOPED_TRACE(shown);
    EXPECT_EQ(FormatDecimal(value), shown);
  }
}

// A level byte that is shown in volts and saved unchanged must come back as
// the same byte, whatever rounding the tenths go through.
TEST(Exchange, EveryLevelByteSurvivesShowingAndReadingBack) {
  for (int n = -128; n <= 127; ++n) {
    SCOPED_TRACE(n);
    LoopRecord record;
    record.SetByte(LoopRecord::kDetectionKind, static_cast<int>(DetectionKind::PreAlarm)); // keeps its own lower level
    for (std::size_t offset : {LoopRecord::kLevelU, LoopRecord::kLevelL, LoopRecord::kLevelF, LoopRecord::kLevelS})
      record.SetByte(offset, n);
    LoopForm form = LoadLoop(record);
    for (double* level : {&form.upperLevel, &form.lowerLevel, &form.faultLevel, &form.shortLevel}) {
      const std::string shown = FormatDecimal(*level);
      ASSERT_EQ(shown, FormatDecimal(n / 10.0));
      const auto typed = ParseDecimal(shown);
      ASSERT_TRUE(typed) << shown;
      *level = *typed;
    }
    LoopRecord stored;
    StoreLoop(form, stored);
    EXPECT_EQ(stored.Signed(LoopRecord::kLevelU), n);
    EXPECT_EQ(stored.Signed(LoopRecord::kLevelL), n);
    EXPECT_EQ(stored.Signed(LoopRecord::kLevelF), n);
    EXPECT_EQ(stored.Signed(LoopRecord::kLevelS), n);
  }
}

constexpr ControlId kField = 1000;

TEST(FieldReader, ReadsWithinLimitsAndNamesTheLimitsOfARefusal) {
  enum class Read { Integer, Decimal, Text };
  struct Case {
    Read read;
    std::string typed;
    double low;          // for a text: unused
    double high;         // for a text: the most characters
    std::string message; // "" when accepted
    std::string value;   // afterwards, as text
  };
  // Before each read: integer 99, decimal 99, text "oud".
  const std::vector<Case> cases = {
      {Read::Integer, "1", 1, 9, "", "1"},
      {Read::Integer, "9", 1, 9, "", "9"},
      {Read::Integer, "0", 1, 9, "Geef een geheel getal tussen 1 en 9 in.", "99"},
      {Read::Integer, "10", 1, 9, "Geef een geheel getal tussen 1 en 9 in.", "99"},
      {Read::Integer, "2.0", 1, 9, "Geef een geheel getal in.", "99"},
      {Read::Integer, "", 1, 9, "Geef een geheel getal in.", "99"},
      {Read::Decimal, "0", 0, 10, "", "0"},
      {Read::Decimal, "10", 0, 10, "", "10"},
      {Read::Decimal, "2.57", 0, 10, "", "2.57"},
      {Read::Decimal, "10.1", 0, 10, "Geef een getal tussen 0 en 10 in.", "99"},
      {Read::Decimal, "-0.1", 0, 10, "Geef een getal tussen 0 en 10 in.", "99"},
      {Read::Decimal, "3", 0.5, 2.5, "Geef een getal tussen 0.5 en 2.5 in.", "99"},
      {Read::Decimal, "2,5", 0, 10, "Geef een getal in.", "99"},
      {Read::Decimal, "nan", 0, 10, "Geef een getal in.", "99"},
      {Read::Text, std::string(18, 'x'), 0, 18, "", std::string(18, 'x')},
      {Read::Text, std::string(19, 'x'), 0, 18, "Geef maximaal 18 tekens in.", "oud"},
      {Read::Text, "Pr\xEEs", 0, 18, "", "Pris"},
      {Read::Text, "", 0, 18, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.typed + "\"");
    FakePageView view;
    view.text[kField] = c.typed;
    FieldReader read(view);
    int integer = 99;
    double decimal = 99.0;
    std::string text = "oud";
    std::string value;
    switch (c.read) {
      case Read::Integer:
        read.Integer(kField, integer, static_cast<int>(c.low), static_cast<int>(c.high));
        value = std::to_string(integer);
        break;
      case Read::Decimal:
        read.Decimal(kField, decimal, c.low, c.high);
        value = FormatDecimal(decimal);
        break;
      case Read::Text:
        read.Text(kField, text, static_cast<std::size_t>(c.high));
        value = text;
        break;
    }
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(read.ok(), c.message.empty());
    if (read.fault()) {
      EXPECT_EQ(read.fault()->field, kField);
      EXPECT_EQ(read.fault()->DutchText(), c.message);
    }
  }
}

// A page reads its fields in one go into a copy; the copy must stay as it was
// for every field the reader did not take.
TEST(FieldReader, SkipsDisabledFieldsAndStopsAtTheFirstRefusal) {
  FakePageView view;
  view.text = {{1, "nonsense"}, {2, "4"}, {3, "x"}, {4, "7"}, {5, "nieuw"}};
  view.enabled[1] = false;
  FieldReader read(view);
  int disabled = 1, taken = 0, refused = 3, after = 0;
  std::string afterText = "oud";
  read.Integer(1, disabled, 0, 9);
  read.Integer(2, taken, 0, 9);
  read.Integer(3, refused, 0, 9);
  read.Integer(4, after, 0, 9);
  read.Text(5, afterText, 18);
  EXPECT_EQ(disabled, 1);
  EXPECT_EQ(taken, 4);
  EXPECT_EQ(refused, 3);
  EXPECT_EQ(after, 0);
  EXPECT_EQ(afterText, "oud");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(*read.fault(), (ExchangeFault{ExchangeFault::Kind::NotInteger, 3, {}, {}}));
  EXPECT_TRUE(view.faults.empty()); // reading shows nothing by itself

  ReportExchangeFault(view, *read.fault());
  EXPECT_EQ(view.faults, std::vector<ExchangeFault>{*read.fault()});
  EXPECT_EQ(view.focused, 3);
}

TEST(Exchange, ANumberDialogTakesOnlyANumberInItsRange) {
  constexpr ControlId kEdit = 1000;
  const std::vector<std::pair<std::string, std::optional<int>>> cases = {
      {"5", 5},
      {"1", 1},
      {"16", 16},
      {"17", std::nullopt},
      {"0", std::nullopt},
      {"", std::nullopt},
      {"5a", std::nullopt},
  };
  for (const auto& [typed, number] : cases) {
    SCOPED_TRACE(typed);
    test::FakePageView dialog;
    dialog.text[kEdit] = typed;
    EXPECT_EQ(AcceptNumber(dialog, kEdit, 1, 16), number);
    if (number) {
      EXPECT_TRUE(dialog.faults.empty());
    } else {
      ASSERT_EQ(dialog.faults.size(), 1u);
      EXPECT_EQ(dialog.faults[0].DutchText(), typed == "17" || typed == "0" ? "Geef een geheel getal tussen 1 en 16 in."
                                                                            : "Geef een geheel getal in.");
      EXPECT_EQ(dialog.focused, kEdit);
    }
  }
}

TEST(Exchange, StoredTextTurnsTheFilesEscapeByteIntoI) {
  EXPECT_EQ(StoredText("Pr\xEEs \xE9t\xE9 \xEE"), "Pris \xE9t\xE9 i");
  EXPECT_EQ(StoredText(""), "");
}

} // namespace
} // namespace kx700
