#pragma once
// The platform's style, but for the arrows of the menu bar's overflow button, which it reads as the
// menu bar is made: they come from the same files of Qt's through pngIcon, so the start loads no image
// plugin.
#include <QProxyStyle>

namespace orvane::ui {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace orvane::ui
