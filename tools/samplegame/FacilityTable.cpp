// The 17 facility types of the sample executable. The values are invented; the bytes of a record
// that the editor leaves alone keep the filler, so a stray write there shows.
#include <array>
#include <cstdint>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

struct FacilityType {
    std::int16_t cost;
    std::uint8_t days;
    std::uint8_t monthly;
    std::int16_t defense;
    std::uint8_t hitRatio;
    std::uint8_t yesValue; // the standard-to-build byte's "Yes" value; "No" is 4 less
    bool standard;
};

// The Grav Shield carries a negative defense strength, as a modded game might.
constexpr std::array<FacilityType, FacilityTypes> Facilities = {{
    {300, 1, 4, 0, 0, 5, true},         // Access Lift
    {400, 16, 10, 0, 0, 4, true},       // Living Quarters
    {750, 26, 30, 0, 0, 4, true},       // Laboratory
    {800, 32, 35, 0, 0, 4, true},       // Workshop
    {500, 12, 10, 0, 0, 5, true},       // Small Radar System
    {800, 25, 15, 0, 0, 4, false},      // Large Radar System
    {200, 16, 5, 500, 50, 5, false},    // Missile Defense
    {150, 10, 5, 0, 0, 4, true},        // General Stores
    {400, 18, 15, 0, 0, 4, false},      // Alien Containment
    {400, 24, 15, 600, 60, 14, false},  // Laser Defense
    {600, 34, 15, 900, 70, 14, false},  // Plasma Defense
    {800, 34, 20, 1200, 80, 14, false}, // Fusion Ball Defense
    {800, 38, 15, -1500, 0, 13, false}, // Grav Shield
    {1300, 33, 50, 0, 0, 13, false},    // Mind Shield
    {750, 24, 16, 0, 0, 12, false},     // Psionic Laboratory
    {1400, 26, 30, 0, 0, 13, false},    // Hyper-wave Decoder
    {200, 25, 25, 0, 0, 4, true},       // Hangar
}};

} // namespace

void fillFacilityTypes(ByteImage& exe, GameEdition edition)
{
    const std::size_t start = tableStart(FacilityTableStart, edition);
    for (std::size_t k = 0; k < FacilityTypes; ++k) {
        const FacilityType& type = Facilities[k];
        const std::size_t record = start + FacilityRecordSize * k;
        writeU16(exe, record + 0, static_cast<std::uint16_t>(type.cost));
        exe.at(record + 2) = type.days;
        exe.at(record + 3) = type.monthly;
        writeU16(exe, record + 6, static_cast<std::uint16_t>(type.defense));
        exe.at(record + 8) = type.hitRatio;
        exe.at(record + 10) = type.standard ? type.yesValue : static_cast<std::uint8_t>(type.yesValue - 4);
    }
}

} // namespace orvane::sample
