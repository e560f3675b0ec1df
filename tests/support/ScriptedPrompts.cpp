#include "support/ScriptedPrompts.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace orvane::test {

// Records the box and gives the script's next answer for it, or `none` when the script has no answer.
template <typename Answer>
Answer ScriptedPrompts::next(std::deque<Answer>& answers, ShownBox box, Answer none)
{
    shown_.push_back(std::move(box));
    if (answers.empty()) {
        unexpected_.push_back(shown_.back());
        ADD_FAILURE() << "unexpected " << shown_.back().kind << " box \"" << shown_.back().title
                      << "\": " << shown_.back().text;
        return none;
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompts::askText(const std::string& title, const std::string& prompt,
                                                    const std::string& defaultText)
{
    return next(texts_, {"text", title, prompt, defaultText}, std::optional<std::string>{});
}

bool ScriptedPrompts::askYesNo(const std::string& title, const std::string& text)
{
    return next(yesNo_, {"yesno", title, text, {}}, false);
}

std::size_t ScriptedPrompts::askChoice(const std::string& title, const std::string& text,
                                       const std::vector<std::string>& buttons, std::size_t, std::size_t escapeButton)
{
    const auto button = next(choices_, {"choice", title, text, {}}, std::optional<std::string>{});
    const auto chosen = std::find(buttons.begin(), buttons.end(), button.value_or(""));
    if (button && chosen == buttons.end()) ADD_FAILURE() << "the box \"" << title << "\" has no button " << *button;
    return chosen == buttons.end() ? escapeButton : static_cast<std::size_t>(chosen - buttons.begin());
}

std::optional<std::string> ScriptedPrompts::chooseFile(const char* kind, const FileFilter& filter)
{
    lastFilter = filter;
    return next(filesToChoose_, {kind, filter.description, filter.pattern, {}}, std::optional<std::string>{});
}

std::vector<ShownBox> ScriptedPrompts::messages() const
{
    std::vector<ShownBox> out;
    for (const auto& box : shown_)
        if (box.kind == "message" || box.kind == "warning") out.push_back(box);
    return out;
}

} // namespace orvane::test
