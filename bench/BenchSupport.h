#pragma once
// What the benchmarks share: prompts that answer the open dialog of a load with one file.
#include <optional>
#include <string>
#include <utility>

#include "core/Prompts.h"

namespace orvane::bench {

// Answers the open dialog with `path`; every other box is cancelled or dismissed.
class AnswerFile : public Prompts {
public:
    explicit AnswerFile(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override { return {}; }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void showMessage(const std::string&, const std::string&) override {}
    std::optional<std::string> chooseFileToOpen(const FileFilter&) override { return path_; }
    std::optional<std::string> chooseFileToSave(const FileFilter&) override { return {}; }

private:
    std::string path_;
};

} // namespace orvane::bench
