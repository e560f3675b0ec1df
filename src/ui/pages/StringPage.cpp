#include "ui/pages/StringPage.h"

namespace orvane::ui {

StringPage::StringPage(EditorSession&, QWidget* parent) : EditorPage(parent) {}

} // namespace orvane::ui
