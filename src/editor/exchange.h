#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/translatable.h"
#include "editor/page_view.h"

// How every page of the parameter editor reads its fields: whole texts only,
// numbers in the C locale whatever the desktop's locale, limits checked, and a
// failed read that writes nothing.
namespace kx700 {

// A whole text as an integer: an optional sign and digits, nothing else (no
// blanks, no trailing text); nothing when it is not one or does not fit.
std::optional<int> ParseInteger(std::string_view text);
// A whole text as a decimal number with '.' as the only separator: an
// optional sign, digits, an optional fraction. "2,5", "nan", "inf", "1e3",
// blanks and trailing text are refused.
std::optional<double> ParseDecimal(std::string_view text);
// The shortest text that reads back as the same value ("2.5", "6", "0.1"),
// in the C locale.
std::string FormatDecimal(double value);

// The texts of the messages, in Dutch; the window translates them (context
// "kx700::Exchange") and puts the limits in for %1 and %2.
inline constexpr const char* kIntegerRangeMessage =
    KX700_TRANSLATE_NOOP("kx700::Exchange", "Geef een geheel getal tussen %1 en %2 in.");
inline constexpr const char* kDecimalRangeMessage =
    KX700_TRANSLATE_NOOP("kx700::Exchange", "Geef een getal tussen %1 en %2 in.");
inline constexpr const char* kIntegerMessage = KX700_TRANSLATE_NOOP("kx700::Exchange", "Geef een geheel getal in.");
inline constexpr const char* kDecimalMessage = KX700_TRANSLATE_NOOP("kx700::Exchange", "Geef een getal in.");
inline constexpr const char* kTooLongMessage = KX700_TRANSLATE_NOOP("kx700::Exchange", "Geef maximaal %1 tekens in.");

// Why a field was refused.
struct ExchangeFault {
  enum class Kind { IntegerRange, DecimalRange, NotInteger, NotDecimal, TooLong };
  Kind kind = Kind::NotInteger;
  ControlId field = 0;
  std::string low;  // the limits as shown ("1", "0.5"); the length for TooLong
  std::string high; // empty for TooLong
  bool operator==(const ExchangeFault&) const = default;

  // The message's Dutch source text.
  const char* Source() const;
  // The message as shown in Dutch, the limits in place.
  std::string DutchText() const;
};

// Replaces %1 and %2 of a message text by the fault's limits.
std::string FillExchangeMessage(std::string_view text, const ExchangeFault& fault);

// Texts typed into a text field keep only what code page 1252 carries and the
// record can hold: 'î' (0xEE, which the file format cannot carry) becomes 'i'.
std::string StoredText(std::string_view cp1252);

// Multi-line texts: the widgets use LF, the records CR LF, which counts as two
// characters against a field's limit.
std::string ToStoredLines(std::string_view shown);
std::string ToShownLines(std::string_view stored);

// Reads the fields of one page from its view in order and stops at the first
// refusal. A field the user cannot change (disabled) is not read and keeps its
// value; a refused field leaves its value alone. The caller reads into a copy
// of its form and keeps the copy only when ok().
class FieldReader {
public:
  explicit FieldReader(const PageView& view) : view_(view) {}

  void Integer(ControlId id, int& value, int low, int high);
  void Decimal(ControlId id, double& value, double low, double high);
  void Text(ControlId id, std::string& value, std::size_t maxChars);
  // A multi-line text, stored with CR LF.
  void Lines(ControlId id, std::string& value, std::size_t maxChars);

  bool ok() const { return !fault_; }
  const std::optional<ExchangeFault>& fault() const { return fault_; }

private:
  bool Skip(ControlId id) const { return fault_ || !view_.IsEnabled(id); }

  const PageView& view_;
  std::optional<ExchangeFault> fault_;
};

// Shows a refused field's message and puts the focus on it.
void ReportExchangeFault(PageView& view, const ExchangeFault& fault);

// What OK of a number dialog takes: the number, or nothing when it is refused
// (its message shown, the dialog stays).
std::optional<int> AcceptNumber(PageView& view, ControlId edit, int low, int high);

} // namespace kx700
