#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "names/NamesEditor.h"
#include "support/ImageDiff.h"
#include "support/SampleSession.h"

namespace orvane::names {
namespace {

using test::changedBytes;
using Changes = std::map<std::size_t, std::uint8_t>;
using Bytes = std::vector<std::uint8_t>;

const std::string LimitLine = "\n(remember it cannot exceed 11 characters)";

Bytes padded(const std::string& text, std::size_t width)
{
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, 0);
    return bytes;
}

// The changes that give `before` these bytes from `offset` on.
Changes writing(const ByteImage& before, std::size_t offset, const Bytes& bytes)
{
    Changes changes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (before.at(offset + i) != bytes[i]) changes[offset + i] = bytes[i];
    }
    return changes;
}

struct LoadedNames {
    explicit LoadedNames(GameEdition edition) : game(edition), editor(game.session) { game.load(); }

    void put(std::size_t offset, const Bytes& bytes)
    {
        for (std::size_t i = 0; i < bytes.size(); ++i) game.exe().at(offset + i) = bytes[i];
    }

    test::SampleSession game;
    NamesEditor editor;
};

// In every edition: a first name is written over its 11-byte slot with zeros after it, a last name
// over the first 11 bytes of its 12-byte slot, keeping the 12th. 12 characters bring the box back.
TEST(NamesEditor, AnEditWritesItsSlotInEveryEdition)
{
    const struct {
        GameEdition edition;
        std::size_t lastNames, firstNames;
    } editions[] = {{GameEdition::Collectors, 452328, 453768},
                    {GameEdition::Dos12, 389104, 390544},
                    {GameEdition::Dos14, 371096, 372536}};
    for (const auto& [edition, lastNames, firstNames] : editions) {
        SCOPED_TRACE(test::editionName(edition));
        LoadedNames names(edition);
        names.put(firstNames + 11 * 3, padded("Petra", 11));
        names.put(lastNames + 12 * 7, padded("Abernathy-Qx", 12));
        names.game.prompts.answer("Ann").answer("Underwoods12").answer("Underwoods1");
        const ByteImage before = names.game.exe();
        names.editor.firstNameDoubleClicked(3);
        names.editor.lastNameDoubleClicked(7);

        Changes expected = writing(before, firstNames + 33, padded("Ann", 11));
        expected.merge(writing(before, lastNames + 84, padded("Underwoods1", 11)));
        EXPECT_EQ(changedBytes(before, names.game.exe()), expected);
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

// Entry 119 of the first names in the Collector's Edition lies at 455077 to 455087. Byte 0x82 is é
// both ways. Cancel, an empty entry or no selected entry change nothing.
TEST(NamesEditor, TheLastFirstNameSlotThroughEditsCancelAndUndo)
{
    LoadedNames names(GameEdition::Collectors);
    names.put(455077, Bytes(11, 0));
    const ByteImage empty = names.game.exe();
    names.game.prompts.answer("Maximiliana");
    names.editor.firstNameDoubleClicked(119);
    EXPECT_EQ(changedBytes(empty, names.game.exe()), writing(empty, 455077, padded("Maximiliana", 11)));
    EXPECT_EQ(names.editor.firstNames().at(119), "Maximiliana");

    const ByteImage full = names.game.exe();
    names.game.prompts.answer("J\xC3\xA9");
    names.editor.firstNameDoubleClicked(119);
    const ByteImage edited = names.game.exe();
    EXPECT_EQ(changedBytes(full, edited), writing(full, 455077, padded("J\x82", 11)));
    EXPECT_EQ(names.editor.firstNames().at(119), "J\xC3\xA9");

    names.game.prompts.answer(std::nullopt).answer("");
    names.editor.firstNameDoubleClicked(119);
    names.editor.lastNameDoubleClicked(0);
    names.editor.firstNameDoubleClicked(std::nullopt);
    names.editor.lastNameDoubleClicked(120);
    ASSERT_EQ(names.game.prompts.shown().size(), 4u);
    EXPECT_EQ(names.game.prompts.shown()[2].defaultText, "J\xC3\xA9");
    EXPECT_EQ(names.game.exe(), edited);
    EXPECT_EQ(names.game.session.undoCount(), 2u);

    names.game.session.undo();
    EXPECT_EQ(names.game.exe(), full);
    EXPECT_EQ(names.editor.firstNames().at(119), "Maximiliana");
}

} // namespace
} // namespace orvane::names
