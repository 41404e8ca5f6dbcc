#include "editor/dossier_page.h"

#include "common/string_format.h"
#include "common/text_helpers.h"
#include "editor/exchange.h"

namespace kx700 {

namespace {

using namespace dossier_ids;
using P = CustomerBlock;
using I = InstallationBlock;
using H = RepeaterBlock;
using V = PeripheryVersionBlock;

template <typename Block>
std::string Trimmed(const Block& block, std::size_t offset, std::size_t width) {
  return TrimRightBlanks(block.Text(offset, width), static_cast<int>(width));
}

// A text field with the NUL right after it.
template <typename Block>
void PutText(Block& block, std::size_t offset, std::size_t width, const std::string& text) {
  block.SetText(offset, width + 1, text.substr(0, width));
}

// A repeater panel's location, address 1..8: its whole field with the NUL
// after it, so an empty text clears it and a shorter one leaves nothing of
// the text it replaces.
void PutLocation(H& block, int address, const std::string& text) {
  PutText(block, H::LocationOffset(static_cast<std::size_t>(address - 1)), H::kLocationWidth, text);
}

template <typename Block>
void Clear(Block& block, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) block.SetByte(i, 0);
}

int DaysIn(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

DossierDate TodayInRange(const LocalDateTime& today) {
  // The picker holds 2000..2099 only.
  const int year = std::clamp(today.year, 2000, 2099);
  if (!IsRealDate(year, today.month, today.day)) return {2000, 1, 1};
  return {year, today.month, today.day};
}

} // namespace

bool IsRealDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysIn(month, year);
}

std::optional<DossierDate> StoredDate(const InstallationBlock& block) {
  const int year = 2000 + block.Byte(I::kCommissioningYear) % 100;
  const int month = block.Signed(I::kCommissioningMonth);
  const int day = block.Signed(I::kCommissioningDay);
  if (!IsRealDate(year, month, day)) return std::nullopt;
  return DossierDate{year, month, day};
}

std::string LocationText(const RepeaterLocation& location) {
  return StringPrintf("%d. %s", location.address, location.text.c_str());
}

DossierForm LoadDossier(const FixedBlocks& blocks, const LocalDateTime& today) {
  const P& p = blocks.customer;
  const I& i = blocks.installation;
  DossierForm form;
  form.customer = Trimmed(p, P::kCustomer, P::kCustomerWidth);
  form.address = Trimmed(p, P::kAddress, P::kAddressWidth);
  form.telephone = Trimmed(p, P::kTelephone, P::kTelephoneWidth);
  form.email = Trimmed(p, P::kEmail, P::kEmailWidth);
  form.contact = Trimmed(p, P::kContact, P::kContactWidth);
  form.installer = Trimmed(p, P::kInstaller, P::kInstallerWidth);
  form.technician = Trimmed(i, I::kTechnician, I::kTechnicianWidth);
  form.quiescentCurrent = Trimmed(i, I::kQuiescentCurrent, I::kCurrentWidth);
  form.alarmCurrent = Trimmed(i, I::kAlarmCurrent, I::kCurrentWidth);
  form.battery = Trimmed(i, I::kBattery, I::kBatteryWidth);
  form.productionNumber = i.Text(I::kProductionNumber, I::kProductionNumberWidth);
  form.commissioned = StoredDate(i).value_or(TodayInRange(today));
  const AccessoryBlock& b = blocks.accessory;
  form.sirens = b.Signed(AccessoryBlock::kSirens);
  form.buzzers = b.Signed(AccessoryBlock::kBuzzers);
  form.flashLights = b.Signed(AccessoryBlock::kFlashLights);
  form.doorMagnets = b.Signed(AccessoryBlock::kDoorMagnets);
  form.dialler = b.Byte(AccessoryBlock::kTelephoneDialler) != 0;
  form.notes = Trimmed(blocks.notes, NotesBlock::kNotes, NotesBlock::kNotesWidth);
  for (std::size_t panel = 0; panel < H::kPanels; ++panel) {
    const std::size_t at = H::LocationOffset(panel);
    if (blocks.repeater.Byte(at) == 0) continue;
    form.locations.push_back({static_cast<int>(panel) + 1, Trimmed(blocks.repeater, at, H::kLocationWidth)});
  }
  return form;
}

void StoreDossier(const DossierForm& form, FixedBlocks& blocks) {
  P& p = blocks.customer;
  I& i = blocks.installation;
  AccessoryBlock& b = blocks.accessory;
  // The versions that receiving writes into H and V stay.
  p.bytes.fill(0);
  i.bytes.fill(0);
  b.bytes.fill(0);
  blocks.notes.bytes.fill(0);
  Clear(blocks.repeater, 0, 1);
  Clear(blocks.repeater, H::kLocations, H::kSize);
  Clear(blocks.peripheryVersion, 0, 1);
  Clear(blocks.peripheryVersion, V::kReserved, V::kSize);

  PutText(p, P::kCustomer, P::kCustomerWidth, form.customer);
  PutText(p, P::kAddress, P::kAddressWidth, form.address);
  PutText(p, P::kTelephone, P::kTelephoneWidth, form.telephone);
  PutText(p, P::kEmail, P::kEmailWidth, form.email);
  PutText(p, P::kContact, P::kContactWidth, form.contact);
  PutText(p, P::kInstaller, P::kInstallerWidth, form.installer);
  PutText(i, I::kTechnician, I::kTechnicianWidth, form.technician);
  PutText(i, I::kQuiescentCurrent, I::kCurrentWidth, form.quiescentCurrent);
  PutText(i, I::kAlarmCurrent, I::kCurrentWidth, form.alarmCurrent);
  PutText(i, I::kBattery, I::kBatteryWidth, form.battery);
  PutText(i, I::kProductionNumber, I::kProductionNumberWidth, form.productionNumber);
  i.SetByte(I::kCommissioningYear, form.commissioned.year % 100);
  i.SetByte(I::kCommissioningMonth, form.commissioned.month);
  i.SetByte(I::kCommissioningDay, form.commissioned.day);
  b.SetByte(AccessoryBlock::kSirens, form.sirens);
  b.SetByte(AccessoryBlock::kBuzzers, form.buzzers);
  b.SetByte(AccessoryBlock::kFlashLights, form.flashLights);
  b.SetByte(AccessoryBlock::kDoorMagnets, form.doorMagnets);
  b.SetByte(AccessoryBlock::kTelephoneDialler, form.dialler ? 1 : 0);
  PutText(blocks.notes, NotesBlock::kNotes, NotesBlock::kNotesWidth, form.notes);
  for (const RepeaterLocation& location : form.locations) {
    if (location.address < 1 || location.address > static_cast<int>(H::kPanels) || location.text.empty()) continue;
    PutLocation(blocks.repeater, location.address, location.text);
  }
}

DossierPage::DossierPage(ParameterEditor& editor, DossierPageView& view) : editor_(editor), view_(view) {}

void DossierPage::OnInitDialog() {
  // Locked once a technician has signed the commissioning.
  const bool locked = !editor_.document().fixedBlocks.installation.Text(I::kTechnician, I::kTechnicianWidth).empty();
  view_.SetChecked(kLock, locked);
  view_.ShowLock(locked);
  UpdateControls();
  LoadFromDocument();
}

void DossierPage::LoadFromDocument() {
  form_ = LoadDossier(editor_.document().fixedBlocks, editor_.Today());
  view_.SetText(kCustomer, form_.customer);
  view_.SetText(kContact, form_.contact);
  view_.SetText(kAddress, ToShownLines(form_.address));
  view_.SetText(kTelephone, form_.telephone);
  view_.SetText(kEmail, form_.email);
  view_.SetText(kInstaller, form_.installer);
  view_.SetText(kTechnician, form_.technician);
  view_.SetDate(form_.commissioned);
  view_.SetText(kProductionNumber, form_.productionNumber);
  view_.SetText(kQuiescentCurrent, form_.quiescentCurrent);
  view_.SetText(kAlarmCurrent, form_.alarmCurrent);
  view_.SetText(kBattery, form_.battery);
  view_.SetText(kSirens, std::to_string(form_.sirens));
  view_.SetText(kBuzzers, std::to_string(form_.buzzers));
  view_.SetText(kFlashLights, std::to_string(form_.flashLights));
  view_.SetText(kDoorMagnets, std::to_string(form_.doorMagnets));
  view_.SetChecked(kDialler, form_.dialler);
  view_.SetText(kNotes, ToShownLines(form_.notes));
  ShowLocations();
  UpdateControls();
}

void DossierPage::ShowLocations() {
  std::vector<ChoiceItem> items;
  for (const RepeaterLocation& location : form_.locations) items.push_back({LocationText(location), location.address});
  view_.SetItems(kLocations, items);
}

void DossierPage::UpdateControls() {
  const bool locked = view_.Checked(kLock);
  for (ControlId id : {kTechnician, kDate, kProductionNumber}) view_.SetEnabled(id, !locked);
}

void DossierPage::OnLockButton() {
  view_.ShowLock(view_.Checked(kLock));
  UpdateControls();
}

bool DossierPage::SaveToDocument() {
  namespace L = dossier_limits;
  DossierForm next = form_;
  if (view_.IsEnabled(kDate)) next.commissioned = view_.Date();
  FieldReader read(view_);
  read.Text(kCustomer, next.customer, L::kCustomer);
  read.Integer(kFlashLights, next.flashLights, 0, 99);
  read.Integer(kBuzzers, next.buzzers, 0, 99);
  read.Integer(kDoorMagnets, next.doorMagnets, 0, 99);
  read.Integer(kSirens, next.sirens, 0, 99);
  read.Text(kBattery, next.battery, L::kBattery);
  read.Text(kAlarmCurrent, next.alarmCurrent, L::kCurrent);
  read.Text(kQuiescentCurrent, next.quiescentCurrent, L::kCurrent);
  read.Lines(kAddress, next.address, L::kAddress);
  read.Text(kTelephone, next.telephone, L::kTelephone);
  read.Text(kEmail, next.email, L::kEmail);
  read.Text(kTechnician, next.technician, InstallationBlock::kTechnicianWidth);
  read.Text(kInstaller, next.installer, CustomerBlock::kInstallerWidth);
  read.Lines(kNotes, next.notes, L::kNotes);
  next.dialler = view_.Checked(kDialler);
  read.Text(kContact, next.contact, CustomerBlock::kContactWidth);
  read.Text(kProductionNumber, next.productionNumber, L::kProductionNumber);
  if (!read.ok()) {
    ReportExchangeFault(view_, *read.fault());
    return false;
  }
  FixedBlocks& blocks = editor_.document().fixedBlocks;
  // Blocks shown and left as they were keep their bytes; a date the blocks
  // did not hold is the date shown, and is stored.
  const bool changed = !(LoadDossier(blocks, editor_.Today()) == next) || !StoredDate(blocks.installation);
  form_ = std::move(next);
  if (changed) StoreDossier(form_, blocks);
  return true;
}

void DossierPage::OnAddLocation() {
  // The location goes straight into the blocks, the page's other fields first.
  if (!SaveToDocument()) return;
  const int selected = view_.Selection(kLocations);
  RepeaterLocation preset{static_cast<int>(form_.locations.size()) + 1, {}};
  if (selected >= 0 && selected < static_cast<int>(form_.locations.size()))
    preset = form_.locations[static_cast<std::size_t>(selected)];
  const auto edited = view_.EditLocation(preset);
  if (!edited || edited->address < 1 || edited->address > static_cast<int>(H::kPanels)) return;
  if (!edited->text.empty()) PutLocation(editor_.document().fixedBlocks.repeater, edited->address, edited->text);
  LoadFromDocument();
}

void DossierPage::OnRemoveLocation() {
  const int selected = view_.Selection(kLocations);
  if (selected < 0 || selected >= static_cast<int>(form_.locations.size())) return;
  const int address = form_.locations[static_cast<std::size_t>(selected)].address;
  // Cleared whole: a save that finds the page as stored leaves the blocks
  // alone, and Cancel keeps what the removal wrote.
  if (address >= 1 && address <= static_cast<int>(H::kPanels))
    PutLocation(editor_.document().fixedBlocks.repeater, address, {});
  form_.locations.erase(form_.locations.begin() + selected);
  ShowLocations();
}

std::optional<RepeaterLocation> AcceptLocation(PageView& view) {
  RepeaterLocation location;
  FieldReader read(view);
  read.Integer(kLocationAddress, location.address, 1, static_cast<int>(H::kPanels));
  read.Text(kLocationText, location.text, H::kLocationWidth);
  if (!read.ok()) {
    ReportExchangeFault(view, *read.fault());
    return std::nullopt;
  }
  return location;
}

} // namespace kx700
