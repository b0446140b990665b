#pragma once

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "TelaRegistrata.h"
#include "drawing/BersaglioSchermo.h"
#include "drawing/Vista.h"
#include "interaction/ContestoModi.h"
#include "model/Sessione.h"

// A bench for the canvas modes: a session holding wall parete with its
// geometry built and an undo history in a temporary folder, a view of one
// pixel per cm with the model origin at the canvas's bottom-left corner
// (pixel x = model x, pixel y = 600 - model y), a recording canvas and window,
// and hit tests that find nothing until a test sets them.
struct BancoModi {
    explicit BancoModi(Parete parete);

    float PxX(float x) const { return XSchermo(vista, x); }
    float PxY(float y) const { return YSchermo(vista, y); }
    // Undo steps stored so far.
    int PassiAnnulla() const { return sessione.storia.UltimoAnnulla; }

    CartellaTemporanea cartella;
    Sessione sessione;
    Vista vista;
    TelaRegistrata tela;
    BersaglioSchermo transitorio;
    FinestraRegistrata finestra;
    ServiziModi servizi;
    ContestoModi contesto;
};
