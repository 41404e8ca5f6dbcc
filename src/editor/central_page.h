#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_page.h"
#include "editor/page_view.h"
#include "editor/parameter_editor.h"

namespace kx700 {

// The general parameters as the page shows them.
struct CentralForm {
  std::string panelName;
  std::string project;
  int reactionTime = 0;
  bool backbeep = false;
  std::string operatingCode; // four characters, zero-padded on the left
  bool switchOver = false;
  int switchOverHour = 0;
  int switchOverMinute = 0;
  bool summerWinterTime = false;
  int repeaterPanels = 0;
  int relayCards = 0;
  std::array<bool, 3> monitoredSirens{}; // base relays 1..3
  std::string advancedCode;
  std::uint8_t advancedFlags = 0;
  int generalControl = 0;
  int alertControl = 0;
  std::vector<int> silenceControls; // in list order, at most 8 stored
  bool operator==(const CentralForm&) const = default;
};

// A control offers itself to the general page's lists only with a name that
// is not empty, does not start with a blank and fits its field.
bool HasUsableName(const ControlRecord& control);
// "%d %s" or "%02d %s" of a control, by the list it goes into.
std::string ControlChoiceText(const ControlRecord& control, bool twoDigits);

// The record's values for the page (silence controls that no longer name a
// usable silence control are left out).
CentralForm LoadCentral(const CentralRecord& record, const std::list<ControlRecord>& controls);
// Every byte from +0 to +83 from the page's values; the firmware version
// stays. The advanced code exists from 1.01 on.
void StoreCentral(const CentralForm& form, bool advancedCode, CentralRecord& record);
// A reference of the general or warning-evacuation control that is not set
// takes the last usable control of that type.
void ApplyDefaultControls(CentralRecord& record, const std::list<ControlRecord>& controls);

// The advanced flags as the six options of "Geavanceerd" show them: bits 0..4
// as they are, bit 5 inverted ("Reset 'storingen' automatisch" checked when
// clear).
std::array<bool, 6> AdvancedOptions(std::uint8_t flags);
// Back into the byte; bits 6 and 7 are always clear.
std::uint8_t AdvancedFlags(const std::array<bool, 6>& options);

// The control ids of the general page.
namespace central_ids {
inline constexpr ControlId kSwitchOverTitle = 1325;
inline constexpr ControlId kSilence = 1180;
inline constexpr ControlId kAddSilence = 1181;
inline constexpr ControlId kRemoveSilence = 1182;
inline constexpr ControlId kGeneralControl = 1183;
inline constexpr ControlId kAlertControl = 1184;
inline constexpr ControlId kOperatingCode = 1037;
inline constexpr ControlId kBackbeep = 1032;
inline constexpr ControlId kPanelName = 1014;
inline constexpr ControlId kProject = 1060;
inline constexpr ControlId kReactionTime = 1061;
inline constexpr ControlId kSwitchOver = 1035;
inline constexpr ControlId kHour = 1033;
inline constexpr ControlId kMinute = 1034;
inline constexpr ControlId kSummerWinter = 1038;
inline constexpr ControlId kRelayCards = 1072;
inline constexpr ControlId Siren(int n) { return 1233 + n; } // n = 1..3
inline constexpr ControlId kRepeaters = 1237;
inline constexpr ControlId kAdvancedCode = 1247;
inline constexpr ControlId kAdvanced = 1245;
inline constexpr ControlId kPickerList = 1185; // in "Selecteer"
} // namespace central_ids

// The widgets of the general page, with its two small dialogs.
class CentralPageView : public PageView {
public:
  // "Geavanceerd" over the flags: the flags chosen with OK.
  virtual std::optional<std::uint8_t> ChooseAdvancedFlags(std::uint8_t flags) = 0;
  // "Selecteer": the silence control picker, until the user closes it.
  virtual void PickSilenceControls() = 0;
};

// The "Algemeen" page: the central record, edited in place.
class CentralPage : public EditorPage {
public:
  static constexpr std::size_t kSilenceSlots = CentralRecord::kSilenceControlSlots;

  CentralPage(ParameterEditor& editor, CentralPageView& view);

  void OnInitDialog() override;
  void OnSetActive() override;
  bool OnKillActive() override { return SaveToDocument(); }
  bool OnOK() override { return SaveToDocument(); }
  // What was not saved is dropped.
  void OnCancel() override {}

  void OnActief();
  void OnAddSilenceControl();
  void OnRemoveSilenceControl();
  void OnAdvanced();

  // Writes the page into the record; false, with the field's message shown
  // and nothing written, when a field is refused.
  bool SaveToDocument();

  // The silence list: numbers in list order (the list sorts by its text).
  const std::vector<int>& silenceControls() const { return form_.silenceControls; }
  // Adds a silence control to the list; false when it is full (fault 26
  // shown) or the number names no control.
  bool AddSilenceControl(int number);
  const CentralForm& form() const { return form_; }
  ParameterEditor& editor() { return editor_; }

private:
  void Activate();
  void LoadFromDocument();
  void ShowSilence();
  void UpdateControls();

  ParameterEditor& editor_;
  CentralPageView& view_;
  CentralForm form_;
  std::vector<ChoiceItem> generals_;
  std::vector<ChoiceItem> alerts_;
};

// "Selecteer": the silence controls not yet in the page's list; a double
// click moves one into it.
class SilencePicker {
public:
  SilencePicker(CentralPage& page, PageView& view) : page_(page), view_(view) {}
  void FillList();
  void OnDblclkList();

private:
  CentralPage& page_;
  PageView& view_;
  std::vector<ChoiceItem> items_;
};

} // namespace kx700
