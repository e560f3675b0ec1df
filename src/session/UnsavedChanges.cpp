#include "session/UnsavedChanges.h"

#include <iterator>

namespace orvane {

void UnsavedChanges::edited(std::size_t snapshotsHeld)
{
    before_.push_back(current_);
    current_ = next_++;
    // The history drops its oldest snapshots (and forgets all of them when emptied); drop ours alike.
    if (before_.size() > snapshotsHeld) {
        const auto dropped = static_cast<std::ptrdiff_t>(before_.size() - snapshotsHeld);
        before_.erase(before_.begin(), std::next(before_.begin(), dropped));
    }
}

void UnsavedChanges::undone()
{
    if (before_.empty()) return;
    current_ = before_.back();
    before_.pop_back();
}

} // namespace orvane
