#pragma once

#include "ui/IdComandi.h"

class BarreComandi;
class QMainWindow;
struct ElencoRecenti;

// Builds, once, the menu bar ("&File" with its items and the recent files,
// "&Genera file DXF", "&Informazioni su...") and the toolbar "Standard" of
// the window, with the icons of the size chosen by iconeGrandi (0 16 x 16,
// 1 24 x 24; the ids must have been set with base iconeGrandi + 1). The bars
// belong to the window. The window placement is the window's business.
BarreComandi* CreaBarreComandi(QMainWindow* finestra, const IdComandi& ids,
                               const ElencoRecenti& recenti, int iconeGrandi);

// The four recent-file items follow the list: item k shows the file name of
// entry k, holds its path as parameter and is hidden when the entry is empty.
void AggiornaVociRecenti(BarreComandi& barre, const ElencoRecenti& recenti);
