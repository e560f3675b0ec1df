#pragma once
// The Facility Editor page's state and handlers: the chosen facility type (FacilityChosen,
// its index and record offset), its five values and its standard-to-build switch.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "facilities/FacilityTable.h"

namespace orvane {
class EditorSession;
}

namespace orvane::facilities {

// What the page shows.
struct FacilityView {
    bool typeListEnabled = false;
    bool valuesEnabled = false; // the five buttons, the frame and its two options
    std::array<std::string, FacilityValueCount> captions{};
    std::optional<bool> standardYes; // nothing: neither option selected
};

class FacilityEditor {
public:
    // Registers the clearing of FacilityChosen after a complete load and the redraw after Undo.
    explicit FacilityEditor(EditorSession& session);

    void onChanged(std::function<void()> redraw) { changed_ = std::move(redraw); }
    const FacilityView& view() const { return view_; }

    bool facilityChosen() const { return facilityChosen_; }
    int facilityIndex() const { return facilityIndex_; }
    std::size_t facilityRecordOffset() const { return facilityRecordOffset_; }

    // The page's share of the main window's enableAll and disableAll.
    void enableAll();
    void disableAll();

    // The user picked the type with this record number (the item data of its cmbType entry).
    void choose(int record);
    // A value button was clicked: asks for the value, writes it and shows the type again.
    void editValue(FacilityValue value);
    // An option of "Standard to Build?:" was clicked. The option already shows its state, so no redraw.
    void setStandard(bool yes);

private:
    std::optional<std::size_t> chosenRecord() const;
    void refreshFacility();
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    FacilityView view_;
    bool facilityChosen_ = false;
    int facilityIndex_ = 0;
    std::size_t facilityRecordOffset_ = 0;
};

} // namespace orvane::facilities
