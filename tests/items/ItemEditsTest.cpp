#include <gtest/gtest.h>

#include <vector>

#include "items/ItemSession.h"

namespace orvane::test {
namespace {

using items::ItemOption;
using items::ItemValue;
using Diff = std::map<std::size_t, std::uint8_t>;

const std::string Plain255 = "Enter the amount you would like to have.\n(Remember, the number cannot exceed 255).";
const std::string Plain100 = "Enter the amount you would like to have.\n(Remember, the number cannot exceed 100).";
const std::string Ammunition =
    "Enter the amount you would like to have.\n(Remember, the number cannot exceed 79).\n"
    "This corresponds with the index number displayed below the list. An index of 255 means no ammo.\n"
    "I suggest only changing this for a weapon and only using actual ammo indexes.";

class ItemEditsTest : public ItemSession {
protected:
    void SetUp() override
    {
        load();
        editor.openEntry(5);
    }
    static constexpr std::size_t R = 54 * 5;
};

TEST_F(ItemEditsTest, EveryValueButtonWritesItsOwnByteOnly)
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
        const auto limit = static_cast<std::uint8_t>(row.limit);
        EXPECT_EQ(changedBytes(before, obdata()), (Diff{{R + row.offset, limit}}));
        EXPECT_EQ(editor.valueCaption(row.value), std::to_string(row.limit));
        EXPECT_EQ(session.undoCount(), 1u);

        session.undo();
        EXPECT_EQ(obdata(), before);
        EXPECT_EQ(editor.valueCaption(row.value), "7");
    }
}

TEST_F(ItemEditsTest, LimitsAreCheckedBeforeRoundingAndRefusedEntriesBringTheBoxBack)
{
    struct Case {
        ItemValue value;
        std::vector<std::optional<std::string>> answers;
        std::optional<std::uint8_t> stored; // nothing: no write and no snapshot
    };
    const Case cases[] = {
        {ItemValue::AmmoType1, {"79.5", "79.4"}, 79},
        {ItemValue::AmmoType2, {"80", "255", "78.5"}, 78},
        {ItemValue::AmmoType3, {"79"}, 79},
        {ItemValue::AmmoType1, {"80", std::nullopt}, std::nullopt},
        {ItemValue::Weight, {"99.5"}, 100},
        {ItemValue::Weight, {"98.5"}, 98},
        {ItemValue::Weight, {"101", "100"}, 100},
        {ItemValue::Damage, {"256", "255"}, 255},
        {ItemValue::Damage, {"abc"}, 0},
        {ItemValue::Damage, {"&H1F"}, 31},
        {ItemValue::Damage, {"-3", ""}, std::nullopt},
        {ItemValue::MeleeTu, {"-3", "-0.6", "12.5"}, 12},
        {ItemValue::Amount, {""}, std::nullopt},
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
        for (const auto& box : prompts.shown()) EXPECT_EQ(box.defaultText, "3");
        if (c.stored) {
            EXPECT_EQ(changedBytes(before, obdata()), (Diff{{offset, *c.stored}}));
            EXPECT_EQ(session.undoCount(), std::min<std::size_t>(snapshots + 1, 5));
        } else {
            EXPECT_EQ(obdata(), before);
            EXPECT_EQ(session.undoCount(), snapshots);
        }
    }
}

TEST_F(ItemEditsTest, OptionsSnapshotOnlyWhenTheByteChangesAndWriteEveryTime)
{
    for (const auto& code : items::OptionCodes) {
        const std::size_t offset = R + items::offsetOf(code.group);
        SCOPED_TRACE(offset);

        // Already stored: no snapshot, nothing moves.
        obdata()[offset] = code.code;
        ByteImage before = obdata();
        editor.chooseOption(code.option);
        EXPECT_EQ(session.undoCount(), 0u);
        EXPECT_EQ(obdata(), before);
        EXPECT_EQ(editor.selectedOption(code.group), code.option);

        // A different byte (7 stands for no option): one snapshot, then the option's code.
        obdata()[offset] = 7;
        before = obdata();
        editor.chooseOption(code.option);
        EXPECT_EQ(session.undoCount(), 1u);
        EXPECT_EQ(changedBytes(before, obdata()), (Diff{{offset, code.code}}));
        session.undo();
        EXPECT_EQ(obdata(), before);
    }
}

TEST_F(ItemEditsTest, EditsGoToTheOpenedItemNotTheClickedOne)
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

} // namespace
} // namespace orvane::test
