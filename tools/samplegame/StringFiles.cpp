// ENGLISH.DAT and ENGLISH2.DAT of the sample game: runs of texts, each ended by one zero byte.
// Most texts are built from a few word lists, so the files reach a few hundred strings without
// listing every one by hand.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

// clang-format off
constexpr auto Messages = std::to_array<std::string_view>({
    "Research complete", "Production complete", "Craft ready", "Craft refuelled", "Craft rearmed",
    "Craft repaired", "UFO detected", "UFO crash recovery", "UFO landed", "Terror site",
    "Alien base discovered", "Supply ship", "Alien retaliation", "Base under attack",
    "Mission successful", "Mission failed", "Mission aborted", "Soldier killed", "Soldier wounded",
    "Soldier promoted", "New recruits have arrived", "Transfer complete", "Not enough funds",
    "Not enough engineers", "Not enough scientists", "Not enough living space",
    "Not enough storage space", "Not enough laboratory space", "Not enough workshop space",
    "Hangar full", "Monthly report", "Funding council", "Council is pleased",
    "Council is dissatisfied", "Game over", "Save game", "Load game", "Abandon game", "Options",
    "Intercept", "Bases", "Graphs", "Encyclopedia", "Funding", "Time", "Cancel", "OK", "Yes", "No",
    "Sell", "Buy", "Transfer", "Purchase", "Recruit", "Manufacture", "Research", "Equip craft",
    "Build facilities", "Dismantle", "Launch", "Return to base", "Patrol", "Target lost",
    "Fuel low", "Out of range", "Engage", "Disengage", "Standoff", "Cautious attack",
    "Standard attack", "Aggressive attack", "Caf\x82 au lait",
});

constexpr auto Topics = std::to_array<std::string_view>({
    "Laser Weapons", "Plasma Weapons", "Fusion Missiles", "Alien Alloys", "Elerium-115",
    "Motion Scanner", "Medi-Kit", "Psi-Amp", "Mind Probe", "Stun Rod", "Small Launcher",
    "Blaster Launcher", "Personal Armour", "Power Suit", "Flying Suit", "Grav Shield",
    "Mind Shield", "Psionic Laboratory", "Hyper-wave Decoder", "UFO Power Source",
    "UFO Navigation", "UFO Construction", "Alien Origins", "Alien Surgery", "Alien Food",
    "Alien Habitat", "Alien Reproduction", "Alien Entertainment", "Examination Room",
    "The Martian Solution", "Sectoid Autopsy", "Snakeman Autopsy", "Ethereal Autopsy",
    "Muton Autopsy", "Floater Autopsy", "Celatid Autopsy", "Silacoid Autopsy",
    "Chryssalid Autopsy", "Reaper Autopsy", "Sectopod Autopsy",
});

constexpr auto Cities = std::to_array<std::string_view>({
    "Abidjan", "Accra", "Addis Ababa", "Anchorage", "Ankara", "Athens", "Baghdad", "Bangkok",
    "Barcelona", "Beijing", "Berlin", "Bogota", "Bombay", "Boston", "Brasilia", "Brisbane",
    "Budapest", "Buenos Aires", "Cairo", "Calcutta", "Cape Town", "Caracas", "Casablanca",
    "Chicago", "Dakar", "Dallas", "Delhi", "Denver", "Detroit", "Dublin", "Edinburgh",
    "Guatemala City", "Havana", "Helsinki", "Hong Kong", "Istanbul", "Jakarta", "Johannesburg",
    "Karachi", "Kiev", "Kinshasa", "Lagos", "Lima", "Lisbon", "London", "Los Angeles", "Madrid",
    "Manila", "Melbourne", "Mexico City", "Miami", "Montr\x82" "al", "Moscow", "Nairobi",
    "New York", "Oslo", "Paris", "Perth", "Quebec", "Rome",
});

constexpr auto Countries = std::to_array<std::string_view>({
    "USA", "Russia", "United Kingdom", "France", "Germany", "Italy", "Spain", "China", "Japan",
    "India", "Brazil", "Australia", "Nigeria", "South Africa", "Egypt", "Canada",
});

constexpr auto Months = std::to_array<std::string_view>({
    "January", "February", "March", "April", "May", "June", "July", "August", "September",
    "October", "November", "December",
});

constexpr auto Races = std::to_array<std::string_view>({
    "Sectoid", "Snakeman", "Ethereal", "Muton", "Floater", "Celatid", "Silacoid", "Chryssalid",
});

constexpr auto Ranks = std::to_array<std::string_view>({
    "Soldier", "Navigator", "Medic", "Engineer", "Leader", "Commander",
});

constexpr auto Craft = std::to_array<std::string_view>({
    "Small Scout", "Medium Scout", "Large Scout", "Harvester", "Abductor", "Terror Ship",
    "Battleship", "Supply Ship", "Skyranger", "Lightning", "Avenger", "Interceptor", "Firestorm",
});

constexpr auto Regions = std::to_array<std::string_view>({
    "North America", "Arctic", "Antarctica", "South America", "Europe", "North Africa",
    "Southern Africa", "Central Asia", "South East Asia", "Siberia", "Australasia", "Pacific",
    "North Atlantic", "South Atlantic", "Indian Ocean",
});

constexpr auto Reports = std::to_array<std::string_view>({
    "Soldier Name", "Rank", "Missions", "Kills", "Time Units", "Health", "Energy", "Reactions",
    "Strength", "Firing Accuracy", "Throwing Accuracy", "Bravery", "Psionic Strength",
    "Psionic Skill", "Squaddie", "Sergeant", "Captain", "Colonel", "Commander", "Rookie",
    "Score", "Total score", "Alien activity", "Our activity", "Income", "Expenditure",
    "Maintenance", "Balance", "Rating: Terrible", "Rating: Poor", "Rating: OK", "Rating: Good",
    "Rating: Excellent", "Craft destroyed", "Craft damaged", "Base destroyed",
});
// clang-format on

void add(ByteImage& file, std::string_view text)
{
    for (char c : text) file.push_back(static_cast<std::uint8_t>(c));
    file.push_back(0);
}

void addAll(ByteImage& file, auto const& texts)
{
    for (std::string_view text : texts) add(file, text);
}

std::string joined(std::string_view a, std::string_view b, std::string_view c = {})
{
    std::string text(a);
    text += b;
    text += c;
    return text;
}

} // namespace

ByteImage makeEnglishStrings()
{
    ByteImage file;
    addAll(file, Messages);
    for (std::string_view topic : Topics) {
        add(file, topic);
        add(file, joined("Research complete: ", topic));
        add(file, joined("New research available: ", topic));
    }
    addAll(file, Cities);
    addAll(file, Countries);
    addAll(file, Months);
    return file;
}

ByteImage makeEnglish2Strings()
{
    ByteImage file;
    for (std::string_view race : Races) {
        for (std::string_view rank : Ranks) add(file, joined(race, " ", rank));
    }
    for (std::string_view craft : Craft) {
        add(file, craft);
        add(file, joined(craft, " destroyed"));
    }
    for (std::string_view region : Regions) {
        add(file, joined("UFO sighted over ", region));
        add(file, joined("Alien activity in ", region));
        add(file, joined("Terror site in ", region));
        add(file, joined("Alien base in ", region));
    }
    addAll(file, Reports);
    for (std::string_view topic : Topics) add(file, joined(topic, " - analysis"));
    for (std::string_view country : Countries) add(file, joined(country, " increases funding"));
    return file;
}

} // namespace orvane::sample
