#include "files/PatchReader.h"

#include <algorithm>

namespace orvane {

namespace {

ByteImage slice(const ByteImage& bytes, std::size_t from, std::size_t length)
{
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(from);
    return {first, first + static_cast<std::ptrdiff_t>(length)};
}

PatchReading refuse(std::string problem) { return {std::nullopt, std::move(problem)}; }

std::vector<std::size_t> markerPlaces(const ByteImage& strings)
{
    std::vector<std::size_t> places;
    auto from = strings.begin();
    while (true) {
        const auto found = std::search(from, strings.end(), EndOfEnglish.begin(), EndOfEnglish.end());
        if (found == strings.end()) break;
        places.push_back(static_cast<std::size_t>(found - strings.begin()));
        from = found + 1;
    }
    return places;
}

} // namespace

ByteImage PatchContents::english(std::size_t englishLength) const { return slice(strings, 0, englishLength); }

ByteImage PatchContents::english2(std::size_t englishLength) const
{
    const std::size_t start = englishLength + EndOfEnglish.size();
    return slice(strings, start, strings.size() - start);
}

PatchReading readPatchFile(const ByteImage& file)
{
    if (file.size() < PatchObdataStart) {
        return refuse("The file is too short to be a patch file: it holds " + std::to_string(file.size()) +
                      " bytes, and a patch file holds at least " + std::to_string(ShortestPatchFile) + ".");
    }
    if (file.front() != PatchFirstByte) {
        return refuse("The file does not begin with the byte 1 that every patch file begins with.");
    }
    if (file.size() < PatchEnglishStart) {
        return refuse("The file ends inside its copy of OBDATA.DAT: it holds " +
                      std::to_string(file.size() - PatchObdataStart) + " of its " + std::to_string(ObdataLength) +
                      " bytes.");
    }
    PatchContents contents;
    std::size_t at = 1;
    for (std::size_t region = 0; region < PatchExeRegions.size(); ++region) {
        contents.exeRegions.at(region) = slice(file, at, PatchExeRegions.at(region).length);
        at += PatchExeRegions.at(region).length;
    }
    contents.obdata = slice(file, PatchObdataStart, ObdataLength);
    contents.strings = slice(file, PatchEnglishStart, file.size() - PatchEnglishStart);
    contents.englishLengths = markerPlaces(contents.strings);
    if (contents.englishLengths.empty()) {
        return refuse("The file has no marker of three bytes 255 after its copy of ENGLISH.DAT, "
                      "so the two string files cannot be told apart.");
    }
    return {std::move(contents), {}};
}

} // namespace orvane
