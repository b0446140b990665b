#include "design/Modifica.h"
#include "design/ContorniArmatura.h"
#include "model/Estensione.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "RicalcoloContato.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 300 x 200 wall, 30 cm thick with 3 cm cover, 12/20 on every layer, one
// node needing 10 cm2/m on every layer, its geometry built.
Sessione SessioneDiProva() {
    Sessione s;
    Parete& p = s.parete;
    p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    p.Nodi[0].X = 150.0f;
    p.Nodi[0].Y = 100.0f;
    p.Nodi[0].Richiesta = {10.0f, 10.0f, 10.0f, 10.0f};
    CodaGeometria(p, s.stato);
    CodaArmatura(p, s.imp);
    return s;
}

const std::vector<std::string> UnaNotifica{"AggiornaDopoModifica"};

}  // namespace

TEST(Modifica, AConfirmedChangeRunsEachDeclaredTailOnceAndNotifiesOnce) {
    struct Caso {
        const char* nome;
        CodaRicalcolo coda;
        int geometrie;
        int armature;
    };
    const Caso casi[] = {
        {.nome = "nessuna", .coda = CodaRicalcolo::Nessuna, .geometrie = 0, .armature = 0},
        {.nome = "geometria", .coda = CodaRicalcolo::Geometria, .geometrie = 1, .armature = 0},
        {.nome = "armatura", .coda = CodaRicalcolo::Armatura, .geometrie = 0, .armature = 1},
        {.nome = "completa", .coda = CodaRicalcolo::Completa, .geometrie = 1, .armature = 1},
    };
    for (const Caso& caso : casi) {
        Sessione s = SessioneDiProva();
        FinestraRegistrata finestra;
        RicalcoloContato ricalcolo;
        {
            Modifica modifica(s, finestra, caso.coda, PuntoAnnullamento::No, ricalcolo);
            s.parete.PassoDir1Piu = 10.0f;
            modifica.Conferma();
            modifica.Conferma();  // a second confirmation runs nothing again
        }
        EXPECT_EQ(ricalcolo.Geometrie, caso.geometrie) << caso.nome;
        EXPECT_EQ(ricalcolo.Armature, caso.armature) << caso.nome;
        EXPECT_EQ(finestra.Eventi, UnaNotifica) << caso.nome;
        EXPECT_EQ(s.parete.PassoDir1Piu, 10.0f) << caso.nome;
    }
}

TEST(Modifica, TheReinforcementTailRecomputesAreasMissingAreasAndQuantities) {
    Sessione s = SessioneDiProva();
    FinestraRegistrata finestra;
    {
        Modifica modifica(s, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
        s.parete.PassoDir1Piu = 10.0f;
        modifica.Conferma();
    }
    // 12 mm bars: 1.131 cm2 each; at 10 cm, 11.31 cm2/m against 10 required.
    EXPECT_NEAR(s.parete.AreaDir1Piu, 11.3097f, 1e-3f);
    EXPECT_NEAR(s.parete.Nodi[0].Mancante[SlotDiStrato(0)], 10.0f - 11.3097f, 1e-3f);
    // Twice the bars of the 20 cm layer of the other face, give or take one bar.
    EXPECT_GT(s.parete.LungDir1Piu, 1.8f * s.parete.LungDir1Meno);
}

TEST(Modifica, TheGeometryTailRebuildsExtentsContoursAndSections) {
    Sessione s = SessioneDiProva();
    FinestraRegistrata finestra;
    {
        Modifica modifica(s, finestra, CodaRicalcolo::Geometria, PuntoAnnullamento::No);
        for (int i : {1, 2}) s.parete.PerimetroEsterno[i].Y = 250.0f;  // top side raised
        modifica.Conferma();
    }
    EXPECT_FLOAT_EQ(s.parete.YmaxParete, 250.0f);
    EXPECT_NEAR(s.parete.EstArmDir2.Ymax, 247.0f, 1e-3f);
}

TEST(Modifica, AnAbandonedChangeLeavesTheDesignAsItWasAndRecomputesNothing) {
    Sessione s = SessioneDiProva();
    const Parete prima = s.parete;
    FinestraRegistrata finestra;
    RicalcoloContato ricalcolo;
    {
        Modifica modifica(s, finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si, ricalcolo);
        Parete& p = s.parete;
        p.DiamDir2Meno = 26;
        p.UltSolaio = 0;
        p.Solai[0].Coordinata = 120.0f;
        p.PerimetroEsterno[1].Y = 260.0f;
        p.UltPosizione = 0;
        p.Posizioni[0].Diametro = 16;
        p.Quote.push_back(Quota{});
        // The dialog is cancelled: no confirmation.
    }
    EXPECT_TRUE(s.parete.Progetto() == prima.Progetto());
    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(ricalcolo.Geometrie + ricalcolo.Armature, 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}
