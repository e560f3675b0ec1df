// The commands that read a game and write what they find: info, export, diff and make-patch.
#include "Commands.h"
#include "GameOnDisk.h"
#include "changes/ChangeList.h"
#include "files/PatchFile.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"

namespace orvane::cli {

namespace {

// The mod, and a warning for each change it cannot carry.
void deliverMod(const mods::MadeMod& made, const Options& options, FileSystem& fs)
{
    for (const std::string& left : made.leftOut) warn("not in the mod: " + left);
    deliver(options.output, mods::writeMod(made.mod), fs, options.dryRun);
}

} // namespace

void runInfo(const Options& options, FileSystem& fs)
{
    const GameFileSet game = loadGame(options.game, fs);
    std::string text = "Edition: " + editionName(game.edition) + "\n";
    for (const FileId file : {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata}) {
        text += changes::fileCaption(file);
        text += ": ";
        text += std::to_string(game.image(file).size());
        text += " bytes, ";
        text += game.file(file).diskPath;
        text += '\n';
    }
    print(text);
}

void runExport(const Options& options, FileSystem& fs)
{
    const GameFileSet game = loadGame(options.game, fs);
    refuseOutputOverGame(options.output, {&game}, fs);
    deliverMod(mods::exportGame(game), options, fs);
}

void runDiff(const Options& options, FileSystem& fs)
{
    const GameFileSet base = loadGame(options.game, fs);
    const GameFileSet modded = loadGame(options.modded, fs);
    refuseOutputOverGame(options.output, {&base, &modded}, fs);
    deliverMod(mods::diffGames(base, modded, {"BASE (" + options.game + ")", "MODDED (" + options.modded + ")"}),
               options, fs);
}

void runMakePatch(const Options& options, FileSystem& fs)
{
    const GameFileSet game = loadGame(options.game, fs);
    refuseOutputOverGame(options.output, {&game}, fs);
    const auto patch = buildPatchFile(game);
    if (!patch) throw Refusal{options.game + ": the game's files do not hold what a patch file gathers"};
    deliver(options.output, asText(*patch), fs, options.dryRun);
}

} // namespace orvane::cli
