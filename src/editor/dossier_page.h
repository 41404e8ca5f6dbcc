#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "editor/editor_page.h"
#include "editor/page_view.h"
#include "editor/parameter_editor.h"

namespace kx700 {

struct DossierDate {
  int year = 2000; // 2000..2099
  int month = 1;
  int day = 1;
  bool operator==(const DossierDate&) const = default;
};

// One repeater panel's location: its address 1..8 and the text.
struct RepeaterLocation {
  int address = 0;
  std::string text;
  bool operator==(const RepeaterLocation&) const = default;
};

// The dossier as the page shows it. Multi-line texts hold CR LF between their
// lines, as the blocks store them.
struct DossierForm {
  std::string customer;
  std::string contact;
  std::string address;
  std::string telephone;
  std::string email;
  std::string installer;
  std::string technician;
  DossierDate commissioned;
  std::string productionNumber;
  std::string quiescentCurrent;
  std::string alarmCurrent;
  std::string battery;
  int sirens = 0;
  int buzzers = 0;
  int flashLights = 0;
  int doorMagnets = 0;
  bool dialler = false;
  std::string notes;
  std::vector<RepeaterLocation> locations; // in list order
  bool operator==(const DossierForm&) const = default;
};

// Whether a stored day, month and two-digit year make a real date.
bool IsRealDate(int year, int month, int day);
// The commissioning date of the block, or nothing when it holds no real date.
std::optional<DossierDate> StoredDate(const InstallationBlock& block);

// The blocks' values for the page; a date that is not real shows `today`.
DossierForm LoadDossier(const FixedBlocks& blocks, const LocalDateTime& today);
// The page's part of the blocks cleared and written from the form. The
// repeater, power supply and relay card versions stay.
void StoreDossier(const DossierForm& form, FixedBlocks& blocks);

// "%d. %s": a location as the list shows it.
std::string LocationText(const RepeaterLocation& location);

namespace dossier_ids {
inline constexpr ControlId kCustomer = 1247;
inline constexpr ControlId kContact = 1296;
inline constexpr ControlId kAddress = 1248; // multi-line
inline constexpr ControlId kTelephone = 1249;
inline constexpr ControlId kEmail = 1292;
inline constexpr ControlId kInstaller = 1250;
inline constexpr ControlId kTechnician = 1251;
inline constexpr ControlId kDate = 1295;
inline constexpr ControlId kProductionNumber = 1306;
inline constexpr ControlId kQuiescentCurrent = 1254;
inline constexpr ControlId kAlarmCurrent = 1269;
inline constexpr ControlId kBattery = 1255;
inline constexpr ControlId kSirens = 1258;
inline constexpr ControlId kBuzzers = 1262;
inline constexpr ControlId kFlashLights = 1263;
inline constexpr ControlId kDoorMagnets = 1264;
inline constexpr ControlId kDialler = 1261;
inline constexpr ControlId kNotes = 1257; // multi-line
inline constexpr ControlId kLocations = 1256;
inline constexpr ControlId kAddLocation = 1245;
inline constexpr ControlId kRemoveLocation = 1246;
inline constexpr ControlId kLock = 1294;
// "Herhaalbord locatie"
inline constexpr ControlId kLocationAddress = 1247;
inline constexpr ControlId kLocationText = 1248;
} // namespace dossier_ids

// The field limits, in characters as stored (CR LF counts two).
namespace dossier_limits {
inline constexpr std::size_t kCustomer = CustomerBlock::kCustomerWidth;
inline constexpr std::size_t kAddress = CustomerBlock::kAddressWidth;
inline constexpr std::size_t kTelephone = CustomerBlock::kTelephoneWidth;
inline constexpr std::size_t kEmail = CustomerBlock::kEmailWidth;
inline constexpr std::size_t kProductionNumber = InstallationBlock::kProductionNumberWidth;
inline constexpr std::size_t kCurrent = InstallationBlock::kCurrentWidth;
inline constexpr std::size_t kBattery = InstallationBlock::kBatteryWidth;
inline constexpr std::size_t kNotes = NotesBlock::kNotesWidth;
inline constexpr std::size_t kLocation = RepeaterBlock::kLocationWidth;
} // namespace dossier_limits

// The widgets of the dossier page, with its location dialog.
class DossierPageView : public PageView {
public:
  virtual DossierDate Date() const = 0;
  virtual void SetDate(const DossierDate& date) = 0;
  // The lock button's picture follows its state.
  virtual void ShowLock(bool locked) = 0;
  // "Herhaalbord locatie" preset to a location: the location after OK.
  virtual std::optional<RepeaterLocation> EditLocation(const RepeaterLocation& preset) = 0;
};

// The "Dossier" page: the dossier blocks, edited in place.
class DossierPage : public EditorPage {
public:
  DossierPage(ParameterEditor& editor, DossierPageView& view);

  void OnInitDialog() override;
  void OnSetActive() override { LoadFromDocument(); }
  bool OnKillActive() override { return SaveToDocument(); }
  bool OnOK() override { return SaveToDocument(); }
  void OnCancel() override {}

  void OnLockButton();
  void OnAddLocation();
  void OnRemoveLocation();

  // Writes the page into the blocks; false, with the field's message shown
  // and nothing written, when a field is refused.
  bool SaveToDocument();
  void LoadFromDocument();
  const DossierForm& form() const { return form_; }

private:
  void UpdateControls();
  void ShowLocations();

  ParameterEditor& editor_;
  DossierPageView& view_;
  DossierForm form_;
};

// What OK of "Herhaalbord locatie" takes; nothing when a field is refused.
std::optional<RepeaterLocation> AcceptLocation(PageView& view);

} // namespace kx700
