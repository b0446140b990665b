#include "design/SalvaParete.h"

#include "design/LeggiParete.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string TestaCopertura =
    "VERSIONE 1\r\nKORVANE\r\n5 0 Parete e tipo\r\n4 Vertici contorno\r\n0 0 Vertice\r\n"
    "0 300 Vertice\r\n500 300 Vertice\r\n500 0 Vertice\r\n0 Fine aperture\r\n"
    "20 3 Spessore copriferro\r\n90 25 12 12 Direzione 1\r\n0 20 10 12 Direzione 2\r\n"
    "0 Lato meno uguale\r\n10 Nodi\r\n101 50 75 1 1 4.5 3.9 Nodo\r\n"
    "102 150 75 1 1 4.5 5.0 Nodo\r\n103 250 75 1 1 6.0 5.0 Nodo\r\n"
    "104 350 75 1 1 6.0 5.0 Nodo\r\n105 450 75 1 1 6.0 5.0 Nodo\r\n"
    "106 50 225 1 1 6.0 5.0 Nodo\r\n107 150 225 1 1 6.0 5.0 Nodo\r\n"
    "108 250 225 1 1 6.0 5.0 Nodo\r\n109 350 225 1 1 6.0 5.0 Nodo\r\n"
    "110 450 225 1 1 6.0 5.0 Nodo\r\n0 0 0 0 0 Dati lati\r\n0 Fine\r\n";

// Distributed layers of the fixture: 12 mm every 25 cm in direction 1 and
// 10 mm every 20 cm in direction 2 on both faces; nothing else covers a node.
std::string RigaNodo(const std::string& id, const std::string& x, const std::string& y) {
    auto zona = [](std::string v) { return v.append(14 - v.size(), ' '); };
    return zona(" " + id + " ") + zona(x) + zona(y) +
           "4.523893      3.926991      4.523893      3.926991      <ret_armature>\r\n";
}

const std::string BloccoCopertura =
    "VERIFICA\r\n 10 \r\n" + RigaNodo("101", "50.000000", "75.000000") +
    RigaNodo("102", "150.000000", "75.000000") + RigaNodo("103", "250.000000", "75.000000") +
    RigaNodo("104", "350.000000", "75.000000") + RigaNodo("105", "450.000000", "75.000000") +
    RigaNodo("106", "50.000000", "225.000000") + RigaNodo("107", "150.000000", "225.000000") +
    RigaNodo("108", "250.000000", "225.000000") + RigaNodo("109", "350.000000", "225.000000") +
    RigaNodo("110", "450.000000", "225.000000");

// A wall file of the fixture with what the analysis program appends after it.
class PareteSalvata {
public:
    explicit PareteSalvata(const std::string& coda, const std::string& fixture = "COPERTURA.SET") {
        Parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture(fixture)) + coda);
        Armature = (cartella.Percorso() / "P5.ARS").string();
        // An old date, so that a date left over from the load would show.
        fs::last_write_time(Parete, fs::last_write_time(Parete) - std::chrono::hours(48));
        EXPECT_TRUE(LeggiParete(sessione, Parete, finestra).Riuscito());
        sessione.parete.FileCorrente = Parete;
        sessione.parete.CartellaLavoro = cartella.Percorso().string();
    }

    Esito Salva() { return SalvaParete(sessione, Parete, finestra); }

    CartellaTemporanea cartella;
    std::string Parete;
    std::string Armature;
    Sessione sessione;
    FinestraRegistrata finestra;
};

int Domande(const FinestraRegistrata& f) {
    return static_cast<int>(std::count_if(f.Eventi.begin(), f.Eventi.end(), [](const std::string& e) {
        return e.rfind("Domanda[", 0) == 0;
    }));
}

struct CasoTesta {
    const char* nome;
    std::string coda;  // lines after the fixture's own
    std::string attesa;  // lines after the fixture's own in the saved file
};

// A failing row names itself in the test output.
void PrintTo(const CasoTesta& c, std::ostream* os) { *os << c.nome; }

class TestaDelFile : public testing::TestWithParam<CasoTesta> {};

TEST_P(TestaDelFile, CopiaFinoAlBloccoDeiRisultati) {
    PareteSalvata t(GetParam().coda);
    ASSERT_TRUE(t.Salva().Riuscito());
    EXPECT_EQ(Contenuto(t.Parete), TestaCopertura + GetParam().attesa);
}

INSTANTIATE_TEST_SUITE_P(
    Salvataggio, TestaDelFile,
    testing::Values(
        CasoTesta{.nome = "ProgettoESezioniSeguenti",
                  .coda = "PROGETTO\r\n1 2 3\r\nALTRA SEZIONE\n4 5\r\n",
                  .attesa = BloccoCopertura},
        CasoTesta{.nome = "VerificaMinuscolaTraSpazi",
                  .coda = "riga copiata\r\n   verifica  \r\nvecchio blocco\r\n",
                  .attesa = "riga copiata\r\n" + BloccoCopertura},
        CasoTesta{.nome = "RigheConSoloLFDiventanoCRLF",
                  .coda = "riga copiata\nPROGETTO\n",
                  .attesa = "riga copiata\r\n" + BloccoCopertura},
        CasoTesta{.nome = "ProgettoDentroUnaRigaNonConta",
                  .coda = "PROGETTO 2\r\nPROGETTO\r\n",
                  .attesa = "PROGETTO 2\r\n" + BloccoCopertura},
        CasoTesta{.nome = "SenzaSezioneCopiaTuttoSenzaBlocco",
                  .coda = "ultima riga",
                  .attesa = "ultima riga\r\n"}),
    [](const testing::TestParamInfo<CasoTesta>& info) { return info.param.nome; });

TEST(SalvaParete, UnSecondoSalvataggioSostituisceIlBlocco) {
    PareteSalvata t("PROGETTO\r\n");
    ASSERT_TRUE(t.Salva().Riuscito());
    t.sessione.parete.DiamDir1Piu = 14;  // 6.157522 cm2/m every 25 cm
    ASSERT_TRUE(t.Salva().Riuscito());
    const std::string salvato = Contenuto(t.Parete);
    EXPECT_EQ(salvato.find("VERIFICA"), salvato.rfind("VERIFICA"));
    EXPECT_EQ(salvato.substr(0, TestaCopertura.size()), TestaCopertura);
    // The areas of the block are those of the design at the time of the save.
    EXPECT_NE(salvato.find("3.926991      6.157522      3.926991      <ret_armature>"),
              std::string::npos);
}

TEST(SalvaParete, PareteSenzaNodiHaBloccoVuoto) {
    PareteSalvata t("PROGETTO\r\n", "SENZA_NODI.SET");
    ASSERT_TRUE(t.Salva().Riuscito());
    const std::string salvato = Contenuto(t.Parete);
    EXPECT_TRUE(salvato.ends_with("0 Fine\r\nVERIFICA\r\n 0 \r\n")) << salvato;
}

TEST(SalvaParete, MagliaUnicaScrive0000PerIlLatoPiu) {
    PareteSalvata t("PROGETTO\r\n", "MAGLIA_UNICA.SET");
    ASSERT_NE(t.sessione.parete.MagliaUnica, 0);
    ASSERT_TRUE(t.Salva().Riuscito());
    const std::string salvato = Contenuto(t.Parete);
    EXPECT_NE(salvato.find("\r\n 101          50.000000     75.000000     4.523893      "
                           "3.926991      0.000         0.000         <ret_armature>\r\n"),
              std::string::npos)
        << salvato;
}

TEST(SalvaParete, FileArmatureConLaDataNuovaDellaParete) {
    PareteSalvata t("PROGETTO\r\n");
    const std::string dataCaricata = t.sessione.parete.DataFileSet;
    ASSERT_TRUE(t.Salva().Riuscito());
    const std::string nuova = DataModificaFile(t.Parete);
    EXPECT_NE(nuova, dataCaricata);
    EXPECT_EQ(t.sessione.parete.DataFileSet, nuova);
    EXPECT_EQ(Contenuto(t.Armature), TestoArmature(t.sessione.parete));
    EXPECT_NE(Contenuto(t.Armature).find("\r\n" + nuova + "\r\n"), std::string::npos);
}

TEST(SalvaParete, RiaprireSubitoDopoNonChiedeNulla) {
    PareteSalvata t("PROGETTO\r\n");
    t.sessione.parete.DiamDir2Meno = 16;
    ASSERT_TRUE(t.Salva().Riuscito());

    Sessione riaperta;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(riaperta, t.Parete, finestra).Riuscito());
    EXPECT_EQ(Domande(finestra), 0);
    EXPECT_EQ(riaperta.parete.DiamDir2Meno, 16);
    EXPECT_TRUE(riaperta.stato.ArmatureNonCaricate.empty());
}

TEST(SalvaParete, SenzaPareteNonFaNulla) {
    Sessione sessione;
    FinestraRegistrata finestra;
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("P5.SET", TestaCopertura);
    const Esito esito = SalvaParete(sessione, parete, finestra);
    EXPECT_EQ(esito.Codice, CodiceSalvataggio::NessunaParete);
    EXPECT_TRUE(finestra.Eventi.empty());
    EXPECT_EQ(Contenuto(parete), TestaCopertura);
    EXPECT_FALSE(fs::exists(cartella.Percorso() / "P5.ARS"));
}

// Whatever makes a save fail leaves both files as they were, byte for byte
// and date for date, and the model's date of the wall file.
class SalvataggioFallito {
public:
    SalvataggioFallito() {
        armatureVecchie = TestoArmature(t.sessione.parete);
        t.cartella.Scrivi("P5.ARS", armatureVecchie);
        // Opened again, now with both files.
        EXPECT_TRUE(LeggiParete(t.sessione, t.Parete, t.finestra).Riuscito());
        pareteVecchia = Contenuto(t.Parete);
        dataParete = fs::last_write_time(t.Parete);
        dataModello = t.sessione.parete.DataFileSet;
    }

    void VerificaIntatti() {
        EXPECT_EQ(Contenuto(t.Parete), pareteVecchia);
        EXPECT_EQ(fs::last_write_time(t.Parete), dataParete);
        if (fs::is_regular_file(t.Armature)) {
            EXPECT_EQ(Contenuto(t.Armature), armatureVecchie);
        }
        EXPECT_EQ(t.sessione.parete.DataFileSet, dataModello);
        EXPECT_FALSE(t.finestra.Messaggi().empty());
        for (const auto& voce : fs::directory_iterator(t.cartella.Percorso()))
            EXPECT_TRUE(voce.path().filename() == "P5.SET" || voce.path().filename() == "P5.ARS")
                << voce.path();
    }

    PareteSalvata t{"PROGETTO\r\n"};
    std::string armatureVecchie;
    std::string pareteVecchia;
    fs::file_time_type dataParete;
    std::string dataModello;
};

TEST(SalvaParete, CartellaInSolaLetturaLasciaIFileComeErano) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    SalvataggioFallito f;
    fs::permissions(f.t.cartella.Percorso(), fs::perms::owner_write, fs::perm_options::remove);
    const Esito esito = f.t.Salva();
    fs::permissions(f.t.cartella.Percorso(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(esito.Riuscito());
    f.VerificaIntatti();
}

TEST(SalvaParete, FileArmatureNonSostituibileRiportaIndietroLaParete) {
    SalvataggioFallito f;
    fs::remove(f.t.Armature);
    fs::create_directory(f.t.Armature);
    f.t.finestra.RisposteDomande = {true};  // replace what is no longer the file opened
    const Esito esito = f.t.Salva();
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_TRUE(fs::is_directory(f.t.Armature));
    f.VerificaIntatti();
}

TEST(SalvaParete, FileArmatureNonCaricatoSiSostituisceSoloSeLUtenteVuole) {
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
    const std::string recente = "VERSIONE  8\r\nqualcosa di nuovo\r\n";
    const std::string armature = cartella.Scrivi("P5.ARS", recente);
    Sessione sessione;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(sessione, parete, finestra).Riuscito());
    ASSERT_EQ(sessione.stato.ArmatureNonCaricate, armature);
    const std::string pareteVecchia = Contenuto(parete);

    finestra.RisposteDomande = {false};
    const Esito rifiutato = SalvaParete(sessione, parete, finestra);
    EXPECT_EQ(rifiutato.Codice, CodiceSalvataggio::Rinuncia);
    EXPECT_EQ(Domande(finestra), 1);
    EXPECT_EQ(finestra.Messaggi().back(), "Salvataggio annullato: nessun file è stato scritto.");
    EXPECT_EQ(Contenuto(armature), recente);
    EXPECT_EQ(Contenuto(parete), pareteVecchia);

    finestra.RisposteDomande = {true};
    ASSERT_TRUE(SalvaParete(sessione, parete, finestra).Riuscito());
    EXPECT_EQ(Contenuto(armature), TestoArmature(sessione.parete));
    EXPECT_TRUE(sessione.stato.ArmatureNonCaricate.empty());
    ASSERT_TRUE(SalvaParete(sessione, parete, finestra).Riuscito());
    EXPECT_EQ(Domande(finestra), 2);  // the design is the user's own now
}

TEST(SalvaParete, PareteSenzaEstensioneSetRifiutata) {
    PareteSalvata t("PROGETTO\r\n");
    const std::string altro = t.cartella.Scrivi("P5.TXT", Contenuto(t.Parete));
    const Esito esito = SalvaParete(t.sessione, altro, t.finestra);
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_EQ(Contenuto(altro), Contenuto(t.Parete));
    EXPECT_FALSE(t.finestra.Messaggi().empty());
}

}  // namespace
