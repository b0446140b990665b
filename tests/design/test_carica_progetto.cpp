#include "design/CaricaProgetto.h"

#include "design/LeggiParete.h"
#include "drawing/Vista.h"
#include "model/FileIni.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A session with the fixture wall P5.SET open from its folder, one undo step
// stored, the profile folder in the test's own folder and a canvas of 800 x
// 600 pixels.
class Progetto {
public:
    Progetto() {
        Parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
        sessione.imp.CartellaUtente = cartella.Percorso().string();
        sessione.imp.CartellaTemporanea = (cartella.Percorso() / "annulla").string();
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        EXPECT_TRUE(CaricaProgetto(sessione, Parete, vista, finestra).Riuscito());
        MemorizzaModifica(sessione, finestra);
        istantanea = fs::path(sessione.storia.CartellaIstantanee) / "QUVEL0.TMP";
        finestra.Eventi.clear();
    }

    std::string Copia(const std::string& nome, const std::string& fixture) const {
        return cartella.Scrivi(nome, Contenuto(PercorsoFixture(fixture)));
    }
    const fs::path& Istantanea() const { return istantanea; }
    bool Evento(const std::string& inizio) const {
        return std::any_of(finestra.Eventi.begin(), finestra.Eventi.end(),
                           [&](const std::string& e) { return e.rfind(inizio, 0) == 0; });
    }

    CartellaTemporanea cartella;
    std::string Parete;
    Sessione sessione;
    Vista vista;
    FinestraRegistrata finestra;
    fs::path istantanea;  // the undo step stored
};

TEST(CaricaProgetto, AperturaRiuscita) {
    Progetto t;
    ASSERT_TRUE(fs::exists(t.Istantanea()));
    const std::string altra = t.Copia("P6.SET", "MAGLIA_UNICA.SET");
    t.sessione.stato.NodoSelezionato = 12;  // picked on the wall being closed

    ASSERT_TRUE(CaricaProgetto(t.sessione, altra, t.vista, t.finestra).Riuscito());
    const std::vector<std::string> inizio(t.finestra.Eventi.begin(), t.finestra.Eventi.begin() + 2);
    EXPECT_EQ(inizio, (std::vector<std::string>{
                          "Cursore attesa",
                          "Caricamento | Caricamento in corso. | Per file di grosse dimensioni, "
                          "l'operazione potrebbe durare alcuni minuti. | Attendere prego."}));
    EXPECT_EQ(t.finestra.Eventi.back(), "AggiornaDopoModifica");
    EXPECT_TRUE(t.Evento("Titolo KORVANE Setti C.A. -  [ P6.SET ]"));
    EXPECT_TRUE(t.Evento("PanelDiffusa"));

    const Parete& p = t.sessione.parete;
    EXPECT_EQ(p.FileCorrente, altra);
    EXPECT_EQ(p.CartellaLavoro, t.cartella.Percorso().string());
    EXPECT_EQ(t.sessione.storia, StoriaAnnulla{});
    EXPECT_FALSE(fs::exists(t.Istantanea()));
    EXPECT_EQ(t.sessione.recenti.NumFileRecenti, 2);
    EXPECT_EQ(t.sessione.recenti.FileRecenti[0], altra);
    EXPECT_EQ(t.sessione.stato.StatoVista, 0);
    EXPECT_EQ(t.sessione.stato.VistaCorrente, 1);  // single mesh: "lato -"
    EXPECT_EQ(t.sessione.stato.NodoSelezionato, -1);
    // The view is fitted: 800 pixels across the wall's width.
    EXPECT_FLOAT_EQ(t.vista.Scala * (p.Estensione.Xmax - p.Estensione.Xmin), 800.0f);
    // The missing areas are current.
    EXPECT_FLOAT_EQ(p.Nodi[0].Mancante[2], p.Nodi[0].Richiesta[2] - p.AreaDir1Meno);
}

TEST(CaricaProgetto, PareteSenzaNodiNonEntraTraIRecenti) {
    Progetto t;
    const std::string vuota = t.Copia("P4.SET", "SENZA_NODI.SET");
    ASSERT_TRUE(CaricaProgetto(t.sessione, vuota, t.vista, t.finestra).Riuscito());
    EXPECT_EQ(t.sessione.parete.FileCorrente, vuota);
    EXPECT_EQ(t.sessione.recenti.NumFileRecenti, 1);
    EXPECT_EQ(t.sessione.recenti.FileRecenti[0], t.Parete);
}

TEST(ApriFile, DialogoAnnullato) {
    Progetto t;
    const Parete prima = t.sessione.parete;
    const Esito esito = ApriFile(t.sessione, t.vista, t.finestra);
    EXPECT_EQ(esito.Codice, CodiceApertura::Annullata);
    EXPECT_EQ(t.sessione.stato.ErroreOperazione, -1);
    // The stored undo step is an unsaved change: the question comes first.
    EXPECT_EQ(t.finestra.Eventi,
              (std::vector<std::string>{"Domanda[Apertura di una parete|domanda] Vuoi salvare le "
                                        "modifiche alla parete aperta? -> No",
                                        "Apri[Apri] File dati (*.SET)"}));
    EXPECT_EQ(t.sessione.parete, prima);
}

// A file refused by the reader keeps the open wall with its name, folder and
// undo history; the settings come back from the defaults and the settings file.
TEST(ApriFile, FileNonDiUnaPareteLasciaLaPareteAperta) {
    Progetto t;
    t.sessione.imp.SovrappMin = 3;
    ASSERT_TRUE(ScriviIni(t.sessione, t.finestra).Riuscito());
    t.sessione.imp.SovrappMin = 77;
    t.sessione.imp.SovrappMax = 88;
    const Parete prima = t.sessione.parete;
    const StoriaAnnulla storia = t.sessione.storia;
    CartellaTemporanea altrove;
    t.finestra.FileScelti = {altrove.Scrivi("STRUTTURA.SET",
                                            Contenuto(PercorsoFixture("NON_PARETE_VERSIONE_2.SET")))};

    const Esito esito = ApriFile(t.sessione, t.vista, t.finestra);
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_EQ(t.finestra.Messaggi().back(), "Il file non è di una parete.");
    EXPECT_EQ(t.sessione.parete, prima);
    EXPECT_EQ(t.sessione.storia, storia);
    EXPECT_TRUE(fs::exists(t.Istantanea()));
    EXPECT_FALSE(t.Evento("Titolo"));
    EXPECT_EQ(t.sessione.imp.SovrappMin, 3);
    EXPECT_EQ(t.sessione.imp.SovrappMax, Impostazioni{}.SovrappMax);
    EXPECT_EQ(t.sessione.stato.ErroreOperazione, 0);
    EXPECT_EQ(t.finestra.Eventi.back(), "AggiornaDopoModifica");
}

TEST(CaricaProgetto, UnaMagliaUnicaRestaTaleDopoUnRifiuto) {
    Progetto t;
    ASSERT_TRUE(CaricaProgetto(t.sessione, t.Copia("P6.SET", "MAGLIA_UNICA.SET"), t.vista,
                               t.finestra)
                    .Riuscito());
    t.sessione.parete.PiegaAncoraggio = 1;
    const Parete prima = t.sessione.parete;
    t.finestra.Eventi.clear();

    EXPECT_FALSE(CaricaProgetto(t.sessione, t.Copia("X.SET", "NON_PARETE_VERSIONE_2.SET"), t.vista,
                                t.finestra)
                     .Riuscito());
    EXPECT_EQ(t.sessione.parete, prima);
    EXPECT_TRUE(t.Evento("PulsantiLato nascosti"));
    EXPECT_EQ(std::count(t.finestra.Eventi.begin(), t.finestra.Eventi.end(),
                         "EtichettaMagliaUnica visibile"),
              1);
}

TEST(CaricaProgetto, RifiutoAllAvvioChiedeDiChiudere) {
    Progetto t;
    t.sessione.imp.SovrappMin = 77;
    const Parete prima = t.sessione.parete;
    const Esito esito = CaricaProgetto(t.sessione, t.Copia("X.SET", "NON_PARETE_VERSIONE_2.SET"),
                                       t.vista, t.finestra, Avvio::Si);
    EXPECT_EQ(esito.Codice, CodiceApertura::FineProgramma);
    EXPECT_EQ(esito.Motivo, "Il file non è di una parete.");
    EXPECT_EQ(t.sessione.parete, prima);
    EXPECT_EQ(t.sessione.imp.SovrappMin, 77);
}

TEST(CaricaProgetto, PercorsoVuotoNonApreNulla) {
    Progetto t;
    const Parete prima = t.sessione.parete;
    EXPECT_EQ(CaricaProgetto(t.sessione, "", t.vista, t.finestra).Codice, CodiceApertura::NessunFile);
    EXPECT_TRUE(t.finestra.Eventi.empty());
    EXPECT_EQ(t.sessione.parete, prima);
}

}  // namespace
