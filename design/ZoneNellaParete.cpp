#include "design/ZoneNellaParete.h"

#include "design/AreaPari.h"
#include "design/EtichettaPosizione.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/RegioneZona.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <ranges>

namespace {

using Anello = std::vector<PuntoPreciso>;

Anello Precisi(const std::vector<Punto>& punti, int n) {
    Anello r;
    const int quanti = std::clamp(n, 0, static_cast<int>(punti.size()));
    r.reserve(static_cast<std::size_t>(quanti));
    for (int i = 0; i < quanti; ++i) r.push_back({punti[i].X, punti[i].Y});
    return r;
}

// The outline and the openings a zone is cut to, as the clipping takes them.
struct ConfiniZone {
    Anello Contorno;
    std::vector<Anello> Fori;
};

ConfiniZone Confini(const Parete& p) {
    ConfiniZone c{Precisi(p.ContornoArmatura, p.NumPuntiEst + 1), {}};
    const int aperture = std::min({p.NumAperture, static_cast<int>(p.ForiArmatura.size()),
                                   static_cast<int>(p.PuntiApertura.size())});
    for (int k = 0; k < aperture; ++k) {
        Anello foro = Precisi(p.ForiArmatura[k], p.PuntiApertura[k]);
        if (foro.size() >= 3) c.Fori.push_back(std::move(foro));
    }
    return c;
}

double Area(const std::vector<PezzoZona>& pezzi) {
    std::vector<Anello> anelli;
    for (const PezzoZona& pezzo : pezzi) {
        anelli.push_back(pezzo.Esterno);
        anelli.insert(anelli.end(), pezzo.Buchi.begin(), pezzo.Buchi.end());
    }
    return AreaPari(anelli);
}

enum class Taglio { Intatta, Tagliata, Vuota, Indefinita, Fallita };

struct ZonaTagliata {
    Taglio Esito = Taglio::Intatta;
    std::vector<PezzoZona> Pezzi;
};

// The stored zone i inside the new wall. A ring with slits is no region the
// geometry takes: its zone in the old wall stands for it.
ZonaTagliata TagliaZona(const Parete& parete, int i, const ConfiniZone& nuovi, const Parete& prima,
                        const ConfiniZone& vecchi, const Impostazioni& imp) {
    const PosizioneArm& pos = parete.Posizioni[i];
    const Anello memorizzato = Precisi(parete.PoligoniPos[i], pos.UltVerticeZona + 1);
    std::vector<PezzoZona> prima_pezzi;
    if (AnelloSemplice(memorizzato)) {
        prima_pezzi.push_back({memorizzato, {}});
    } else {
        Anello zona;
        for (const Vertice& v : ZonaAllargata(pos, prima, imp)) zona.push_back({v.X, v.Y});
        RegioneCalcolata vecchia = RegioneZona(zona, vecchi.Contorno, vecchi.Fori);
        if (vecchia.Stato == StatoRegione::NonCalcolabile) return {Taglio::Fallita, {}};
        if (vecchia.Stato == StatoRegione::NonDefinita || vecchia.Pezzi.empty()) return {Taglio::Indefinita, {}};
        prima_pezzi = std::move(vecchia.Pezzi);
    }
    RegioneCalcolata nuova = TagliaRegione(prima_pezzi, nuovi.Contorno, nuovi.Fori);
    if (nuova.Stato == StatoRegione::NonCalcolabile) return {Taglio::Fallita, {}};
    if (nuova.Stato == StatoRegione::NonDefinita) return {Taglio::Indefinita, {}};
    if (nuova.Pezzi.empty()) return {Taglio::Vuota, {}};
    // What the geometry's own rounding takes off is no cut: such a zone
    // keeps its polygon as stored.
    const double primaArea = Area(prima_pezzi);
    if (Area(nuova.Pezzi) >= primaArea - (0.01 + 1e-6 * primaArea)) return {Taglio::Intatta, {}};
    return {Taglio::Tagliata, std::move(nuova.Pezzi)};
}

// Stores the cut polygon of zone i with the extremes and centroid that
// follow from it; the leader stays where it crosses the bars.
void MemorizzaTaglio(Parete& parete, int i, const std::vector<PezzoZona>& pezzi) {
    StatoInterfaccia buffer;
    for (const PuntoPreciso& v : AnelloUnico(pezzi))
        buffer.PoligonoCorrente.push_back({static_cast<float>(v.X), static_cast<float>(v.Y)});
    buffer.UltPuntoCorrente = static_cast<int>(buffer.PoligonoCorrente.size()) - 1;
    buffer.PosCorrente = parete.Posizioni[i];
    buffer.NuovoElemento = 0;
    CalcolaPosDirezioni(buffer, parete);
    parete.Posizioni[i] = buffer.PosCorrente;
    CopiaVertici(buffer.PoligonoCorrente, buffer.UltPuntoCorrente, parete.PoligoniPos[i]);
}

}  // namespace

ZoneTagliate TagliaZoneAllaParete(Parete& parete, const Parete& prima, const Impostazioni& imp) {
    const ConfiniZone nuovi = Confini(parete), vecchi = Confini(prima);
    ZoneTagliate r;
    std::vector<int> vuote;
    const int ultima = std::min({parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1,
                                 static_cast<int>(parete.PoligoniPos.size()) - 1});
    for (int i = 0; i <= ultima; ++i) {
        const int tipo = parete.Posizioni[i].Tipo;
        if (tipo != IntegrativaPiu && tipo != IntegrativaMeno) continue;
        ZonaTagliata taglio = TagliaZona(parete, i, nuovi, prima, vecchi, imp);
        switch (taglio.Esito) {
            case Taglio::Fallita:
                return {Esito::Errore("La zona della Pos. " + std::to_string(i + 1) +
                                      " non può essere adattata alla parete."),
                        false, {}};
            case Taglio::Vuota: vuote.push_back(i); break;
            case Taglio::Tagliata:
                MemorizzaTaglio(parete, i, taglio.Pezzi);
                r.Modificate = true;
                break;
            case Taglio::Intatta:
            case Taglio::Indefinita: break;
        }
    }
    // From the last, so that the indexes still to remove stay in place.
    for (const int i : std::views::reverse(vuote)) (void)EliminaPosizione(parete, i);
    for (const int i : vuote) r.Eliminate.push_back(i + 1);
    r.Modificate = r.Modificate || !vuote.empty();
    return r;
}

bool CambiatiConfiniZone(const Parete& parete, const Parete& prima) {
    const ConfiniZone dopo = Confini(parete), avanti = Confini(prima);
    return dopo.Contorno != avanti.Contorno || dopo.Fori != avanti.Fori;
}

std::string MessaggioZonaEliminata(int numero) {
    return "La zona della Pos. " + std::to_string(numero) + " è rimasta fuori dalla parete ed è stata eliminata.";
}
