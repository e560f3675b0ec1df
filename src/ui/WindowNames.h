#pragma once
// The objectNames of the main window, its panels and the small windows and boxes, one table each.
namespace orvane::ui {

namespace mainWindowNames {
inline constexpr char frmMain[] = "frmMain";
inline constexpr char tabFac[] = "tabFac";
inline constexpr char pnlPages[] = "pnlPages";
inline constexpr char mnuFile[] = "mnuFile";
inline constexpr char mnuOpen[] = "mnuOpen";
inline constexpr char mnuBack[] = "mnuBack";
inline constexpr char mnuMaster[] = "mnuMaster";
inline constexpr char mnuPatch[] = "mnuPatch";
inline constexpr char mnuApplyPatch[] = "mnuApplyPatch";
inline constexpr char mnuExportMod[] = "mnuExportMod";
inline constexpr char mnuApplyMod[] = "mnuApplyMod";
inline constexpr char mnuSave[] = "mnuSave";
inline constexpr char mnuClose[] = "mnuClose";
inline constexpr char mnuExit[] = "mnuExit";
inline constexpr char mnuEdit[] = "mnuEdit";
inline constexpr char mnuUndo[] = "mnuUndo";
inline constexpr char mnuChanges[] = "mnuChanges";
inline constexpr char mnuHelp[] = "mnuHelp";
inline constexpr char mnuAbout[] = "mnuAbout";
inline constexpr char mnuHelpMe[] = "mnuHelpMe";
} // namespace mainWindowNames

namespace changesPanelNames {
inline constexpr char frmChanges[] = "frmChanges";
inline constexpr char lstChanges[] = "lstChanges";
} // namespace changesPanelNames

namespace diskChangedBarNames {
inline constexpr char barDiskChanged[] = "barDiskChanged";
inline constexpr char lblDiskChanged[] = "lblDiskChanged";
inline constexpr char cmdKeepBoth[] = "cmdKeepBoth";
inline constexpr char cmdReloadDisk[] = "cmdReloadDisk";
inline constexpr char cmdIgnoreDisk[] = "cmdIgnoreDisk";
} // namespace diskChangedBarNames

namespace loadWindowNames {
inline constexpr char frmLoad[] = "frmLoad";
inline constexpr char lblLoad[] = "lblLoad";
inline constexpr char lblComp[] = "lblComp";
inline constexpr char Command1[] = "Command1";
} // namespace loadWindowNames

namespace aboutWindowNames {
inline constexpr char frmAbout[] = "frmAbout";
inline constexpr char picIcon[] = "picIcon";
inline constexpr char lblTitle[] = "lblTitle";
inline constexpr char lblVersion[] = "lblVersion";
inline constexpr char lblDescription[] = "lblDescription";
inline constexpr char lblDisclaimer[] = "lblDisclaimer";
inline constexpr char cmdOK[] = "cmdOK";
} // namespace aboutWindowNames

namespace helpWindowNames {
inline constexpr char frmHelp[] = "frmHelp";
inline constexpr char lstHelp[] = "lstHelp";
inline constexpr char txtHelp[] = "txtHelp";
inline constexpr char lblInfo[] = "lblInfo";
inline constexpr char Command1[] = "Command1";
} // namespace helpWindowNames

namespace splashWindowNames {
inline constexpr char frmOpen[] = "frmOpen";
inline constexpr char Label1[] = "Label1";
inline constexpr char Label2[] = "Label2";
inline constexpr char Label3[] = "Label3";
inline constexpr char Label4[] = "Label4";
inline constexpr char Timer1[] = "Timer1";
} // namespace splashWindowNames

// The modal boxes behind the prompts.
namespace promptNames {
inline constexpr char InputBox[] = "InputBox";
inline constexpr char ChoiceBox[] = "ChoiceBox";
} // namespace promptNames

} // namespace orvane::ui
