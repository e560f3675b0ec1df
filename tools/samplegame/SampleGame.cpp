#include "samplegame/SampleGame.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

// The bytes between the tables: a fixed linear congruential sequence, seeded per edition so the
// three executables differ everywhere, and the same on every run.
ByteImage fillerBytes(std::size_t length, GameEdition edition)
{
    std::uint32_t state = 0x5EED0000u + static_cast<std::uint32_t>(edition) * 0x9E3779B9u;
    ByteImage bytes(length);
    for (auto& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

void writeWhole(const std::filesystem::path& path, const ByteImage& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) throw std::runtime_error("cannot create folder " + path.parent_path().string() + ": " + error.message());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot open " + path.string() + " for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

} // namespace

std::size_t tableStart(const EditionOffsets& offsets, GameEdition edition)
{
    const auto offset = offsets.in(edition);
    if (!offset) throw std::invalid_argument("no game edition given");
    return *offset;
}

void putField(ByteImage& image, std::size_t offset, std::size_t width, std::string_view bytes)
{
    if (bytes.size() > width) throw std::logic_error("sample text does not fit its field");
    for (std::size_t i = 0; i < width; ++i) {
        image.at(offset + i) = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0};
    }
}

SampleFiles makeSampleFiles(GameEdition edition, std::optional<std::uint32_t> randomSeed)
{
    const std::uint64_t length = exeLengthOf(edition);
    if (length == 0) throw std::invalid_argument("no game edition given");

    SampleFiles files;
    files.exe = fillerBytes(static_cast<std::size_t>(length), edition);
    fillExeTables(files.exe, edition);
    fillStartingBase(files.exe, edition);
    fillSoldierNames(files.exe, edition);
    fillFacilityTypes(files.exe, edition);
    files.obdata = makeItemTable();
    files.english = makeEnglishStrings();
    files.english2 = makeEnglish2Strings();
    if (randomSeed) randomizeTables(files.exe, files.obdata, files.english, files.english2, edition, *randomSeed);
    return files;
}

GameFileSet loadedSampleFiles(GameEdition edition, std::optional<std::uint32_t> randomSeed)
{
    SampleFiles made = makeSampleFiles(edition, randomSeed);
    GameFileSet game;
    game.edition = edition;
    game.complete = true;
    for (auto [id, bytes] : {std::pair{FileId::Exe, &made.exe}, std::pair{FileId::English, &made.english},
                             std::pair{FileId::English2, &made.english2}, std::pair{FileId::Obdata, &made.obdata}}) {
        LoadedFile& file = game.file(id);
        file.image = std::move(*bytes);
        file.asRead = file.image;
        file.loaded = true;
    }
    return game;
}

std::string writeSampleGame(const std::string& directory, GameEdition edition, std::optional<std::uint32_t> randomSeed)
{
    const SampleFiles files = makeSampleFiles(edition, randomSeed);
    const std::filesystem::path root = std::filesystem::absolute(directory);
    const std::filesystem::path exePath = isDosEdition(edition) ? root / "QEVEXE" / "GEOSCAPE.EXE" : root / "QEV.EXE";

    writeWhole(root / "GEODATA" / "OBDATA.DAT", files.obdata);
    writeWhole(root / "GEODATA" / "ENGLISH.DAT", files.english);
    writeWhole(root / "GEODATA" / "ENGLISH2.DAT", files.english2);
    writeWhole(exePath, files.exe);
    return exePath.string();
}

} // namespace orvane::sample
