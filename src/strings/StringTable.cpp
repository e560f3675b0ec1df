#include "strings/StringTable.h"

#include <cstring>
#include <span>

#include "core/CodePage.h"

namespace orvane::strings {

void findStringStarts(const ByteImage& image, std::vector<std::size_t>& starts)
{
    starts.assign(1, 0);
    const std::uint8_t* const begin = image.data();
    const std::uint8_t* const end = begin + image.size();
    for (const std::uint8_t* at = begin; at != end;) {
        const auto* zero = static_cast<const std::uint8_t*>(std::memchr(at, 0, static_cast<std::size_t>(end - at)));
        if (zero == nullptr) break;
        starts.push_back(static_cast<std::size_t>(zero - begin) + 1);
        at = zero + 1;
    }
}

void decodeStrings(const ByteImage& image, const std::vector<std::size_t>& starts, std::vector<std::string>& texts)
{
    if (starts.empty() || starts.back() > image.size()) {
        texts.clear();
        return;
    }
    texts.resize(starts.size() - 1);
    const std::span<const std::uint8_t> bytes(image);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k].clear();
        appendGameText(texts[k], bytes.subspan(starts[k], starts[k + 1] - 1 - starts[k]));
    }
}

std::optional<StringReplacement> placeOf(const ByteImage& image, const std::vector<std::size_t>& starts,
                                         std::size_t index)
{
    if (index + 1 >= starts.size()) return std::nullopt;
    const std::size_t begin = starts[index];
    const std::size_t afterTerminator = starts[index + 1];
    if (afterTerminator <= begin || afterTerminator > image.size() || image[afterTerminator - 1] != 0) {
        return std::nullopt;
    }
    return StringReplacement{begin, afterTerminator, {}};
}

void rebuildTable(ByteImage& rebuilt, std::span<const std::uint8_t> table,
                  std::span<const StringReplacement> replacements)
{
    std::size_t length = table.size();
    for (const StringReplacement& replacement : replacements) {
        length = length + replacement.bytes.size() + 1 - (replacement.afterTerminator - replacement.begin);
    }
    rebuilt.clear();
    // The table is rebuilt in memory it keeps; when it must grow, it takes room for more edits at once,
    // so a run of longer strings does not move the whole file to new memory each time.
    if (rebuilt.capacity() < length) rebuilt.reserve(length + length / 8);
    std::size_t copiedTo = 0;
    for (const StringReplacement& replacement : replacements) {
        rebuilt.insert(rebuilt.end(), table.begin() + static_cast<std::ptrdiff_t>(copiedTo),
                       table.begin() + static_cast<std::ptrdiff_t>(replacement.begin));
        rebuilt.insert(rebuilt.end(), replacement.bytes.begin(), replacement.bytes.end());
        rebuilt.push_back(0);
        copiedTo = replacement.afterTerminator;
    }
    rebuilt.insert(rebuilt.end(), table.begin() + static_cast<std::ptrdiff_t>(copiedTo), table.end());
}

} // namespace orvane::strings
