#include "design/MappaColori.h"

#include "design/MappaClassi.h"
#include "design/MappaIntervalli.h"
#include "design/MappaLivelli.h"
#include "design/MappaRitaglio.h"
#include "design/MappaTipi.h"
#include "design/StatoNodo.h"
#include "design/TagliaBande.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace {

// Below this a map's range counts as nil and the map is one colour.
constexpr float RangeNullo = 0.009f;

constexpr StratoTela Strato = StratoTela::Immagine;

PuntoPixel Pixel(const Vista& vista, double x, double y) {
    return {static_cast<int>(std::nearbyint(XSchermo(vista, static_cast<float>(x)))),
            static_cast<int>(std::nearbyint(YSchermo(vista, static_cast<float>(y))))};
}

bool NodoEsistente(const Parete& parete, int i) {
    return i >= 0 && i < parete.NumNodi && i < static_cast<int>(parete.Nodi.size());
}

// The triangles of the list whose corners are nodes of the wall.
std::vector<Triangolo> TriangoliValidi(const Parete& parete) {
    std::vector<Triangolo> validi;
    const int ultimo = std::min(parete.UltimoTriangolo,
                                static_cast<int>(parete.Triangoli.size()) - 1);
    for (int t = 0; t <= ultimo; ++t) {
        const Triangolo& tri = parete.Triangoli[t];
        if (NodoEsistente(parete, tri.N1) && NodoEsistente(parete, tri.N2) &&
            NodoEsistente(parete, tri.N3))
            validi.push_back(tri);
    }
    return validi;
}

// Position and value of every node of the wall, read once for the six or so
// triangles that share each.
std::vector<AngoloMappa> AngoliDeiNodi(const Parete& parete, const TipoMappaColori& tipo) {
    const int nodi = std::min(parete.NumNodi, static_cast<int>(parete.Nodi.size()));
    std::vector<AngoloMappa> angoli;
    angoli.reserve(static_cast<std::size_t>(std::max(nodi, 0)));
    for (int i = 0; i < nodi; ++i)
        angoli.push_back({parete.Nodi[i].X, parete.Nodi[i].Y, ValoreNodoMappa(parete, tipo, i)});
    return angoli;
}

TriangoloMappa AngoliDi(const std::vector<AngoloMappa>& nodi, const Triangolo& t) {
    return {nodi[t.N1], nodi[t.N2], nodi[t.N3]};
}

std::vector<PuntoPixel> AnelloInPixel(const Vista& vista, const std::vector<Punto>& anello) {
    std::vector<PuntoPixel> punti;
    punti.reserve(anello.size());
    for (const Punto& p : anello) punti.push_back(Pixel(vista, p.X, p.Y));
    return punti;
}

// The triangles of the nodes span notches of the outline and corners of the
// openings: the fills keep to the reinforcement outline minus the openings.
// A wall whose contours are not built yet has nothing to keep to.
bool RitagliaAllaParete(const Parete& parete, TelaSchermo& tela, const Vista& vista) {
    if (parete.ContornoArmatura.size() < 3) return false;
    std::vector<std::vector<PuntoPixel>> fori;
    const int aperture = std::min(parete.NumAperture, static_cast<int>(parete.ForiArmatura.size()));
    for (int k = 0; k < aperture; ++k)
        fori.push_back(AnelloInPixel(vista, parete.ForiArmatura[k]));
    tela.RitagliaPoligoni(AnelloInPixel(vista, parete.ContornoArmatura), fori);
    return true;
}

void RiempiUniforme(const Parete& parete, TelaSchermo& tela, const Vista& vista) {
    for (const Triangolo& t : TriangoliValidi(parete)) {
        std::vector<PuntoPixel> punti;
        for (const int i : {t.N1, t.N2, t.N3})
            punti.push_back(Pixel(vista, parete.Nodi[i].X, parete.Nodi[i].Y));
        tela.Poligono(Strato, punti, ColoreClasse(0));
    }
}

// Cuts the triangle into its bands and fills each piece; punti is the
// pixel buffer the pieces share.
void RiempiBande(const TriangoloMappa& angoli, TaglioBande& taglio, std::vector<PuntoPixel>& punti,
                 TelaSchermo& tela, const Vista& vista) {
    std::array<AngoloBanda, 3> perCento;
    for (int c = 0; c < 3; ++c)
        perCento[c] = {angoli[c].X, angoli[c].Y, 100.0 * angoli[c].Valore};
    for (const PezzoBandaFisso& pezzo : taglio.Taglia(perCento)) {
        punti.clear();
        for (const PuntoBanda& p : pezzo.Vertici()) punti.push_back(Pixel(vista, p.X, p.Y));
        tela.Poligono(Strato, punti, ColoreClasse(pezzo.Banda - 1));
    }
}

// The markers of the nodes, handed to the canvas at once.
void Marcatori(const Parete& parete, const Impostazioni& imp, const TipoMappaColori& tipo,
               TelaSchermo& tela, const Vista& vista) {
    const int nodi = std::min(parete.NumNodi, static_cast<int>(parete.Nodi.size()));
    const bool carenza = tipo.Grandezza == GrandezzaMappa::Carenza;
    std::vector<RiquadroPixel> riquadri;
    riquadri.reserve(static_cast<std::size_t>(std::max(nodi, 0)));
    for (int i = 0; i < nodi; ++i) {
        const PuntoPixel s = Pixel(vista, parete.Nodi[i].X, parete.Nodi[i].Y);
        const float x = static_cast<float>(s.X);
        const float y = static_cast<float>(s.Y);
        if (carenza) {
            const int colore = ColoreStatoNodo(StatoNodo(parete, imp, tipo.Strato, i));
            riquadri.push_back({x - 1.0f, y - 1.0f, x + 2.0f, y + 2.0f, colore});
        } else {
            riquadri.push_back({x, y, x + 1.0f, y + 1.0f, 0});
        }
    }
    tela.Riquadri(Strato, riquadri, carenza);
}

}  // namespace

void MappaColori(const Parete& parete, const Impostazioni& imp, StatoInterfaccia& stato,
                 TelaSchermo& tela, const Vista& vista, const LegendaMappaColori& legenda) {
    const std::optional<TipoMappaColori> tipo = DescriviTipoMappa(stato.TipoMappa);
    if (!tipo) return;
    stato.DirezioneAttiva = tipo->Direzione;
    stato.LatoAttivo = tipo->Lato;

    IntervalloMappa r = tipo->Grandezza == GrandezzaMappa::Carenza
                            ? IntervalloCarenza(parete, tipo->Strato)
                            : IntervalloMappa{stato.ScalaMin, stato.ScalaMax};
    if (r.Min > r.Max) Scambia(r.Min, r.Max);
    legenda(r.Max, r.Min, tipo->Titolo, tipo->Direzione, tipo->Lato);

    const bool ritagliata = RitagliaAllaParete(parete, tela, vista);
    if (std::fabs(r.Min) <= RangeNullo && std::fabs(r.Max) <= RangeNullo) {
        RiempiUniforme(parete, tela, vista);
    } else {
        TaglioBande taglio(LivelliMappa(r.Min, r.Max));
        std::vector<PuntoPixel> punti;
        const std::vector<AngoloMappa> nodi = AngoliDeiNodi(parete, *tipo);
        VentaglioMappa ventaglio;
        for (const Triangolo& t : TriangoliValidi(parete)) {
            const TriangoloMappa angoli = AngoliDi(nodi, t);
            // Missing areas lie within their own range and need no clipping.
            if (tipo->Grandezza == GrandezzaMappa::Carenza) {
                RiempiBande(angoli, taglio, punti, tela, vista);
                continue;
            }
            for (const TriangoloMappa& parte :
                 VentaglioAllIntervallo(angoli, r.Min, r.Max, ventaglio))
                RiempiBande(parte, taglio, punti, tela, vista);
        }
    }
    if (ritagliata) tela.RimuoviRitaglio();
    Marcatori(parete, imp, *tipo, tela, vista);
}
