#pragma once
// The objectNames of the "Base Editor" page's controls.
namespace orvane::ui::basePageNames {

inline constexpr char Label1[] = "Label1";
inline constexpr char Label2[] = "Label2";
inline constexpr char Label3[] = "Label3";
inline constexpr char Label4[] = "Label4";
inline constexpr char Label5[] = "Label5";
inline constexpr char lblVer[] = "lblVer";
// The squares are Command1 to Command36, numbered down the columns.
inline constexpr char Command[] = "Command";
inline constexpr char frmChange[] = "frmChange";
inline constexpr char Combo1[] = "Combo1";
inline constexpr char Combo2[] = "Combo2";
inline constexpr char cmdApply[] = "cmdApply";
inline constexpr char cmdCancel[] = "cmdCancel";
inline constexpr char lstItems[] = "lstItems";

} // namespace orvane::ui::basePageNames
