#include <gtest/gtest.h>

#include "core/CodePage.h"

namespace orvane {
namespace {

TEST(CodePage, everyByteMapsToItsGlyphAndBackNothingElseHasACodeAndFieldsEndAtAZero)
{
    for (int code = 1; code < 256; ++code) EXPECT_EQ(CharCode(characterOf(static_cast<std::uint8_t>(code))), code);
    const std::pair<std::uint8_t, const char*> glyphs[] = {{0x41, "A"},      {0x82, "\u00e9"}, {0x01, "\u263a"},
                                                           {0x7F, "\u2302"}, {0xE1, "\u00df"}, {0xFF, "\u00a0"}};
    for (const auto& [code, glyph] : glyphs) EXPECT_EQ(characterOf(code), glyph) << int{code};

    // Nothing else has a code: the euro sign, a byte that is not UTF-8, a zero byte, and overlong forms of a
    // character, which are not that character: C1 BC would otherwise read as "|", E0 83 A9 as "\u00e9".
    for (const std::string text : {"", "AB", "\u20ac", "\xff", "\xc1\xbc", "\xe0\x81\xbc", "\xe0\x83\xa9"})
        EXPECT_EQ(CharCode(text), 0) << text;
    EXPECT_EQ(CharCode(std::string(1, '\0')), 0);

    // Fields read up to the first zero and write with zero fill.
    ByteImage image(10, 0xAA);
    writeField(image, 2, 5, "R\u00e9\u20acx");
    EXPECT_EQ(image, (ByteImage{0xAA, 0xAA, 'R', 0x82, 0x00, 'x', 0x00, 0xAA, 0xAA, 0xAA}));
    EXPECT_EQ(decodeField(image, 2, 5), "R\u00e9");

    ByteImage full{'A', 'B', 'C'};
    EXPECT_EQ(decodeField(full, 0, 3), "ABC");
    EXPECT_EQ(characterCount("R\u00e9\u263a"), 3u);
}

} // namespace
} // namespace orvane
