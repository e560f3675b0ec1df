#pragma once
// The objectNames of the "Unit Editor" page's controls.
namespace orvane::ui::unitPageNames {

inline constexpr char cmbUnit[] = "cmbUnit", cmdTU[] = "cmdTU", cmdHealth[] = "cmdHealth", cmdEnrg[] = "cmdEnrg",
                      cmdReac[] = "cmdReac", cmdStr[] = "cmdStr", cmdFirA[] = "cmdFirA", cmdThrA[] = "cmdThrA",
                      cmdFrA[] = "cmdFrA", cmdLefA[] = "cmdLefA", cmdRigA[] = "cmdRigA", cmdReaA[] = "cmdReaA",
                      cmdUndA[] = "cmdUndA", cmdPsiSk[] = "cmdPsiSk", cmdPsiSt[] = "cmdPsiSt", cmdBrav[] = "cmdBrav",
                      Frame1[] = "Frame1", optYesU[] = "optYesU", optNoU[] = "optNoU";

} // namespace orvane::ui::unitPageNames
