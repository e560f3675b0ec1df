#pragma once
// Prompts answering from a script and recording every box; an unexpected box fails the test.
#include <deque>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Prompts.h"

namespace orvane::test {

struct ShownBox {
    std::string kind; // "text", "yesno", "message", "open", "save"
    std::string title;
    std::string text; // the prompt or message
    std::string defaultText;
};

class ScriptedPrompts : public Prompts {
public:
    // Queue answers: a text (or std::nullopt for Cancel), Yes or No, a file path (or nullopt for Cancel).
    ScriptedPrompts& answer(std::optional<std::string> text) { return queue(texts_, std::move(text)); }
    ScriptedPrompts& answerYes() { return queue(yesNo_, true); }
    ScriptedPrompts& answerNo() { return queue(yesNo_, false); }
    ScriptedPrompts& answerFile(std::optional<std::string> path) { return queue(filesToChoose_, std::move(path)); }
    // The caption of the button to press in the next box with buttons of its own.
    ScriptedPrompts& answerChoice(std::string button) { return queue(choices_, std::move(button)); }

    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultText) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::size_t askChoice(const std::string& title, const std::string& text, const std::vector<std::string>& buttons,
                          std::size_t defaultButton, std::size_t escapeButton) override;
    void showMessage(const std::string& title, const std::string& text) override
    {
        shown_.push_back({"message", title, text, {}});
    }
    // Recorded as a box of kind "warning"; messages() lists it with the messages.
    void showWarning(const std::string& title, const std::string& text) override
    {
        shown_.push_back({"warning", title, text, {}});
    }
    std::optional<std::string> chooseFileToOpen(const FileFilter& filter) override
    {
        return chooseFile("open", filter);
    }
    std::optional<std::string> chooseFileToSave(const FileFilter& filter) override
    {
        return chooseFile("save", filter);
    }

    const std::vector<ShownBox>& shown() const { return shown_; }
    // The message boxes shown, with or without the warning icon.
    std::vector<ShownBox> messages() const;
    void clearShown() { shown_.clear(); }
    // Boxes that came when the script had no answer for them (also reported to GoogleTest).
    const std::vector<ShownBox>& unexpected() const { return unexpected_; }
    // True when every queued answer was used.
    bool scriptUsed() const { return texts_.empty() && yesNo_.empty() && filesToChoose_.empty() && choices_.empty(); }
    FileFilter lastFilter;

private:
    template <typename Answer>
    ScriptedPrompts& queue(std::deque<Answer>& answers, std::type_identity_t<Answer> answer)
    {
        answers.push_back(std::move(answer));
        return *this;
    }
    std::optional<std::string> chooseFile(const char* kind, const FileFilter& filter);
    template <typename Answer>
    Answer next(std::deque<Answer>& answers, ShownBox box, Answer none);

    std::deque<std::optional<std::string>> texts_;
    std::deque<bool> yesNo_;
    std::deque<std::optional<std::string>> filesToChoose_;
    std::deque<std::optional<std::string>> choices_;
    std::vector<ShownBox> shown_;
    std::vector<ShownBox> unexpected_;
};

} // namespace orvane::test
