#pragma once
// The objectNames of the "Item Editor" page's controls.
namespace orvane::ui::itemPageNames {

inline constexpr char txtFilterItem[] = "txtFilterItem", lstItem[] = "lstItem", lblIndex[] = "lblIndex",
                      cmdName[] = "cmdName", cmdDamage[] = "cmdDamage", cmdAmmo1[] = "cmdAmmo1",
                      cmdAmmo2[] = "cmdAmmo2", cmdAmmo3[] = "cmdAmmo3", cmdAmount[] = "cmdAmount",
                      cmdWeight[] = "cmdWeight", cmdAutoA[] = "cmdAutoA", cmdSnapA[] = "cmdSnapA",
                      cmdAimA[] = "cmdAimA", cmdAutoT[] = "cmdAutoT", cmdSnapT[] = "cmdSnapT", cmdAimT[] = "cmdAimT",
                      cmdMelT[] = "cmdMelT", Frame2[] = "Frame2", frmClip[] = "frmClip", frmGren[] = "frmGren",
                      optAP[] = "optAP", optIN[] = "optIN", optHE[] = "optHE", optLaser[] = "optLaser",
                      optPlasma[] = "optPlasma", optStun[] = "optStun", optNone[] = "optNone",
                      optNoClip[] = "optNoClip", optClip[] = "optClip", optSmoke[] = "optSmoke", optProx[] = "optProx",
                      optGren[] = "optGren", optNoG[] = "optNoG";

} // namespace orvane::ui::itemPageNames
