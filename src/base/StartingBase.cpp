#include "base/StartingBase.h"

#include <algorithm>
#include <string_view>

namespace orvane::base {
namespace {

// The labels of the 82 listed store slots, in list order.
// clang-format off
constexpr std::array<std::string_view, 82> ItemLabels = {
    "Stingray Launchers - ", "Avalanche Launchers - ", "Cannons - ", "Fusion Ball Launchers - ",
    "Laser Cannons - ", "Plasma Beams - ", "Stingray Missiles - ", "Avalanche Missiles - ",
    "Cannon Rounds(x50) - ", "Fusion Balls - ", "Tank/Cannons - ", "Tank/Rocket Launchers - ",
    "Tank/Laser Cannons - ", "Tank/Plasmas - ", "Tank/Launchers - ", "Pistols - ", "Pistol Clips - ",
    "Rifles - ", "Rifle Clips - ", "Heavy Cannons - ", "HC-AP Ammo - ", "HC-HE Ammo - ", "HC-IN Ammo - ",
    "Auto Cannons - ", "AC-AP Ammo - ", "AC-HE Ammo - ", "AC-IN Ammo - ", "Rocket Launchers - ",
    "Small Rockets - ", "Large Rockets - ", "Incendiary Rockets - ", "Laser Pistols - ", "Laser Rifles - ",
    "Heavy Lasers - ", "Grenades - ", "Smoke Grenades - ", "Proximity Grenades - ", "High Explosives - ",
    "Motion Scanners - ", "Medi-Kits - ", "Psi-Amps - ", "Stun Rods - ", "Electro Flares - ",
    "Heavy Plasma - ", "Heavy Plasma Clips - ", "Plasma Rifles - ", "Plasma Rifle Clips - ",
    "Plasma Pistols - ", "Plasma Pistol Clips - ", "Blaseter Launchers - ", "Blaseter Bombs - ",
    "Small Launchers - ", "Stun Bombs - ", "Alien Grenades - ", "Elerium-115 - ", "Mind Probes - ",
    "Sectoid Corpses - ", "Snakeman Corpses - ", "Ethereal Corpses - ", "Muton Corpses - ",
    "Floater Corpses - ", "Celatid Corpses - ", "Silacoid Corpses - ", "Chryssalid Corpses - ",
    "Reaper Corpses - ", "Sectopod Corpses - ", "Cyberdisc Corpses - ", "QEV Power Sources - ",
    "QEV Navigations - ", "Alien Food - ", "Alien Reproductions - ", "Alien Entertainments - ",
    "Alien Surgeries - ", "Examination Rooms - ", "Alien Alloys - ", "Alien Habitats - ",
    "Personal Armour - ", "Power Suits - ", "Flying Suits - ", "HWP Cannon Shells - ", "HWP Rockets - ",
    "HWP Fusion Bombs - ",
};
// clang-format on

// The listed slots come in runs; the slots between the runs (43-48, 62-64, 76-79, 82) are not listed.
struct SlotRun {
    std::size_t first;
    std::size_t last;
};
constexpr std::array<SlotRun, 5> ListedSlots = {{{0, 42}, {49, 61}, {65, 75}, {80, 81}, {83, 95}}};

// 0, 1, 2 and so on, with `last` in the final place.
template <std::size_t N>
std::array<std::uint8_t, N> countingThen(std::uint8_t last)
{
    std::array<std::uint8_t, N> list{};
    for (std::size_t i = 0; i + 1 < N; ++i) list.at(i) = static_cast<std::uint8_t>(i);
    list.back() = last;
    return list;
}

} // namespace

std::optional<std::size_t> startingBaseStart(GameEdition edition, const ByteImage& exe)
{
    const auto start = StartingBaseOffsets.in(edition);
    if (!start || std::size_t{*start} + StartingBaseSize > exe.size()) return std::nullopt;
    return std::size_t{*start};
}

std::string facilityName(std::uint8_t code)
{
    // clang-format off
    static constexpr std::array<std::string_view, 20> Names = {
        "Access Lift", "Living Quarters", "Laboratory", "Workshop", "Small\nRadar System", "Large\nRadar System",
        "Missile Defense", "General Stores", "Alien Containment", "Laser Defense", "Plasma Defense",
        "Fusion Ball Defense", "Grav Shield", "Mind Shield", "Psionic Laboratory", "Hyper-wave Decoder",
        "Hangar\n(Top Left)", "Hangar\n(Top Right)", "Hangar\n(Bottom Left)", "Hangar\n(Bottom Right)"};
    // clang-format on
    if (code == EmptyFacility) return "Empty";
    return code < Names.size() ? std::string(Names.at(code)) : std::string();
}

std::string oneLineFacilityName(std::uint8_t code)
{
    std::string name = facilityName(code);
    std::replace(name.begin(), name.end(), '\n', ' ');
    return name;
}

std::string daysLabel(int days) { return days == 1 ? "1 Day" : std::to_string(days) + " Days"; }

std::size_t squareOfButton(int button)
{
    const auto index = static_cast<std::size_t>(button - 1);
    return 6 * (index % 6) + index / 6;
}

const std::array<std::uint8_t, 21>& facilityChoices()
{
    static const auto codes = countingThen<21>(EmptyFacility);
    return codes;
}

const std::array<std::uint8_t, 48>& daysChoices()
{
    static const auto days = countingThen<48>(EmptyDays);
    return days;
}

const std::array<StoresEntry, StoresEntryCount>& storesEntries()
{
    static const std::array<StoresEntry, StoresEntryCount> entries = [] {
        std::array<StoresEntry, StoresEntryCount> list{};
        list.at(0) = {"Engineers - ", true, EngineersOffset};
        list.at(1) = {"Scientists - ", true, ScientistsOffset};
        std::size_t position = 2;
        for (const SlotRun& run : ListedSlots) {
            for (std::size_t slot = run.first; slot <= run.last; ++slot, ++position) {
                list.at(position) = {std::string(ItemLabels.at(position - 2)), false, StoresOffset + 2 * slot};
            }
        }
        return list;
    }();
    return entries;
}

std::span<const FieldOption> facilityOptions(std::size_t)
{
    // The captions live as long as the program.
    static const std::array<std::string, 21> captions = [] {
        std::array<std::string, 21> names{};
        for (std::size_t i = 0; i < names.size(); ++i) names.at(i) = oneLineFacilityName(facilityChoices().at(i));
        return names;
    }();
    static const std::array<FieldOption, 21> options = [] {
        std::array<FieldOption, 21> list{};
        for (std::size_t i = 0; i < list.size(); ++i) list.at(i) = {captions.at(i).c_str(), facilityChoices().at(i)};
        return list;
    }();
    return options;
}

std::optional<std::int64_t> pickedDays(double days)
{
    const auto& choices = daysChoices();
    const bool offered = std::any_of(choices.begin(), choices.end(), [days](std::uint8_t d) { return d == days; });
    if (!offered) return std::nullopt;
    return static_cast<std::int64_t>(days);
}

std::string daysText(std::int64_t days) { return daysLabel(static_cast<int>(days)); }

std::uint8_t settledDays(std::uint8_t facility, std::uint8_t days)
{
    return facility == EmptyFacility ? EmptyDays : days;
}

FieldLayout storesField(std::size_t position)
{
    // The labels live as long as the program, in the stores entries.
    static const std::array<std::string, StoresEntryCount> labels = [] {
        std::array<std::string, StoresEntryCount> trimmed{};
        for (std::size_t i = 0; i < StoresEntryCount; ++i) {
            const std::string& label = storesEntries().at(i).label;
            trimmed.at(i) = label.substr(0, label.rfind(" - "));
        }
        return trimmed;
    }();
    const StoresEntry& entry = storesEntries().at(position);
    if (entry.personnel) return {labels.at(position).c_str(), entry.offset, 1, FieldEncoding::Unsigned, byteEntry(250)};
    return {labels.at(position).c_str(), entry.offset, 2, FieldEncoding::Unsigned, WordEntry};
}

} // namespace orvane::base
