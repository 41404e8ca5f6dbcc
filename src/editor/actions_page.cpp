#include "editor/actions_page.h"

#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/exchange.h"

namespace kx700 {

namespace {

using namespace action_ids;

constexpr NavigationRules kActionNavigation{0, 2, 0};
constexpr int kActionsFullFault = 41;
constexpr int kOutputs = RelayTextRecord::kTextCount;

} // namespace

std::vector<ChoiceItem> ModuleKindItems() {
  return {{OrEmpty(GetText(116)), 0}, {OrEmpty(GetText(117)), 1}, {OrEmpty(GetText(118)), 2}};
}

ActionsPage::ActionsPage(ParameterEditor& editor, RecordPageView& view)
    : RecordPage(
          editor, view, editor.relayTexts().entries(), kActionNavigation,
          [](const RelInfoEntry& entry) { return MakeKey(entry.kind, entry.card); }, 0, false) {}

void ActionsPage::OnInitDialog() {
  kinds_ = ModuleKindItems();
  pageView_.SetItems(kKind, kinds_);
  pageView_.SetText(kDuplicateMark, {});
  navigator_.SetCurrent(navigator_.list().begin());
  ShowRecord(false);
}

void ActionsPage::OnSetActive() { UpdateControls(); }

void ActionsPage::SortRecords() { editor_.relayTexts().SortRecords(); }

bool ActionsPage::CheckDuplicates() {
  SortRecords();
  return true;
}

void ActionsPage::OnAdd() {
  if (navigator_.list().size() >= RelayTextCopy::kMaxEntries) {
    ShowFault(editor_.messages(), kActionsFullFault, pageView_.Owner());
    return;
  }
  if (!SaveRecord()) return;
  SortRecords();
  InsertRecord(0);
}

RelInfoEntry ActionsPage::NewRecord(int) const {
  RelInfoEntry entry;
  if (navigator_.HasCurrent()) entry.kind = entry.card = 1;
  entry.key = MakeKey(entry.kind, entry.card);
  return entry;
}

int ActionsPage::SelectedKind() const { return DataAt(kinds_, pageView_.Selection(kKind)); }

bool ActionsPage::SaveRecord() {
  RelInfoEntry* entry = navigator_.currentRecord();
  if (!entry) return true;
  RelInfoEntry next = *entry;
  next.kind = SelectedKind();
  next.card = pageView_.Selection(kCard);
  FieldReader read(pageView_);
  for (int k = 0; k < kOutputs; ++k) {
    const auto i = static_cast<std::size_t>(k);
    next.enabled[i] = pageView_.Checked(Output(k));
    read.Text(Text(k), next.text[i], RelayTextRecord::kTextWidth);
  }
  if (!read.ok()) {
    ReportExchangeFault(pageView_, *read.fault());
    return false;
  }
  *entry = std::move(next);
  return true;
}

void ActionsPage::ShowRecord(bool focus) {
  if (const RelInfoEntry* entry = navigator_.currentRecord()) {
    pageView_.SetSelection(kKind, IndexOfData(kinds_, entry->kind));
    pageView_.SetSelection(kCard, entry->card >= 0 && entry->card <= 8 ? entry->card : -1);
    for (int k = 0; k < kOutputs; ++k) {
      const auto i = static_cast<std::size_t>(k);
      pageView_.SetChecked(Output(k), entry->enabled[i]);
      pageView_.SetText(Text(k), entry->text[i]);
    }
  }
  const int count = static_cast<int>(navigator_.list().size());
  const int position = navigator_.HasCurrent() ? navigator_.Position() : count;
  pageView_.SetText(kPosition, StringPrintf("- %d / %d -", position, count));
  UpdateControls();
  ShowDuplicateMark();
  if (focus && navigator_.HasCurrent()) pageView_.Focus(kKind);
}

void ActionsPage::UpdateControls() {
  const bool current = navigator_.HasCurrent();
  const int kind = SelectedKind();
  pageView_.SetEnabled(kKind, current);
  pageView_.SetEnabled(kCard, current && kind != 0);
  for (int k = 0; k < kOutputs; ++k) {
    pageView_.SetEnabled(Output(k), current);
    pageView_.SetEnabled(Text(k), current && pageView_.Checked(Output(k)));
    if (current) pageView_.SetText(Output(k), std::to_string(k + (kind == 2 ? 9 : 1)));
  }
}

void ActionsPage::ShowDuplicateMark() {
  const int key = MakeKey(SelectedKind(), pageView_.Selection(kCard));
  bool duplicate = false;
  if (navigator_.HasCurrent()) {
    for (auto it = navigator_.list().begin(); it != navigator_.list().end(); ++it) {
      if (it != navigator_.current() && it->key == key) duplicate = true;
    }
  }
  pageView_.SetText(kDuplicateMark, duplicate ? OrEmpty(GetText(160)) : "");
}

void ActionsPage::OnSelchangeKind() {
  if (SelectedKind() == 0 && pageView_.Selection(kCard) != 0) pageView_.SetSelection(kCard, 0);
  ShowDuplicateMark();
  UpdateControls();
}

void ActionsPage::OnSelchangeCard() {
  ShowDuplicateMark();
  UpdateControls();
}

void ActionsPage::OnOutputCheck() { UpdateControls(); }

} // namespace kx700
