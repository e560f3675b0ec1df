#pragma once
// One page of the main window's page strip. Its editor holds the page's state; the page shows it
// and passes clicks on.
#include <QWidget>
#include <cstddef>

namespace orvane::ui {

class EditorPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~EditorPage() override = default;

    // Shows record `record` of the page's list `list` (0 for a page with one list), as if the
    // user had chosen it; used by the change list.
    virtual void showRecord(int /*list*/, std::size_t /*record*/) {}
};

} // namespace orvane::ui
