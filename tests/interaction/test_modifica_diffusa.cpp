#include "interaction/ModificaDiffusa.h"

#include "design/Modifica.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 300 x 200 wall with one node, 12/20 on every layer, its tails run.
Sessione SessioneDiProva(int magliaUnica = 0) {
    Sessione s;
    Parete& p = s.parete;
    p = PareteRettangolare(300, 200);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.MagliaUnica = magliaUnica;
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

int Avvisi(const FinestraRegistrata& f) {
    int n = 0;
    for (const std::string& e : f.Eventi) n += e.rfind("Messaggio[Attenzione!|esclamazione] La modifica", 0) == 0;
    return n;
}

int Aggiornamenti(const FinestraRegistrata& f) {
    int n = 0;
    for (const std::string& e : f.Eventi) n += e == "AggiornaDopoModifica";
    return n;
}

struct Caso {
    const char* nome;
    int id;
    const char* digitato;
    const char* testoDopo;  // what the grid commits
    bool accettata;
    int avvisi;
    int diametro;  // of the item's layer afterwards (direction 1 "+" or 2 "+")
    float passo;
};

// Layer 0 is items 1/2, layer 2 items 3/4; both start at 12/20 showing " 12" and "20.0".
const Caso Casi[] = {
    {.nome = "DueAccettato", .id = 2, .digitato = "2", .testoDopo = "2", .accettata = true,
     .avvisi = 1, .diametro = 12, .passo = 2.0f},
    {.nome = "UnoVirgolaNoveRifiutato", .id = 2, .digitato = "1,9", .testoDopo = "20.0",
     .accettata = false, .avvisi = 0, .diametro = 12, .passo = 20.0f},
    {.nome = "TestoVuotoRifiutato", .id = 1, .digitato = "", .testoDopo = " 12", .accettata = false,
     .avvisi = 0, .diametro = 12, .passo = 20.0f},
    {.nome = "DodiciVirgolaZeroSenzaAvviso", .id = 1, .digitato = "12,0", .testoDopo = "12,0",
     .accettata = true, .avvisi = 0, .diametro = 12, .passo = 20.0f},
    {.nome = "DodiciPuntoQuattroAvvisaETieneDodici", .id = 1, .digitato = "12.4",
     .testoDopo = "12.4", .accettata = true, .avvisi = 1, .diametro = 12, .passo = 20.0f},
    {.nome = "MezzoVersoIlPariGiu", .id = 3, .digitato = "12.5", .testoDopo = "12.5",
     .accettata = true, .avvisi = 1, .diametro = 12, .passo = 20.0f},
    {.nome = "MezzoVersoIlPariSu", .id = 3, .digitato = "13.5", .testoDopo = "13.5",
     .accettata = true, .avvisi = 1, .diametro = 14, .passo = 20.0f},
    {.nome = "DiametroLimiteSediciBit", .id = 1, .digitato = "32767", .testoDopo = "32767",
     .accettata = true, .avvisi = 1, .diametro = 32767, .passo = 20.0f},
    {.nome = "DiametroOltreSediciBitRifiutato", .id = 1, .digitato = "32768", .testoDopo = " 12",
     .accettata = false, .avvisi = 0, .diametro = 12, .passo = 20.0f},
    {.nome = "StessoPassoSenzaAvviso", .id = 4, .digitato = "20", .testoDopo = "20",
     .accettata = true, .avvisi = 0, .diametro = 12, .passo = 20.0f},
    {.nome = "PassoComeDigitato", .id = 4, .digitato = "15", .testoDopo = "15", .accettata = true,
     .avvisi = 1, .diametro = 12, .passo = 15.0f},
    {.nome = "PassoGrande", .id = 2, .digitato = "40000", .testoDopo = "40000",
     .accettata = true, .avvisi = 1, .diametro = 12, .passo = 40000.0f},
    // The reinforcement file keeps 2 decimals of a spacing: 2.005 was kept
    // unrounded and reopened as 2.01, moving every node's missing area.
    {.nome = "PassoDuePuntoZeroZeroCinqueComeLoScriveIlFile", .id = 2, .digitato = "2.005",
     .testoDopo = "2.005", .accettata = true, .avvisi = 1, .diametro = 12, .passo = 2.01f},
    {.nome = "PassoOltreLeLunghezzeRifiutato", .id = 4, .digitato = "100000.01", .testoDopo = "20.0",
     .accettata = false, .avvisi = 0, .diametro = 12, .passo = 20.0f},
};

}  // namespace

TEST(ModificaDiffusa, EditCases) {
    for (const Caso& c : Casi) {
        Sessione s = SessioneDiProva();
        const StoriaAnnulla storiaPrima = s.storia;
        FinestraRegistrata f;
        int adattamenti = 0;
        const std::vector<VoceDiffusa> voci = VociDiffusa(s.parete);
        std::string testo = c.digitato;
        const EsitoModificaDiffusa esito = ValidaModificaDiffusa(
            s, f, c.id, testo, voci[c.id - 1].Valore, [&] { ++adattamenti; });
        EXPECT_EQ(esito == EsitoModificaDiffusa::Accettata, c.accettata) << c.nome;
        EXPECT_EQ(testo, c.testoDopo) << c.nome;
        EXPECT_EQ(Avvisi(f), c.avvisi) << c.nome;
        const int strato = c.id <= 2 ? 0 : 2;
        EXPECT_EQ(strato == 0 ? s.parete.DiamDir1Piu : s.parete.DiamDir2Piu, c.diametro) << c.nome;
        EXPECT_EQ(strato == 0 ? s.parete.PassoDir1Piu : s.parete.PassoDir2Piu, c.passo) << c.nome;
        // An accepted value fits the view, runs the tail once and marks the
        // wall modified; none takes an undo step.
        EXPECT_EQ(adattamenti, c.accettata ? 1 : 0) << c.nome;
        EXPECT_EQ(Aggiornamenti(f), c.accettata ? 1 : 0) << c.nome;
        EXPECT_EQ(s.storia.Modificata, c.accettata) << c.nome;
        StoriaAnnulla passi = s.storia;
        passi.Modificata = storiaPrima.Modificata;
        EXPECT_EQ(passi, storiaPrima) << c.nome;
    }
}

TEST(ModificaDiffusa, AnAcceptedEditRecomputesTheAreasAndTheMissingAreas) {
    Sessione s = SessioneDiProva();
    FinestraRegistrata f;
    const float mancantePrima = s.parete.Nodi[0].Mancante[0];
    std::string testo = "16";
    ASSERT_EQ(ValidaModificaDiffusa(s, f, 1, testo, " 12", {}), EsitoModificaDiffusa::Accettata);
    EXPECT_FLOAT_EQ(s.parete.AreaDir1Piu, 2.0106193f * 100.0f / 20.0f);
    EXPECT_LT(s.parete.Nodi[0].Mancante[0], mancantePrima);
    StoriaAnnulla modificata;
    modificata.Modificata = true;
    EXPECT_EQ(s.storia, modificata);
}

TEST(ModificaDiffusa, TheWarningText) {
    FinestraRegistrata f;
    AvvisoModificaDiffusa(f);
    ASSERT_EQ(f.Eventi.size(), 1u);
    EXPECT_EQ(f.Eventi[0],
              "Messaggio[Attenzione!|esclamazione] La modifica dei diametri o passi "
              "dell'armatura diffusa attulmente non permette l'aggiornamento dei dati delle "
              "verifiche e della relazione. Pu\xC3\xB2 essere fatta allo scopo di ricercare "
              "un'armatura ottimale, che poi potr\xC3\xA0 essere riprogettata in Caldeno "
              "modificando i criteri di progetto.");
}

TEST(ModificaDiffusa, ItemsOfATwoFaceWall) {
    Sessione s = SessioneDiProva();
    s.parete.DiamDir2Meno = 8;
    s.parete.PassoDir2Meno = 12.5f;
    const std::vector<VoceDiffusa> attese{
        {1, "Diam. dir. 1 lato +", " 12"}, {2, "Passo dir. 1 lato +", "20.0"},
        {3, "Diam. dir. 2 lato +", " 12"}, {4, "Passo dir. 2 lato +", "20.0"},
        {5, "Diam. dir. 1 lato -", " 12"}, {6, "Passo dir. 1 lato -", "20.0"},
        {7, "Diam. dir. 2 lato -", " 8"},  {8, "Passo dir. 2 lato -", "12.5"},
    };
    EXPECT_EQ(VociDiffusa(s.parete), attese);
}

TEST(ModificaDiffusa, ASingleMeshHasFourItemsAndEditsItsOwnLayers) {
    Sessione s = SessioneDiProva(-1);
    const std::vector<VoceDiffusa> attese{
        {5, "Diam. dir. 1", " 12"}, {6, "Passo dir. 1", "20.0"},
        {7, "Diam. dir. 2", " 12"}, {8, "Passo dir. 2", "20.0"},
    };
    EXPECT_EQ(VociDiffusa(s.parete), attese);
    FinestraRegistrata f;
    std::string testo = "16";
    ASSERT_EQ(ValidaModificaDiffusa(s, f, 5, testo, " 12", {}), EsitoModificaDiffusa::Accettata);
    EXPECT_EQ(s.parete.DiamDir1Meno, 16);
    EXPECT_EQ(s.parete.DiamDir1Piu, 12);
}
