#include "app/about.h"

#include "common/string_format.h"
#include "common/text_tables.h"
#include "model/version.h"

namespace kx700 {

AboutTexts AboutTextsOf(const PanelSession& session) {
  const PanelIdentification& panel = session.identification;
  AboutTexts t;
  t.programVersion = StringPrintf("%d.%02d  %02d", kProgramVersion.major, kProgramVersion.minor, kProgramVersion.third);
  if (session.connected()) {
    t.panelLabel = OrEmpty(GetText(25));
    t.panelVersion = panel.firmwareBuild == 0
                         ? StringPrintf("%d.%02d", panel.firmwareMajor, panel.firmwareMinor)
                         : StringPrintf("%d.%02d  %02d", panel.firmwareMajor, panel.firmwareMinor, panel.firmwareBuild);
    if (panel.firmwareMajor != 1) t.conflict = OrEmpty(GetFault(17));
  }
  return t;
}

} // namespace kx700
