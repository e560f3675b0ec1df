#include "ui/pages/NamesPage.h"

namespace orvane::ui {

NamesPage::NamesPage(EditorSession&, QWidget* parent) : EditorPage(parent) {}

} // namespace orvane::ui
