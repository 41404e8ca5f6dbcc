#pragma once

#include <span>

// Internal to the text tables: the constant sources of each table. Texts are
// written in UTF-8 here and converted to code page 1252 when a table is built.
namespace kx700::text_data {

struct Entry {
  int number;
  const char* utf8;
};

std::span<const Entry> DutchTexts();
std::span<const Entry> DutchMessages();
std::span<const Entry> DutchFaults();
std::span<const Entry> FrenchTexts();
std::span<const Entry> FrenchMessages();
std::span<const Entry> FrenchFaults();
std::span<const Entry> EnglishTexts();
std::span<const Entry> EnglishMessages();
std::span<const Entry> EnglishFaults();

} // namespace kx700::text_data
