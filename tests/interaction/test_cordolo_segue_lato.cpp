// A ring beam on the outer perimeter when the perimeter editor moves its
// side: it follows the side in the same change, and the saved file reopens to
// the same ring beam, cover and node check; one whose side is gone stays
// where it was, as reopening finds it.

#include "design/AnnullaModifica.h"
#include "design/CaricaProgetto.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/SalvaPareteComando.h"
#include "drawing/Vista.h"
#include "interaction/EditorPerimetro.h"
#include "interaction/FormCordoloDati.h"
#include "model/BandaCordolo.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "LatoEstremo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

// What the editor does to the outer perimeter, by the ring beam's side j of n.
enum class Ritocco {
    Nessuno,
    UnEstremo,         // vertex j + 1 moved by (dx, dy)
    DueEstremi,        // vertices j and j + 1 moved by (dx, dy)
    Vicino,            // vertex j - 1 moved by (dx, dy): the side stays, its end line moves
    SenzaLunghezza,    // vertex j + 1 moved onto vertex j
    InseritoAltrove,   // a vertex inserted halfway along the side before j
    InseritoNelLato,   // a vertex inserted halfway along the side itself
};

struct CasoLato {
    const char* nome;
    Ritocco ritocco = Ritocco::Nessuno;
    float dx = 0.0f, dy = 0.0f;
    bool alto = true;          // the side with the highest middle, else the lowest
    int spostamentoIndice = 0; // how far the side's index moves
    bool segue = true;         // false: the side is gone, the ring beam stays
};

void PrintTo(const CasoLato& c, std::ostream* os) { *os << c.nome; }

class CordoloSegueLato : public ::testing::TestWithParam<CasoLato> {
protected:
    void SetUp() override {
        file = (cartella.Percorso() / "P.SET").string();
        std::filesystem::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
        s.imp.CartellaUtente = cartella.Percorso().string();
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        Apri();
    }

    void Apri() { ASSERT_TRUE(CaricaProgetto(s, file, vista, finestra).Riuscito()); }

    // A ring beam as its dialog builds it on side lato of the outer
    // perimeter, stored as one change: its index.
    int MettiCordolo(int lato) {
        StatoInterfaccia& st = s.stato;
        st.PosCorrente = PosizioneArm{.Diametro = 8, .DiamCorrenti = 12, .Passo = 10.0f,
                                      .Tipo = Cordolo, .NumBracci = 2, .Larghezza = 30.0f,
                                      .LatoPerimetro = lato, .PoligonoLato = -1,
                                      .CopriferroCordolo = 3.0f};
        st.IndiceCorrente = s.parete.UltPosizione + 1;
        st.NuovoElemento = 1;
        EXPECT_TRUE(CalcParalle(st, s.parete));
        EXPECT_TRUE(ConfermaPosizione(s, finestra));
        return s.parete.UltPosizione;
    }

    // The editor on the outer perimeter, the case's edit, "Assegna perimetro".
    void Ritocca(const CasoLato& c, int j) {
        StatoInterfaccia& st = s.stato;
        CaricaEditorPerimetro(s, 0);
        const int n = st.UltVerticeLista + 1;
        const auto sposta = [&](int i) {
            i = (i + n) % n;
            const Punto p = PuntoVertice(st, i);
            st.OrdineVertici[i] = AggiungiVertice(st, {p.X + c.dx, p.Y + c.dy});
        };
        const auto inserisci = [&](int i) {
            const Punto a = PuntoVertice(st, i), b = PuntoVertice(st, (i + 1) % n);
            st.OrdineVertici.insert(st.OrdineVertici.begin() + i + 1,
                                    AggiungiVertice(st, {(a.X + b.X) / 2, (a.Y + b.Y) / 2}));
            ++st.UltVerticeLista;
        };
        switch (c.ritocco) {
            case Ritocco::Nessuno: break;
            case Ritocco::UnEstremo: sposta(j + 1); break;
            case Ritocco::DueEstremi: sposta(j); sposta(j + 1); break;
            case Ritocco::Vicino: sposta(j - 1); break;
            case Ritocco::SenzaLunghezza:
                st.OrdineVertici[(j + 1) % n] = st.OrdineVertici[j];
                break;
            case Ritocco::InseritoAltrove: inserisci((j + n - 1) % n); break;
            case Ritocco::InseritoNelLato: inserisci(j); break;
        }
        AssegnaPerimetro(s, finestra);
    }

    CartellaTemporanea cartella;
    std::string file;
    Sessione s;
    Vista vista;
    FinestraRegistrata finestra;
};

TEST_P(CordoloSegueLato, TheSavedFileReopensToTheSameRingBeamAndCheck) {
    const CasoLato& caso = GetParam();
    const int lato = LatoEstremo(s.parete, -1, caso.alto);
    const int i = MettiCordolo(lato);
    const PosizioneArm prima = s.parete.Posizioni[i];
    const std::vector<Punto> poligonoPrima = s.parete.PoligoniPos[i];

    Ritocca(caso, lato);
    const PosizioneArm dopo = s.parete.Posizioni[i];
    if (caso.segue) {
        // Rebuilt on the moved side with its own width, cover and bars.
        EXPECT_EQ(dopo.LatoPerimetro, lato + caso.spostamentoIndice);
        EXPECT_EQ(dopo.PoligonoLato, -1);
        EXPECT_FLOAT_EQ(dopo.CopriferroCordolo, 3.0f);
        ASSERT_TRUE(LatoCordoloEsiste(s.parete, dopo));
        EXPECT_TRUE(BandaUguale(dopo, s.parete.PoligoniPos[i], CalcolaBandaCordolo(s.parete, dopo)));
    } else {
        // Left where it was, as reopening finds a ring beam whose side is
        // gone, with the cover its band and polygon still hold.
        EXPECT_EQ(dopo.LatoPerimetro, -1);
        EXPECT_FLOAT_EQ(dopo.CopriferroCordolo, 3.0f);
        EXPECT_EQ(dopo.Vertici, prima.Vertici);
        EXPECT_EQ(s.parete.PoligoniPos[i], poligonoPrima);
    }
    EXPECT_EQ(dopo.Larghezza, prima.Larghezza);
    EXPECT_EQ(dopo.DiamCorrenti, prima.DiamCorrenti);
    const ProgettoParete progetto = s.parete.Progetto();
    const std::vector<Nodo> nodi = s.parete.Nodi;
    const int numNodi = s.parete.NumNodi;

    ASSERT_TRUE(ComandoSalva(s, finestra).Riuscito());
    Apri();
    const PosizioneArm& letta = s.parete.Posizioni[i];
    EXPECT_EQ(letta.Tipo, Cordolo);
    EXPECT_EQ(letta.LatoPerimetro, dopo.LatoPerimetro);
    EXPECT_EQ(letta.PoligonoLato, dopo.PoligonoLato);
    EXPECT_FLOAT_EQ(letta.CopriferroCordolo, dopo.CopriferroCordolo);
    EXPECT_NEAR(letta.Angolo, dopo.Angolo, 1e-5f);
    for (int k = 0; k < 4; ++k) {
        // The file keeps a band to three decimals.
        EXPECT_NEAR(letta.Vertici[k].X, dopo.Vertici[k].X, 0.0006f) << k;
        EXPECT_NEAR(letta.Vertici[k].Y, dopo.Vertici[k].Y, 0.0006f) << k;
    }
    for (int k = 0; k <= 4; ++k) {
        EXPECT_NEAR(s.parete.PoligoniPos[i][k].X, progetto.PoligoniPos[i][k].X, 0.0006f) << k;
        EXPECT_NEAR(s.parete.PoligoniPos[i][k].Y, progetto.PoligoniPos[i][k].Y, 0.0006f) << k;
    }
    EXPECT_EQ(s.parete.PerimetroEsterno, progetto.PerimetroEsterno);
    ASSERT_EQ(s.parete.NumNodi, numNodi);
    int diversi = 0;
    for (int n = 0; n < s.parete.NumNodi; ++n)
        for (int k = 0; k < 4; ++k)
            if (std::fabs(s.parete.Nodi[n].Mancante[k] - nodi[n].Mancante[k]) > 1e-4f) ++diversi;
    EXPECT_EQ(diversi, 0);
}

TEST_P(CordoloSegueLato, OneUndoBringsBackThePerimeterAndTheRingBeamTogether) {
    const CasoLato& caso = GetParam();
    const int lato = LatoEstremo(s.parete, -1, caso.alto);
    const int i = MettiCordolo(lato);
    const PosizioneArm prima = s.parete.Posizioni[i];
    const std::vector<Punto> esterno = s.parete.PerimetroEsterno;
    Ritocca(caso, lato);
    const PosizioneArm dopo = s.parete.Posizioni[i];

    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.PerimetroEsterno, esterno);
    EXPECT_EQ(s.parete.Posizioni[i].LatoPerimetro, prima.LatoPerimetro);
    EXPECT_FLOAT_EQ(s.parete.Posizioni[i].CopriferroCordolo, prima.CopriferroCordolo);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(s.parete.Posizioni[i].Vertici[k].X, prima.Vertici[k].X, 0.0006f) << k;
        EXPECT_NEAR(s.parete.Posizioni[i].Vertici[k].Y, prima.Vertici[k].Y, 0.0006f) << k;
    }
    RipetiModifica(s, finestra);
    EXPECT_EQ(s.parete.Posizioni[i].LatoPerimetro, dopo.LatoPerimetro);
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(s.parete.Posizioni[i].Vertici[k].X, dopo.Vertici[k].X, 0.0006f) << k;
        EXPECT_NEAR(s.parete.Posizioni[i].Vertici[k].Y, dopo.Vertici[k].Y, 0.0006f) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, CordoloSegueLato,
    ::testing::Values(
        // The reproduction: the top side, one end moved by 3.3 cm.
        CasoLato{.nome = "LatoAltoUnEstremoDi3_3", .ritocco = Ritocco::UnEstremo, .dy = 3.3f},
        CasoLato{.nome = "LatoBassoDueEstremi", .ritocco = Ritocco::DueEstremi, .dx = 7.0f,
                 .dy = -4.4f, .alto = false},
        CasoLato{.nome = "VerticePrimaDelLato", .ritocco = Ritocco::Vicino, .dx = -12.5f, .dy = 6.0f},
        CasoLato{.nome = "PerimetroInvariato"},
        CasoLato{.nome = "VerticeInseritoAltrove", .ritocco = Ritocco::InseritoAltrove,
                 .spostamentoIndice = 1},
        CasoLato{.nome = "LatoSenzaLunghezza", .ritocco = Ritocco::SenzaLunghezza, .segue = false},
        CasoLato{.nome = "LatoDivisoDaUnVertice", .ritocco = Ritocco::InseritoNelLato, .segue = false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
