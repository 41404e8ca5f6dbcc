#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Conversion between the core's code page 1252 texts and Qt's strings.
namespace kx700 {

QString ToQString(std::string_view cp1252);
// Nothing when the string holds a character that code page 1252 cannot carry.
std::optional<std::string> FromQString(const QString& text);
// Text `number` of the active text table; empty where the language has none.
QString TableText(int number);

} // namespace kx700
