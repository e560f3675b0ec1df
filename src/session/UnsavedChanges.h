#pragma once
// Whether the images differ from what was last loaded or saved. Every state of the images gets a
// number; each snapshot remembers the number of the state it copied, so Undo returns to that number
// and Undo back to the saved state counts as no change.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

class UnsavedChanges {
public:
    bool any() const { return current_ != saved_; }

    // An edit pushed a snapshot; `snapshotsHeld` is the size of the undo history after the push.
    void edited(std::size_t snapshotsHeld);
    // Undo put the newest snapshot back.
    void undone();
    // The images now stand for the files on disk (a load, a save) or are out of use (Close files).
    void reset() { saved_ = current_; }
    // The files on disk are now none of the states the images have been in (another program wrote them).
    void diskMovedOn() { saved_ = next_++; }

private:
    std::uint64_t current_ = 0;
    std::uint64_t saved_ = 0;
    std::uint64_t next_ = 1;
    // The state before each snapshot still held, oldest first; its newest end matches the history's.
    std::vector<std::uint64_t> before_;
};

} // namespace orvane
