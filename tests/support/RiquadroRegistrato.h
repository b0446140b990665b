#pragma once

#include "drawing/RiquadroLegenda.h"

#include <string>
#include <vector>

// One drawing call on the recording legend box, with the box state it found.
struct TrattoRiquadro {
    std::string Tipo;           // "Testo", "Linea", "Riquadro"
    std::vector<float> Valori;  // twips in call order (text: x, y)
    int Colore = 0;             // explicit colour, or the text colour for texts
    bool Pieno = false;         // Riquadro only
    std::string Testo;
    int Spessore = 1;
    Riempimento Riempi = Riempimento::Pieno;
    bool Persistente = false;

    bool operator==(const TrattoRiquadro&) const = default;
};

// Recording legend box: every drawing call becomes one TrattoRiquadro, stamped
// with the state set before it; Cancella drops the strokes drawn so far, as
// the real box would. Chiamate lists every call by name in order, clears and
// state changes included ("Persistente 1", "Cancella", "Spessore 2", ...).
class RiquadroRegistrato : public RiquadroLegenda {
public:
    explicit RiquadroRegistrato(int twipPerPixel = 15) : twipPerPixel_(twipPerPixel) {}

    std::vector<TrattoRiquadro> Tratti;
    std::vector<std::string> Chiamate;

    std::vector<TrattoRiquadro> DiTipo(const std::string& tipo) const;
    // The texts in order.
    std::vector<std::string> Testi() const;
    // The stroke of a text, or an empty stroke of Tipo "" when it was not printed.
    TrattoRiquadro TrattoDelTesto(const std::string& testo) const;

    bool Persistente() const { return persistente_; }
    int Spessore() const { return spessore_; }
    Riempimento Riempi() const { return riempi_; }

    int TwipPerPixel() const override { return twipPerPixel_; }
    void ImmaginePersistente(bool attiva) override;
    void Cancella() override;
    void ImpostaSpessoreTratto(int pixel) override;
    void ImpostaRiempimento(Riempimento riempimento) override;
    void ImpostaColoreTesto(int colore) override;
    void Testo(float x, float y, const std::string& testo) override;
    void Linea(float x1, float y1, float x2, float y2, int colore) override;
    void Riquadro(float x1, float y1, float x2, float y2, int colore, bool pieno) override;

private:
    TrattoRiquadro Nuovo(const std::string& tipo, std::vector<float> valori, int colore) const;

    int twipPerPixel_;
    bool persistente_ = false;
    int spessore_ = 1;
    Riempimento riempi_ = Riempimento::Pieno;
    int coloreTesto_ = 0;
};
