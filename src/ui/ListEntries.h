#pragma once
// What a user does to an entry of any list, with the mouse or the keyboard alike: a click, or moving to
// the entry with the arrow keys, Page Up/Down, Home or End, chooses it; a double click, or Enter, opens
// it; the platform's Copy key copies its text. The list takes the Copy key before any menu shortcut on
// it (Close files has Ctrl+C), and Tab leaves the list for the next control.
#include <functional>

class QAbstractItemView;
class QModelIndex;

namespace orvane::ui {

using EntryHandler = std::function<void(const QModelIndex&)>;

// `chosen` and `opened` get the entry's index in the view's model; either may be empty. Call it once
// the view has its model.
void connectEntries(QAbstractItemView* list, EntryHandler chosen, EntryHandler opened);

} // namespace orvane::ui
