#pragma once
// One page of the main window's page strip. Each page adds its own controls' share of
// EnableAll (after a load accepts an executable) and DisableAll (at creation and on Close files).
#include <QWidget>

namespace orvane::ui {

class EditorPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    ~EditorPage() override = default;

    virtual void enableAll() {}
    virtual void disableAll() {}
};

} // namespace orvane::ui
