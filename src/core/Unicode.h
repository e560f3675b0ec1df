#pragma once
// Text as users type it: the same characters may come composed ("é", one code point, as most systems
// write it) or decomposed ("e" and a combining acute accent, as macOS writes file names and some
// editors write text). The game's code page has the composed characters only, so text is brought to
// composed form (Unicode NFC) before it is mapped to the code page. utf8proc does the work.
#include <optional>
#include <string>

namespace orvane {

// The text in Unicode normalisation form C; a text that is not UTF-8, or a build without utf8proc
// (see unicodeNormalisation()), gives the text as it is.
std::string normalizedText(std::string text);

// True when the build normalises text: with utf8proc, or on Windows with the system's own normalisation.
bool unicodeNormalisation();

// Windows and WebAssembly builds without utf8proc: the text in form C by the system (NormalizeString, or
// the JavaScript engine's normalize), nothing when the text is not UTF-8 or the system refuses it.
std::optional<std::string> composedBySystem(const std::string& text);

} // namespace orvane
