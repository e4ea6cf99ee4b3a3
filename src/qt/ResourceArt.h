#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The compiled-in icons and bitmaps. An XPM, which is C source, is read as
// the array of strings it declares, by Qt's own XPM code; anything else by
// the reader its suffix names. A reader left to guess asks every image
// plugin first, loading them all and the libraries behind them, and even a
// named one first reads the plugin folder.
QImage resourceImage(const QString& path);
QPixmap resourcePixmap(const QString& path);
QIcon resourceIcon(const QString& path);
