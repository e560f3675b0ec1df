#include "core/FieldLayout.h"

#include "core/CodePage.h"

namespace orvane {

std::int64_t readStoredNumber(const ByteImage& image, std::size_t at, const FieldLayout& field)
{
    if (field.width == 2) {
        return field.encoding == FieldEncoding::Signed ? std::int64_t{readS16(image, at)}
                                                       : std::int64_t{readU16(image, at)};
    }
    const std::uint8_t byte = image.at(at);
    return field.encoding == FieldEncoding::Signed ? std::int64_t{static_cast<std::int8_t>(byte)} : std::int64_t{byte};
}

std::vector<std::uint8_t> storedBytes(const FieldLayout& field, std::int64_t stored)
{
    const auto bits = static_cast<std::uint16_t>(stored);
    if (field.width == 2) return {static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>(bits >> 8)};
    return {static_cast<std::uint8_t>(bits & 0xFF)};
}

void writeStoredNumber(ByteImage& image, std::size_t at, const FieldLayout& field, std::int64_t stored)
{
    const auto bytes = storedBytes(field, stored);
    for (std::size_t i = 0; i < bytes.size(); ++i) image.at(at + i) = bytes[i];
}

std::string showField(const ByteImage& image, std::size_t recordStart, std::size_t record, const FieldLayout& field)
{
    const std::size_t at = recordStart + field.offset;
    if (field.encoding == FieldEncoding::Text) return decodeField(image, at, field.width);
    const std::int64_t stored = readStoredNumber(image, at, field);
    if (const FieldOption* option = optionWithCode(field.entry, record, stored)) return option->caption;
    const std::int64_t shown = shownNumber(stored, field.entry);
    return field.format != nullptr ? field.format(shown) : std::to_string(shown);
}

} // namespace orvane
