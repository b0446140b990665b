#include "design/TriangolazioneGriglia.h"

#include <algorithm>
#include <cmath>

namespace {

// About four nodes to a cell of the finest grid: most Delaunay circles then
// span one or two of its cells.
constexpr double NodiPerCella = 4.0;

// A grid of this many cells or fewer holds circles that span a good part of
// the box: a query meets most of them anyway, so they go to the flat list.
constexpr int CelleGrigliaMinime = 16;

}  // namespace

GrigliaCerchi::GrigliaCerchi(std::span<const Punto> nodi) {
    xmin_ = xmax_ = nodi[0].X;
    ymin_ = ymax_ = nodi[0].Y;
    for (const Punto& p : nodi) {
        xmin_ = std::min(xmin_, static_cast<double>(p.X));
        xmax_ = std::max(xmax_, static_cast<double>(p.X));
        ymin_ = std::min(ymin_, static_cast<double>(p.Y));
        ymax_ = std::max(ymax_, static_cast<double>(p.Y));
    }
    const double larghezza = xmax_ - xmin_;
    const double altezza = ymax_ - ymin_;
    const double n = static_cast<double>(nodi.size());
    double lato = larghezza * altezza > 0.0 ? std::sqrt(NodiPerCella * larghezza * altezza / n)
                                            : NodiPerCella * std::max(larghezza, altezza) / n;
    if (!(lato > 0.0) || !std::isfinite(lato)) lato = 1.0;
    const auto celle = [](double misura, double l) { return static_cast<int>(std::min(misura / l, 1e6)) + 1; };
    while (static_cast<double>(celle(larghezza, lato)) * celle(altezza, lato) > 4.0 * n + 64.0) lato *= 2.0;
    for (;; lato *= 2.0) {
        Livello livello;
        livello.Lato = lato;
        livello.PerLato = 1.0 / lato;
        livello.Colonne = celle(larghezza, lato);
        livello.Righe = celle(altezza, lato);
        if (livello.Colonne * livello.Righe <= CelleGrigliaMinime) break;
        livello.PrimaCella = celle_.size();
        celle_.resize(celle_.size() + static_cast<std::size_t>(livello.Colonne) * livello.Righe);
        livelli_.push_back(livello);
    }
}

std::size_t ListaCerchi::Aggiungi(int id, const CerchioTriangolo& cerchio) {
    xc_.push_back(cerchio.Xc);
    yc_.push_back(cerchio.Yc);
    r2_.push_back(cerchio.R2);
    id_.push_back(id);
    return id_.size() - 1;
}

int ListaCerchi::Togli(std::size_t posto) {
    const std::size_t ultimo = id_.size() - 1;
    const int spostato = posto == ultimo ? -1 : id_[ultimo];
    xc_[posto] = xc_[ultimo];
    yc_[posto] = yc_[ultimo];
    r2_[posto] = r2_[ultimo];
    id_[posto] = id_[ultimo];
    xc_.pop_back();
    yc_.pop_back();
    r2_.pop_back();
    id_.pop_back();
    return spostato;
}

void ListaCerchi::Svuota() {
    xc_.clear();
    yc_.clear();
    r2_.clear();
    id_.clear();
}

void GrigliaCerchi::AggiungiALista(ListaCerchi& lista, Sede sede, int id, const CerchioTriangolo& cerchio) {
    Registrazione& r = registrazioni_[id];
    r.Dove = sede;
    r.PostoLista = static_cast<std::uint32_t>(lista.Aggiungi(id, cerchio));
}

void GrigliaCerchi::TogliDaLista(ListaCerchi& lista, std::size_t posto) {
    const int spostato = lista.Togli(posto);
    if (spostato >= 0) registrazioni_[spostato].PostoLista = static_cast<std::uint32_t>(posto);
}

void GrigliaCerchi::ArchiviaInCella(int id, std::size_t livello, std::size_t cella, const CerchioTriangolo& cerchio) {
    Registrazione& r = registrazioni_[id];
    r.Dove = Sede::Griglia;
    r.Livello = static_cast<std::uint16_t>(livello);
    ++livelli_[livello].Voci;
    r.Cella[r.Numero] = static_cast<std::uint32_t>(cella);
    std::vector<Voce>& voci = celle_[cella];
    // A cell holds a score of circles: one allocation instead of a doubling series.
    if (voci.capacity() == 0) voci.reserve(16);
    r.Posto[r.Numero] = static_cast<std::uint32_t>(voci.size());
    voci.push_back({cerchio.Xc, cerchio.Yc, cerchio.R2, id, r.Numero});
    ++r.Numero;
}

void GrigliaCerchi::Registra(int id, const CerchioTriangolo& cerchio) {
    if (id >= static_cast<int>(registrazioni_.size())) registrazioni_.resize(static_cast<std::size_t>(id) + 1);
    AggiungiALista(nuovi_, Sede::Nuovi, id, cerchio);
}

void GrigliaCerchi::ArchiviaNuovi() {
    for (std::size_t k = 0; k < nuovi_.Numero(); ++k) {
        const int id = nuovi_.Id(k);
        registrazioni_[id].Dove = Sede::Nessuna;
        Archivia(id, nuovi_.Cerchio(k));
    }
    nuovi_.Svuota();
}

void GrigliaCerchi::Togli(int id) {
    Registrazione& r = registrazioni_[id];
    switch (r.Dove) {
    case Sede::Nessuna:
        break;
    case Sede::Grandi:
        TogliDaLista(grandi_, r.PostoLista);
        break;
    case Sede::Nuovi:
        TogliDaLista(nuovi_, r.PostoLista);
        break;
    case Sede::Griglia:
        livelli_[r.Livello].Voci -= static_cast<std::size_t>(r.Numero);
        for (int k = 0; k < r.Numero; ++k) {
            std::vector<Voce>& cella = celle_[r.Cella[k]];
            const std::size_t posto = r.Posto[k];
            if (posto + 1 != cella.size()) {
                cella[posto] = cella.back();
                registrazioni_[cella[posto].Id].Posto[cella[posto].Registrazione] = static_cast<std::uint32_t>(posto);
            }
            cella.pop_back();
        }
        r.Numero = 0;
        break;
    }
    r.Dove = Sede::Nessuna;
}

void GrigliaCerchi::Archivia(int id, const CerchioTriangolo& cerchio) {
    // dx * dx + dy * dy <= R2 in float: no point is within a negative or NaN radius.
    if (!(cerchio.R2 >= 0.0f)) return;
    if (!std::isfinite(cerchio.Xc) || !std::isfinite(cerchio.Yc) || !std::isfinite(cerchio.R2)) {
        AggiungiALista(grandi_, Sede::Grandi, id, cerchio);
        return;
    }
    // The float test can hold a point a few roundings beyond the true radius;
    // the margins cover them, and the roundings of the box itself.
    const double xc = cerchio.Xc;
    const double yc = cerchio.Yc;
    const double h = std::sqrt(static_cast<double>(cerchio.R2)) * (1.0 + 1e-6) +
                     1e-9 * (1.0 + std::fabs(xc) + std::fabs(yc));
    const double x0 = std::max(xc - h, xmin_);
    const double x1 = std::min(xc + h, xmax_);
    const double y0 = std::max(yc - h, ymin_);
    const double y1 = std::min(yc + h, ymax_);
    if (x0 > x1 || y0 > y1) return;
    const double misura = std::max(x1 - x0, y1 - y0);
    std::size_t l = 0;
    while (l < livelli_.size() && livelli_[l].Lato < misura) ++l;
    for (; l < livelli_.size(); ++l) {
        const Livello& livello = livelli_[l];
        const int i0 = Cella(x0, xmin_, livello.PerLato, livello.Colonne);
        const int i1 = Cella(x1, xmin_, livello.PerLato, livello.Colonne);
        const int j0 = Cella(y0, ymin_, livello.PerLato, livello.Righe);
        const int j1 = Cella(y1, ymin_, livello.PerLato, livello.Righe);
        if (i1 - i0 > 1 || j1 - j0 > 1) continue;
        for (int j = j0; j <= j1; ++j) {
            for (int i = i0; i <= i1; ++i) {
                ArchiviaInCella(id, l, livello.PrimaCella + static_cast<std::size_t>(j) * livello.Colonne + i, cerchio);
            }
        }
        return;
    }
    AggiungiALista(grandi_, Sede::Grandi, id, cerchio);
}
