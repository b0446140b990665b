// Writes a wall file of our own design for tests, the bundled sample and the
// benchmarks: an L-shaped wall (one re-entrant corner, one collinear vertex on
// the bottom side, listed counter-clockwise as an analysis program may write
// it) with two openings, version 1 with node numbers, and required areas that
// vary smoothly across the wall and exceed 10 mm bars at 20 cm near a corner
// of the door and along the bottom.
//
//   genera_parete --nodi N --uscita FILE [--numero K]

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct P { double x, y; };

// Wall geometry in a unit frame scaled by the node count, so that a node
// stands about every 25 cm whatever the size.
struct Geometria {
    double scala;
    std::vector<P> contorno;               // counter-clockwise, one collinear vertex
    std::vector<std::vector<P>> aperture;  // rectangles, one clockwise and one not
};

Geometria CreaGeometria(int nodi) {
    const double s = std::sqrt(std::max(nodi, 1) / 300.0);
    auto k = [s](double v) { return std::round(v * s * 10.0) / 10.0; };
    Geometria g{s, {}, {}};
    // L shape: 800 x 400 with the top-right 300 x 150 cut away.
    g.contorno = {{0, 0}, {k(400), 0}, {k(800), 0}, {k(800), k(250)},
                  {k(500), k(250)}, {k(500), k(400)}, {0, k(400)}};
    g.aperture.push_back({{k(100), k(120)}, {k(100), k(260)}, {k(220), k(260)}, {k(220), k(120)}});
    g.aperture.push_back({{k(600), k(60)}, {k(700), k(60)}, {k(700), k(180)}, {k(600), k(180)}});
    return g;
}

bool Dentro(const std::vector<P>& poli, double x, double y) {
    bool dentro = false;
    for (size_t i = 0, j = poli.size() - 1; i < poli.size(); j = i++) {
        if ((poli[i].y > y) != (poli[j].y > y) &&
            x < (poli[j].x - poli[i].x) * (y - poli[i].y) / (poli[j].y - poli[i].y) + poli[i].x)
            dentro = !dentro;
    }
    return dentro;
}

bool NelMuro(const Geometria& g, double x, double y) {
    if (!Dentro(g.contorno, x, y)) return false;
    for (const auto& a : g.aperture)
        if (Dentro(a, x, y)) return false;
    return true;
}

std::vector<P> Griglia(const Geometria& g, double passo) {
    std::vector<P> punti;
    const double xmax = 800 * g.scala, ymax = 400 * g.scala;
    for (double y = passo / 2; y < ymax; y += passo)
        for (double x = passo / 2; x < xmax; x += passo)
            if (NelMuro(g, x, y)) punti.push_back({std::round(x * 10) / 10, std::round(y * 10) / 10});
    return punti;
}

// Exactly `nodi` nodes: the coarsest grid that has enough, thinned evenly.
std::vector<P> Nodi(const Geometria& g, int nodi) {
    double passo = 40.0 * g.scala;
    std::vector<P> punti = Griglia(g, passo);
    while (static_cast<int>(punti.size()) < nodi) {
        passo *= 0.97;
        punti = Griglia(g, passo);
    }
    std::vector<P> scelti;
    const double salto = static_cast<double>(punti.size()) / nodi;
    for (int i = 0; i < nodi; ++i) scelti.push_back(punti[static_cast<size_t>(i * salto)]);
    return scelti;
}

// Required area, cm2/m: a smooth base with a peak at the top-right corner of
// the first opening and a band along the foot of the wall.
double Richiesta(const Geometria& g, double x, double y, double base, double picco) {
    const double cx = 220 * g.scala, cy = 260 * g.scala, r = 120 * g.scala;
    const double d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / (r * r);
    const double piede = std::exp(-y / (60 * g.scala));
    return base + picco * std::exp(-d2) + 2.5 * piede + 0.5 * std::sin(x / (90 * g.scala));
}

std::string F(double v) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.3f", v);
    return testo;
}

}  // namespace

int main(int argc, char* argv[]) {
    int nodi = 300, numero = 1;
    std::string uscita;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string nome = argv[i];
        if (nome == "--nodi") nodi = std::atoi(argv[i + 1]);
        else if (nome == "--uscita") uscita = argv[i + 1];
        else if (nome == "--numero") numero = std::atoi(argv[i + 1]);
    }
    if (uscita.empty() || nodi < 1 || nodi > 32000) {
        std::cerr << "uso: genera_parete --nodi N (1..32000) --uscita FILE [--numero K]\n";
        return 2;
    }
    const Geometria g = CreaGeometria(nodi);
    // Shifted to absolute coordinates of the analysis program.
    const double ox = 1250.0, oy = 340.0;

    std::ofstream f(uscita, std::ios::binary);
    const char* fr = "\r\n";
    f << "VERSIONE 1" << fr;
    f << "CALDENO" << fr;
    f << numero << " 0 Parete e tipo" << fr;
    f << g.contorno.size() << " Vertici contorno" << fr;
    for (const auto& p : g.contorno) f << F(p.x + ox) << " " << F(p.y + oy) << " Vertice" << fr;
    for (const auto& a : g.aperture) {
        f << a.size() << " Vertici apertura" << fr;
        for (const auto& p : a) f << F(p.x + ox) << " " << F(p.y + oy) << " Vertice" << fr;
    }
    f << "0 Fine aperture" << fr;
    f << "30 3 Spessore copriferro" << fr;
    // Direction 2 is written as the analysis program gives a horizontal mesh
    // beside a vertical one: 90, so that the two directions are the axes.
    f << "90 20 10 12 Direzione 1" << fr;
    f << "90 20 10 12 Direzione 2" << fr;
    f << "0 Lato meno uguale" << fr;
    const auto punti = Nodi(g, nodi);
    f << punti.size() << " Nodi" << fr;
    int id = 1001;
    for (const auto& p : punti) {
        // Areas in the file's order: dir. 1 "lato -", dir. 2 "lato -", dir. 1 "lato +", dir. 2 "lato +".
        f << id++ << " " << F(p.x + ox) << " " << F(p.y + oy) << " "
          << F(Richiesta(g, p.x, p.y, 2.6, 4.5)) << " " << F(Richiesta(g, p.x, p.y, 2.2, 3.0)) << " "
          << F(Richiesta(g, p.x, p.y, 2.8, 5.0)) << " " << F(Richiesta(g, p.x, p.y, 2.4, 3.2))
          << " Nodo" << fr;
    }
    f << "0 0 0 0 0 Dati lati" << fr;
    f << "0 Fine" << fr;
    if (!f) {
        std::cerr << "scrittura non riuscita: " << uscita << "\n";
        return 1;
    }
    return 0;
}
