// Texts brought to composed form (NFC) with utf8proc before they meet the game's code page.
#include <gtest/gtest.h>

#include "core/CodePage.h"
#include "core/Unicode.h"

namespace orvane {
namespace {

TEST(Unicode, decomposedTextsBecomeComposedAndOthersStayAsTheyAre)
{
    if (!unicodeNormalisation()) GTEST_SKIP() << "this build cannot normalise: texts are taken as written";
    EXPECT_EQ(normalizedText("Fe\u0302te d'e\u0301te\u0301"), "F\u00eate d'\u00e9t\u00e9");
    EXPECT_EQ(normalizedText("A\u030a"), "\u00c5"); // the Angstrom's ring, composed to the game's Å
    EXPECT_EQ(normalizedText("plain ASCII"), "plain ASCII");
    EXPECT_EQ(normalizedText("\u00e9"), "\u00e9");
    EXPECT_EQ(normalizedText("bad \xFF UTF-8"), "bad \xFF UTF-8");
    EXPECT_EQ(normalizedText(std::string("a\0b\u00e9", 5)), std::string("a\0b\u00e9", 5));
    // Composed, the text is the game's; decomposed it would have held a character the game lacks.
    EXPECT_FALSE(firstCharacterOutsideCodePage(normalizedText("Fuse\u0301e")));
    EXPECT_TRUE(firstCharacterOutsideCodePage("Fuse\u0301e"));
}

} // namespace
} // namespace orvane
