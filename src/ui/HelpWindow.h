#pragma once
// The help window: five questions; a click on one shows its answer.
#include <QWidget>

namespace orvane::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

} // namespace orvane::ui
