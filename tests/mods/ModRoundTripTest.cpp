// Mods made from games whose tables hold random bytes, on every edition: a game's own export changes
// nothing, another game's export or a diff gives byte for byte the game it was made from, on any
// edition, and the changes since load are the change list's.
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

TEST(ModRoundTrip, ExportsAndDiffsGiveBackTheGameTheyWereMadeFromOnEveryEdition)
{
    const test::TypedGame source(GameEdition::Collectors, false, Seed);
    const test::TypedGame sourceModded(GameEdition::Collectors, true, Seed);
    const MadeMod sourceDiff = diffGames(source.files(), sourceModded.files());
    EXPECT_TRUE(sourceDiff.leftOut.empty());

    for (const GameEdition edition : test::AllEditions) {
        SCOPED_TRACE(test::editionName(edition));
        const test::TypedGame a(edition, false, Seed);
        const test::TypedGame b(edition, true, Seed);

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

TEST(ModRoundTrip, TheChangesSinceLoadAreTheChangeListsFieldsAndGiveTheEditedGame)
{
    const test::TypedGame edited(GameEdition::Dos12, true, Seed);
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

} // namespace
} // namespace orvane::mods
