#pragma once
// The Item Editor page's state and handlers: the item list, the opened item (its record offset),
// its captions and options, the rename and the thirteen value and thirteen option edits.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "items/ItemRecord.h"

namespace orvane {
class EditorSession;
}

namespace orvane::items {

inline constexpr const char* NewNameTitle = "New Name";
inline constexpr const char* NewNamePrompt =
    "What would you like the new name to be?\n(remember it cannot exceed 20 characters)";

class ItemEditor {
public:
    // Registers the list refill after a complete load and the redraw after Undo puts back OBDATA.DAT.
    explicit ItemEditor(EditorSession& session);

    // Called after every change of what the page shows.
    void onChanged(std::function<void()> callback) { changed_ = std::move(callback); }

    // What the page shows.
    const std::vector<std::string>& listEntries() const { return entries_; }
    // Moves on each time the list is emptied or refilled, so the page knows to rebuild it.
    std::size_t listRevision() const { return listRevision_; }
    bool listEnabled() const { return listEnabled_; }
    // The fourteen buttons and the three option groups.
    bool itemControlsEnabled() const { return itemControlsEnabled_; }
    const std::string& indexCaption() const { return indexCaption_; }
    const std::string& nameCaption() const { return nameCaption_; }
    const std::string& valueCaption(ItemValue value) const;
    std::optional<ItemOption> selectedOption(OptionGroup group) const;

    // The page's share of the main window's enableAll and disableAll.
    void enableAll();
    void disableAll();

    // A single click on list entry `index`: shows its index number only.
    void clickEntry(std::size_t index);
    // A double click: opens the item, the target of every following edit.
    void openEntry(std::size_t index);

    void changeName();
    void editValue(ItemValue value);
    // A click by the user on an option button.
    void chooseOption(ItemOption option);

private:
    bool canRead() const;
    bool canEdit() const;
    void refreshItem();
    void emptyList();
    void refreshItemNames();
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    std::vector<std::string> entries_;
    std::size_t listRevision_ = 0;
    bool listEnabled_ = false;
    bool itemControlsEnabled_ = false;
    std::string indexCaption_;
    std::string nameCaption_;
    std::array<std::string, ValueFields.size()> valueCaptions_{};
    std::array<std::optional<ItemOption>, OptionGroups.size()> selected_{};
    std::size_t itemRecordOffset_ = 0;
};

} // namespace orvane::items
