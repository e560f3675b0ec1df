#include <gtest/gtest.h>

#include "core/AskValue.h"
#include "support/ScriptedPrompts.h"

namespace orvane {
namespace {

using test::ScriptedPrompts;

const ValueBox box{ChangeAmountTitle, amountPrompt("79", {"third line"}), "12"};

TEST(AskValue, PromptLinesAreJoinedByLineFeeds)
{
    EXPECT_EQ(amountPrompt("255"),
              "Enter the amount you would like to have.\n(Remember, the number cannot exceed 255).");
    EXPECT_EQ(amountPrompt("79", {"a", "b"}),
              "Enter the amount you would like to have.\n(Remember, the number cannot exceed 79).\na\nb");
}

TEST(AskValue, AboveTheLimitOrNotAByteTheSameBoxComesAgain)
{
    ScriptedPrompts prompts;
    prompts.answer("79.5").answer("-3").answer("1e999").answer("78.5");
    EXPECT_EQ(askByte(prompts, box, 79), std::optional<std::uint8_t>(78));
    ASSERT_EQ(prompts.shown().size(), 4u);
    for (const auto& shown : prompts.shown()) {
        EXPECT_EQ(shown.title, "Change Amount");
        EXPECT_EQ(shown.text, box.prompt);
        EXPECT_EQ(shown.defaultText, "12");
    }
}

TEST(AskValue, TheLimitHoldsForTheNumberAsTypedOrForItsWholeNumber)
{
    ScriptedPrompts prompts;
    prompts.answer("255.4").answer("254.5").answer("99.5").answer("-0.4").answer("abc");
    EXPECT_EQ(askByte(prompts, box, 255), std::optional<std::uint8_t>(254));
    EXPECT_EQ(askByte(prompts, box, 100), std::optional<std::uint8_t>(100));
    EXPECT_EQ(askByte(prompts, box, 255), std::optional<std::uint8_t>(0));
    EXPECT_EQ(askByte(prompts, box, 255), std::optional<std::uint8_t>(0));
    EXPECT_EQ(prompts.shown().size(), 5u);

    ScriptedPrompts items;
    items.answer("79.5").answer("80").answer("79.4").answer("78.5");
    EXPECT_EQ(askByte(items, box, 79, LimitCheck::OnWholeNumber), std::optional<std::uint8_t>(79));
    EXPECT_EQ(askByte(items, box, 79, LimitCheck::OnWholeNumber), std::optional<std::uint8_t>(78));
    EXPECT_EQ(items.shown().size(), 4u);
}

TEST(AskValue, CancelAndEmptyAnswerGiveNothing)
{
    ScriptedPrompts prompts;
    prompts.answer(std::nullopt).answer("");
    EXPECT_FALSE(askByte(prompts, box, 255));
    EXPECT_FALSE(askByte(prompts, box, 255));
    EXPECT_TRUE(prompts.scriptUsed());
}

TEST(AskValue, ShortTextLimitCountsCharactersNotBytes)
{
    ScriptedPrompts prompts;
    prompts.answer("\u00e9\u00e9\u00e9").answer("ABC").answer(std::nullopt);
    const ValueBox nameBox{"New Name", "prompt", "OLD"};
    EXPECT_EQ(askShortText(prompts, nameBox, 3), std::optional<std::string>("\u00e9\u00e9\u00e9"));
    EXPECT_EQ(askShortText(prompts, nameBox, 2), std::nullopt);
    EXPECT_EQ(prompts.shown().size(), 3u);
    EXPECT_EQ(prompts.shown()[2].defaultText, "OLD");
}

} // namespace
} // namespace orvane
