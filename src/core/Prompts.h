#pragma once
// The port through which the model asks and tells the user; the window implements it with Qt boxes.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// One entry of an open or save dialog: "QEV Executable (qev.exe)" with the pattern "*.exe".
struct FileFilter {
    std::string description;
    std::string pattern;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal input box. Returns nothing for Cancel; OK returns the text as typed (possibly empty).
    virtual std::optional<std::string> askText(const std::string& title, const std::string& prompt,
                                               const std::string& defaultText) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // A message box with the buttons given, left to right; answers the index of the one chosen.
    // Enter chooses `defaultButton`; Escape, or closing the box, chooses `escapeButton`.
    virtual std::size_t askChoice(const std::string& title, const std::string& text,
                                  const std::vector<std::string>& buttons, std::size_t defaultButton,
                                  std::size_t escapeButton) = 0;
    // A message box with OK.
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // A message box with OK and the warning icon: something the user asked for was not done. A port
    // with no icons shows it as any message.
    virtual void showWarning(const std::string& title, const std::string& text) { showMessage(title, text); }
    // The open-file dialog; the full path of the chosen file, or nothing for Cancel.
    virtual std::optional<std::string> chooseFileToOpen(const FileFilter& filter) = 0;
    // The save-file dialog; the path as typed or chosen, or nothing for Cancel.
    virtual std::optional<std::string> chooseFileToSave(const FileFilter& filter) = 0;
};

} // namespace orvane
