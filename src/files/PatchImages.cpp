#include "files/PatchImages.h"

#include <algorithm>

namespace orvane {

namespace {

std::size_t countStrings(const ByteImage& table)
{
    return static_cast<std::size_t>(std::count(table.begin(), table.end(), std::uint8_t{0}));
}

} // namespace

std::optional<ByteImage> patchedExe(const ByteImage& exe, GameEdition edition, const PatchContents& contents)
{
    ByteImage patched = exe;
    for (std::size_t region = 0; region < PatchExeRegions.size(); ++region) {
        const auto start = PatchExeRegions.at(region).start.in(edition);
        const ByteImage& bytes = contents.exeRegions.at(region);
        if (!start || !fitsIn(patched, *start, bytes.size())) return std::nullopt;
        std::copy(bytes.begin(), bytes.end(), patched.begin() + static_cast<std::ptrdiff_t>(*start));
    }
    return patched;
}

std::vector<std::pair<FileId, ByteImage>> patchedImages(const GameFileSet& game, ByteImage exe,
                                                        const PatchContents& contents, std::size_t englishLength)
{
    std::pair<FileId, ByteImage> images[] = {
        {FileId::Exe, std::move(exe)},
        {FileId::English, contents.english(englishLength)},
        {FileId::English2, contents.english2(englishLength)},
        {FileId::Obdata, contents.obdata},
    };
    std::vector<std::pair<FileId, ByteImage>> changed;
    for (auto& [file, image] : images) {
        if (game.image(file) != image) changed.emplace_back(file, std::move(image));
    }
    return changed;
}

std::string describeSplit(const PatchContents& contents, std::size_t englishLength)
{
    const ByteImage english = contents.english(englishLength);
    const ByteImage english2 = contents.english2(englishLength);
    std::string text = "ENGLISH.DAT ";
    text += std::to_string(english.size());
    text += " bytes long (";
    text += std::to_string(countStrings(english));
    text += " strings), leaving ENGLISH2.DAT ";
    text += std::to_string(english2.size());
    text += " bytes (";
    text += std::to_string(countStrings(english2));
    text += " strings)";
    return text;
}

} // namespace orvane
