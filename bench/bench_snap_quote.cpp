// Time of one mouse move over the generated walls with 200 positions, four
// slabs and 50 dimensions, the whole wall in view: the object snap of the
// dimension tools (BeccaOSNAP), the dimension hover (EvidenziaQuotaCursore)
// and the editor's grid snap at 1 cm (AgganciaGriglia). Each has a bare loop
// beside it that visits the same candidates in the same order and stops at
// the same one, so the ratio of the two says what the search costs beyond
// looking at its candidates once. The bare loops are yardsticks only; before
// timing, each is checked to find what the program's search finds.

#include "drawing/QuoteEvidenzia.h"
#include "drawing/QuoteFormato.h"
#include "drawing/QuoteLista.h"
#include "drawing/QuoteRicerca.h"
#include "drawing/Vista.h"
#include "interaction/ClickVertice.h"
#include "interaction/SnapOggetti.h"
#include "model/Layer.h"
#include "model/Sessione.h"

#include "CursoriBench.h"
#include "GrigliaZoneBench.h"
#include "SupportoBench.h"
#include "TelaContaBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr float Portata = 4.0f;  // pixels: the reach of the object and grid snaps
constexpr int PassoGrigliaCm = 1;

// The wall's box as fractions: where the slabs, dimension rows and cursor go.
Punto NelRiquadro(const Parete& p, float fx, float fy) {
    return {p.XminParete + fx * (p.XmaxParete - p.XminParete),
            p.YminParete + fy * (p.YmaxParete - p.YminParete)};
}

// Four slab bands 30 cm deep; the top one crosses only the tall leg of the L.
void AggiungiSolai(Parete& p) {
    p.Solai.clear();
    for (const float fy : {0.2f, 0.4f, 0.7f, 0.9f})
        p.Solai.push_back(SolaioParete{.Coordinata = NelRiquadro(p, 0, fy).Y, .Spessore1 = 15.0f,
                                       .Spessore2 = 15.0f});
    p.UltSolaio = static_cast<int>(p.Solai.size()) - 1;
}

// 50 horizontal dimensions in five rows of ten, shown in every view, in place
// of the automatic ones of the opened wall so that the count is the stated one.
void AggiungiQuote(Parete& p) {
    p.Quote.assign(1, Quota{});
    p.UltQuota = -1;
    const FormatoQuote formato;
    for (const float fy : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f})
        for (int c = 0; c < 10; ++c) {
            const Punto a = NelRiquadro(p, (c + 0.05f) / 10.0f, fy);
            const Punto b = NelRiquadro(p, (c + 0.95f) / 10.0f, fy);
            AggiungiQuota(p, formato, a, b, a, b, TutteLeViste);
        }
}

// The whole wall on the canvas with a tenth to spare.
Vista VistaParete(const Parete& p, const TelaSchermo& tela) {
    Vista v;
    v.LarghezzaTela = tela.Larghezza();
    v.AltezzaTela = tela.Altezza();
    const float larghezza = 1.1f * (p.XmaxParete - p.XminParete);
    const float altezza = 1.1f * (p.YmaxParete - p.YminParete);
    v.Scala = std::min(v.LarghezzaTela / larghezza, v.AltezzaTela / altezza);
    const Punto centro = NelRiquadro(p, 0.5f, 0.5f);
    v.FinXmin = centro.X - 0.5f * v.LarghezzaTela / v.Scala;
    v.FinXmax = centro.X + 0.5f * v.LarghezzaTela / v.Scala;
    v.FinYmin = centro.Y - 0.5f * v.AltezzaTela / v.Scala;
    v.FinYmax = centro.Y + 0.5f * v.AltezzaTela / v.Scala;
    return v;
}

struct Banco {
    Sessione s;
    TelaConta tela;
    Vista vista;
    // Pixels the cursor cycles through: the row at 0.3 of the height lies on
    // a dimension row, the one at 0.55 between two, so half the hovers hit;
    // the snap hits where a bar end happens to lie under the cursor (counter
    // colpiti), and a miss visits every candidate.
    CursoriCiclici cursori;
};

bool Prepara(benchmark::State& stato, Banco& b, const std::string& file) {
    if (!Leggi(stato, b.s, file)) return false;
    Parete& p = b.s.parete;
    AggiungiZoneGriglia(p, 20, 10);
    AggiungiSolai(p);
    AggiungiQuote(p);
    b.s.imp.OsnapQuote.fill(1);
    b.s.imp.LayerVisibili[Layer::ArmIntegr1] = 1;
    b.s.imp.LayerVisibili[Layer::PerimPareti] = 1;
    b.s.imp.PassoGrigliaX = b.s.imp.PassoGrigliaY = PassoGrigliaCm;
    b.s.stato.StatoVista = StatoVistaLatoPiu;
    b.vista = VistaParete(p, b.tela);
    for (const float fy : {0.3f, 0.55f})
        for (const float fx : {0.125f, 0.375f, 0.625f, 0.875f}) {
            const Punto m = NelRiquadro(p, fx, fy);
            b.cursori.Punti.push_back({XSchermo(b.vista, m.X), YSchermo(b.vista, m.Y)});
        }
    stato.counters["nodi"] = p.NumNodi;
    return true;
}

bool Vicino(const Vista& v, const Punto& cursore, Punto m) {
    return std::fabs(cursore.X - XSchermo(v, m.X)) < Portata &&
           std::fabs(cursore.Y - YSchermo(v, m.Y)) < Portata;
}

// --- Object snap -----------------------------------------------------------

// The snap's candidates in its order, gathered once as a cache would: the bar
// ends of the shown positions (the bench's zones are rectangles, so a bar of
// direction 0 runs up from the bottom side to the top one, right to left, and
// one of direction 1 from the left side to the right one, bottom to top),
// then the outer perimeter, the openings and the corners of each slab band.
std::vector<Punto> CandidatiSnap(const Parete& p) {
    std::vector<Punto> c;
    for (int i = 0; i <= p.UltPosizione; ++i) {
        const PosizioneArm& pos = p.Posizioni[i];
        if (pos.Tipo != IntegrativaPiu) continue;
        if (pos.Direzione == 0) {
            for (float t = -pos.XMax; t <= -pos.XMin; t += pos.Passo)
                c.insert(c.end(), {Punto{-t, pos.YMin}, Punto{-t, pos.YMax}});
        } else {
            for (float y = pos.YMin; y <= pos.YMax; y += pos.Passo)
                c.insert(c.end(), {Punto{pos.XMin, y}, Punto{pos.XMax, y}});
        }
    }
    c.insert(c.end(), p.PerimetroEsterno.begin(), p.PerimetroEsterno.begin() + p.NumPuntiEst);
    for (int k = 0; k < p.NumAperture; ++k)
        for (int j = 0; j < p.PuntiApertura[k]; ++j) c.push_back({p.XApertura(k, j), p.YApertura(k, j)});
    std::vector<Punto> punti;
    for (int s = 0; s <= p.UltSolaio; ++s)
        if (const auto angoli = AngoliBandaSolaio(p, p.Solai[s], punti))
            c.insert(c.end(), angoli->begin(), angoli->end());
    return c;
}

std::optional<Punto> PrimoCandidato(const std::vector<Punto>& candidati, const Vista& v,
                                    const Punto& cursore) {
    for (const Punto& m : candidati)
        if (Vicino(v, cursore, m)) return Punto{XSchermo(v, m.X), YSchermo(v, m.Y)};
    return std::nullopt;
}

void MossaSnap(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        BeccaOSNAP(b.s, b.vista, b.tela, c.X, c.Y, 0);
    }
    benchmark::DoNotOptimize(b.tela.Tratti);
}

void MossaSnapNuda(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    const std::vector<Punto> candidati = CandidatiSnap(b.s.parete);
    const auto stessoPunto = [&](const Punto& c) {
        BeccaOSNAP(b.s, b.vista, b.tela, c.X, c.Y, 1);
        const std::optional<Punto> nudo = PrimoCandidato(candidati, b.vista, c);
        return nudo ? b.s.stato.SnapTrovato == 1 && Punto{b.s.stato.XSnap, b.s.stato.YSnap} == *nudo
                    : b.s.stato.SnapTrovato == 0;
    };
    // Beside the cycle, the cursor on every hundredth candidate, so that a
    // candidate missing or out of order shows.
    std::vector<Punto> prove = b.cursori.Punti;
    for (std::size_t k = 0; k < candidati.size(); k += 100)
        prove.push_back({XSchermo(b.vista, candidati[k].X), YSchermo(b.vista, candidati[k].Y)});
    for (const Punto& c : prove)
        if (!stessoPunto(c)) return stato.SkipWithError("il ciclo nudo non trova il punto di BeccaOSNAP");
    int colpiti = 0;
    for (const Punto& c : b.cursori.Punti) colpiti += PrimoCandidato(candidati, b.vista, c).has_value();
    for (auto _ : stato) benchmark::DoNotOptimize(PrimoCandidato(candidati, b.vista, b.cursori.Prossimo()));
    stato.counters["candidati"] = static_cast<double>(candidati.size());
    stato.counters["colpiti"] = colpiti;
}

// --- Dimension hover -------------------------------------------------------

void MossaQuota(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        EvidenziaQuotaCursore(b.s.parete, b.tela, b.vista, b.s.imp, c.X, c.Y);
    }
    benchmark::DoNotOptimize(b.tela.Tratti);
}

// The first dimension whose line's pixel box, widened by the hit tolerance,
// holds the cursor: for the bench's horizontal lines the same one the hover
// takes.
int PrimaQuota(const ProgettoParete& progetto, const Vista& v, const Punto& cursore) {
    for (int i = 0; i <= progetto.UltQuota; ++i) {
        const Quota& q = progetto.Quote[i];
        const float x1 = XSchermo(v, q.X1), x2 = XSchermo(v, q.X2);
        const float y1 = YSchermo(v, q.Y1), y2 = YSchermo(v, q.Y2);
        if (cursore.X >= std::min(x1, x2) - TolleranzaQuota &&
            cursore.X <= std::max(x1, x2) + TolleranzaQuota &&
            cursore.Y >= std::min(y1, y2) - TolleranzaQuota &&
            cursore.Y <= std::max(y1, y2) + TolleranzaQuota)
            return i;
    }
    return -1;
}

void MossaQuotaNuda(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    int colpiti = 0;
    for (const Punto& c : b.cursori.Punti) {
        const int nudo = PrimaQuota(b.s.parete, b.vista, c);
        if (nudo != AgganciaEstremoQuota(b.s.parete, b.vista, c.X, c.Y).Quota)
            return stato.SkipWithError("il ciclo nudo non trova la quota di EvidenziaQuotaCursore");
        colpiti += nudo >= 0;
    }
    for (auto _ : stato) benchmark::DoNotOptimize(PrimaQuota(b.s.parete, b.vista, b.cursori.Prossimo()));
    stato.counters["candidati"] = b.s.parete.UltQuota + 1;
    stato.counters["colpiti"] = colpiti;
}

// --- Grid snap -------------------------------------------------------------

void MossaGriglia(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (auto _ : stato) {
        const Punto& c = b.cursori.Prossimo();
        benchmark::DoNotOptimize(AgganciaGriglia(b.s.stato, b.s.imp, b.vista, b.tela, c.X, c.Y, 0));
    }
}

// The full loop the pruned search replaces: every node of the window, column
// by column, from its edges rounded to whole cm and then to the step towards
// zero; the first within reach wins.
std::optional<Punto> NodoCompleto(const Impostazioni& imp, const Vista& v, const Punto& cursore) {
    const auto inizio = [](float bordo, int passo) {
        return static_cast<long long>(std::nearbyint(bordo)) / passo * passo;
    };
    const long long ultimaX = inizio(v.FinXmax, imp.PassoGrigliaX);
    const long long ultimaY = inizio(v.FinYmax, imp.PassoGrigliaY);
    for (long long gx = inizio(v.FinXmin, imp.PassoGrigliaX); gx <= ultimaX; gx += imp.PassoGrigliaX)
        for (long long gy = inizio(v.FinYmin, imp.PassoGrigliaY); gy <= ultimaY; gy += imp.PassoGrigliaY)
            if (Vicino(v, cursore, Punto{static_cast<float>(gx), static_cast<float>(gy)}))
                return Punto{XSchermo(v, static_cast<float>(gx)), YSchermo(v, static_cast<float>(gy))};
    return std::nullopt;
}

void MossaGrigliaCompleta(benchmark::State& stato, const std::string& file) {
    Banco b;
    if (!Prepara(stato, b, file)) return;
    for (const Punto& c : b.cursori.Punti) {
        const bool trovato = AgganciaGriglia(b.s.stato, b.s.imp, b.vista, b.tela, c.X, c.Y, 1);
        const std::optional<Punto> nodo = NodoCompleto(b.s.imp, b.vista, c);
        if (trovato != nodo.has_value() || (nodo && Punto{b.s.stato.XSnap, b.s.stato.YSnap} != *nodo))
            return stato.SkipWithError("il ciclo completo non trova il nodo di AgganciaGriglia");
    }
    for (auto _ : stato) benchmark::DoNotOptimize(NodoCompleto(b.s.imp, b.vista, b.cursori.Prossimo()));
    const Vista& v = b.vista;
    stato.counters["nodi_griglia"] = std::floor(v.FinXmax - v.FinXmin + 1) * std::floor(v.FinYmax - v.FinYmin + 1);
}

}  // namespace

int main(int argc, char** argv) {
    return EseguiSuPareti(argc, argv, [](const std::string& file, const std::string& n) {
        benchmark::RegisterBenchmark(("BeccaOSNAP" + n).c_str(), MossaSnap, file)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BeccaOSNAP_ciclo_nudo" + n).c_str(), MossaSnapNuda, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("EvidenziaQuotaCursore" + n).c_str(), MossaQuota, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("EvidenziaQuotaCursore_ciclo_nudo" + n).c_str(), MossaQuotaNuda, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AgganciaGriglia_1cm" + n).c_str(), MossaGriglia, file)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AgganciaGriglia_1cm_ciclo_completo" + n).c_str(), MossaGrigliaCompleta, file)
            ->Unit(benchmark::kMicrosecond);
    });
}
