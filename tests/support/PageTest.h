#pragma once
// What the page tests share: diff and answer names, the amount prompts, checks on boxes and messages.
#include "support/SampleSession.h"

namespace orvane::test {

using Changes = std::map<std::size_t, std::uint8_t>;
using Answers = std::vector<std::optional<std::string>>;
inline constexpr std::nullopt_t Cancel = std::nullopt;

inline std::string amountLimitPrompt(const std::string& limit, const char* wording = "the number cannot")
{
    return "Enter the amount you would like to have.\n(Remember, " + std::string(wording) + " exceed " + limit + ").";
}
inline const std::string WordPrompt = amountLimitPrompt("28,671", "this cannot");

// The changes that give `before` the bytes of `text`, then zeros up to `width`, from `offset` on.
inline Changes fieldWrite(const ByteImage& before, std::size_t offset, const std::string& text, std::size_t width)
{
    Changes changes;
    for (std::size_t i = 0; i < width; ++i) {
        const auto byte = i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{0};
        if (before.at(offset + i) != byte) changes[offset + i] = byte;
    }
    return changes;
}

// A loaded sample game with one page's editor on it, made before the load as the program makes it.
template <typename Editor>
struct LoadedPage {
    explicit LoadedPage(GameEdition edition) : game(edition), editor(game.session) { game.load(); }
    SampleSession game;
    Editor editor;
};

// Every box shown since the prompts were last cleared had this title, text and default text.
inline void expectBoxes(const ScriptedPrompts& prompts, const std::string& title, const std::string& text,
                        const std::string& defaultText)
{
    EXPECT_FALSE(prompts.shown().empty());
    for (const ShownBox& box : prompts.shown()) {
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.defaultText, defaultText);
    }
}

// Exactly one message was shown, under this title, and its text holds `part`.
inline void expectOneMessage(const ScriptedPrompts& prompts, const std::string& title, const std::string& part)
{
    const auto messages = prompts.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, title);
    EXPECT_NE(messages[0].text.find(part), std::string::npos) << messages[0].text;
}

} // namespace orvane::test
