#include "web/WebPrompts.h"

namespace orvane::web {

using emscripten::val;

namespace {

std::optional<std::string> textOrNothing(const val& answer)
{
    if (answer.isNull() || answer.isUndefined()) return std::nullopt;
    return answer.as<std::string>();
}

} // namespace

std::optional<std::string> WebPrompts::askText(const std::string& title, const std::string& prompt,
                                               const std::string& defaultText)
{
    return textOrNothing(page_.call<val>("askText", title, prompt, defaultText));
}

bool WebPrompts::askYesNo(const std::string& title, const std::string& text)
{
    return page_.call<bool>("askYesNo", title, text);
}

std::size_t WebPrompts::askChoice(const std::string& title, const std::string& text,
                                  const std::vector<std::string>& buttons, std::size_t defaultButton,
                                  std::size_t escapeButton)
{
    val names = val::array();
    for (const std::string& button : buttons) names.call<void>("push", button);
    const int chosen = page_.call<int>("askChoice", title, text, names, static_cast<int>(defaultButton),
                                       static_cast<int>(escapeButton));
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= buttons.size()) return escapeButton;
    return static_cast<std::size_t>(chosen);
}

void WebPrompts::showMessage(const std::string& title, const std::string& text)
{
    page_.call<void>("showMessage", title, text, false);
}

void WebPrompts::showWarning(const std::string& title, const std::string& text)
{
    page_.call<void>("showMessage", title, text, true);
}

std::optional<std::string> WebPrompts::chooseFileToOpen(const FileFilter& filter)
{
    if (nextOpen_) return std::exchange(nextOpen_, std::nullopt);
    return textOrNothing(page_.call<val>("chooseFileToOpen", filter.description, filter.pattern));
}

std::optional<std::string> WebPrompts::chooseFileToSave(const FileFilter& filter)
{
    return textOrNothing(page_.call<val>("chooseFileToSave", filter.description, filter.pattern));
}

} // namespace orvane::web
