#pragma once
// Save, Make Master Backup and the copies a write puts back: the game's files and their backups are
// written as one unit (files/GameTransaction), under the game's lock.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "files/GameFileSet.h"
#include "files/GameTransaction.h"

namespace orvane {

enum class BackupKind { Bak, Master };

// The four backup files of a game, in FileId order: "QEV.EXE.bak", "\geodata\english.bak", ... or the
// "(MASTER).bak" copies.
std::array<std::string, 4> backupPaths(const GameFileSet& files, FileSystem& fs, BackupKind kind);

// Every file that belongs to the game: the four files and both kinds of backup. No other output may
// be written over any of them.
std::vector<std::string> filesOfGame(const GameFileSet& files, FileSystem& fs);

// The refusal of an output (a patch file, a mod, an export) that would be written over one of the
// game's files or backups, however its name is spelt; nothing when the target is another file.
std::optional<std::string> refuseGameFileAsOutput(const GameFileSet& files, FileSystem& fs, const std::string& target);

struct SaveOptions {
    bool makeBackups = true;
    // The "(MASTER).bak" copies of the files as loaded, for each the game has none of yet; one that
    // is there is never replaced.
    bool masterBackupWhereMissing = false;
    std::function<bool()> interrupted;
};

// The four game files, after the backups the options ask for. On success each file remembers the
// bytes now on disk.
WriteResult saveGameFiles(GameFileSet& files, FileSystem& fs, const GameLock& lock, const SaveOptions& options);

// The "(MASTER).bak" copies of the four files as loaded.
WriteResult writeMasterBackup(const GameFileSet& files, FileSystem& fs, const GameLock& lock);

// The game files replaced by the given images (in FileId order), with no backup: putting a game back
// from its backups. On success each file remembers the bytes now on disk.
WriteResult restoreGameFiles(GameFileSet& files, const std::array<ByteImage, 4>& images, FileSystem& fs,
                             const GameLock& lock);

} // namespace orvane
