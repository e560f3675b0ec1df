#pragma once
// The last five whole-image snapshots, each tagged with the image it was copied from.
#include <cstddef>
#include <deque>
#include <functional>
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
    // Changes every snapshot of one image in place: the history follows files read again from disk.
    void transform(FileId fileId, const std::function<void(ByteImage&)>& change)
    {
        for (Snapshot& slot : slots_) {
            if (slot.fileId == fileId) change(slot.bytes);
        }
    }
    std::size_t count() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }

private:
    std::deque<Snapshot> slots_;
};

} // namespace orvane
