// Mods made from games whose tables hold random bytes, on every edition: a game's own export changes
// nothing, another game's export or a diff gives byte for byte the game it was made from, on any
// edition, and the changes since load are the change list's.
#include "base/BaseEditor.h"
#include "changes/ChangeList.h"
#include "facilities/FacilityEditor.h"
#include "items/ItemEditor.h"
#include "mods/ModApply.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"
#include "names/NamesEditor.h"
#include "strings/StringEditor.h"
#include "support/PageTest.h"
#include "units/UnitEditor.h"

namespace orvane::mods {
namespace {

constexpr std::uint32_t Seed = 17;

// A game of random tables, with a value of every kind typed into its page's box (`second` picks
// other values), so two such games differ only in values a user could type.
struct TypedGame {
    TypedGame(GameEdition edition, bool second) : game(edition, Seed)
    {
        game.load();
        const auto pick = [second](const char* first, const char* other) { return second ? other : first; };
        game.prompts.answer(pick("41", "42")).answer(pick("30", "-10"));
        units.choose(5);
        units.editStat(units::UnitStat::TimeUnits);
        units.editStat(units::UnitStat::Bravery);
        units.setFlying(!second);
        game.prompts.answer(pick("1,200", "28671"));
        facilities.choose(9);
        facilities.editValue(facilities::FacilityValue::ConstructionCost);
        facilities.setStandard(second);
        base.clickSquare(7);
        base.pickFacility(second ? base::EmptyFacility : 2);
        base.pickDays(12);
        base.apply();
        game.prompts.answer(pick("10", "250")).answer(pick("100", "200"));
        base.openStoresEntry(0);
        base.openStoresEntry(2);
        game.prompts.answer(pick("Ann", "Bo")).answer(pick("Smith", "Abcdefghijk"));
        names.firstNameDoubleClicked(3);
        names.lastNameDoubleClicked(119);
        items.enableAll();
        items.openEntry(7);
        game.prompts.answer(pick("Rifle", "Blaster \u00e9")).answer(pick("50", "79"));
        items.changeName();
        items.editValue(items::ItemValue::AmmoType1);
        items.chooseOption(second ? items::ItemOption::Laser : items::ItemOption::HE);
        strings.openEntry(FileId::English2, 4);
        strings.setEditText(pick("A longer text than before", ""));
        strings.apply();
        EXPECT_TRUE(game.prompts.scriptUsed());
    }

    const GameFileSet& files() const { return game.session.files(); }

    test::SampleSession game;
    units::UnitEditor units{game.session};
    facilities::FacilityEditor facilities{game.session};
    base::BaseEditor base{game.session};
    names::NamesEditor names{game.session};
    items::ItemEditor items{game.session};
    strings::StringEditor strings{game.session};
};

std::array<ByteImage, 4> imagesOf(const GameFileSet& files)
{
    return {files.image(FileId::Exe), files.image(FileId::English), files.image(FileId::English2),
            files.image(FileId::Obdata)};
}

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
    const TypedGame source(GameEdition::Collectors, false);
    const TypedGame sourceModded(GameEdition::Collectors, true);
    const MadeMod sourceDiff = diffGames(source.files(), sourceModded.files());
    EXPECT_TRUE(sourceDiff.leftOut.empty());

    for (const GameEdition edition : test::AllEditions) {
        SCOPED_TRACE(test::editionName(edition));
        const TypedGame a(edition, false);
        const TypedGame b(edition, true);

        const MadeMod exported = exportGame(a.files());
        EXPECT_TRUE(exported.leftOut.empty());
        const ModApplication onItself = applyMod(a.files(), exported.mod);
        EXPECT_FALSE(onItself.refusal);
        EXPECT_TRUE(onItself.images.empty() && onItself.changes.empty());

        EXPECT_EQ(imagesOf(applied(b.files(), exported.mod)), imagesOf(a.files()));

        const GameFileSet diffed = applied(a.files(), diffGames(a.files(), b.files()).mod);
        EXPECT_EQ(imagesOf(diffed), imagesOf(b.files()));
        EXPECT_TRUE(diffGames(diffed, b.files()).mod.records.empty());
        EXPECT_EQ(imagesOf(applied(a.files(), sourceDiff.mod)), imagesOf(b.files()));
    }
}

TEST(ModRoundTrip, TheChangesSinceLoadAreTheChangeListsFieldsAndGiveTheEditedGame)
{
    const TypedGame edited(GameEdition::Dos12, true);
    const MadeMod changes = exportChanges(edited.files());
    EXPECT_TRUE(changes.leftOut.empty());

    std::size_t values = 0;
    for (const ModRecord& record : changes.mod.records) values += record.fields.size();
    std::size_t rows = 0;
    for (const changes::Change& change : changes::listChanges(edited.files())) rows += change.page ? 1u : 0u;
    EXPECT_EQ(values, rows);

    GameFileSet asLoaded = edited.files();
    for (LoadedFile& file : asLoaded.files) file.image = file.asRead;
    EXPECT_EQ(imagesOf(applied(asLoaded, changes.mod)), imagesOf(edited.files()));
}

} // namespace
} // namespace orvane::mods
