// The Item Editor on a freshly loaded sample game: the list, the opened item, renames and field edits.
#include "editors/ItemEditor.h"
#include "support/PageTest.h"

namespace orvane::test {
namespace {

using items::ItemOption;
using items::ItemValue;
using items::OptionGroup;

// Item 7 is open.
class ItemEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.load();
        editor.enableAll(); // the window's enableAll during the load
        editor.openEntry(7);
    }
    ByteImage& obdata() { return game.session.image(FileId::Obdata); }

    // Answers the boxes of one edit and returns the bytes of OBDATA.DAT it changed.
    Changes edit(const Answers& answers, const std::function<void()>& action)
    {
        return game.answerEdit(answers, action, FileId::Obdata);
    }

    static constexpr std::size_t R = 54 * 7;
    SampleSession game{GameEdition::Dos14};
    items::ItemEditor editor{game.session};
    EditorSession& session = game.session;
};

// The limit holds on the whole number: above brings the box back, limit.4 is the limit; Cancel writes nothing.
TEST_F(ItemEditorTest, everyValueButtonWritesItsOwnByteOnly)
{
    const std::string ammunition = amountLimitPrompt("79") +
                                   "\nThis corresponds with the index number displayed below the list. An index of 255 "
                                   "means no ammo.\nI suggest only changing this for a weapon and only using actual "
                                   "ammo indexes.";
    const struct {
        ItemValue value;
        std::size_t offset;
        int limit;
    } rows[] = {
        {ItemValue::Damage, 22, 255},        {ItemValue::AmmoType1, 26, 79},     {ItemValue::AmmoType2, 27, 79},
        {ItemValue::AmmoType3, 28, 79},      {ItemValue::AutoAccuracy, 32, 255}, {ItemValue::SnapAccuracy, 33, 255},
        {ItemValue::AimedAccuracy, 34, 255}, {ItemValue::AutoTu, 35, 100},       {ItemValue::SnapTu, 36, 100},
        {ItemValue::AimedTu, 37, 100},       {ItemValue::Amount, 38, 100},       {ItemValue::MeleeTu, 41, 100},
        {ItemValue::Weight, 43, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.offset);
        obdata()[R + row.offset] = 7;
        const ByteImage before = obdata();
        const std::string limit = std::to_string(row.limit);
        EXPECT_EQ(edit({std::to_string(row.limit + 1), limit + ".4"}, [&] { editor.editValue(row.value); }),
                  (Changes{{R + row.offset, static_cast<std::uint8_t>(row.limit)}}));
        ASSERT_EQ(game.prompts.shown().size(), 2u);
        expectBoxes(game.prompts, "Change Amount", row.limit == 79 ? ammunition : amountLimitPrompt(limit), "7");
        EXPECT_EQ(editor.valueCaption(row.value), limit);

        session.undo();
        EXPECT_EQ(obdata(), before);
        EXPECT_EQ(editor.valueCaption(row.value), "7");
        EXPECT_EQ(edit({Cancel}, [&] { editor.editValue(row.value); }), Changes{});
        EXPECT_EQ(session.undoCount(), 0u);
    }
}

// Each option writes its code into its group's byte every time, with a snapshot only when the byte changes.
TEST_F(ItemEditorTest, optionsSnapshotOnlyWhenTheByteChangesAndWriteEveryTime)
{
    using enum ItemOption;
    const struct {
        ItemOption option;
        std::size_t offset;
        std::uint8_t code;
    } codes[] = {
        {AP, 31, 0},           {Incendiary, 31, 1},     {HE, 31, 2},         {Laser, 31, 3},   {Plasma, 31, 4},
        {Stun, 31, 5},         {NoDamageType, 31, 255}, {NotGrenade, 44, 0}, {Grenade, 44, 1}, {ProximityMine, 44, 2},
        {SmokeGrenade, 44, 3}, {NotClip, 49, 0},        {Clip, 49, 1}};
    for (const auto& code : codes) {
        const std::size_t offset = R + code.offset;
        SCOPED_TRACE(static_cast<int>(code.option));
        obdata()[offset] = code.code;
        EXPECT_EQ(edit({}, [&] { editor.chooseOption(code.option); }), Changes{});
        EXPECT_EQ(session.undoCount(), 0u);

        obdata()[offset] = 7; // a code no option stands for
        EXPECT_EQ(edit({}, [&] { editor.chooseOption(code.option); }), (Changes{{offset, code.code}}));
        EXPECT_EQ(session.undoCount(), 1u);
        const auto group = code.offset == 31   ? OptionGroup::DamageType
                           : code.offset == 44 ? OptionGroup::GrenadeKind
                                               : OptionGroup::ClipFlag;
        EXPECT_EQ(editor.selectedOption(group), code.option);
        session.undo();
    }
}

// Opening an item selects its options and writes nothing; edits go to the opened item, not one clicked.
TEST_F(ItemEditorTest, openingSelectsTheRecordsOptionsAndEditsGoToTheOpenedItem)
{
    obdata()[R + 31] = 2;
    obdata()[R + 44] = 3;
    obdata()[R + 49] = 1;
    for (const std::size_t offset : {31u, 44u, 49u}) obdata()[54 * 3 + offset] = 9; // a code no option stands for
    EXPECT_EQ(edit({},
                   [&] {
                       editor.openEntry(7);
                       editor.openEntry(3);
                   }),
              Changes{});
    EXPECT_EQ(editor.selectedOption(OptionGroup::DamageType), ItemOption::HE);
    EXPECT_EQ(editor.selectedOption(OptionGroup::GrenadeKind), ItemOption::SmokeGrenade);
    EXPECT_EQ(editor.selectedOption(OptionGroup::ClipFlag), ItemOption::Clip);
    EXPECT_EQ(session.undoCount(), 0u);

    editor.clickEntry(9);
    EXPECT_EQ(editor.indexCaption(), "9");
    EXPECT_EQ(edit({"17"}, [&] { editor.editValue(ItemValue::Damage); }), (Changes{{54 * 3 + 22, 17}}));
    editor.openEntry(79);
    obdata()[4303] = 0;
    EXPECT_EQ(edit({"64"}, [&] { editor.editValue(ItemValue::AimedTu); }), (Changes{{4303, 64}}));
}

TEST_F(ItemEditorTest, renameRewritesTheWholeNameFieldAndUndoBringsTheOldNameBack)
{
    const ByteImage loaded = obdata();
    const std::string oldName = editor.nameCaption();
    ASSERT_EQ(editor.listEntries().at(7), oldName);
    const auto rename = [this](const Answers& answers) { return edit(answers, [this] { editor.changeName(); }); };

    // 21 characters bring the same box back with the old name; 20 fill the field with no zero byte.
    EXPECT_EQ(rename({"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRST"}),
              fieldWrite(loaded, R, "ABCDEFGHIJKLMNOPQRST", 20));
    ASSERT_EQ(game.prompts.shown().size(), 2u);
    expectBoxes(game.prompts, "New Name",
                "What would you like the new name to be?\n(remember it cannot exceed 20 characters)", oldName);
    EXPECT_EQ(editor.listEntries().at(7), "ABCDEFGHIJKLMNOPQRST");

    const ByteImage longName = obdata();
    EXPECT_EQ(rename({"AB"}), fieldWrite(longName, R, "AB", 20));
    EXPECT_EQ(rename({Cancel}), Changes{});
    EXPECT_EQ(session.undoCount(), 2u);

    // Code page 437: "é" is stored as 0x82 and 0x82 reads back as "é".
    const ByteImage shortName = obdata();
    EXPECT_EQ(rename({"Caf\xC3\xA9"}), fieldWrite(shortName, R, "Caf\x82", 20));
    EXPECT_EQ(editor.listEntries().at(7), "Caf\xC3\xA9");

    for (int i = 0; i < 3; ++i) session.undo();
    EXPECT_EQ(obdata(), loaded);
    EXPECT_EQ(editor.nameCaption(), oldName);
    EXPECT_EQ(editor.listEntries().at(7), oldName);

    // disableAll empties the page and stops every edit.
    editor.disableAll();
    EXPECT_FALSE(editor.listEnabled());
    EXPECT_EQ(editor.listEntries().size(), 80u);
    EXPECT_EQ(editor.valueCaption(ItemValue::Weight), "");
    EXPECT_FALSE(editor.selectedOption(OptionGroup::DamageType));
    // No box may come (an unexpected one fails the test) and nothing is written.
    EXPECT_EQ(edit({},
                   [this] {
                       editor.editValue(ItemValue::Damage);
                       editor.changeName();
                       editor.chooseOption(ItemOption::Clip);
                   }),
              Changes{});
    EXPECT_EQ(session.undoCount(), 0u);
}

} // namespace
} // namespace orvane::test
