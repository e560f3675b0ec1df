#pragma once
// The objectNames of the "Base Editor" page's controls.
namespace orvane::ui::basePageNames {

inline constexpr char Label1[] = "Label1", Label2[] = "Label2", Label3[] = "Label3", Label4[] = "Label4",
                      Label5[] = "Label5", lblVer[] = "lblVer";
// The squares are Command1 to Command36, numbered down the columns.
inline constexpr char Command[] = "Command", frmChange[] = "frmChange", Combo1[] = "Combo1", Combo2[] = "Combo2",
                      cmdApply[] = "cmdApply", cmdCancel[] = "cmdCancel", lstItems[] = "lstItems";

} // namespace orvane::ui::basePageNames
