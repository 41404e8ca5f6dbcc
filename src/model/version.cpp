#include "model/version.h"

#include <string>

#include "common/error_mess.h"
#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

void ShowVersionFault(MessageHost& host, int captionFault, const std::string& text) {
  CError_Mess mess;
  host.Show({text, mess.ErrorCaption(captionFault), MessageButtons::Ok, MessageIcon::Error, {}});
}

// "<first>: 1.mm\nPC-Zenvik: 1.02\nMinimum ...: 1.tt\n\n"
std::string VersionList(int firstText, int firstMinor, int third) {
  return StringPrintf("%s: %d.%02d\n%s: %d.%02d\n%s: %d.%02d\n\n", OrEmpty(GetText(firstText)), 1, firstMinor,
                      OrEmpty(GetText(46)), kProgramVersion.major, kProgramVersion.minor, OrEmpty(GetText(47)), 1,
                      third);
}

} // namespace

void ShowVersionConflict(MessageHost& host) {
  ShowVersionFault(host, 17, StringPrintf("%s\n\n%s", OrEmpty(GetFault(17)), OrEmpty(GetFault(10))));
}

bool CompareVersions(int aMajor, int aMinor, int bMajor, int bMinor, int op) {
  switch (op) {
    case kVersionEqual: return aMajor == bMajor && aMinor == bMinor;
    case kVersionSameMajor: return aMajor == bMajor;
    case kVersionAtLeast: return aMajor > bMajor || (aMajor == bMajor && aMinor >= bMinor);
    case kVersionSameMajorAtLeast: return aMajor == bMajor && aMinor >= bMinor;
    case kVersionAtMost: return aMajor < bMajor || (aMajor == bMajor && aMinor <= bMinor);
    case kVersionSameMajorAtMost: return aMajor == bMajor && aMinor <= bMinor;
    default: return false;
  }
}

VersionTriple EffectiveVersion(const VersionTriple& configuration, const PanelVersionSource* panel) {
  if (configuration.major != 0 || configuration.minor != 0) return configuration;
  if (panel) {
    if (auto stored = panel->GetStoredPanelVersion()) return *stored;
  }
  return kProgramVersion;
}

bool HasExtendedRecords(const VersionTriple& effective) {
  return CompareVersions(effective.major, effective.minor, 1, 1, kVersionAtLeast);
}

bool CheckVersionCompatibility(VersionCheckForm form, VersionTriple given, const VersionTriple& effective,
                               const PanelVersionSource* panel, MessageHost& host) {
  if (given.major == 0 && given.minor == 0) given = effective;

  if (form == VersionCheckForm::Panel) {
    const auto stored = panel ? panel->GetStoredPanelVersion() : std::nullopt;
    if (!stored) return false;
    if (stored->major != 1) {
      ShowVersionConflict(host);
      return false;
    }
    if (stored->third <= kProgramVersion.minor) return true;
    ShowVersionFault(host, 19,
                     StringPrintf("%s\n\n%s%s", OrEmpty(GetFault(19)),
                                  VersionList(45, stored->minor, stored->third).c_str(), OrEmpty(GetFault(20))));
    return false;
  }

  if (given.major != 1) {
    ShowVersionConflict(host);
    return false;
  }
  if (given.third <= kProgramVersion.minor) return true;
  ShowVersionFault(host, 21,
                   StringPrintf("%s\n\n%s%s\n", OrEmpty(GetFault(21)),
                                VersionList(48, given.minor, given.third).c_str(), OrEmpty(GetText(49))));
  return false;
}

} // namespace kx700
