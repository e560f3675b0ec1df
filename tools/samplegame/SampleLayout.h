#pragma once
// Where the sample maker puts each table of the executable, per edition, and the sizes of its records.
// The editor's codecs keep their own offsets; these are the maker's, written down once.
#include <cstddef>
#include <cstdint>

#include "core/GameEdition.h"

namespace orvane::sample {

inline constexpr EditionOffsets LastNameTableStart{452328, 389104, 371096};
inline constexpr EditionOffsets FirstNameTableStart{453768, 390544, 372536};
inline constexpr EditionOffsets StartingBaseStart{455134, 391894, 373886};
inline constexpr EditionOffsets FacilityTableStart{460354, 374242, 356234};
inline constexpr EditionOffsets UnitTableStart{480147, 397735, 379731};

inline constexpr std::size_t BaseSquares = 36;
inline constexpr std::size_t StoreSlots = 96;
inline constexpr std::size_t EngineersOffset = 72; // from the StartingBase start
inline constexpr std::size_t ScientistsOffset = 73;
inline constexpr std::size_t StoresOffset = 74;

inline constexpr std::size_t FacilityTypes = 17;
inline constexpr std::size_t FacilityRecordSize = 16;

inline constexpr std::size_t UnitRecords = 33;
inline constexpr std::size_t UnitRecordSize = 39;

inline constexpr std::size_t SoldierNames = 120;
inline constexpr std::size_t LastNameWidth = 12;
inline constexpr std::size_t FirstNameWidth = 11;

inline constexpr std::size_t ItemRecords = 80;
inline constexpr std::size_t ItemRecordSize = 54;
inline constexpr std::size_t ItemNameWidth = 20;

} // namespace orvane::sample
