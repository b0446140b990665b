#include "RiquadroRegistrato.h"

std::vector<TrattoRiquadro> RiquadroRegistrato::DiTipo(const std::string& tipo) const {
    std::vector<TrattoRiquadro> scelti;
    for (const auto& t : Tratti)
        if (t.Tipo == tipo) scelti.push_back(t);
    return scelti;
}

std::vector<std::string> RiquadroRegistrato::Testi() const {
    std::vector<std::string> testi;
    for (const auto& t : DiTipo("Testo")) testi.push_back(t.Testo);
    return testi;
}

TrattoRiquadro RiquadroRegistrato::TrattoDelTesto(const std::string& testo) const {
    for (const auto& t : Tratti)
        if (t.Tipo == "Testo" && t.Testo == testo) return t;
    return {};
}

void RiquadroRegistrato::ImmaginePersistente(bool attiva) {
    persistente_ = attiva;
    Chiamate.push_back(attiva ? "Persistente 1" : "Persistente 0");
}

void RiquadroRegistrato::Cancella() {
    Tratti.clear();
    Chiamate.push_back("Cancella");
}

void RiquadroRegistrato::ImpostaSpessoreTratto(int pixel) {
    spessore_ = pixel;
    Chiamate.push_back("Spessore " + std::to_string(pixel));
}

void RiquadroRegistrato::ImpostaRiempimento(Riempimento riempimento) {
    riempi_ = riempimento;
    Chiamate.push_back(riempimento == Riempimento::Pieno ? "Riempimento pieno"
                                                         : "Riempimento trasparente");
}

void RiquadroRegistrato::ImpostaColoreTesto(int colore) {
    coloreTesto_ = colore;
    Chiamate.push_back("ColoreTesto " + std::to_string(colore));
}

TrattoRiquadro RiquadroRegistrato::Nuovo(const std::string& tipo, std::vector<float> valori,
                                         int colore) const {
    TrattoRiquadro t;
    t.Tipo = tipo;
    t.Valori = std::move(valori);
    t.Colore = colore;
    t.Spessore = spessore_;
    t.Riempi = riempi_;
    t.Persistente = persistente_;
    return t;
}

void RiquadroRegistrato::Testo(float x, float y, const std::string& testo) {
    auto t = Nuovo("Testo", {x, y}, coloreTesto_);
    t.Testo = testo;
    Tratti.push_back(std::move(t));
    Chiamate.push_back("Testo");
}

void RiquadroRegistrato::Linea(float x1, float y1, float x2, float y2, int colore) {
    Tratti.push_back(Nuovo("Linea", {x1, y1, x2, y2}, colore));
    Chiamate.push_back("Linea");
}

void RiquadroRegistrato::Riquadro(float x1, float y1, float x2, float y2, int colore,
                                  bool pieno) {
    auto t = Nuovo("Riquadro", {x1, y1, x2, y2}, colore);
    t.Pieno = pieno;
    Tratti.push_back(std::move(t));
    Chiamate.push_back("Riquadro");
}
