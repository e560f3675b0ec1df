#pragma once
// The objectNames of the "Soldier Names" page's controls.
namespace orvane::ui::namesPageNames {

inline constexpr char lstFirst[] = "lstFirst";
inline constexpr char lstLast[] = "lstLast";
inline constexpr char lblName[] = "lblName";

} // namespace orvane::ui::namesPageNames
