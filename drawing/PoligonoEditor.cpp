#include "drawing/PoligonoEditor.h"

#include "drawing/BersaglioSchermo.h"
#include "drawing/Griglia.h"
#include "drawing/LegendaTesti.h"
#include "drawing/PoligonoEditorPixel.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr int Giallo = Rgb(255, 255, 0);
constexpr int Rosso = Rgb(255, 0, 0);
constexpr int GrigioChiaro = Rgb(192, 192, 192);

// Vertex numbers: character height and width in pixels.
constexpr float AltezzaNumero = 24.0f;
constexpr float LarghezzaNumero = 10.0f;
// Half the side of a vertex square, pixels.
constexpr float MezzoQuadrato = 2.0f;

// The pixels of the polygon's vertices in list order. The list ends at
// UltVerticeLista, at the end of OrdineVertici, or before the first index
// that names no point of the pool, whichever comes first.
std::vector<PuntoPixel> VerticiSulloSchermo(const StatoInterfaccia& s, const Vista& v) {
    const auto ultimo = static_cast<std::ptrdiff_t>(s.UltVerticeLista);
    const auto n = std::clamp<std::ptrdiff_t>(ultimo + 1, 0,
                                              static_cast<std::ptrdiff_t>(s.OrdineVertici.size()));
    std::vector<PuntoPixel> pixel;
    pixel.reserve(static_cast<std::size_t>(n));
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        const int indice = s.OrdineVertici[static_cast<std::size_t>(i)];
        if (indice < 0 || static_cast<std::size_t>(indice) >= s.PoolVertici.size()) break;
        const Punto& p = s.PoolVertici[static_cast<std::size_t>(indice)];
        pixel.push_back(PixelEditor(v, p.X, p.Y));
    }
    return pixel;
}

void Quadrato(const BersaglioSchermo& b, PuntoPixel p, int colore) {
    const auto x = static_cast<float>(p.X), y = static_cast<float>(p.Y);
    b.RiquadroVideo(x - MezzoQuadrato, y - MezzoQuadrato, x + MezzoQuadrato, y + MezzoQuadrato,
                    colore, false);
}

void LineaPunteggiata(const BersaglioSchermo& b, PuntoPixel a, PuntoPixel c, int colore) {
    b.LineaVideo(static_cast<float>(a.X), static_cast<float>(a.Y), static_cast<float>(c.X),
                 static_cast<float>(c.Y), colore, StileTratto::Punteggiato);
}

}  // namespace

void DisPoligEdit(const StatoInterfaccia& stato, const BersaglioSchermo& b) {
    if (stato.SnapGriglia != 0) DisGriglia(b);
    const Vista& v = b.VistaSchermo();
    const std::vector<PuntoPixel> vertici = VerticiSulloSchermo(stato, v);
    const int n = static_cast<int>(vertici.size());
    const int selezionato = stato.VerticeSelezionato;
    for (int i = 0; i < n; ++i) {
        const int colore = i == selezionato ? Giallo : Rosso;
        const PuntoPixel p = vertici[static_cast<std::size_t>(i)];
        Quadrato(b, p, colore);
        b.ColoreTestoVideo(colore);
        b.TestoVideo(p.X, p.Y, AltezzaNumero, LarghezzaNumero, 0, NumeroConSpazio(i + 1));
        LineaPunteggiata(b, p, vertici[static_cast<std::size_t>((i + 1) % n)], GrigioChiaro);
    }
    if (selezionato < 0 || selezionato >= n) return;

    const PuntoPixel digitato =
        PixelEditor(v, ValoreTesto(stato.Text1[0]), ValoreTesto(stato.Text1[1]));
    Quadrato(b, digitato, Giallo);
    const PuntoPixel scelto = vertici[static_cast<std::size_t>(selezionato)];
    if (scelto.X == digitato.X || scelto.Y == digitato.Y) return;
    const PuntoPixel successivo = vertici[static_cast<std::size_t>((selezionato + 1) % n)];
    const PuntoPixel precedente = vertici[static_cast<std::size_t>((selezionato + n - 1) % n)];
    LineaPunteggiata(b, digitato, successivo, Giallo);
    LineaPunteggiata(b, digitato, precedente, Giallo);
}
