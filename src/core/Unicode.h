#pragma once
// Typed text may come composed ("é") or decomposed ("e" and a combining accent, as macOS writes it); the game's
// code page has composed characters only, so text is brought to NFC (by utf8proc) before it is mapped.
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
