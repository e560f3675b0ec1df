// The built `orvane` on sample games: exit status, both output streams and every file on disk checked.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliTool.h"
#include "mods/ModSummary.h"

namespace orvane::test {
namespace {

TEST(Cli, exportsDiffsAndAppliesGiveBackTheGameTheyWereMadeFromOnEveryEdition)
{
    Tool tool;
    tool.write("edits.toml", Header +
                                 "[[unit]]\nnumber = 3\ntime_units = 60\n[[english_dat]]\nnumber = 2\n"
                                 "text = \"Fête d'été, a longer text\"\n[[item]]\nnumber = 7\n"
                                 "item_name = \"Blaster\"\ndamage_type = \"Laser\"\n[base_stores]\nengineers = 250\n");
    // On games of random tables: a, b and c alike, then b given values a user could type.
    std::vector<std::string> a, b, c;
    for (std::size_t e = 0; e < 3; ++e) {
        for (const auto& [games, folder] : {std::pair{&a, "a/"}, {&b, "b/"}, {&c, "c/"}})
            games->push_back(tool.game(folder + std::string(Folders[e]), AllEditions[e], 17));
        expectRun(tool.run({"apply", "-q", "--no-backups", b[e], "edits.toml"}), 0);
    }
    const DiskTree asMade = tool.files("a");
    expectRun(tool.run({"export", a[0], "-o", "a.toml"}), 0);
    expectRun(tool.run({"apply", a[0], "a.toml"}), 0, "orvane: nothing to change\n");
    EXPECT_EQ(treeDifferences(asMade, tool.files("a")), "");

    expectRun(tool.run({"export", b[0], "-o", "b.toml"}), 0);
    expectRun(tool.run({"diff", c[0], b[0], "-o", "d.toml"}), 0);
    for (std::size_t e = 0; e < 3; ++e) {
        SCOPED_TRACE(Folders[e]);
        const std::string name = Folders[e];
        // The export of b applied to a, saved after backups of a as it was.
        expectRun(tool.run({"apply", a[e], "b.toml"}), 0, "files; 4 files saved, backups beside them\n");
        DiskTree expected = tool.files("b/" + name);
        const std::string exe = std::filesystem::path(a[e]).lexically_relative("a/" + name).generic_string();
        for (const auto& [backup, file] : {std::pair{exe + ".bak", exe},
                                           {"GEODATA/english.bak", "GEODATA/ENGLISH.DAT"},
                                           {"GEODATA/english2.bak", "GEODATA/ENGLISH2.DAT"},
                                           {"GEODATA/obdata.bak", "GEODATA/OBDATA.DAT"}}) {
            expected[backup] = asMade.at(name + "/" + file);
        }
        EXPECT_EQ(treeDifferences(expected, tool.files("a/" + name)), "");
        // A diff made on the Collector's Edition, applied at this edition's places.
        expectRun(tool.run({"apply", "--quiet", "--no-backups", c[e], "d.toml"}), 0);
        EXPECT_EQ(treeDifferences(tool.files("b/" + name), tool.files("c/" + name)), "");
        const ProgramRun noDifference = tool.run({"diff", c[e], b[e]});
        EXPECT_TRUE(noDifference.out.starts_with(Header) && noDifference.out.find("[[") == std::string::npos);
    }
}

TEST(Cli, exitStatusSaysDoneRefusedOrMisusedAndOnlyDataGoesToStandardOutput)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Dos14);
    const ProgramRun nothing = tool.run({});
    EXPECT_EQ(nothing.out, "");
    expectRun(nothing, 2, "orvane: a command is needed: info, export, diff, apply, restore, make-patch or schema\n");
    EXPECT_EQ(tool.run({"--version"}).out, "orvane 1.0\n");
    for (const std::string command : {"info", "export", "diff", "apply", "make-patch", "schema"}) {
        const ProgramRun help = tool.run({command, "--help"});
        expectRun(help, 0);
        EXPECT_NE(help.out.find("Example:\n  orvane " + command + " "), std::string::npos) << help.out;
    }
    const ProgramRun exported = tool.run({"export", game});
    expectRun(exported, 0);
    EXPECT_TRUE(exported.out.starts_with(Header + "edition = \"DOS version 1.4\"\n\n[[base_square]]\n"));
    const ProgramRun info = tool.run({"info", game});
    expectRun(info, 0);
    EXPECT_TRUE(info.out.starts_with("Edition: DOS version 1.4\nExecutable: 382957 bytes, game/QEVEXE/GEOSCAPE.EXE\n"));

    // Commands that write nothing make no lock file beside the game.
    tool.write("dry.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    expectRun(tool.run({"apply", "--dry-run", "-q", game, "dry.toml"}), 0);
    tool.write("over.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 256\n");
    expectRun(tool.run({"apply", game, "over.toml"}), 1, "256 is above the limit of 255");
    expectRun(tool.run({"restore", game}), 1, "there is no such copy");
    expectRun(tool.run({"diff", game, game, "-o", "same.toml"}), 0);
    EXPECT_FALSE(std::filesystem::exists(tool.dir.path() / "game/QEVEXE/.orvane-lock"));
    // A game's folder stands for its executable: a DOS edition's top folder, and the folder the executable is in.
    for (const std::string folder : {"game", "game/qevexe/"}) EXPECT_EQ(tool.run({"info", folder}).out, info.out);
    std::filesystem::create_directory(tool.dir.path() / "empty");

    const DiskTree before = tool.files();
    expectRun(tool.run({"export", "empty"}), 1, "orvane: empty is a folder that holds no game; give the game's");
    std::filesystem::copy_file(tool.dir.path() / game, tool.dir.path() / "empty/GEOSCAPE.EXE");
    expectRun(tool.run({"info", "empty"}), 1,
              "orvane: cannot load the game empty/GEOSCAPE.EXE: Unable to load obdata.dat (looked for in "
              "empty/../GEODATA)\n");
    std::filesystem::remove(tool.dir.path() / "empty/GEOSCAPE.EXE");
    expectRun(tool.run({"info", "missing.exe"}), 1,
              "orvane: cannot load the game missing.exe: there is no such file or folder\n");
    expectRun(tool.run({"info", "dry.toml"}), 1,
              "orvane: cannot load the game dry.toml: Not correct executable file version. (dry.toml has the length "
              "of no edition's executable)\n");
    expectRun(tool.run({"export", game, "-o", "game/GEODATA"}), 1,
              "orvane: could not write game/GEODATA (Is a directory); no file was changed\n");
    expectRun(tool.run({"apply", game, "game/GEODATA/.toml"}), 1, "game/GEODATA/.toml: there is no such file\n");
    std::filesystem::create_directory(tool.dir.path() / "folder.toml");
    expectRun(tool.run({"apply", game, "folder.toml"}), 1, "folder.toml: this is a folder, not a file\n");
    expectRun(tool.run({"apply", game, "notes.txt"}), 2,
              "notes.txt: a file to apply is a mod file (.toml) or a patch file (.qev)");
    expectRun(tool.run({"export", game, "--bogus"}), 2, "orvane: unknown option --bogus\n");
    expectRun(tool.run({"--bogus"}), 2, "orvane: unknown option --bogus\n");
    expectRun(tool.run({"--bogus=3", "info", game}), 2, "orvane: unknown option --bogus\n");
    expectRun(tool.run({"apply", "-q", "-v", game, "x.toml"}), 2, "excludes");
    expectRun(tool.run({"exprot", game}), 2, "orvane: 'exprot' is not a command; did you mean 'export'?\n");
    expectRun(tool.run({"apply", game, "dry.toml", "--english-length", "abc"}), 2,
              "orvane: --english-length: abc is not a whole number\n");
    expectRun(tool.run({"info", game, "extra"}), 2, "orvane: more arguments than the command takes: extra\n");
    EXPECT_EQ(treeDifferences(before, tool.files()), "");
}

TEST(Cli, aRefusedFileOrAFailedSaveLeavesEveryFileAsItWasAndNoneBehind)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Dos12);
    tool.write("good.toml", Header + "[[unit]]\nnumber = 0\ntime_units = 1\n");
    tool.write("syntax.toml", Header + "[[unit]\n");
    tool.write("range.toml", Header + "[[unit]]\nnumber = 33\n");
    tool.write("limit.toml", Header + "[[unit]]\nnumber = 0\nstrength = 101\n");
    tool.write("char.toml", Header + "[[english_dat]]\nnumber = 1\ntext = \"5 €\"\n");
    tool.write("short.qev", "\x01 not a patch");
    const DiskTree before = tool.files();
    const std::pair<const char*, std::string> refused[] = {
        {"syntax.toml", "orvane: syntax.toml: line 4: this is not a TOML file"},
        {"range.toml", "orvane: range.toml: line 4, unit 33: there is no unit 33; they are numbered 0 to 32\n"},
        {"limit.toml",
         "orvane: limit.toml: line 6, unit 0 (Floater Soldier), strength: 101 is above the limit of 100\n"},
        {"char.toml",
         "orvane: char.toml: line 6, english_dat 1, text: the character \"€\" (U+20AC) is not one of the game's"},
        {"short.qev", "orvane: short.qev: The file is too short to be a patch file"},
    };
    for (const auto& [file, message] : refused) {
        expectRun(tool.run({"apply", game, "good.toml", file}), 1, message);
        EXPECT_EQ(treeDifferences(before, tool.files()), "") << file;
    }
    std::filesystem::create_directory(tool.dir.path() / "game/GEODATA/english.bak");
    expectRun(tool.run({"apply", game, "good.toml"}), 1,
              "orvane: could not write game/QEVEXE/../GEODATA/english.bak (Is a directory); no file was changed\n");
    EXPECT_EQ(treeDifferences(before, tool.files()), "");
}

// --dry-run writes nothing; the later of two values wins with a warning; --no-backups still makes the master copies.
TEST(Cli, applyEndsWithASummaryLineQuietSaysNothingButErrorsAndVerboseListsTheChanges)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    const std::string original = tool.game("original", GameEdition::Collectors);
    tool.write("a.toml",
               Header + "[[unit]]\nnumber = 3\ntime_units = 60\nhealth = 40\n[[item]]\nnumber = 0\nweight = 9\n");
    tool.write("b.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 70\n");
    const std::string list = "a.toml:6: unit 3 (Floater Engineer), time_units: 55 -> 60\n"
                             "a.toml:7: unit 3 (Floater Engineer), health: 45 -> 40\n"
                             "a.toml:10: item 0 (Pistol), weight: 5 -> 9\n";
    const std::string laterWins = "orvane: warning: b.toml:6: unit 3 (Floater Engineer), time_units was set before by "
                                  "a.toml:6; the later value is kept\n";
    const DiskTree before = tool.files();
    ProgramRun run = tool.run({"apply", "--dry-run", game, "a.toml"});
    EXPECT_EQ(run.out, list);
    EXPECT_EQ(run.err, "orvane: 3 values would change in 2 files; nothing written (--dry-run)\n");
    run = tool.run({"apply", "--dry-run", game, "a.toml", "b.toml"});
    expectRun(run, 0, laterWins);
    EXPECT_EQ(run.out, list + "b.toml:6: unit 3 (Floater Engineer), time_units: 60 -> 70\n");
    EXPECT_EQ(treeDifferences(before, tool.files()), "");

    const std::string fresh = tool.game("fresh", GameEdition::Collectors);
    expectRun(tool.run({"apply", "--no-backups", fresh, "a.toml", "b.toml"}), 0, laterWins);
    for (const auto& [path, bytes] : tool.files("fresh"))
        EXPECT_TRUE(!path.ends_with(".bak") || path.ends_with("(MASTER).bak")) << path;
    EXPECT_EQ(tool.run({"diff", original, fresh}).out,
              Header + "edition = \"Collector's Edition\"\n\n[[unit]]\nnumber = 3\nname = \"Floater Engineer\"\n"
                       "time_units = 70\nhealth = 40\n\n[[item]]\nnumber = 0\nname = \"Pistol\"\nweight = 9\n");

    run = tool.run({"apply", "-v", game, "a.toml"});
    EXPECT_EQ(run.out, list);
    EXPECT_EQ(run.err, "orvane: 3 values changed in 2 files; 4 files saved, backups beside them\n");
    run = tool.run({"apply", game, "a.toml"});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orvane: nothing to change\n");
    run = tool.run({"apply", "--no-backups", game, "a.toml", "b.toml"});
    EXPECT_EQ(run.err, laterWins + "orvane: 1 value changed in 1 file; 4 files saved, no backups (--no-backups)\n");
    run = tool.run({"apply", "--quiet", "--no-backups", game, "b.toml", "a.toml"});
    EXPECT_EQ(run.out + run.err, "");
    EXPECT_EQ(run.status, 0);
    // A later mod that sets back what an earlier one changed leaves nothing to change.
    tool.write("back.toml", Header + "[[unit]]\nnumber = 3\ntime_units = 60\n");
    run = tool.run({"apply", "--no-backups", game, "b.toml", "back.toml"});
    EXPECT_TRUE(run.err.ends_with("time_units was set before by b.toml:6; the later value is kept\n"
                                  "orvane: nothing to change\n"))
        << run.err;
    // Every refused file is told, each with all its faults, and nothing is written.
    tool.write("bad.toml", Header + "[[unit]]\nnumber = 3\nhealth = 400\n");
    tool.write("worse.toml", Header + "[[unit]]\nnumber = 4\nhealth = 401\nenergy = 1.5\n");
    const DiskTree unrefused = tool.files();
    run = tool.run({"apply", "-q", game, "bad.toml", "a.toml", "worse.toml"});
    expectRun(run, 1,
              "orvane: bad.toml: line 6, unit 3 (Floater Engineer), health: 400 is above the limit of 255\n"
              "orvane: worse.toml: line 6, unit 4 (Floater Leader), health: 401 is above the limit of 255\n"
              "orvane: worse.toml: line 7, unit 4 (Floater Leader), energy: 1.5 is not written as a whole number");
    EXPECT_EQ(treeDifferences(unrefused, tool.files()), "");
}

TEST(Cli, aRefusedModListsEveryFaultUpToFiftyAndANameThatNamesAnotherRecordIsWarnedOf)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    std::string many = Header;
    for (int unit = 0; unit < 30; ++unit)
        many += "[[unit]]\nnumber = " + std::to_string(unit) + "\nhealth = 256\nstrength = 101\n";
    tool.write("many.toml", many);
    const DiskTree before = tool.files();
    const ProgramRun run = tool.run({"apply", game, "many.toml"});
    expectRun(run, 1,
              "orvane: many.toml: line 6, unit 0 (Floater Soldier), health: 256 is above the limit of 255\n"
              "orvane: many.toml: line 7, unit 0 (Floater Soldier), strength: 101 is above the limit of 100\n");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 51) << run.err;
    EXPECT_TRUE(run.err.ends_with("\norvane: and 10 more\n")) << run.err;
    EXPECT_EQ(treeDifferences(before, tool.files()), "");

    tool.write("claim.toml", Header + "[[unit]]\nnumber = 7\nname = \"Ethereal Commander\"\nhealth = 46\n");
    expectRun(tool.run({"apply", "--dry-run", game, "claim.toml"}), 0,
              "orvane: warning: claim.toml: line 6, unit 7 (Sectoid Soldier), name: \"Ethereal Commander\" is the name "
              "of unit 20, not of unit 7 (Sectoid Soldier); the values go to unit 7, as its number says\n");
}

TEST(Cli, modsComeThroughStandardInputAndOutputGoesStraightIntoPipesAndDevices)
{
    Tool tool;
    const std::string game = tool.game("game", GameEdition::Collectors);
    const std::string cli = ORVANE_CLI;
    const auto shell = [&tool](const std::string& command) {
        return runProgram({"/bin/sh", "-c", command}, tool.dir.path());
    };
    // A mod piped in, after the byte-order mark Notepad writes.
    tool.write("bom.toml", "\xEF\xBB\xBF" + Header + "[[unit]]\nnumber = 7\nhealth = 47\n");
    ProgramRun run = shell("cat bom.toml | '" + cli + "' apply --dry-run " + game + " -");
    EXPECT_EQ(run.out, "standard input:6: unit 7 (Sectoid Soldier), health: 30 -> 47\n");
    run = shell("printf '[mod]\\nformat = 1\\n[[unit]]\\nnumber = 7\\nhealth = 470\\n' | '" + cli + "' apply " + game +
                " -");
    expectRun(run, 1,
              "orvane: standard input: line 5, unit 7 (Sectoid Soldier), health: 470 is above the limit of 255\n");
    expectRun(tool.run({"apply", game, "-", "-"}), 2, "standard input (-) can be given once only");

    const std::string exported = tool.run({"export", game}).out;
    ASSERT_FALSE(exported.empty());
    // /dev/stdout on a pipe, on a file the shell truncated and on one it appends to; a named pipe.
    EXPECT_EQ(shell("'" + cli + "' export " + game + " -o /dev/stdout | cat").out, exported);
    EXPECT_EQ(shell("'" + cli + "' export " + game + " -o - | cat").out, exported);
    EXPECT_EQ(
        shell("echo old > out.toml; '" + cli + "' export " + game + " -o /dev/stdout > out.toml; cat out.toml").out,
        exported);
    EXPECT_EQ(shell("echo old > log.txt; '" + cli + "' export " + game + " -o /dev/stdout >> log.txt; cat log.txt").out,
              "old\n" + exported);
    run = shell("mkfifo pipe && { cat pipe > piped.toml & '" + cli + "' export " + game +
                " -o pipe; wait; } && cat piped.toml");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, exported);
}

TEST(Cli, aDiffOfTheModdedGameAgainstTheShippedOneUninstallsTheModAndTellsWhatItLeavesOutInALineEach)
{
    Tool tool;
    const std::string shipped = tool.game("shipped", GameEdition::Collectors);
    const std::string modded = tool.game("modded", GameEdition::Collectors);
    // Values the shipped game holds outside the pages' limits: the items' 255 "no ammo", the Grav
    // Shield's defense strength of -1,500.
    tool.write("mod.toml", Header + "[[item]]\nnumber = 0\nammo_type_2 = 5\n[[facility_type]]\nnumber = 12\n"
                                    "defense_strength = 100\n[[unit]]\nnumber = 3\nhealth = 50\n");
    expectRun(tool.run({"apply", "-q", "--no-backups", modded, "mod.toml"}), 0);
    // Strings the modded game added, and bytes no page shows that it changed.
    const std::filesystem::path english = tool.dir.path() / "modded/GEODATA/ENGLISH.DAT";
    ByteImage strings = readFileBytes(english);
    const std::size_t count = static_cast<std::size_t>(std::count(strings.begin(), strings.end(), 0));
    for (int i = 0; i < 2000; ++i) strings.insert(strings.end(), {'x', 0});
    writeFileBytes(english, strings);
    ByteImage exe = readFileBytes(tool.dir.path() / modded);
    exe.at(100) ^= 1;
    exe.at(102) ^= 1;
    writeFileBytes(tool.dir.path() / modded, exe);

    const ProgramRun undo = tool.run({"diff", modded, shipped, "-o", "undo.toml"});
    EXPECT_EQ(undo.status, 0);
    EXPECT_EQ(undo.err, "orvane: warning: not in the mod: ENGLISH.DAT: strings " + std::to_string(count + 1) + " to " +
                            mods::groupedNumber(count + 2000) + " are only in BASE (" + modded +
                            ") and are left out; a mod changes strings, it does not add or remove them\n"
                            "orvane: warning: not in the mod: bytes that no page shows differ at 2 places "
                            "(Executable: 2) and are left out; a patch file (make-patch) carries them\n");
    expectRun(tool.run({"apply", "--no-backups", modded, "undo.toml"}), 0, "orvane: 3 values changed in 2 files");
    EXPECT_EQ(readFileBytes(tool.dir.path() / "modded/GEODATA/OBDATA.DAT"),
              readFileBytes(tool.dir.path() / "shipped/GEODATA/OBDATA.DAT"));
    exe = readFileBytes(tool.dir.path() / modded);
    exe.at(100) ^= 1;
    exe.at(102) ^= 1;
    EXPECT_EQ(exe, readFileBytes(tool.dir.path() / shipped));
}

TEST(Cli, patchFilesApplyAtEveryEditionAndASplitTheMarkersLeaveOpenIsChosenOnTheCommandLine)
{
    Tool tool;
    const std::string source = tool.game("source", GameEdition::Collectors, 5);
    const std::filesystem::path english = tool.dir.path() / "source/GEODATA/ENGLISH.DAT";
    ByteImage marked = readFileBytes(english);
    const std::size_t shorter = marked.size() + 1;
    marked.insert(marked.end(), {'A', 0xFF, 0xFF, 0xFF, 'B', 0});
    writeFileBytes(english, marked);
    expectRun(tool.run({"make-patch", source, "source.qev"}), 0);

    const std::string target = tool.game("target", GameEdition::Dos14);
    const DiskTree before = tool.files();
    const ProgramRun open = tool.run({"apply", target, "source.qev"});
    expectRun(open, 1,
              "source.qev: the patch file can be split into ENGLISH.DAT and ENGLISH2.DAT in more than one way");
    EXPECT_NE(open.err.find("\n  --english-length " + std::to_string(shorter) + ": ENGLISH.DAT "), std::string::npos);
    EXPECT_NE(open.err.find("\n  --english-length " + std::to_string(marked.size()) + ": "), std::string::npos);
    EXPECT_EQ(treeDifferences(before, tool.files()), "");

    // The executable's bytes that no page shows come from the patch's edition: said, and counted apart.
    const ProgramRun applied =
        tool.run({"apply", target, "source.qev", "--english-length", std::to_string(marked.size())});
    expectRun(applied, 0,
              "orvane: warning: source.qev: the executable's bytes that no page shows are written as the patch holds "
              "them, at ");
    EXPECT_NE(applied.err.find(" places changed in 4 files; 4 files saved"), std::string::npos) << applied.err;
    EXPECT_EQ(readFileBytes(tool.dir.path() / "target/GEODATA/ENGLISH.DAT"), marked);
    EXPECT_EQ(tool.run({"diff", target, source}).out, Header + "edition = \"Collector's Edition\"\n");
}

} // namespace
} // namespace orvane::test
