#pragma once
// Game text: every byte 1..255 is one character of code page 437; inside the model text is UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/ByteImage.h"

namespace orvane {

// The UTF-8 text of one game byte; byte 0 gives U+0000.
std::string characterOf(std::uint8_t code);

// The Unicode code point of one game byte; byte 0 gives U+0000.
char32_t codePointOf(std::uint8_t code);

// The UTF-8 text of a character of Unicode's first plane (below U+10000), as the code page's own are.
std::string utf8Character(char32_t point);

// Appends the UTF-8 text of a run of game bytes, decoded in one pass through a 256-entry table.
void appendGameText(std::string& text, std::span<const std::uint8_t> bytes);

// The code of a one-character text, 1 to 255; 0 for the empty text, a longer text
// or a character outside the code page.
std::uint8_t CharCode(std::string_view oneCharacter);

// The characters of a UTF-8 text, one string each. Malformed bytes count as one character each.
std::vector<std::string> splitCharacters(std::string_view text);

std::size_t characterCount(std::string_view text);

// The game bytes of a text, one byte per character through CharCode.
std::vector<std::uint8_t> encodeGameText(std::string_view text);

// The first character of a text that has no code 1 to 255 (it would be written as a zero byte);
// nothing when every character has one.
std::optional<std::string> firstCharacterOutsideCodePage(std::string_view text);

// The text of a fixed-width field: its bytes up to the first zero byte (all of them when there is none).
std::string decodeField(const ByteImage& image, std::size_t offset, std::size_t width);

// The bytes of a text in a fixed-width field: one byte per character through CharCode, zeros after it.
// Only the first `width` characters fit; the caller checks the length first.
std::vector<std::uint8_t> fieldBytes(std::string_view text, std::size_t width);
void writeField(ByteImage& image, std::size_t offset, std::size_t width, std::string_view text);

} // namespace orvane
