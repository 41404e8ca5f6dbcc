#pragma once

#include "common/text_tables.h"

namespace kx700::test {

// Makes a language active for one test and returns to Dutch afterwards.
class ScopedTextLanguage {
public:
  explicit ScopedTextLanguage(TextLanguage language) { SelectTextLanguage(language); }
  ~ScopedTextLanguage() { SelectTextLanguage(TextLanguage::Dutch); }
  ScopedTextLanguage(const ScopedTextLanguage&) = delete;
  ScopedTextLanguage& operator=(const ScopedTextLanguage&) = delete;
};

} // namespace kx700::test
