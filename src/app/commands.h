#pragma once

namespace kx700 {

// Command ids of the menu and the tool bar.
enum CommandId : int {
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSaveAs = 57604,
  kCmdFilePrintSetup = 57606,
  kCmdFilePrint = 57607,
  kCmdFilePrintPreview = 57609,
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

} // namespace kx700
