#pragma once
// A square of the Base Editor's grid: a button of fixed size whose caption lines are broken where they
// would be wider than the button (at a space, or inside a word too wide on its own), again each time
// its font changes.
#include <QPushButton>

namespace orvane::ui {

class SquareButton : public QPushButton {
    Q_OBJECT
public:
    explicit SquareButton(int size, QWidget* parent = nullptr);

    // The caption as the grid words it, its lines joined by line feeds.
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // Its fixed size: a push button would measure its caption (or a stand-in text) for a size it never takes.
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshCaption();

    QString caption_;
};

} // namespace orvane::ui
