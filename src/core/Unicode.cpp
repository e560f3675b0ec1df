#include "core/Unicode.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#if ORVANE_HAVE_UTF8PROC
#include <utf8proc.h>
#endif

namespace orvane {

std::string normalizedText(std::string text)
{
#if ORVANE_HAVE_UTF8PROC
    // ASCII is in composed form already: the common case costs one pass and no allocation.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return text;
    utf8proc_uint8_t* composed = nullptr;
    const utf8proc_ssize_t length =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()), static_cast<utf8proc_ssize_t>(text.size()),
                     &composed, static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    if (length < 0) return text;
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(composed, &std::free);
    return std::string(reinterpret_cast<const char*>(composed), static_cast<std::size_t>(length));
#elif defined(_WIN32) || defined(__EMSCRIPTEN__)
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return text;
    auto composed = composedBySystem(text);
    return composed ? std::move(*composed) : text;
#else
    return text;
#endif
}

#if ORVANE_HAVE_UTF8PROC || defined(_WIN32) || defined(__EMSCRIPTEN__)
bool unicodeNormalisation() { return true; }
#else
bool unicodeNormalisation() { return false; }
#endif

} // namespace orvane
