#pragma once

#include <optional>

#include "common/message_host.h"

// Version rules: panels, files and configurations carry a version triple, and
// what a configuration holds (relay texts, dossier) and whether a file or a
// transfer is accepted depends on it.
namespace kx700 {

// Major, minor, and the minimum program minor version that a panel, a file or
// a configuration demands.
struct VersionTriple {
  int major = 0;
  int minor = 0;
  int third = 0;
  bool operator==(const VersionTriple&) const = default;
};

// The program's own version, 1.02 demanding 02. Only major 1 is supported.
constexpr VersionTriple kProgramVersion{1, 2, 2};

// Comparison operators of CompareVersions (a against required b).
enum VersionOperator : int {
  kVersionEqual = 0,     // same major and minor
  kVersionSameMajor = 1, // same major
  kVersionAtLeast = 2,   // a >= b
  kVersionSameMajorAtLeast = 3,
  kVersionAtMost = 4, // a <= b
  kVersionSameMajorAtMost = 5,
};

// True when version a stands in relation `op` to version b; false for an
// unknown operator.
bool CompareVersions(int aMajor, int aMinor, int bMajor, int bMinor, int op);

// What the program knows of the connected panel. The application object
// implements it; the model asks through it.
class PanelVersionSource {
public:
  virtual ~PanelVersionSource() = default;
  // The identified panel's firmware major, minor and the program minor it
  // demands; nothing when no panel is identified.
  virtual std::optional<VersionTriple> GetStoredPanelVersion() const = 0;
};

// The version of the work at hand: the configuration's own when its major or
// minor is not 0, else the identified panel's, else the program's.
VersionTriple EffectiveVersion(const VersionTriple& configuration, const PanelVersionSource* panel);

// Relay texts, the dossier blocks and their checks exist from 1.01 on.
bool HasExtendedRecords(const VersionTriple& effective);

enum class VersionCheckForm { Panel, File };

// The "Versie conflict!" box: fault 17 with fault 10 under caption 17.
void ShowVersionConflict(MessageHost& host);

// Judges whether a panel (its own triple) or a file (the triple given) can be
// worked with, showing the refusal. A given triple of 0.00 stands for the
// effective version.
bool CheckVersionCompatibility(VersionCheckForm form, VersionTriple given, const VersionTriple& effective,
                               const PanelVersionSource* panel, MessageHost& host);

} // namespace kx700
