// The list of changes since load: edits on every page in the page's words, Undo, and raw bytes.
#include <algorithm>

#include "changes/ChangeList.h"
#include "base/BaseEditor.h"
#include "facilities/FacilityEditor.h"
#include "items/ItemEditor.h"
#include "names/NamesEditor.h"
#include "strings/StringEditor.h"
#include "support/SampleSession.h"
#include "units/UnitEditor.h"

namespace orvane::changes {
namespace {

constexpr int HoverTank = 32;
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
    units::UnitEditor units{game.session};
    names::NamesEditor names{game.session};
    items::ItemEditor items{game.session};
    facilities::FacilityEditor facilities{game.session};
    base::BaseEditor base{game.session};
    strings::StringEditor strings{game.session};
    const GameFileSet& files = game.session.files();
};

// Values of the sample game before the edits: the Hover Tank flies with 90 time units and bravery 110,
// square 8 holds a Laboratory, the Laboratory type costs 750 and is standard, item 3 is a Rifle Clip of 30 AP.
TEST(ChangeList, EditsOnEveryPageAreListedInThePagesWordsAndUndoTakesThemBack)
{
    EditedGame edited;
    EXPECT_TRUE(rowsOf(edited.files).empty());
    edited.game.prompts.answer("77").answer("60").answer("Zed").answer("Blaster").answer("99").answer("321").answer("12345");
    edited.units.choose(HoverTank);
    edited.units.editStat(units::UnitStat::TimeUnits);
    edited.units.editStat(units::UnitStat::Bravery);
    edited.units.setFlying(false);
    edited.names.firstNameDoubleClicked(0);
    edited.items.enableAll();
    edited.items.openEntry(Item);
    edited.items.changeName();
    edited.items.editValue(items::ItemValue::Damage);
    edited.items.chooseOption(items::ItemOption::Plasma);
    edited.base.enableAll();
    edited.base.clickSquare(7);
    edited.base.pickFacility(0);
    edited.base.apply();
    edited.base.openStoresEntry(2);
    edited.facilities.enableAll();
    edited.facilities.choose(2);
    edited.facilities.editValue(facilities::FacilityValue::ConstructionCost);
    edited.facilities.setStandard(false);
    EXPECT_TRUE(edited.game.prompts.scriptUsed());

    // Rows come table by table; the order of the tables is not the point here.
    const std::vector<std::string> expected{
        "Base Editor | Square 8 (row 2, column 2) | Facility | Laboratory -> Access Lift @ 0/0/7",
        "Base Editor | Stores | Stingray Launchers | 1 -> 321 @ 0/1/2",
        "Facility Editor | Laboratory | Construction Cost/$k: | 750 -> 12,345 @ 1/0/2",
        "Facility Editor | Laboratory | Standard to Build?: | Yes -> No @ 1/0/2",
        "Item Editor | Blaster | Damage Type | AP -> Plasma @ 4/0/3",
        "Item Editor | Blaster | Damage: | 30 -> 99 @ 4/0/3",
        "Item Editor | Blaster | Name: | Rifle Clip -> Blaster @ 4/0/3",
        "Soldier Names | First name 1 | First Names | Adam -> Zed @ 2/0/0",
        "Unit Editor | Hover Tank | Bravery: | 110 -> 60 @ 3/0/32",
        "Unit Editor | Hover Tank | Flying Ability?: | Yes -> No @ 3/0/32",
        "Unit Editor | Hover Tank | Time Units: | 90 -> 77 @ 3/0/32",
    };
    const auto sortedRows = [&edited] {
        auto rows = rowsOf(edited.files);
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(sortedRows(), expected);

    // Undo takes back the standard-to-build switch, then the cost; setting a value back to what was loaded
    // removes its row.
    edited.game.session.undo();
    edited.game.session.undo();
    edited.game.prompts.answer("90");
    edited.units.editStat(units::UnitStat::TimeUnits);
    auto remaining = expected;
    remaining.pop_back();
    remaining.erase(remaining.begin() + 2, remaining.begin() + 4);
    EXPECT_EQ(sortedRows(), remaining);
}

TEST(ChangeList, StringsAreListedByNumberWithTheirTextsWhateverTheirLength)
{
    EditedGame edited;
    const std::string third = edited.strings.entries(FileId::English).at(2);
    const std::string first2 = edited.strings.entries(FileId::English2).at(0);
    const std::size_t count2 = edited.strings.entries(FileId::English2).size();
    const std::string last2 = edited.strings.entries(FileId::English2).back();
    edited.strings.openEntry(FileId::English, 2);
    edited.strings.setEditText(third + " and a good deal more");
    edited.strings.apply();
    edited.strings.openEntry(FileId::English2, 0);
    edited.strings.setEditText("X");
    edited.strings.apply();

    // Every later string moved, yet only the two edited ones are listed, each where a double click opens it.
    const auto rows = rowsOf(edited.files);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "String Editor | String 3 | ENGLISH.DAT | " + third + " -> " + third +
                           " and a good deal more @ 5/0/2");
    EXPECT_EQ(rows[1], "String Editor | String 1 | ENGLISH2.DAT | " + first2 + " -> X @ 5/1/0");

    // A string added at the end, the last one cut off, and bytes after the last zero byte that no string holds.
    GameFileSet& files = edited.game.session.files();
    ByteImage& english = files.image(FileId::English);
    ASSERT_EQ(english.back(), 0);
    english.insert(english.end(), {'N', 'e', 'w', 0});
    ByteImage& english2 = files.image(FileId::English2);
    ASSERT_EQ(english2.back(), 0);
    english2.resize(edited.strings.stringStarts(FileId::English2).at(count2 - 1));
    english2.insert(english2.end(), {0xAB, 0xCD});
    const auto grown = rowsOf(files);
    ASSERT_EQ(grown.size(), 5u);
    const std::size_t count = edited.strings.entries(FileId::English).size();
    EXPECT_EQ(grown[1], "String Editor | String " + std::to_string(count + 1) + " | ENGLISH.DAT | (none) -> New @ 5/0/" +
                            std::to_string(count));
    EXPECT_EQ(grown[3], "String Editor | String " + std::to_string(count2) + " | ENGLISH2.DAT | " + last2 +
                            " -> (none) @ 5/1/" + std::to_string(count2 - 1));
    EXPECT_TRUE(grown[4].starts_with("ENGLISH2.DAT | Offset " + std::to_string(english2.size() - 2) +
                                     " (0x")) << grown[4];
    EXPECT_TRUE(grown[4].ends_with("| Bytes after the last string |  -> AB CD @ none")) << grown[4];
}

TEST(ChangeList, BytesNoPageShowsAreListedByOffsetAndAnImageOfAnotherLengthListsItsLength)
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
