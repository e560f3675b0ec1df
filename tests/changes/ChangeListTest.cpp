// The list of changes since load: edits on every page in the page's words, Undo, and raw bytes.
#include <algorithm>

#include "changes/ChangeList.h"
#include "editors/ItemEditor.h"
#include "support/TypedGame.h"

namespace orvane::changes {
namespace {

constexpr std::size_t Item = 3;

// One line per row: "page | record | field | old -> new", and where a double click leads.
std::vector<std::string> rowsOf(const GameFileSet& files)
{
    std::vector<std::string> rows;
    for (const Change& change : listChanges(files)) {
        const std::string target = change.page ? std::to_string(static_cast<int>(*change.page)) + "/" +
                                                     std::to_string(change.list) + "/" + std::to_string(change.record)
                                               : "none";
        rows.push_back(change.pageText + " | " + change.recordText + " | " + change.field + " | " + change.oldValue +
                       " -> " + change.newValue + " @ " + target);
    }
    return rows;
}

struct EditedGame {
    EditedGame() { game.load(); }

    test::SampleSession game{GameEdition::Dos12};
    strings::StringEditor strings{game.session};
    const GameFileSet& files = game.session.files();
};

// The sample's Floater Commander: flies, 65 time units, bravery 60; square 8 a Laboratory; item 7 HC-IN Ammo.
TEST(ChangeList, editsOnEveryPageAreListedInThePagesWordsAndUndoTakesThemBack)
{
    test::TypedGame typed(GameEdition::Dos12, test::ValueSet::Second, std::nullopt);
    // Rows come table by table; the order of the tables is not the point here.
    const std::vector<std::string> expected{
        "Base Editor | Square 8 (row 2, column 2) | Days to Completion | 0 Days -> 255 Days @ 0/0/7",
        "Base Editor | Square 8 (row 2, column 2) | Facility | Laboratory -> Empty @ 0/0/7",
        "Base Editor | Stores | Engineers | 10 -> 250 @ 0/1/0",
        "Base Editor | Stores | Stingray Launchers | 1 -> 200 @ 0/1/2",
        "Facility Editor | Laser Defense | Construction Cost/$k: | 400 -> 28,671 @ 1/0/9",
        "Facility Editor | Laser Defense | Standard to Build?: | No -> Yes @ 1/0/9",
        "Item Editor | Blaster \u00e9 | Ammo Type 1: | 255 -> 79 @ 4/0/7",
        "Item Editor | Blaster \u00e9 | Damage Type | Incendiary -> Laser @ 4/0/7",
        "Item Editor | Blaster \u00e9 | Name: | HC-IN Ammo -> Blaster \u00e9 @ 4/0/7",
        "Soldier Names | First name 4 | First Names | Alice -> Bo @ 2/0/3",
        "Soldier Names | Last name 120 | Last Names | Zubiri -> Abcdefghijk @ 2/1/119",
        "String Editor | String 5 | ENGLISH2.DAT | Sectoid Leader ->  @ 5/1/4",
        "Unit Editor | Floater Commander | Bravery: | 60 -> -10 @ 3/0/5",
        "Unit Editor | Floater Commander | Flying Ability?: | Yes -> No @ 3/0/5",
        "Unit Editor | Floater Commander | Time Units: | 65 -> 42 @ 3/0/5",
    };
    const auto sortedRows = [&typed] {
        auto rows = rowsOf(typed.files());
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(sortedRows(), expected);

    // Undo takes back the string, then the damage type; setting a value back to what was loaded removes its row.
    typed.game.session.undo();
    typed.game.session.undo();
    typed.game.prompts.answer("65");
    typed.units.editStat(units::UnitStat::TimeUnits);
    auto remaining = expected;
    remaining.pop_back();
    remaining.erase(remaining.begin() + 11);
    remaining.erase(remaining.begin() + 7);
    EXPECT_EQ(sortedRows(), remaining);
}

// A string added at the end, the last one cut off, and bytes after the last zero byte.
TEST(ChangeList, stringsAddedOrCutOffAndBytesAfterTheLastStringAreListed)
{
    EditedGame edited;
    const std::size_t count = edited.strings.entries(FileId::English).size();
    const std::size_t count2 = edited.strings.entries(FileId::English2).size();
    const std::string last2 = edited.strings.entries(FileId::English2).back();
    GameFileSet& files = edited.game.session.files();
    ByteImage& english = files.image(FileId::English);
    ASSERT_EQ(english.back(), 0);
    english.insert(english.end(), {'N', 'e', 'w', 0});
    ByteImage& english2 = files.image(FileId::English2);
    english2.resize(edited.strings.stringStarts(FileId::English2).at(count2 - 1));
    english2.insert(english2.end(), {0xAB, 0xCD});
    const auto rows = rowsOf(files);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "String Editor | String " + std::to_string(count + 1) + " | ENGLISH.DAT | (none) -> New @ 5/0/" +
                           std::to_string(count));
    EXPECT_EQ(rows[1], "String Editor | String " + std::to_string(count2) + " | ENGLISH2.DAT | " + last2 +
                           " -> (none) @ 5/1/" + std::to_string(count2 - 1));
    EXPECT_TRUE(rows[2].starts_with("ENGLISH2.DAT | Offset " + std::to_string(english2.size() - 2) + " (0x"))
        << rows[2];
    EXPECT_TRUE(rows[2].ends_with("| Bytes after the last string |  -> AB CD @ none")) << rows[2];
}

TEST(ChangeList, bytesNoPageShowsAreListedByOffsetAndAnImageOfAnotherLengthListsItsLength)
{
    EditedGame edited;
    GameFileSet& files = edited.game.session.files();
    ByteImage& exe = files.image(FileId::Exe);
    const std::size_t unitRecord = *units::unitFieldOffset(GameEdition::Dos12, 0, 0);
    exe.at(1000) ^= 0xFF;
    exe.at(unitRecord + 8) ^= 0x01; // a byte of the unit record that the page does not show
    ByteImage& obdata = files.image(FileId::Obdata);
    const std::size_t hidden = items::recordOffset(Item) + 20;
    obdata.at(hidden) = 0xAB;
    obdata.at(hidden + 1) = 0xCD;
    files.image(FileId::English).push_back(0x41);

    const auto rows = rowsOf(files);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0].starts_with("Executable | Offset 1000 (0x3E8) | 1 byte | ")) << rows[0];
    EXPECT_TRUE(rows[1].starts_with("Executable | Offset " + std::to_string(unitRecord + 8))) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("ENGLISH.DAT | Offset ")) << rows[2];
    EXPECT_NE(rows[2].find("| Length | "), std::string::npos) << rows[2];
    EXPECT_TRUE(rows[3].starts_with("OBDATA.DAT | Offset " + std::to_string(hidden))) << rows[3];
    EXPECT_NE(rows[3].find("| 2 bytes | "), std::string::npos) << rows[3];
    EXPECT_NE(rows[3].find("-> AB CD @ none"), std::string::npos) << rows[3];

    // An executable cut short no longer holds the tables: what is left is listed raw, nothing is read past its end.
    exe.resize(2000);
    const auto cut = rowsOf(files);
    EXPECT_TRUE(cut.at(0).starts_with("Executable | Offset 1000")) << cut.at(0);
    ASSERT_EQ(cut.size(), 4u);
    EXPECT_NE(cut.at(1).find("| Length | " + std::to_string(exeLengthOf(GameEdition::Dos12)) + " bytes -> 2000 bytes"),
              std::string::npos)
        << cut.at(1);
}

} // namespace
} // namespace orvane::changes
