#pragma once

#include "drawing/FlussoDxf.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"

struct Impostazioni;

// Where a drawing goes: the screen canvas through the view transform, the DXF
// entity stream, or nowhere (the measure pass that only sums bar lengths).
enum class TipoBersaglio { Schermo, Dxf, Misura };

// The output target handed down every drawing procedure, with what the
// primitives need of it. Build it with the functions below.
struct Bersaglio {
    TipoBersaglio Tipo = TipoBersaglio::Misura;
    const Impostazioni* Imp = nullptr;   // layer table, screen colours, print scale
    TelaSchermo* Tela = nullptr;         // screen target only
    const Vista* VistaSchermo = nullptr; // screen target only
    FlussoDxf* Flusso = nullptr;         // DXF target only
    const StatoDxf* Dxf = nullptr;       // DXF target only

    bool Schermo() const { return Tipo == TipoBersaglio::Schermo; }
    bool InDxf() const { return Tipo == TipoBersaglio::Dxf; }
    bool Misura() const { return Tipo == TipoBersaglio::Misura; }
    // DXF output in the R2000 dialect (dimension entities allowed).
    bool DxfR2000() const { return InDxf() && Dxf->DxfR12 == 0; }
};

inline Bersaglio BersaglioSchermo(TelaSchermo& tela, const Vista& vista,
                                  const Impostazioni& imp) {
    Bersaglio b;
    b.Tipo = TipoBersaglio::Schermo;
    b.Imp = &imp;
    b.Tela = &tela;
    b.VistaSchermo = &vista;
    return b;
}

inline Bersaglio BersaglioDxf(FlussoDxf& flusso, const StatoDxf& stato,
                              const Impostazioni& imp) {
    Bersaglio b;
    b.Tipo = TipoBersaglio::Dxf;
    b.Imp = &imp;
    b.Flusso = &flusso;
    b.Dxf = &stato;
    return b;
}

inline Bersaglio BersaglioMisura(const Impostazioni& imp) {
    Bersaglio b;
    b.Tipo = TipoBersaglio::Misura;
    b.Imp = &imp;
    return b;
}
