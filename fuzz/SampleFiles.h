#pragma once
// A sample game's four images as a complete load leaves them, for the targets that apply files to one.
#include <cstdint>
#include <optional>

#include "files/GameFileSet.h"
#include "samplegame/SampleGame.h"

namespace orvane::fuzz {

inline GameFileSet sampleFiles(GameEdition edition, std::optional<std::uint32_t> randomSeed = std::nullopt)
{
    sample::SampleFiles made = sample::makeSampleFiles(edition, randomSeed);
    GameFileSet game;
    game.edition = edition;
    game.complete = true;
    const std::pair<FileId, ByteImage*> files[] = {
        {FileId::Exe, &made.exe}, {FileId::English, &made.english}, {FileId::English2, &made.english2},
        {FileId::Obdata, &made.obdata}};
    for (const auto& [id, bytes] : files) {
        LoadedFile& file = game.file(id);
        file.image = std::move(*bytes);
        file.asRead = file.image;
        file.loaded = true;
    }
    return game;
}

} // namespace orvane::fuzz
