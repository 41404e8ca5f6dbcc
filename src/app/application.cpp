#include "app/application.h"

#include <cstdio>

#include "common/string_format.h"
#include "common/text_tables.h"
#include "link/com_port.h"

namespace kx700 {
namespace {

struct LanguageChoice {
  const char* value;
  const char* file;
  std::optional<TextLanguage> tables; // none: the dialogs change, the messages stay Dutch
  const char* system;                 // the language of the window system's own texts
};
constexpr LanguageChoice kLanguages[] = {
    {"FR", "rc_700fr.qm", TextLanguage::French, "fr"},
    {"EN", "rc_700en.qm", TextLanguage::English, "en"},
    {"CZ", "rc_700cz.qm", std::nullopt, "cs"},
};
constexpr const char* kDutch = "nl";

} // namespace

CPc_kx700App::CPc_kx700App(const AppSeams& seams, std::unique_ptr<PortChannel> port)
    : seams_(seams),
      port_(std::move(port)),
      link_(*port_, seams.clock, seams.messages, *this),
      engine_(*port_, link_, seams.clock, document_, *this) {
  LoadAllTextTables();
  document_.SetPanelVersionSource(this);
  link_.SetIdleCountdownHook([this] { engine_.ArmIdleCountdown(); });
}

// The port stops its reader before the engine and the link that use it go.
CPc_kx700App::~CPc_kx700App() { port_->Close(); }

bool CPc_kx700App::InitInstance(StartupHost& startup, const std::vector<std::string>& arguments) {
  LoadLanguage(startup);
  ReadComPortSetting();
  controller_.emplace(document_, seams_.messages, seams_.files, seams_.settings); // reads the recent files
  startup.CreateMainWindow();
  for (const std::string& argument : arguments) {
    if (!startup.OpenDocumentFile(argument)) return false;
  }
  startup.ShowMainWindow();
  return true;
}

int CPc_kx700App::ExitInstance() {
  WriteComPortSetting();
  return 0;
}

void CPc_kx700App::LoadLanguage(StartupHost& startup) {
  SelectTextLanguage(TextLanguage::Dutch);
  // The buttons and file dialogs of the window system speak the language of
  // the program's dialogs.
  const char* system = kDutch;
  // The value is compared exactly: "fr" or "FRA" mean Dutch.
  const auto value = seams_.settings.ProgramValue("Language");
  for (const auto& choice : kLanguages) {
    if (!value || *value != choice.value) continue;
    if (!startup.LoadTranslation(choice.file)) {
      seams_.messages.Show(
          {StringPrintf("Cannot load %s.", choice.file), "Error", MessageButtons::Ok, MessageIcon::Exclamation, {}});
      break;
    }
    if (choice.tables) SelectTextLanguage(*choice.tables);
    system = choice.system;
    break;
  }
  startup.LoadSystemTranslation(system);
}

void CPc_kx700App::ReadComPortSetting() {
  // "COM<n>": the leading digits after COM; anything else, or a port outside
  // 1..99, is COM1.
  int requested = 1;
  if (const auto value = seams_.settings.ProgramValue("Com_port");
      value && value->size() < 15 && value->rfind("COM", 0) == 0) {
    int port = 0;
    for (std::size_t i = 3; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9' && port <= kLastComPort; ++i)
      port = port * 10 + ((*value)[i] - '0');
    if (port >= kFirstComPort && port <= kLastComPort) requested = port;
  }
  engine_.OpenPort(requested, kDefaultBaud);
}

void CPc_kx700App::WriteComPortSetting() {
  int port = engine_.activePort();
  if (port < kFirstComPort || port > kLastComPort) port = 1;
  if (!seams_.settings.SetProgramValue("Com_port", ComPortName(port)))
    std::fprintf(stderr, "kx700: cannot store the port setting %s\n", ComPortName(port).c_str());
}

std::optional<VersionTriple> CPc_kx700App::GetStoredPanelVersion() const {
  const PanelSession& panel = session();
  if (!panel.connected()) return std::nullopt;
  const PanelIdentification& id = panel.identification;
  return VersionTriple{id.firmwareMajor, id.firmwareMinor, id.minimumProgramMinor};
}

bool CPc_kx700App::GetPanelVersion(int& major, int& minor) const {
  const auto stored = GetStoredPanelVersion();
  major = stored ? stored->major : 0;
  minor = stored ? stored->minor : 0;
  return stored.has_value();
}

bool CPc_kx700App::CheckVersionCompatibility(VersionCheckForm form, VersionTriple given) {
  return kx700::CheckVersionCompatibility(form, given, GetConfigurationVersion(), this, seams_.messages);
}

CommandContext CPc_kx700App::commandContext() const {
  return {session().connected(), engine_.GetLinkMode(), session().identification.technicianMode};
}

void CPc_kx700App::PanelSessionChanged() {
  if (frame_) frame_->PanelSessionChanged(session());
}

void CPc_kx700App::CommandStatesChanged() {
  if (frame_) frame_->RefreshCommandStates();
}

} // namespace kx700
