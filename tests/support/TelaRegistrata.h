#pragma once

#include "FlussoDxfRegistrato.h"
#include "drawing/BersaglioDxf.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/BersaglioSchermo.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"

#include <string>
#include <vector>

// One drawing call on the recording canvas, with the canvas state it found.
struct TrattoTela {
    std::string Tipo;           // "Linea", "Riquadro", "Cerchio", "Poligono", "Testo"
    std::vector<float> Valori;  // coordinates in call order (text: x, y, height, width, angle)
    int Colore = 0;             // explicit colour, or the foreground colour for texts
    bool Pieno = false;         // Riquadro only
    StileTratto Stile = StileTratto::Continuo;
    int Spessore = 1;
    StratoTela Strato = StratoTela::Immagine;
    std::string Testo;

    bool operator==(const TrattoTela&) const = default;
};

// A clip of the polygons as the recording canvas saw it: from the stroke
// index Dal (the size of Tratti when it was set) to the index Al (its size
// when it was removed; -1 while it holds).
struct RitaglioTela {
    std::vector<PuntoPixel> Contorno;
    std::vector<std::vector<PuntoPixel>> Fori;
    int Dal = 0;
    int Al = -1;
};

// The box of a stroke on the canvas, in pixels; a text's is its cell as the
// screen lays it out (the character width plus 2 for each character, turned
// about the top-left corner by its angle).
struct CasellaPixel {
    float Xmin = 0.0f, Ymin = 0.0f, Xmax = 0.0f, Ymax = 0.0f;

    // Wholly inside a canvas of larghezza x altezza pixels.
    bool Dentro(float larghezza, float altezza) const {
        return Xmin >= 0.0f && Ymin >= 0.0f && Xmax <= larghezza && Ymax <= altezza;
    }
};
CasellaPixel CasellaTratto(const TrattoTela& tratto);

// Recording screen canvas: every drawing call becomes one TrattoTela; state
// changes are kept and stamped on the calls that follow. Cancella drops the
// strokes of the layer it names, as the real canvas would.
class TelaRegistrata : public TelaSchermo {
public:
    TelaRegistrata(float larghezza = 800.0f, float altezza = 600.0f);

    std::vector<TrattoTela> Tratti;
    std::vector<RitaglioTela> Ritagli;
    int Cancellazioni = 0;
    int ColoreSfondo = 0;

    // The strokes of one kind, in order.
    std::vector<TrattoTela> DiTipo(const std::string& tipo) const;
    // The strokes on one layer of the canvas, in order.
    std::vector<TrattoTela> DelloStrato(StratoTela strato) const;

    float Larghezza() const override { return larghezza_; }
    float Altezza() const override { return altezza_; }
    void Cancella(StratoTela strato) override;
    void ImpostaColoreSfondo(int colore) override { ColoreSfondo = colore; }
    void ImpostaColorePrimoPiano(int colore) override { primoPiano_ = colore; }
    void ImpostaStileTratto(StileTratto stile) override { stile_ = stile; }
    void ImpostaSpessoreTratto(int pixel) override { spessore_ = pixel; }
    void Linea(StratoTela strato, float x1, float y1, float x2, float y2, int colore) override;
    void Riquadro(StratoTela strato, float x1, float y1, float x2, float y2, int colore,
                  bool pieno) override;
    void Cerchio(StratoTela strato, float xc, float yc, float r, int colore) override;
    void Poligono(StratoTela strato, const std::vector<PuntoPixel>& punti, int colore) override;
    void RitagliaPoligoni(const std::vector<PuntoPixel>& contorno,
                          const std::vector<std::vector<PuntoPixel>>& fori) override;
    void RimuoviRitaglio() override;
    void Testo(StratoTela strato, int x, int y, int altezza, int larghezza, int angoloGradi,
               const std::string& testo) override;

    StileTratto StileCorrente() const { return stile_; }

private:
    TrattoTela Nuovo(StratoTela strato, const std::string& tipo, std::vector<float> valori,
                     int colore) const;

    float larghezza_;
    float altezza_;
    int primoPiano_ = 0;
    StileTratto stile_ = StileTratto::Continuo;
    int spessore_ = 1;
};

// Everything a drawing test needs: default settings, a 800 x 600 canvas at
// 2 pixels per cm with the model origin at its bottom-left corner, a
// recording canvas and DXF stream, and the targets over them, all layers on
// unless a mask is given.
// Two pixels per cm over the whole canvas, the model origin at its
// bottom-left corner: model (x, y) is pixel (2x, height - 2y).
Vista VistaDoppia(const TelaSchermo& tela);

struct BancoDisegno {
    BancoDisegno();

    Impostazioni Imp;
    Vista VistaTela;
    TelaRegistrata Tela;
    FlussoDxfRegistrato Flusso;
    StatoDxf Dxf;

    // The persistent image of the canvas.
    BersaglioSchermo Schermo(const MascheraLayer& layerAttivi = TuttiILayer()) {
        return BersaglioSchermo(Tela, StratoTela::Immagine, VistaTela, Imp, layerAttivi);
    }
    // The transient overlay of the canvas.
    BersaglioSchermo Transitorio() {
        return BersaglioSchermo(Tela, StratoTela::Transitorio, VistaTela, Imp);
    }
    // R2000 unless r12.
    BersaglioDxf InDxf(bool r12 = false, const MascheraLayer& layerAttivi = TuttiILayer()) {
        Dxf.DxfR12 = r12 ? -1 : 0;
        return BersaglioDxf(Flusso, Dxf, Imp, layerAttivi);
    }
    BersaglioMisura Misura() { return BersaglioMisura(Imp); }
};
