#pragma once
// The StartingBase block of the executable: the 6 by 6 grid of facility codes and their days to
// completion, the engineers and scientists, and 96 two-byte store amounts, of which 82 are listed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/ByteImage.h"
#include "core/FieldLayout.h"
#include "core/GameEdition.h"

namespace orvane::base {

inline constexpr EditionOffsets StartingBaseOffsets{455'134, 391'894, 373'886};
inline constexpr std::size_t SquareCount = 36;
inline constexpr std::size_t DaysOffset = 36;
inline constexpr std::size_t EngineersOffset = 72;
inline constexpr std::size_t ScientistsOffset = 73;
inline constexpr std::size_t StoresOffset = 74;
inline constexpr std::size_t StoreSlotCount = 96;
inline constexpr std::size_t StartingBaseSize = StoresOffset + 2 * StoreSlotCount;

inline constexpr std::uint8_t EmptyFacility = 0xFF;
inline constexpr std::uint8_t EmptyDays = 255;

// The block's start in this image, or nothing when there is no edition or the block does not fit.
std::optional<std::size_t> startingBaseStart(GameEdition edition, const ByteImage& exe);

// A facility code's name, a line feed where the name breaks on a button; empty for an unknown code.
std::string facilityName(std::uint8_t code);
// The same name on one line: a blank in place of the line feed.
std::string oneLineFacilityName(std::uint8_t code);
// "1 Day", otherwise the number followed by " Days".
std::string daysLabel(int days);

// The grid buttons are numbered down the columns: button n (1 to 36) shows square
// 6 x row + column with row (n-1) mod 6 and column (n-1) div 6.
std::size_t squareOfButton(int button);

// The facility codes in the order of the facility box, "Empty" last.
const std::array<std::uint8_t, 21>& facilityChoices();
// The days in the order of the days box: 0 to 46, then 255.
const std::array<std::uint8_t, 48>& daysChoices();

// One entry of the stores list: the label, and where its amount lives.
struct StoresEntry {
    std::string label;
    bool personnel;     // a one-byte count of engineers or scientists
    std::size_t offset; // from the block start: the byte, or the low byte of a two-byte amount
};
inline constexpr std::size_t StoresEntryCount = 84;
const std::array<StoresEntry, StoresEntryCount>& storesEntries();

// The facility box's choices as options: the one-line names, "Empty" last.
std::span<const FieldOption> facilityOptions(std::size_t square);
// A day count picked from the days box (0 to 46, or 255); nothing for any other number.
std::optional<std::int64_t> pickedDays(double days);
std::string daysText(std::int64_t days);

// A square's two fields, from the square's own byte: its facility, picked from the facility box, and,
// 36 bytes on, its days to completion, picked from the days box.
inline constexpr std::array<FieldLayout, 2> SquareFields{{
    {"Facility", 0, 1, FieldEncoding::Unsigned, optionEntry(&facilityOptions)},
    {"Days to Completion", DaysOffset, 1, FieldEncoding::Unsigned, {255, LimitCheck::OnEntry, &pickedDays}, &daysText},
}};

// The days a square keeps when it is given `facility`: an Empty square always has 255 days.
std::uint8_t settledDays(std::uint8_t facility, std::uint8_t days);

// Stores entry `position` as a field of the block: its label without the trailing " - ", its width,
// and its limit (250 for engineers and scientists, 28,671 for an item amount).
FieldLayout storesField(std::size_t position);

} // namespace orvane::base
