#pragma once
// The three editions of the game, told apart by the executable's length, and the ids of the four images.
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

enum class GameEdition : int { None = 0, Collectors = 1, Dos12 = 2, Dos14 = 4 };

enum class FileId : int { Exe = 1, English = 2, English2 = 3, Obdata = 4 };

inline constexpr std::uint64_t CollectorsExeLength = 495'616;
inline constexpr std::uint64_t Dos12ExeLength = 415'271;
inline constexpr std::uint64_t Dos14ExeLength = 382'957;
inline constexpr std::uint64_t ObdataLength = 4'320;

// The edition whose executable has exactly this length, or None.
GameEdition editionForExeLength(std::uint64_t length);

std::uint64_t exeLengthOf(GameEdition edition);

// "Collector's Edition", "DOS version 1.2", "DOS version 1.4": the edition as the program and its mods
// name it; empty for None.
std::string editionName(GameEdition edition);

// True for a DOS edition, whose executable lies one folder below the game's main folder.
bool isDosEdition(GameEdition edition);

// One start offset per edition for a table inside the executable.
struct EditionOffsets {
    std::uint32_t collectors;
    std::uint32_t dos12;
    std::uint32_t dos14;

    // The offset for this edition, or nothing for None.
    std::optional<std::uint32_t> in(GameEdition edition) const;
};

} // namespace orvane
