#pragma once
// The filter box above a long list: the entries shown are those containing the typed text.
class QLineEdit;
class QWidget;

namespace orvane::ui {

// An empty filter box named `name`, in the game font so that typed game characters look as in the list.
QLineEdit* makeFilterBox(QWidget* parent, const char* name);

} // namespace orvane::ui
