#pragma once
// Answers for the benchmarks: the open dialog picks a set path, the next input box answers a set text
// (a box that comes again gets an empty answer, which ends the edit),
// every question is answered No and messages are counted.
#include <optional>
#include <string>
#include <utility>

#include "core/Prompts.h"

namespace orvane::bench {

class BenchPrompts : public Prompts {
public:
    std::string file;
    std::string text;
    int messages = 0;

    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override
    {
        return std::exchange(text, std::string());
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::size_t askChoice(const std::string&, const std::string&, const std::vector<std::string>&, std::size_t,
                          std::size_t escapeButton) override
    {
        return escapeButton;
    }
    void showMessage(const std::string&, const std::string&) override { ++messages; }
    std::optional<std::string> chooseFileToOpen(const FileFilter&) override { return file; }
    std::optional<std::string> chooseFileToSave(const FileFilter&) override { return {}; }
};

} // namespace orvane::bench
