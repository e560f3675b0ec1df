// The default soldier names of the sample executable: 120 last names in 12-byte slots followed by
// 120 first names in 11-byte slots. Code page 437 byte 0x82 is the letter e with an acute accent.
#include <array>
#include <string_view>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

// "Featherstone" fills its whole 12-byte slot, with no zero byte.
// clang-format off
constexpr std::array<std::string_view, SoldierNames> LastNames = {
    "Abbott", "Achterberg", "Alvarez", "Andersen", "Ashworth", "Bakker", "Barnes", "Beaupr\x82",
    "Becker", "Bellamy", "Bergstrom", "Blackwood", "Bondarenko", "Brennan", "Calloway", "Castillo",
    "Chandler", "Chen", "Costa", "Crane", "Dalton", "Delacroix", "Dimitrov", "Dubois",
    "Eriksen", "Esposito", "Falk", "Featherstone", "Fischer", "Fontaine", "Garrison", "Gonzalez",
    "Grant", "Haddad", "Halvorsen", "Hartmann", "Hayes", "Holloway", "Ibarra", "Ivanova",
    "Jansen", "Jaramillo", "Kane", "Kowalski", "Kramer", "Kuznetsov", "Lambert", "Larsen",
    "Lindqvist", "Lowell", "Maddox", "Marchetti", "Mercer", "Moreau", "Morrison", "Nakamura",
    "Navarro", "Nielsen", "Novak", "Oakley", "Okafor", "Olsen", "Ortega", "Pacheco",
    "Petrov", "Pierce", "Quinn", "Ramirez", "Reyes", "Richter", "Rossi", "Sato",
    "Schmidt", "Serrano", "Shaw", "Sinclair", "Sorensen", "Steele", "Sullivan", "Tanaka",
    "Thornton", "Torres", "Ulrich", "Vance", "Vasquez", "Vogel", "Walsh", "Webb",
    "Weber", "Whitaker", "Wolff", "Yamada", "Yates", "Zeller", "Zhang", "Zimmermann",
    "Adler", "Bishop", "Carver", "Drake", "Ellison", "Fairfax", "Gallagher", "Hendricks",
    "Ingram", "Jorgensen", "Keller", "Lindgren", "Moretti", "Norberg", "Osborne", "Pryce",
    "Rasmussen", "Santoro", "Talbot", "Underwood", "Valdez", "Winslow", "Yilmaz", "Zubiri",
};

// "Christopher" and "Maximiliana" fill their whole 11-byte slots, with no zero byte.
constexpr std::array<std::string_view, SoldierNames> FirstNames = {
    "Adam", "Agnes", "Akira", "Alice", "Anders", "Anna", "Antoine", "Astrid",
    "Bernard", "Bianca", "Boris", "Brigitte", "Carl", "Carmen", "Christopher", "Claire",
    "Daniel", "Dagmar", "Diego", "Elena", "Emil", "Erika", "Felix", "Fiona",
    "Franco", "Freya", "Georg", "Greta", "Hans", "Helga", "Hiroshi", "Ingrid",
    "Ivan", "Isabel", "Jakob", "Jana", "Jean", "Julia", "Karl", "Katrin",
    "Kenji", "Lara", "Lars", "Lena", "Luca", "Maria", "Marco", "Maximiliana",
    "Mikhail", "Monika", "Nils", "Nadia", "Olaf", "Olga", "Oscar", "Paula",
    "Pavel", "Petra", "Pierre", "Renate", "Ren\x82", "Ren\x82" "e", "Robert", "Rosa",
    "Sergei", "Silvia", "Stefan", "Sofia", "Tomas", "Tanja", "Ulrich", "Ursula",
    "Victor", "Vera", "Walter", "Wanda", "Xavier", "Yuki", "Yusuf", "Zofia",
    "Ahmed", "Beatrix", "Conrad", "Dorothea", "Edgar", "Frieda", "Gustav", "Hanna",
    "Igor", "Johanna", "Klaus", "Liesel", "Magnus", "Natalia", "Otto", "Pia",
    "Rafael", "Sabine", "Theo", "Ulla", "Vincent", "Wilma", "Yannick", "Zara",
    "Andre", "Brenda", "Colin", "Delia", "Ethan", "Flora", "Gavin", "Hazel",
    "Ian", "Joyce", "Kevin", "Lydia", "Martin", "Nora", "Owen", "Megan",
};
// clang-format on

void fillTable(ByteImage& exe, std::size_t start, std::size_t width,
               const std::array<std::string_view, SoldierNames>& names)
{
    for (std::size_t n = 0; n < names.size(); ++n) putField(exe, start + width * n, width, names[n]);
}

} // namespace

void fillSoldierNames(ByteImage& exe, GameEdition edition)
{
    fillTable(exe, tableStart(LastNameTableStart, edition), LastNameWidth, LastNames);
    fillTable(exe, tableStart(FirstNameTableStart, edition), FirstNameWidth, FirstNames);
}

} // namespace orvane::sample
