// The unit statistics of the
// sample executable. The values are invented; they only have to look like a playable game.
#include <array>
#include <cstdint>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

// One unit's statistics in the order of its record; bytes the editor does not know are left as
// they are in the executable.
struct UnitStats {
    std::uint8_t flying, timeUnits, health, energy, reaction, strength, firing, throwing;
    std::uint8_t front, left, right, rear, under;
    std::uint8_t psiSkill, psiStrength, braveryCode;
};

constexpr std::array<UnitStats, UnitRecords> Units = {{
    {1, 55, 35, 90, 50, 40, 50, 58, 8, 6, 6, 5, 4, 0, 30, 8},          // Floater Soldier
    {1, 55, 40, 90, 60, 45, 60, 60, 8, 6, 6, 5, 4, 0, 35, 7},          // Floater Navigator
    {1, 60, 40, 90, 55, 40, 55, 58, 8, 6, 6, 5, 4, 0, 40, 7},          // Floater Medic
    {1, 55, 45, 90, 55, 50, 60, 60, 8, 6, 6, 5, 4, 0, 35, 7},          // Floater Engineer
    {1, 60, 50, 100, 65, 50, 65, 65, 10, 8, 8, 6, 5, 0, 45, 6},        // Floater Leader
    {1, 65, 55, 100, 70, 55, 70, 70, 12, 10, 10, 8, 6, 0, 60, 5},      // Floater Commander
    {0, 68, 96, 110, 70, 90, 0, 0, 18, 15, 15, 12, 10, 0, 20, 1},      // Reaper Terrorist
    {0, 54, 30, 90, 63, 30, 52, 58, 4, 3, 3, 2, 2, 40, 30, 9},         // Sectoid Soldier
    {0, 56, 32, 90, 65, 32, 58, 60, 4, 3, 3, 2, 2, 50, 35, 8},         // Sectoid Navigator
    {0, 56, 32, 90, 66, 32, 55, 60, 4, 3, 3, 2, 2, 55, 40, 8},         // Sectoid Medic
    {0, 55, 34, 90, 63, 34, 58, 60, 4, 3, 3, 2, 2, 45, 35, 8},         // Sectoid Engineer
    {0, 58, 36, 95, 70, 36, 62, 62, 4, 3, 3, 2, 2, 60, 50, 7},         // Sectoid Leader
    {0, 62, 40, 100, 75, 40, 68, 68, 4, 3, 3, 2, 2, 75, 65, 6},        // Sectoid Commander
    {0, 40, 45, 80, 50, 40, 55, 55, 20, 18, 18, 15, 12, 0, 25, 6},     // Snakeman Soldier
    {0, 42, 48, 80, 55, 42, 60, 58, 20, 18, 18, 15, 12, 0, 30, 6},     // Snakeman Navigator
    {0, 42, 50, 85, 52, 44, 60, 60, 20, 18, 18, 15, 12, 0, 30, 6},     // Snakeman Engineer
    {0, 45, 55, 90, 60, 48, 65, 65, 22, 20, 20, 16, 14, 0, 40, 5},     // Snakeman Leader
    {0, 48, 60, 95, 65, 52, 70, 70, 24, 22, 22, 18, 16, 0, 50, 4},     // Snakeman Commander
    {0, 72, 55, 100, 80, 60, 80, 80, 30, 28, 28, 25, 22, 70, 80, 0},   // Ethereal Soldier
    {0, 76, 60, 100, 85, 65, 85, 85, 32, 30, 30, 27, 24, 80, 90, 0},   // Ethereal Leader
    {0, 80, 65, 110, 90, 70, 90, 90, 34, 32, 32, 29, 26, 90, 100, 0},  // Ethereal Commander
    {0, 60, 125, 110, 68, 90, 62, 65, 32, 28, 28, 24, 20, 0, 15, 1},   // Muton Soldier
    {0, 62, 128, 110, 70, 92, 65, 66, 32, 28, 28, 24, 20, 0, 18, 1},   // Muton Navigator
    {0, 62, 130, 110, 70, 95, 65, 68, 32, 28, 28, 24, 20, 0, 18, 1},   // Muton Engineer
    {0, 70, 90, 255, 30, 100, 60, 0, 90, 75, 75, 60, 50, 0, 100, 0},   // Tank
    {0, 50, 20, 60, 25, 20, 30, 40, 0, 0, 0, 0, 0, 0, 10, 10},         // Civilian 1
    {0, 52, 25, 65, 28, 22, 28, 42, 0, 0, 0, 0, 0, 0, 12, 11},         // Civilian 2
    {0, 110, 96, 120, 75, 100, 0, 0, 28, 26, 26, 24, 20, 0, 100, 0},   // Chryssalid Terrorist
    {0, 40, 90, 110, 40, 80, 0, 0, 42, 42, 42, 42, 40, 0, 80, 0},      // Silacoid Terrorist
    {1, 50, 64, 100, 52, 60, 80, 0, 20, 20, 20, 20, 16, 0, 70, 0},     // Celatid Terrorist
    {0, 68, 140, 120, 64, 90, 96, 0, 110, 90, 90, 80, 60, 0, 100, 0},  // Sectopod Terrorist
    {1, 80, 110, 150, 62, 100, 82, 0, 70, 68, 68, 50, 48, 0, 100, 0},  // Cyberdisc Terrorist
    {1, 90, 100, 255, 40, 100, 70, 0, 100, 80, 80, 60, 60, 0, 100, 0}, // Hover Tank
}};

void fillUnits(ByteImage& exe, std::size_t start)
{
    for (std::size_t k = 0; k < UnitRecords; ++k) {
        const UnitStats& unit = Units[k];
        const std::size_t record = start + UnitRecordSize * k;
        const std::array<std::uint8_t, 8> leading = {unit.flying,   unit.timeUnits, unit.health, unit.energy,
                                                     unit.reaction, unit.strength,  unit.firing, unit.throwing};
        for (std::size_t i = 0; i < leading.size(); ++i) exe.at(record + i) = leading[i];
        const std::array<std::uint8_t, 5> armour = {unit.front, unit.left, unit.right, unit.rear, unit.under};
        for (std::size_t i = 0; i < armour.size(); ++i) exe.at(record + 9 + i) = armour[i];
        exe.at(record + 25) = unit.psiSkill;
        exe.at(record + 26) = unit.psiStrength;
        exe.at(record + 27) = unit.braveryCode;
    }
}

} // namespace

void fillExeTables(ByteImage& exe, GameEdition edition) { fillUnits(exe, tableStart(UnitTableStart, edition)); }

} // namespace orvane::sample
