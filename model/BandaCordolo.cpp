#include "model/BandaCordolo.h"

#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/PuntiCoincidenti.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// What the files keep of the perimeter, to which a band built on it agrees.
constexpr float TolleranzaBanda = 0.1f;  // cm
// The band reaches 5 cm past the side on the near side, and as far past the
// ring beam on the far side of the outer perimeter.
constexpr float MargineBanda = 5.0f;  // cm

struct Segmento {
    Punto A, B;
};

Segmento Sposta(const Segmento& s, float d) {
    Segmento r;
    SegmentoParallelo(s.A.X, s.A.Y, s.B.X, s.B.Y, r.A.X, r.A.Y, r.B.X, r.B.Y, d);
    return r;
}

struct Incrocio {
    Punto P;
    int Stato = 0;
};

// Lines that do not cross give riserva (the shifted side's end at that vertex).
Incrocio Incontra(const Segmento& l1, const Segmento& l2, Punto riserva) {
    Incrocio i{riserva, 0};
    float xo = 0.0f, yo = 0.0f;
    IntersezioneSegmenti(l1.A.X, l1.A.Y, l1.B.X, l1.B.Y, l2.A.X, l2.A.Y, l2.B.X, l2.B.Y, i.P.X,
                         i.P.Y, i.Stato, xo, yo);
    if (i.Stato == StatoIntersezione::Parallele || i.Stato == StatoIntersezione::Sovrapposti)
        i.P = riserva;
    return i;
}

// The side P to Q with the vertices R before P and S after Q.
struct LatoCordolo {
    Punto R, P, Q, S;
    bool Apertura = false;
};

LatoCordolo LatoDi(const Parete& parete, const PosizioneArm& pos) {
    const int j = pos.LatoPerimetro;
    LatoCordolo l;
    if (pos.PoligonoLato < 0) {
        const int n = parete.NumPuntiEst;
        const auto& v = parete.PerimetroEsterno;
        l.P = v[j];
        l.Q = v[j + 1];
        l.R = v[j == 0 ? n - 1 : j - 1];
        l.S = v[j + 1 == n ? 1 : j + 2];
        return l;
    }
    const int k = pos.PoligonoLato;
    const int m = parete.PuntiApertura[k];
    const auto vertice = [&](int i) { return Punto{parete.XApertura(k, i), parete.YApertura(k, i)}; };
    const int q = j == m - 1 ? 0 : j + 1;
    l.P = vertice(j);
    l.Q = vertice(q);
    l.R = vertice(j == 0 ? m - 1 : j - 1);
    l.S = vertice(q == m - 1 ? 0 : q + 1);
    l.Apertura = true;
    return l;
}

float DistanzaPunti(const Punto& a, const Punto& b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// To the hundredth: what the written decimals leave of a typed cover.
float ArrotondaCentesimi(float copriferro) { return std::round(copriferro * 100.0f) / 100.0f; }

// Distance of v from the line through the side, positive on its right.
float DistanzaADestra(const LatoCordolo& l, const Punto& v) {
    const float dx = l.Q.X - l.P.X, dy = l.Q.Y - l.P.Y;
    const float lunghezza = std::hypot(dx, dy);
    if (lunghezza == 0.0f) return 0.0f;
    return (dy * (v.X - l.P.X) - dx * (v.Y - l.P.Y)) / lunghezza;
}

// How far the near edge of the stored band (corners 0 and 3, which neither
// the width nor the cover move) lies from the one built on the side of prova.
float ScostamentoLatoVicino(const Parete& parete, const PosizioneArm& pos,
                            const PosizioneArm& prova) {
    const BandaCordolo banda = CalcolaBandaCordolo(parete, prova);
    return std::max(DistanzaPunti(banda.Vertici[0], pos.Vertici[0]),
                    DistanzaPunti(banda.Vertici[3], pos.Vertici[3]));
}

// Takes the side of the outer perimeter or of an opening whose band pos's
// stored band is: the closest within the tolerance.
bool CercaLato(const Parete& parete, PosizioneArm& pos) {
    PosizioneArm prova = pos;
    PosizioneArm migliore = pos;
    float scostamento = TolleranzaBanda;
    bool trovato = false;
    const auto considera = [&](int poligono, int lato) {
        prova.PoligonoLato = poligono;
        prova.LatoPerimetro = lato;
        if (!LatoCordoloEsiste(parete, prova)) return;
        const float s = ScostamentoLatoVicino(parete, pos, prova);
        if (s <= scostamento) {
            scostamento = s;
            migliore = prova;
            trovato = true;
        }
    };
    for (int j = 0; j < parete.NumPuntiEst; ++j) considera(-1, j);
    const int aperture = std::min(parete.NumAperture, static_cast<int>(parete.PuntiApertura.size()));
    for (int k = 0; k < aperture; ++k)
        for (int j = 0; j < parete.PuntiApertura[k]; ++j) considera(k, j);
    if (!trovato) return false;
    pos.PoligonoLato = migliore.PoligonoLato;
    pos.LatoPerimetro = migliore.LatoPerimetro;
    return true;
}

bool LatoNelPoligono(const Parete& parete, const PosizioneArm& pos) {
    const int j = pos.LatoPerimetro;
    if (j < 0) return false;
    if (pos.PoligonoLato < 0) {
        const int n = parete.NumPuntiEst;
        return n >= 3 && j < n && static_cast<int>(parete.PerimetroEsterno.size()) > n;
    }
    const int k = pos.PoligonoLato;
    if (k >= parete.NumAperture || k >= static_cast<int>(parete.PuntiApertura.size()) ||
        k >= static_cast<int>(parete.InizioApertura.size()))
        return false;
    const int m = parete.PuntiApertura[k];
    return m >= 3 && j < m &&
           parete.InizioApertura[k] + m <= static_cast<int>(parete.XAperture.size()) &&
           parete.InizioApertura[k] + m <= static_cast<int>(parete.YAperture.size());
}

// Without its side, the cover is still in the band: the polygon's near edge
// (points 0 and 3) lies the cover inside the side, the band's (corners 0 and
// 3) the margin outside it, on the outer perimeter and on an opening alike.
float CopriferroSenzaLato(const PosizioneArm& pos, const std::vector<Punto>& poligono) {
    const LatoCordolo vicino{{}, pos.Vertici[0], pos.Vertici[3], {}};
    if (pos.UltVerticeZona != 4 || poligono.size() < 4 || PuntiCoincidenti(vicino.P, vicino.Q))
        return 0.0f;
    const float distanza =
        (DistanzaADestra(vicino, poligono[0]) + DistanzaADestra(vicino, poligono[3])) / 2.0f;
    return ArrotondaCentesimi(distanza - MargineBanda);
}

}  // namespace

bool LatoCordoloEsiste(const Parete& parete, const PosizioneArm& pos) {
    if (!LatoNelPoligono(parete, pos)) return false;
    // A side whose ends are one point has no direction to build a band on.
    const LatoCordolo l = LatoDi(parete, pos);
    return !PuntiCoincidenti(l.P, l.Q);
}

BandaCordolo CalcolaBandaCordolo(const Parete& parete, const PosizioneArm& pos) {
    const LatoCordolo l = LatoDi(parete, pos);
    const bool ap = l.Apertura;
    const float c = pos.CopriferroCordolo, w = pos.Larghezza, cw = parete.Copriferro;
    const float d = static_cast<float>(pos.DiamCorrenti);
    const Segmento lato{l.P, l.Q}, prec{l.R, l.P};
    const Segmento succ = ap ? Segmento{l.S, l.Q} : Segmento{l.Q, l.S};

    BandaCordolo banda;
    const Segmento lontana = Sposta(lato, ap ? -(c + w) : -(c + w + MargineBanda));
    const Segmento vicina = Sposta(lato, MargineBanda);
    const Segmento precBanda = Sposta(prec, ap ? -MargineBanda : MargineBanda);
    const Segmento succBanda = Sposta(succ, MargineBanda);
    auto& v = banda.Vertici;
    v[0] = Incontra(vicina, precBanda, vicina.A).P;
    v[3] = Incontra(vicina, succBanda, vicina.B).P;
    v[1] = Incontra(lontana, precBanda, lontana.A).P;
    v[2] = Incontra(lontana, succBanda, lontana.B).P;

    const Segmento vicina2 = Sposta(lato, -c);
    Segmento l1 = Sposta(prec, -cw);
    Segmento l2 = Sposta(succ, ap ? cw : -cw);
    Incrocio p0 = Incontra(vicina2, l1, vicina2.A);
    if (p0.Stato == StatoIntersezione::Esterna) {
        l1 = Sposta(l1, -4.0f * d);
        p0 = Incontra(vicina2, l1, vicina2.A);
    }
    Incrocio p3 = Incontra(vicina2, l2, vicina2.B);
    if (p3.Stato == StatoIntersezione::Esterna) {
        l2 = Sposta(l2, ap ? 4.0f * d : -4.0f * d);
        p3 = Incontra(vicina2, l2, vicina2.B);
    }
    banda.Poligono = {p0.P, Incontra(lontana, l1, lontana.A).P, Incontra(lontana, l2, lontana.B).P,
                      p3.P, p0.P};
    banda.Angolo = AngoloVettore(l.P.X, l.P.Y, l.Q.X, l.Q.Y);
    return banda;
}

bool BandaUguale(const PosizioneArm& pos, const std::vector<Punto>& poligono,
                 const BandaCordolo& banda) {
    if (pos.UltVerticeZona != 4 || poligono.size() < banda.Poligono.size()) return false;
    for (std::size_t i = 0; i < banda.Vertici.size(); ++i)
        if (DistanzaPunti(pos.Vertici[i], banda.Vertici[i]) > TolleranzaBanda) return false;
    for (std::size_t i = 0; i < banda.Poligono.size(); ++i)
        if (DistanzaPunti(poligono[i], banda.Poligono[i]) > TolleranzaBanda) return false;
    return true;
}

void TrovaLatiCordoli(Parete& parete) {
    const int ultima = std::min(parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1);
    for (int p = 0; p <= ultima; ++p) {
        PosizioneArm& pos = parete.Posizioni[p];
        if (pos.Tipo != Cordolo) continue;
        if (!CercaLato(parete, pos)) {
            pos.LatoPerimetro = -1;
            pos.PoligonoLato = -1;
            const Punto& a = pos.Vertici[0];
            const Punto& b = pos.Vertici[3];
            if (a.X != b.X || a.Y != b.Y) pos.Angolo = AngoloVettore(a.X, a.Y, b.X, b.Y);
            pos.CopriferroCordolo =
                p < static_cast<int>(parete.PoligoniPos.size())
                    ? CopriferroSenzaLato(pos, parete.PoligoniPos[p])
                    : 0.0f;
            continue;
        }
        const LatoCordolo l = LatoDi(parete, pos);
        // The far edge lies past the cover and the width, and on the outer
        // perimeter a margin further.
        const float lontana =
            (DistanzaADestra(l, pos.Vertici[1]) + DistanzaADestra(l, pos.Vertici[2])) / 2.0f;
        const float copriferro = lontana - pos.Larghezza - (l.Apertura ? 0.0f : MargineBanda);
        pos.CopriferroCordolo = ArrotondaCentesimi(copriferro);
        pos.Angolo = AngoloVettore(l.P.X, l.P.Y, l.Q.X, l.Q.Y);
    }
}
