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

constexpr int HoverTank = 32;

std::size_t tableStart(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Collectors: return 480147;
    case GameEdition::Dos12: return 397735;
    case GameEdition::Dos14: return 379731;
    case GameEdition::None: break;
    }
    return 0;
}

using Answers = std::vector<std::optional<std::string>>;

std::string describe(const Answers& answers)
{
    std::string text;
    for (const auto& a : answers) text += a ? "\"" + *a + "\" " : std::string("Cancel ");
    return text;
}

struct LoadedUnits {
    explicit LoadedUnits(GameEdition edition) : game(edition), editor(game.session)
    {
        editor.onChanged([this] { ++redraws; });
        game.load();
    }

    std::size_t at(int record, std::size_t fieldOffset) const
    {
        return tableStart(game.session.edition()) + 39 * static_cast<std::size_t>(record) + fieldOffset;
    }
    std::string caption(UnitStat stat) const { return editor.view().captions.at(indexOf(stat)); }

    test::SampleSession game;
    UnitEditor editor;
    int redraws = 0;
};

class UnitEditorEditions : public ::testing::TestWithParam<GameEdition> {};

// Every value button of one unit in every edition: the box, one refused entry above the
// limit, then exactly one byte written where the table puts it.
TEST_P(UnitEditorEditions, EveryPlainFieldWritesOneByteOfTheChosenRecord)
{
    LoadedUnits units(GetParam());
    units.editor.choose(HoverTank);
    EXPECT_EQ(units.editor.unitPosition(), 39u * 32u);

    const std::vector<std::pair<UnitStat, std::size_t>> fields{
        {UnitStat::TimeUnits, 1},  {UnitStat::Health, 2},         {UnitStat::Energy, 3},
        {UnitStat::Reaction, 4},   {UnitStat::Strength, 5},       {UnitStat::FiringAccuracy, 6},
        {UnitStat::ThrowingAccuracy, 7}, {UnitStat::FrontArmour, 9}, {UnitStat::LeftArmour, 10},
        {UnitStat::RightArmour, 11}, {UnitStat::RearArmour, 12},  {UnitStat::UnderArmour, 13},
        {UnitStat::PsiSkill, 25},  {UnitStat::PsiStrength, 26}};
    for (const auto& [stat, offset] : fields) {
        SCOPED_TRACE(offset);
        const std::size_t where = units.at(HoverTank, offset);
        const std::uint8_t oldByte = units.game.exe().at(where);
        const std::string old = std::to_string(oldByte);
        const auto next = static_cast<std::uint8_t>((oldByte + 1) % 100);
        EXPECT_EQ(units.caption(stat), old);

        const std::string limit = statLimit(stat) == 100 ? "100" : "255";
        const ByteImage before = units.game.exe();
        units.game.prompts.clearShown();
        units.game.prompts.answer(limit == "100" ? "101" : "256").answer(std::to_string(next));
        units.editor.editStat(stat);

        EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{where, next}}));
        EXPECT_EQ(units.caption(stat), std::to_string(next));
        const auto& shown = units.game.prompts.shown();
        ASSERT_EQ(shown.size(), 2u);
        for (const auto& box : shown) {
            EXPECT_EQ(box.title, "Change Amount");
            EXPECT_EQ(box.text, "Enter the amount you would like to have.\n(Remember, the number cannot exceed " +
                                    limit + ").");
            EXPECT_EQ(box.defaultText, old);
        }
    }
    EXPECT_EQ(units.game.session.undoCount(), 5u);
    EXPECT_TRUE(units.game.prompts.unexpected().empty());
}

TEST_P(UnitEditorEditions, BraveryAndFlyingOfTheFirstRecord)
{
    LoadedUnits units(GetParam());
    units.game.exe().at(units.at(0, 27)) = 0;
    units.editor.choose(0);
    const ByteImage before = units.game.exe();
    units.game.prompts.answer("30");
    units.editor.editStat(UnitStat::Bravery);
    units.editor.setFlying(units.game.exe().at(units.at(0, 0)) != 1);
    const std::uint8_t flying = units.game.exe().at(units.at(0, 0));
    EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{units.at(0, 0), flying}, {units.at(0, 27), 8}}));
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
TEST(UnitEditor, EntriesAgainstLimitsAndRounding)
{
    struct Case {
        UnitStat stat;
        Answers answers;
        std::optional<int> stored; // nothing: no write, no snapshot
    };
    const std::vector<Case> cases{
        {UnitStat::TimeUnits, {"255"}, 255},
        {UnitStat::TimeUnits, {"255.4", "7"}, 7},
        {UnitStat::TimeUnits, {"254.5"}, 254},
        {UnitStat::TimeUnits, {"0.5"}, 0},
        {UnitStat::TimeUnits, {"abc"}, 0},
        {UnitStat::TimeUnits, {"&HFF"}, 255},
        {UnitStat::TimeUnits, {"-3", std::nullopt}, std::nullopt},
        {UnitStat::TimeUnits, {std::nullopt}, std::nullopt},
        {UnitStat::TimeUnits, {""}, std::nullopt},
        {UnitStat::Strength, {"99.5"}, 100},
        {UnitStat::PsiStrength, {"100.4", "100"}, 100},
    };
    LoadedUnits units(GameEdition::Dos14);
    units.editor.choose(7);
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.answers));
        units.game.prompts.clearShown();
        for (const auto& a : c.answers) units.game.prompts.answer(a);
        const ByteImage before = units.game.exe();
        const std::size_t undoBefore = units.game.session.undoCount();
        units.editor.editStat(c.stat);

        EXPECT_EQ(units.game.prompts.shown().size(), c.answers.size());
        EXPECT_TRUE(units.game.prompts.scriptUsed());
        const std::size_t where = units.at(7, statOffset(c.stat));
        if (c.stored) {
            Changes expected;
            if (before.at(where) != *c.stored) expected[where] = static_cast<std::uint8_t>(*c.stored);
            EXPECT_EQ(changedBytes(before, units.game.exe()), expected);
            EXPECT_EQ(units.game.session.undoCount(), std::min<std::size_t>(undoBefore + 1, 5));
        } else {
            EXPECT_EQ(units.game.exe(), before);
            EXPECT_EQ(units.game.session.undoCount(), undoBefore);
        }
    }
}

TEST(UnitEditor, BraveryIsShownAndEnteredAsOneHundredTenLessTenTimesTheCode)
{
    struct Case {
        Answers answers;
        std::optional<int> code;
        std::string shownAfter;
    };
    const std::vector<Case> cases{
        {{"110"}, 0, "110"},           {{"0"}, 11, "0"},         {{"55"}, 6, "50"},
        {{"65"}, 4, "70"},             {{"111", "100"}, 1, "100"}, {{"-10"}, 12, "-10"},
        {{"-2444"}, 255, "-2440"},     {{"-2445", std::nullopt}, std::nullopt, ""},
    };
    LoadedUnits units(GameEdition::Collectors);
    const std::size_t where = units.at(HoverTank, 27);
    units.game.exe().at(where) = 3;
    units.editor.choose(HoverTank);
    EXPECT_EQ(units.caption(UnitStat::Bravery), "80");

    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.answers));
        units.game.session.files().image(FileId::Exe).at(where) = 2;
        units.game.prompts.clearShown();
        for (const auto& a : c.answers) units.game.prompts.answer(a);
        const ByteImage before = units.game.exe();
        const std::size_t undoBefore = units.game.session.undoCount();
        units.editor.editStat(UnitStat::Bravery);

        ASSERT_EQ(units.game.prompts.shown().size(), c.answers.size());
        for (const auto& box : units.game.prompts.shown()) {
            EXPECT_EQ(box.text, "Enter the amount you would like to have.\n(Remember, the number cannot exceed 110)."
                                "\nThe number must also be divisible by 10.");
            EXPECT_EQ(box.defaultText, "90");
        }
        if (c.code) {
            EXPECT_EQ(changedBytes(before, units.game.exe()), (Changes{{where, static_cast<std::uint8_t>(*c.code)}}));
            EXPECT_EQ(units.caption(UnitStat::Bravery), c.shownAfter);
        } else {
            EXPECT_EQ(units.game.exe(), before);
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
    EXPECT_FALSE(editor.view().flyingYes.has_value());
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
    units.game.prompts.answer("201");
    units.editor.editStat(UnitStat::Health);
    units.game.session.undo();
    EXPECT_EQ(units.game.exe(), loaded);
    EXPECT_EQ(units.caption(UnitStat::Health), oldHealth);

    units.game.load();
    EXPECT_FALSE(units.editor.unitChosen());
    // The buttons still edit the unit last chosen; its Undo no longer redraws the page.
    units.game.prompts.answer("202");
    units.editor.editStat(UnitStat::Health);
    EXPECT_EQ(units.caption(UnitStat::Health), "202");
    units.game.session.undo();
    EXPECT_EQ(units.game.exe(), loaded);
    EXPECT_EQ(units.caption(UnitStat::Health), "202");
}

TEST(UnitEditor, DisablingEmptiesTheValuesButKeepsTheChoice)
{
    LoadedUnits units(GameEdition::Dos14);
    units.editor.choose(3);
    units.editor.disableValues();
    EXPECT_FALSE(units.editor.view().valueButtonsEnabled);
    EXPECT_TRUE(units.editor.view().flyingEnabled);
    for (const auto& caption : units.editor.view().captions) EXPECT_EQ(caption, "");
    EXPECT_FALSE(units.editor.view().flyingYes.has_value());
    EXPECT_TRUE(units.editor.unitChosen());
}

} // namespace
} // namespace orvane::units
