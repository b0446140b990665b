#include "design/AreaPari.h"

#include <algorithm>
#include <cmath>

namespace {

struct Lato {
    PuntoPreciso A, B;  // A.Y < B.Y
};

double XA(const Lato& l, double y) {
    if (y <= l.A.Y) return l.A.X;
    if (y >= l.B.Y) return l.B.X;
    return l.A.X + (y - l.A.Y) * (l.B.X - l.A.X) / (l.B.Y - l.A.Y);
}

// Length of the points of the line y left of an odd number of the sides.
double LunghezzaPari(const std::vector<const Lato*>& attivi, double y, std::vector<double>& xs) {
    xs.clear();
    for (const Lato* l : attivi) xs.push_back(XA(*l, y));
    std::sort(xs.begin(), xs.end());
    double somma = 0.0;
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) somma += xs[i + 1] - xs[i];
    return somma;
}

}  // namespace

double AreaPari(std::span<const std::vector<PuntoPreciso>> anelli) {
    std::vector<Lato> lati;
    std::vector<double> livelli;
    for (const std::vector<PuntoPreciso>& anello : anelli) {
        const std::size_t n = anello.size();
        for (std::size_t i = 0; i < n; ++i) {
            const PuntoPreciso a = anello[i];
            const PuntoPreciso b = anello[i + 1 == n ? 0 : i + 1];
            livelli.push_back(a.Y);
            if (a.Y < b.Y) lati.push_back({a, b});
            else if (b.Y < a.Y) lati.push_back({b, a});
        }
    }
    // Between two levels the length is linear in y, unless two sides cross:
    // the heights of the crossings are levels too. Sides sorted by their
    // lower end meet only those that start below their upper end.
    std::sort(lati.begin(), lati.end(), [](const Lato& p, const Lato& q) { return p.A.Y < q.A.Y; });
    for (std::size_t i = 0; i < lati.size(); ++i) {
        const Lato& p = lati[i];
        for (std::size_t j = i + 1; j < lati.size() && lati[j].A.Y < p.B.Y; ++j) {
            const Lato& q = lati[j];
            if (std::max(p.A.X, p.B.X) < std::min(q.A.X, q.B.X) ||
                std::max(q.A.X, q.B.X) < std::min(p.A.X, p.B.X))
                continue;
            if (!IncrocioProprio(p.A, p.B, q.A, q.B)) continue;
            const double dpx = p.B.X - p.A.X, dpy = p.B.Y - p.A.Y;
            const double dqx = q.B.X - q.A.X, dqy = q.B.Y - q.A.Y;
            const double den = dpx * dqy - dpy * dqx;
            const double t = ((q.A.X - p.A.X) * dqy - (q.A.Y - p.A.Y) * dqx) / den;
            livelli.push_back(p.A.Y + t * dpy);
        }
    }
    std::sort(livelli.begin(), livelli.end());
    livelli.erase(std::unique(livelli.begin(), livelli.end()), livelli.end());

    double area = 0.0;
    std::vector<const Lato*> attivi;
    std::vector<double> xs;
    std::size_t prossimo = 0;  // the first side not yet active
    for (std::size_t k = 0; k + 1 < livelli.size(); ++k) {
        const double y0 = livelli[k], y1 = livelli[k + 1];
        std::erase_if(attivi, [&](const Lato* l) { return l->B.Y <= y0; });
        while (prossimo < lati.size() && lati[prossimo].A.Y <= y0) {
            if (lati[prossimo].B.Y > y0) attivi.push_back(&lati[prossimo]);
            ++prossimo;
        }
        if (attivi.size() < 2) continue;
        area += (LunghezzaPari(attivi, y0, xs) + LunghezzaPari(attivi, y1, xs)) / 2.0 * (y1 - y0);
    }
    return area;
}
