#include "editors/FacilityEditor.h"
#include "support/PageTest.h"

namespace orvane::facilities {
namespace {

using namespace test;

constexpr int AccessLift = 0;
constexpr int LaserDefense = 9;
constexpr int GravShield = 12;
constexpr int Hangar = 16;

const std::vector<std::pair<GameEdition, std::size_t>> TableStarts{
    {GameEdition::Collectors, 460354}, {GameEdition::Dos12, 374242}, {GameEdition::Dos14, 356234}};

struct LoadedFacilities : LoadedPage<FacilityEditor> {
    LoadedFacilities(GameEdition edition, int record) : LoadedPage(edition) { editor.choose(record); }

    std::string caption(FacilityValue value) const { return editor.view().captions.at(indexOf(value)); }

    Changes edit(FacilityValue value, const Answers& answers)
    {
        return game.answerEdit(answers, [&] { editor.editValue(value); });
    }

    Changes setStandard(bool yes)
    {
        return game.answerEdit({}, [&] { editor.setStandard(yes); });
    }
};

// Every value of the Hangar in every edition: the box names its limit, the entry changes only its bytes.
TEST(FacilityEditor, everyValueWritesOnlyItsOwnBytesInEveryEdition)
{
    using enum FacilityValue;
    for (const auto& [edition, tableStart] : TableStarts) {
        SCOPED_TRACE(editionName(edition));
        LoadedFacilities page(edition, Hangar);
        const std::size_t p = tableStart + 16 * 16;
        EXPECT_EQ(page.caption(ConstructionCost), "200");
        EXPECT_EQ(page.caption(ConstructionTime), "25");

        EXPECT_EQ(page.edit(ConstructionCost, {"30,000", "1,500"}), (Changes{{p, 0xDC}, {p + 1, 0x05}}));
        EXPECT_EQ(page.caption(ConstructionCost), "1,500");
        expectBoxes(page.game.prompts, "Change Amount", WordPrompt, "200");
        EXPECT_EQ(page.edit(DefenseStrength, {"28672", "28,671"}), (Changes{{p + 6, 0xFF}, {p + 7, 0x6F}}));
        EXPECT_EQ(page.caption(DefenseStrength), "28,671");
        EXPECT_EQ(page.edit(ConstructionTime, {"256", "255"}), (Changes{{p + 2, 255}}));
        EXPECT_EQ(page.edit(MonthlyCost, {"255.5", "40"}), (Changes{{p + 3, 40}}));
        expectBoxes(page.game.prompts, "Change Amount", amountLimitPrompt("255"), "25");
        EXPECT_EQ(page.edit(HitRatio, {"101", "100.5", "100"}), (Changes{{p + 8, 100}}));
        expectBoxes(page.game.prompts, "Change Amount", amountLimitPrompt("100%"), "0");
        EXPECT_EQ(page.caption(HitRatio), "100");
        EXPECT_EQ(page.game.session.undoCount(), 5u);

        // Every write came after its own snapshot: five Undos give back the image as loaded.
        for (int i = 0; i < 5; ++i) page.game.session.undo();
        EXPECT_EQ(page.game.exe(), test::readFileBytes(page.game.exePath));
        EXPECT_EQ(page.caption(ConstructionCost), "200");
        EXPECT_EQ(page.setStandard(false), (Changes{{p + 10, 0}}));
    }
}

// Two-byte values show signed and grouped, EditWord's default unsigned; the Grav Shield holds -1,500.
TEST(FacilityEditor, twoByteValuesShowSignedAndGrouped)
{
    using enum FacilityValue;
    LoadedFacilities page(GameEdition::Dos12, GravShield);
    const std::size_t p = 374242 + 16 * GravShield;
    EXPECT_EQ(page.caption(DefenseStrength), "-1,500");
    EXPECT_EQ(page.edit(DefenseStrength, {Cancel}), Changes{});
    expectBoxes(page.game.prompts, "Change Amount", WordPrompt, "64036");
    const struct {
        std::uint8_t low, high;
        const char* shown;
    } cases[] = {{0xB0, 0x04, "1,200"},
                 {0xFF, 0xFF, "-1"},
                 {0x20, 0x03, "800"},
                 {0x00, 0x80, "-32,768"},
                 {0x18, 0xFC, "-1,000"}};
    for (const auto& c : cases) {
        page.game.exe().at(p) = c.low;
        page.game.exe().at(p + 1) = c.high;
        page.editor.choose(GravShield);
        EXPECT_EQ(page.caption(ConstructionCost), c.shown);
    }
}

// For every type: an odd byte shows "No"; "No" writes Yes - 4 with one snapshot, again writes nothing.
TEST(FacilityEditor, theStandardSwitchAndTheChosenTypeAcrossLoadsUndoAndDisableAll)
{
    const std::uint8_t yesValues[] = {5, 4, 4, 4, 5, 4, 5, 4, 4, 14, 14, 14, 13, 13, 12, 13, 4};
    LoadedFacilities page(GameEdition::Dos14, AccessLift);
    for (int record = 0; record < FacilityTypeCount; ++record) {
        SCOPED_TRACE(record);
        const std::size_t at = 356234 + 16 * static_cast<std::size_t>(record) + 10;
        const std::uint8_t yes = yesValues[record];
        page.game.exe().at(at) = 7;
        page.editor.choose(record);
        EXPECT_EQ(page.editor.view().standardYes, std::optional<bool>(false));
        const std::size_t before = page.game.session.undoCount();
        EXPECT_EQ(page.setStandard(false), (Changes{{at, static_cast<std::uint8_t>(yes - 4)}}));
        EXPECT_EQ(page.setStandard(false), Changes{});
        EXPECT_EQ(page.setStandard(true), (Changes{{at, yes}}));
        EXPECT_EQ(page.setStandard(true), Changes{});
        EXPECT_EQ(page.game.session.undoCount(), std::min<std::size_t>(before + 2, 5));
        page.editor.choose(record);
        EXPECT_EQ(page.editor.view().standardYes, std::optional<bool>(true));
    }
    EXPECT_FALSE(isStandard(-1, 5));
    EXPECT_FALSE(isStandard(17, 4));

    // Index and position follow the record; a load clears only the choice, disableAll keeps it.
    using enum FacilityValue;
    page.editor.choose(LaserDefense);
    EXPECT_TRUE(page.editor.facilityChosen());
    EXPECT_EQ(page.editor.facilityIndex(), LaserDefense);
    EXPECT_EQ(page.editor.facilityRecordOffset(), 144u);
    EXPECT_EQ(page.caption(ConstructionCost), "400");
    page.editor.choose(Hangar);
    EXPECT_EQ(page.editor.facilityRecordOffset(), 256u);

    page.game.load();
    EXPECT_FALSE(page.editor.facilityChosen());
    EXPECT_EQ(page.editor.facilityIndex(), Hangar);
    EXPECT_TRUE(page.editor.view().valuesEnabled);
    // Without a choice since the load, an edit still writes to the Hangar, but Undo does not redraw.
    EXPECT_EQ(page.edit(ConstructionTime, {"3"}), (Changes{{356492, 3}}));
    EXPECT_EQ(page.caption(ConstructionTime), "3");
    page.game.session.undo();
    EXPECT_EQ(page.caption(ConstructionTime), "3");

    page.editor.disableAll();
    EXPECT_FALSE(page.editor.view().typeListEnabled);
    EXPECT_FALSE(page.editor.view().valuesEnabled);
    EXPECT_EQ(page.caption(ConstructionCost), "");
    EXPECT_FALSE(page.editor.view().standardYes.has_value());
    EXPECT_EQ(page.editor.facilityIndex(), Hangar);
    page.editor.enableAll();
    EXPECT_TRUE(page.editor.view().typeListEnabled);
    EXPECT_FALSE(page.editor.view().valuesEnabled);
}

} // namespace
} // namespace orvane::facilities
