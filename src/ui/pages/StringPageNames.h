#pragma once
// The objectNames of the "String Editor" page's controls; the lists, their filters and their index
// labels end in 1 for ENGLISH.DAT and 2 for ENGLISH2.DAT.
namespace orvane::ui::stringPageNames {

inline constexpr char txtFilterEng1[] = "txtFilterEng1";
inline constexpr char txtFilterEng2[] = "txtFilterEng2";
inline constexpr char lstEng1[] = "lstEng1";
inline constexpr char lstEng2[] = "lstEng2";
inline constexpr char lblEng1[] = "lblEng1";
inline constexpr char lblEng2[] = "lblEng2";
inline constexpr char lblStringStuff[] = "lblStringStuff";
inline constexpr char frmStr[] = "frmStr";
inline constexpr char Text1[] = "Text1";
inline constexpr char cmdApplyStr[] = "cmdApplyStr";
inline constexpr char cmdCancelStr[] = "cmdCancelStr";
inline constexpr char lblStrShow[] = "lblStrShow";

} // namespace orvane::ui::stringPageNames
