#include "model/FileIni.h"
#include "model/LimitiValori.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <locale>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        const std::size_t fine = testo.find("\r\n", inizio);
        if (fine == std::string::npos) {
            righe.push_back(testo.substr(inizio));
            break;
        }
        righe.push_back(testo.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    return righe;
}

std::string Unisci(const std::vector<std::string>& righe) {
    std::string testo;
    for (const auto& riga : righe) testo += riga + "\r\n";
    return testo;
}

// The default file with line n (1-based) replaced.
std::string FileDefaultCon(int n, const std::string& riga) {
    auto righe = Righe(TestoIni(Impostazioni{}, StatoInterfaccia{}));
    righe.at(n - 1) = riga;
    return Unisci(righe);
}

// Values that differ from every default the file holds.
void ValoriDiversi(Sessione& s) {
    Impostazioni& imp = s.imp;
    for (int i = 0; i < NumLayer; ++i) {
        imp.NomiLayer[i] = "STRATO_" + std::to_string(i) + " Ø";
        imp.ColoriLayer[i] = 200 + i;
        imp.ColoriSchermo[i] = Rgb(i, 2 * i, 255 - i);
    }
    imp.OsnapQuote = {0, 1, 0, 1, 0, 1, 0, 1, 0};
    imp.DiamMaxPiu = 30, imp.DiamMaxMeno = 26, imp.DiamMinPiu = 8, imp.DiamMinMeno = 10;
    imp.PassoMaxPiu = 40, imp.PassoMaxMeno = 35, imp.PassoMinPiu = 7, imp.PassoMinMeno = 9;
    imp.ModoProgetto = 1, imp.CoperturaMin = 75;
    imp.Riserva5 = 12.3456f, imp.Riserva6 = -3.25f;
    imp.Riserva4 = -2, imp.LarghezzaCordolo = 35.5f, imp.DiamReggistaffa = 16;
    imp.DiamStaffeCordolo = 10, imp.Riserva10 = 11;
    imp.Riserva11 = 31.0f, imp.PassoStaffeCordolo = 15.0f, imp.Riserva12 = 32.0f;
    imp.PassoMaxIntegrativa = 25.0f;
    imp.IndiceCls = 6, imp.IndiceAcciaio = 3, imp.SovrappMin = 25, imp.SovrappMax = 90;
    imp.LungMaxFerri = 1212.7f;
    imp.DecimaliQuote = 2, imp.QuoteInMetri = 1;
    imp.ScalaUnita = 20.0f, imp.ScalaMm = 4.0f;
    imp.Riserva30 = 19, imp.Riserva31 = 16.5f, imp.RiservaIni = 3;
    imp.ModoTolleranza = 0, imp.TolleranzaPerc = 1.234567f, imp.TolleranzaFissa = 0.05f;
    imp.DescrizioneCompleta = 1, imp.IconeGrandi = 1, imp.IndicaLato = 1;
    s.stato.StatoVista = 15;
    s.stato.VistaCorrente = 9999;
}

class FileIni : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    FinestraRegistrata finestra;
    Sessione sessione;

    void SetUp() override { sessione.imp.CartellaUtente = cartella.Percorso().string(); }

    std::string Percorso() const { return PercorsoIni(sessione.imp).string(); }
    void ScriviFile(const std::string& testo) const { cartella.Scrivi("Vorlex.ini", testo); }
    // The file written from the current values, read back into a fresh session.
    Sessione RiletturaSessione() {
        EXPECT_TRUE(ScriviIni(sessione, finestra).Riuscito());
        Sessione letta;
        letta.imp.CartellaUtente = sessione.imp.CartellaUtente;
        EXPECT_TRUE(LeggiIni(letta, finestra).Riuscito());
        return letta;
    }
};

TEST(TestoIni, RigheDelFileDiDefault) {
    const auto righe = Righe(TestoIni(Impostazioni{}, StatoInterfaccia{}));
    ASSERT_EQ(righe.size(), 99u);
    const std::vector<std::pair<int, std::string>> attese = {
        {1, " 7 "},
        {2, "ARM_INTEGR1"},
        {3, " 1 "},
        {4, " 255 "},
        {74, "PERIM_PILASTRI_SUP"},
        {75, " 2 "},
        {76, " 16711935 "},
        {77, " 1 "},
        {85, " 1 "},
        {86, " 28            28            6             6 "},
        {87, " 50            50            5             5 "},
        {88, " 0             60 "},
        {89, "50.000        50.000"},
        {90, " 12           30.000         14            8             10 "},
        {91, "30.000        20.000        30.000        30.000"},
        {92, " 4             4             20            104          600"},
        {93, " 1             0             0             0 "},
        {94, "10.000        1.000"},
        {95, " 18           15.000         0 "},
        {96, " 1            0.00000       0.00000"},
        {97, " 0 "},
        {98, " 0 "},
        {99, " 0 "},
    };
    for (const auto& [n, attesa] : attese) EXPECT_EQ(righe[n - 1], attesa) << "riga " << n;
}

TEST(TestoIni, OgniRigaFinisceConCrLf) {
    const std::string testo = TestoIni(Impostazioni{}, StatoInterfaccia{});
    EXPECT_EQ(testo.substr(testo.size() - 2), "\r\n");
    EXPECT_EQ(Righe(testo).size(), static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n')));
}

TEST_F(FileIni, RiletturaRestituisceOgniValoreArrotondatoAlFormato) {
    ValoriDiversi(sessione);
    const Sessione letta = RiletturaSessione();
    EXPECT_EQ(TestoIni(letta.imp, letta.stato), TestoIni(sessione.imp, sessione.stato));
    EXPECT_EQ(letta.imp.NomiLayer, sessione.imp.NomiLayer);
    EXPECT_EQ(letta.imp.ColoriLayer, sessione.imp.ColoriLayer);
    EXPECT_EQ(letta.imp.ColoriSchermo, sessione.imp.ColoriSchermo);
    EXPECT_EQ(letta.imp.NomiLayer[24], "STRATO_24 Ø") << "entry 24 is read, not derived";
    EXPECT_FLOAT_EQ(letta.imp.Riserva5, 12.346f);
    EXPECT_FLOAT_EQ(letta.imp.TolleranzaPerc, 1.23457f);
    EXPECT_FLOAT_EQ(letta.imp.LungMaxFerri, 1213.0f);
    EXPECT_EQ(letta.stato.StatoVista, 15);
    EXPECT_EQ(letta.stato.VistaCorrente, 9999);
    EXPECT_EQ(letta.imp.IndicaLato, 1);
    EXPECT_EQ(letta.imp.RiservaIni, 3);
    EXPECT_FLOAT_EQ(letta.imp.ScalaTestiDxf, 0.5f);
    EXPECT_FLOAT_EQ(letta.imp.ScalaDxf, 2.0f) << "the DXF dialog derives it, not the reader";
    EXPECT_TRUE(finestra.Messaggi().empty());
}

// The lengths at the edges of their range are written and read back as they are.
TEST_F(FileIni, LunghezzeAiBordiDellIntervalloRilette) {
    sessione.imp.LungMaxFerri = LunghezzaMassima;
    sessione.imp.LarghezzaCordolo = 0.0f;
    sessione.imp.PassoStaffeCordolo = LunghezzaMassima;
    sessione.imp.PassoMaxIntegrativa = 0.0f;
    const Sessione letta = RiletturaSessione();
    EXPECT_EQ(letta.imp.LungMaxFerri, LunghezzaMassima);
    EXPECT_EQ(letta.imp.LarghezzaCordolo, 0.0f);
    EXPECT_EQ(letta.imp.PassoStaffeCordolo, LunghezzaMassima);
    EXPECT_EQ(letta.imp.PassoMaxIntegrativa, 0.0f);
    EXPECT_TRUE(finestra.Messaggi().empty());
}

TEST_F(FileIni, CioCheIlFileNonContieneNonCambia) {
    ValoriDiversi(sessione);
    ASSERT_TRUE(ScriviIni(sessione, finestra).Riuscito());
    sessione.imp.LayerVisibili[22] = 1;
    sessione.imp.LayerDxf[3] = 0;
    sessione.imp.CopriferroCordolo = 3.0f;
    sessione.imp.PassoGrigliaX = 5;
    ASSERT_TRUE(LeggiIni(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.imp.LayerVisibili[22], 1) << "screen flags are the dialog's, not the file's";
    EXPECT_EQ(sessione.imp.LayerDxf[3], 1) << "the defaults set the DXF flags";
    EXPECT_FLOAT_EQ(sessione.imp.CopriferroCordolo, 6.0f);
    EXPECT_EQ(sessione.imp.PassoGrigliaX, 10);
}

TEST_F(FileIni, NumeriColPuntoConLaLinguaItaliana) {
    const std::string prima = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "it_IT.utf8") == nullptr) GTEST_SKIP() << "locale it_IT.utf8 assente";
    const std::locale globale = std::locale::global(std::locale("it_IT.utf8"));
    ValoriDiversi(sessione);
    const Sessione letta = RiletturaSessione();
    std::locale::global(globale);
    std::setlocale(LC_ALL, prima.c_str());
    const auto righe = Righe(Contenuto(Percorso()));
    EXPECT_EQ(righe.at(93), "20.000        4.000");
    EXPECT_FLOAT_EQ(letta.imp.Riserva5, 12.346f);
}

TEST_F(FileIni, IndiceColoreZeroSiLeggeSette) {
    auto righe = Righe(TestoIni(Impostazioni{}, StatoInterfaccia{}));
    righe.at(2 + 3 * 5) = " 0 ";  // colour index of layer 5
    ScriviFile(Unisci(righe));
    ASSERT_TRUE(LeggiIni(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.imp.ColoriLayer[5], 7);
}

TEST_F(FileIni, SenzaFileValgonoIDefault) {
    ValoriDiversi(sessione);
    ASSERT_TRUE(LeggiIni(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.imp.ColoriLayer[0], 1);
    EXPECT_EQ(sessione.stato.StatoVista, 0);
    EXPECT_EQ(sessione.imp.NomiLayer[0], "ARM_INTEGR1");
    EXPECT_EQ(sessione.imp.DiamMaxPiu, 28);
    EXPECT_TRUE(finestra.Messaggi().empty());
}

TEST_F(FileIni, VersionePiuRecenteLasciaIDefaultInSilenzio) {
    ValoriDiversi(sessione);
    ScriviFile(" 8 \r\nNUOVO\r\n");
    EXPECT_TRUE(LeggiIni(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.imp.NomiLayer[0], "ARM_INTEGR1");
    EXPECT_EQ(sessione.stato.VistaCorrente, 0);
    EXPECT_TRUE(finestra.Messaggi().empty());
}

// Each version adds one line; a file of version v holds lines 1 to 92 + v.
struct CasoVersione {
    const char* nome;
    int versione;
};

// A failing row names itself in the test output.
void PrintTo(const CasoVersione& c, std::ostream* os) { *os << c.nome; }

class VersioniIni : public FileIni, public ::testing::WithParamInterface<CasoVersione> {};

TEST_P(VersioniIni, LeRigheMancantiTengonoIlDefault) {
    const int v = GetParam().versione;
    ValoriDiversi(sessione);
    auto righe = Righe(TestoIni(sessione.imp, sessione.stato));
    righe.resize(92 + v);
    righe[0] = " " + std::to_string(v) + " ";
    ScriviFile(Unisci(righe));

    Sessione letta;
    letta.imp.CartellaUtente = sessione.imp.CartellaUtente;
    letta.imp.DescrizioneCompleta = 1;  // not a default: an older file leaves it
    letta.imp.IndicaLato = 1;           // an older file turns it off
    ASSERT_TRUE(LeggiIni(letta, finestra).Riuscito());
    const Impostazioni def;

    EXPECT_EQ(letta.imp.DiamMaxPiu, 30);
    EXPECT_EQ(letta.stato.VistaCorrente, 9999);
    EXPECT_FLOAT_EQ(letta.imp.ScalaUnita, v >= 2 ? 20.0f : def.ScalaUnita);
    EXPECT_FLOAT_EQ(letta.imp.ScalaTestiDxf, v >= 2 ? 0.5f : 1.0f);
    EXPECT_FLOAT_EQ(letta.imp.Riserva31, v >= 3 ? 16.5f : def.Riserva31);
    EXPECT_EQ(letta.imp.RiservaIni, v >= 3 ? 3 : def.RiservaIni);
    EXPECT_FLOAT_EQ(letta.imp.TolleranzaFissa, v >= 4 ? 0.05f : def.TolleranzaFissa);
    EXPECT_EQ(letta.imp.ModoTolleranza, v >= 4 ? 0 : def.ModoTolleranza);
    EXPECT_EQ(letta.imp.DescrizioneCompleta, 1);
    EXPECT_EQ(letta.imp.IconeGrandi, v >= 6 ? 1 : 0);
    EXPECT_EQ(letta.imp.IndicaLato, v >= 7 ? 1 : 0);
    EXPECT_TRUE(finestra.Messaggi().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Versioni, VersioniIni,
    ::testing::Values(CasoVersione{.nome = "V1", .versione = 1}, CasoVersione{.nome = "V2", .versione = 2},
                      CasoVersione{.nome = "V3", .versione = 3}, CasoVersione{.nome = "V4", .versione = 4},
                      CasoVersione{.nome = "V5", .versione = 5}, CasoVersione{.nome = "V6", .versione = 6},
                      CasoVersione{.nome = "V7", .versione = 7}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(FileIni, Versione4LasciaLaDescrizioneCompletaComEra) {
    auto righe = Righe(TestoIni(Impostazioni{}, StatoInterfaccia{}));
    righe.resize(96);
    righe[0] = " 4 ";
    ScriviFile(Unisci(righe));
    sessione.imp.DescrizioneCompleta = 1;
    ASSERT_TRUE(LeggiIni(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.imp.DescrizioneCompleta, 1);
}

// A damaged file: the full defaults and one warning naming the file and the fault.
struct CasoGuasto {
    const char* nome;
    std::string testo;
    const char* motivo;
};

// A failing row names itself in the test output.
void PrintTo(const CasoGuasto& c, std::ostream* os) { *os << c.nome; }

class GuastiIni : public FileIni, public ::testing::WithParamInterface<CasoGuasto> {};

TEST_P(GuastiIni, DefaultCompletiEUnAvviso) {
    ValoriDiversi(sessione);
    ScriviFile(GetParam().testo);
    const Esito esito = LeggiIni(sessione, finestra);
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_EQ(TestoIni(sessione.imp, sessione.stato), TestoIni(Impostazioni{}, StatoInterfaccia{}));
    EXPECT_EQ(sessione.imp.DescrizioneCompleta, 0);
    EXPECT_EQ(sessione.imp.IndicaLato, 0);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    const std::string avviso = finestra.Messaggi()[0];
    EXPECT_NE(avviso.find(Percorso()), std::string::npos) << avviso;
    EXPECT_NE(avviso.find(GetParam().motivo), std::string::npos) << avviso;
    EXPECT_EQ(finestra.Eventi.back().rfind("Messaggio[Attenzione!|esclamazione]", 0), 0u);
}

std::string FileTroncato(int righe) {
    auto tutte = Righe(TestoIni(Impostazioni{}, StatoInterfaccia{}));
    tutte.resize(righe);
    return Unisci(tutte);
}

INSTANTIATE_TEST_SUITE_P(
    Guasti, GuastiIni,
    ::testing::Values(
        CasoGuasto{.nome = "FileVuoto", .testo = "", .motivo = "termina prima"},
        CasoGuasto{.nome = "TroncatoNellaTabellaLayer", .testo = FileTroncato(50),
                   .motivo = "termina prima"},
        CasoGuasto{.nome = "TroncatoPrimaDelleRigheDellaVersione", .testo = FileTroncato(97),
                   .motivo = "termina prima"},
        CasoGuasto{.nome = "TestoAlPostoDellaVersione", .testo = "sette\r\n",
                   .motivo = "\"sette\" non è un numero valido"},
        CasoGuasto{.nome = "TestoAlPostoDiUnDiametro", .testo = FileDefaultCon(86, " 28 abc"),
                   .motivo = "\"abc\" non è un numero valido"},
        CasoGuasto{.nome = "NumeroOltre16Bit", .testo = FileDefaultCon(88, " 0 70000"),
                   .motivo = "fuori dall'intervallo ammesso"},
        CasoGuasto{.nome = "ScalaMmZero", .testo = FileDefaultCon(94, "10.000 0.000"),
                   .motivo = "scala di stampa DXF"},
        CasoGuasto{.nome = "ScalaUnitaNegativa", .testo = FileDefaultCon(94, "-10.000 1.000"),
                   .motivo = "scala di stampa DXF"},
        CasoGuasto{.nome = "IndiceColoreOltre255", .testo = FileDefaultCon(3, " 256 "),
                   .motivo = "il layer ARM_INTEGR1 ha l'indice di colore 256"},
        CasoGuasto{.nome = "IndiceColoreNegativo", .testo = FileDefaultCon(6, "-1 "),
                   .motivo = "indice di colore -1"},
        CasoGuasto{.nome = "ColoreVideoNonRgb", .testo = FileDefaultCon(4, " 16777216 "),
                   .motivo = "colore video 16777216"},
        CasoGuasto{.nome = "VersioneZero", .testo = FileDefaultCon(1, " 0 "),
                   .motivo = "versione 0"},
        CasoGuasto{.nome = "StatoVistaInesistente", .testo = FileDefaultCon(93, " 1 0 18 0"),
                   .motivo = "stato di visualizzazione 18"},
        CasoGuasto{.nome = "VistaInesistente", .testo = FileDefaultCon(93, " 1 0 0 6"),
                   .motivo = "la vista 6"},
        // A bar split into pieces of 0.001 cm would never end.
        CasoGuasto{.nome = "LungMaxFerriOltreIlMassimo",
                   .testo = FileDefaultCon(92, " 4 4 20 104 1e9"),
                   .motivo = "Riga 92: lunghezza massima dei ferri: 1e+09 non è ammesso "
                             "(da 0 a 100000 cm)."},
        CasoGuasto{.nome = "LungMaxFerriNegativa",
                   .testo = FileDefaultCon(92, " 4 4 20 104 -600"),
                   .motivo = "Riga 92: lunghezza massima dei ferri: -600 non è ammesso"},
        CasoGuasto{.nome = "LarghezzaDelCordoloOltreIlMassimo",
                   .testo = FileDefaultCon(90, " 12 100000.5 14 8 10"),
                   .motivo = "Riga 90: larghezza del cordolo: 100000.5 non è ammesso"},
        CasoGuasto{.nome = "PassoDelleStaffeNegativo",
                   .testo = FileDefaultCon(91, "30.000 -20.000 30.000 30.000"),
                   .motivo = "Riga 91: passo delle staffe del cordolo: -20 non è ammesso"},
        CasoGuasto{.nome = "PassoMassimoIntegrativaOltreIlMassimo",
                   .testo = FileDefaultCon(91, "30.000 20.000 30.000 3e38"),
                   .motivo = "Riga 91: passo massimo dell'armatura integrativa: 3e+38 non è "
                             "ammesso"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(FileIni, ScritturaInCartellaMancanteLoDiceEResta) {
    sessione.imp.CartellaUtente = (cartella.Percorso() / "manca").string();
    const Esito esito = ScriviIni(sessione, finestra);
    EXPECT_FALSE(esito.Riuscito());
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_NE(finestra.Messaggi()[0].find("Impossibile scrivere il file"), std::string::npos);
    EXPECT_FALSE(fs::exists(PercorsoIni(sessione.imp)));
}

TEST_F(FileIni, NomeDiLayerConACapoNonSiScrive) {
    ASSERT_TRUE(ScriviIni(sessione, finestra).Riuscito());
    const std::string prima = Contenuto(Percorso());
    sessione.imp.NomiLayer[3] = "DUE\nRIGHE";
    EXPECT_FALSE(ScriviIni(sessione, finestra).Riuscito());
    EXPECT_EQ(Contenuto(Percorso()), prima);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_NE(finestra.Messaggi()[0].find("a capo"), std::string::npos);
}

TEST_F(FileIni, IlFileScrittoContieneIlTestoDeiValori) {
    ValoriDiversi(sessione);
    ASSERT_TRUE(ScriviIni(sessione, finestra).Riuscito());
    EXPECT_EQ(Contenuto(Percorso()), TestoIni(sessione.imp, sessione.stato));
    EXPECT_EQ(Percorso(), (cartella.Percorso() / "Vorlex.ini").string());
}

}  // namespace
