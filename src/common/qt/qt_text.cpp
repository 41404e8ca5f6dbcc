#include "common/qt/qt_text.h"

#include <QList>

#include "common/cp1252.h"
#include "common/text_tables.h"

namespace kx700 {

QString ToQString(std::string_view cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  // Every code point of the code page lies in the basic plane: one QChar each.
  for (char c : cp1252) out.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<std::uint8_t>(c)))));
  return out;
}

std::optional<std::string> FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (const uint cp : text.toUcs4()) {
    const auto byte = UnicodeToCp1252(cp);
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

QString TableText(int number) { return ToQString(OrEmpty(GetText(number))); }

} // namespace kx700
