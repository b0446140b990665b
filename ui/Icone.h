#pragma once

#include <QIcon>
#include <QPixmap>

#include <map>

// The icon of the program command with this offset (100 to 151), lato x lato
// pixels (16 or 24) on a transparent ground, drawn by the program itself.
// An offset without a command gives a null pixmap.
QPixmap IconaComando(int offset, int lato);

// The image list of one icon size: base 1 gives the 16 x 16 icons tagged
// 1100 to 1151, base 2 the 24 x 24 icons tagged 2100 to 2151.
std::map<int, QIcon> ListaImmagini(int base);
