#pragma once
// A square of the Base Editor's grid: a button of fixed size whose caption lines are broken at spaces
// where they would be wider than the button, again each time its font changes.
#include <QPushButton>

namespace orvane::ui {

class SquareButton : public QPushButton {
    Q_OBJECT
public:
    SquareButton(int size, QWidget* parent = nullptr);

    // The caption as the grid words it, its lines joined by line feeds.
    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showCaption();

    QString caption_;
};

// `text` with every line that is wider than `width` in `font` broken onto further lines, at a space
// where there is one, so that no line is wider than `width`.
QString wrapLines(const QString& text, const QFont& font, int width);

} // namespace orvane::ui
