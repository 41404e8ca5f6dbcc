#include "app/commands.h"

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

} // namespace kx700
