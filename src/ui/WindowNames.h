#pragma once
// The objectNames of the main window, its panels and the small windows and boxes, one table each.
namespace orvane::ui {

namespace mainWindowNames {
inline constexpr char frmMain[] = "frmMain", tabFac[] = "tabFac", pnlPages[] = "pnlPages", mnuFile[] = "mnuFile",
                      mnuOpen[] = "mnuOpen", mnuBack[] = "mnuBack", mnuMaster[] = "mnuMaster", mnuPatch[] = "mnuPatch",
                      mnuApplyPatch[] = "mnuApplyPatch", mnuExportMod[] = "mnuExportMod", mnuApplyMod[] = "mnuApplyMod",
                      mnuSave[] = "mnuSave", mnuClose[] = "mnuClose", mnuExit[] = "mnuExit", mnuEdit[] = "mnuEdit",
                      mnuUndo[] = "mnuUndo", mnuChanges[] = "mnuChanges", mnuHelp[] = "mnuHelp",
                      mnuAbout[] = "mnuAbout", mnuHelpMe[] = "mnuHelpMe";
} // namespace mainWindowNames

namespace changesPanelNames {
inline constexpr char frmChanges[] = "frmChanges", lstChanges[] = "lstChanges";
} // namespace changesPanelNames

namespace diskChangedBarNames {
inline constexpr char barDiskChanged[] = "barDiskChanged", lblDiskChanged[] = "lblDiskChanged",
                      cmdKeepBoth[] = "cmdKeepBoth", cmdReloadDisk[] = "cmdReloadDisk",
                      cmdIgnoreDisk[] = "cmdIgnoreDisk";
} // namespace diskChangedBarNames

namespace loadWindowNames {
inline constexpr char frmLoad[] = "frmLoad", lblLoad[] = "lblLoad", lblComp[] = "lblComp", Command1[] = "Command1";
} // namespace loadWindowNames

namespace aboutWindowNames {
inline constexpr char frmAbout[] = "frmAbout", picIcon[] = "picIcon", lblTitle[] = "lblTitle",
                      lblVersion[] = "lblVersion", lblDescription[] = "lblDescription",
                      lblDisclaimer[] = "lblDisclaimer", cmdOK[] = "cmdOK";
} // namespace aboutWindowNames

namespace helpWindowNames {
inline constexpr char frmHelp[] = "frmHelp", lstHelp[] = "lstHelp", txtHelp[] = "txtHelp", lblInfo[] = "lblInfo",
                      Command1[] = "Command1";
} // namespace helpWindowNames

namespace splashWindowNames {
inline constexpr char frmOpen[] = "frmOpen", Label1[] = "Label1", Label2[] = "Label2", Label3[] = "Label3",
                      Label4[] = "Label4", Timer1[] = "Timer1";
} // namespace splashWindowNames

// The modal boxes behind the prompts.
namespace promptNames {
inline constexpr char InputBox[] = "InputBox", ChoiceBox[] = "ChoiceBox";
} // namespace promptNames

} // namespace orvane::ui
