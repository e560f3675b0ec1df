// orvane restore: the game put back from its "(MASTER).bak" copies (the default) or its ".bak" copies,
// written as one unit under the game's lock as Save writes; how a mod manager uninstalls every mod.
#include "Commands.h"
#include "GameOnDisk.h"
#include "changes/ChangeList.h"
#include "core/GameEdition.h"
#include "files/DiskState.h"
#include "files/GameSaver.h"
#include "files/Interrupts.h"

namespace orvane::cli {

namespace {

constexpr FileId AllFiles[] = {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata};

} // namespace

void runRestore(const Options& options, FileSystem& fs)
{
    const GameLock lock = lockGame(options.game, fs);
    GameFileSet game = loadGame(options.game, fs, &lock);
    const auto backups = backupPaths(game, fs, options.from == "bak" ? BackupKind::Bak : BackupKind::Master);

    std::array<ByteImage, 4> images;
    std::string report;
    bool anyDifferent = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const FileId id = AllFiles[i];
        auto bytes = fs.readWhole(backups[i]);
        if (!bytes) throw Refusal{backups[i] + ": cannot read the backup; no file was changed"};
        if (!fitsAsGameFile(id, game.edition, *bytes)) {
            throw Refusal{backups[i] + ": not a copy of " + changes::fileCaption(id) +
                          " of this game (its length does not fit); no file was changed"};
        }
        const bool different = *bytes != game.image(id);
        anyDifferent = anyDifferent || different;
        report +=
            game.file(id).diskPath + (different ? " <- " + backups[i] : std::string(": already as the backup")) + "\n";
        images[i] = std::move(*bytes);
    }
    if (options.dryRun) {
        print(report);
        return;
    }
    if (!anyDifferent) return;
    const DeferInterrupts whileWriting;
    const WriteResult restored = restoreGameFiles(game, images, fs, lock);
    if (!restored.ok) throw writeRefused(restored);
}

} // namespace orvane::cli
