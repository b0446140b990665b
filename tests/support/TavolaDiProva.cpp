#include "TavolaDiProva.h"

#include "PareteDiProva.h"
#include "ZoneDiProva.h"
#include "drawing/TavolaSezioni.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool Vicini(float a, float b) { return std::fabs(a - b) < 1e-3f; }

void AggiungiUnico(std::vector<float>& v, float x) {
    if (std::none_of(v.begin(), v.end(), [&](float y) { return Vicini(x, y); })) v.push_back(x);
}

}  // namespace

TavolaDiProva::TavolaDiProva(float larghezza, float altezza) {
    Banco.Imp.ScalaDxf = 1.0f;
    P = PareteAssiArmata(larghezza, altezza);
    P.SpessoreParete = 20.0f;
    P.Copriferro = 3.0f;
    P.AngoloArm2 = std::numbers::pi_v<float> / 2.0f;
    P.YminCornice = 0.0f;
    P.YmaxCornice = altezza;
    P.Sezioni.clear();
    P.UltSezione = -1;
}

void TavolaDiProva::Sezione(Punto da, Punto a, int orizzontale) {
    LineaSezione s;
    s.P0 = da;
    s.P1 = a;
    s.Orizzontale = orizzontale;
    P.Sezioni.push_back(s);
    P.UltSezione = static_cast<int>(P.Sezioni.size()) - 1;
}

void TavolaDiProva::Verticale(float x) {
    Sezione({x, P.YminParete - 25.0f}, {x, P.YmaxParete + 25.0f}, 0);
}

void TavolaDiProva::Orizzontale(float y) {
    Sezione({P.XminParete - 25.0f, y}, {P.XmaxParete + 25.0f, y}, 1);
}

int TavolaDiProva::Zona(const std::vector<Punto>& poligono, int tipo, int direzione,
                        int diametro, float passo) {
    return AggiungiZona(P, poligono, tipo, direzione, diametro, passo, {}, {}, {});
}

int TavolaDiProva::Rettangolo(float x1, float y1, float x2, float y2, int tipo, int direzione,
                              int diametro, float passo) {
    return Zona({{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}, tipo, direzione, diametro, passo);
}

void TavolaDiProva::Disegna(float x0, float y0) { DisTavolaSezioni(P, x0, y0, Banco.InDxf()); }

std::vector<float> TavolaDiProva::FacceVerticali() const {
    std::vector<float> facce;
    for (const EntitaDxf& e : Linee("PERIM_SEZIONI")) {
        const auto& v = e.Valori;
        if (Vicini(v[1], v[3]) && Vicini(v[2] - v[0], P.SpessoreParete)) AggiungiUnico(facce, v[0]);
    }
    return facce;
}

std::vector<float> TavolaDiProva::FacceOrizzontali() const {
    std::vector<float> facce;
    for (const EntitaDxf& e : Linee("PERIM_SEZIONI")) {
        const auto& v = e.Valori;
        if (Vicini(v[0], v[2]) && Vicini(v[1] - v[3], P.SpessoreParete)) AggiungiUnico(facce, v[1]);
    }
    return facce;
}

std::vector<Punto> TavolaDiProva::Marcatori() const {
    std::vector<Punto> centri;
    for (const EntitaDxf& e : Banco.Flusso.DiTipo("CIRCLE"))
        if (Vicini(e.Valori[2], 0.6f)) centri.push_back({e.Valori[0], e.Valori[1]});
    return centri;
}

std::vector<EntitaDxf> TavolaDiProva::Linee(const std::string& layer) const {
    std::vector<EntitaDxf> linee;
    for (const EntitaDxf& e : Banco.Flusso.DiTipo("LINE")) {
        if (e.Layer != layer) continue;
        const auto& v = e.Valori;
        const float lunghezza = std::hypot(v[2] - v[0], v[3] - v[1]);
        if (layer == "QUOTE" && Vicini(lunghezza, 4.0f)) continue;
        linee.push_back(e);
    }
    return linee;
}

std::vector<EntitaDxf> TavolaDiProva::Etichette(const std::string& prefisso) const {
    std::vector<EntitaDxf> testi;
    for (const EntitaDxf& e : Banco.Flusso.DiTipo("TEXT"))
        if (e.Layer == "TESTO_FERRI" && e.Testo.rfind(prefisso, 0) == 0 &&
            e.Testo.find("L=") == std::string::npos)
            testi.push_back(e);
    return testi;
}

std::vector<EntitaDxf> TavolaDiProva::TestiCon(const std::string& parte) const {
    std::vector<EntitaDxf> testi;
    for (const EntitaDxf& e : Banco.Flusso.DiTipo("TEXT"))
        if (e.Layer == "TESTO_FERRI" && e.Testo.find(parte) != std::string::npos)
            testi.push_back(e);
    return testi;
}
