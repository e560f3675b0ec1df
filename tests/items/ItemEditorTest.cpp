// The Item Editor on a freshly loaded sample game: the list, the opened item, renames and field edits.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "items/ItemEditor.h"
#include "support/ImageDiff.h"
#include "support/SampleSession.h"

namespace orvane::test {
namespace {

using items::ItemOption;
using items::ItemValue;
using items::OptionGroup;
using Diff = std::map<std::size_t, std::uint8_t>;

// Item 7 is open.
class ItemEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.load();
        editor.enableAll(); // the window's EnableAll during the load
        editor.openEntry(7);
    }
    ByteImage& obdata() { return game.session.image(FileId::Obdata); }

    // Exactly the name field of item 7 changed since `before`: `bytes`, then zeros.
    void expectNameField(const ByteImage& before, const std::string& bytes)
    {
        ByteImage expected = before;
        for (std::size_t i = 0; i < 20; ++i) {
            expected[R + i] = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : 0;
        }
        EXPECT_EQ(obdata(), expected);
    }

    static constexpr std::size_t R = 54 * 7;
    SampleSession game{GameEdition::Dos14};
    items::ItemEditor editor{game.session};
    ScriptedPrompts& prompts = game.prompts;
    EditorSession& session = game.session;
};

const std::string Plain255 = "Enter the amount you would like to have.\n(Remember, the number cannot exceed 255).";
const std::string Plain100 = "Enter the amount you would like to have.\n(Remember, the number cannot exceed 100).";
const std::string Ammunition =
    "Enter the amount you would like to have.\n(Remember, the number cannot exceed 79).\n"
    "This corresponds with the index number displayed below the list. An index of 255 means no ammo.\n"
    "I suggest only changing this for a weapon and only using actual ammo indexes.";

TEST_F(ItemEditorTest, EveryValueButtonWritesItsOwnByteOnly)
{
    struct Row {
        ItemValue value;
        std::size_t offset;
        int limit;
        const std::string& prompt;
    };
    const Row rows[] = {
        {ItemValue::Damage, 22, 255, Plain255},       {ItemValue::AmmoType1, 26, 79, Ammunition},
        {ItemValue::AmmoType2, 27, 79, Ammunition},   {ItemValue::AmmoType3, 28, 79, Ammunition},
        {ItemValue::AutoAccuracy, 32, 255, Plain255}, {ItemValue::SnapAccuracy, 33, 255, Plain255},
        {ItemValue::AimedAccuracy, 34, 255, Plain255}, {ItemValue::AutoTu, 35, 100, Plain100},
        {ItemValue::SnapTu, 36, 100, Plain100},       {ItemValue::AimedTu, 37, 100, Plain100},
        {ItemValue::Amount, 38, 100, Plain100},       {ItemValue::MeleeTu, 41, 100, Plain100},
        {ItemValue::Weight, 43, 100, Plain100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.offset);
        obdata()[R + row.offset] = 7;
        const ByteImage before = obdata();
        prompts.clearShown();
        // One above the limit brings the same box back; the limit itself is taken.
        prompts.answer(std::to_string(row.limit + 1)).answer(std::to_string(row.limit));
        editor.editValue(row.value);

        ASSERT_EQ(prompts.shown().size(), 2u);
        for (const auto& box : prompts.shown()) {
            EXPECT_EQ(box.title, "Change Amount");
            EXPECT_EQ(box.text, row.prompt);
            EXPECT_EQ(box.defaultText, "7");
        }
        EXPECT_EQ(changedBytes(before, obdata()), (Diff{{R + row.offset, static_cast<std::uint8_t>(row.limit)}}));
        EXPECT_EQ(editor.valueCaption(row.value), std::to_string(row.limit));

        session.undo();
        EXPECT_EQ(obdata(), before);
        EXPECT_EQ(editor.valueCaption(row.value), "7");
    }
}

TEST_F(ItemEditorTest, LimitsHoldAgainstTheWholeNumberAndOnlyAcceptedEntriesPushASnapshot)
{
    struct Case {
        ItemValue value;
        std::vector<std::optional<std::string>> answers;
        std::optional<std::uint8_t> stored; // nothing: no write and no snapshot
    };
    const Case cases[] = {
        {ItemValue::AmmoType1, {"79.5", "79.4"}, 79},
        {ItemValue::Weight, {"99.5"}, 100},
        {ItemValue::Weight, {"98.5"}, 98},
        {ItemValue::Damage, {"256", std::nullopt}, std::nullopt},
        {ItemValue::Damage, {"abc"}, 0},
        {ItemValue::Damage, {"-3", ""}, std::nullopt},
        {ItemValue::Amount, {std::nullopt}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.front().value_or("Cancel"));
        const std::size_t offset = R + items::fieldOf(c.value).offset;
        obdata()[offset] = 3;
        const ByteImage before = obdata();
        const std::size_t snapshots = session.undoCount();
        prompts.clearShown();
        for (const auto& answer : c.answers) prompts.answer(answer);
        editor.editValue(c.value);

        EXPECT_TRUE(prompts.scriptUsed());
        ASSERT_EQ(prompts.shown().size(), c.answers.size());
        const Diff expected = c.stored ? Diff{{offset, *c.stored}} : Diff{};
        EXPECT_EQ(changedBytes(before, obdata()), expected);
        EXPECT_EQ(session.undoCount(), snapshots + (c.stored ? 1u : 0u));
    }
}

TEST_F(ItemEditorTest, OptionsSnapshotOnlyWhenTheByteChangesAndWriteEveryTime)
{
    for (const auto& code : items::OptionCodes) {
        const std::size_t offset = R + items::offsetOf(code.group);
        SCOPED_TRACE(offset);
        obdata()[offset] = code.code;
        ByteImage before = obdata();
        editor.chooseOption(code.option);
        EXPECT_EQ(session.undoCount(), 0u);
        EXPECT_EQ(obdata(), before);

        obdata()[offset] = 7; // a code no option stands for
        before = obdata();
        editor.chooseOption(code.option);
        EXPECT_EQ(session.undoCount(), 1u);
        EXPECT_EQ(changedBytes(before, obdata()), (Diff{{offset, code.code}}));
        EXPECT_EQ(editor.selectedOption(code.group), code.option);
        session.undo();
    }
}

TEST_F(ItemEditorTest, EditsGoToTheOpenedItemNotTheClickedOne)
{
    editor.clickEntry(9);
    EXPECT_EQ(editor.indexCaption(), "9");
    ByteImage before = obdata();
    prompts.answer("17");
    editor.editValue(ItemValue::Damage);
    EXPECT_EQ(changedBytes(before, obdata()), (Diff{{R + 22, 17}}));

    editor.openEntry(79);
    obdata()[4303] = 0;
    before = obdata();
    prompts.answer("64");
    editor.editValue(ItemValue::AimedTu);
    EXPECT_EQ(changedBytes(before, obdata()), (Diff{{4303, 64}}));
}

TEST_F(ItemEditorTest, OpeningSelectsTheRecordsOptionsAndWritesNothing)
{
    obdata()[R + 31] = 2;
    obdata()[R + 44] = 3;
    obdata()[R + 49] = 1;
    for (const std::size_t offset : {31u, 44u, 49u}) obdata()[54 * 3 + offset] = 9; // a code no option stands for
    const ByteImage before = obdata();
    editor.openEntry(7);
    editor.openEntry(3); // item 7's selections stay
    EXPECT_EQ(editor.selectedOption(OptionGroup::DamageType), ItemOption::HE);
    EXPECT_EQ(editor.selectedOption(OptionGroup::GrenadeKind), ItemOption::SmokeGrenade);
    EXPECT_EQ(editor.selectedOption(OptionGroup::ClipFlag), ItemOption::Clip);
    EXPECT_EQ(obdata(), before);
    EXPECT_EQ(session.undoCount(), 0u);
}

TEST_F(ItemEditorTest, RenameRewritesTheWholeNameFieldAndUndoBringsTheOldNameBack)
{
    const ByteImage loaded = obdata();
    const std::string oldName = editor.nameCaption();
    ASSERT_EQ(editor.listEntries().at(7), oldName);

    // 21 characters bring the same box back with the old name; 20 fill the field with no zero byte.
    prompts.answer("ABCDEFGHIJKLMNOPQRSTU").answer("ABCDEFGHIJKLMNOPQRST");
    editor.changeName();
    ASSERT_EQ(prompts.shown().size(), 2u);
    for (const auto& box : prompts.shown()) {
        EXPECT_EQ(box.title, "New Name");
        EXPECT_EQ(box.text, "What would you like the new name to be?\n(remember it cannot exceed 20 characters)");
        EXPECT_EQ(box.defaultText, oldName);
    }
    expectNameField(loaded, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(editor.listEntries().at(7), "ABCDEFGHIJKLMNOPQRST");

    ByteImage before = obdata();
    prompts.answer("AB");
    editor.changeName();
    expectNameField(before, "AB");
    EXPECT_EQ(editor.listEntries().at(7), "AB");

    before = obdata();
    prompts.answer(std::nullopt).answer("");
    editor.changeName();
    editor.changeName();
    EXPECT_EQ(obdata(), before);
    EXPECT_EQ(session.undoCount(), 2u);

    // Code page 437: "é" is stored as 0x82 and 0x82 reads back as "é".
    prompts.answer("Caf\xC3\xA9");
    editor.changeName();
    expectNameField(before, "Caf\x82");
    EXPECT_EQ(editor.listEntries().at(7), "Caf\xC3\xA9");
    EXPECT_EQ(editor.nameCaption(), "Caf\xC3\xA9");

    for (int i = 0; i < 3; ++i) session.undo();
    EXPECT_EQ(obdata(), loaded);
    EXPECT_EQ(editor.nameCaption(), oldName);
    EXPECT_EQ(editor.listEntries().at(7), oldName);
    EXPECT_EQ(editor.listEntries().size(), 80u);
}

TEST_F(ItemEditorTest, DisableAllEmptiesThePageAndStopsEveryEdit)
{
    const ByteImage before = obdata();
    editor.disableAll();
    EXPECT_FALSE(editor.listEnabled());
    EXPECT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(editor.valueCaption(ItemValue::Weight), "");
    EXPECT_FALSE(editor.selectedOption(OptionGroup::DamageType));
    // No box may come (an unexpected one fails the test) and nothing is written.
    editor.editValue(ItemValue::Damage);
    editor.changeName();
    editor.chooseOption(ItemOption::Clip);
    EXPECT_EQ(obdata(), before);
    EXPECT_EQ(session.undoCount(), 0u);
}

} // namespace
} // namespace orvane::test
