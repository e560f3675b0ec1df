#pragma once
// An icon from PNG files read by Qt's own PNG reader. Qt's readers otherwise ask every image plugin
// whether it reads a file before they read a PNG themselves, which loads all the plugins (and the SVG
// library) the first time any icon is read.
#include <QIcon>
#include <initializer_list>

class QString;

namespace orvane::ui {

// The icon of these files, one size each; a null icon when none of them can be read.
QIcon pngIcon(std::initializer_list<QString> files);

} // namespace orvane::ui
