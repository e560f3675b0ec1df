#pragma once
// The objectNames of the "Facility Editor" page's controls.
namespace orvane::ui::facilityPageNames {

inline constexpr char cmbType[] = "cmbType", cmdPrice[] = "cmdPrice", cmdDays[] = "cmdDays", cmdUpkeep[] = "cmdUpkeep",
                      cmdStrength[] = "cmdStrength", cmdRatio[] = "cmdRatio", frmBuild[] = "frmBuild",
                      optYes[] = "optYes", optNo[] = "optNo";

} // namespace orvane::ui::facilityPageNames
