#include "editors/UnitEditor.h"
#include "support/PageTest.h"

namespace orvane::units {
namespace {

using namespace test;

constexpr int HoverTank = 32;

struct LoadedUnits : LoadedPage<UnitEditor> {
    LoadedUnits(GameEdition edition, int record) : LoadedPage(edition) { editor.choose(record); }

    std::string caption(UnitStat stat) const { return editor.view().captions.at(indexOf(stat)); }

    Changes edit(UnitStat stat, const Answers& answers)
    {
        return game.answerEdit(answers, [&] { editor.editStat(stat); });
    }
};

// Every field of the Hover Tank in every edition: the box names its limit, the entry changes its one byte.
TEST(UnitEditor, everyFieldWritesOneByteOfTheChosenRecordInEveryEdition)
{
    using enum UnitStat;
    const struct {
        UnitStat stat;
        std::size_t offset;
        int limit;
    } fields[] = {{TimeUnits, 1, 255},   {Health, 2, 255},         {Energy, 3, 255},           {Reaction, 4, 255},
                  {Strength, 5, 100},    {FiringAccuracy, 6, 100}, {ThrowingAccuracy, 7, 100}, {FrontArmour, 9, 255},
                  {LeftArmour, 10, 255}, {RightArmour, 11, 255},   {RearArmour, 12, 255},      {UnderArmour, 13, 255},
                  {PsiSkill, 25, 100},   {PsiStrength, 26, 100}};
    for (const auto& [edition, tableStart] : std::vector<std::pair<GameEdition, std::size_t>>{
             {GameEdition::Collectors, 480147}, {GameEdition::Dos12, 397735}, {GameEdition::Dos14, 379731}}) {
        SCOPED_TRACE(editionName(edition));
        LoadedUnits units(edition, HoverTank);
        const std::size_t record = tableStart + 39 * 32;
        for (const auto& f : fields) {
            SCOPED_TRACE(f.offset);
            const std::uint8_t old = units.game.exe().at(record + f.offset);
            const auto next = static_cast<std::uint8_t>((old + 1) % 100);
            EXPECT_EQ(units.edit(f.stat, {std::to_string(f.limit) + ".4", std::to_string(next)}),
                      (Changes{{record + f.offset, next}}));
            EXPECT_EQ(units.caption(f.stat), std::to_string(next));
            expectBoxes(units.game.prompts, "Change Amount", amountLimitPrompt(std::to_string(f.limit)),
                        std::to_string(old));
        }

        units.game.exe().at(record + 27) = 0;
        EXPECT_EQ(units.edit(Bravery, {"111", "30"}), (Changes{{record + 27, 8}}));
        expectBoxes(units.game.prompts, "Change Amount",
                    amountLimitPrompt("110") + "\nThe number must also be divisible by 10.", "110");
    }
}

// Bravery is entered as 110 - 10 * code, rounded half to even.
TEST(UnitEditor, braveryIsEnteredAs110LessTenTimesTheStoredCode)
{
    const struct {
        Answers answers;
        std::optional<std::uint8_t> stored; // nothing: no write and no snapshot
        std::string shownAfter;
    } cases[] = {
        {{"110"}, 0, "110"},        {{"0"}, 11, "0"},     {{"55"}, 6, "50"},         {{"65"}, 4, "70"},
        {{"111", "100"}, 1, "100"}, {{"-10"}, 12, "-10"}, {{"-2444"}, 255, "-2440"}, {{"-2445", Cancel}, {}, "90"},
    };
    LoadedUnits units(GameEdition::Dos14, 7);
    const std::size_t where = 379731 + 39 * 7 + 27;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.front().value_or("Cancel"));
        units.game.exe().at(where) = 2;
        EXPECT_EQ(units.edit(UnitStat::Bravery, c.answers), (c.stored ? Changes{{where, *c.stored}} : Changes{}));
        EXPECT_EQ(units.caption(UnitStat::Bravery), c.shownAfter);
        // A write comes after its snapshot, so Undo puts the old byte back.
        ASSERT_EQ(units.game.session.undoCount(), c.stored ? 1u : 0u);
        if (c.stored) units.game.session.undo();
        EXPECT_EQ(units.game.exe().at(where), 2);
    }
}

// Hover Tank (Collector's Edition, 481395): flying 1 is "Yes"; Undo redraws only while a unit is chosen.
TEST(UnitEditor, hoverTankInTheCollectorsEdition)
{
    LoadedUnits units(GameEdition::Collectors, HoverTank);
    units.game.exe().at(481396) = 123;
    for (const int byte : {1, 0, 2}) {
        units.game.exe().at(481395) = static_cast<std::uint8_t>(byte);
        units.editor.choose(HoverTank);
        EXPECT_EQ(units.editor.view().flyingYes, std::optional<bool>(byte == 1)) << byte;
    }
    EXPECT_EQ(units.caption(UnitStat::TimeUnits), "123");
    EXPECT_EQ(units.edit(UnitStat::TimeUnits, {"201"}), (Changes{{481396, 201}}));
    units.game.session.undo();
    EXPECT_EQ(units.caption(UnitStat::TimeUnits), "123");

    EXPECT_EQ(units.game.answerEdit({},
                                    [&] {
                                        units.editor.setFlying(true);
                                        units.editor.setFlying(true);
                                    }),
              (Changes{{481395, 1}}));
    EXPECT_EQ(units.game.session.undoCount(), 1u);

    units.game.load();
    units.edit(UnitStat::TimeUnits, {"202"});
    units.game.session.undo();
    EXPECT_EQ(units.caption(UnitStat::TimeUnits), "202");
}

} // namespace
} // namespace orvane::units
