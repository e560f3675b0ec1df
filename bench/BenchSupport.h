#pragma once
// What the benchmarks share: a load that answers the open dialog with one file and reports nothing.
#include <string>
#include <utility>

#include "core/Prompts.h"
#include "files/LoadProgress.h"

namespace orvane::bench {

class SilentProgress : public LoadProgress {
public:
    void begin() override {}
    void append(const std::string&) override {}
    void report(const std::string&) override {}
    void finish() override {}
};

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
