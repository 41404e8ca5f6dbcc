#include "editor/parameter_editor.h"

#include "common/text_tables.h"

namespace kx700 {

namespace {

std::string CaptionOf(const CPc_kx700Doc& document) {
  std::string caption = OrEmpty(GetText(5));
  const std::string name = document.central.PanelName();
  if (!name.empty()) caption += " - " + name;
  return caption;
}

} // namespace

std::vector<EditorPageKind> EditorPagesFor(const VersionTriple& version) {
  using enum EditorPageKind;
  if (CompareVersions(version.major, version.minor, 1, 1, kVersionAtLeast))
    return {Actions, Controls, General, Loops, Dossier};
  return {Controls, General, Loops};
}

const char* EditorPageTitle(EditorPageKind kind) {
  switch (kind) {
    case EditorPageKind::Actions: return KX700_TRANSLATE_NOOP("kx700::CParameterSheet", "Acties");
    case EditorPageKind::Controls: return KX700_TRANSLATE_NOOP("kx700::CParameterSheet", "Sturingen");
    case EditorPageKind::General: return KX700_TRANSLATE_NOOP("kx700::CParameterSheet", "Algemeen");
    case EditorPageKind::Loops: return KX700_TRANSLATE_NOOP("kx700::CParameterSheet", "Lus");
    case EditorPageKind::Dossier: break;
  }
  return KX700_TRANSLATE_NOOP("kx700::CParameterSheet", "Dossier");
}

ParameterEditor::ParameterEditor(CPc_kx700Doc& document, MessageHost& messages, const Clock& clock)
    : document_(document),
      messages_(messages),
      clock_(clock),
      version_(document.GetConfigurationVersion()),
      caption_(CaptionOf(document)),
      pages_(EditorPagesFor(version_)),
      before_(document.configuration()),
      shown_(pages_.size(), nullptr) {
  relayTexts_.LoadFromDocument(document.relayTexts);
}

bool ParameterEditor::CompareVersion(int major, int minor, int op) const {
  return CompareVersions(version_.major, version_.minor, major, minor, op);
}

bool ParameterEditor::RequestPage(std::size_t index, const std::function<EditorPage&()>& page) {
  if (index >= shown_.size()) return false;
  if (active_ == index) return true;
  if (active_ && !shown_[*active_]->OnKillActive()) return false;
  const bool first = shown_[index] == nullptr;
  EditorPage& target = page();
  shown_[index] = &target;
  active_ = index;
  if (first) target.OnInitDialog();
  target.OnSetActive();
  return true;
}

bool ParameterEditor::Ok() {
  if (active_ && !shown_[*active_]->OnKillActive()) return false;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (shown_[i] && !shown_[i]->OnOK()) {
      if (active_ != i) {
        active_ = i;
        shown_[i]->OnSetActive();
      }
      return false;
    }
  }
  return true;
}

void ParameterEditor::Cancel() {
  for (EditorPage* page : shown_) {
    if (page) page->OnCancel();
  }
}

bool ParameterEditor::Finish() {
  relayTexts_.SaveToDocument(document_.relayTexts);
  return !(document_.configuration() == before_);
}

} // namespace kx700
