// With no executable or one a byte too short, no page reads past the end, asks or writes.
#include "editors/BaseEditor.h"
#include "editors/FacilityEditor.h"
#include "editors/NamesEditor.h"
#include "editors/UnitEditor.h"
#include "support/SampleSession.h"

namespace orvane {
namespace {

TEST(ShortExecutable, noPageReadsPastTheEndOfItsTable)
{
    test::SampleSession game(GameEdition::Collectors);
    units::UnitEditor units(game.session);
    names::NamesEditor names(game.session);
    facilities::FacilityEditor facilities(game.session);
    base::BaseEditor base(game.session);
    // Each page clicked everywhere; true when it shows nothing.
    const auto clickUnits = [&] {
        units.choose(32);
        for (const units::UnitStat stat : units::AllUnitStats) units.editStat(stat);
        units.setFlying(true);
        return units.view().captions == std::array<std::string, units::UnitStatCount>{};
    };
    const auto clickFirstNames = [&] {
        names.firstNameDoubleClicked(119);
        return names.firstNames().empty();
    };
    const auto clickFacilities = [&] {
        facilities.enableAll();
        facilities.choose(16);
        for (const facilities::FacilityValue value : facilities::AllFacilityValues) facilities.editValue(value);
        facilities.setStandard(false);
        return facilities.view().captions.at(0).empty() && !facilities.view().standardYes;
    };
    const auto clickBase = [&] {
        base.apply();
        base.refreshBase();
        base.clickSquare(3);
        base.openStoresEntry(0);
        base.openStoresEntry(40);
        return base.view().squareCaptions.at(3).empty() && base.view().storesList.empty();
    };
    // Each page with the end of its table in the Collector's Edition.
    const std::pair<std::size_t, std::function<bool()>> pages[] = {{453768 + 120 * 11, clickFirstNames},
                                                                   {455134 + 266, clickBase},
                                                                   {460354 + 16 * 17, clickFacilities},
                                                                   {480147 + 39 * 33, clickUnits}};
    for (const auto& [end, click] : pages) EXPECT_TRUE(click()) << end;
    EXPECT_TRUE(game.exe().empty());

    for (const auto& [end, click] : pages) {
        SCOPED_TRACE(end);
        game.load();
        base.enableAll();
        base.clickSquare(4); // chosen while the image held the square
        game.exe().resize(end - 1);
        const ByteImage before = game.exe();
        EXPECT_TRUE(click());
        EXPECT_EQ(game.exe(), before);
        EXPECT_EQ(game.session.undoCount(), 0u);
    }
}

} // namespace
} // namespace orvane
