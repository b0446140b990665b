#pragma once

#include <QColor>

// A screen colour of the core (R + 256 G + 65536 B) as Qt's.
inline QColor ColoreQt(int rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
