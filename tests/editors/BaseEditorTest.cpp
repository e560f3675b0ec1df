#include <filesystem>
#include <set>

#include "editors/BaseEditor.h"
#include "support/PageTest.h"

namespace orvane::base {
namespace {

using namespace test;

constexpr std::uint8_t Laboratory = 0x02;
constexpr std::uint8_t HangarTopLeft = 0x10;
constexpr std::uint8_t GravShield = 0x0C; // not in the sample grid

// Where each edition keeps its StartingBase block.
const std::vector<std::pair<GameEdition, std::size_t>> BlockStarts = {
    {GameEdition::Collectors, 455134}, {GameEdition::Dos12, 391894}, {GameEdition::Dos14, 373886}};

struct LoadedBase : LoadedPage<BaseEditor> {
    explicit LoadedBase(GameEdition edition) : LoadedPage(edition) { editor.enableAll(); }

    const std::string& caption(std::size_t square) const { return editor.view().squareCaptions.at(square); }
    const std::string& entry(std::size_t position) const { return editor.view().storesList.at(position); }

    // Sets one square's bytes and shows them, as a game file holding them would.
    void putSquare(std::size_t start, std::size_t square, std::uint8_t code, std::uint8_t days)
    {
        game.exe().at(start + square) = code;
        game.exe().at(start + 36 + square) = days;
        editor.refreshBase();
    }

    // Clicks the square, runs `picks` on the frame, applies; returns the bytes that changed.
    template <typename Picks>
    Changes change(std::size_t square, Picks picks)
    {
        return game.answerEdit({}, [this, square, &picks] {
            editor.clickSquare(square);
            picks(editor);
            editor.apply();
        });
    }

    // The facility picked, then the days.
    Changes change(std::size_t square, std::uint8_t facility, std::uint8_t days)
    {
        return change(square, [=](BaseEditor& e) {
            e.pickFacility(facility);
            e.pickDays(days);
        });
    }

    // Answers the boxes of one double click on the stores list; returns the bytes it changed.
    Changes openEntry(std::optional<std::size_t> position, const Answers& answers)
    {
        return game.answerEdit(answers, [this, position] { editor.openStoresEntry(position); });
    }
};

// A click shows the square and writes nothing; only picks change what Apply writes. Command8 is square 7.
TEST(BaseEditor, theChangeFrameShowsTheSquareAndWritesOnlyWhatWasPicked)
{
    LoadedBase base(GameEdition::Collectors);
    const struct {
        std::uint8_t code, days;
        const char *caption, *oneLine, *daysText;
    } squares[] = {
        {0x04, 0, "Small\nRadar System\n0 Days", "Small Radar System", "0 Days"},
        {0x13, 12, "Hangar\n(Bottom Right)\n12 Days", "Hangar (Bottom Right)", "12 Days"},
        {0x0F, 1, "Hyper-wave Decoder\n1 Day", "Hyper-wave Decoder", "1 Day"},
        {0xFF, 255, "Empty\n255 Days", "Empty", "255 Days"},
        {0x20, 1, "\n1 Day", "", "1 Day"},
    };
    for (const auto& s : squares) {
        SCOPED_TRACE(s.caption);
        base.putSquare(455134, 20, s.code, s.days);
        EXPECT_EQ(base.caption(20), s.caption);
        base.editor.clickSquare(20);
        const BaseView& view = base.editor.view();
        EXPECT_TRUE(view.frameVisible);
        EXPECT_EQ(view.frameCaption, s.oneLine);
        EXPECT_EQ(view.facilityText, s.oneLine);
        EXPECT_EQ(view.daysText, s.daysText);
        EXPECT_EQ(base.editor.pendingFacility(), s.code);
        EXPECT_EQ(base.editor.pendingDays(), s.days);
    }
    EXPECT_EQ(base.game.session.undoCount(), 0u);

    const std::size_t square = squareOfButton(8);
    constexpr std::size_t facilityByte = 455141;
    constexpr std::size_t daysByte = 455177;
    const auto undos = [&base] { return base.game.session.undoCount(); };

    base.putSquare(455134, square, 0x07, 60);
    EXPECT_EQ(base.change(square, [](BaseEditor& e) { e.pickFacility(Laboratory); }),
              (Changes{{facilityByte, Laboratory}}));
    EXPECT_FALSE(base.editor.view().frameVisible);
    EXPECT_EQ(base.editor.view().facilityText, "Access Lift");
    EXPECT_EQ(base.editor.view().daysText, "0 Days");

    EXPECT_EQ(base.change(square,
                          [](BaseEditor& e) {
                              e.pickDays(12);
                              e.pickFacility(EmptyFacility);
                          }),
              (Changes{{facilityByte, 0xFF}, {daysByte, 255}}));
    EXPECT_EQ(base.change(square, HangarTopLeft, 255), (Changes{{facilityByte, HangarTopLeft}}));

    // Untouched boxes rewrite the square as it stands, an unknown code included, and still push.
    base.putSquare(455134, square, 0x20, 3);
    EXPECT_EQ(base.change(square, [](BaseEditor&) {}), Changes{});
    EXPECT_EQ(undos(), 4u);

    // Setting the boxes' texts is not a pick: a click on another square retargets the frame and drops
    // what was picked for the first.
    EXPECT_EQ(base.change(square,
                          [](BaseEditor& e) {
                              e.pickFacility(Laboratory);
                              e.clickSquare(35);
                          }),
              Changes{});
    EXPECT_EQ(base.editor.selectedSquare()->facility, 455134u + 35);

    // Cancel hides the frame and leaves the boxes as they were; nothing is written.
    const ByteImage before = base.game.exe();
    base.editor.clickSquare(square);
    base.editor.pickFacility(Laboratory);
    base.editor.cancel();
    EXPECT_FALSE(base.editor.view().frameVisible);
    EXPECT_EQ(base.editor.view().facilityText, "Laboratory");
    EXPECT_EQ(base.editor.view().daysText, "3 Days");
    EXPECT_EQ(base.game.exe(), before);
    EXPECT_EQ(undos(), 5u);

    // Undo puts the square back and redraws the grid, but leaves the frame and its pending values.
    base.change(square, [](BaseEditor& e) { e.pickFacility(Laboratory); });
    base.editor.clickSquare(0);
    base.editor.pickDays(7);
    base.game.session.undo();
    EXPECT_EQ(base.caption(square), "\n3 Days");
    EXPECT_TRUE(base.editor.view().frameVisible);
    EXPECT_EQ(base.editor.pendingDays(), 7);
    EXPECT_EQ(base.editor.selectedSquare()->days, 455134u + 36);
}

// Each of the 36 squares changes its own two bytes, and its caption follows. Personnel: one byte under 250;
// stores: two bytes under 28,671 at their own slot. One Undo each.
TEST(BaseEditor, squaresAndStoresEntriesWriteTheirOwnBytesUnderTheirLimitInEveryEdition)
{
    const std::string personnelPrompt = amountLimitPrompt("250", "this cannot");
    for (const auto& [edition, start] : BlockStarts) {
        SCOPED_TRACE(editionName(edition));
        LoadedBase base(edition);
        EXPECT_EQ(base.caption(8), "Access Lift\n0 Days");
        for (std::size_t k = 0; k < 36; ++k) {
            SCOPED_TRACE(k);
            const auto days = static_cast<std::uint8_t>(k + 1);
            EXPECT_EQ(base.change(k, GravShield, days), (Changes{{start + k, GravShield}, {start + 36 + k, days}}));
            EXPECT_EQ(base.caption(k), "Grav Shield\n" + std::to_string(days) + (days == 1 ? " Day" : " Days"));
        }
        base.game.load(); // a history of its own for the stores
        const std::size_t fusionBall = start + 74 + 2 * 3;
        base.game.exe().at(start + 72) = 9;
        base.game.exe().at(start + 73) = 9;
        writeU16(base.game.exe(), fusionBall, 0x1234);
        const struct {
            std::optional<std::size_t> position;
            Answers answers;
            Changes changes;
            const char* entry; // the entry at the position, or at 5 with none
            bool rebuilt;
        } cases[] = {
            {0, {"251", "250.5", "250"}, {{start + 72, 250}}, "Engineers - 250", true},
            {1, {"12.5"}, {{start + 73, 12}}, "Scientists - 12", true},
            {1, {"-3", Cancel}, {}, "Scientists - 9", false},
            {5, {"28672", "1,000"}, {{fusionBall, 0xE8}, {fusionBall + 1, 0x03}}, "Fusion Ball Launchers - 1000", true},
            {5, {Cancel}, {}, "Fusion Ball Launchers - 4660", true},
            {std::nullopt, {}, {}, "Fusion Ball Launchers - 4660", true},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.answers.empty() ? "none selected" : c.answers.front().value_or("Cancel"));
            base.editor.refreshItemsList();
            const std::size_t revision = base.editor.view().listRevision;
            EXPECT_EQ(base.openEntry(c.position, c.answers), c.changes);
            EXPECT_EQ(base.game.prompts.shown().size(), c.answers.size());
            const std::string& prompt = c.position == 5 ? WordPrompt : personnelPrompt;
            if (c.position) expectBoxes(base.game.prompts, "Change Amount", prompt, c.position == 5 ? "4660" : "9");
            EXPECT_EQ(base.editor.view().listRevision != revision, c.rebuilt);
            EXPECT_EQ(base.entry(c.position.value_or(5)), c.entry);
            EXPECT_EQ(base.game.session.undoCount(), c.changes.empty() ? 0u : 1u);
            if (!c.changes.empty()) base.game.session.undo();
        }
    }
}

// The 82 listed slots show their own amounts; slots 43-48, 62-64, 76-79 and 82 are never shown or written.
TEST(BaseEditor, hiddenStoreSlotsAreNeverShownOrWritten)
{
    LoadedBase base(GameEdition::Dos12);
    constexpr std::size_t stores = 391894 + 74;
    const auto amountOf = [](std::size_t slot) { return static_cast<std::uint16_t>(20000 + slot); };
    for (std::size_t slot = 0; slot < 96; ++slot) writeU16(base.game.exe(), stores + 2 * slot, amountOf(slot));
    base.editor.refreshItemsList();
    ASSERT_EQ(base.editor.view().storesList.size(), 84u);

    const struct {
        std::size_t position, slot;
        const char* label;
    } labelled[] = {{2, 0, "Stingray Launchers - "},  {44, 42, "Electro Flares - "},  {45, 49, "Heavy Plasma - "},
                    {57, 61, "Mind Probes - "},       {58, 65, "Sectoid Corpses - "}, {68, 75, "Cyberdisc Corpses - "},
                    {69, 80, "QEV Power Sources - "}, {71, 83, "Alien Food - "},      {83, 95, "HWP Fusion Bombs - "}};
    for (const auto& l : labelled) EXPECT_EQ(base.entry(l.position), l.label + std::to_string(amountOf(l.slot)));

    // Each entry shows the amount of the slot its edit writes, and 82 distinct slots are written.
    std::set<std::size_t> writtenSlots;
    for (std::size_t position = 2; position < 84; ++position) {
        const std::string shown = base.entry(position);
        const Changes changes = base.openEntry(position, {"7"});
        ASSERT_FALSE(changes.empty()) << position;
        const std::size_t slot = (changes.begin()->first - stores) / 2;
        EXPECT_EQ(changes, (Changes{{stores + 2 * slot, 7}, {stores + 2 * slot + 1, 0}})) << position;
        EXPECT_TRUE(shown.ends_with(" - " + std::to_string(amountOf(slot)))) << shown;
        writtenSlots.insert(slot);
    }
    EXPECT_EQ(writtenSlots.size(), 82u);
    for (const std::size_t slot : {43u, 44u, 45u, 46u, 47u, 48u, 62u, 63u, 64u, 76u, 77u, 78u, 79u, 82u}) {
        EXPECT_FALSE(writtenSlots.contains(slot)) << slot;
        EXPECT_EQ(readU16(base.game.exe(), stores + 2 * slot), amountOf(slot)) << slot;
    }
}

// The grid and the list are filled as soon as the executable is accepted, before the data files.
TEST(BaseEditor, aLoadThatStopsAtADataFileHasFilledThePage)
{
    SampleSession game(GameEdition::Dos14);
    BaseEditor editor(game.session);
    std::filesystem::remove(game.dir.path() / "GEODATA" / "OBDATA.DAT");
    EXPECT_EQ(game.tryLoad(), LoadResult::Failed);
    EXPECT_EQ(editor.view().squareCaptions.at(26), "Small\nRadar System\n12 Days");
    ASSERT_EQ(editor.view().storesList.size(), 84u);
    EXPECT_EQ(editor.view().storesList.back(), "HWP Fusion Bombs - 0");
}

} // namespace
} // namespace orvane::base
