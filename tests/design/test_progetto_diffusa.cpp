#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/Modifica.h"
#include "design/ProgettoDiffusa.h"
#include "model/Numeri.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"
#include "RicalcoloContato.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// Provided area per metre = (d / 20)^2 x 3.141592654 x 100 / spacing:
// at 20 cm 8 mm 2.51, 10 mm 3.93, 12 mm 5.65, 14 mm 7.70; 28 mm at 5 cm 123.15.

namespace {

struct Strato {
    int diametro;
    float passo;
    bool operator==(const Strato&) const = default;
};

std::array<Strato, 4> Strati(const Parete& p) {
    return {{{p.DiamDir1Piu, p.PassoDir1Piu},
             {p.DiamDir1Meno, p.PassoDir1Meno},
             {p.DiamDir2Piu, p.PassoDir2Piu},
             {p.DiamDir2Meno, p.PassoDir2Meno}}};
}

// Four nodes inside a 300 x 200 wall, each needing richiesta[k] on layer k;
// 12 mm at 20 cm on every layer; geometry and reinforcement tails run.
Sessione SessioneDiProva(const std::array<float, 4>& richiesta, int magliaUnica = 0) {
    Sessione s;
    Parete& p = s.parete;
    p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.MagliaUnica = magliaUnica;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 4;
    p.Nodi.assign(5, Nodo{});
    for (int i = 0; i < 4; ++i) {
        p.Nodi[i].X = 60.0f + 60.0f * i;
        p.Nodi[i].Y = 100.0f;
        for (int k = 0; k < 4; ++k) p.Nodi[i].Richiesta[SlotDiStrato(k)] = richiesta[k];
    }
    CodaGeometria(p, s.stato);
    CodaArmatura(p, s.imp);
    return s;
}

std::string Fallimento(const std::string& nomeStrato) {
    return "Messaggio[Attenzione!|esclamazione] " + nomeStrato +
           "\nImpossible raggiungere la percentuale di nodi coperti."
           "\nAumentare il diam. max o diminuire il passo min.";
}

}  // namespace

TEST(ProgettaDiffusa, DesignsTheFourLayersInOrderEachOnItsOwn) {
    // Default settings: the diameter varies from 6 mm in steps of 2 at the
    // layer's 20 cm, target 60 %.
    Sessione s = SessioneDiProva({3.0f, 5.0f, 7.0f, 200.0f});
    const Parete prima = s.parete;
    FinestraRegistrata finestra;

    ProgettaDiffusa(s.parete, s.imp, finestra);

    const std::array<Strato, 4> attesi{{
        {10, 20.0f},  // 8 mm 2.51 < 3, 10 mm 3.93
        {12, 20.0f},  // 10 mm 3.93 < 5, 12 mm 5.65
        {14, 20.0f},  // 12 mm 5.65 < 7, 14 mm 7.70
        {28, 5.0f},   // even 123.15 < 200: the largest diameter, the smallest spacing
    }};
    EXPECT_EQ(Strati(s.parete), attesi);
    EXPECT_EQ(finestra.Eventi, std::vector<std::string>{Fallimento("Arm. lato - dir. 2")});
    // Only the design changes: areas and missing areas wait for the tail.
    EXPECT_EQ(s.parete.Nodi, prima.Nodi);
    EXPECT_FLOAT_EQ(s.parete.AreaDir2Meno, prima.AreaDir2Meno);
}

TEST(ProgettaDiffusa, WithoutNodesEveryLayerFailsInTheOrderOfK) {
    Sessione s = SessioneDiProva({3.0f, 3.0f, 3.0f, 3.0f});
    s.parete.NumNodi = 0;
    s.imp.DiamMaxMeno = 20;
    s.imp.PassoMinMeno = 10;
    FinestraRegistrata finestra;

    ProgettaDiffusa(s.parete, s.imp, finestra);

    const std::array<Strato, 4> attesi{{{28, 5.0f}, {20, 10.0f}, {28, 5.0f}, {20, 10.0f}}};
    EXPECT_EQ(Strati(s.parete), attesi);
    const std::vector<std::string> messaggi{
        Fallimento("Arm. lato + dir. 1"), Fallimento("Arm. lato - dir. 1"),
        Fallimento("Arm. lato + dir. 2"), Fallimento("Arm. lato - dir. 2")};
    EXPECT_EQ(finestra.Eventi, messaggi);
}

TEST(ProgettaDiffusa, ASingleMeshWallDesignsItsTwoLayersWithTheLimitsOfLatoMeno) {
    // The "lato +" layers need nothing: their first candidate, 6 + 2 = 8 mm,
    // covers every node and no warning is shown for them.
    Sessione s = SessioneDiProva({0.0f, 3.0f, 0.0f, 5.0f}, -1);
    s.imp.DiamMinMeno = 8;
    s.imp.DiamMaxMeno = 20;
    FinestraRegistrata finestra;

    ProgettaDiffusa(s.parete, s.imp, finestra);

    const std::array<Strato, 4> attesi{{
        {8, 20.0f},
        {10, 20.0f},  // from 8 mm: 10 mm 3.93 >= 3
        {8, 20.0f},
        {12, 20.0f},  // 10 mm 3.93 < 5, 12 mm 5.65
    }};
    EXPECT_EQ(Strati(s.parete), attesi);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST(ApplicaProgettoDiffusa, OneUndoStepOneTailOneNoticeThenThePanel) {
    CartellaTemporanea cartella;
    Sessione s = SessioneDiProva({3.0f, 5.0f, 7.0f, 3.0f});
    s.parete.CartellaLavoro = cartella.Percorso().string();
    s.parete.FileCorrente = (cartella.Percorso() / "PROVA.SET").string();
    s.imp.CartellaTemporanea = (cartella.Percorso() / "annulla").string();
    Sessione riferimento = s;
    FinestraRegistrata finestraRiferimento;
    MemorizzaModifica(riferimento, finestraRiferimento);  // what exactly one undo step does
    FinestraRegistrata finestra;
    RicalcoloContato ricalcolo;

    ApplicaProgettoDiffusa(s, finestra, ricalcolo);

    StoriaAnnulla attesa = riferimento.storia;
    attesa.CartellaIstantanee = s.storia.CartellaIstantanee;  // each history has its own
    EXPECT_EQ(s.storia, attesa);
    EXPECT_EQ(ricalcolo.Armature, 1);
    EXPECT_EQ(ricalcolo.Geometrie, 0);
    EXPECT_EQ(finestra.Eventi, (std::vector<std::string>{"AggiornaDopoModifica", "PanelDiffusa"}));
    const Parete& p = s.parete;
    EXPECT_EQ(Strati(p)[0], (Strato{10, 20.0f}));
    EXPECT_EQ(Strati(p)[3], (Strato{10, 20.0f}));
    // The tail follows the new layers: 10 mm at 20 cm gives 78.54 / 20 = 3.927.
    EXPECT_NEAR(p.AreaDir1Piu, 3.927f, 1e-3f);
    EXPECT_NEAR(p.AreaDir2Piu, 7.697f, 1e-3f);
    EXPECT_NEAR(p.Nodi[0].Mancante[SlotDiStrato(0)], 3.0f - 3.927f, 1e-3f);
    EXPECT_NEAR(p.Nodi[3].Mancante[SlotDiStrato(1)], 5.0f - 5.655f, 1e-3f);
    ASSERT_GT(p.LungDir1Piu, 0.0f);
    EXPECT_NEAR(p.PesoDir1Piu, AreaBarra(10) * 0.00785f * p.LungDir1Piu, 1e-3f * p.PesoDir1Piu);
}

TEST(ApplicaProgettoDiffusa, AFailedLayerKeepsTheHeaviestBarsAndTheChangeStands) {
    Sessione s = SessioneDiProva({3.0f, 3.0f, 3.0f, 200.0f});
    FinestraRegistrata finestra;
    RicalcoloContato ricalcolo;

    ApplicaProgettoDiffusa(s, finestra, ricalcolo);

    const std::array<Strato, 4> attesi{{{10, 20.0f}, {10, 20.0f}, {10, 20.0f}, {28, 5.0f}}};
    EXPECT_EQ(Strati(s.parete), attesi);
    EXPECT_EQ(finestra.Eventi, (std::vector<std::string>{Fallimento("Arm. lato - dir. 2"),
                                                         "AggiornaDopoModifica", "PanelDiffusa"}));
    EXPECT_EQ(ricalcolo.Armature, 1);
    // 28 mm at 5 cm: 6.1575 x 100 / 5 = 123.15, against 200 required.
    EXPECT_NEAR(s.parete.AreaDir2Meno, 123.15f, 1e-2f);
    EXPECT_NEAR(s.parete.Nodi[0].Mancante[SlotDiStrato(3)], 200.0f - 123.15f, 1e-2f);
}

TEST(ApplicaProgettoDiffusa, NothingHappensWithoutAWall) {
    Sessione s;
    s.parete.NumNodi = 1;
    s.parete.Nodi[0].Richiesta = {3.0f, 3.0f, 3.0f, 3.0f};
    const Parete prima = s.parete;
    const StoriaAnnulla storiaPrima = s.storia;
    FinestraRegistrata finestra;
    RicalcoloContato ricalcolo;

    ApplicaProgettoDiffusa(s, finestra, ricalcolo);

    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(s.storia, storiaPrima);
    EXPECT_EQ(ricalcolo.Armature + ricalcolo.Geometrie, 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}
