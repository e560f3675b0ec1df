#include "core/AskValue.h"
#include "support/PageTest.h"

namespace orvane {
namespace {

using namespace test;

// Above the limit (as typed or whole) or not a byte brings the box back; Cancel and empty give nothing.
TEST(AskValue, eachAnswerIsTakenRoundedOrAskedAgainAndTextLimitsCountCharacters)
{
    using enum LimitCheck;
    const ValueBox box{ChangeAmountTitle, amountPrompt("79", {"third line"}), "12"};
    const struct {
        double limit;
        LimitCheck check;
        Answers answers;
        std::optional<std::uint8_t> value;
    } cases[] = {
        {79, OnEntry, {"79.5", "-3", "-0.6", "1e999", "78.5"}, 78},
        {255, OnEntry, {"255.4", "254.5"}, 254},
        {100, OnEntry, {"99.5"}, 100},
        {255, OnEntry, {"-0.4"}, 0},
        {255, OnEntry, {"abc"}, 0},
        {79, OnWholeNumber, {"79.5", "80", "79.4"}, 79},
        {79, OnWholeNumber, {"78.5"}, 78},
        {255, OnEntry, {Cancel}, std::nullopt},
        {255, OnEntry, {""}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.front().value_or("Cancel"));
        ScriptedPrompts prompts;
        for (const auto& answer : c.answers) prompts.answer(answer);
        EXPECT_EQ(askByte(prompts, box, c.limit, c.check), c.value);
        EXPECT_TRUE(prompts.scriptUsed());
        expectBoxes(prompts, "Change Amount", box.prompt, "12");
    }

    // A short text's limit counts characters, not bytes.
    ScriptedPrompts prompts;
    prompts.answer("\u00e9\u00e9\u00e9").answer("ABC").answer("");
    const ValueBox nameBox{"New Name", "prompt", "OLD"};
    EXPECT_EQ(askShortText(prompts, nameBox, 3), std::optional<std::string>("\u00e9\u00e9\u00e9"));
    EXPECT_EQ(askShortText(prompts, nameBox, 2), std::nullopt);
    EXPECT_EQ(prompts.shown().size(), 3u);
    EXPECT_EQ(prompts.shown()[2].defaultText, "OLD");
}

} // namespace
} // namespace orvane
