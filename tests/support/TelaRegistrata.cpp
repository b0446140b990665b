#include "TelaRegistrata.h"

#include "drawing/Primitive.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

void Allarga(CasellaPixel& c, float x, float y) {
    c = {std::min(c.Xmin, x), std::min(c.Ymin, y), std::max(c.Xmax, x), std::max(c.Ymax, y)};
}

}  // namespace

CasellaPixel CasellaTratto(const TrattoTela& t) {
    const std::vector<float>& v = t.Valori;
    if (v.size() < 2) return {};
    if (t.Tipo == "Cerchio") return {v[0] - v[2], v[1] - v[2], v[0] + v[2], v[1] + v[2]};
    CasellaPixel c{v[0], v[1], v[0], v[1]};
    if (t.Tipo == "Testo") {
        const float lungo = (v[3] + 2.0f) * static_cast<float>(NumeroCaratteri(t.Testo));
        const float a = v[4] * 3.14159265f / 180.0f;
        const float cs = std::cos(a), sn = std::sin(a);
        for (const auto& [dx, dy] : {std::pair{lungo, 0.0f}, std::pair{0.0f, v[2]}, std::pair{lungo, v[2]}})
            Allarga(c, v[0] + dx * cs + dy * sn, v[1] - dx * sn + dy * cs);
        return c;
    }
    for (size_t i = 2; i + 1 < v.size(); i += 2) Allarga(c, v[i], v[i + 1]);
    return c;
}

TelaRegistrata::TelaRegistrata(float larghezza, float altezza)
    : larghezza_(larghezza), altezza_(altezza) {}

std::vector<TrattoTela> TelaRegistrata::DiTipo(const std::string& tipo) const {
    std::vector<TrattoTela> scelti;
    for (const auto& t : Tratti)
        if (t.Tipo == tipo) scelti.push_back(t);
    return scelti;
}

std::vector<TrattoTela> TelaRegistrata::DelloStrato(StratoTela strato) const {
    std::vector<TrattoTela> scelti;
    for (const auto& t : Tratti)
        if (t.Strato == strato) scelti.push_back(t);
    return scelti;
}

void TelaRegistrata::Cancella(StratoTela strato) {
    ++Cancellazioni;
    std::erase_if(Tratti, [strato](const TrattoTela& t) { return t.Strato == strato; });
}

TrattoTela TelaRegistrata::Nuovo(StratoTela strato, const std::string& tipo,
                                 std::vector<float> valori, int colore) const {
    TrattoTela t;
    t.Strato = strato;
    t.Tipo = tipo;
    t.Valori = std::move(valori);
    t.Colore = colore;
    t.Stile = stile_;
    t.Spessore = spessore_;
    return t;
}

void TelaRegistrata::Linea(StratoTela strato, float x1, float y1, float x2, float y2,
                           int colore) {
    Tratti.push_back(Nuovo(strato, "Linea", {x1, y1, x2, y2}, colore));
}

void TelaRegistrata::Riquadro(StratoTela strato, float x1, float y1, float x2, float y2,
                              int colore, bool pieno) {
    TrattoTela t = Nuovo(strato, "Riquadro", {x1, y1, x2, y2}, colore);
    t.Pieno = pieno;
    Tratti.push_back(t);
}

void TelaRegistrata::Cerchio(StratoTela strato, float xc, float yc, float r, int colore) {
    Tratti.push_back(Nuovo(strato, "Cerchio", {xc, yc, r}, colore));
}

void TelaRegistrata::RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                                      const std::vector<std::vector<PuntoPixel>>& fori) {
    RimuoviRitaglio();
    Ritagli.push_back({contorno, fori, static_cast<int>(Tratti.size()), -1});
}

void TelaRegistrata::RimuoviRitaglio() {
    if (!Ritagli.empty() && Ritagli.back().Al < 0) Ritagli.back().Al = static_cast<int>(Tratti.size());
}

void TelaRegistrata::Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti,
                              int colore) {
    std::vector<float> valori;
    for (const auto& p : punti) {
        valori.push_back(static_cast<float>(p.X));
        valori.push_back(static_cast<float>(p.Y));
    }
    Tratti.push_back(Nuovo(strato, "Poligono", std::move(valori), colore));
}

void TelaRegistrata::Testo(StratoTela strato, int x, int y, int altezza, int larghezza,
                           int angoloGradi, const std::string& testo) {
    TrattoTela t = Nuovo(strato, "Testo",
                         {static_cast<float>(x), static_cast<float>(y),
                          static_cast<float>(altezza), static_cast<float>(larghezza),
                          static_cast<float>(angoloGradi)},
                         primoPiano_);
    t.Testo = testo;
    Tratti.push_back(t);
}

Vista VistaDoppia(const TelaSchermo& tela) {
    Vista v;
    v.Scala = 2.0f;
    v.LarghezzaTela = tela.Larghezza();
    v.AltezzaTela = tela.Altezza();
    v.FinXmax = v.LarghezzaTela / v.Scala;
    v.FinYmax = v.AltezzaTela / v.Scala;
    return v;
}

BancoDisegno::BancoDisegno() { VistaTela = VistaDoppia(Tela); }
