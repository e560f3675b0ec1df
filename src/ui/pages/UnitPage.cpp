#include "ui/pages/UnitPage.h"

namespace orvane::ui {

UnitPage::UnitPage(EditorSession&, QWidget* parent) : EditorPage(parent) {}

} // namespace orvane::ui
