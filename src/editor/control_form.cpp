#include "editor/control_form.h"

#include "common/string_format.h"
#include "common/text_helpers.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

using R = ControlRecord;
using E = ControlEvent;

std::string TextOf(int number) { return OrEmpty(GetText(number)); }
bool KnownModule(int module) { return module >= 0 && module <= 2; }

} // namespace

ControlForm LoadControl(const ControlRecord& record) {
  ControlForm form;
  form.number = record.Signed(R::kNumber);
  form.name = TrimRightBlanks(record.Text(R::kName, R::kNameWidth), static_cast<int>(R::kNameWidth));
  form.type = record.Signed(R::kControlType);
  for (std::size_t k = 0; k < R::kEventCount; ++k) {
    const std::size_t e = R::EventOffset(k);
    ControlRow& row = form.rows[k];
    row.event = record.Signed(e + E::kEventCode);
    row.module = record.Signed(e + E::kModuleKind);
    const int card = record.Signed(e + E::kCardAddress);
    row.address = row.module != 0 && card >= 1 && card <= 8 ? card - 1 : 0;
    row.relays = KnownModule(row.module) ? record.ShownRelays(k) : 0;
  }
  return form;
}

void StoreControl(const ControlForm& form, ControlRecord& record) {
  record.SetByte(R::kNumber, form.number);
  record.SetText(R::kName, R::kNameWidth + 1, form.name);
  record.SetByte(R::kControlType, form.type);
  for (std::size_t k = 0; k < R::kEventCount; ++k) {
    const std::size_t e = R::EventOffset(k);
    const ControlRow& row = form.rows[k];
    for (std::size_t i = 0; i < E::kSize; ++i) record.SetByte(e + i, 0);
    record.SetByte(e + E::kEventCode, row.event);
    record.SetByte(e + E::kModuleKind, row.module);
    record.SetByte(e + E::kCardAddress, row.address + 1);
    if (KnownModule(row.module)) {
      record.SetByte(e + E::kRelays1to4, row.relays & 0x0F);
      record.SetByte(e + E::kRelays5to8, (row.relays >> 4) & 0x0F);
    }
  }
}

ControlRecord NewControl(int number, bool first) {
  ControlRecord record;
  record.SetByte(R::kNumber, number);
  // The name counts as valid only with its word: Dutch when the language
  // leaves it unfilled.
  const char* word = GetText(105);
  record.SetText(R::kName, R::kNameWidth, StringPrintf("%s %d", word ? word : GetTextDutch(105), number));
  record.SetByte(R::kControlType, static_cast<int>(first ? ControlType::General : ControlType::Loop));
  for (std::size_t k = 0; k < R::kEventCount; ++k) record.SetByte(R::EventOffset(k) + E::kCardAddress, 1);
  return record;
}

std::vector<ChoiceItem> ControlTypeItems() {
  return {{TextOf(107), 0}, {TextOf(108), 1}, {TextOf(109), 2}, {TextOf(110), 3}};
}

std::vector<ChoiceItem> OutputModuleItems() { return {{TextOf(116), 0}, {TextOf(117), 1}, {TextOf(118), 2}}; }

std::vector<ChoiceItem> ControlEventItems(int type, const VersionTriple& version) {
  std::vector<ChoiceItem> items{{TextOf(83), 0}};
  const auto add = [&items](std::initializer_list<std::pair<int, int>> events) {
    for (const auto& [text, code] : events) items.push_back({TextOf(text), code});
  };
  switch (static_cast<ControlType>(type)) {
    case ControlType::Loop: add({{88, 5}, {58, 6}, {59, 7}, {90, 8}, {93, 11}}); break;
    case ControlType::General: add({{88, 5}, {58, 6}, {59, 7}, {90, 8}, {91, 9}, {92, 10}, {94, 12}}); break;
    case ControlType::AlertEvacuation:
      add({{84, 2}, {86, 3}, {85, 4}});
      if (CompareVersions(version.major, version.minor, 1, 2, kVersionAtLeast)) add({{195, 14}});
      add({{95, 13}});
      break;
    case ControlType::Silence: add({{30, 1}}); break;
  }
  return items;
}

std::string ControlTypeText(int type) { return type >= 0 && type <= 3 ? TextOf(107 + type) : std::string(); }

std::string RelayCaption(int module, int box, bool checked) {
  if (!checked) return " ";
  return std::to_string(box + (module == 2 ? 9 : 1));
}

ControlRowState ControlRowRules(bool hasCurrent, int eventIndex, int moduleIndex) {
  ControlRowState state;
  if (!hasCurrent) return state;
  state.labelEnabled = state.eventEnabled = true;
  if (eventIndex != 0) {
    state.moduleShown = state.relaysShown = true;
    state.addressShown = moduleIndex > 0;
  }
  return state;
}

} // namespace kx700
