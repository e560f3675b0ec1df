#pragma once
// The About window: the program's name, version, credit and the warning about editing the game's files.
#include <QWidget>

namespace orvane::ui {

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

} // namespace orvane::ui
