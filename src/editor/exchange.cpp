#include "editor/exchange.h"

#include <charconv>
#include <climits>
#include <utility>

namespace kx700 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Optional sign, then digits with at most one '.' and at least one digit.
bool IsPlainNumber(std::string_view text, bool fraction) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digits = true;
    } else if (fraction && text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

std::string_view WithoutPlus(std::string_view text) {
  // from_chars takes no '+'.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return text;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text) {
  if (!IsPlainNumber(text, false)) return std::nullopt;
  text = WithoutPlus(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  if (!IsPlainNumber(text, true)) return std::nullopt;
  text = WithoutPlus(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string FormatDecimal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

const char* ExchangeFault::Source() const {
  switch (kind) {
    case Kind::IntegerRange: return kIntegerRangeMessage;
    case Kind::DecimalRange: return kDecimalRangeMessage;
    case Kind::NotInteger: return kIntegerMessage;
    case Kind::NotDecimal: return kDecimalMessage;
    case Kind::TooLong: break;
  }
  return kTooLongMessage;
}

std::string ExchangeFault::DutchText() const { return FillExchangeMessage(Source(), *this); }

std::string FillExchangeMessage(std::string_view text, const ExchangeFault& fault) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? fault.low : fault.high;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string StoredText(std::string_view cp1252) {
  std::string out(cp1252);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) == 0xEE) c = 'i';
  }
  return out;
}

void FieldReader::Integer(ControlId id, int& value, int low, int high) {
  if (Skip(id)) return;
  const auto parsed = ParseInteger(view_.Text(id));
  if (!parsed) {
    fault_ = ExchangeFault{ExchangeFault::Kind::NotInteger, id, {}, {}};
  } else if (*parsed < low || *parsed > high) {
    fault_ = ExchangeFault{ExchangeFault::Kind::IntegerRange, id, std::to_string(low), std::to_string(high)};
  } else {
    value = *parsed;
  }
}

void FieldReader::Decimal(ControlId id, double& value, double low, double high) {
  if (Skip(id)) return;
  const auto parsed = ParseDecimal(view_.Text(id));
  if (!parsed) {
    fault_ = ExchangeFault{ExchangeFault::Kind::NotDecimal, id, {}, {}};
  } else if (*parsed < low || *parsed > high) {
    fault_ = ExchangeFault{ExchangeFault::Kind::DecimalRange, id, FormatDecimal(low), FormatDecimal(high)};
  } else {
    value = *parsed;
  }
}

std::string ToStoredLines(std::string_view shown) {
  std::string out;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    if (shown[i] == '\r' || shown[i] == '\n') {
      out += "\r\n";
    } else {
      out += shown[i];
    }
  }
  return out;
}

std::string ToShownLines(std::string_view stored) {
  std::string out;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
    out += stored[i] == '\r' ? '\n' : stored[i];
  }
  return out;
}

void FieldReader::Lines(ControlId id, std::string& value, std::size_t maxChars) {
  if (Skip(id)) return;
  // Line breaks left as they were shown keep the form they came in, also a
  // lone CR or LF from a file or the panel.
  const std::string shown = StoredText(view_.Text(id));
  std::string held = StoredText(value);
  std::string text = shown == ToShownLines(held) ? std::move(held) : ToStoredLines(shown);
  if (text.size() > maxChars) {
    fault_ = ExchangeFault{ExchangeFault::Kind::TooLong, id, std::to_string(maxChars), {}};
  } else {
    value = std::move(text);
  }
}

void FieldReader::Text(ControlId id, std::string& value, std::size_t maxChars) {
  if (Skip(id)) return;
  std::string text = StoredText(view_.Text(id));
  if (text.size() > maxChars) {
    fault_ = ExchangeFault{ExchangeFault::Kind::TooLong, id, std::to_string(maxChars), {}};
  } else {
    value = std::move(text);
  }
}

void ReportExchangeFault(PageView& view, const ExchangeFault& fault) {
  view.ShowExchangeFault(fault);
  view.Focus(fault.field);
}

std::optional<int> AcceptNumber(PageView& view, ControlId edit, int low, int high) {
  int number = 0;
  FieldReader read(view);
  read.Integer(edit, number, low, high);
  if (!read.ok()) {
    ReportExchangeFault(view, *read.fault());
    return std::nullopt;
  }
  return number;
}

} // namespace kx700
