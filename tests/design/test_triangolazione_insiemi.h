#pragma once

// Node sets and walls for the triangulation tests: the hard cases of the
// float construction (ties, collinear runs, duplicates) and walls shaped like
// the generated ones.

#include "model/Parete.h"
#include "model/Punto.h"
#include "PareteDiProva.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace insiemi {

// A wall with the given outline whose frame encloses it with a margin, so
// that the outline tests cast their rays from outside.
inline Parete ConContorno(const std::vector<Punto>& vertici) {
    Parete p = PareteDaContorno(vertici);
    float xmin = vertici[0].X, xmax = xmin, ymin = vertici[0].Y, ymax = ymin;
    for (const Punto& v : vertici) {
        xmin = std::min(xmin, v.X);
        xmax = std::max(xmax, v.X);
        ymin = std::min(ymin, v.Y);
        ymax = std::max(ymax, v.Y);
    }
    p.XminCornice = xmin - 50.0f;
    p.XmaxCornice = xmax + 50.0f;
    p.YminCornice = ymin - 50.0f;
    p.YmaxCornice = ymax + 50.0f;
    return p;
}

inline void ImpostaNodi(Parete& p, const std::vector<Punto>& posizioni) {
    p.NumNodi = static_cast<int>(posizioni.size());
    p.Nodi.assign(posizioni.size() + 1, Nodo{});
    for (std::size_t i = 0; i < posizioni.size(); ++i) {
        p.Nodi[i].Id = static_cast<std::int32_t>(i + 1);
        p.Nodi[i].X = posizioni[i].X;
        p.Nodi[i].Y = posizioni[i].Y;
    }
}

// The nodes inside a rectangular wall that clears them by 10 cm.
inline Parete PareteAttorno(const std::vector<Punto>& nodi) {
    float xmin = nodi[0].X, xmax = xmin, ymin = nodi[0].Y, ymax = ymin;
    for (const Punto& v : nodi) {
        xmin = std::min(xmin, v.X);
        xmax = std::max(xmax, v.X);
        ymin = std::min(ymin, v.Y);
        ymax = std::max(ymax, v.Y);
    }
    Parete p = ConContorno({{xmin - 10, ymin - 10}, {xmin - 10, ymax + 10}, {xmax + 10, ymax + 10}, {xmax + 10, ymin - 10}});
    ImpostaNodi(p, nodi);
    return p;
}

// Nodes on a regular grid, each moved by up to a third of the spacing; the
// jitter comes from the raw engine so the layout is the same everywhere.
inline std::vector<Punto> GrigliaMossa(int colonne, int righe, float passo, unsigned seme) {
    std::mt19937 motore(seme);
    auto scarto = [&] { return (static_cast<float>(motore() % 2001) / 1000.0f - 1.0f) * passo / 3.0f; };
    std::vector<Punto> punti;
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const float x = passo * (0.5f + c) + scarto();
            const float y = passo * (0.5f + r) + scarto();
            punti.push_back({x, y});
        }
    }
    return punti;
}

// Nodes drawn evenly over a rectangle, rounded to 0.1 cm as wall files give them.
inline std::vector<Punto> PuntiSparsi(int n, float larghezza, float altezza, unsigned seme) {
    std::mt19937 motore(seme);
    std::vector<Punto> punti;
    for (int i = 0; i < n; ++i) {
        const float x = static_cast<float>(motore() % static_cast<unsigned>(larghezza * 10.0f)) / 10.0f;
        const float y = static_cast<float>(motore() % static_cast<unsigned>(altezza * 10.0f)) / 10.0f;
        punti.push_back({1250.0f + x, 340.0f + y});
    }
    return punti;
}

enum class Ordine { Righe, Colonne, Inverso, Serpentina, DalCentro, Mescolato };

// An exact grid (every fourth node cocircular with its neighbours) in the given order.
inline std::vector<Punto> GrigliaEsatta(int colonne, int righe, float passo, Ordine ordine, float x0 = 0.0f,
                                        float y0 = 0.0f) {
    std::vector<std::pair<int, int>> celle;
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) celle.push_back({c, r});
    }
    switch (ordine) {
    case Ordine::Righe:
        break;
    case Ordine::Colonne:
        std::stable_sort(celle.begin(), celle.end(), [](auto a, auto b) { return a.first < b.first; });
        break;
    case Ordine::Inverso:
        std::reverse(celle.begin(), celle.end());
        break;
    case Ordine::Serpentina:
        for (auto& [c, r] : celle) {
            if (r % 2 == 1) c = colonne - 1 - c;
        }
        break;
    case Ordine::DalCentro:
        std::stable_sort(celle.begin(), celle.end(), [&](auto a, auto b) {
            const auto d = [&](std::pair<int, int> q) {
                return (2 * q.first - colonne) * (2 * q.first - colonne) + (2 * q.second - righe) * (2 * q.second - righe);
            };
            return d(a) < d(b);
        });
        break;
    case Ordine::Mescolato: {
        std::mt19937 motore(17);
        for (std::size_t i = celle.size(); i > 1; --i) std::swap(celle[i - 1], celle[motore() % i]);
        break;
    }
    }
    std::vector<Punto> punti;
    for (const auto& [c, r] : celle) punti.push_back({x0 + passo * c, y0 + passo * r});
    return punti;
}

// Nodes passo apart along x on a gentle arc (slope pendenza, rise freccia),
// rounded to 0.1 cm: nearly on one line.
inline std::vector<Punto> CurvaDolce(int n, double passo, double pendenza, double freccia) {
    std::vector<Punto> punti;
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
        const double x = 1250.0 + passo * i;
        const double y = 340.0 + pendenza * passo * i + freccia * (2.0 * t - 1.0) * (2.0 * t - 1.0);
        punti.push_back({static_cast<float>(std::round(x * 10.0) / 10.0), static_cast<float>(std::round(y * 10.0) / 10.0)});
    }
    return punti;
}

// Nodes exactly on one slanted line, in binary steps that floats hold exactly.
inline std::vector<Punto> RettaEsatta(int n, int passiX, int passiY) {
    std::vector<Punto> punti;
    for (int k = 0; k < n; ++k) {
        punti.push_back({1024.0f + static_cast<float>(passiX * k) / 64.0f, 512.0f + static_cast<float>(passiY * k) / 4096.0f});
    }
    return punti;
}

// A wall as the generator writes it: an L-shaped outline listed
// counter-clockwise with a collinear vertex on its foot, two openings (one of
// them counter-clockwise), nodes on a grid rounded to 0.1 cm and thinned to
// the count, all shifted to the analysis program's absolute coordinates.
inline Parete PareteGenerata(int nodi) {
    const double s = std::sqrt(std::max(nodi, 1) / 300.0);
    const double ox = 1250.0, oy = 340.0;
    const auto k = [s](double v) { return std::round(v * s * 10.0) / 10.0; };
    const auto punto = [&](double x, double y) { return Punto{static_cast<float>(x + ox), static_cast<float>(y + oy)}; };
    const std::vector<std::pair<double, double>> contorno = {{0, 0}, {k(400), 0}, {k(800), 0}, {k(800), k(250)},
                                                             {k(500), k(250)}, {k(500), k(400)}, {0, k(400)}};
    const std::vector<std::vector<std::pair<double, double>>> aperture = {
        {{k(100), k(120)}, {k(100), k(260)}, {k(220), k(260)}, {k(220), k(120)}},
        {{k(600), k(60)}, {k(700), k(60)}, {k(700), k(180)}, {k(600), k(180)}}};
    std::vector<Punto> anello;
    for (const auto& [x, y] : contorno) anello.push_back(punto(x, y));
    Parete p = ConContorno(anello);
    for (const auto& a : aperture) {
        std::vector<Punto> vertici;
        for (const auto& [x, y] : a) vertici.push_back(punto(x, y));
        AggiungiApertura(p, vertici);
    }
    const auto dentro = [](const std::vector<std::pair<double, double>>& poli, double x, double y) {
        bool d = false;
        for (std::size_t i = 0, j = poli.size() - 1; i < poli.size(); j = i++) {
            const auto [xi, yi] = poli[i];
            const auto [xj, yj] = poli[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) d = !d;
        }
        return d;
    };
    const auto griglia = [&](double passo) {
        std::vector<std::pair<double, double>> punti;
        for (double y = passo / 2; y < 400 * s; y += passo) {
            for (double x = passo / 2; x < 800 * s; x += passo) {
                bool nelMuro = dentro(contorno, x, y);
                for (const auto& a : aperture) nelMuro = nelMuro && !dentro(a, x, y);
                if (nelMuro) punti.push_back({std::round(x * 10) / 10, std::round(y * 10) / 10});
            }
        }
        return punti;
    };
    double passo = 40.0 * s;
    auto punti = griglia(passo);
    while (static_cast<int>(punti.size()) < nodi) {
        passo *= 0.97;
        punti = griglia(passo);
    }
    const double salto = static_cast<double>(punti.size()) / nodi;
    std::vector<Punto> scelti;
    for (int i = 0; i < nodi; ++i) {
        const auto [x, y] = punti[static_cast<std::size_t>(i * salto)];
        scelti.push_back(punto(x, y));
    }
    ImpostaNodi(p, scelti);
    return p;
}

}  // namespace insiemi
