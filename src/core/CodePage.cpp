#include "core/CodePage.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace orvane {
namespace {

// Code page 437 glyphs for 0x00..0xFF; 0x00 stays U+0000, 0x20..0x7E are ASCII.
constexpr std::array<char32_t, 256> cp437 = [] {
    std::array<char32_t, 256> table{};
    constexpr char32_t low[32] = {0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
                                  0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
                                  0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
                                  0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};
    constexpr char32_t high[128] = {
        0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
        0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
        0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
        0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
        0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
        0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
        0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
        0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
        0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
        0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};
    for (std::size_t i = 0; i < 32; ++i) table[i] = low[i];
    for (std::size_t i = 32; i < 127; ++i) table[i] = static_cast<char32_t>(i);
    table[127] = 0x2302;
    for (std::size_t i = 0; i < 128; ++i) table[128 + i] = high[i];
    return table;
}();

const std::unordered_map<char32_t, std::uint8_t>& codeOfCharacter()
{
    static const auto map = [] {
        std::unordered_map<char32_t, std::uint8_t> m;
        for (std::size_t code = 1; code < 256; ++code) m.emplace(cp437[code], static_cast<std::uint8_t>(code));
        return m;
    }();
    return map;
}

// The UTF-8 bytes of one code page character: every glyph of the table fits in three.
struct Utf8Glyph {
    std::array<char, 3> bytes{};
    std::size_t size = 0;
};

constexpr Utf8Glyph utf8Of(char32_t c)
{
    Utf8Glyph glyph;
    if (c < 0x80) {
        glyph.bytes = {static_cast<char>(c), 0, 0};
        glyph.size = 1;
    } else if (c < 0x800) {
        glyph.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
        glyph.size = 2;
    } else {
        glyph.bytes = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
        glyph.size = 3;
    }
    return glyph;
}

constexpr std::array<Utf8Glyph, 256> utf8Glyphs = [] {
    std::array<Utf8Glyph, 256> table{};
    for (std::size_t code = 0; code < 256; ++code) table[code] = utf8Of(cp437[code]);
    return table;
}();

void appendCharacter(std::string& out, std::uint8_t code)
{
    const Utf8Glyph& glyph = utf8Glyphs[code];
    out.append(glyph.bytes.data(), glyph.size);
}

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Decodes one well-formed UTF-8 character; returns nothing for anything else.
bool decodeOne(std::string_view s, char32_t& out)
{
    if (s.empty()) return false;
    const auto lead = static_cast<unsigned char>(s[0]);
    const std::size_t n = sequenceLength(lead);
    if (n != s.size()) return false;
    if (n == 1) {
        if (lead >= 0x80) return false;
        out = lead;
        return true;
    }
    char32_t value = lead & (0xFF >> (n + 1));
    for (std::size_t i = 1; i < n; ++i) {
        const auto cont = static_cast<unsigned char>(s[i]);
        if ((cont & 0xC0) != 0x80) return false;
        value = (value << 6) | (cont & 0x3F);
    }
    // An overlong form (C1 BC for "|") names no character: only the shortest form is read.
    constexpr char32_t smallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallestOfLength[n]) return false;
    out = value;
    return true;
}

} // namespace

char32_t codePointOf(std::uint8_t code) { return cp437[code]; }

std::string utf8Character(char32_t point)
{
    const Utf8Glyph glyph = utf8Of(point);
    return std::string(glyph.bytes.data(), glyph.size);
}

std::string characterOf(std::uint8_t code)
{
    std::string out;
    appendCharacter(out, code);
    return out;
}

void appendGameText(std::string& text, std::span<const std::uint8_t> bytes)
{
    // Most game text is printable ASCII, whose bytes are already its UTF-8: copied as they stand.
    const bool printableAscii =
        std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b >= 0x20 && b < 0x7F; });
    if (printableAscii) {
        text.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return;
    }
    // Otherwise measure first, then write into place: one size change instead of one per character.
    std::size_t length = 0;
    for (const std::uint8_t b : bytes) length += utf8Glyphs[b].size;
    const std::size_t start = text.size();
    text.resize(start + length);
    char* out = text.data() + start;
    for (const std::uint8_t b : bytes) {
        const Utf8Glyph& glyph = utf8Glyphs[b];
        for (std::size_t i = 0; i < glyph.size; ++i) *out++ = glyph.bytes[i];
    }
}

std::uint8_t CharCode(std::string_view oneCharacter)
{
    char32_t c = 0;
    if (!decodeOne(oneCharacter, c) || c == 0) return 0;
    const auto& map = codeOfCharacter();
    const auto found = map.find(c);
    return found == map.end() ? std::uint8_t{0} : found->second;
}

std::vector<std::string> splitCharacters(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(text[i]));
        n = std::min(n, text.size() - i);
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::size_t characterCount(std::string_view text) { return splitCharacters(text).size(); }

namespace {

// Printable ASCII is its own code page 437 bytes: most game text is, and needs no lookup.
bool printableAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

std::vector<std::uint8_t> encodeGameText(std::string_view text)
{
    if (printableAscii(text)) return std::vector<std::uint8_t>(text.begin(), text.end());
    std::vector<std::uint8_t> out;
    for (const auto& c : splitCharacters(text)) out.push_back(CharCode(c));
    return out;
}

std::optional<std::string> firstCharacterOutsideCodePage(std::string_view text)
{
    if (printableAscii(text)) return std::nullopt;
    for (auto& c : splitCharacters(text)) {
        if (CharCode(c) == 0) return std::move(c);
    }
    return std::nullopt;
}

std::string decodeField(const ByteImage& image, std::size_t offset, std::size_t width)
{
    std::string text;
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint8_t b = image.at(offset + i);
        if (b == 0) break;
        appendCharacter(text, b);
    }
    return text;
}

std::vector<std::uint8_t> fieldBytes(std::string_view text, std::size_t width)
{
    auto bytes = encodeGameText(text);
    bytes.resize(width, 0);
    return bytes;
}

void writeField(ByteImage& image, std::size_t offset, std::size_t width, std::string_view text)
{
    const auto bytes = fieldBytes(text, width);
    for (std::size_t i = 0; i < width; ++i) image.at(offset + i) = bytes[i];
}

} // namespace orvane
