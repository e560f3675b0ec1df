#pragma once
// The objectNames of the "Unit Editor" page's controls.
namespace orvane::ui::unitPageNames {

inline constexpr char cmbUnit[] = "cmbUnit";
inline constexpr char cmdTU[] = "cmdTU";
inline constexpr char cmdHealth[] = "cmdHealth";
inline constexpr char cmdEnrg[] = "cmdEnrg";
inline constexpr char cmdReac[] = "cmdReac";
inline constexpr char cmdStr[] = "cmdStr";
inline constexpr char cmdFirA[] = "cmdFirA";
inline constexpr char cmdThrA[] = "cmdThrA";
inline constexpr char cmdFrA[] = "cmdFrA";
inline constexpr char cmdLefA[] = "cmdLefA";
inline constexpr char cmdRigA[] = "cmdRigA";
inline constexpr char cmdReaA[] = "cmdReaA";
inline constexpr char cmdUndA[] = "cmdUndA";
inline constexpr char cmdPsiSk[] = "cmdPsiSk";
inline constexpr char cmdPsiSt[] = "cmdPsiSt";
inline constexpr char cmdBrav[] = "cmdBrav";
inline constexpr char Frame1[] = "Frame1";
inline constexpr char optYesU[] = "optYesU";
inline constexpr char optNoU[] = "optNoU";

} // namespace orvane::ui::unitPageNames
