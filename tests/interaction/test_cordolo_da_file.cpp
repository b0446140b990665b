// A ring beam read back from the reinforcement file: the file keeps no side,
// so the side is found from the stored band, and its dialog confirmed with
// nothing changed leaves the design as it was.

#include "design/CaricaProgetto.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/SalvaPareteComando.h"
#include "drawing/Vista.h"
#include "interaction/FormCordoloDati.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "LatoEstremo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

struct CasoCordolo {
    const char* nome;
    std::string parete;      // the wall file copied for the test
    int poligono = -1;       // the ring beam's polygon: -1 the outer perimeter, k opening k
    bool alto = true;        // its side: the one with the highest middle, else the lowest
    float spostamento = 0;   // cm the stored band is moved off its side before the save
    bool latoTrovato = true;
};

void PrintTo(const CasoCordolo& c, std::ostream* os) { *os << c.nome; }

class CordoloDaFile : public ::testing::TestWithParam<CasoCordolo> {
protected:
    void Apri() {
        ASSERT_TRUE(CaricaProgetto(s, file, vista, finestra).Riuscito());
    }
    // The double click on the ring beam's label, then its dialog confirmed.
    bool ConfermaDialogo(int i, float larghezza = 0.0f) {
        StatoInterfaccia& st = s.stato;
        st.IndiceCorrente = i;
        st.PosCorrente = s.parete.Posizioni[i];
        st.NuovoElemento = 0;
        st.UltPuntoCorrente = st.PosCorrente.UltVerticeZona;
        st.PoligonoCorrente.assign(s.parete.PoligoniPos[i].begin(),
                                   s.parete.PoligoniPos[i].begin() + st.UltPuntoCorrente + 1);
        ApriFormCordolo(st, s.parete);
        if (larghezza > 0.0f) st.PosCorrente.Larghezza = larghezza;
        return OkFormCordolo(s, finestra);
    }

    CartellaTemporanea cartella;
    std::string file;
    Sessione s;
    Vista vista;
    FinestraRegistrata finestra;
};

TEST_P(CordoloDaFile, ConfirmedUnchangedItStaysWhereItWas) {
    const CasoCordolo& caso = GetParam();
    file = (cartella.Percorso() / "P.SET").string();
    std::filesystem::copy_file(caso.parete, file);
    // The save writes the recent-file memory: into the test's folder.
    s.imp.CartellaUtente = cartella.Percorso().string();
    vista.LarghezzaTela = 800.0f;
    vista.AltezzaTela = 600.0f;
    Apri();

    // A ring beam built on its side as the dialog builds it, then saved.
    StatoInterfaccia& st = s.stato;
    const int lato = LatoEstremo(s.parete, caso.poligono, caso.alto);
    st.PosCorrente = PosizioneArm{.Diametro = 8, .DiamCorrenti = 12, .Passo = 10.0f,
                                  .Tipo = Cordolo, .NumBracci = 2, .Larghezza = 30.0f,
                                  .LatoPerimetro = lato, .PoligonoLato = caso.poligono,
                                  .CopriferroCordolo = 3.0f};
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    st.NuovoElemento = 1;
    ASSERT_TRUE(CalcParalle(st, s.parete));
    for (Punto& v : st.PosCorrente.Vertici) v.Y += caso.spostamento;
    for (Punto& v : st.PoligonoCorrente) v.Y += caso.spostamento;
    ASSERT_TRUE(ConfermaPosizione(s, finestra));
    ASSERT_TRUE(ComandoSalva(s, finestra).Riuscito());

    Apri();
    const auto cordolo = std::find_if(s.parete.Posizioni.begin(),
                                      s.parete.Posizioni.begin() + s.parete.UltPosizione + 1,
                                      [](const PosizioneArm& p) { return p.Tipo == Cordolo; });
    ASSERT_NE(cordolo, s.parete.Posizioni.begin() + s.parete.UltPosizione + 1);
    const int i = static_cast<int>(cordolo - s.parete.Posizioni.begin());
    if (caso.latoTrovato) {
        EXPECT_EQ(cordolo->PoligonoLato, caso.poligono);
        EXPECT_EQ(cordolo->LatoPerimetro, lato);
        EXPECT_FLOAT_EQ(cordolo->CopriferroCordolo, 3.0f);
    } else {
        EXPECT_EQ(cordolo->LatoPerimetro, -1);
    }
    const ProgettoParete letto = s.parete.Progetto();
    const int passi = s.storia.UltimoAnnulla;
    const std::size_t messaggi = finestra.Messaggi().size();

    EXPECT_TRUE(ConfermaDialogo(i));
    EXPECT_TRUE(s.parete.Progetto() == letto);
    EXPECT_EQ(s.storia.UltimoAnnulla, passi);
    EXPECT_EQ(finestra.Messaggi().size(), messaggi);

    // A wider ring beam is built again on the same side; one whose side is
    // gone cannot be.
    const Punto vicino = s.parete.Posizioni[i].Vertici[0];
    EXPECT_EQ(ConfermaDialogo(i, 40.0f), caso.latoTrovato);
    if (caso.latoTrovato) {
        const auto nuovo = std::find_if(s.parete.Posizioni.begin(),
                                        s.parete.Posizioni.begin() + s.parete.UltPosizione + 1,
                                        [](const PosizioneArm& p) { return p.Tipo == Cordolo; });
        EXPECT_EQ(nuovo->Larghezza, 40.0f);
        EXPECT_NEAR(nuovo->Vertici[0].X, vicino.X, 0.1f);
        EXPECT_NEAR(nuovo->Vertici[0].Y, vicino.Y, 0.1f);
    } else {
        EXPECT_TRUE(s.parete.Progetto() == letto);
        ASSERT_EQ(finestra.Messaggi().size(), messaggi + 1);
        EXPECT_EQ(finestra.Messaggi().back(),
                  "Il lato del cordolo non esiste più.\nOperazione annullata.");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, CordoloDaFile,
    ::testing::Values(
        // The reproduction: the L-shaped wall with two openings, its top side.
        CasoCordolo{.nome = "PareteAdLLatoAlto", .parete = PercorsoEsempio("PARETE_ESEMPIO.SET")},
        CasoCordolo{.nome = "PareteAdLLatoBasso", .parete = PercorsoEsempio("PARETE_ESEMPIO.SET"),
                    .alto = false},
        CasoCordolo{.nome = "LatoDiUnApertura", .parete = PercorsoEsempio("PARETE_ESEMPIO.SET"),
                    .poligono = 1, .alto = false},
        CasoCordolo{.nome = "LatoObliquoDiUnApertura",
                    .parete = PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), .poligono = 1},
        // Its outline has a vertex at 1000.04: the file keeps the perimeter to 0.1 cm.
        CasoCordolo{.nome = "PerimetroArrotondato",
                    .parete = PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), .alto = false},
        CasoCordolo{.nome = "PareteSenzaAperture", .parete = PercorsoFixture("PARETE_ASSI.SET")},
        CasoCordolo{.nome = "LatoScomparso", .parete = PercorsoFixture("PARETE_ASSI.SET"),
                    .spostamento = -60.0f, .latoTrovato = false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
