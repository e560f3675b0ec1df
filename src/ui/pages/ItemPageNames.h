#pragma once
// The objectNames of the "Item Editor" page's controls.
namespace orvane::ui::itemPageNames {

inline constexpr char txtFilterItem[] = "txtFilterItem";
inline constexpr char lstItem[] = "lstItem";
inline constexpr char lblIndex[] = "lblIndex";
inline constexpr char cmdName[] = "cmdName";
inline constexpr char cmdDamage[] = "cmdDamage";
inline constexpr char cmdAmmo1[] = "cmdAmmo1";
inline constexpr char cmdAmmo2[] = "cmdAmmo2";
inline constexpr char cmdAmmo3[] = "cmdAmmo3";
inline constexpr char cmdAmount[] = "cmdAmount";
inline constexpr char cmdWeight[] = "cmdWeight";
inline constexpr char cmdAutoA[] = "cmdAutoA";
inline constexpr char cmdSnapA[] = "cmdSnapA";
inline constexpr char cmdAimA[] = "cmdAimA";
inline constexpr char cmdAutoT[] = "cmdAutoT";
inline constexpr char cmdSnapT[] = "cmdSnapT";
inline constexpr char cmdAimT[] = "cmdAimT";
inline constexpr char cmdMelT[] = "cmdMelT";
inline constexpr char Frame2[] = "Frame2";
inline constexpr char frmClip[] = "frmClip";
inline constexpr char frmGren[] = "frmGren";
inline constexpr char optAP[] = "optAP";
inline constexpr char optIN[] = "optIN";
inline constexpr char optHE[] = "optHE";
inline constexpr char optLaser[] = "optLaser";
inline constexpr char optPlasma[] = "optPlasma";
inline constexpr char optStun[] = "optStun";
inline constexpr char optNone[] = "optNone";
inline constexpr char optNoClip[] = "optNoClip";
inline constexpr char optClip[] = "optClip";
inline constexpr char optSmoke[] = "optSmoke";
inline constexpr char optProx[] = "optProx";
inline constexpr char optGren[] = "optGren";
inline constexpr char optNoG[] = "optNoG";

} // namespace orvane::ui::itemPageNames
