#include "core/Unicode.h"

#include <windows.h>

namespace orvane {
namespace {

std::optional<std::wstring> wideOf(const std::string& text)
{
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::optional<std::string> composedBySystem(const std::string& text)
{
    const auto wide = wideOf(text);
    if (!wide) return std::nullopt;
    const int size = static_cast<int>(wide->size());
    // The first call estimates the length; a composed text is never longer than its input by much.
    int room = NormalizeString(NormalizationC, wide->data(), size, nullptr, 0);
    if (room <= 0) return std::nullopt;
    std::wstring composed(static_cast<std::size_t>(room), L'\0');
    const int length = NormalizeString(NormalizationC, wide->data(), size, composed.data(), room);
    if (length <= 0) return std::nullopt;
    composed.resize(static_cast<std::size_t>(length));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, composed.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::nullopt;
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, composed.data(), length, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

} // namespace orvane
