#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/message_host.h"
#include "common/translatable.h"
#include "editor/editor_page.h"
#include "editor/relay_texts.h"
#include "model/configuration.h"
#include "model/document.h"
#include "model/version.h"

namespace kx700 {

enum class EditorPageKind { Actions, Controls, General, Loops, Dossier };

// The pages a configuration of this version is edited on, in tab order.
std::vector<EditorPageKind> EditorPagesFor(const VersionTriple& version);
// A page's tab title in Dutch (translated by the sheet, context
// "kx700::CParameterSheet").
const char* EditorPageTitle(EditorPageKind kind);

// One run of the parameter sheet over the document: what its pages share, and
// the sheet's page protocol. The version is taken once when the sheet opens,
// so a panel that comes or goes meanwhile changes no page.
class ParameterEditor {
public:
  ParameterEditor(CPc_kx700Doc& document, MessageHost& messages, const Clock& clock = SystemClock::Instance());

  CPc_kx700Doc& document() { return document_; }
  MessageHost& messages() { return messages_; }
  // Today, for a date the document does not hold.
  LocalDateTime Today() const { return clock_.Now(); }
  const VersionTriple& version() const { return version_; }
  // The effective version compared with major.minor by a version operator.
  bool CompareVersion(int major, int minor, int op) const;

  // "Parameters", with " - " and the panel's name when it has one.
  const std::string& caption() const { return caption_; }
  // The pages of the sheet, in tab order.
  const std::vector<EditorPageKind>& pages() const { return pages_; }
  // The relay texts being edited; the document gets them back in Finish,
  // whichever way the sheet closed and whether or not their page was shown.
  RelayTextCopy& relayTexts() { return relayTexts_; }
  const RelayTextCopy& relayTexts() const { return relayTexts_; }

  // Makes the page at `index` the shown one, after the shown page agreed to
  // leave. `page` gives the page, which the window builds the first time it is
  // asked for. False when the shown page stays.
  bool RequestPage(std::size_t index, const std::function<EditorPage&()>& page);
  std::optional<std::size_t> activePage() const { return active_; }
  // OK of the sheet: the shown page leaves, then every page that was shown
  // takes its OK. False keeps the sheet open, on the page that refused.
  bool Ok();
  // Cancel of the sheet: every page that was shown takes its Cancel.
  void Cancel();

  // After the sheet has closed, whichever way: writes the relay texts back;
  // true when any byte of the configuration differs from when the sheet
  // opened.
  bool Finish();

private:
  CPc_kx700Doc& document_;
  MessageHost& messages_;
  const Clock& clock_;
  const VersionTriple version_;
  const std::string caption_;
  const std::vector<EditorPageKind> pages_;
  const Configuration before_;
  RelayTextCopy relayTexts_;
  std::vector<EditorPage*> shown_; // by tab index; null until first shown
  std::optional<std::size_t> active_;
};

} // namespace kx700
