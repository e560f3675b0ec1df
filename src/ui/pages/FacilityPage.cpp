#include "ui/pages/FacilityPage.h"

namespace orvane::ui {

FacilityPage::FacilityPage(EditorSession&, QWidget* parent) : EditorPage(parent) {}

} // namespace orvane::ui
