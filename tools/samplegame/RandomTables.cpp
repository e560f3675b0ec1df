// Sample games whose tables hold random bytes: every value a field can hold turns up, options that
// match no option button, names with bytes after their end, strings of any byte but zero.
#include <random>

#include "samplegame/SampleLayout.h"
#include "samplegame/SampleParts.h"

namespace orvane::sample {
namespace {

constexpr std::size_t RandomStrings = 300;
constexpr std::size_t LongestRandomString = 40;

void fillRandom(ByteImage& image, std::size_t start, std::size_t length, std::mt19937& random)
{
    for (std::size_t i = 0; i < length; ++i) image.at(start + i) = static_cast<std::uint8_t>(random() >> 24);
}

// Random strings of bytes 1 to 255, each ended by a zero byte, then up to three bytes after the last.
ByteImage randomStrings(std::mt19937& random)
{
    ByteImage table;
    for (std::size_t n = 0; n < RandomStrings; ++n) {
        const std::size_t length = random() % (LongestRandomString + 1);
        for (std::size_t i = 0; i < length; ++i) table.push_back(static_cast<std::uint8_t>(1 + random() % 255));
        table.push_back(0);
    }
    const std::size_t trailing = random() % 4;
    for (std::size_t i = 0; i < trailing; ++i) table.push_back(static_cast<std::uint8_t>(1 + random() % 255));
    return table;
}

} // namespace

void randomizeTables(ByteImage& exe, ByteImage& obdata, ByteImage& english, ByteImage& english2, GameEdition edition,
                     std::uint32_t seed)
{
    std::mt19937 random(seed);
    // The same order in every edition, so a seed gives the same tables everywhere.
    fillRandom(exe, tableStart(LastNameTableStart, edition), SoldierNames * (LastNameWidth + FirstNameWidth), random);
    fillRandom(exe, tableStart(StartingBaseStart, edition), StoresOffset + 2 * StoreSlots, random);
    fillRandom(exe, tableStart(FacilityTableStart, edition), FacilityTypes * FacilityRecordSize, random);
    fillRandom(exe, tableStart(UnitTableStart, edition), UnitRecords * UnitRecordSize, random);
    fillRandom(obdata, 0, obdata.size(), random);
    english = randomStrings(random);
    english2 = randomStrings(random);
}

} // namespace orvane::sample
