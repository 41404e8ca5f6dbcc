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
};
constexpr LanguageChoice kLanguages[] = {
    {"FR", "rc_700fr.qm", TextLanguage::French},
    {"EN", "rc_700en.qm", TextLanguage::English},
    {"CZ", "rc_700cz.qm", std::nullopt},
};

} // namespace

CPc_kx700App::CPc_kx700App(MessageHost& host, SettingsStore& settings, Clock& clock, FileDialogHost& dialogs,
                           std::unique_ptr<PortChannel> port)
    : host_(host),
      settings_(settings),
      clock_(clock),
      port_(std::move(port)),
      link_(*port_, clock, host, *this),
      dialogs_(dialogs) {
  LoadAllTextTables();
  document_.SetPanelVersionSource(this);
  link_.SetIdleCountdownHook([this] { ArmIdleCountdown(); });
}

// The link goes first, then the port it talks through.
CPc_kx700App::~CPc_kx700App() { port_->Close(); }

bool CPc_kx700App::InitInstance(StartupHost& startup, const std::vector<std::string>& arguments) {
  LoadLanguage(startup);
  ReadComPortSetting();
  controller_.emplace(document_, host_, dialogs_, settings_); // reads the recent files
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
  const auto value = settings_.ProgramValue("Language");
  // The value is compared exactly: "fr" or "FRA" mean Dutch.
  if (!value) return;
  for (const auto& choice : kLanguages) {
    if (*value != choice.value) continue;
    if (!startup.LoadTranslation(choice.file)) {
      host_.Show(
          {StringPrintf("Cannot load %s.", choice.file), "Error", MessageButtons::Ok, MessageIcon::Exclamation, {}});
      return;
    }
    if (choice.tables) SelectTextLanguage(*choice.tables);
    return;
  }
}

void CPc_kx700App::ReadComPortSetting() {
  requestedPort = 1;
  requestedBaud = kDefaultBaud;
  // "COM<n>": the leading digits after COM; anything else, or a port outside
  // 1..99, is COM1.
  if (const auto value = settings_.ProgramValue("Com_port");
      value && value->size() < 15 && value->rfind("COM", 0) == 0) {
    int port = 0;
    for (std::size_t i = 3; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9' && port <= kLastComPort; ++i)
      port = port * 10 + ((*value)[i] - '0');
    if (port >= kFirstComPort && port <= kLastComPort) requestedPort = port;
  }
  activePort = requestedPort;
  activeBaud = requestedBaud;
  port_->Open(activePort, activeBaud);
}

void CPc_kx700App::WriteComPortSetting() {
  if (activePort < kFirstComPort || activePort > kLastComPort) activePort = 1;
  if (!settings_.SetProgramValue("Com_port", ComPortName(activePort)))
    std::fprintf(stderr, "kx700: cannot store the port setting %s\n", ComPortName(activePort).c_str());
}

std::optional<VersionTriple> CPc_kx700App::GetStoredPanelVersion() const {
  if (!connected) return std::nullopt;
  return VersionTriple{identification.firmwareMajor, identification.firmwareMinor, identification.minimumProgramMinor};
}

bool CPc_kx700App::GetPanelVersion(int& major, int& minor) const {
  const auto stored = GetStoredPanelVersion();
  major = stored ? stored->major : 0;
  minor = stored ? stored->minor : 0;
  return stored.has_value();
}

bool CPc_kx700App::CheckVersionCompatibility(VersionCheckForm form, VersionTriple given) {
  return kx700::CheckVersionCompatibility(form, given, GetConfigurationVersion(), this, host_);
}

} // namespace kx700
