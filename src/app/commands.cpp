#include "app/commands.h"

#include <algorithm>

#include "app/application.h"

namespace kx700 {

CommandState CommandStateOf(int command, const CommandContext& c) {
  constexpr int kCardProgramming = 2;
  const bool notProgramming = c.linkMode != kCardProgramming;
  const bool idle = c.linkMode == 0;
  switch (command) {
    case kCmdFileNew:
    case kCmdFileSaveAs:
    case kCmdEditParameters: return {notProgramming};
    case kCmdReceive: return {c.connected};
    case kCmdSend:
    case kCmdAnalogValues:
    case kCmdTestControls: return {c.connected && idle};
    case kCmdLogbook:
    case kCmdPeriphery:
    case kCmdSilence:
    case kCmdReset:
    case kCmdSetDateTime:
    case kCmdPanelLanguage: return {c.connected && notProgramming};
    case kCmdTechnicianMode: return {c.connected && notProgramming, c.technicianMode};
    case kCmdCommunication: return {idle};
    case kCmdFileOpen:
    case kCmdFilePrintSetup:
    case kCmdFilePrint:
    case kCmdFilePrintPreview:
    case kCmdAbout:
    case kCmdAppExit: return {true};
    default: return {false};
  }
}

namespace {

using enum MenuId;
using enum CommandIcon;

// The menus in their order; the tool bar: 1x files, 2x printing, 3x
// parameters, 4x panel functions, 5x help.
constexpr CommandRow kCommands[] = {
    {kCmdFileNew, File, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "&Nieuw"), "Ctrl+N", 11, New, false,
     [](CPc_kx700App& app) { app.controller().OnFileNew(); }},
    {kCmdFileOpen, File, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "&Open..."), "Ctrl+O", 12, Open, false,
     [](CPc_kx700App& app) { app.controller().OnFileOpen(); }},
    {kCmdFileSaveAs, File, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Opslaan &Als..."), "Ctrl+S", 13, Save, false,
     [](CPc_kx700App& app) { app.controller().OnFileSaveAs(); }},
    {kCmdFilePrint, File, 2, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "&Afdrukken..."), nullptr, 21, Print, false,
     [](CPc_kx700App& app) { app.OnFilePrint(); }},
    {kCmdFilePrintPreview, File, 2, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Afdrukvoorbeeld"), nullptr, 0, None,
     false, [](CPc_kx700App& app) { app.OnFilePrintPreview(); }},
    {kCmdFilePrintSetup, File, 2, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Printerinstellingen"), nullptr, 0, None,
     false, [](CPc_kx700App& app) { app.OnFilePrintSetup(); }},
    {kCmdRecentFile, File, 3, nullptr, nullptr, 0, None, false, nullptr},
    {kCmdAppExit, File, 4, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Afsluiten"), nullptr, 0, None, false,
     [](CPc_kx700App& app) { app.OnAppExit(); }},

    {kCmdEditParameters, Parameters, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Wijzigen"), nullptr, 31, Edit, false,
     [](CPc_kx700App& app) { app.OnEditParameters(); }},
    {kCmdReceive, Parameters, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Ontvangen"), nullptr, 32, Receive, false,
     [](CPc_kx700App& app) { app.OnReceiveParameters(); }},
    {kCmdSend, Parameters, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Verzenden"), nullptr, 33, Send, false,
     [](CPc_kx700App& app) { app.OnSendParameters(); }},

    {kCmdAnalogValues, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Analoge waarden"), nullptr, 43,
     AnalogValues, false, [](CPc_kx700App& app) { app.OnAnalogValues(); }},
    {kCmdLogbook, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Logboek"), nullptr, 0, None, false,
     [](CPc_kx700App& app) { app.OnLogbook(); }},
    {kCmdPeriphery, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Periferie"), nullptr, 0, None, false,
     [](CPc_kx700App& app) { app.OnPeriphery(); }},
    {kCmdTestControls, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Sturingen testen"), nullptr, 0, None,
     false, [](CPc_kx700App& app) { app.OnTestControls(); }},
    {kCmdSilence, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Stilte"), nullptr, 41, Silence, false,
     [](CPc_kx700App& app) { app.OnSilence(); }},
    {kCmdReset, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Reset"), nullptr, 42, Reset, false,
     [](CPc_kx700App& app) { app.OnReset(); }},
    {kCmdSetDateTime, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Instellen datum/tijd"), nullptr, 0, None,
     false, [](CPc_kx700App& app) { app.OnSetDateTime(); }},
    {kCmdPanelLanguage, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Instellen taal"), nullptr, 0, None,
     false, [](CPc_kx700App& app) { app.OnPanelLanguage(); }},
    {kCmdTechnicianMode, Functions, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Technicus mode"), nullptr, 44,
     Technician, true, [](CPc_kx700App& app) { app.OnTechnicianMode(); }},

    {kCmdCommunication, Settings, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Communicatie"), nullptr, 0, None, false,
     [](CPc_kx700App& app) { app.OnCommunicationSettings(); }},

    {kCmdAbout, Extra, 1, KX700_TRANSLATE_NOOP("kx700::CMainFrame", "Versie"), nullptr, 51, About, false,
     [](CPc_kx700App& app) { app.OnAppAbout(); }},
};

} // namespace

std::span<const CommandRow> CommandTable() { return kCommands; }

const CommandRow* FindCommand(int id) {
  const auto it =
      std::find_if(std::begin(kCommands), std::end(kCommands), [id](const CommandRow& row) { return row.id == id; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

} // namespace kx700
