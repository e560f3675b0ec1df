#include "history/UndoStack.h"

namespace orvane {

void UndoStack::push(FileId fileId, const ByteImage& image)
{
    if (slots_.size() == Capacity) slots_.pop_front();
    slots_.push_back(Snapshot{fileId, image});
}

std::optional<Snapshot> UndoStack::pop()
{
    if (slots_.empty()) return std::nullopt;
    Snapshot newest = std::move(slots_.back());
    slots_.pop_back();
    return newest;
}

} // namespace orvane
