#pragma once

#include <span>

#include "common/translatable.h"

namespace kx700 {

class CPc_kx700App;

// Command ids of the menu and the tool bar.
enum CommandId : int {
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSaveAs = 57604,
  kCmdFilePrintSetup = 57606,
  kCmdFilePrint = 57607,
  kCmdFilePrintPreview = 57609,
  kCmdRecentFile = 57616,
  kCmdAbout = 57664,
  kCmdAppExit = 57665,
  kCmdEditParameters = 32772,
  kCmdReceive = 32773,
  kCmdSend = 32774,
  kCmdCommunication = 32775,
  kCmdSilence = 32780,
  kCmdReset = 32782,
  kCmdAnalogValues = 32787,
  kCmdLogbook = 32789,
  kCmdPeriphery = 32790,
  kCmdTestControls = 32791,
  kCmdPanelLanguage = 32793,
  kCmdTechnicianMode = 32798,
  kCmdSetDateTime = 32799,
};

// What the enable rules look at: whether a panel is connected (its text is
// shown), the link mode, and whether the panel is in technician mode.
struct CommandContext {
  bool connected = false;
  int linkMode = 0;
  bool technicianMode = false;
};

struct CommandState {
  bool enabled = false;
  bool checked = false;
  bool operator==(const CommandState&) const = default;
};

// The enable and check rule of every command.
CommandState CommandStateOf(int command, const CommandContext& context);

enum class MenuId { File, Parameters, Functions, Settings, Extra };

// The picture of a tool bar button.
enum class CommandIcon {
  None,
  New,
  Open,
  Save,
  Print,
  Edit,
  Receive,
  Send,
  Silence,
  Reset,
  AnalogValues,
  Technician,
  About
};

// One command: where it stands in the menus and the tool bar, and what runs
// it. The menus, the tool bar and the dispatch are built from the table.
struct CommandRow {
  int id;
  MenuId menu;
  int menuGroup;        // a separator stands between the groups of one menu
  const char* text;     // Dutch; translated by the main window (context "kx700::CMainFrame")
  const char* shortcut; // portable key text ("Ctrl+N"), or nullptr
  int toolBarPlace;     // 0: no button; tens are the group, units the order
  CommandIcon icon;
  bool checkable;
  void (*handler)(CPc_kx700App& app); // nullptr: not in this build yet (disabled)
};

// Every command in menu order. The recent files stand at kCmdRecentFile.
std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(int id);

} // namespace kx700
