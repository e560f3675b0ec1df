#pragma once
// The Unit Editor page's state and handlers: the chosen unit, its fifteen values and its flying flag.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "units/UnitTable.h"

namespace orvane {
class EditorSession;
}

namespace orvane::units {

// What the page shows.
struct UnitView {
    bool valueButtonsEnabled = false;
    bool flyingEnabled = false; // the frame and its two options
    std::array<std::string, UnitStatCount> captions{};
    std::optional<bool> flyingYes; // nothing: neither option selected
};

class UnitEditor {
public:
    explicit UnitEditor(EditorSession& session);

    // The page's redraw; called after the view changed.
    void onChanged(std::function<void()> redraw) { changed_ = std::move(redraw); }
    const UnitView& view() const { return view_; }

    std::size_t unitRecordOffset() const { return unitRecordOffset_; }

    // The user picked the unit with this record number.
    void choose(int record);
    // A value button was clicked: asks for the value, writes it and shows the unit again.
    void editStat(UnitStat stat);
    // An option of "Flying Ability?:" was clicked. The option already shows its state, so no redraw.
    void setFlying(bool yes);
    // The page's share of the window's disableAll: value buttons disabled and empty, no option selected.
    void disableValues();

private:
    bool exeAvailable() const;
    std::size_t fieldOffset(std::size_t offsetInRecord) const;
    void refreshUnit();
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    UnitView view_;
    bool unitChosen_ = false;
    std::size_t unitRecordOffset_ = 0;
};

} // namespace orvane::units
