#pragma once
// The objectNames of the "Soldier Names" page's controls.
namespace orvane::ui::namesPageNames {

inline constexpr char lstFirst[] = "lstFirst", lstLast[] = "lstLast", lblName[] = "lblName";

} // namespace orvane::ui::namesPageNames
