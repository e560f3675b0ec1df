#pragma once
// The page is being built; it shows nothing yet.
#include "ui/EditorPage.h"

namespace orvane {
class EditorSession;
}

namespace orvane::ui {

class FacilityPage : public EditorPage {
    Q_OBJECT
public:
    FacilityPage(EditorSession& session, QWidget* parent = nullptr);
};

} // namespace orvane::ui
