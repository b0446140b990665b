#include "drawing/QuotaturaAutomatica.h"

#include "drawing/QuoteLista.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// Distance of the chains from the bounding box, and of the level marks from
// the left chain, cm.
constexpr float DistanzaCatena = 60.0f;
constexpr float DistanzaLivelli = 20.0f;
// Two points closer than this along a chain count as one level.
constexpr float StessoLivello = 0.001f;

enum class LatoCatena { Sup, Inf, Sx, Dx };

// A chain seen along its own axes: a along it, b across it, outward the side
// away from the wall.
struct AssiCatena {
    LatoCatena Lato;

    bool LungoX() const { return Lato == LatoCatena::Sup || Lato == LatoCatena::Inf; }
    float A(Punto p) const { return LungoX() ? p.X : p.Y; }
    float B(Punto p) const { return LungoX() ? p.Y : p.X; }
    // True when b1 lies further outward than b2.
    bool PiuEsterno(float b1, float b2) const {
        return (Lato == LatoCatena::Sup || Lato == LatoCatena::Dx) ? b1 > b2 : b1 < b2;
    }
    Punto SullaCatena(float a, float quota) const {
        return LungoX() ? Punto{a, quota} : Punto{quota, a};
    }
};

struct Voce {
    Punto P;
    bool Nascosta = false;
};

// Each distinct a keeps its outermost point; points on or beyond the chain line go.
std::vector<Voce> PuntiDellaCatena(const AssiCatena& assi, std::span<const Punto> punti,
                                   float quota) {
    std::vector<Voce> lista;
    for (const Punto& p : punti) {
        if (!assi.PiuEsterno(quota, assi.B(p))) continue;
        if (!lista.empty() && std::fabs(assi.A(lista.back().P) - assi.A(p)) < StessoLivello) {
            if (assi.PiuEsterno(assi.B(p), assi.B(lista.back().P))) lista.back().P = p;
        } else {
            lista.push_back({p});
        }
    }
    return lista;
}

// Hides the entries that lie inward of the last visible one while a later
// entry stands further out: levels of re-entrant parts the chain's side
// cannot see. Examined are the second entry, then the third up to the third
// from last; entries that do not exist are not examined.
void NascondiRientranze(const AssiCatena& assi, std::vector<Voce>& lista) {
    const int m = static_cast<int>(lista.size());
    if (m < 2) return;
    float riferimento = assi.B(lista[0].P);
    const auto esamina = [&](int i) {
        const float b = assi.B(lista[i].P);
        if (!assi.PiuEsterno(riferimento, b)) {
            riferimento = b;
            return;
        }
        lista[i].Nascosta = std::any_of(lista.begin() + i + 1, lista.end(), [&](const Voce& v) {
            return assi.PiuEsterno(assi.B(v.P), b);
        });
    };
    esamina(1);
    for (int i = 2; i <= m - 3; ++i) esamina(i);
}

void AggiungiLivello(Parete& parete, float quota, float y) {
    AggiungiQuotaLivello(parete, {.X = quota - DistanzaLivelli,
                                  .Y = y,
                                  .Valore = parete.OrigineY + y,
                                  .Vista = TutteLeViste});
}

void Catena(Parete& parete, LatoCatena lato, std::span<const Punto> punti, float quota,
            const FormatoQuote& formato) {
    const AssiCatena assi{lato};
    std::vector<Voce> lista = PuntiDellaCatena(assi, punti, quota);
    NascondiRientranze(assi, lista);
    const bool livelli = lato == LatoCatena::Sx;
    if (livelli) parete.NumQuoteLivello = 0;
    const int m = static_cast<int>(lista.size());
    int i = 0;
    for (int j = 1; j < m; ++j) {
        if (lista[j].Nascosta) continue;
        const Punto da = lista[i].P;
        const Punto a = lista[j].P;
        AggiungiQuota(parete, formato, assi.SullaCatena(assi.A(da), quota),
                      assi.SullaCatena(assi.A(a), quota), da, a, TutteLeViste);
        if (livelli) {
            AggiungiLivello(parete, quota, da.Y);
            if (j == m - 1) AggiungiLivello(parete, quota, a.Y);
        }
        i = j;
    }
}

// Exchange sort on one coordinate, in the order the chains rely on for ties.
template <typename Chiave>
void OrdinaPunti(std::vector<Punto>& punti, Chiave chiave) {
    for (std::size_t i = 0; i < punti.size(); ++i)
        for (std::size_t j = i + 1; j < punti.size(); ++j)
            if (chiave(punti[j]) < chiave(punti[i])) std::swap(punti[i], punti[j]);
}

// The outer perimeter with its closing copy, the slab tops at both sides of
// the box and the faces of the transverse walls at its bottom and top.
std::vector<Punto> PuntiDaQuotare(const Parete& p) {
    std::vector<Punto> punti;
    const int ultimoVertice =
        std::min(p.NumPuntiEst, static_cast<int>(p.PerimetroEsterno.size()) - 1);
    for (int i = 0; i <= ultimoVertice; ++i) punti.push_back(p.PerimetroEsterno[i]);
    const int ultimoSolaio = std::min(p.UltSolaio, static_cast<int>(p.Solai.size()) - 1);
    for (int k = 0; k <= ultimoSolaio; ++k) {
        const float cima = p.Solai[k].Coordinata + p.Solai[k].Spessore1;
        punti.push_back({p.XminParete, cima});
        punti.push_back({p.XmaxParete, cima});
    }
    const int ultimaParete =
        std::min(p.UltParete, static_cast<int>(p.ParetiTrasversali.size()) - 1);
    for (int k = 0; k <= ultimaParete; ++k) {
        const SolaioParete& t = p.ParetiTrasversali[k];
        for (const float x : {t.Coordinata - t.Spessore1, t.Coordinata + t.Spessore2}) {
            punti.push_back({x, p.YminParete});
            punti.push_back({x, p.YmaxParete});
        }
    }
    return punti;
}

}  // namespace

void QuotaAutoSup(Parete& parete, std::span<const Punto> punti, float quota,
                  const FormatoQuote& formato) {
    Catena(parete, LatoCatena::Sup, punti, quota, formato);
}

void QuotaAutoInf(Parete& parete, std::span<const Punto> punti, float quota,
                  const FormatoQuote& formato) {
    Catena(parete, LatoCatena::Inf, punti, quota, formato);
}

void QuotaAutoSx(Parete& parete, std::span<const Punto> punti, float quota,
                 const FormatoQuote& formato) {
    Catena(parete, LatoCatena::Sx, punti, quota, formato);
}

void QuotaAutoDx(Parete& parete, std::span<const Punto> punti, float quota,
                 const FormatoQuote& formato) {
    Catena(parete, LatoCatena::Dx, punti, quota, formato);
}

void QuotaturaAutomatica(Parete& parete, const FormatoQuote& formato) {
    std::vector<Punto> punti = PuntiDaQuotare(parete);
    OrdinaPunti(punti, [](const Punto& p) { return p.X; });
    QuotaAutoSup(parete, punti, parete.YmaxParete + DistanzaCatena, formato);
    QuotaAutoInf(parete, punti, parete.YminParete - DistanzaCatena, formato);
    OrdinaPunti(punti, [](const Punto& p) { return p.Y; });
    QuotaAutoSx(parete, punti, parete.XminParete - DistanzaCatena, formato);
    QuotaAutoDx(parete, punti, parete.XmaxParete + DistanzaCatena, formato);
}
