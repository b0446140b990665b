#pragma once

#include <QRect>

class QSettings;
class QWidget;

// The window placement kept per user: section "Settings", keys "MainLeft",
// "MainTop", "MainWidth", "MainHeight" in twips. The program only reads it.
// Each key that holds a number replaces that side of attuale (pixels); a
// missing key, a text that is not a number and a size that is not positive
// are ignored. The result is kept on the screen area schermo.
QRect PosizioneSalvata(const QSettings& impostazioni, QRect attuale, int twipPerPixel,
                       QRect schermo);

// r made to fit the screen area schermo and moved onto it; r itself when the
// area is empty.
QRect TenutaSulloSchermo(QRect r, QRect schermo);

// Moves the window so that it stands centred on its screen (the primary
// screen while it has none), whatever window owns it.
void CentraSulloSchermo(QWidget& finestra);
