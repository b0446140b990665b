#pragma once

#include "drawing/StiliDisegno.h"
#include "model/Impostazioni.h"

#include <array>
#include <string>

// Flags of the layers a drawing pass draws, one per entry of the layer table;
// non-zero draws, as LayerVisibili and LayerDxf of the settings store them.
using MascheraLayer = std::array<int, NumLayer>;

constexpr MascheraLayer TuttiILayer() {
    MascheraLayer maschera{};
    maschera.fill(1);
    return maschera;
}

// Where a drawing goes: the screen canvas (BersaglioSchermo), the DXF entity
// stream (BersaglioDxf) or nowhere (BersaglioMisura, the pass that only sums
// bar lengths). Every drawing procedure takes one and draws through the
// primitives of drawing/Primitive.h; each target carries the settings and the
// layer mask of its pass. What differs between targets lives in the protected
// leaves below, which only the primitives reach, after their layer checks.
class Bersaglio {
public:
    virtual ~Bersaglio() = default;
    Bersaglio& operator=(const Bersaglio&) = delete;

    bool Schermo() const { return tipo_ == Tipo::Schermo; }
    bool InDxf() const { return tipo_ == Tipo::Dxf; }
    bool Misura() const { return tipo_ == Tipo::Misura; }
    // DXF output in the R2000 dialect (dimension entities allowed).
    virtual bool DxfR2000() const { return false; }

    // Layer table, screen colours, print scale.
    const Impostazioni& Imp() const { return *imp_; }
    const MascheraLayer& LayerAttivi() const { return layerAttivi_; }
    // True for an index of the layer table whose flag is on in this pass.
    bool LayerAttivo(int layer) const;
    // Factor of the text heights: 1 on the screen, ScalaTestiDxf elsewhere.
    virtual float ScalaTesti() const;

protected:
    enum class Tipo { Schermo, Dxf, Misura };
    Bersaglio(Tipo tipo, const Impostazioni& imp, const MascheraLayer& layerAttivi);
    Bersaglio(const Bersaglio&) = default;

    friend void DisLinea(float, float, float, float, int, int, const Bersaglio&);
    friend void DisCerchio(float, float, float, int, int, const Bersaglio&);
    friend void ScriviTesto(float, float, const std::string&, int, int, int, int, float,
                            const Bersaglio&);
    friend int DisFerro(float, float, float, float, int, int, int, const Bersaglio&);
    friend void DisQuota(float, float, float, float, float, float, float, float,
                         const Bersaglio&);

    // Coordinates in model cm; the layer is an index of the table whose flag is on.
    virtual void Linea(float x1, float y1, float x2, float y2, int layer, int stile) const = 0;
    virtual void Cerchio(float xc, float yc, float r, int layer, int stile) const = 0;
    // altezza as AltezzaTesto gives it; angolo in degrees with its sine and cosine.
    virtual void Testo(float x, float y, const std::string& testo, float altezza, int layer,
                       int allineaH, int allineaV, float angolo, float seno,
                       float coseno) const = 0;
    // A highlight line in a screen colour; only the screen draws it.
    virtual void Evidenziazione(float x1, float y1, float x2, float y2, int colore) const;
    // The length label of the bar (x1, y1)-(x2, y2), below it for lato 0 and
    // above it otherwise: a text centred on the bar, unless the target says
    // otherwise. layerTesto is active.
    virtual void EtichettaFerro(float x1, float y1, float x2, float y2, int lato, int layerTesto,
                                int lunghezza) const;
    // A dimension whose line runs from A to B and which measures P and Q:
    // DisQuotaSemplice on layers "QUOTE" and "TESTO_QUOTE", unless the target
    // says otherwise.
    virtual void Quota(float xa, float ya, float xb, float yb, float xp, float yp, float xq,
                       float yq) const;

private:
    Tipo tipo_;
    const Impostazioni* imp_;
    MascheraLayer layerAttivi_;
};
