#pragma once
// The filter box above a long list: the entries shown are those containing the typed text.
class QLineEdit;
class QString;
class QWidget;

namespace orvane::ui {

// An empty filter box named `name`, in the game font so that typed game characters look as in the list.
// A screen reader reads it as the filter of `listName`, so that two filters of one page read apart.
QLineEdit* makeFilterBox(QWidget* parent, const char* name, const QString& listName);

} // namespace orvane::ui
