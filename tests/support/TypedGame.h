#pragma once
// A loaded sample game with a value of every kind typed in; the second set holds other values.
#include "editors/BaseEditor.h"
#include "editors/FacilityEditor.h"
#include "editors/ItemEditor.h"
#include "editors/NamesEditor.h"
#include "editors/StringEditor.h"
#include "editors/UnitEditor.h"
#include "support/SampleSession.h"

namespace orvane::test {

enum class ValueSet { First, Second };

struct TypedGame {
    TypedGame(GameEdition edition, ValueSet values, std::optional<std::uint32_t> seed) : game(edition, seed)
    {
        const bool second = values == ValueSet::Second;
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

    SampleSession game;
    units::UnitEditor units{game.session};
    facilities::FacilityEditor facilities{game.session};
    base::BaseEditor base{game.session};
    names::NamesEditor names{game.session};
    items::ItemEditor items{game.session};
    strings::StringEditor strings{game.session};
};

} // namespace orvane::test
