// The File menu's mod commands: the changes since load written through the save dialog, a mod file
// applied as one undoable change per file with the pages redrawn, and a refused file told.
#include "core/CodePage.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"
#include "names/NamesEditor.h"
#include "names/NameTables.h"
#include "session/ModCommands.h"
#include "support/PageTest.h"
#include "units/UnitTable.h"

namespace orvane {
namespace {

using test::SampleSession;

struct NamedGame {
    NamedGame() { game.load(); }
    SampleSession game{GameEdition::Dos14};
    names::NamesEditor names{game.session};
};

TEST(ModCommands, ExportWritesTheChangesAndApplyPutsThemInAsOneUndoPerFile)
{
    NamedGame edited;
    EditorSession& session = edited.game.session;
    session.pushSnapshot(FileId::Exe);
    writeField(session.image(FileId::Exe), *names::slotOffset(names::FirstNames, GameEdition::Dos14, 0), 11, "Zed");
    session.image(FileId::Exe).at(*units::UnitTableOffsets.in(GameEdition::Dos14) + 2) = 99; // Floater Soldier's health
    session.image(FileId::Exe).at(10) = static_cast<std::uint8_t>(session.image(FileId::Exe).at(10) + 1); // no page's
    session.pushSnapshot(FileId::Obdata);
    session.image(FileId::Obdata).at(22) = 7; // the first item's damage

    const std::string path = (edited.game.dir.path() / "changes.toml").string();
    edited.game.prompts.answerFile(path);
    exportChangesAsMod(session);
    EXPECT_EQ(edited.game.prompts.lastFilter.pattern, "*.toml");
    const ByteImage written = test::readFileBytes(path);
    EXPECT_EQ(std::string(written.begin(), written.end()), mods::writeMod(mods::exportChanges(session.files()).mod));
    test::expectOneMessage(edited.game.prompts, "Mod written", "Executable, Offset 10 (0xA): 1 byte that no page shows");

    NamedGame target;
    const ByteImage exeLoaded = target.game.exe();
    target.game.prompts.answerFile(path);
    applyModFile(target.game.session);
    EXPECT_TRUE(target.game.prompts.messages().empty());
    EXPECT_EQ(target.names.firstNames().at(0), "Zed");
    EXPECT_EQ(test::changedBytes(session.image(FileId::Exe), target.game.exe()),
              (test::Changes{{10, exeLoaded.at(10)}}));
    EXPECT_EQ(target.game.session.image(FileId::Obdata), session.image(FileId::Obdata));
    EXPECT_EQ(target.game.session.undoCount(), 2u);
    EXPECT_TRUE(target.game.session.saveAvailable());
    target.game.session.undo();
    target.game.session.undo();
    EXPECT_EQ(target.game.exe(), exeLoaded);
    EXPECT_NE(target.names.firstNames().at(0), "Zed");
}

TEST(ModCommands, AFileThatCannotBeAppliedIsToldAndChangesNothing)
{
    SampleSession game(GameEdition::Collectors);
    game.load();
    const GameFileSet loaded = game.session.files();
    const std::string path = (game.dir.path() / "bad.toml").string();
    const std::string bad = "[mod]\nformat = 1\n[[unit]]\nnumber = 0\nhealth = 12\nstrength = 300\n";
    test::writeFileBytes(path, ByteImage(bad.begin(), bad.end()));
    for (const std::string& chosen : {path, path + ".missing"}) {
        game.prompts.clearShown();
        game.prompts.answerFile(chosen);
        applyModFile(game.session);
        test::expectOneMessage(game.prompts, "Mod not applied",
                               chosen == path ? "line 6, unit 0 (Floater Soldier), strength: 300 is above the limit of 100"
                                              : "Unable to read " + chosen);
        EXPECT_EQ(test::imagesOf(game.session.files()), test::imagesOf(loaded));
        EXPECT_EQ(game.session.undoCount(), 0u);
        EXPECT_FALSE(game.session.saveAvailable());
    }
}

} // namespace
} // namespace orvane
