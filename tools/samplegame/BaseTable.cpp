// The starting base of the sample executable: its grid with a few squares still under construction,
// its engineers and scientists, and the amounts in its general stores. The values are invented.
#include <array>
#include <cstdint>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

constexpr std::uint8_t E = 0xFF; // an empty square

// Row by row, left to right: lab, lift and quarters in a row, a hangar's four quarters in a
// 2x2 block beside the workshop and the stores, a small radar below, a second laboratory and
// a containment being built at the right.
constexpr std::array<std::uint8_t, BaseSquares> BaseGrid = {
    E, E,    E,    E,    E, E, E, 0x02, 0x00, 0x01, 0x02, E, E, 0x10, 0x11, 0x03, 0x08, E,
    E, 0x12, 0x13, 0x07, E, E, E, E,    0x04, E,    E,    E, E, E,    E,    E,    E,    E,
};

// Days left to build, by square; empty squares carry 255.
constexpr std::array<std::uint8_t, BaseSquares> BuildDays = {
    255, 255, 255, 255, 255, 255, 255, 0,   0,  0,   26,  255, 255, 0,   0,   0,   18,  255,
    255, 0,   0,   0,   255, 255, 255, 255, 12, 255, 255, 255, 255, 255, 255, 255, 255, 255,
};

constexpr std::uint8_t Engineers = 10;
constexpr std::uint8_t Scientists = 12;

// Amounts per StoreSlot. Slots the editor never shows (43-48, 62-64, 76-79, 82) carry small
// amounts too, so a stray write there would be visible.
constexpr std::array<std::uint16_t, StoreSlots> StoreAmounts = {
    1, 0,  2,  0,  0, 0, 25, 0,  12,  0,     // 0-9: craft weapons and their ammunition
    1, 0,  0,  0,  0,                        // 10-14: tanks
    8, 24, 10, 40, 2, 6, 4,  2,  1,   8,     // 15-24: pistols, rifles, heavy cannons, auto cannons
    4, 2,  1,  6,  2, 1, 0,  0,  0,   12,    // 25-34: auto cannon ammo, rockets, lasers, grenades
    6, 4,  3,  2,  6, 1, 3,  12, 3,   1,     // 35-44: smoke grenades .. flares; 43-44 unshown
    2, 1,  4,  2,  0, 0, 0,  0,  0,   0,     // 45-54: 45-48 unshown; alien weapons
    0, 0,  0,  0,  0, 0, 0,  1,  2,   3,     // 55-64: alien weapons, elerium, mind probes; 62-64 unshown
    0, 0,  0,  0,  0, 0, 0,  0,  0,   0,     // 65-74: corpses
    0, 2,  1,  4,  3, 0, 0,  5,  0,   0,     // 75-84: 76-79 and 82 unshown; craft parts, alien food
    0, 0,  0,  0,  0, 6, 0,  0,  300, 12, 0, // 85-95: alien artefacts, armour, HWP ammunition
};

} // namespace

void fillStartingBase(ByteImage& exe, GameEdition edition)
{
    const std::size_t start = tableStart(StartingBaseStart, edition);
    for (std::size_t k = 0; k < BaseSquares; ++k) {
        exe.at(start + k) = BaseGrid[k];
        exe.at(start + BaseSquares + k) = BuildDays[k];
    }
    exe.at(start + EngineersOffset) = Engineers;
    exe.at(start + ScientistsOffset) = Scientists;
    for (std::size_t slot = 0; slot < StoreSlots; ++slot) {
        writeU16(exe, start + StoresOffset + 2 * slot, StoreAmounts[slot]);
    }
}

} // namespace orvane::sample
