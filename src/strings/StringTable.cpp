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

std::optional<StringSurroundings> surroundingsOf(const ByteImage& image, const std::vector<std::size_t>& starts,
                                                 std::size_t index)
{
    if (index + 1 >= starts.size()) return std::nullopt;
    const std::size_t begin = starts[index];
    const std::size_t afterTerminator = starts[index + 1];
    if (afterTerminator <= begin || afterTerminator > image.size() || image[afterTerminator - 1] != 0) {
        return std::nullopt;
    }
    const auto offset = [&image](std::size_t at) { return image.begin() + static_cast<std::ptrdiff_t>(at); };
    return StringSurroundings{ByteImage(image.begin(), offset(begin)), ByteImage(offset(afterTerminator), image.end())};
}

void rebuildTable(ByteImage& table, const StringSurroundings& around, const std::vector<std::uint8_t>& stringBytes)
{
    const std::size_t length = around.head.size() + stringBytes.size() + 1 + around.tail.size();
    table.clear();
    // The table is rebuilt in its own memory; when it must grow, it takes room for more edits at once,
    // so a run of longer strings does not move the whole file to new memory each time.
    if (table.capacity() < length) table.reserve(length + length / 8);
    table.insert(table.end(), around.head.begin(), around.head.end());
    table.insert(table.end(), stringBytes.begin(), stringBytes.end());
    table.push_back(0);
    table.insert(table.end(), around.tail.begin(), around.tail.end());
}

} // namespace orvane::strings
