#pragma once
// One page of the main window's page strip. Each page adds its own controls' share of
// EnableAll (after a load accepts an executable) and DisableAll (at creation and on Close files).
#include <QWidget>
#include <cstddef>

namespace orvane::ui {

class EditorPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~EditorPage() override = default;

    virtual void enableAll() {}
    virtual void disableAll() {}
    // Shows record `record` of the page's list `list` (0 for a page with one list), as if the
    // user had chosen it; used by the change list.
    virtual void showRecord(int /*list*/, std::size_t /*record*/) {}
};

} // namespace orvane::ui
