#pragma once
// The last five whole-image snapshots, each tagged with the image it was copied from.
#include <cstddef>
#include <deque>
#include <optional>

#include "core/ByteImage.h"
#include "core/GameEdition.h"

namespace orvane {

struct Snapshot {
    FileId fileId;
    ByteImage bytes;
};

class UndoStack {
public:
    static constexpr std::size_t Capacity = 5;

    // Keeps a copy of the image; when five are held the oldest is dropped.
    void push(FileId fileId, const ByteImage& image);
    // Takes the newest snapshot off the stack; nothing when it is empty.
    std::optional<Snapshot> pop();
    void clear() { slots_.clear(); }
    std::size_t count() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }

private:
    std::deque<Snapshot> slots_;
};

} // namespace orvane
