#include "drawing/BersaglioDxf.h"
#include "drawing/LegendaTavola.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "Fixture.h"
#include "GruppiLetti.h"
#include "PareteDiProva.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

// Default print scale: 2 DXF units per cm.
constexpr float Scala = 2.0f;
constexpr float X0 = 100.0f, Y0 = 400.0f;

std::vector<std::string> Campi(const std::string& riga) {
    std::vector<std::string> campi;
    std::istringstream ingresso(riga);
    std::string campo;
    while (std::getline(ingresso, campo, '\t')) campi.push_back(campo);
    return campi;
}

std::string N(float v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

// What the independent reader finds in the drawing of one legend.
struct LegendaLetta {
    std::vector<std::vector<std::string>> entita;

    std::vector<std::vector<std::string>> DiTipo(const std::string& tipo) const {
        std::vector<std::vector<std::string>> scelte;
        for (const auto& e : entita)
            if (e[0] == tipo) scelte.push_back(e);
        return scelte;
    }
    std::vector<std::string> Testi() const {
        std::vector<std::string> testi;
        for (const auto& e : DiTipo("TEXT")) testi.push_back(e[4]);
        return testi;
    }
    // The TEXT fields of a text, empty when it is not there. The handle is
    // the reader's own in R12: left out.
    std::vector<std::string> Testo(const std::string& testo) const {
        for (const auto& e : DiTipo("TEXT"))
            if (e[4] == testo) return SenzaHandle(e);
        return {};
    }
    static std::vector<std::string> SenzaHandle(std::vector<std::string> e) {
        e.erase(e.begin() + 2);
        return e;
    }
};

// Draws the legend of one view into an R12 file of its own and reads it back.
LegendaLetta Disegna(const Parete& parete, int vista) {
    Impostazioni imp;
    StatoDxf stato;
    stato.DxfR12 = 1;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    const BersaglioDxf b{flusso, stato, imp};
    LegendaTavola(X0, Y0, vista, parete, b);

    CartellaTemporanea cartella;
    const auto percorso = cartella.Percorso() / "legenda.dxf";
    const Esito esito = ScriviFileDxfR12(percorso, file, imp);
    EXPECT_TRUE(esito.Riuscito()) << esito.Motivo;
    const auto righe = LeggiConEzdxf(percorso.string());
    LegendaLetta letta;
    EXPECT_FALSE(righe.empty());
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
        letta.entita.push_back(Campi(righe[i]));
    }
    return letta;
}

PosizioneArm Posizione(int tipo, int direzione, int diametro, float passo) {
    PosizioneArm p;
    p.Tipo = tipo;
    p.Direzione = direzione;
    p.Diametro = diametro;
    p.Passo = passo;
    return p;
}

// Wall 7, direction 1 vertical and direction 2 horizontal, two positions on
// "lato +" and then one on "lato -".
Parete PareteLegenda() {
    Parete p = PareteAssi();
    p.NumeroParete = 7;
    p.DiamDir1Piu = 12;
    p.PassoDir1Piu = 20.0f;
    p.DiamDir2Piu = 10;
    p.PassoDir2Piu = 25.0f;
    p.DiamDir1Meno = 14;
    p.PassoDir1Meno = 17.5f;
    p.DiamDir2Meno = 8;
    p.PassoDir2Meno = 0.0f;
    p.Posizioni = {Posizione(0, 0, 14, 15.0f), Posizione(0, 1, 12, 17.5f),
                   Posizione(1, 1, 16, 20.0f)};
    p.UltPosizione = 2;
    return p;
}

const std::string Diametro = "\xC3\x98";

}  // namespace

TEST(LegendaTavola, TextsOfEachView) {
    const struct {
        const char* nome;
        int vista;
        int magliaUnica;
        std::vector<std::string> testi;
    } casi[] = {
        {.nome = "distributed lato +",
         .vista = 0,
         .magliaUnica = 0,
         .testi = {"Parete  7", "Armatura diffusa lato +", "dir. 1", "1" + Diametro + " 12/ 20",
                   "5.7 cmq/m", "dir. 2", "1" + Diametro + " 10/ 25", "3.1 cmq/m"}},
        {.nome = "distributed lato -",
         .vista = 1,
         .magliaUnica = 0,
         .testi = {"Armatura diffusa lato -", "dir. 1", "1" + Diametro + " 14/ 17.5", "8.8 cmq/m",
                   "dir. 2", "1" + Diametro + " 8/ 0", "0.0 cmq/m"}},
        {.nome = "single mesh",
         .vista = 1,
         .magliaUnica = -1,
         .testi = {"Armatura diffusa", "dir. 1", "1" + Diametro + " 14/ 17.5", "8.8 cmq/m",
                   "dir. 2", "1" + Diametro + " 8/ 0", "0.0 cmq/m"}},
        {.nome = "zones lato +",
         .vista = 2,
         .magliaUnica = 0,
         .testi = {"Armatura integrativa lato +", "Pos.", "Dir.", "Diam./Passo", "1", " 1",
                   Diametro + " 14 / 15", "2", " 2", Diametro + " 12 / 17.5"}},
        {.nome = "zones lato -",
         .vista = 3,
         .magliaUnica = 0,
         .testi = {"Armatura integrativa lato -", "Pos.", "Dir.", "Diam./Passo", "3", " 2",
                   Diametro + " 16 / 20"}},
        {.nome = "zones of a single mesh",
         .vista = 3,
         .magliaUnica = -1,
         .testi = {"Armatura integrativa", "Pos.", "Dir.", "Diam./Passo", "3", " 2",
                   Diametro + " 16 / 20"}},
    };
    for (const auto& c : casi) {
        Parete parete = PareteLegenda();
        parete.MagliaUnica = c.magliaUnica;
        const auto letta = Disegna(parete, c.vista);
        EXPECT_EQ(letta.Testi(), c.testi) << c.nome;
        for (const auto& e : letta.DiTipo("TEXT")) EXPECT_EQ(e[1], "TESTO_FERRI") << c.nome;
    }
}

TEST(LegendaTavola, DistributedBlockPlacedFromTheFrameCorner) {
    const auto letta = Disegna(PareteLegenda(), 0);
    // Title 25 cm above the corner in the largest size, bottom left.
    EXPECT_EQ(letta.Testo("Parete  7"),
              (std::vector<std::string>{"TEXT", "TESTO_FERRI", "-", "Parete  7", N(X0 * Scala),
                                        N((Y0 + 25) * Scala), N(42), "0", "0", "1"}));
    // Hanging texts go 2 cm below their anchor, top-aligned.
    EXPECT_EQ(letta.Testo("dir. 2"),
              (std::vector<std::string>{"TEXT", "TESTO_FERRI", "-", "dir. 2", N((X0 + 250) * Scala),
                                        N((Y0 - 45 - 2) * Scala), N(25), "0", "0", "3"}));
    EXPECT_EQ(letta.Testo("5.7 cmq/m")[4], N((X0 + 70) * Scala));
    EXPECT_EQ(letta.Testo("5.7 cmq/m")[5], N((Y0 - 85 - 2) * Scala));

    // Direction 1 vertical: five strokes 50 cm long around x + 30, 10 cm apart.
    const auto linee = letta.DiTipo("LINE");
    ASSERT_EQ(linee.size(), 10u);
    std::set<std::string> x1, y2;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(linee[i][1], "ARM_DIFFUSA1");
        EXPECT_EQ(linee[i][4], linee[i][6]);
        EXPECT_EQ(linee[i][5], N((Y0 - 95) * Scala));
        EXPECT_EQ(linee[i][7], N((Y0 - 45) * Scala));
        x1.insert(linee[i][4]);
        EXPECT_EQ(linee[5 + i][1], "ARM_DIFFUSA2");
        EXPECT_EQ(linee[5 + i][4], N((X0 + 185) * Scala));
        EXPECT_EQ(linee[5 + i][6], N((X0 + 235) * Scala));
        y2.insert(linee[5 + i][5]);
    }
    std::set<std::string> attesiX, attesiY;
    for (const float d : {-20.0f, -10.0f, 0.0f, 10.0f, 20.0f}) {
        attesiX.insert(N((X0 + 30 + d) * Scala));
        attesiY.insert(N((Y0 - 70 + d) * Scala));
    }
    EXPECT_EQ(x1, attesiX);
    EXPECT_EQ(y2, attesiY);
}

TEST(LegendaTavola, TwoWallsDrawnInTurnEachWithItsOwnAreas) {
    Parete prima = PareteLegenda();
    Parete seconda = PareteLegenda();
    seconda.DiamDir1Piu = 16;
    seconda.PassoDir1Piu = 10.0f;
    // The stored areas still hold the first wall's: the legend must not read them.
    prima.AreaDir1Piu = 5.6549f;
    seconda.AreaDir1Piu = 5.6549f;
    const auto a = Disegna(prima, 0);
    const auto b = Disegna(seconda, 0);
    EXPECT_FALSE(a.Testo("1" + Diametro + " 12/ 20").empty());
    EXPECT_FALSE(a.Testo("5.7 cmq/m").empty());
    EXPECT_FALSE(b.Testo("1" + Diametro + " 16/ 10").empty());
    EXPECT_FALSE(b.Testo("20.1 cmq/m").empty());
    EXPECT_TRUE(b.Testo("5.7 cmq/m").empty());
}

TEST(LegendaTavola, ThirdPositionIsRowZeroOfTheLatoMenoTable) {
    const auto letta = Disegna(PareteLegenda(), 3);
    const float yRiga = (Y0 - 45) * Scala;
    EXPECT_EQ(letta.Testo("3"),
              (std::vector<std::string>{"TEXT", "TESTO_FERRI", "-", "3", N((X0 + 25) * Scala),
                                        N(yRiga), N(20), "0", "1", "1"}));
    EXPECT_EQ(letta.Testo(" 2")[4], N((X0 + 71) * Scala));
    EXPECT_EQ(letta.Testo(Diametro + " 16 / 20")[4], N((X0 + 115) * Scala));
    EXPECT_EQ(letta.Testo(Diametro + " 16 / 20")[8], "0");
    // Rules: two of the header, the row's top, the bottom; four verticals down to it.
    const auto linee = letta.DiTipo("LINE");
    ASSERT_EQ(linee.size(), 8u);
    for (const auto& l : linee) EXPECT_EQ(l[1], "POS_INTEGRATIVA");
    const float fondo = (Y0 - 45) * Scala;
    EXPECT_EQ(LegendaLetta::SenzaHandle(linee[3]),
              (std::vector<std::string>{"LINE", "POS_INTEGRATIVA", "-", N(X0 * Scala), N(fondo),
                                        N((X0 + 220) * Scala), N(fondo)}));
    std::vector<std::string> verticali;
    for (size_t i = 4; i < 8; ++i) {
        EXPECT_EQ(linee[i][5], N((Y0 - 5) * Scala));
        EXPECT_EQ(linee[i][7], N(fondo));
        verticali.push_back(linee[i][4]);
    }
    EXPECT_EQ(verticali, (std::vector<std::string>{N(X0 * Scala), N((X0 + 50) * Scala),
                                                   N((X0 + 100) * Scala), N((X0 + 220) * Scala)}));
}

TEST(LegendaTavola, EmptyFrameWhenOnlyTheOtherFaceHasPositions) {
    Parete parete = PareteLegenda();
    parete.UltPosizione = 1;  // both on "lato +"
    const auto letta = Disegna(parete, 3);
    EXPECT_EQ(letta.Testi(), (std::vector<std::string>{"Armatura integrativa lato -", "Pos.",
                                                       "Dir.", "Diam./Passo"}));
    const auto linee = letta.DiTipo("LINE");
    ASSERT_EQ(linee.size(), 7u);
    for (size_t i = 3; i < 7; ++i) EXPECT_EQ(linee[i][7], N((Y0 - 25) * Scala));
}

TEST(LegendaTavola, OnlyTheTitleWithoutPositions) {
    Parete parete = PareteLegenda();
    parete.UltPosizione = -1;
    for (const int vista : {2, 3}) {
        const auto letta = Disegna(parete, vista);
        EXPECT_EQ(letta.entita.size(), 1u) << vista;
        EXPECT_EQ(letta.DiTipo("TEXT").size(), 1u) << vista;
    }
}

TEST(LegendaTavola, NothingForOtherViews) {
    for (const int vista : {4, 5, 9999, -1})
        EXPECT_TRUE(Disegna(PareteLegenda(), vista).entita.empty()) << vista;
}

TEST(LegendaTavola, OnTheScreenThroughTheSamePrimitives) {
    BancoDisegno banco;
    LegendaTavola(X0, Y0, 2, PareteLegenda(), banco.Schermo());
    EXPECT_EQ(banco.Tela.DiTipo("Testo").size(), 10u);
    EXPECT_EQ(banco.Tela.DiTipo("Linea").size(), 9u);  // the frame of two rows
    EXPECT_TRUE(banco.Flusso.Entita.empty());
}
