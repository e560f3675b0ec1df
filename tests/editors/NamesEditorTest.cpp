#include "editors/NamesEditor.h"
#include "core/CodePage.h"
#include "support/PageTest.h"

namespace orvane::names {
namespace {

using namespace test;
const std::string LimitLine = "\n(remember it cannot exceed 11 characters)";

struct LoadedNames : LoadedPage<NamesEditor> {
    using LoadedPage::LoadedPage;
    void put(std::size_t at, const std::string& name, std::size_t width) { writeField(game.exe(), at, width, name); }
};

// Every edition: first names fill 11 bytes, last names 11 of 12 keeping the 12th; 12 characters come back.
TEST(NamesEditor, anEditWritesItsSlotInEveryEdition)
{
    const struct {
        GameEdition edition;
        std::size_t lastNames, firstNames;
    } editions[] = {{GameEdition::Collectors, 452328, 453768},
                    {GameEdition::Dos12, 389104, 390544},
                    {GameEdition::Dos14, 371096, 372536}};
    for (const auto& [edition, lastNames, firstNames] : editions) {
        SCOPED_TRACE(editionName(edition));
        LoadedNames names(edition);
        names.put(firstNames + 11 * 3, "Petra", 11);
        names.put(lastNames + 12 * 7, "Abernathy-Qx", 12);
        const ByteImage before = names.game.exe();
        Changes expected = fieldWrite(before, firstNames + 33, "Ann", 11);
        expected.merge(fieldWrite(before, lastNames + 84, "Underwoods1", 11));
        EXPECT_EQ(names.game.answerEdit({"Ann", "Underwoods12", "Underwoods1"},
                                        [&] {
                                            names.editor.firstNameDoubleClicked(3);
                                            names.editor.lastNameDoubleClicked(7);
                                        }),
                  expected);
        EXPECT_EQ(names.editor.lastNames().at(7), "Underwoods1x");

        const auto& shown = names.game.prompts.shown();
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_EQ(shown[0].title, "New Name");
        EXPECT_EQ(shown[0].text, "What would you like the new first name to be?" + LimitLine);
        EXPECT_EQ(shown[0].defaultText, "Petra");
        EXPECT_EQ(shown[2].text, "What would you like the new last name to be?" + LimitLine);
        EXPECT_EQ(shown[2].defaultText, "Abernathy-Qx");
    }
}

// First name 119 of the Collector's Edition: 455077 to 455087. Cancel, empty or no entry change nothing.
TEST(NamesEditor, theLastFirstNameSlotThroughEditsCancelAndUndo)
{
    LoadedNames names(GameEdition::Collectors);
    names.put(455077, "", 11);
    const ByteImage empty = names.game.exe();
    EXPECT_EQ(names.game.answerEdit({"Maximiliana"}, [&names] { names.editor.firstNameDoubleClicked(119); }),
              fieldWrite(empty, 455077, "Maximiliana", 11));
    EXPECT_EQ(names.editor.firstNames().at(119), "Maximiliana");
    const ByteImage full = names.game.exe();

    names.game.prompts.clearShown();
    names.game.prompts.answer(Cancel).answer("");
    names.editor.firstNameDoubleClicked(119);
    names.editor.lastNameDoubleClicked(0);
    names.editor.firstNameDoubleClicked(std::nullopt);
    names.editor.lastNameDoubleClicked(120);
    ASSERT_EQ(names.game.prompts.shown().size(), 2u);
    EXPECT_EQ(names.game.prompts.shown()[0].defaultText, "Maximiliana");
    EXPECT_EQ(names.game.exe(), full);
    EXPECT_EQ(names.game.session.undoCount(), 1u);

    names.game.session.undo();
    EXPECT_EQ(names.game.exe(), empty);
    EXPECT_EQ(names.editor.firstNames().at(119), "");
}

} // namespace
} // namespace orvane::names
