#include "common/text_tables.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/cp1252.h"
#include "common/text_table_data.h"

namespace kx700 {
namespace {

template <int Size>
class Table {
public:
  explicit Table(std::span<const text_data::Entry> source) {
    for (const auto& entry : source) {
      auto text = Utf8ToCp1252(entry.utf8);
      // The sources are constant data of this program: a number out of range
      // or a character the code page lacks is a build fault, not user input.
      if (entry.number < 0 || entry.number >= Size || !text || entries_[static_cast<std::size_t>(entry.number)]) {
        std::fprintf(stderr, "text table: bad entry %d\n", entry.number);
        std::abort();
      }
      entries_[static_cast<std::size_t>(entry.number)] = std::move(*text);
    }
  }

  const char* Lookup(int number) const {
    if (number < 0 || number >= Size) return nullptr;
    const auto& entry = entries_[static_cast<std::size_t>(number)];
    return entry ? entry->c_str() : nullptr;
  }

private:
  std::array<std::optional<std::string>, Size> entries_;
};

using TextTable = Table<kTextCount>;
using MessageTable = Table<kMessageCount>;
using FaultTable = Table<kFaultCount>;

// Each table is built on first use, so a lookup can never see a half-filled
// table, whatever the order of start-up.
const TextTable& DutchTexts() {
  static const TextTable t(text_data::DutchTexts());
  return t;
}
const MessageTable& DutchMessages() {
  static const MessageTable t(text_data::DutchMessages());
  return t;
}
const FaultTable& DutchFaults() {
  static const FaultTable t(text_data::DutchFaults());
  return t;
}
const TextTable& FrenchTexts() {
  static const TextTable t(text_data::FrenchTexts());
  return t;
}
const MessageTable& FrenchMessages() {
  static const MessageTable t(text_data::FrenchMessages());
  return t;
}
const FaultTable& FrenchFaults() {
  static const FaultTable t(text_data::FrenchFaults());
  return t;
}
const TextTable& EnglishTexts() {
  static const TextTable t(text_data::EnglishTexts());
  return t;
}
const MessageTable& EnglishMessages() {
  static const MessageTable t(text_data::EnglishMessages());
  return t;
}
const FaultTable& EnglishFaults() {
  static const FaultTable t(text_data::EnglishFaults());
  return t;
}

std::atomic<TextLookup> g_text{&GetTextDutch};
std::atomic<TextLookup> g_message{&GetMessageDutch};
std::atomic<TextLookup> g_fault{&GetFaultDutch};

} // namespace

void LoadTextsDutch() { DutchTexts(); }
void LoadMessagesDutch() { DutchMessages(); }
void LoadFaultsDutch() { DutchFaults(); }
void LoadTextsFrench() { FrenchTexts(); }
void LoadMessagesFrench() { FrenchMessages(); }
void LoadFaultsFrench() { FrenchFaults(); }
void LoadTextsEnglish() { EnglishTexts(); }
void LoadMessagesEnglish() { EnglishMessages(); }
void LoadFaultsEnglish() { EnglishFaults(); }

void LoadAllTextTables() {
  LoadTextsDutch();
  LoadMessagesDutch();
  LoadFaultsDutch();
  LoadTextsFrench();
  LoadMessagesFrench();
  LoadFaultsFrench();
  LoadTextsEnglish();
  LoadMessagesEnglish();
  LoadFaultsEnglish();
}

const char* GetTextDutch(int number) { return DutchTexts().Lookup(number); }
const char* GetMessageDutch(int number) { return DutchMessages().Lookup(number); }
const char* GetFaultDutch(int number) { return DutchFaults().Lookup(number); }
const char* GetTextFrench(int number) { return FrenchTexts().Lookup(number); }
const char* GetMessageFrench(int number) { return FrenchMessages().Lookup(number); }
const char* GetFaultFrench(int number) { return FrenchFaults().Lookup(number); }
const char* GetTextEnglish(int number) { return EnglishTexts().Lookup(number); }
const char* GetMessageEnglish(int number) { return EnglishMessages().Lookup(number); }
const char* GetFaultEnglish(int number) { return EnglishFaults().Lookup(number); }

const char* GetText(int number) { return g_text.load(std::memory_order_relaxed)(number); }
const char* GetMessage(int number) { return g_message.load(std::memory_order_relaxed)(number); }
const char* GetFault(int number) { return g_fault.load(std::memory_order_relaxed)(number); }

void SetActiveLookups(TextLookup text, TextLookup message, TextLookup fault) {
  // A missing lookup falls back to Dutch rather than leaving a null to call.
  g_text.store(text ? text : &GetTextDutch, std::memory_order_relaxed);
  g_message.store(message ? message : &GetMessageDutch, std::memory_order_relaxed);
  g_fault.store(fault ? fault : &GetFaultDutch, std::memory_order_relaxed);
}

void SelectTextLanguage(TextLanguage language) {
  switch (language) {
    case TextLanguage::French: SetActiveLookups(&GetTextFrench, &GetMessageFrench, &GetFaultFrench); break;
    case TextLanguage::English: SetActiveLookups(&GetTextEnglish, &GetMessageEnglish, &GetFaultEnglish); break;
    case TextLanguage::Dutch: SetActiveLookups(&GetTextDutch, &GetMessageDutch, &GetFaultDutch); break;
  }
}

} // namespace kx700
