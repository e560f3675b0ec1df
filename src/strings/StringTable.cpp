#include "strings/StringTable.h"

#include <cstring>
#include <span>

#include "core/CodePage.h"

namespace orvane::strings {

std::vector<std::size_t> stringStarts(const ByteImage& image)
{
    std::vector<std::size_t> starts{0};
    const std::uint8_t* const begin = image.data();
    const std::uint8_t* const end = begin + image.size();
    for (const std::uint8_t* at = begin; at != end;) {
        const auto* zero = static_cast<const std::uint8_t*>(std::memchr(at, 0, static_cast<std::size_t>(end - at)));
        if (zero == nullptr) break;
        starts.push_back(static_cast<std::size_t>(zero - begin) + 1);
        at = zero + 1;
    }
    return starts;
}

std::vector<std::string> decodeStrings(const ByteImage& image, const std::vector<std::size_t>& starts)
{
    std::vector<std::string> texts;
    if (starts.empty() || starts.back() > image.size()) return texts;
    texts.reserve(starts.size() - 1);
    const std::span<const std::uint8_t> bytes(image);
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        texts.push_back(decodeGameText(bytes.subspan(starts[k], starts[k + 1] - 1 - starts[k])));
    }
    return texts;
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

ByteImage rebuildWith(const StringSurroundings& around, const std::vector<std::uint8_t>& stringBytes)
{
    ByteImage table;
    table.reserve(around.head.size() + stringBytes.size() + 1 + around.tail.size());
    table.insert(table.end(), around.head.begin(), around.head.end());
    table.insert(table.end(), stringBytes.begin(), stringBytes.end());
    table.push_back(0);
    table.insert(table.end(), around.tail.begin(), around.tail.end());
    return table;
}

} // namespace orvane::strings
