#pragma once
// The platform's style, but for the arrows of the menu bar's overflow button, which it asks for as the
// menu bar is made: they are the same files of Qt's, read through pngIcon when first drawn, so the start
// reads no image and loads no image plugin.
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
