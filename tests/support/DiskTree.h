#pragma once
// The regular files below a folder, by their path relative to it, with their bytes.
#include <map>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/GameEdition.h"
#include <filesystem>

namespace orvane::test {

using DiskTree = std::map<std::string, ByteImage>;

// Links are followed: a link to a file lists under the link's name with the file's bytes.
DiskTree filesUnder(const std::filesystem::path& folder);

// Writes every file of the tree below the folder, making folders as needed.
void writeTree(const std::filesystem::path& folder, const DiskTree& tree);

// What a write cut off leaves behind below the folder: its temporary files and its journal, by name.
std::vector<std::string> leftOfAWrite(const std::filesystem::path& folder);

// What differs between two trees, one line per file; empty when they are equal.
std::string treeDifferences(const DiskTree& expected, const DiskTree& actual);

// The four files of a Collector's Edition game, by their paths below its folder.
inline const std::pair<const char*, FileId> GameFiles[] = {{"QEV.EXE", FileId::Exe},
                                                           {"GEODATA/ENGLISH.DAT", FileId::English},
                                                           {"GEODATA/ENGLISH2.DAT", FileId::English2},
                                                           {"GEODATA/OBDATA.DAT", FileId::Obdata}};

// Those four files of a tree of such a game.
inline DiskTree gameFilesOf(const DiskTree& tree)
{
    DiskTree files;
    for (const auto& [name, id] : GameFiles) files[name] = tree.at(name);
    return files;
}

} // namespace orvane::test
