#pragma once
// The Base Editor page's state and handlers: the grid of the starting base with its change frame
// (SelectedSquare, PendingFacility, PendingDays), and the list of personnel and store amounts.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/StartingBase.h"
#include "core/GameEdition.h"

namespace orvane {
class EditorSession;
}

namespace orvane::base {

// What the page shows.
struct BaseView {
    bool gridEnabled = false;
    std::array<std::string, SquareCount> squareCaptions{}; // by square, row by row
    bool frameVisible = false;
    std::string frameCaption;
    // The texts of the facility and days boxes, as the editor last set them.
    std::string facilityText = "Access Lift";
    std::string daysText = "0 Days";
    // Moves on when the editor sets the boxes' texts (not when the user picks), so the page sets them.
    std::size_t boxesRevision = 1;
    bool listEnabled = false;
    std::vector<std::string> storesList;
    // Moves on each time the list is emptied or rebuilt, so the page rebuilds it.
    std::size_t listRevision = 0;
    // lblVer: "Version: Collector's Edition" and so on, empty while no executable is accepted.
    std::string versionText;
};

// The facility byte and the days byte of the square being changed.
struct SquareOffsets {
    std::size_t facility;
    std::size_t days;
};

class BaseEditor {
public:
    // Registers the fills run when a load accepts an executable and the redraw after Undo.
    explicit BaseEditor(EditorSession& session);

    // Called after every change of what the page shows.
    void onChanged(std::function<void()> callback) { changed_ = std::move(callback); }
    const BaseView& view() const { return view_; }

    std::optional<SquareOffsets> selectedSquare() const { return selected_; }
    std::uint8_t pendingFacility() const { return pendingFacility_; }
    std::uint8_t pendingDays() const { return pendingDays_; }

    // The 36 captions from the executable.
    void refreshBase();
    // The 84 entries of the stores list from the executable.
    void refreshItemsList();

    // The edition of the executable a load accepted.
    void showEdition(GameEdition edition);

    // The page's share of the main window's enableAll and disableAll.
    void enableAll();
    void disableAll();

    // A square button was clicked: opens the change frame for that square.
    void clickSquare(std::size_t square);
    // An item was picked from the facility or the days box; the argument is its item data.
    void pickFacility(std::uint8_t code);
    void pickDays(std::uint8_t days);
    // Writes the pending values into the selected square and closes the frame.
    void apply();
    void cancel();

    // A double click on the stores list; `selected` is the list index of the selected entry, nothing when none is.
    void openStoresEntry(std::optional<std::size_t> selected);

private:
    std::optional<std::size_t> blockStart() const;
    // Stores entry `entry` is a personnel byte at byte offset `offset` of the executable.
    bool editPersonnel(std::size_t entry, std::size_t offset);
    void setBoxes(const std::string& facility, const std::string& days);
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    BaseView view_;
    std::optional<SquareOffsets> selected_;
    std::uint8_t pendingFacility_ = 0;
    std::uint8_t pendingDays_ = 0;
};

} // namespace orvane::base
