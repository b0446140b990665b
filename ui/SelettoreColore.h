#pragma once

#include "export/CellaPalette.h"

#include <QDialog>

#include <optional>

class OspiteDialoghi;
class QLabel;
class QWidget;

// The colour-index picker "Selettore colore": the 255 indexes of the CAD
// palette as squares, a red frame around the selected one, a blue frame
// following the mouse (never over the selected one), the index, its
// components and a preview.
class SelettoreColore : public QDialog {
    Q_OBJECT
public:
    // Result codes of the dialog: "Ok", "Annulla"; the close box rejects.
    static constexpr int EsitoOk = QDialog::Accepted;
    static constexpr int EsitoAnnulla = 2;

    explicit SelettoreColore(int aciCorrente, QWidget* padre = nullptr);

    int AciScelto() const { return aciScelto_; }
    int AciIniziale() const { return aciIniziale_; }
    // The swatch under the blue frame; none before the first hover elsewhere.
    std::optional<int> CellaEvidenziata() const { return evidenziata_; }
    int CellaScelta() const { return scelta_; }

    // The palette picture (pixels as the swatches' edges).
    QWidget* Tavolozza() const { return tavolozza_; }

    // Mouse over and released at (x, y) of the palette picture.
    void Sorvola(int x, int y);
    void Seleziona(int x, int y);

private:
    friend class TavolozzaColori;
    void MostraComponenti();

    std::array<CellaColore, NumCellePalette> celle_;
    int aciScelto_ = 0;
    int aciIniziale_ = 0;
    int scelta_ = 0;
    std::optional<int> evidenziata_;
    QWidget* tavolozza_ = nullptr;
    QLabel* indiceColore_ = nullptr;
    QLabel* idColore_ = nullptr;
    QLabel* componenti_[3] = {};
    QLabel* anteprima_[2] = {};
};

// AciCorrente after the picker through the dialog host: the chosen index
// after "Ok", the opening one after "Annulla" (7 for 0 or any value outside
// 1-255), aciCorrente itself after the close box.
int ScegliColoreAci(QWidget* padre, OspiteDialoghi& dialoghi, int aciCorrente);
