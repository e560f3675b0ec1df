// OBDATA.DAT of the sample game: 80 item records of 54 bytes. Weapons name their clips by index,
// clips carry the clip flag, grenades their kind; everything else is gear or a corpse.
#include <array>
#include <cstdint>
#include <string_view>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

enum DamageType : std::uint8_t { AP = 0, IN = 1, HE = 2, Laser = 3, Plasma = 4, Stun = 5, None = 255 };
enum GrenadeKind : std::uint8_t { NotGrenade = 0, Grenade = 1, ProximityMine = 2, SmokeGrenade = 3 };
constexpr std::uint8_t NoAmmo = 255;

struct Item {
    std::string_view name;
    std::uint8_t damage = 0;
    std::array<std::uint8_t, 3> ammo = {NoAmmo, NoAmmo, NoAmmo};
    std::uint8_t damageType = None;
    std::array<std::uint8_t, 3> accuracy = {0, 0, 0};  // auto, snap, aimed
    std::array<std::uint8_t, 3> timeUnits = {0, 0, 0}; // percent: auto, snap, aimed
    std::uint8_t amount = 0;                           // rounds in a clip, or melee damage
    std::uint8_t meleeTimeUnits = 0;
    std::uint8_t weight = 0;
    std::uint8_t grenade = NotGrenade;
    std::uint8_t clip = 0;
};

constexpr Item weapon(std::string_view name, std::uint8_t damage, std::array<std::uint8_t, 3> ammo, std::uint8_t type,
                      std::array<std::uint8_t, 3> accuracy, std::array<std::uint8_t, 3> timeUnits, std::uint8_t weight)
{
    return {name, damage, ammo, type, accuracy, timeUnits, 0, 0, weight, NotGrenade, 0};
}

constexpr Item clip(std::string_view name, std::uint8_t damage, std::uint8_t type, std::uint8_t rounds,
                    std::uint8_t weight)
{
    return {name, damage, {NoAmmo, NoAmmo, NoAmmo}, type, {0, 0, 0}, {0, 0, 0}, rounds, 0, weight, NotGrenade, 1};
}

constexpr Item thrown(std::string_view name, std::uint8_t damage, std::uint8_t type, std::uint8_t kind,
                      std::uint8_t weight)
{
    return {name, damage, {NoAmmo, NoAmmo, NoAmmo}, type, {0, 0, 0}, {0, 0, 0}, 0, 0, weight, kind, 0};
}

constexpr Item melee(std::string_view name, std::uint8_t damage, std::uint8_t type, std::uint8_t timeUnits,
                     std::uint8_t weight)
{
    return {name,       damage, {NoAmmo, NoAmmo, NoAmmo}, type, {0, 0, 0}, {0, 0, 0}, damage, timeUnits, weight,
            NotGrenade, 0};
}

constexpr Item gear(std::string_view name, std::uint8_t weight)
{
    return {name, 0, {NoAmmo, NoAmmo, NoAmmo}, None, {0, 0, 0}, {0, 0, 0}, 0, 0, weight, NotGrenade, 0};
}

// "Laser Sniper Carbine" fills its whole 20-byte name field, with no zero byte.
constexpr std::array<Item, ItemRecords> Items = {
    weapon("Pistol", 26, {1, NoAmmo, NoAmmo}, AP, {0, 60, 78}, {0, 18, 30}, 5), // 0
    clip("Pistol Clip", 26, AP, 12, 3),
    weapon("Rifle", 30, {3, NoAmmo, NoAmmo}, AP, {35, 60, 110}, {35, 25, 80}, 8),
    clip("Rifle Clip", 30, AP, 20, 3),
    weapon("Heavy Cannon", 56, {5, 6, 7}, AP, {0, 60, 90}, {0, 33, 80}, 18),
    clip("HC-AP Ammo", 56, AP, 6, 6), // 5
    clip("HC-HE Ammo", 52, HE, 6, 6),
    clip("HC-IN Ammo", 60, IN, 6, 6),
    weapon("Auto-Cannon", 42, {9, 10, 11}, AP, {32, 56, 82}, {40, 33, 80}, 19),
    clip("AC-AP Ammo", 42, AP, 14, 5),
    clip("AC-HE Ammo", 44, HE, 14, 5), // 10
    clip("AC-IN Ammo", 48, IN, 14, 5),
    weapon("Rocket Launcher", 75, {13, 14, 15}, HE, {0, 65, 115}, {0, 45, 75}, 10),
    clip("Small Rocket", 75, HE, 1, 6),
    clip("Large Rocket", 100, HE, 1, 8),
    clip("Incendiary Rocket", 90, IN, 1, 8), // 15
    weapon("Laser Pistol", 46, {NoAmmo, NoAmmo, NoAmmo}, Laser, {28, 40, 68}, {25, 20, 55}, 7),
    weapon("Laser Rifle", 60, {NoAmmo, NoAmmo, NoAmmo}, Laser, {46, 65, 100}, {34, 25, 50}, 8),
    weapon("Heavy Laser", 85, {NoAmmo, NoAmmo, NoAmmo}, Laser, {0, 50, 84}, {0, 33, 75}, 18),
    thrown("Grenade", 50, HE, Grenade, 3),
    thrown("Smoke Grenade", 60, None, SmokeGrenade, 3), // 20
    thrown("Proximity Grenade", 70, HE, ProximityMine, 3),
    thrown("High Explosive", 110, HE, Grenade, 6),
    gear("Motion Scanner", 3),
    gear("Medi-Kit", 5),
    gear("Psi-Amp", 3), // 25
    melee("Stun Rod", 65, Stun, 30, 6),
    gear("Electro-flare", 3),
    weapon("Heavy Plasma", 115, {29, NoAmmo, NoAmmo}, Plasma, {50, 75, 110}, {35, 30, 60}, 8),
    clip("Heavy Plasma Clip", 115, Plasma, 35, 3),
    weapon("Plasma Rifle", 80, {31, NoAmmo, NoAmmo}, Plasma, {55, 86, 100}, {36, 30, 60}, 8), // 30
    clip("Plasma Rifle Clip", 80, Plasma, 28, 3),
    weapon("Plasma Pistol", 52, {33, NoAmmo, NoAmmo}, Plasma, {50, 65, 85}, {30, 30, 60}, 3),
    clip("Plasma Pistol Clip", 52, Plasma, 26, 1),
    weapon("Blaster Launcher", 200, {35, NoAmmo, NoAmmo}, HE, {0, 0, 120}, {0, 0, 80}, 16),
    clip("Blaster Bomb", 200, HE, 1, 3), // 35
    weapon("Small Launcher", 110, {37, NoAmmo, NoAmmo}, Stun, {0, 65, 110}, {0, 40, 75}, 10),
    clip("Stun Bomb", 90, Stun, 1, 3),
    thrown("Alien Grenade", 90, HE, Grenade, 2),
    gear("Elerium-115", 3),
    gear("Mind Probe", 3), // 40
    weapon("Laser Sniper Carbine", 70, {NoAmmo, NoAmmo, NoAmmo}, Laser, {0, 80, 120}, {0, 30, 60}, 9),
    weapon("Fl\x82"
           "chette Pistol",
           24, {43, NoAmmo, NoAmmo}, AP, {40, 62, 80}, {30, 20, 40}, 4),
    clip("Fl\x82"
         "chette Clip",
         24, AP, 15, 2),
    melee("Combat Knife", 28, AP, 15, 2),
    melee("Riot Baton", 20, Stun, 20, 3), // 45
    thrown("Incendiary Mine", 70, IN, ProximityMine, 4),
    thrown("Flash Grenade", 30, Stun, Grenade, 2),
    weapon("Tank/Cannon", 60, {49, NoAmmo, NoAmmo}, AP, {0, 60, 90}, {0, 30, 60}, 100),
    clip("HWP Cannon Shells", 60, AP, 30, 15),
    weapon("Tank/Rocket Launcher", 85, {51, NoAmmo, NoAmmo}, HE, {0, 55, 110}, {0, 40, 75}, 100), // 50
    clip("HWP Rockets", 85, HE, 15, 15),
    weapon("Tank/Laser Cannon", 110, {NoAmmo, NoAmmo, NoAmmo}, Laser, {0, 50, 84}, {0, 33, 75}, 100),
    weapon("Tank/Plasma", 140, {NoAmmo, NoAmmo, NoAmmo}, Plasma, {0, 50, 84}, {0, 33, 75}, 100),
    weapon("Tank/Launcher", 160, {55, NoAmmo, NoAmmo}, HE, {0, 0, 120}, {0, 0, 80}, 100),
    clip("HWP Fusion Bomb", 160, HE, 2, 15), // 55
    gear("Personal Armour", 20),
    gear("Power Suit", 30),
    gear("Flying Suit", 30),
    gear("Alien Alloys", 10),
    gear("QEV Power Source", 40), // 60
    gear("QEV Navigation", 35),
    gear("Alien Food", 20),
    gear("Alien Reproduction", 20),
    gear("Alien Entertainment", 20),
    gear("Alien Surgery", 20), // 65
    gear("Examination Room", 20),
    gear("Alien Habitat", 20),
    gear("Sectoid Corpse", 22),
    gear("Snakeman Corpse", 30),
    gear("Ethereal Corpse", 24), // 70
    gear("Muton Corpse", 40),
    gear("Floater Corpse", 28),
    gear("Celatid Corpse", 20),
    gear("Silacoid Corpse", 45),
    gear("Chryssalid Corpse", 36), // 75
    gear("Reaper Corpse", 60),
    gear("Sectopod Corpse", 90),
    clip("Gauss Clip", 85, AP, 24, 2),
    weapon("Gauss Rifle", 85, {78, NoAmmo, NoAmmo}, AP, {40, 70, 105}, {32, 26, 55}, 9),
};

// The offsets no page shows or writes; they get varied non-zero bytes so a stray write shows.
constexpr auto UnknownFields =
    std::to_array<std::size_t>({20, 21, 23, 24, 25, 29, 30, 39, 40, 42, 45, 46, 47, 48, 50, 51, 52, 53});

void writeItem(ByteImage& image, std::size_t n, const Item& item)
{
    const std::size_t record = ItemRecordSize * n;
    putField(image, record, ItemNameWidth, item.name);
    image.at(record + 22) = item.damage;
    for (std::size_t i = 0; i < 3; ++i) {
        image.at(record + 26 + i) = item.ammo[i];
        image.at(record + 32 + i) = item.accuracy[i];
        image.at(record + 35 + i) = item.timeUnits[i];
    }
    image.at(record + 31) = item.damageType;
    image.at(record + 38) = item.amount;
    image.at(record + 41) = item.meleeTimeUnits;
    image.at(record + 43) = item.weight;
    image.at(record + 44) = item.grenade;
    image.at(record + 49) = item.clip;
    for (std::size_t offset : UnknownFields) {
        image.at(record + offset) = static_cast<std::uint8_t>(1 + (n * 37 + offset * 11) % 250);
    }
}

} // namespace

ByteImage makeItemTable()
{
    ByteImage image(ItemRecords * ItemRecordSize, 0);
    for (std::size_t n = 0; n < Items.size(); ++n) writeItem(image, n, Items[n]);
    return image;
}

} // namespace orvane::sample
