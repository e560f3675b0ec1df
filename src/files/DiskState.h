#pragma once
// Whether the game's files on disk are still those this program last read or wrote: another program
// (orvane, a mod manager, a second editor) may have written them since.
#include <vector>

#include "files/FileSystem.h"
#include "files/GameFileSet.h"

namespace orvane {

// True when `bytes` can be the game's file `id` of this edition, as the load checks it: the executable
// of the edition's length, OBDATA.DAT of its one length, a string file that is not empty. A file read
// again (Keep Both, Reload) or put back from a backup (restore) must pass it.
bool fitsAsGameFile(FileId id, GameEdition edition, const ByteImage& bytes);

// Notes `bytes` as what the file's disk path holds now.
void rememberOnDisk(LoadedFile& file, const ByteImage& bytes, FileSystem& fs);

// The game files whose bytes on disk are no longer those last read or written (a file gone counts),
// read and compared whole: the check before a write.
std::vector<FileId> changedOnDisk(const GameFileSet& files, FileSystem& fs);

// The same, asked often: only a file whose stamp moved is read; one that holds the same bytes after
// all (touched, or written back unchanged) keeps its new stamp and is not listed.
std::vector<FileId> changedOnDiskSinceStamps(GameFileSet& files, FileSystem& fs);

} // namespace orvane
