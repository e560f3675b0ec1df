#pragma once
// The objectNames of the "String Editor" page's controls; the lists, their filters and their index
// labels end in 1 for ENGLISH.DAT and 2 for ENGLISH2.DAT.
namespace orvane::ui::stringPageNames {

inline constexpr char txtFilterEng1[] = "txtFilterEng1", txtFilterEng2[] = "txtFilterEng2", lstEng1[] = "lstEng1",
                      lstEng2[] = "lstEng2", lblEng1[] = "lblEng1", lblEng2[] = "lblEng2",
                      lblStringStuff[] = "lblStringStuff", frmStr[] = "frmStr", Text1[] = "Text1",
                      cmdApplyStr[] = "cmdApplyStr", cmdCancelStr[] = "cmdCancelStr", lblStrShow[] = "lblStrShow";

} // namespace orvane::ui::stringPageNames
