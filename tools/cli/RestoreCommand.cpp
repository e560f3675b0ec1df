// orvane restore: the game put back from its "(MASTER).bak" copies (the default) or its ".bak" copies,
// written as one unit under the game's lock as Save writes; how a mod manager uninstalls every mod.
#include <optional>

#include "Commands.h"
#include "GameOnDisk.h"
#include "core/GameEdition.h"
#include "files/DiskState.h"
#include "files/GamePaths.h"
#include "files/GameSaver.h"
#include "files/Interrupts.h"
#include "mods/ModSummary.h"

namespace orvane::cli {

namespace {

constexpr FileId AllFiles[] = {FileId::Exe, FileId::English, FileId::English2, FileId::Obdata};

} // namespace

void runRestore(const Options& options, FileSystem& fs)
{
    const bool master = options.from != "bak";
    const std::string copies = master ? "master copies" : ".bak copies";
    // As apply: the lock is taken only when there is something to write, and the files are read again
    // under it when they changed meanwhile.
    std::optional<GameLock> lock;
    for (;;) {
        GameFileSet game = loadGame(options.game, fs, lock ? &*lock : nullptr);
        const auto backups = backupPaths(game, fs, master ? BackupKind::Master : BackupKind::Bak);
        std::array<ByteImage, 4> images;
        std::string report;
        std::vector<std::string> faults;
        std::size_t putBack = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const FileId id = AllFiles[i];
            auto bytes = fs.readWhole(backups[i]);
            if (!bytes && !fs.exists(backups[i])) {
                faults.push_back(backups[i] + ": there is no such copy" +
                                 (master ? "; the first apply that changes the game makes the master copies" : ""));
            } else if (!bytes) {
                faults.push_back(backups[i] + ": cannot read the copy");
            } else if (!fitsAsGameFile(id, game.edition, *bytes)) {
                faults.push_back(backups[i] + ": not a copy of " + fileNameOf(game.file(id).diskPath) +
                                 " of this game (its length does not fit)");
            } else {
                const bool different = *bytes != game.image(id);
                putBack += different ? 1 : 0;
                report += game.file(id).diskPath +
                          (different ? " <- " + backups[i] : std::string(": already as the backup")) + "\n";
                images[i] = std::move(*bytes);
            }
        }
        if (!faults.empty()) {
            std::string message;
            for (const std::string& fault : faults) message += (message.empty() ? "" : "\norvane: ") + fault;
            throw Refusal{message + "\norvane: no file was changed"};
        }
        if (options.dryRun) print(report);
        if (putBack == 0) return note("nothing to put back: the game's files are as its " + copies);
        const std::string summary = mods::groupedNumber(putBack) + (putBack == 1 ? " file" : " files");
        if (options.dryRun)
            return note(summary + " would be put back from the " + copies + "; nothing written (--dry-run)");
        if (!lock) {
            lock.emplace(lockGame(options.game, fs));
            if (!changedOnDisk(game, fs).empty()) continue;
        }
        const DeferInterrupts whileWriting;
        const WriteResult restored = restoreGameFiles(game, images, fs, *lock);
        if (!restored.ok) throw writeRefused(restored);
        return note(summary + " put back from the " + copies);
    }
}

} // namespace orvane::cli
