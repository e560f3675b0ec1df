#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "items/ItemSession.h"

namespace orvane::test {
namespace {

using items::ItemOption;
using items::ItemValue;
using items::OptionGroup;

void putBytes(ByteImage& image, std::size_t offset, const char* bytes)
{
    std::memcpy(image.data() + offset, bytes, std::strlen(bytes));
}

class ItemListTest : public ItemSession {};

TEST_F(ItemListTest, ListShowsGameTextAndDoubleClickOpensTheItem)
{
    patchObdata([](ByteImage& b) {
        std::fill_n(b.begin(), 20, std::uint8_t{0});
        putBytes(b, 0, "Caf\x82");                 // code page 437: 0x82 is "é"
        putBytes(b, 4266, "ABCDEFGHIJKLMNOPQRST"); // no zero byte in the field
        const std::uint8_t record79[][2] = {{22, 140}, {26, 255}, {27, 3}, {28, 79}, {31, 2},  {32, 60},
                                            {33, 70},  {34, 80},  {35, 25}, {36, 30}, {37, 55}, {38, 12},
                                            {41, 100}, {43, 9},   {44, 3},  {49, 1}};
        for (const auto& [offset, value] : record79) b[4266u + offset] = value;
        b[54u * 3 + 31] = 6; // no damage type stands for 6
        b[54u * 3 + 44] = 9;
        b[54u * 3 + 49] = 4;
    });
    load();
    ASSERT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(editor.listEntries().front(), "Café");
    EXPECT_EQ(editor.listEntries().back(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(editor.listEnabled());
    EXPECT_FALSE(editor.itemControlsEnabled()); // a load does not open an item

    const ByteImage before = obdata();
    // Codes no option stands for: nothing shows selected on the first item opened.
    editor.openEntry(3);
    EXPECT_EQ(editor.itemPosition(), 162u);
    EXPECT_TRUE(editor.itemControlsEnabled());
    for (const auto group : items::OptionGroups) EXPECT_FALSE(editor.selectedOption(group));

    editor.clickEntry(0);
    EXPECT_EQ(editor.indexCaption(), "0");
    EXPECT_EQ(editor.itemPosition(), 162u); // a single click does not open

    editor.openEntry(79);
    EXPECT_EQ(editor.itemPosition(), 4266u);
    EXPECT_EQ(editor.nameCaption(), "ABCDEFGHIJKLMNOPQRST");
    const std::pair<ItemValue, const char*> captions[] = {
        {ItemValue::Damage, "140"},      {ItemValue::AmmoType1, "255"},   {ItemValue::AmmoType2, "3"},
        {ItemValue::AmmoType3, "79"},    {ItemValue::AutoAccuracy, "60"}, {ItemValue::SnapAccuracy, "70"},
        {ItemValue::AimedAccuracy, "80"}, {ItemValue::AutoTu, "25"},      {ItemValue::SnapTu, "30"},
        {ItemValue::AimedTu, "55"},      {ItemValue::Amount, "12"},       {ItemValue::MeleeTu, "100"},
        {ItemValue::Weight, "9"}};
    for (const auto& [value, caption] : captions) EXPECT_EQ(editor.valueCaption(value), caption);
    EXPECT_EQ(editor.selectedOption(OptionGroup::DamageType), ItemOption::HE);
    EXPECT_EQ(editor.selectedOption(OptionGroup::GrenadeKind), ItemOption::SmokeGrenade);
    EXPECT_EQ(editor.selectedOption(OptionGroup::ClipFlag), ItemOption::Clip);

    // Opening item 3 again keeps the previous selections where its codes match no option.
    editor.openEntry(3);
    EXPECT_EQ(editor.selectedOption(OptionGroup::DamageType), ItemOption::HE);
    EXPECT_EQ(editor.selectedOption(OptionGroup::ClipFlag), ItemOption::Clip);

    // Showing items is display only.
    EXPECT_EQ(obdata(), before);
    EXPECT_EQ(session.undoCount(), 0u);
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(ItemListTest, RenameRewritesTheWholeFieldAndUndoBringsTheOldNameBack)
{
    patchObdata([](ByteImage& b) {
        std::fill_n(b.begin() + 54 * 7, 20, std::uint8_t{0});
        putBytes(b, 54 * 7, "Long Old Item Name");
    });
    load();
    editor.openEntry(7);
    const std::size_t r = 54 * 7;
    const ByteImage loaded = obdata();
    const std::string oldName = editor.nameCaption();
    ASSERT_EQ(oldName, "Long Old Item Name");

    // 21 characters bring the same box back with the old name, then "AB" is written.
    prompts.answer("ABCDEFGHIJKLMNOPQRSTU").answer("AB");
    editor.changeName();
    ASSERT_EQ(prompts.shown().size(), 2u);
    for (const auto& box : prompts.shown()) {
        EXPECT_EQ(box.title, "New Name");
        EXPECT_EQ(box.text, "What would you like the new name to be?\n(remember it cannot exceed 20 characters)");
        EXPECT_EQ(box.defaultText, oldName);
    }
    std::map<std::size_t, std::uint8_t> expected{{r, 'A'}, {r + 1, 'B'}};
    for (std::size_t i = 2; i < oldName.size(); ++i) expected[r + i] = 0;
    EXPECT_EQ(changedBytes(loaded, obdata()), expected);
    EXPECT_EQ(editor.nameCaption(), "AB");
    EXPECT_EQ(editor.listEntries().at(7), "AB");
    EXPECT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(session.undoCount(), 1u);

    // Cancel and an empty answer change nothing.
    prompts.answer(std::nullopt).answer("");
    editor.changeName();
    editor.changeName();
    EXPECT_EQ(session.undoCount(), 1u);

    // Exactly 20 characters, one of them outside the single-byte code page (stored as 0)
    // and one that is "é" (stored as 0x82).
    const ByteImage afterAb = obdata();
    prompts.answer("Caf\xC3\xA9-Rifle \xE2\x82\xAC 3456789");
    editor.changeName();
    const std::uint8_t written[20] = {'C', 'a', 'f', 0x82, '-', 'R', 'i', 'f', 'l', 'e',
                                      ' ', 0,   ' ', '3',  '4', '5', '6', '7', '8', '9'};
    EXPECT_TRUE(std::equal(written, written + 20, obdata().begin() + r));
    EXPECT_EQ(editor.listEntries().at(7), "Café-Rifle ");
    EXPECT_EQ(changedBytes(afterAb, obdata()).size(), 19u); // the name field but its byte 11, 0 before and after

    session.undo();
    session.undo();
    EXPECT_EQ(obdata(), loaded);
    EXPECT_EQ(editor.nameCaption(), oldName);
    EXPECT_EQ(editor.listEntries().at(7), oldName);
    EXPECT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(editor.itemPosition(), r);
}

TEST_F(ItemListTest, DisableAllEmptiesTheControlsButKeepsEntriesAndPosition)
{
    load();
    editor.openEntry(5);
    editor.clickEntry(9);
    const ByteImage before = obdata();
    editor.disableAll();
    EXPECT_FALSE(editor.listEnabled());
    EXPECT_FALSE(editor.itemControlsEnabled());
    EXPECT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(editor.indexCaption(), "");
    EXPECT_EQ(editor.nameCaption(), "");
    for (const auto& field : items::ValueFields) EXPECT_EQ(editor.valueCaption(field.value), "");
    for (const auto group : items::OptionGroups) EXPECT_FALSE(editor.selectedOption(group));
    EXPECT_EQ(editor.itemPosition(), 270u);

    // Disabled controls edit nothing and ask nothing (an unexpected box would fail the test).
    editor.editValue(ItemValue::Damage);
    editor.changeName();
    editor.chooseOption(ItemOption::Clip);
    editor.openEntry(1);
    EXPECT_EQ(obdata(), before);
    EXPECT_EQ(editor.itemPosition(), 270u);
    EXPECT_EQ(session.undoCount(), 0u);
}

TEST_F(ItemListTest, TheOpenedItemStaysTheTargetAcrossALoad)
{
    load();
    editor.openEntry(5);
    load();
    EXPECT_EQ(editor.itemPosition(), 270u);
    const ByteImage before = obdata();
    prompts.answer("42");
    editor.editValue(ItemValue::Weight);
    EXPECT_EQ(changedBytes(before, obdata()), (std::map<std::size_t, std::uint8_t>{{270 + 43, 42}}));
}

} // namespace
} // namespace orvane::test
