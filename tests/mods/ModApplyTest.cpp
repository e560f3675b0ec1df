// Applying mods: the pages' rules hold, a fault refuses the whole mod, the later of two values wins.
#include "mods/ModApply.h"
#include "base/StartingBase.h"
#include "core/Unicode.h"
#include "items/ItemRecord.h"
#include "support/PageTest.h"
#include "units/UnitTable.h"

namespace orvane::mods {
namespace {

GameFileSet sampleGame() { return sample::loadedSampleFiles(GameEdition::Dos14); }

std::string modText(const std::string& body) { return "[mod]\nformat = 1\n" + body; }

TEST(ModApply, anyFaultRefusesTheWholeModNamingItsLineRecordAndFieldAndAllAreListed)
{
    const GameFileSet game = sampleGame();
    const struct {
        std::string text;
        std::string refusal;
    } cases[] = {
        {"[mod]\nformat = 1\n[[unit]\n", "line 3: this is not a TOML file"},
        {"[[unit]]\nnumber = 0\n", "line 1: a mod file begins with a [mod] table"},
        {"[mod]\nformat = 2\n", "line 2, [mod], format: this program reads mod files of format 1 only"},
        {modText("[[weapon]]\nnumber = 1\n"), "line 3, [[weapon]]: unknown table [[weapon]]"},
        {modText("[[unit]]\nnumber = 33\n"), "line 3, unit 33: there is no unit 33; they are numbered 0 to 32"},
        {modText("[[unit]]\nnumber = 0\nspeed = 5\n"),
         "line 5, unit 0 (Floater Soldier), speed: unknown key `speed` in [[unit]]"},
        {modText("[[unit]]\nnumber = 0\nstrength = 101\n"), "strength: 101 is above the limit of 100"},
        {modText("[[unit]]\nnumber = 0\ntime_units = 12.5\n"),
         "line 5, unit 0 (Floater Soldier), time_units: 12.5 is not written as a whole number; a mod's numbers are "
         "digits alone, with no decimal point or exponent"},
        {modText("[[unit]]\nnumber = 0\ntime_units = \"fast\"\n"), "holds a whole number, not a text"},
        {modText("[[unit]]\nnumber = 0\nbravery = 55\n"), "55 cannot be held exactly; the game would hold 50"},
        {modText("[[unit]]\nnumber = 0\nflying_ability = \"Maybe\"\n"),
         "flying_ability: \"Maybe\" is not one of the options \"Yes\", \"No\""},
        {modText("[[unit]]\nnumber = 0\nflying_ability = true\n"), "a value is a whole number or a text"},
        // Floats are refused everywhere, whole or not, in one wording that quotes them as written; where a
        // text is wanted, as what that field wants.
        {modText("[[unit]]\nnumber = 0\nhealth = 46.0\n"), "health: 46.0 is not written as a whole number"},
        {modText("[[unit]]\nnumber = 7.0\n"), "line 4, unit, number: 7.0 is not written as a whole number"},
        {"[mod]\nformat = 1.0\n", "line 2, [mod], format: 1.0 is not written as a whole number"},
        {modText("[[unit]]\nnumber = 0\nhealth = 5E1\n"), "health: 5E1 is not written as a whole number"},
        {modText("[[unit]]\nnumber = 0\nenergy = -inf\n"), "energy: -inf is not written as a whole number"},
        {modText("[[english_dat]]\nnumber = 7\ntext = 1.5\n"), "text: a string is a text in double quotes"},
        {modText("[[unit]]\nnumber = 0\nflying_ability = 1.0\n"), "1.0 is not one of the options \"Yes\", \"No\""},
        {modText("[[unit]]\nnumber = 0\nname = 1.0\n"),
         "line 5, unit 0 (Floater Soldier), name: the name is a text in double quotes"},
        // The nearest known key or table, for a slip of the keyboard.
        {modText("[[unit]]\nnumber = 0\ntime_unit = 5\n"), "line 5, unit 0 (Floater Soldier), time_unit: unknown key "
                                                           "`time_unit` in [[unit]]; did you mean `time_units`?"},
        {modText("[[untis]]\nnumber = 0\n"), "line 3, [[untis]]: unknown table [[untis]]; did you mean [[unit]]?"},
        {modText("[base_store]\nengineers = 1\n"), "unknown table [base_store]; did you mean [base_stores]?"},
        {modText("[base_stores]\nengineer = 1\n"),
         "unknown key `engineer` in [base_stores]; did you mean `engineers`?"},
        {"[mod]\nformat = 1\neditoin = \"x\"\n",
         "line 3, [mod], editoin: unknown key `editoin` in [mod]; did you mean `edition`?"},
        {"[mod]\nformat = 1\nauthor = \"x\"\n", "unknown key `author` in [mod]; it gives format and edition"},
        // What reads as a claim: an edition that is none of the three, a name where a table has none.
        {"[mod]\nformat = 1\nedition = \"DOS version 1.3\"\n",
         "line 3, [mod], edition: \"DOS version 1.3\" is not an edition; the editions are \"Collector's Edition\", "
         "\"DOS version 1.2\", \"DOS version 1.4\""},
        {modText("[base_stores]\nname = \"Stores\"\n"),
         "line 4, [base_stores], name: `name` is not a key of [base_stores]: it is one record, with no name"},
        {modText("[[english_dat]]\nnumber = 1\nname = \"a\"\n"),
         "line 5, [[english_dat]], name: `name` is not a key of [[english_dat]]: a string is known by its number"},
        {modText("[[facility_type]]\nnumber = 2\nconstruction_cost_k = -5\n"), "-5 is not a value the page accepts"},
        {modText("[[facility_type]]\nnumber = 2\nhit_ratio = 101\n"), "101 is above the limit of 100"},
        {modText("[base_stores]\nengineers = 251\n"), "line 4, base_stores, engineers: 251 is above the limit of 250"},
        {modText("[base_stores]\nstingray_launchers = 28672\n"), "28672 is above the limit of 28671"},
        {modText("[[base_stores]]\nengineers = 1\n"),
         "line 3, [[base_stores]]: [base_stores] is one record with no number; it is written [base_stores]"},
        {modText("[base_stores]\nnumber = 1\n"),
         "line 4, base_stores, number: [base_stores] is one record with no number"},
        {modText("[unit]\nnumber = 7\nhealth = 5\n"), "line 3, [unit]: each unit is written [[unit]] with its number"},
        {modText("[[base_square]]\nnumber = 8\nfacility = \"Empty\"\ndays_to_completion = 12\n"),
         "line 6, base_square 8 (Square 8 (row 2, column 2)), days_to_completion: an Empty square always has 255 days"},
        {modText("[[base_square]]\nnumber = 8\ndays_to_completion = 60\n"), "60 is not a value the page accepts"},
        {modText("[[last_name]]\nnumber = 1\nlast_names = \"Abcdefghijkl\"\n"), "has 12 characters; at most 11 fit"},
        {modText("[[first_name]]\nnumber = 1\nfirst_names = \"\"\n"), "a name cannot be empty"},
        {modText("[[item]]\nnumber = 0\nitem_name = \"5 \u20ac\"\n"),
         "item_name: the character \"\u20ac\" (U+20AC) is not one of the game's characters"},
        {modText("[[item]]\nnumber = 0\nitem_name = \"\u0301\"\n"), "the character \"\u0301\" (U+0301) is not one"},
        {std::string("\xFF\xFE[\0m\0o\0d\0]\0", 12), "line 1: this is not a TOML file: the file is UTF-16"},
        {std::string("[\0m\0o\0d\0]\0", 10), "line 1: this is not a TOML file: the file is UTF-16"},
        {std::string("[mod]\nMZ\x90\0", 10), "line 2: this is not a TOML file: it holds zero bytes"},
        {"MZ\x90\x01", "line 1: this is not a TOML file: the file is not UTF-8"},
        {"[mod]\nformat = \"1\"\n", "line 2, [mod], format: the format is a whole number, without quotes"},
        {modText("[[item]]\nnumber = 0\nammo_type_1 = 80\n"), "80 is above the limit of 79"},
        {modText("[[english_dat]]\nnumber = 99999\ntext = \"x\"\n"),
         "line 3, english_dat 99999: there is no english_dat"},
        {modText("# caf\u00e9\n[[item]]\nnumber = 0\ndamage\u00e9 = 1\n"),
         "line 6: this is not a TOML file: characters other"},
        {modText("[[english2_dat]]\nnumber = 1\ntext = \"a\\nb\"\n"),
         "the character \"\\n\" (U+000A) is not one of the game's"},
        {modText("[[unit]]\nnumber = 3\n[[item]]\nnumber = 0\n[[unit]]\nnumber = 3\n"),
         "line 7, unit 3: this record is given twice; it was first given on line 3"},
        // The fault on the earliest line is the one named, whichever table it is in.
        {modText("[[unit]]\nnumber = 0\nhealth = 300\n[[item]]\nnumber = 0\ndamage = 300\n"), "line 5, unit 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ModApplication result = applyModText(game, c.text);
        ASSERT_TRUE(result.refusal);
        EXPECT_NE(result.refusal->describe().find(c.refusal), std::string::npos) << result.refusal->describe();
        EXPECT_TRUE(result.images.empty() && result.changes.empty() && result.assigned.empty());
    }

    // A numbered table written plain is told once, with how it is written.
    EXPECT_EQ(applyModText(game, modText("[unit]\nnumber = 7\nhealth = 5\n")).refusals.size(), 1u);

    // A refused mod lists every fault it holds in the order of its lines.
    const ModApplication result = applyModText(
        game, "[mod]\nformat = 2\n[[unit]]\nnumber = 0\nhealth = 300\nspeed = 1\nenergy = 5\n[[item]]\nnumber = 99\n"
              "[[item]]\nnumber = 1\ndamage = 2.5\nweight = 101\n[[unit]]\nnumber = 0\n");
    ASSERT_TRUE(result.refusal);
    EXPECT_TRUE(result.images.empty() && result.changes.empty() && result.assigned.empty());
    EXPECT_EQ(describeRefusals(result.refusals, 50),
              "line 2, [mod], format: this program reads mod files of format 1 only\n"
              "line 5, unit 0 (Floater Soldier), health: 300 is above the limit of 255\n"
              "line 6, unit 0 (Floater Soldier), speed: unknown key `speed` in [[unit]]\n"
              "line 8, item 99: there is no item 99; they are numbered 0 to 79\n"
              "line 12, item 1 (Pistol Clip), damage: 2.5 is not written as a whole number; a mod's numbers are digits "
              "alone, with no decimal point or exponent\n"
              "line 13, item 1 (Pistol Clip), weight: 101 is above the limit of 100\n"
              "line 14, unit 0: this record is given twice; it was first given on line 3");
    EXPECT_EQ(describeRefusals(result.refusals, 2, "a.toml: ", "> "),
              "a.toml: line 2, [mod], format: this program reads mod files of format 1 only\n"
              "> a.toml: line 5, unit 0 (Floater Soldier), health: 300 is above the limit of 255\n> and 5 more");
}

// The byte-order mark before the file is passed over: the lines count from after it.
TEST(ModApply, aNameThatNamesAnotherRecordIsWarnedOfAndTheNumberDecides)
{
    const GameFileSet game = sampleGame();
    const ModApplication result = applyModText(
        game,
        "\xEF\xBB\xBF" +
            modText("[[unit]]\nnumber = 7\nname = \"Ethereal Commander\"\nhealth = 46\n[[unit]]\nnumber = 3\n"
                    "name = \"Floater Engineer\"\n[[item]]\nnumber = 0\nname = \"Blaster\"\nitem_name = \"Blaster\"\n"
                    "[[unit]]\nnumber = 4\nname = \"Someone else\"\n"));
    ASSERT_FALSE(result.refusal) << result.refusal->describe();
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].describe(),
              "line 5, unit 7 (Sectoid Soldier), name: \"Ethereal Commander\" is the name of unit 20, not of unit 7 "
              "(Sectoid Soldier); the values go to unit 7, as its number says");
    ASSERT_EQ(result.changes.size(), 2u);
    EXPECT_EQ(result.changes[0].record, "unit 7 (Sectoid Soldier)");
    EXPECT_EQ(result.changes[0].line, 6u);
}

TEST(ModApply, aDecomposedTextIsTheGamesComposedCharacter)
{
    if (!unicodeNormalisation()) GTEST_SKIP() << "this build has no utf8proc: texts are taken as written";
    GameFileSet game = sampleGame();
    // "Fusée" with the e and its accent apart, as macOS writes it, after the mark Notepad writes (passed over).
    const ModApplication result =
        applyModText(game, "\xEF\xBB\xBF" + modText("[[item]]\nnumber = 0\nitem_name = \"Fuse\u0301e\"\n"));
    ASSERT_FALSE(result.refusal) << result.refusal->describe();
    ASSERT_EQ(result.changes.size(), 1u);
    EXPECT_EQ(result.changes[0].after, ModValue{std::string("Fus\u00e9e")});
    for (auto& [file, image] : result.images) game.image(file) = image;
    EXPECT_EQ(items::readName(game.image(FileId::Obdata), 0), "Fus\u00e9e");
}

TEST(ModApply, modsOfDifferentValuesCombineAndTheLaterOfTwoThatSetTheSameValueWins)
{
    GameFileSet game = sampleGame();
    const auto apply = [&game](const std::string& body) {
        ModApplication result = applyModText(game, modText(body));
        EXPECT_FALSE(result.refusal) << result.refusal->describe();
        for (auto& [file, image] : result.images) game.image(file) = std::move(image);
        return result;
    };
    apply("[[unit]]\nnumber = 4\nhealth = 77\n[[item]]\nnumber = 2\ndamage = 9\nitem_name = 'Caf\u00e9 \\ \"A\"'\n");
    // An Empty square gets 255 days, as on the page.
    const ModApplication second =
        apply("[[unit]]\nnumber = 4\nenergy = 66\n[[base_square]]\nnumber = 8\nfacility = \"Empty\"\n");
    const ModApplication third = apply("[[item]]\nnumber = 2\ndamage = 10\n");

    const auto unit = *units::UnitTableOffsets.in(GameEdition::Dos14) + units::UnitRecordSize * 4;
    const ByteImage& exe = game.image(FileId::Exe);
    EXPECT_EQ(exe.at(unit + 2), 77);
    EXPECT_EQ(exe.at(unit + 3), 66);
    EXPECT_EQ(game.image(FileId::Obdata).at(54 * 2 + 22), 10);
    EXPECT_EQ(items::readName(game.image(FileId::Obdata), 54 * 2), "Caf\u00e9 \\ \"A\"");
    const std::size_t square = *base::StartingBaseOffsets.in(GameEdition::Dos14) + 7;
    EXPECT_EQ(exe.at(square), base::EmptyFacility);
    EXPECT_EQ(exe.at(square + base::DaysOffset), base::EmptyDays);
    ASSERT_EQ(second.changes.size(), 3u);
    EXPECT_EQ(second.changes[2].field, "days_to_completion");
    EXPECT_EQ(second.changes[2].after, ModValue{std::int64_t{255}});
    EXPECT_EQ(second.changes[2].line, second.changes[1].line) << "told at the line of the facility it follows from";
    EXPECT_EQ(third.assigned.at(0).describe(), "item 2, damage");
}

} // namespace
} // namespace orvane::mods
