#pragma once
// An icon from PNG files, read by Qt's own PNG reader when first drawn: QIcon's file loading asks every image
// plugin first, loading them all (bench_desktop, 2026-12-07: start CPU 1.44x -> 1.50x a bare window's).
#include <QIcon>
#include <QStringList>

namespace orvane::ui {

// The icon of these files, one size each. It is null when none of them exists.
QIcon pngIcon(const QStringList& files);

} // namespace orvane::ui
