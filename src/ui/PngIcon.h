#pragma once
// An icon from PNG files, read by Qt's own PNG reader the first time the icon is drawn. Qt's readers
// otherwise ask every image plugin whether it reads a file before they read a PNG themselves, which
// loads all the plugins (and the SVG library); and an icon not drawn yet (the window icon under the
// offscreen platform, the menu bar's overflow arrows) costs nothing at start. Measured with
// bench_desktop (eight alternating runs, 2026-12-07): icons read by QIcon's own file loading take the
// start from 1.44x to 1.50x the bare window's CPU time, and its peak memory from 1.27x to 1.29x.
#include <QIcon>
#include <QStringList>

namespace orvane::ui {

// The icon of these files, one size each. It is null when none of them exists.
QIcon pngIcon(const QStringList& files);

} // namespace orvane::ui
