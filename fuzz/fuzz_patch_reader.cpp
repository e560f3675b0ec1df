// Any bytes as a patch applied to a sample game: refused with a reason, or applied only in its regions and
// made again from the result byte for byte. The first byte picks the game and whether the rest is the file or edits.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>

#include "FuzzCheck.h"
#include "files/PatchFile.h"
#include "files/PatchImages.h"
#include "samplegame/SampleGame.h"

using namespace orvane;

namespace {

ByteImage patchFrom(FuzzedDataProvider& input, const ByteImage& own)
{
    if (input.ConsumeBool()) return input.ConsumeRemainingBytes<std::uint8_t>();
    ByteImage patch = own;
    const auto edits = input.ConsumeIntegralInRange<std::size_t>(0, 8);
    for (std::size_t e = 0; e < edits && !patch.empty(); ++e) {
        const auto value = input.ConsumeIntegral<std::uint8_t>();
        patch.at(input.ConsumeIntegralInRange<std::size_t>(0, patch.size() - 1)) = value;
    }
    if (input.ConsumeBool()) patch.resize(input.ConsumeIntegralInRange<std::size_t>(0, patch.size()));
    const auto tail = input.ConsumeRemainingBytes<std::uint8_t>();
    patch.insert(patch.end(), tail.begin(), tail.end());
    return patch;
}

// The executable with the patch's regions put back as the game had them: the bytes outside them.
ByteImage outsideRegions(ByteImage exe, const ByteImage& game, GameEdition edition)
{
    for (const ExeRegion& region : PatchExeRegions) {
        const auto start = static_cast<std::ptrdiff_t>(*region.start.in(edition));
        std::copy_n(game.begin() + start, region.length, exe.begin() + start);
    }
    return exe;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<GameFileSet, 3> games{sample::loadedSampleFiles(GameEdition::Collectors, 3),
                                                  sample::loadedSampleFiles(GameEdition::Dos12),
                                                  sample::loadedSampleFiles(GameEdition::Dos14, 4)};
    static const std::array<ByteImage, 3> ownPatches{*buildPatchFile(games[0]), *buildPatchFile(games[1]),
                                                     *buildPatchFile(games[2])};
    FuzzedDataProvider input(data, size);
    const auto which = input.ConsumeIntegralInRange<std::size_t>(0, 2);
    const GameFileSet& game = games.at(which);
    const ByteImage patch = patchFrom(input, ownPatches.at(which));

    const PatchReading reading = readPatchFile(patch);
    if (!reading.contents) {
        FUZZ_CHECK(!reading.problem.empty());
        return 0;
    }
    const PatchContents& contents = *reading.contents;
    const std::vector<std::size_t>& lengths = contents.englishLengths;
    FUZZ_CHECK(!lengths.empty() && std::is_sorted(lengths.begin(), lengths.end()));
    const auto exe = patchedExe(game.image(FileId::Exe), game.edition, contents);
    FUZZ_CHECK(exe && outsideRegions(*exe, game.image(FileId::Exe), game.edition) == game.image(FileId::Exe));
    for (std::size_t split = 0; split < lengths.size() && split < 4; ++split) {
        const std::size_t length = lengths[split];
        const auto marker = contents.strings.begin() + static_cast<std::ptrdiff_t>(length);
        FUZZ_CHECK(std::equal(EndOfEnglish.begin(), EndOfEnglish.end(), marker));
        GameFileSet after = game;
        for (auto& [file, image] : patchedImages(game, *exe, contents, length)) after.image(file) = std::move(image);
        FUZZ_CHECK(after.image(FileId::Obdata).size() == ObdataLength);
        FUZZ_CHECK(buildPatchFile(after) == patch);
    }
    return 0;
}
