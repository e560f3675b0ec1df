#pragma once
// The objectNames of the "Facility Editor" page's controls.
namespace orvane::ui::facilityPageNames {

inline constexpr char cmbType[] = "cmbType";
inline constexpr char cmdPrice[] = "cmdPrice";
inline constexpr char cmdDays[] = "cmdDays";
inline constexpr char cmdUpkeep[] = "cmdUpkeep";
inline constexpr char cmdStrength[] = "cmdStrength";
inline constexpr char cmdRatio[] = "cmdRatio";
inline constexpr char frmBuild[] = "frmBuild";
inline constexpr char optYes[] = "optYes";
inline constexpr char optNo[] = "optNo";

} // namespace orvane::ui::facilityPageNames
