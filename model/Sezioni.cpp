#include "model/Sezioni.h"

#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// Section frame: u along the line, v across it.
struct PuntoSezione {
    float u = 0.0f;
    float v = 0.0f;
};

// How far the cut line runs past the outermost crossings, and the end marks.
constexpr float Sporgenza = 25.0f;
constexpr float ScostamentoMarca = 10.0f;
constexpr float ProfonditaMarca = 30.0f;
constexpr float ProfonditaMarcaInterna = 50.0f;
constexpr double MezzaLineaProva = 10000.0;  // cm either side of the centre
// Below this share of its length along the section's axis a trial direction
// runs across the section.
constexpr float QuasiTraverso = 1e-3f;

void OrdinaPerChiave(std::vector<LineaSezione>& lista, bool orizzontali) {
    const auto chiave = [orizzontali](const LineaSezione& s) {
        return orizzontali ? s.P1.Y : s.P1.X;
    };
    const int n = static_cast<int>(lista.size());
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (chiave(lista[i]) > chiave(lista[j])) {
                std::swap(lista[i], lista[j]);
            }
        }
    }
}

// Crossings of the cut line with the sides of the outer perimeter, in the
// section frame.
std::vector<PuntoSezione> Attraversamenti(const Parete& parete, const LineaSezione& s) {
    std::vector<PuntoSezione> trovati;
    const int n = parete.NumPuntiEst;
    for (int k = 0; k < n; ++k) {
        const Punto& a = parete.PerimetroEsterno[k];
        const Punto& b = parete.PerimetroEsterno[k + 1 < n ? k + 1 : 0];
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(s.P0.X, s.P0.Y, s.P1.X, s.P1.Y, a.X, a.Y, b.X, b.Y,
                             xi, yi, stato, xo, yo);
        if (stato == StatoIntersezione::Interna) {
            PuntoSezione p;
            RuotaInDirezione(s.Orizzontale, xi, yi, p.u, p.v);
            trovati.push_back(p);
        }
    }
    return trovati;
}

Punto DalTelaio(int orizzontale, float u, float v) {
    Punto p;
    RuotaDaDirezione(orizzontale, u, v, p.X, p.Y);
    return p;
}

void Ritaglia(LineaSezione& s, const std::vector<PuntoSezione>& attraversamenti) {
    PuntoSezione primo = attraversamenti.front();
    PuntoSezione ultimo = attraversamenti.front();
    for (const PuntoSezione& p : attraversamenti) {
        if (p.u < primo.u) primo = p;
        if (p.u > ultimo.u) ultimo = p;
    }
    const float a = primo.u - Sporgenza;
    const float b = ultimo.u + Sporgenza;
    const int o = s.Orizzontale;
    s.P0 = DalTelaio(o, a, primo.v);
    s.P1 = DalTelaio(o, b, ultimo.v);
    s.P2 = DalTelaio(o, a - ScostamentoMarca, primo.v - ProfonditaMarca);
    s.P3 = DalTelaio(o, a, primo.v - ProfonditaMarcaInterna);
    s.P4 = DalTelaio(o, b, ultimo.v - ProfonditaMarcaInterna);
    s.P5 = DalTelaio(o, b + ScostamentoMarca, ultimo.v - ProfonditaMarca);
}

// A trial cut of 100 m either way through centro along (c, s).
LineaSezione LineaLungo(int orizzontale, Punto centro, double c, double s) {
    LineaSezione prova;
    prova.Orizzontale = orizzontale;
    prova.P0 = {static_cast<float>(centro.X - MezzaLineaProva * c),
                static_cast<float>(centro.Y - MezzaLineaProva * s)};
    prova.P1 = {static_cast<float>(centro.X + MezzaLineaProva * c),
                static_cast<float>(centro.Y + MezzaLineaProva * s)};
    return prova;
}

// The trial cut that re-cuts a stored section along its own line. Each end
// of a record lies 25 cm past its crossing along the first axis of the
// section frame, at the crossing's level: taking the run-outs back gives the
// crossings, and the line through them is the cut itself, so a section on a
// skewed line keeps its slope. A record too short for its run-outs is cut
// along P0-P1.
LineaSezione LineaDelTaglio(const LineaSezione& s) {
    const int o = s.Orizzontale;
    PuntoSezione inizio, fine;
    RuotaInDirezione(o, s.P0.X, s.P0.Y, inizio.u, inizio.v);
    RuotaInDirezione(o, s.P1.X, s.P1.Y, fine.u, fine.v);
    double du = static_cast<double>(fine.u) - inizio.u;
    const double dv = static_cast<double>(fine.v) - inizio.v;
    if (du > 2.0 * Sporgenza) du -= 2.0 * Sporgenza;
    const double lunghezza = std::hypot(du, dv);
    if (!(lunghezza > 0.0)) return s;  // a point: it crosses nothing
    Punto verso;
    RuotaDaDirezione(o, static_cast<float>(du / lunghezza), static_cast<float>(dv / lunghezza),
                     verso.X, verso.Y);
    const Punto centro{(s.P0.X + s.P1.X) / 2, (s.P0.Y + s.P1.Y) / 2};
    return LineaLungo(o, centro, verso.X, verso.Y);
}

// Within this every point of a re-cut record counts as unchanged (cm): far
// below what a drawing shows, far above the rounding of a re-cut, and above
// the 3 decimals of the reinforcement file.
constexpr float TolleranzaTaglio = 0.01f;

bool StessoPunto(const Punto& a, const Punto& b) {
    return std::fabs(a.X - b.X) <= TolleranzaTaglio && std::fabs(a.Y - b.Y) <= TolleranzaTaglio;
}

bool StessoTaglio(const LineaSezione& a, const LineaSezione& b) {
    return StessoPunto(a.P0, b.P0) && StessoPunto(a.P1, b.P1) && StessoPunto(a.P2, b.P2) &&
           StessoPunto(a.P3, b.P3) && StessoPunto(a.P4, b.P4) && StessoPunto(a.P5, b.P5);
}

}  // namespace

bool RitagliaSezione(const Parete& parete, LineaSezione& s) {
    const std::vector<PuntoSezione> attraversamenti = Attraversamenti(parete, s);
    if (attraversamenti.empty()) return false;
    Ritaglia(s, attraversamenti);
    return true;
}

LineaSezione LineaDiProva(const Parete& parete, int orizzontale, Punto centro) {
    Punto verso{static_cast<float>(orizzontale != 0 ? parete.CosDir2 : parete.CosDir1),
                static_cast<float>(orizzontale != 0 ? parete.SinDir2 : parete.SinDir1)};
    // A direction square to the section's own axis (the two directions
    // parallel, as on a wall read with angles 90 / 0) would cut a stub at
    // the wall's edge: the section runs along its axis, as its guide shows.
    PuntoSezione telaio;
    RuotaInDirezione(orizzontale, verso.X, verso.Y, telaio.u, telaio.v);
    if (std::fabs(telaio.u) < QuasiTraverso) RuotaDaDirezione(orizzontale, 1.0f, 0.0f, verso.X, verso.Y);
    return LineaLungo(orizzontale, centro, verso.X, verso.Y);
}

void OrdinaSezioni(Parete& parete) {
    if (parete.UltSezione < 1) return;
    std::vector<LineaSezione> verticali;
    std::vector<LineaSezione> orizzontali;
    for (int i = 0; i <= parete.UltSezione; ++i) {
        // Any non-zero flag is horizontal, as in the section frame, so that
        // no record falls out of the list.
        const LineaSezione& s = parete.Sezioni[i];
        (s.Orizzontale == 0 ? verticali : orizzontali).push_back(s);
    }
    OrdinaPerChiave(verticali, false);
    OrdinaPerChiave(orizzontali, true);
    int k = 0;
    for (const LineaSezione& s : verticali) parete.Sezioni[k++] = s;
    for (const LineaSezione& s : orizzontali) parete.Sezioni[k++] = s;
}

void EliminaSezione(Parete& parete, int i) {
    if (i < 0 || i > parete.UltSezione) return;
    for (int k = i; k < parete.UltSezione; ++k) {
        parete.Sezioni[k] = parete.Sezioni[k + 1];
    }
    --parete.UltSezione;
}

void AggiornaSezioni(Parete& parete, StatoInterfaccia& stato) {
    // The loop runs on the edit buffers of the section tools, as it always
    // has: afterwards they hold the count and the last orientation kept.
    stato.IndiceSezione = 0;
    while (stato.IndiceSezione <= parete.UltSezione) {
        LineaSezione& s = parete.Sezioni[stato.IndiceSezione];
        LineaSezione taglio = LineaDelTaglio(s);
        if (!RitagliaSezione(parete, taglio)) {
            // The next record moves into this place and is examined next.
            EliminaSezione(parete, stato.IndiceSezione);
            continue;
        }
        // A record whose crossings are where it says stays as it is, so that
        // opening and saving a design never rewrites it by rounding alone.
        if (!StessoTaglio(taglio, s)) s = taglio;
        stato.OrientSezione = s.Orizzontale;
        ++stato.IndiceSezione;
    }
}
