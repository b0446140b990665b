#include "drawing/FerriZona.h"

#include "drawing/FormeFerri.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// azione(a, b) for each side a-b of the closed ring.
template <typename Azione>
void PerOgniLato(std::span<const Punto> anello, Azione&& azione) {
    const std::size_t n = anello.size();
    for (std::size_t j = 0; j < n; ++j) azione(anello[j], anello[j + 1 == n ? 0 : j + 1]);
}

// The two shortcuts below hold for sides and scan lines within PortataSicura,
// where rounding stays far below their margins; beyond it, and for NaN,
// every side takes the full intersection.
constexpr float PortataSicura = 1.0e6f;  // cm
constexpr float OltreEstremo = 1.0f;     // cm

bool Entro(float v) { return std::fabs(v) <= PortataSicura; }

bool TuttoEntro(const Punto& a, const Punto& b, float xa, float xb, float y) {
    return xa <= xb && Entro(xa) && Entro(xb) && Entro(y) && Entro(a.X) && Entro(a.Y) &&
           Entro(b.X) && Entro(b.Y);
}

// A side crossing the line this far beyond an end of the scan segment, and
// steep enough that the turn tests of IntersezioneSegmenti see both ends of
// the segment on one side of it (by |dy| times the distance, far above their
// tolerance), is never Interna, and its crossing by the plain formula falls
// outside the segment too: it is dropped without the intersection.
bool LatoOltreEstremi(const Punto& a, const Punto& b, float xa, float xb) {
    constexpr double SalitaMinima = 0.01;  // cm
    if (!(std::fabs(static_cast<double>(b.Y) - a.Y) >= SalitaMinima)) return false;
    return std::max(a.X, b.X) < xa - OltreEstremo || std::min(a.X, b.X) > xb + OltreEstremo;
}

// Where the line crosses a vertical side well inside the scan segment: at the
// side's own x, whatever the status. IntersezioneSegmenti finds it as
// X * dy * dx / (dx * dy) in double, within a few units of the last place of
// X, which round back to the float X; the plain formula adds nothing to X.
// Zero and tiny values, whose sign or rounding that argument leaves open,
// take the full test.
std::optional<float> IncrocioVerticale(const Punto& a, const Punto& b, float xa, float xb) {
    constexpr float Minimo = 1.0e-6f;
    if (a.X != b.X || !(std::fabs(a.X) >= Minimo)) return std::nullopt;
    if (!(a.X > xa + OltreEstremo && a.X < xb - OltreEstremo)) return std::nullopt;
    return a.X;
}

}  // namespace

void IncrociOrdinati(std::span<const Punto> anello, float xa, float xb, float y,
                     std::vector<float>& incroci) {
    incroci.clear();
    PerOgniLato(anello, [&](const Punto& a, const Punto& b) {
        // Half-open in y: a vertex on the line counts once for a side passing
        // through it and twice or not at all at a peak, so that the count
        // stays even and the pairs alternate inside and outside.
        if ((a.Y > y) == (b.Y > y)) return;
        if (TuttoEntro(a, b, xa, xb, y)) {
            if (LatoOltreEstremi(a, b, xa, xb)) return;
            if (const std::optional<float> x = IncrocioVerticale(a, b, xa, xb)) {
                incroci.push_back(*x);
                return;
            }
        }
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(xa, y, xb, y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
        if (stato != StatoIntersezione::Interna) {
            xi = static_cast<float>(a.X + (static_cast<double>(y) - a.Y) *
                                              (static_cast<double>(b.X) - a.X) /
                                              (static_cast<double>(b.Y) - a.Y));
            if (xi < xa || xi > xb) return;
        }
        incroci.push_back(xi);
    });
    // Equal crossings stay: where a slit runs across the line, both of its
    // sides cross it at one point.
    std::sort(incroci.begin(), incroci.end());
}

namespace {

// Even-odd test with the half-open rule on y, so that a vertex on the line
// through the point counts once.
bool PuntoNelPoligono(std::span<const Punto> poligono, float x, float y) {
    bool dentro = false;
    const std::size_t n = poligono.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Punto& a = poligono[i];
        const Punto& b = poligono[j];
        if ((a.Y > y) != (b.Y > y)) {
            const double xc = a.X + (static_cast<double>(y) - a.Y) *
                                        (static_cast<double>(b.X) - a.X) /
                                        (static_cast<double>(b.Y) - a.Y);
            if (x < xc) dentro = !dentro;
        }
    }
    return dentro;
}

}  // namespace

void BarreDellaLinea(const std::vector<float>& incroci, std::span<const Punto> poligono,
                     float y, std::vector<std::pair<float, float>>& barre) {
    barre.clear();
    const int n = static_cast<int>(incroci.size());
    if (n < 2) return;
    if (n % 2 == 0) {
        // Inside from each even crossing to the next odd one. A stretch of no
        // length (a slit outside the area) lays nothing, and stretches that
        // meet (across a slit inside the area) make one bar.
        for (int i = 0; i + 1 < n; i += 2) {
            const float inizio = incroci[i], fine = incroci[i + 1];
            if (!(fine > inizio)) continue;
            if (!barre.empty() && barre.back().second == inizio) barre.back().second = fine;
            else barre.emplace_back(inizio, fine);
        }
        return;
    }
    // A line through a vertex lost a crossing: keep each piece inside the zone.
    for (int i = 0; i + 1 < n; ++i) {
        const float medio = (incroci[i] + incroci[i + 1]) / 2.0f;
        if (PuntoNelPoligono(poligono, medio, y)) barre.emplace_back(incroci[i], incroci[i + 1]);
    }
}

void IncrociPropri(std::span<const Punto> anello, float xa, float xb, float y,
                   std::vector<float>& incroci) {
    incroci.clear();
    PerOgniLato(anello, [&](const Punto& a, const Punto& b) {
        // Only a side with its ends on opposite sides of the line can cross
        // it properly; the intersection then decides a crossing at a vertex.
        if (!((a.Y < y && b.Y > y) || (a.Y > y && b.Y < y))) return;
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(xa, y, xb, y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
        if (stato == StatoIntersezione::Interna) incroci.push_back(xi);
    });
    std::sort(incroci.begin(), incroci.end());
}

namespace {

// A bar end within this of the contour crossing reaches the contour, cm.
constexpr float TolleranzaContorno = 0.01f;

}  // namespace

void FerriDellaLinea(std::span<const std::pair<float, float>> barre, std::span<const float> bordi,
                     std::vector<FerroZona>& ferri) {
    ferri.clear();
    const bool gambe = bordi.size() >= 2;
    for (const auto& [a, c] : barre)
        ferri.push_back({.Inizio = a,
                         .Fine = c,
                         .GambaInizio = gambe && a <= bordi.front() + TolleranzaContorno,
                         .GambaFine = gambe && c >= bordi.back() - TolleranzaContorno});
}

void FerriSullaLinea(std::span<const Punto> zona, std::span<const Punto> contorno, float xa,
                     float xb, float y, LineaFerri& l) {
    IncrociOrdinati(zona, xa, xb, y, l.Incroci);
    BarreDellaLinea(l.Incroci, zona, y, l.Barre);
    // The contour matters only where the zone lays bars.
    if (l.Barre.empty()) l.Bordi.clear();
    else IncrociPropri(contorno, xa, xb, y, l.Bordi);
    FerriDellaLinea(l.Barre, l.Bordi, l.Ferri);
}

int DisFerroZona(const Parete& parete, const Impostazioni& imp, int direzione,
                 const FerroZona& ferro, int diametro, float passo, const PosaFerro& posa,
                 std::vector<int>& solai, const Bersaglio& b) {
    const int inizio = ferro.GambaInizio ? 1 : 0, fine = ferro.GambaFine ? 1 : 0;
    if (direzione == 0) {
        // In the frame of direction 1 the bar runs along the model height;
        // the slabs are chosen over its own stretch.
        int m = 0;
        SolaiNegliIntervalli(parete, {ferro.Inizio, ferro.Fine}, 2, solai, m);
        return DisFerroVert(parete, imp, posa.Posizione, posa.Lato, posa.Linea, posa.Origine,
                            ferro.Inizio, ferro.Fine, diametro, passo, inizio, fine, solai, m, 1, b);
    }
    return DisFerroOrizz(parete, imp, posa.Posizione, posa.Lato, posa.Linea,
                         posa.Origine + ferro.Inizio, posa.Origine + ferro.Fine, diametro, passo,
                         inizio, fine, b);
}

std::vector<Punto> RuotaAnello(int direzione, std::span<const Punto> punti) {
    std::vector<Punto> r(punti.size());
    for (std::size_t i = 0; i < punti.size(); ++i)
        RuotaInDirezione(direzione, punti[i].X, punti[i].Y, r[i].X, r[i].Y);
    return r;
}

std::vector<Punto> ContornoGambe(const Parete& parete, int direzione) {
    const int punti = std::clamp(parete.NumPuntiArm, 0, static_cast<int>(parete.ContornoDir1.size()));
    return RuotaAnello(direzione, std::span(parete.ContornoDir1).first(punti));
}
