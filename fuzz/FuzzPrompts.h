#pragma once
// Fuzz prompts: queued texts (then Cancel), a fixed file to open, Yes to all, messages recorded.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/Prompts.h"

namespace orvane::fuzz {

class FuzzPrompts : public Prompts {
public:
    std::deque<std::optional<std::string>> texts;
    std::string fileToOpen;
    std::vector<std::string> messageTitles;
    std::size_t asked = 0;

    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override
    {
        ++asked;
        if (texts.empty()) return std::nullopt;
        auto text = texts.front();
        texts.pop_front();
        return text;
    }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::size_t askChoice(const std::string&, const std::string&, const std::vector<std::string>&,
                          std::size_t defaultButton, std::size_t) override
    {
        return defaultButton;
    }
    void showMessage(const std::string& title, const std::string&) override { messageTitles.push_back(title); }
    std::optional<std::string> chooseFileToOpen(const FileFilter&) override { return fileToOpen; }
    std::optional<std::string> chooseFileToSave(const FileFilter&) override { return std::nullopt; }
};

} // namespace orvane::fuzz
