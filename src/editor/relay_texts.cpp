#include "editor/relay_texts.h"

#include <iterator>

namespace kx700 {

namespace {
using R = RelayTextRecord;
} // namespace

int MakeKey(int kind, int card) {
  const auto k = static_cast<unsigned>(kind);
  const auto c = static_cast<unsigned>(card);
  return k > 2 || c > 8 ? 0 : static_cast<int>(k + c * 100);
}

void RelayTextCopy::LoadFromDocument(const std::list<RelayTextRecord>& records) {
  entries_.clear();
  for (const RelayTextRecord& record : records) {
    RelInfoEntry entry;
    entry.kind = record.Byte(R::kModuleKind);
    entry.card = record.Byte(R::kCardAddress);
    entry.key = MakeKey(entry.kind, entry.card);
    for (std::size_t k = 0; k < R::kTextCount; ++k) {
      entry.text[k] = record.OutputText(k);
      entry.enabled[k] = !entry.text[k].empty();
    }
    entries_.push_back(std::move(entry));
  }
  SortRecords();
}

void RelayTextCopy::SaveToDocument(std::list<RelayTextRecord>& records) const {
  std::list<RelayTextRecord> written;
  auto old = records.begin();
  int sequence = 0;
  for (const RelInfoEntry& entry : entries_) {
    RelayTextRecord record;
    record.SetByte(R::kSequence, ++sequence);
    record.SetByte(R::kModuleKind, entry.kind);
    record.SetByte(R::kCardAddress, entry.card);
    for (std::size_t k = 0; k < R::kTextCount; ++k) {
      if (entry.enabled[k]) record.SetText(R::kTexts + R::kTextWidth * k, R::kTextWidth, entry.text[k]);
    }
    // The checksum is set before sending; a record that comes back as it was
    // keeps the one it had.
    if (old != records.end()) {
      RelayTextRecord same = *old++;
      same.SetByte(R::kChecksum, 0);
      if (same == record) record.SetByte(R::kChecksum, std::prev(old)->Byte(R::kChecksum));
    }
    written.push_back(record);
  }
  records = std::move(written);
}

void RelayTextCopy::SortRecords() {
  for (RelInfoEntry& entry : entries_) {
    entry.key = MakeKey(entry.kind, entry.card);
    entry.duplicate = false;
  }
  entries_.sort([](const RelInfoEntry& a, const RelInfoEntry& b) { return a.key < b.key; });
  for (auto it = entries_.begin(); it != entries_.end() && std::next(it) != entries_.end(); ++it) {
    if (it->key == std::next(it)->key) std::next(it)->duplicate = true;
  }
}

bool RelayTextCopy::GetOutputText(std::string& out, int kind, int card, int output) const {
  out.clear();
  if (output < 1 || output > static_cast<int>(R::kTextCount)) return false;
  for (const RelInfoEntry& entry : entries_) {
    if (entry.kind != kind || (kind != 0 && entry.card != card)) continue;
    const auto k = static_cast<std::size_t>(output - 1);
    if (!entry.enabled[k]) return false;
    out = entry.text[k];
    return true;
  }
  return false;
}

} // namespace kx700
