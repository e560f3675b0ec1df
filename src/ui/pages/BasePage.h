#pragma once
// The "Base Editor" page: the starting base. For now it shows the edition of the loaded executable.
#include "core/GameEdition.h"
#include "ui/EditorPage.h"

class QLabel;

namespace orvane {
class EditorSession;
}

namespace orvane::ui {

class BasePage : public EditorPage {
    Q_OBJECT
public:
    BasePage(EditorSession& session, QWidget* parent = nullptr);

    // lblVer: "Version: Collector's Edition" and so on.
    void showEdition(GameEdition edition);
    void disableAll() override;

private:
    QLabel* lblVer_;
};

} // namespace orvane::ui
