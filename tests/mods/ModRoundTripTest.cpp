// Exports and diffs of games whose tables hold random bytes, applied on every edition.
#include "changes/ChangeList.h"
#include "mods/ModApply.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"
#include "support/PageTest.h"
#include "support/TypedGame.h"

namespace orvane::mods {
namespace {

constexpr std::uint32_t Seed = 17;

// The game with a mod applied, through the mod's text; the mod must be accepted.
GameFileSet applied(GameFileSet game, const ModDocument& mod)
{
    const ModApplication result = applyModText(game, writeMod(mod));
    EXPECT_FALSE(result.refusal) << result.refusal->describe();
    for (const auto& [file, image] : result.images) game.image(file) = image;
    return game;
}

TEST(ModRoundTrip, exportsAndDiffsGiveBackTheGameTheyWereMadeFromOnEveryEdition)
{
    const test::TypedGame source(GameEdition::Collectors, test::ValueSet::First, Seed);
    const test::TypedGame sourceModded(GameEdition::Collectors, test::ValueSet::Second, Seed);
    const MadeMod sourceDiff = diffGames(source.files(), sourceModded.files());
    EXPECT_TRUE(sourceDiff.leftOut.empty());

    for (const GameEdition edition : test::AllEditions) {
        SCOPED_TRACE(editionName(edition));
        const test::TypedGame a(edition, test::ValueSet::First, Seed);
        const test::TypedGame b(edition, test::ValueSet::Second, Seed);

        const MadeMod exported = exportGame(a.files());
        EXPECT_TRUE(exported.leftOut.empty());
        const ModApplication onItself = applyMod(a.files(), exported.mod);
        EXPECT_FALSE(onItself.refusal);
        EXPECT_TRUE(onItself.images.empty() && onItself.changes.empty());

        EXPECT_EQ(test::imagesOf(applied(b.files(), exported.mod)), test::imagesOf(a.files()));

        const GameFileSet diffed = applied(a.files(), diffGames(a.files(), b.files()).mod);
        EXPECT_EQ(test::imagesOf(diffed), test::imagesOf(b.files()));
        EXPECT_TRUE(diffGames(diffed, b.files()).mod.records.empty());
        EXPECT_EQ(test::imagesOf(applied(a.files(), sourceDiff.mod)), test::imagesOf(b.files()));
    }
}

TEST(ModRoundTrip, theChangesSinceLoadAreTheChangeListsFieldsAndGiveTheEditedGame)
{
    const test::TypedGame edited(GameEdition::Dos12, test::ValueSet::Second, Seed);
    const MadeMod changes = exportChanges(edited.files());
    EXPECT_TRUE(changes.leftOut.empty());

    std::size_t values = 0;
    for (const ModRecord& record : changes.mod.records) values += record.fields.size();
    std::size_t rows = 0;
    for (const changes::Change& change : changes::listChanges(edited.files())) rows += change.page ? 1u : 0u;
    EXPECT_EQ(values, rows);

    GameFileSet asLoaded = edited.files();
    for (LoadedFile& file : asLoaded.files) file.image = file.asRead;
    EXPECT_EQ(test::imagesOf(applied(asLoaded, changes.mod)), test::imagesOf(edited.files()));
}

std::string describe(const ModReading& reading)
{
    std::string text = reading.mod ? "mod " + reading.mod->edition + "\n" : "no mod\n";
    if (reading.mod) {
        for (const ModRecord& record : reading.mod->records) {
            text += record.section + " " + (record.number ? std::to_string(*record.number) : "-") + " line " +
                    std::to_string(record.line) + " name " + valueText(record.name) + "@" +
                    std::to_string(record.nameLine) + "\n";
            for (const ModField& field : record.fields)
                text += "  " + field.key + " = " + valueText(field.value) + " @" + std::to_string(field.line) + "\n";
        }
    }
    for (const ModRefusal& refusal : reading.refusals) text += refusal.describe() + "\n";
    return text;
}

TEST(ModReader, thePlainLineReaderGivesWhatTomlGivesForEveryFile)
{
    const std::string header = "[mod]\nformat = 1\n";
    const std::string texts[] = {
        header,
        "",
        "# only a comment\n",
        header +
            "edition = \"DOS version 1.4\"\n\n[[unit]]\nnumber = 3\nname = \"Floater Engineer\"\ntime_units = 60\n",
        header + "[[unit]]\r\nnumber = 3\r\nhealth = -5 # a comment\r\n",
        header + "  [[ unit ]]  # indented\n\tnumber=+3\nhealth=0\n",
        header + "[[english_dat]]\nnumber = 1\ntext = \"a \\\"b\\\" \\\\ \\t \\u00e9 \\U0001F600 caf\u00e9\"\n",
        header + "[[english_dat]]\nnumber = 1\ntext = 'lit\u00e9ral \\ \"x\"'\n",
        header + "[[item]]\nnumber = 1\nitem_name = \"\"\"long\"\"\"\n",
        header + "[[item]]\nnumber = 1\ndamage = 1_000\n",
        header + "[[item]]\nnumber = 1\ndamage = 0x10\n",
        header + "[[item]]\nnumber = 1\ndamage = 012\n",
        header + "[[item]]\nnumber = 1\ndamage = 12.0\n",
        header + "[[item]]\nnumber = 1.5\n",
        header + "[[item]]\nnumber = 1\ndamage = 99999999999999999999\n",
        header + "[[item]]\nnumber = 1\ndamage = -9223372036854775808\n",
        header + "[[item]]\nnumber = 1\ndamage = 9223372036854775808\n",
        header + "[[item]]\nnumber = 1\ndamage = true\n",
        header + "[[item]]\nnumber = 1\ndamage = [1, 2]\n",
        header + "[[item]]\nnumber = 1\ndamage = 1\ndamage = 2\n",
        header + "[base_stores]\nengineers = 1\n[base_stores]\nscientists = 2\n",
        header + "[base_stores]\nengineers = 1\n[[base_stores]]\nnumber = 2\n",
        header + "[[unit]]\nnumber = 1\n[unit]\nhealth = 2\n",
        "[[mod]]\nformat = 1\n",
        "format = 1\n[mod]\n",
        header + "[unit.x]\nhealth = 1\n",
        header + "[[unit]]\nnumber = 1\na.b = 1\n",
        header + "[[unit]]\nnumber = 1\n\"quoted\" = 1\n",
        header + "[[unit]]\nnumber = 1\nhealth = \"unterminated\n",
        header + "[[unit]]\nnumber = 1\nhealth = \"bad \\q escape\"\n",
        header + "[[unit]]\nnumber = 1\nhealth = \"\\uD800\"\n",
        header + "[[unit]]\nnumber = 1\nhealth = \"a\x01b\"\n",
        header + "[[unit]]\nnumber = 1\nhealth = \"\xff\"\n",
        header + "# caf\xc3\xa9 \xff\n",
        header + "[[unit]]\nnumber = 1\nhealth = 5 x\n",
        header + "[[unit]]\nnumber = 1\nhealth =\n",
        header + "[[unit]]\nhealth = 5\n[[unit]]\nnumber = \"7\"\n",
        "[mod]\nformat = 2\nedition = 5\nauthor = \"x\"\neditoin = \"y\"\n[[unit]]\nnumber = 3\nname = "
        "5\n[base_stores]\nnumber = 1\n",
        "[mod]\n[[unit]]\nnumber = 1\n",
        header + "[[unit]]\nnumber = 1\nhealth = 5\r",
        header + "[[unit]]\nnumber = 1\nhealth = 5\rx = 1\n",
        header + "[[unit]]\nnumber = 1\n\nhealth = 5",
        header + "[[ unit]]\nnumber = 2\n[[unit ]]\nnumber = 1\n[[weapon]]\nnumber = 1\n",
        header + "[[unit]]\nnumber = 2\nname = \"Fuse\u0301e\"\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(describe(readMod(text)), describe(readModWithToml(text)));
    }
}

} // namespace
} // namespace orvane::mods
