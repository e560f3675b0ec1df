#include "core/FieldLayout.h"

#include "core/CodePage.h"

namespace orvane {

namespace {

std::int64_t readNumber(const ByteImage& image, std::size_t at, const FieldLayout& field)
{
    if (field.width == 2) {
        return field.encoding == FieldEncoding::Signed ? std::int64_t{readS16(image, at)} : std::int64_t{readU16(image, at)};
    }
    const std::uint8_t byte = image.at(at);
    return field.encoding == FieldEncoding::Signed ? std::int64_t{static_cast<std::int8_t>(byte)} : std::int64_t{byte};
}

} // namespace

std::string showField(const ByteImage& image, std::size_t recordStart, std::size_t record, const FieldLayout& field)
{
    const std::size_t at = recordStart + field.offset;
    if (field.encoding == FieldEncoding::Text) return decodeField(image, at, field.width);
    const std::int64_t number = readNumber(image, at, field);
    return field.shown != nullptr ? field.shown(number, record) : std::to_string(number);
}

} // namespace orvane
