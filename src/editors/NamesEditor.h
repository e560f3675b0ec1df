#pragma once
// The Soldier Names page's state and handlers: both name lists and the edit of one name.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "names/NameTables.h"

namespace orvane {
class EditorSession;
}

namespace orvane::names {

inline constexpr const char* NewNameTitle = "New Name";

class NamesEditor {
public:
    explicit NamesEditor(EditorSession& session);

    // The page's redraw; called after either list changed. Each list counts its refills, so the
    // page refills only the list that was refilled here and the other keeps its selection.
    void onChanged(std::function<void()> redraw) { changed_ = std::move(redraw); }
    const std::vector<std::string>& firstNames() const { return firstNames_; }
    const std::vector<std::string>& lastNames() const { return lastNames_; }
    std::size_t firstNamesRevision() const { return firstRevision_; }
    std::size_t lastNamesRevision() const { return lastRevision_; }

    // A double click on a list; `selected` is the list index of the selected entry, nothing when none is.
    // Asks for the new name, writes it and refills that list only.
    void firstNameDoubleClicked(std::optional<std::size_t> selected);
    void lastNameDoubleClicked(std::optional<std::size_t> selected);

    // Empties both lists (the page's share of the window's disableAll).
    void clearLists();

private:
    void editName(const NameTable& table, std::size_t entry, const std::string& promptLine);
    void refreshFirstNames();
    void refreshLastNames();
    void refreshNames();
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    std::vector<std::string> firstNames_;
    std::vector<std::string> lastNames_;
    std::size_t firstRevision_ = 0;
    std::size_t lastRevision_ = 0;
};

} // namespace orvane::names
