#include <gtest/gtest.h>

#include "core/CodePage.h"

namespace orvane {
namespace {

TEST(CodePage, EveryByteMapsToOneCharacterAndBack)
{
    for (int code = 1; code < 256; ++code) {
        const auto b = static_cast<std::uint8_t>(code);
        EXPECT_EQ(CharCode(characterOf(b)), b) << code;
    }
}

TEST(CodePage, KnownGlyphs)
{
    EXPECT_EQ(characterOf(0x41), "A");
    EXPECT_EQ(characterOf(0x82), "\u00e9");
    EXPECT_EQ(characterOf(0x01), "\u263a");
    EXPECT_EQ(characterOf(0x7F), "\u2302");
    EXPECT_EQ(characterOf(0xE1), "\u00df");
    EXPECT_EQ(characterOf(0xFF), "\u00a0");
}

TEST(CodePage, CharCodeIsZeroForWhatIsNotOneCharacterOfTheCodePage)
{
    EXPECT_EQ(CharCode(""), 0);
    EXPECT_EQ(CharCode("AB"), 0);
    EXPECT_EQ(CharCode("\u20ac"), 0); // euro sign
    EXPECT_EQ(CharCode("\xff"), 0);   // not UTF-8
    EXPECT_EQ(CharCode(std::string(1, '\0')), 0);
    // Overlong forms of a character are not that character: C1 BC would otherwise read as "|".
    EXPECT_EQ(CharCode("\xc1\xbc"), 0);
    EXPECT_EQ(CharCode("\xe0\x81\xbc"), 0);
    EXPECT_EQ(CharCode("\xe0\x83\xa9"), 0); // an overlong "\u00e9"
}

TEST(CodePage, FieldsReadUpToTheFirstZeroAndWriteWithZeroFill)
{
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
