#pragma once
// A docked panel listing every value that differs from the files as loaded, in the
// pages' own words. It follows every edit and Undo; a double click on a row opens its page there.
#include <QDockWidget>
#include <vector>

#include "changes/ChangeList.h"

class QTableWidget;

namespace orvane {
class EditorSession;
}

namespace orvane::ui {

class ChangesPanel : public QDockWidget {
    Q_OBJECT
public:
    ChangesPanel(const EditorSession& session, QWidget* parent = nullptr);

    // Rebuilds the rows once the current event is handled, so an edit's write (which follows its
    // snapshot) is seen. Does nothing while the panel is hidden; showing it refreshes it.
    void scheduleRefresh();
    void refresh();

signals:
    void openRequested(const orvane::changes::Change& change);

private:
    const EditorSession& session_;
    QTableWidget* changeTable_ = nullptr;
    std::vector<changes::Change> rows_;
    bool refreshPending_ = false;
};

} // namespace orvane::ui
