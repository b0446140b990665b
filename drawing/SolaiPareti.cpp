#include "drawing/SolaiPareti.h"

#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <cmath>

namespace {

// A slab band runs along x with its reference line at y = Coordinata; a wall
// band runs along y with its line at x = Coordinata. The same procedures serve
// both by reading points through these two coordinates.
struct Asse {
    bool Verticale = false;  // true for a transverse wall

    float Lungo(const Punto& p) const { return Verticale ? p.Y : p.X; }
    float Traverso(const Punto& p) const { return Verticale ? p.X : p.Y; }
    Punto Crea(float lungo, float traverso) const {
        return Verticale ? Punto{traverso, lungo} : Punto{lungo, traverso};
    }
};

// Appends the crossing of the band line with segment a-b when it lies inside
// both and away from the segment's ends.
void AggiungiIncrocio(const Punto& l1, const Punto& l2, const Punto& a, const Punto& b,
                      std::vector<Punto>& lista) {
    float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
    int stato = 0;
    IntersezioneSegmenti(l1.X, l1.Y, l2.X, l2.Y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
    if (stato == StatoIntersezione::Interna) lista.push_back({xi, yi});
}

void Intervalli(const Parete& parete, const SolaioParete& el, const Asse& asse,
                std::vector<Punto>& punti, int& n) {
    const float c = el.Coordinata;
    n = -1;
    std::vector<Punto> lista;

    const std::vector<Punto>& est = parete.PerimetroEsterno;
    const int ne = std::min(parete.NumPuntiEst, static_cast<int>(est.size()));
    auto vertice = [&](int i) { return est[i == ne ? 0 : i]; };

    // Sides lying on the reference line give their own two ends.
    for (int i = 0; i < ne; ++i) {
        const Punto a = vertice(i), b = vertice(i + 1);
        if (std::fabs(asse.Traverso(a) - asse.Traverso(b)) < 0.1f &&
            std::fabs(c - asse.Traverso(a)) < 0.1f) {
            lista.push_back(a);
            lista.push_back(b);
        }
    }

    const float inizio = asse.Verticale ? parete.YminParete : parete.XminParete;
    const float fine = asse.Verticale ? parete.YmaxParete : parete.XmaxParete;
    const Punto l1 = asse.Crea(inizio - 10.0f, c);
    const Punto l2 = asse.Crea(fine + 10.0f, c);
    for (int i = 0; i < ne; ++i) AggiungiIncrocio(l1, l2, vertice(i), vertice(i + 1), lista);
    for (int k = 0; k < parete.NumAperture; ++k) {
        const int nv = parete.PuntiApertura[k];
        for (int j = 0; j < nv; ++j) {
            const int j2 = (j + 1 == nv) ? 0 : j + 1;
            AggiungiIncrocio(l1, l2, {parete.XApertura(k, j), parete.YApertura(k, j)},
                             {parete.XApertura(k, j2), parete.YApertura(k, j2)}, lista);
        }
    }

    n = static_cast<int>(lista.size()) - 1;
    if (n <= 0) return;

    punti.assign(n + 2, Punto{});
    std::copy(lista.begin(), lista.end(), punti.begin());
    // Only the coordinate along the band is ordered: every point lies on the line.
    for (int i = 0; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            float& ai = asse.Verticale ? punti[i].Y : punti[i].X;
            float& aj = asse.Verticale ? punti[j].Y : punti[j].X;
            if (ai > aj) std::swap(ai, aj);
        }
    }

    float& primo = asse.Verticale ? punti[0].Y : punti[0].X;
    primo += el.Rientro1;
    if (primo > asse.Lungo(punti[1])) {
        n = 0;
        return;
    }
    float& ultimo = asse.Verticale ? punti[n].Y : punti[n].X;
    ultimo -= el.Rientro2;
    if (asse.Lungo(punti[n - 1]) > ultimo) n = 0;
}

// Where the line through a and b meets the band line at traverso t; false when
// they do not meet.
bool IncrocioConLinea(const Asse& asse, const Punto& a, const Punto& b, float lungo1,
                      float lungo2, float t, bool lineaPrima, Punto& risultato) {
    const Punto l1 = asse.Crea(lungo1, t), l2 = asse.Crea(lungo2, t);
    float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
    int stato = 0;
    if (lineaPrima)
        IntersezioneSegmenti(l1.X, l1.Y, l2.X, l2.Y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
    else
        IntersezioneSegmenti(a.X, a.Y, b.X, b.Y, l1.X, l1.Y, l2.X, l2.Y, xi, yi, stato, xo, yo);
    if (stato <= 0) return false;
    risultato = {xi, yi};
    return true;
}

// Moves vertices i and j of a perimeter, along its sides p-i and j-q, onto the
// band line at traverso t.
void SpostaLato(const Asse& asse, std::vector<Punto>& perimetro, int p, int i, int j, int q,
                float lungoI, float lungoJ, float t) {
    Punto nuovo;
    if (IncrocioConLinea(asse, perimetro[p], perimetro[i], lungoI, lungoJ, t, false, nuovo))
        perimetro[i] = nuovo;
    if (IncrocioConLinea(asse, perimetro[j], perimetro[q], lungoI, lungoJ, t, true, nuovo))
        perimetro[j] = nuovo;
}

void AggiornaPerimetri(Parete& parete, const Asse& asse, float c, float s1, float s2) {
    const int n = parete.NumPuntiContorno;
    if (n != parete.NumPuntiEst || n != parete.NumPuntiInt || n < 2) return;
    std::vector<Punto>& est = parete.PerimetroEsterno;
    std::vector<Punto>& inn = parete.PerimetroInterno;
    const std::vector<Punto>& contorno = parete.Contorno;
    if (static_cast<int>(est.size()) < n || static_cast<int>(inn.size()) < n ||
        static_cast<int>(contorno.size()) < n)
        return;

    // For a slab spessore1 lies above the line; for a wall it lies to the left,
    // i.e. on the side of smaller x: the sign turns the offsets accordingly.
    const float segno = asse.Verticale ? -1.0f : 1.0f;
    const float lato1 = c + segno * s1;  // far face on the side of spessore1
    const float lato2 = c - segno * s2;  // far face on the side of spessore2

    for (int i = 0; i < n; ++i) {
        const int j = (i + 1 == n) ? 0 : i + 1;
        const int p = (i == 0) ? n - 1 : i - 1;
        const int q = (j == n - 1) ? 0 : j + 1;
        const Punto a = contorno[i], b = contorno[j];
        if (std::fabs(asse.Traverso(a) - asse.Traverso(b)) >= 0.1f ||
            std::fabs(c - asse.Traverso(a)) >= 0.1f)
            continue;
        const float medio = (asse.Lungo(a) + asse.Lungo(b)) / 2.0f;
        const float la = asse.Lungo(a), lb = asse.Lungo(b);

        // The wall lies beyond the side of spessore2: the band's spessore1 side is empty.
        const Punto fuori1 = asse.Crea(medio, lato1 + segno * 1.0f);
        if (s1 >= 0.0f && !PuntoInPerimetro(parete, fuori1.X, fuori1.Y, -1)) {
            SpostaLato(asse, est, p, i, j, q, la, lb, lato1);
            SpostaLato(asse, inn, p, i, j, q, la, lb, lato2);
        }
        const Punto fuori2 = asse.Crea(medio, lato2 - segno * 1.0f);
        if (s2 >= 0.0f && !PuntoInPerimetro(parete, fuori2.X, fuori2.Y, -1)) {
            SpostaLato(asse, est, p, i, j, q, la, lb, lato2);
            SpostaLato(asse, inn, p, i, j, q, la, lb, lato1);
        }
    }
    // Keep the closing element equal to vertex 0, as every closed array is.
    if (static_cast<int>(est.size()) > n) est[n] = est[0];
    if (static_cast<int>(inn.size()) > n) inn[n] = inn[0];
}

void Ordina(std::vector<SolaioParete>& lista, int ult) {
    ult = std::min(ult, static_cast<int>(lista.size()) - 1);
    if (ult < 1) return;
    for (int i = 0; i <= ult; ++i)
        for (int j = i + 1; j <= ult; ++j)
            if (lista[i].Coordinata > lista[j].Coordinata) std::swap(lista[i], lista[j]);
}

void Elimina(Parete& parete, std::vector<SolaioParete>& lista, int& ult, int k,
             const Asse& asse) {
    if (k < 0 || k > ult || k >= static_cast<int>(lista.size())) return;
    AggiornaPerimetri(parete, asse, lista[k].Coordinata, 0.0f, 0.0f);
    lista.erase(lista.begin() + k);
    ult -= 1;
    // An empty list keeps its one slot.
    lista.resize(std::max(ult + 1, 1));
}

}  // namespace

void IntervalliSolaio(const Parete& parete, const SolaioParete& solaio, std::vector<Punto>& punti,
                      int& n) {
    Intervalli(parete, solaio, Asse{false}, punti, n);
}

void IntervalliParete(const Parete& parete, const SolaioParete& pareteTrasversale,
                      std::vector<Punto>& punti, int& n) {
    Intervalli(parete, pareteTrasversale, Asse{true}, punti, n);
}

void AggiornaPerimetriSolaio(Parete& parete, float coordinata, float spessore1,
                             float spessore2) {
    AggiornaPerimetri(parete, Asse{false}, coordinata, spessore1, spessore2);
}

void AggiornaPerimetriParete(Parete& parete, float coordinata, float spessore1,
                             float spessore2) {
    AggiornaPerimetri(parete, Asse{true}, coordinata, spessore1, spessore2);
}

void OrdinaSolai(Parete& parete) { Ordina(parete.Solai, parete.UltSolaio); }

void OrdinaPareti(Parete& parete) { Ordina(parete.ParetiTrasversali, parete.UltParete); }

void EliminaSolaio(Parete& parete, int k) {
    Elimina(parete, parete.Solai, parete.UltSolaio, k, Asse{false});
}

void EliminaParete(Parete& parete, int k) {
    Elimina(parete, parete.ParetiTrasversali, parete.UltParete, k, Asse{true});
}

void SolaiNegliIntervalli(const Parete& parete, const std::vector<float>& quote, int n,
                          std::vector<int>& elenco, int& m) {
    n = std::min(n, static_cast<int>(quote.size()));
    // Each pair needs both its ends: a lone last height starts no pair.
    for (int i = 0; i + 1 < n; i += 2) {
        const float a = quote[i], b = quote[i + 1];
        m = 0;
        elenco.clear();
        const int ultimo = std::min(parete.UltSolaio, static_cast<int>(parete.Solai.size()) - 1);
        for (int k = 0; k <= ultimo; ++k) {
            const float cima = parete.Solai[k].Coordinata + parete.Solai[k].Spessore1;
            if (a <= cima && cima <= b) elenco.push_back(k);
        }
        m = static_cast<int>(elenco.size());
        if (m == 0) continue;

        // A piece shorter than this between two splits is not worth a cut.
        const float minimo =
            10.0f * static_cast<float>(std::max(parete.DiamDir1Piu, parete.DiamDir1Meno));
        auto cima = [&](int j) {
            return parete.Solai[elenco[j]].Coordinata + parete.Solai[elenco[j]].Spessore1;
        };
        int j = 0;
        while (j <= m - 1) {
            const float prossimo = (j < m - 1) ? cima(j + 1) : b - parete.Copriferro;
            if (prossimo - cima(j) < minimo) {
                elenco.erase(elenco.begin() + j);
                m -= 1;
            } else {
                j += 1;
            }
        }
    }
}
