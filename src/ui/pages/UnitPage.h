#pragma once
// The page is being built; it shows nothing yet.
#include "ui/EditorPage.h"

namespace orvane {
class EditorSession;
}

namespace orvane::ui {

class UnitPage : public EditorPage {
    Q_OBJECT
public:
    UnitPage(EditorSession& session, QWidget* parent = nullptr);
};

} // namespace orvane::ui
