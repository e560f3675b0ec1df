#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "names/NamesEditor.h"
#include "support/ImageDiff.h"
#include "units/SampleSession.h"

namespace orvane::names {
namespace {

using test::changedBytes;
using Changes = std::map<std::size_t, std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* FirstPrompt = "What would you like the new first name to be?\n(remember it cannot exceed 11 characters)";
constexpr const char* LastPrompt = "What would you like the new last name to be?\n(remember it cannot exceed 11 characters)";

struct LoadedNames {
    explicit LoadedNames(GameEdition edition) : game(edition), editor(game.session)
    {
        editor.onChanged([this] { ++redraws; });
        game.load();
    }

    void putBytes(std::size_t offset, const Bytes& bytes)
    {
        for (std::size_t i = 0; i < bytes.size(); ++i) game.exe().at(offset + i) = bytes[i];
    }

    // The changes that turn `before` into an image whose bytes from `offset` on are `bytes`.
    static Changes writing(const ByteImage& before, std::size_t offset, const Bytes& bytes)
    {
        Changes changes;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (before.at(offset + i) != bytes[i]) changes[offset + i] = bytes[i];
        }
        return changes;
    }

    test::SampleSession game;
    NamesEditor editor;
    int redraws = 0;
};

Bytes text(const std::string& ascii, std::size_t width)
{
    Bytes bytes(ascii.begin(), ascii.end());
    bytes.resize(width, 0);
    return bytes;
}

struct EditionTables {
    GameEdition edition;
    std::size_t lastNames;
    std::size_t firstNames;
};

class NamesEditorEditions : public ::testing::TestWithParam<EditionTables> {};

TEST_P(NamesEditorEditions, ALoadFillsBothListsAndAnEditWritesOneSlot)
{
    const auto tables = GetParam();
    LoadedNames names(tables.edition);
    ASSERT_EQ(names.editor.firstNames().size(), 120u);
    ASSERT_EQ(names.editor.lastNames().size(), 120u);

    names.putBytes(tables.firstNames + 11 * 3, text("Petra", 11));
    names.putBytes(tables.lastNames + 12 * 7, text("Lindqvist", 12));
    names.game.prompts.answer("Ann").answer("Okafor");
    const ByteImage before = names.game.exe();
    names.editor.firstNameDoubleClicked(3);
    names.editor.lastNameDoubleClicked(7);

    Changes expected = LoadedNames::writing(before, tables.firstNames + 33, text("Ann", 11));
    expected.merge(LoadedNames::writing(before, tables.lastNames + 84, text("Okafor", 11)));
    EXPECT_EQ(changedBytes(before, names.game.exe()), expected);
    EXPECT_EQ(names.editor.firstNames().at(3), "Ann");
    EXPECT_EQ(names.editor.lastNames().at(7), "Okafor");

    const auto& shown = names.game.prompts.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "New Name");
    EXPECT_EQ(shown[0].text, FirstPrompt);
    EXPECT_EQ(shown[0].defaultText, "Petra");
    EXPECT_EQ(shown[1].title, "New Name");
    EXPECT_EQ(shown[1].text, LastPrompt);
    EXPECT_EQ(shown[1].defaultText, "Lindqvist");
}

INSTANTIATE_TEST_SUITE_P(AllEditions, NamesEditorEditions,
                         ::testing::Values(EditionTables{GameEdition::Collectors, 452328, 453768},
                                           EditionTables{GameEdition::Dos12, 389104, 390544},
                                           EditionTables{GameEdition::Dos14, 371096, 372536}),
                         [](const auto& testInfo) { return test::editionName(testInfo.param.edition); });

TEST(NamesEditor, ElevenCharactersFillAFirstNameSlotAndAShorterNameIsZeroPadded)
{
    LoadedNames names(GameEdition::Collectors);
    names.putBytes(455077, Bytes(11, 0));
    const ByteImage empty = names.game.exe();

    names.game.prompts.answer("Maximiliana");
    names.editor.firstNameDoubleClicked(119);
    EXPECT_EQ(changedBytes(empty, names.game.exe()), LoadedNames::writing(empty, 455077, text("Maximiliana", 11)));
    EXPECT_EQ(changedBytes(empty, names.game.exe()).size(), 11u);
    EXPECT_EQ(names.game.exe().at(455088), empty.at(455088)); // the table ends at 455087
    EXPECT_EQ(names.editor.firstNames().at(119), "Maximiliana");

    const ByteImage full = names.game.exe();
    names.game.prompts.answer("abcdefghijkl").answer("Jo");
    names.editor.firstNameDoubleClicked(119);
    EXPECT_EQ(names.game.prompts.shown().size(), 3u); // the twelve characters brought the box back
    EXPECT_EQ(names.game.prompts.shown()[2].defaultText, "Maximiliana");
    EXPECT_EQ(changedBytes(full, names.game.exe()), LoadedNames::writing(full, 455077, text("Jo", 11)));
    EXPECT_EQ(names.editor.firstNames().at(119), "Jo");

    names.game.session.undo();
    EXPECT_EQ(names.game.exe(), full);
    EXPECT_EQ(names.editor.firstNames().at(119), "Maximiliana");
}

TEST(NamesEditor, ALastNameKeepsTheTwelfthByteOfItsSlot)
{
    LoadedNames names(GameEdition::Dos14);
    const std::size_t slot = 371096 + 12 * 40;
    names.putBytes(slot, text("Abernathy-Qx", 12));
    names.game.prompts.answer("Underwoods12").answer("Underwoods1");
    const ByteImage before = names.game.exe();
    names.editor.lastNameDoubleClicked(40);

    ASSERT_EQ(names.game.prompts.shown().size(), 2u);
    EXPECT_EQ(names.game.prompts.shown()[0].defaultText, "Abernathy-Qx");
    Bytes written = text("Underwoods1", 11);
    EXPECT_EQ(changedBytes(before, names.game.exe()), LoadedNames::writing(before, slot, written));
    EXPECT_EQ(names.game.exe().at(slot + 11), 'x');
    EXPECT_EQ(names.editor.lastNames().at(40), "Underwoods1x");
}

TEST(NamesEditor, CodePageCharactersRoundTripAndOthersBecomeZero)
{
    LoadedNames names(GameEdition::Dos12);
    const std::size_t slot = 390544 + 11 * 9;
    names.putBytes(slot, Bytes{'R', 0x82, 'n', 0x82, 0, 0, 0, 0, 0, 0, 0});
    names.game.prompts.answer("R\xC3\xA9n\xC3\xA9"); // the default text, accepted as shown
    const ByteImage before = names.game.exe();
    names.editor.firstNameDoubleClicked(9);
    EXPECT_EQ(names.game.prompts.shown().at(0).defaultText, "R\xC3\xA9n\xC3\xA9");
    EXPECT_EQ(names.editor.firstNames().at(9), "R\xC3\xA9n\xC3\xA9");
    EXPECT_TRUE(changedBytes(before, names.game.exe()).empty());

    names.game.prompts.answer("A\xE2\x82\xAC" "B"); // the euro sign has no code
    names.editor.firstNameDoubleClicked(9);
    EXPECT_EQ(changedBytes(before, names.game.exe()), LoadedNames::writing(before, slot, Bytes{'A', 0, 'B', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(names.editor.firstNames().at(9), "A");
}

TEST(NamesEditor, CancelOrNoSelectionChangesNothing)
{
    test::SampleSession unloaded(GameEdition::Collectors);
    NamesEditor idle(unloaded.session);
    EXPECT_TRUE(idle.firstNames().empty());
    idle.firstNameDoubleClicked(0);
    idle.lastNameDoubleClicked(0);
    EXPECT_TRUE(unloaded.prompts.shown().empty());

    LoadedNames names(GameEdition::Collectors);
    const ByteImage before = names.game.exe();
    names.editor.firstNameDoubleClicked(std::nullopt);
    names.editor.lastNameDoubleClicked(120);
    EXPECT_TRUE(names.game.prompts.shown().empty());

    const int redrawsBefore = names.redraws;
    names.game.prompts.answer(std::nullopt).answer("");
    names.editor.firstNameDoubleClicked(0);
    names.editor.lastNameDoubleClicked(0);
    EXPECT_EQ(names.game.exe(), before);
    EXPECT_EQ(names.game.session.undoCount(), 0u);
    EXPECT_EQ(names.redraws, redrawsBefore + 2); // the list is refilled either way

    names.editor.clearLists();
    EXPECT_TRUE(names.editor.firstNames().empty());
    EXPECT_TRUE(names.editor.lastNames().empty());
}

} // namespace
} // namespace orvane::names
