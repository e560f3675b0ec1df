// Composed form (NFC) in WebAssembly: the JavaScript engine's own String.prototype.normalize, in the
// browser as under Node.
#include "core/Unicode.h"

#include <emscripten.h>

// clang-format off
// Texts go as bytes both ways, so a NUL stays a character; bytes that are not UTF-8 answer -1.
EM_JS(int, composedLengthInJavaScript, (const char* text, int length), {
    try {
        const decoded = new TextDecoder("utf-8", {fatal: true, ignoreBOM: true}).decode(HEAPU8.subarray(text, text + length));
        return new TextEncoder().encode(decoded.normalize("NFC")).length;
    } catch (notUtf8) {
        return -1;
    }
});
EM_JS(void, composeInJavaScript, (const char* text, int length, char* out), {
    const decoded = new TextDecoder("utf-8", {fatal: true, ignoreBOM: true}).decode(HEAPU8.subarray(text, text + length));
    HEAPU8.set(new TextEncoder().encode(decoded.normalize("NFC")), out);
});
// clang-format on

namespace orvane {

std::optional<std::string> composedBySystem(const std::string& text)
{
    const int size = static_cast<int>(text.size());
    const int length = composedLengthInJavaScript(text.data(), size);
    if (length < 0) return std::nullopt;
    std::string composed(static_cast<std::size_t>(length), '\0');
    composeInJavaScript(text.data(), size, composed.data());
    return composed;
}

} // namespace orvane
