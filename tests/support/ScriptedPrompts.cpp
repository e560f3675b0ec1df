#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace orvane::test {

ScriptedPrompts& ScriptedPrompts::answer(std::optional<std::string> text)
{
    texts_.push_back(std::move(text));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::answerYesNo(bool yes)
{
    yesNo_.push_back(yes);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::answerFile(std::optional<std::string> path)
{
    filesToChoose_.push_back(std::move(path));
    return *this;
}

std::optional<std::string> ScriptedPrompts::askText(const std::string& title, const std::string& prompt,
                                                    const std::string& defaultText)
{
    shown_.push_back({"text", title, prompt, defaultText});
    if (texts_.empty()) {
        unexpected_.push_back(shown_.back());
        ADD_FAILURE() << "unexpected input box \"" << title << "\": " << prompt;
        return std::nullopt;
    }
    auto next = texts_.front();
    texts_.pop_front();
    return next;
}

bool ScriptedPrompts::askYesNo(const std::string& title, const std::string& text)
{
    shown_.push_back({"yesno", title, text, {}});
    if (yesNo_.empty()) {
        unexpected_.push_back(shown_.back());
        ADD_FAILURE() << "unexpected question \"" << title << "\": " << text;
        return false;
    }
    const bool yes = yesNo_.front();
    yesNo_.pop_front();
    return yes;
}

void ScriptedPrompts::showMessage(const std::string& title, const std::string& text)
{
    shown_.push_back({"message", title, text, {}});
}

std::optional<std::string> ScriptedPrompts::chooseFile(const char* kind, const FileFilter& filter)
{
    lastFilter = filter;
    shown_.push_back({kind, filter.description, filter.pattern, {}});
    if (filesToChoose_.empty()) {
        unexpected_.push_back(shown_.back());
        ADD_FAILURE() << "unexpected " << kind << " dialog";
        return std::nullopt;
    }
    auto next = filesToChoose_.front();
    filesToChoose_.pop_front();
    return next;
}

std::optional<std::string> ScriptedPrompts::chooseFileToOpen(const FileFilter& filter)
{
    return chooseFile("open", filter);
}

std::optional<std::string> ScriptedPrompts::chooseFileToSave(const FileFilter& filter)
{
    return chooseFile("save", filter);
}

std::vector<ShownBox> ScriptedPrompts::messages() const
{
    std::vector<ShownBox> out;
    for (const auto& box : shown_) {
        if (box.kind == "message") out.push_back(box);
    }
    return out;
}

} // namespace orvane::test
