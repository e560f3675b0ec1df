#pragma once
// The progress window of Load Files. It stays open beside the main window until OK.
#include <QWidget>

#include "files/LoadProgress.h"

class QLabel;
class QPushButton;

namespace orvane::ui {

class LoadWindow : public QWidget, public LoadProgress {
    Q_OBJECT
public:
    explicit LoadWindow(QWidget* parent = nullptr);

    void begin() override;
    void append(const std::string& piece) override;
    void report(const std::string& step) override;
    void finish() override;

private:
    QLabel* progress_;
    QLabel* step_;
    QPushButton* ok_;
};

} // namespace orvane::ui
