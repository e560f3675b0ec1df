// The starting base, its stores and staff, and the unit statistics of the
// sample executable. The values are invented; they only have to look like a playable game.
#include <array>
#include <cstdint>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

constexpr std::uint8_t E = 0xFF; // an empty square

// Row by row, left to right: lab, lift and quarters in a row, a hangar's four quarters in a
// 2x2 block beside the workshop and the stores, and a small radar below.
constexpr std::array<std::uint8_t, BaseSquares> BaseGrid = {
    E, E,    E,    E,    E, E,
    E, 0x02, 0x00, 0x01, E, E,
    E, 0x10, 0x11, 0x03, E, E,
    E, 0x12, 0x13, 0x07, E, E,
    E, E,    0x04, E,    E, E,
    E, E,    E,    E,    E, E,
};

constexpr std::uint8_t Engineers = 10;
constexpr std::uint8_t Scientists = 10;

// Amounts per StoreSlot. Slots the editor never shows (43-48, 62-64, 76-79, 82) carry small
// amounts too, so a stray write there would be visible.
constexpr std::array<std::uint16_t, StoreSlots> StoreAmounts = {
    1, 0, 2, 0, 0, 0, 25, 0, 12, 0,       // 0-9: craft weapons and their ammunition
    1, 0, 0, 0, 0,                        // 10-14: tanks
    8, 24, 10, 40, 2, 6, 4, 2, 1, 8,      // 15-24: pistols, rifles, heavy cannons, auto cannons
    4, 2, 1, 6, 2, 1, 0, 0, 0, 12,        // 25-34: auto cannon ammo, rockets, lasers, grenades
    6, 4, 3, 2, 6, 1, 3, 12, 3, 1,        // 35-44: smoke grenades .. flares; 43-44 unshown
    2, 1, 4, 2, 0, 0, 0, 0, 0, 0,         // 45-54: 45-48 unshown; alien weapons
    0, 0, 0, 0, 0, 0, 0, 1, 2, 3,         // 55-64: alien weapons, elerium, mind probes; 62-64 unshown
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,         // 65-74: corpses
    0, 2, 1, 4, 3, 0, 0, 5, 0, 0,         // 75-84: 76-79 and 82 unshown; craft parts, alien food
    0, 0, 0, 0, 0, 6, 0, 0, 300, 12, 0,   // 85-95: alien artefacts, armour, HWP ammunition
};

// One unit's statistics in the order of its record; bytes the editor does not know are left as
// they are in the executable.
struct UnitStats {
    std::uint8_t flying, timeUnits, health, energy, reaction, strength, firing, throwing;
    std::uint8_t front, left, right, rear, under;
    std::uint8_t psiSkill, psiStrength, braveryCode;
};

constexpr std::array<UnitStats, UnitRecords> Units = {{
    {1, 55, 35, 90, 50, 40, 50, 58, 8, 6, 6, 5, 4, 0, 30, 8},             // Floater Soldier
    {1, 55, 40, 90, 60, 45, 60, 60, 8, 6, 6, 5, 4, 0, 35, 7},             // Floater Navigator
    {1, 60, 40, 90, 55, 40, 55, 58, 8, 6, 6, 5, 4, 0, 40, 7},             // Floater Medic
    {1, 55, 45, 90, 55, 50, 60, 60, 8, 6, 6, 5, 4, 0, 35, 7},             // Floater Engineer
    {1, 60, 50, 100, 65, 50, 65, 65, 10, 8, 8, 6, 5, 0, 45, 6},           // Floater Leader
    {1, 65, 55, 100, 70, 55, 70, 70, 12, 10, 10, 8, 6, 0, 60, 5},         // Floater Commander
    {0, 68, 96, 110, 70, 90, 0, 0, 18, 15, 15, 12, 10, 0, 20, 1},         // Reaper Terrorist
    {0, 54, 30, 90, 63, 30, 52, 58, 4, 3, 3, 2, 2, 40, 30, 9},            // Sectoid Soldier
    {0, 56, 32, 90, 65, 32, 58, 60, 4, 3, 3, 2, 2, 50, 35, 8},            // Sectoid Navigator
    {0, 56, 32, 90, 66, 32, 55, 60, 4, 3, 3, 2, 2, 55, 40, 8},            // Sectoid Medic
    {0, 55, 34, 90, 63, 34, 58, 60, 4, 3, 3, 2, 2, 45, 35, 8},            // Sectoid Engineer
    {0, 58, 36, 95, 70, 36, 62, 62, 4, 3, 3, 2, 2, 60, 50, 7},            // Sectoid Leader
    {0, 62, 40, 100, 75, 40, 68, 68, 4, 3, 3, 2, 2, 75, 65, 6},           // Sectoid Commander
    {0, 40, 45, 80, 50, 40, 55, 55, 20, 18, 18, 15, 12, 0, 25, 6},        // Snakeman Soldier
    {0, 42, 48, 80, 55, 42, 60, 58, 20, 18, 18, 15, 12, 0, 30, 6},        // Snakeman Navigator
    {0, 42, 50, 85, 52, 44, 60, 60, 20, 18, 18, 15, 12, 0, 30, 6},        // Snakeman Engineer
    {0, 45, 55, 90, 60, 48, 65, 65, 22, 20, 20, 16, 14, 0, 40, 5},        // Snakeman Leader
    {0, 48, 60, 95, 65, 52, 70, 70, 24, 22, 22, 18, 16, 0, 50, 4},        // Snakeman Commander
    {0, 72, 55, 100, 80, 60, 80, 80, 30, 28, 28, 25, 22, 70, 80, 0},      // Ethereal Soldier
    {0, 76, 60, 100, 85, 65, 85, 85, 32, 30, 30, 27, 24, 80, 90, 0},      // Ethereal Leader
    {0, 80, 65, 110, 90, 70, 90, 90, 34, 32, 32, 29, 26, 90, 100, 0},     // Ethereal Commander
    {0, 60, 125, 110, 68, 90, 62, 65, 32, 28, 28, 24, 20, 0, 15, 1},      // Muton Soldier
    {0, 62, 128, 110, 70, 92, 65, 66, 32, 28, 28, 24, 20, 0, 18, 1},      // Muton Navigator
    {0, 62, 130, 110, 70, 95, 65, 68, 32, 28, 28, 24, 20, 0, 18, 1},      // Muton Engineer
    {0, 70, 90, 255, 30, 100, 60, 0, 90, 75, 75, 60, 50, 0, 100, 0},      // Tank
    {0, 50, 20, 60, 25, 20, 30, 40, 0, 0, 0, 0, 0, 0, 10, 10},            // Civilian 1
    {0, 52, 25, 65, 28, 22, 28, 42, 0, 0, 0, 0, 0, 0, 12, 11},            // Civilian 2
    {0, 110, 96, 120, 75, 100, 0, 0, 28, 26, 26, 24, 20, 0, 100, 0},      // Chryssalid Terrorist
    {0, 40, 90, 110, 40, 80, 0, 0, 42, 42, 42, 42, 40, 0, 80, 0},         // Silacoid Terrorist
    {1, 50, 64, 100, 52, 60, 80, 0, 20, 20, 20, 20, 16, 0, 70, 0},        // Celatid Terrorist
    {0, 68, 140, 120, 64, 90, 96, 0, 110, 90, 90, 80, 60, 0, 100, 0},     // Sectopod Terrorist
    {1, 80, 110, 150, 62, 100, 82, 0, 70, 68, 68, 50, 48, 0, 100, 0},     // Cyberdisc Terrorist
    {1, 90, 100, 255, 40, 100, 70, 0, 100, 80, 80, 60, 60, 0, 100, 0},    // Hover Tank
}};

void fillStartingBase(ByteImage& exe, std::size_t start)
{
    for (std::size_t k = 0; k < BaseSquares; ++k) {
        exe.at(start + k) = BaseGrid[k];
        exe.at(start + BaseSquares + k) = BaseGrid[k] == E ? std::uint8_t{255} : std::uint8_t{0};
    }
    exe.at(start + EngineersOffset) = Engineers;
    exe.at(start + ScientistsOffset) = Scientists;
    for (std::size_t slot = 0; slot < StoreSlots; ++slot) {
        writeU16(exe, start + StoresOffset + 2 * slot, StoreAmounts[slot]);
    }
}

void fillUnits(ByteImage& exe, std::size_t start)
{
    for (std::size_t k = 0; k < UnitRecords; ++k) {
        const UnitStats& unit = Units[k];
        const std::size_t record = start + UnitRecordSize * k;
        const std::array<std::uint8_t, 8> leading = {unit.flying, unit.timeUnits, unit.health, unit.energy,
                                                     unit.reaction, unit.strength, unit.firing, unit.throwing};
        for (std::size_t i = 0; i < leading.size(); ++i) exe.at(record + i) = leading[i];
        const std::array<std::uint8_t, 5> armour = {unit.front, unit.left, unit.right, unit.rear, unit.under};
        for (std::size_t i = 0; i < armour.size(); ++i) exe.at(record + 9 + i) = armour[i];
        exe.at(record + 25) = unit.psiSkill;
        exe.at(record + 26) = unit.psiStrength;
        exe.at(record + 27) = unit.braveryCode;
    }
}

} // namespace

void fillExeTables(ByteImage& exe, GameEdition edition)
{
    fillStartingBase(exe, tableStart(StartingBaseStart, edition));
    fillUnits(exe, tableStart(UnitTableStart, edition));
}

} // namespace orvane::sample
