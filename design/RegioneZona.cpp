#include "design/RegioneZona.h"

// The rescaling policy of Boost.Geometry 1.74 leaves fields unset on paths
// that never read them, which GCC's flow analysis cannot see.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#pragma GCC diagnostic pop

#include <limits>

namespace bg = boost::geometry;

namespace {

using PuntoBg = bg::model::d2::point_xy<double>;
using PoligonoBg = bg::model::polygon<PuntoBg, true, false>;  // clockwise, open
using RegioneBg = bg::model::multi_polygon<PoligonoBg>;

// A ring given either way round, with or without its closing repeat;
// false when it is not a simple polygon of some area.
bool Poligono(std::span<const PuntoPreciso> anello, PoligonoBg& p) {
    p.clear();
    for (const PuntoPreciso& v : anello) p.outer().emplace_back(v.X, v.Y);
    bg::correct(p);
    return bg::is_valid(p) && bg::area(p) > 0.0;
}

std::vector<PuntoPreciso> Anello(const auto& anello) {
    std::vector<PuntoPreciso> r;
    r.reserve(anello.size());
    for (const PuntoBg& v : anello) r.push_back({v.x(), v.y()});
    return r;
}

// The region dentro cut to contorno, less the aperture.
RegioneCalcolata NellaParete(const RegioneBg& dentro, std::span<const PuntoPreciso> contorno,
                             std::span<const std::vector<PuntoPreciso>> aperture) {
    PoligonoBg bordo;
    if (!Poligono(contorno, bordo)) return {StatoRegione::NonDefinita, {}};
    RegioneBg regione;
    bg::intersection(dentro, bordo, regione);
    bg::model::box<PuntoBg> riquadro;
    if (!regione.empty()) bg::envelope(regione, riquadro);
    for (const std::vector<PuntoPreciso>& apertura : aperture) {
        PoligonoBg foro;
        if (!Poligono(apertura, foro)) return {StatoRegione::NonDefinita, {}};
        if (regione.empty()) break;
        if (bg::disjoint(riquadro, bg::return_envelope<bg::model::box<PuntoBg>>(foro))) continue;
        RegioneBg resto;
        bg::difference(regione, foro, resto);
        regione = std::move(resto);
    }
    RegioneCalcolata r;
    for (const PoligonoBg& p : regione) {
        if (!(bg::area(p) > 0.0)) continue;
        PezzoZona pezzo{Anello(p.outer()), {}};
        for (const auto& buco : p.inners()) pezzo.Buchi.push_back(Anello(buco));
        r.Pezzi.push_back(std::move(pezzo));
    }
    return r;
}

template <typename Calcolo>
RegioneCalcolata Protetta(Calcolo calcolo) noexcept {
    try {
        return calcolo();
    } catch (const bg::exception&) {
        return {StatoRegione::NonDefinita, {}};
    } catch (...) {
        // The rescaling to integers overflows far from the origin (a numeric
        // cast), or memory ran out.
        return {StatoRegione::NonCalcolabile, {}};
    }
}

}  // namespace

RegioneCalcolata RegioneZona(std::span<const PuntoPreciso> zona, std::span<const PuntoPreciso> contorno,
                             std::span<const std::vector<PuntoPreciso>> aperture) noexcept {
    return Protetta([&] {
        RegioneBg dentro;
        PoligonoBg quadrilatero;
        // A zone of no width holds no bars.
        if (Poligono(zona, quadrilatero)) dentro.push_back(std::move(quadrilatero));
        return NellaParete(dentro, contorno, aperture);
    });
}

RegioneCalcolata TagliaRegione(const std::vector<PezzoZona>& pezzi, std::span<const PuntoPreciso> contorno,
                               std::span<const std::vector<PuntoPreciso>> aperture) noexcept {
    return Protetta([&] {
        RegioneBg dentro;
        for (const PezzoZona& pezzo : pezzi) {
            PoligonoBg p;
            for (const PuntoPreciso& v : pezzo.Esterno) p.outer().emplace_back(v.X, v.Y);
            for (const std::vector<PuntoPreciso>& buco : pezzo.Buchi) {
                p.inners().emplace_back();
                for (const PuntoPreciso& v : buco) p.inners().back().emplace_back(v.X, v.Y);
            }
            bg::correct(p);
            dentro.push_back(std::move(p));
        }
        return NellaParete(dentro, contorno, aperture);
    });
}

bool AnelloSemplice(std::span<const PuntoPreciso> anello) noexcept {
    try {
        PoligonoBg p;
        return Poligono(anello, p);
    } catch (...) {
        return false;
    }
}

namespace {

double Distanza2(PuntoPreciso a, PuntoPreciso b) {
    return (a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y);
}

// Inserts the ring altro into anello through a slit from the nearest pair of
// vertices: ... a, b, (altro from b round to b), b, a, ...
void Cuci(std::vector<PuntoPreciso>& anello, const std::vector<PuntoPreciso>& altro) {
    if (altro.empty()) return;
    std::size_t ia = 0, ib = 0;
    double migliore = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < anello.size(); ++i) {
        for (std::size_t j = 0; j < altro.size(); ++j) {
            const double d = Distanza2(anello[i], altro[j]);
            if (d < migliore) {
                migliore = d;
                ia = i;
                ib = j;
            }
        }
    }
    std::vector<PuntoPreciso> inserto;
    inserto.reserve(altro.size() + 2);
    for (std::size_t s = 0; s <= altro.size(); ++s) inserto.push_back(altro[(ib + s) % altro.size()]);
    inserto.push_back(anello[ia]);
    anello.insert(anello.begin() + static_cast<std::ptrdiff_t>(ia) + 1, inserto.begin(), inserto.end());
}

}  // namespace

std::vector<PuntoPreciso> AnelloUnico(const std::vector<PezzoZona>& pezzi) {
    if (pezzi.empty()) return {};
    std::vector<PuntoPreciso> anello = pezzi.front().Esterno;
    for (std::size_t k = 1; k < pezzi.size(); ++k) Cuci(anello, pezzi[k].Esterno);
    for (const PezzoZona& pezzo : pezzi)
        for (const std::vector<PuntoPreciso>& buco : pezzo.Buchi) Cuci(anello, buco);
    return anello;
}
