#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/ImageDiff.h"
#include "units/SampleSession.h"
#include "units/UnitEditor.h"

namespace orvane::units {
namespace {

using test::changedBytes;
using Changes = std::map<std::size_t, std::uint8_t>;
using Answers = std::vector<std::optional<std::string>>;

constexpr int HoverTank = 32;

struct LoadedUnits {
    explicit LoadedUnits(GameEdition edition) : game(edition), editor(game.session)
    {
        editor.onChanged([this] { ++redraws; });
        game.load();
    }

    std::size_t at(int record, std::size_t fieldOffset) const
    {
        const std::map<GameEdition, std::size_t> tableStart{
            {GameEdition::Collectors, 480147}, {GameEdition::Dos12, 397735}, {GameEdition::Dos14, 379731}};
        return tableStart.at(game.session.edition()) + 39 * static_cast<std::size_t>(record) + fieldOffset;
    }
    std::string caption(UnitStat stat) const { return editor.view().captions.at(indexOf(stat)); }

    // Answers the boxes of one edit; returns the changed bytes and how many boxes came.
    std::pair<Changes, std::size_t> edit(UnitStat stat, const Answers& answers)
    {
        game.prompts.clearShown();
        for (const auto& a : answers) game.prompts.answer(a);
        const ByteImage before = game.exe();
        editor.editStat(stat);
        EXPECT_TRUE(game.prompts.scriptUsed());
        return {changedBytes(before, game.exe()), game.prompts.shown().size()};
    }

    test::SampleSession game;
    UnitEditor editor;
    int redraws = 0;
};

class UnitEditorEditions : public ::testing::TestWithParam<GameEdition> {};

// Every field of one unit in every edition: the box with its limit, one refused entry above the
// limit, then exactly one byte written where the table puts it.
TEST_P(UnitEditorEditions, EveryFieldWritesOneByteOfTheChosenRecord)
{
    LoadedUnits units(GetParam());
    units.editor.choose(HoverTank);
    EXPECT_EQ(units.editor.unitPosition(), 39u * 32u);

    const std::vector<std::pair<UnitStat, std::size_t>> fields{
        {UnitStat::TimeUnits, 1},   {UnitStat::Health, 2},      {UnitStat::Energy, 3},
        {UnitStat::Reaction, 4},    {UnitStat::Strength, 5},    {UnitStat::FiringAccuracy, 6},
        {UnitStat::ThrowingAccuracy, 7}, {UnitStat::FrontArmour, 9}, {UnitStat::LeftArmour, 10},
        {UnitStat::RightArmour, 11}, {UnitStat::RearArmour, 12}, {UnitStat::UnderArmour, 13},
        {UnitStat::PsiSkill, 25},   {UnitStat::PsiStrength, 26}};
    for (const auto& [stat, offset] : fields) {
        SCOPED_TRACE(offset);
        const std::size_t where = units.at(HoverTank, offset);
        const std::string old = std::to_string(units.game.exe().at(where));
        EXPECT_EQ(units.caption(stat), old);
        const auto next = static_cast<std::uint8_t>((units.game.exe().at(where) + 1) % 100);
        const std::string limit = statLimit(stat) == 100 ? "100" : "255";

        const auto [changes, boxes] = units.edit(stat, {limit == "100" ? "101" : "256", std::to_string(next)});
        EXPECT_EQ(changes, (Changes{{where, next}}));
        EXPECT_EQ(units.caption(stat), std::to_string(next));
        ASSERT_EQ(boxes, 2u);
        for (const auto& box : units.game.prompts.shown()) {
            EXPECT_EQ(box.title, "Change Amount");
            EXPECT_EQ(box.text, "Enter the amount you would like to have.\n(Remember, the number cannot exceed " +
                                    limit + ").");
            EXPECT_EQ(box.defaultText, old);
        }
    }

    units.game.exe().at(units.at(HoverTank, 27)) = 0;
    EXPECT_EQ(units.edit(UnitStat::Bravery, {"30"}).first, (Changes{{units.at(HoverTank, 27), 8}}));
    const std::size_t flying = units.at(HoverTank, 0);
    const ByteImage before = units.game.exe();
    const bool yes = before.at(flying) != 1;
    units.editor.setFlying(yes);
    EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{flying, yes ? 1 : 0}}));
}

INSTANTIATE_TEST_SUITE_P(AllEditions, UnitEditorEditions,
                         ::testing::Values(GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14),
                         [](const auto& testInfo) { return test::editionName(testInfo.param); });

TEST(UnitEditor, HoverTankTimeUnitsInTheCollectorsEditionLieAt481396)
{
    LoadedUnits units(GameEdition::Collectors);
    units.game.exe().at(481396) = 123;
    units.editor.choose(HoverTank);
    EXPECT_EQ(units.caption(UnitStat::TimeUnits), "123");
    EXPECT_TRUE(units.editor.view().valueButtonsEnabled);
    EXPECT_TRUE(units.editor.view().flyingEnabled);
}

// Entries read as numbers, compared with the limit before rounding, rounded half to even.
// `stored` nothing: no write and no snapshot.
TEST(UnitEditor, EntriesAgainstLimitsAndRounding)
{
    const struct {
        UnitStat stat;
        Answers answers;
        std::optional<std::uint8_t> stored;
    } cases[] = {
        {UnitStat::TimeUnits, {"255"}, 255},          {UnitStat::TimeUnits, {"255.4", "7"}, 7},
        {UnitStat::TimeUnits, {"254.5"}, 254},        {UnitStat::TimeUnits, {"0.5"}, 0},
        {UnitStat::TimeUnits, {"abc"}, 0},            {UnitStat::TimeUnits, {"&HFF"}, 255},
        {UnitStat::TimeUnits, {"-3", std::nullopt}, std::nullopt},
        {UnitStat::TimeUnits, {std::nullopt}, std::nullopt},
        {UnitStat::TimeUnits, {""}, std::nullopt},    {UnitStat::Strength, {"99.5"}, 100},
        {UnitStat::PsiStrength, {"100.4", "100"}, 100},
    };
    LoadedUnits units(GameEdition::Dos14);
    units.editor.choose(7);
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(n++);
        const std::size_t where = units.at(7, statOffset(c.stat));
        units.game.exe().at(where) = 50;
        const std::size_t undoBefore = units.game.session.undoCount();
        const auto [changes, boxes] = units.edit(c.stat, c.answers);
        EXPECT_EQ(boxes, c.answers.size());
        EXPECT_EQ(changes, (c.stored ? Changes{{where, *c.stored}} : Changes{}));
        EXPECT_EQ(units.game.session.undoCount(), c.stored ? std::min<std::size_t>(undoBefore + 1, 5) : undoBefore);
    }
}

TEST(UnitEditor, BraveryIsShownAndEnteredAsOneHundredTenLessTenTimesTheCode)
{
    const struct {
        Answers answers;
        std::optional<std::uint8_t> code; // nothing: no write and no snapshot
        std::string shownAfter;
    } cases[] = {
        {{"110"}, 0, "110"},       {{"0"}, 11, "0"},     {{"55"}, 6, "50"},         {{"65"}, 4, "70"},
        {{"111", "100"}, 1, "100"}, {{"-10"}, 12, "-10"}, {{"-2444"}, 255, "-2440"}, {{"-2445", std::nullopt}, {}, "90"},
    };
    LoadedUnits units(GameEdition::Collectors);
    const std::size_t where = units.at(HoverTank, 27);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shownAfter);
        units.game.exe().at(where) = 2;
        units.editor.choose(HoverTank);
        const std::size_t undoBefore = units.game.session.undoCount();
        const auto [changes, boxes] = units.edit(UnitStat::Bravery, c.answers);
        ASSERT_EQ(boxes, c.answers.size());
        for (const auto& box : units.game.prompts.shown()) {
            EXPECT_EQ(box.text, "Enter the amount you would like to have.\n(Remember, the number cannot exceed 110)."
                                "\nThe number must also be divisible by 10.");
            EXPECT_EQ(box.defaultText, "90");
        }
        EXPECT_EQ(changes, (c.code ? Changes{{where, *c.code}} : Changes{}));
        EXPECT_EQ(units.caption(UnitStat::Bravery), c.shownAfter);
        if (!c.code) {
            EXPECT_EQ(units.game.session.undoCount(), undoBefore);
        }
    }
}

TEST(UnitEditor, FlyingOptionsWriteWithoutRedrawAndSnapshotOnlyOnChange)
{
    LoadedUnits units(GameEdition::Dos12);
    const std::size_t where = units.at(27, 0);
    for (const auto& [byte, yes] : std::vector<std::pair<std::uint8_t, bool>>{{1, true}, {0, false}, {2, false}}) {
        units.game.exe().at(where) = byte;
        units.editor.choose(27);
        EXPECT_EQ(units.editor.view().flyingYes, std::optional<bool>(yes)) << int{byte};
    }

    // The byte is 2: "Yes" writes 1 with one snapshot, a second "Yes" writes again without one.
    const ByteImage before = units.game.exe();
    const int redrawsBefore = units.redraws;
    units.editor.setFlying(true);
    units.editor.setFlying(true);
    EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{where, 1}}));
    EXPECT_EQ(units.game.session.undoCount(), 1u);
    units.editor.setFlying(false);
    EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{where, 0}}));
    EXPECT_EQ(units.game.session.undoCount(), 2u);
    EXPECT_EQ(units.redraws, redrawsBefore);
}

TEST(UnitEditor, WithNoEditionNothingAsksOrWritesButAUnitCanBeChosen)
{
    test::SampleSession game(GameEdition::Collectors);
    UnitEditor editor(game.session);
    editor.choose(4);
    EXPECT_TRUE(editor.unitChosen());
    EXPECT_TRUE(editor.view().valueButtonsEnabled);
    EXPECT_EQ(editor.view().captions.at(0), "");
    for (const UnitStat stat : AllUnitStats) editor.editStat(stat);
    editor.setFlying(true);
    EXPECT_TRUE(game.prompts.shown().empty());
    EXPECT_EQ(game.session.undoCount(), 0u);
    EXPECT_TRUE(game.exe().empty());
}

TEST(UnitEditor, UndoRedrawsOnlyWhileAUnitIsChosenAndALoadClearsTheChoice)
{
    LoadedUnits units(GameEdition::Collectors);
    units.editor.choose(HoverTank);
    const ByteImage loaded = units.game.exe();
    const std::string oldHealth = units.caption(UnitStat::Health);
    units.edit(UnitStat::Health, {"201"});
    units.game.session.undo();
    EXPECT_EQ(units.game.exe(), loaded);
    EXPECT_EQ(units.caption(UnitStat::Health), oldHealth);

    units.game.load();
    EXPECT_FALSE(units.editor.unitChosen());
    // The buttons still edit the unit last chosen; its Undo no longer redraws the page.
    units.edit(UnitStat::Health, {"202"});
    EXPECT_EQ(units.caption(UnitStat::Health), "202");
    units.game.session.undo();
    EXPECT_EQ(units.game.exe(), loaded);
    EXPECT_EQ(units.caption(UnitStat::Health), "202");

    units.editor.disableValues();
    EXPECT_FALSE(units.editor.view().valueButtonsEnabled);
    EXPECT_EQ(units.editor.view().captions, decltype(units.editor.view().captions){});
    EXPECT_FALSE(units.editor.view().flyingYes.has_value());
}

} // namespace
} // namespace orvane::units
