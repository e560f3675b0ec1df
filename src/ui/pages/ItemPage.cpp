#include "ui/pages/ItemPage.h"

namespace orvane::ui {

ItemPage::ItemPage(EditorSession&, QWidget* parent) : EditorPage(parent) {}

} // namespace orvane::ui
