#pragma once
// The Prompts port on Qt: input boxes, message boxes and the common file dialogs.
#include <QPointer>
#include <QWidget>

#include "core/Prompts.h"

namespace orvane::ui {

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

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
    QPointer<QWidget> parent_;
};

// "QEV Executable (qev.exe) (*.exe)": a dialog filter entry. Where file names tell case apart the
// upper-case pattern is added, since DOS games name their files in capitals.
QString dialogFilter(const FileFilter& filter);

} // namespace orvane::ui
