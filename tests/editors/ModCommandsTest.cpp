// The File menu's mod commands: export of the changes, apply as one Undo per file, a refused file told.
#include "editors/ModCommands.h"
#include "editors/NamesEditor.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"
#include "support/PageTest.h"
#include "support/TypedGame.h"

namespace orvane {
namespace {

using test::SampleSession;

struct NamedGame {
    NamedGame() { game.load(); }
    SampleSession game{GameEdition::Dos14};
    names::NamesEditor names{game.session};
};

TEST(ModCommands, exportWritesTheChangesAndApplyPutsThemInAsOneUndoPerFile)
{
    test::TypedGame edited(GameEdition::Dos14, test::ValueSet::First, std::nullopt);
    EditorSession& session = edited.game.session;
    ++session.image(FileId::Exe).at(10); // a byte no page shows

    // A name typed without an extension gets the mod's; one with an extension is written as typed.
    const std::string path = (edited.game.dir.path() / "changes.toml").string();
    edited.game.prompts.answerFile(path.substr(0, path.size() - 5));
    exportChangesAsMod(session);
    EXPECT_EQ(edited.game.prompts.lastFilter.pattern, "*.toml");
    const ByteImage written = test::readFileBytes(path);
    EXPECT_EQ(std::string(written.begin(), written.end()), mods::writeMod(mods::exportChanges(session.files()).mod));
    test::expectOneMessage(edited.game.prompts, "Mod written",
                           "Executable, Offset 10 (0xA): 1 byte that no page shows");
    edited.game.prompts.answerFile(path + ".v2");
    exportChangesAsMod(session);
    EXPECT_EQ(test::readFileBytes(path + ".v2"), written);

    // The executable, ENGLISH2.DAT and OBDATA.DAT change: one Undo each.
    NamedGame target;
    const auto loaded = test::imagesOf(target.game.session.files());
    target.game.prompts.answerFile(path);
    applyModFile(target.game.session);
    // The same summary as orvane's, in a message box.
    test::expectOneMessage(target.game.prompts, "Mod applied",
                           "changes.toml: 11 values changed in 3 files. Save writes them to the game's files; Undo "
                           "takes them back.");
    EXPECT_EQ(target.game.prompts.messages().at(0).kind, "message");
    EXPECT_EQ(target.names.firstNames().at(3), "Ann");
    auto expected = test::imagesOf(session.files());
    expected[0].at(10) = loaded[0].at(10);
    EXPECT_EQ(test::imagesOf(target.game.session.files()), expected);
    EXPECT_EQ(target.game.session.undoCount(), 3u);
    EXPECT_TRUE(target.game.session.saveAvailable());
    for (int undo = 0; undo < 3; ++undo) target.game.session.undo();
    EXPECT_EQ(test::imagesOf(target.game.session.files()), loaded);
    EXPECT_NE(target.names.firstNames().at(3), "Ann");
}

// A refusal lists every fault up to ten, then how many more.
TEST(ModCommands, aFileThatCannotBeAppliedIsToldAndChangesNothing)
{
    SampleSession game(GameEdition::Collectors);
    game.load();
    const GameFileSet loaded = game.session.files();
    const std::string path = (game.dir.path() / "many.toml").string();
    std::string many = "[mod]\nformat = 1\n";
    for (int unit = 0; unit < 12; ++unit) many += "[[unit]]\nnumber = " + std::to_string(unit) + "\nhealth = 300\n";
    test::writeFileBytes(path, ByteImage(many.begin(), many.end()));
    for (const std::string& chosen : {path, path + ".missing"}) {
        game.prompts.clearShown();
        game.prompts.answerFile(chosen);
        applyModFile(game.session);
        test::expectOneMessage(game.prompts, "Mod not applied",
                               chosen == path ? "cannot be applied:\nline 5, unit 0 (Floater Soldier), health: 300 is "
                                                "above the limit of 255\nline 8, unit 1 (Floater Navigator), health"
                                              : "Unable to read " + chosen);
        const std::string text = game.prompts.messages().at(0).text;
        EXPECT_TRUE(chosen != path || (std::count(text.begin(), text.end(), '\n') == 12 &&
                                       text.find("\nand 2 more\nNothing was changed.") != std::string::npos))
            << text;
        EXPECT_EQ(game.prompts.messages().at(0).kind, "warning");
        EXPECT_EQ(test::imagesOf(game.session.files()), test::imagesOf(loaded));
        EXPECT_EQ(game.session.undoCount(), 0u);
        EXPECT_FALSE(game.session.saveAvailable());
    }
}

} // namespace
} // namespace orvane
