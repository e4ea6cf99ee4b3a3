#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The compiled-in icons and bitmaps, read by Qt's own XPM and BMP readers.
// Named by their format: a reader left to guess asks every image plugin
// first, loading them all and the libraries behind them.
QPixmap resourcePixmap(const QString& path);
QIcon resourceIcon(const QString& path);
