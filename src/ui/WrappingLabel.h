#pragma once
// A label whose text is broken into lines to fit its width. Qt measures such a label's text anew each
// time a layout asks its height for a width, and a layout asks several times as it is laid out; this
// label keeps its answers for the widths asked until its text, font, style or contents margins change
// (its margin and indent stay as Qt makes them).
#include <QLabel>
#include <QMap>

namespace orvane::ui {

class WrappingLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrappingLabel(const QString& text, QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    mutable QString measuredText_;
    mutable QMap<int, int> heights_; // width -> height, for measuredText_
};

} // namespace orvane::ui
