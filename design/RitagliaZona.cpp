#include "design/RitagliaZona.h"

#include "design/AreaPari.h"
#include "design/GeometriaZona.h"
#include "design/PredicatiEsatti.h"
#include "design/RegioneZona.h"
#include "model/Geometria.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/Protezione.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// Working vertex: crossing points are kept in double so that they stay on
// both boundaries within the collinearity tolerance of the on-edge test.
struct VerticeLavoro {
    double X = 0.0;
    double Y = 0.0;
    int Marca = 0;
};
using Poligono = std::vector<VerticeLavoro>;

constexpr int Interno = -1;
constexpr int Esterno = -99;

Poligono DaPunti(const std::vector<Punto>& punti, size_t n) {
    Poligono p;
    for (size_t i = 0; i < n && i < punti.size(); ++i) p.push_back({punti[i].X, punti[i].Y, 0});
    return p;
}

std::vector<Vertice> InFloat(const Poligono& p) {
    std::vector<Vertice> v;
    v.reserve(p.size());
    for (const VerticeLavoro& w : p)
        v.push_back({static_cast<float>(w.X), static_cast<float>(w.Y), w.Marca});
    return v;
}

bool Coincidono(const VerticeLavoro& a, const VerticeLavoro& b, double t) {
    return std::fabs(a.X - b.X) < t && std::fabs(a.Y - b.Y) < t;
}

bool SulLato(const VerticeLavoro& p, const VerticeLavoro& a, const VerticeLavoro& b) {
    return PuntoInternoSegmentoPreciso(p.X, p.Y, a.X, a.Y, b.X, b.Y);
}

const VerticeLavoro& Successivo(const Poligono& p, size_t i) { return p[i + 1 == p.size() ? 0 : i + 1]; }

bool Finito(const Poligono& p) {
    return std::all_of(p.begin(), p.end(),
                       [](const VerticeLavoro& v) { return std::isfinite(v.X) && std::isfinite(v.Y); });
}

std::vector<PuntoPreciso> Precisi(const Poligono& p) {
    std::vector<PuntoPreciso> r;
    r.reserve(p.size());
    for (const VerticeLavoro& v : p) r.push_back({v.X, v.Y});
    return r;
}

PosizioneInAnello Posizione(const std::vector<PuntoPreciso>& anello, const VerticeLavoro& v) {
    return PosizioneNellAnello(anello, {v.X, v.Y});
}

// Tags every vertex of p by the inside test against q (a vertex on q's
// boundary is not inside); returns how many are inside.
int MarcaPerInterno(Poligono& p, const Poligono& q) {
    const std::vector<PuntoPreciso> riferimento = Precisi(q);
    int interni = 0;
    for (VerticeLavoro& v : p) {
        const bool dentro = Posizione(riferimento, v) == PosizioneInAnello::Dentro;
        v.Marca = dentro ? Interno : Esterno;
        if (dentro) ++interni;
    }
    return interni;
}

// Walks the edges of p, inserting after p(i) the first point that trova(i)
// finds on the edge and examining the shortened edge again. An edge takes at
// most limite insertions, so the walk always ends.
template <typename Trova>
bool InserisciSuiLati(Poligono& p, size_t limite, Trova trova) {
    bool inserito = false;
    size_t i = 0, suLato = 0;
    while (i < p.size()) {
        VerticeLavoro nuovo;
        if (suLato < limite && trova(i, nuovo)) {
            p.insert(p.begin() + static_cast<std::ptrdiff_t>(i) + 1, nuovo);
            inserito = true;
            ++suLato;
        } else {
            ++i;
            suLato = 0;
        }
    }
    return inserito;
}

// The proper crossings of q's edges with p's edges, put into p tagged with
// the index of q's edge.
bool InserisciIncroci(Poligono& p, const Poligono& q) {
    return InserisciSuiLati(p, q.size(), [&](size_t i, VerticeLavoro& nuovo) {
        const VerticeLavoro& a = p[i];
        const VerticeLavoro& b = Successivo(p, i);
        for (size_t j = 0; j < q.size(); ++j) {
            const VerticeLavoro& c = q[j];
            const VerticeLavoro& d = Successivo(q, j);
            double xi = 0.0, yi = 0.0;
            int stato = 0;
            IntersezioneSegmentiPrecisa(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y, xi, yi, stato);
            if (stato == StatoIntersezione::Interna) {
                nuovo = {xi, yi, static_cast<int>(j)};
                return true;
            }
        }
        return false;
    });
}

// The vertices of q lying inside p's edges, put into p tagged with their index in q.
void InserisciVerticiSuiLati(Poligono& p, const Poligono& q) {
    InserisciSuiLati(p, q.size(), [&](size_t i, VerticeLavoro& nuovo) {
        for (size_t k = 0; k < q.size(); ++k) {
            if (SulLato(q[k], p[i], Successivo(p, i))) {
                nuovo = {q[k].X, q[k].Y, static_cast<int>(k)};
                return true;
            }
        }
        return false;
    });
}

Poligono SenzaEsterni(const Poligono& p) {
    Poligono r;
    std::copy_if(p.begin(), p.end(), std::back_inserter(r), [](const VerticeLavoro& v) { return v.Marca != Esterno; });
    return r;
}

// The zone whose corners are partly inside the outline: its own inside
// corners and, from each boundary point, the outline vertices inside the
// zone up to the next boundary point.
Poligono Unisci(Poligono zona, Poligono contorno) {
    InserisciVerticiSuiLati(zona, contorno);
    const Poligono a = SenzaEsterni(zona);
    Poligono b = SenzaEsterni(contorno);
    Poligono r{a[0]};
    for (size_t m = 1; m < a.size(); ++m) {
        if (a[m].Marca == Interno) {
            r.push_back(a[m]);
            continue;
        }
        const auto q = std::find_if(b.begin(), b.end(), [&](const VerticeLavoro& v) { return Coincidono(v, a[m], 0.1); });
        if (q == b.end()) continue;
        r.push_back(a[m]);
        const VerticeLavoro& prossimo = Successivo(a, m);
        const size_t inizio = static_cast<size_t>(q - b.begin());
        for (size_t s = 1; s < b.size(); ++s) {
            VerticeLavoro& v = b[(inizio + s) % b.size()];
            if (Coincidono(v, prossimo, 0.1) || v.Marca != Interno) break;
            r.push_back(v);
            v.Marca = 0;
        }
    }
    return r;
}

// No vertex of the opening inside the zone and no crossing: the zone lies in
// the opening when every vertex of it is inside or on the opening's boundary.
bool ZonaNelForo(const Poligono& zona, const Poligono& foro) {
    const std::vector<PuntoPreciso> riferimento = Precisi(foro);
    return std::all_of(zona.begin(), zona.end(), [&](const VerticeLavoro& v) {
        return Posizione(riferimento, v) != PosizioneInAnello::Fuori;
    });
}

// Removes from z its part inside the opening (c carries the crossing points);
// with tutto, the cut is closed along the opening's sides.
Poligono Taglia(Poligono z, const Poligono& c, const Poligono& apertura, bool tutto) {
    InserisciVerticiSuiLati(z, c);
    const std::vector<PuntoPreciso> riferimento = Precisi(c);
    for (VerticeLavoro& v : z) {
        const bool dentro = Posizione(riferimento, v) == PosizioneInAnello::Dentro &&
                            std::none_of(c.begin(), c.end(), [&](const VerticeLavoro& w) { return Coincidono(v, w, 0.01); });
        v.Marca = dentro ? Interno : Esterno;
    }
    std::erase_if(z, [](const VerticeLavoro& v) { return v.Marca == Interno; });
    if (!tutto) return z;

    Poligono foro = apertura;
    if (VerticiInSensoOrario(InFloat(foro))) std::reverse(foro.begin(), foro.end());
    MarcaPerInterno(foro, z);
    size_t inseriti = 0;
    for (size_t i = 0; i < foro.size() && inseriti < z.size(); ++i) {
        for (size_t v = 0; v < z.size(); ++v) {
            if (SulLato(z[v], foro[i], Successivo(foro, i))) {
                foro.insert(foro.begin() + static_cast<std::ptrdiff_t>(i) + 1, {z[v].X, z[v].Y, static_cast<int>(v)});
                z[v].Marca = static_cast<int>(i) + 1;
                ++inseriti;
                break;
            }
        }
    }

    Poligono r;
    for (const VerticeLavoro& v : z) {
        if (v.Marca == Esterno) {
            r.push_back(v);
            continue;
        }
        for (size_t s = 0; s < foro.size(); ++s) {
            const VerticeLavoro& w = foro[(static_cast<size_t>(v.Marca) + s) % foro.size()];
            if (w.Marca == Esterno) break;
            if (w.Marca >= 0 && !r.empty() && w.Marca == r.back().Marca) continue;
            r.push_back(w);
        }
    }
    return r;
}

// The clipping walk: the zone against the outline, then against each
// opening in turn, following the two boundaries from tag to tag. None when
// the zone misses the outline or lies wholly inside an opening.
std::optional<Poligono> Percorri(Poligono z, Poligono c, const std::vector<Poligono>& aperture) {
    const bool contornoDentro = MarcaPerInterno(c, z) > 0;
    const int angoliDentro = MarcaPerInterno(z, c);
    const bool incroci = InserisciIncroci(c, z);

    if (!contornoDentro && angoliDentro == 0 && !incroci) return std::nullopt;
    if (angoliDentro == 4 && !incroci) {
        // The zone itself.
    } else if (angoliDentro >= 1) {
        z = Unisci(z, c);
    } else if (!incroci) {
        z = c;
    } else {
        z = SenzaEsterni(c);
    }

    for (const Poligono& apertura : aperture) {
        Poligono foro = apertura;
        const int interni = MarcaPerInterno(foro, z);
        const bool taglio = InserisciIncroci(foro, z);
        if (interni == 0 && !taglio) {
            if (ZonaNelForo(z, apertura)) return std::nullopt;
        } else if (interni == 0) {
            z = Taglia(z, foro, apertura, false);
        } else if (!taglio) {
            // The hole joined to the outer boundary by a slit from the last vertex.
            const VerticeLavoro ultimo = z.back();
            z.insert(z.end(), apertura.begin(), apertura.end());
            z.push_back(apertura.front());
            z.push_back(ultimo);
        } else {
            z = Taglia(z, foro, apertura, true);
        }
        if (z.empty()) return std::nullopt;
    }
    return z;
}

// The walk's polygon as stored, when it covers the region: the points inside
// an odd number of the stored ring and the region's rings (their symmetric
// difference) add up to no more than the rounding to float can leave.
bool CopreLaRegione(const std::vector<PuntoPreciso>& memorizzato, const std::vector<PezzoZona>& regione) {
    std::vector<std::vector<PuntoPreciso>> anelli{memorizzato};
    for (const PezzoZona& pezzo : regione) {
        anelli.push_back(pezzo.Esterno);
        anelli.insert(anelli.end(), pezzo.Buchi.begin(), pezzo.Buchi.end());
    }
    double perimetro = 0.0, massimo = 1.0;
    for (const std::vector<PuntoPreciso>& anello : anelli) {
        for (std::size_t i = 0; i < anello.size(); ++i) {
            const PuntoPreciso a = anello[i];
            const PuntoPreciso b = anello[i + 1 == anello.size() ? 0 : i + 1];
            perimetro += std::hypot(b.X - a.X, b.Y - a.Y);
            massimo = std::max({massimo, std::fabs(a.X), std::fabs(a.Y)});
        }
    }
    // Rounding to float moves a vertex by up to 2^-24 of the largest
    // coordinate along each axis, and each side sweeps that much area along
    // its length; the perimeter here counts both rings, a margin of two.
    return AreaPari(anelli) <= 1e-7 * perimetro * massimo;
}

double DistanzaDalBordo(const std::vector<PuntoPreciso>& anello, PuntoPreciso p) {
    double d = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < anello.size(); ++i) {
        const PuntoPreciso a = anello[i];
        const PuntoPreciso b = anello[i + 1 == anello.size() ? 0 : i + 1];
        const double dx = b.X - a.X, dy = b.Y - a.Y, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0.0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / l2, 0.0, 1.0) : 0.0;
        d = std::min(d, std::hypot(p.X - a.X - t * dx, p.Y - a.Y - t * dy));
    }
    return d;
}

// The walk's polygon stays on the wall: no side of it runs outside the
// outline or through an opening. The walk can join two pieces of the region
// along a zone side that crosses a notch or an opening; that join encloses
// no area, so the area check cannot see it, but it is drawn off the wall and
// a bar line along it lays a bar of no length there.
bool SulMuro(const std::vector<PuntoPreciso>& anello, const std::vector<PuntoPreciso>& contorno,
             const std::vector<std::vector<PuntoPreciso>>& fori) {
    // Points within this of a boundary lie on it (crossing points in double).
    constexpr double Tolleranza = 0.01;  // cm
    const auto fuori = [&](PuntoPreciso p) {
        if (PosizioneNellAnello(contorno, p) == PosizioneInAnello::Fuori &&
            DistanzaDalBordo(contorno, p) > Tolleranza)
            return true;
        return std::any_of(fori.begin(), fori.end(), [&](const std::vector<PuntoPreciso>& foro) {
            return PosizioneNellAnello(foro, p) == PosizioneInAnello::Dentro &&
                   DistanzaDalBordo(foro, p) > Tolleranza;
        });
    };
    for (std::size_t i = 0; i < anello.size(); ++i) {
        const PuntoPreciso a = anello[i];
        const PuntoPreciso b = anello[i + 1 == anello.size() ? 0 : i + 1];
        if (fuori(a) || fuori({(a.X + b.X) / 2.0, (a.Y + b.Y) / 2.0})) return false;
    }
    return true;
}

std::vector<PuntoPreciso> ComeMemorizzato(const Poligono& p) {
    std::vector<PuntoPreciso> r;
    r.reserve(p.size());
    for (const VerticeLavoro& v : p) r.push_back({static_cast<float>(v.X), static_cast<float>(v.Y)});
    return r;
}

bool Ritaglia(StatoInterfaccia& stato, const Parete& parete, const Impostazioni& imp) {
    Poligono z;
    for (const Vertice& v : ZonaAllargata(stato.PosCorrente, parete, imp)) z.push_back({v.X, v.Y, 0});

    const Poligono c = DaPunti(parete.ContornoArmatura, static_cast<size_t>(std::max(parete.NumPuntiEst + 1, 0)));
    if (c.empty()) return false;
    std::vector<Poligono> aperture;
    for (int k = 0; k < parete.NumAperture && k < static_cast<int>(parete.ForiArmatura.size()) &&
                    k < static_cast<int>(parete.PuntiApertura.size());
         ++k) {
        Poligono apertura = DaPunti(parete.ForiArmatura[k], static_cast<size_t>(std::max(parete.PuntiApertura[k], 0)));
        if (apertura.size() >= 3) aperture.push_back(std::move(apertura));
    }
    // An infinite coordinate (a value beyond the float read from a file)
    // would give the walk crossings without end: no zone is built there.
    if (!Finito(z) || !Finito(c) || !std::all_of(aperture.begin(), aperture.end(), Finito)) return false;

    const std::optional<Poligono> percorso = Percorri(z, c, aperture);
    const std::vector<PuntoPreciso> contorno = Precisi(c);
    std::vector<std::vector<PuntoPreciso>> fori;
    for (const Poligono& a : aperture) fori.push_back(Precisi(a));
    const RegioneCalcolata regione = RegioneZona(Precisi(z), contorno, fori);

    std::vector<PuntoPreciso> risultato;
    if (regione.Stato == StatoRegione::NonCalcolabile) {
        return false;
    } else if (regione.Stato == StatoRegione::NonDefinita) {
        // Outline or openings that are no simple polygons: the walk decides alone.
        if (!percorso) return false;
        risultato = ComeMemorizzato(*percorso);
    } else if (regione.Pezzi.empty()) {
        return false;
    } else if (percorso && CopreLaRegione(ComeMemorizzato(*percorso), regione.Pezzi) &&
               SulMuro(Precisi(*percorso), contorno, fori)) {
        risultato = ComeMemorizzato(*percorso);
    } else {
        // The walk lost its way (an opening across the zone, a side along the
        // outline, pieces joined off the wall): the region itself, its pieces
        // and holes joined by slits.
        risultato = AnelloUnico(regione.Pezzi);
    }

    stato.PoligonoCorrente.resize(risultato.size());
    for (size_t i = 0; i < risultato.size(); ++i)
        stato.PoligonoCorrente[i] = {static_cast<float>(risultato[i].X), static_cast<float>(risultato[i].Y)};
    stato.UltPuntoCorrente = static_cast<int>(risultato.size()) - 1;
    return true;
}

}  // namespace

bool RitagliaZona(StatoInterfaccia& stato, const Parete& parete, const Impostazioni& imp) noexcept {
    bool ritagliata = false;
    const Esito esito = Protetto([&] { ritagliata = Ritaglia(stato, parete, imp); });
    return esito.Riuscito() && ritagliata;
}
