#pragma once
// The model's questions and messages answered by the web page: each call goes to a function of the
// page's object, which answers at once (the browser's own modal boxes). A file the page has already
// taken from the user (a patch or a mod file it put in memory) answers the next open dialog.
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "core/Prompts.h"

namespace orvane::web {

class WebPrompts : public Prompts {
public:
    explicit WebPrompts(emscripten::val page) : page_(std::move(page)) {}

    void answerNextOpen(std::string path) { nextOpen_ = std::move(path); }

    std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                       const std::string& defaultText) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::size_t askChoice(const std::string& title, const std::string& text, const std::vector<std::string>& buttons,
                          std::size_t defaultButton, std::size_t escapeButton) override;
    void showMessage(const std::string& title, const std::string& text) override;
    void showWarning(const std::string& title, const std::string& text) override;
    std::optional<std::string> chooseFileToOpen(const FileFilter& filter) override;
    std::optional<std::string> chooseFileToSave(const FileFilter& filter) override;

private:
    emscripten::val page_;
    std::optional<std::string> nextOpen_;
};

} // namespace orvane::web
