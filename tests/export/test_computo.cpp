#include "export/Computo.h"
#include "export/ComputoDocumento.h"
#include "export/ComputoFile.h"
#include "export/ComputoQuantita.h"
#include "export/NomeEsportazione.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include "Fixture.h"
#include "FinestraRegistrata.h"
#include "LottoComputo.h"
#include "PareteComputo.h"
#include "PareteDiProva.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <regex>
#include <span>
#include <string>
#include <vector>

namespace {

std::string Documento(const Parete& p) {
    DocumentoComputo doc = IniziaComputo();
    CopuRTF(p, doc);
    return ChiudiComputo(std::move(doc));
}

int Conta(const std::string& testo, const std::string& cosa) {
    int n = 0;
    for (auto i = testo.find(cosa); i != std::string::npos; i = testo.find(cosa, i + 1)) ++n;
    return n;
}

std::vector<float> Numeri(const std::string& testo, const std::string& prima) {
    std::vector<float> v;
    const std::regex r(prima + " = ([0-9.]+)");
    for (auto it = std::sregex_iterator(testo.begin(), testo.end(), r); it != std::sregex_iterator(); ++it)
        v.push_back(std::stof((*it)[1]));
    return v;
}

}  // namespace

TEST(ComputoQuantita, StaffeContateVersoIlBassoELunghezzaConVentiDiametri) {
    const Parete p = PareteComputo(0);
    EXPECT_EQ(Staffe(p.Posizioni[3], p).Numero, 25);
    EXPECT_EQ(Staffe(p.Posizioni[4], p).Numero, 16);  // 500 / 30 = 16.67
    EXPECT_FLOAT_EQ(Staffe(p.Posizioni[3], p).Lunghezza, 100.0f);
    EXPECT_NEAR(Staffe(p.Posizioni[3], p).Peso, 9.8646f, 1e-3f);
}

TEST(ComputoQuantita, PassoNulloNonDaStaffeInveceDiDividerePerZero) {
    Parete p = PareteComputo(0);
    p.Posizioni[3].Passo = 0.0f;
    EXPECT_EQ(Staffe(p.Posizioni[3], p), (StaffeCordolo{.Numero = 0, .Lunghezza = 100.0f, .Peso = 0.0f}));
}

TEST(ComputoQuantita, AreaNettaEVolumeQualunqueSiaIlVersoDeiPoligoni) {
    Parete p = PareteComputo(0);
    EXPECT_FLOAT_EQ(AreaNetta(p), 10.0f);
    EXPECT_FLOAT_EQ(VolumeCalcestruzzo(p), 2.0f);
    Parete antiorario = PareteRettangolare(400, 300);
    std::reverse(antiorario.PerimetroEsterno.begin(), antiorario.PerimetroEsterno.end());
    AggiungiApertura(antiorario, {{100, 50}, {200, 50}, {200, 250}, {100, 250}});
    antiorario.SpessoreParete = 20.0f;
    EXPECT_FLOAT_EQ(VolumeCalcestruzzo(antiorario), 2.0f);
}

TEST(ComputoQuantita, IncidenzaSenzaVolumeNonDisponibile) {
    EXPECT_EQ(RigaIncidenza(168.0f, 2.0f), "Incidenza = 84.0 kg/mc\\par ");
    EXPECT_EQ(RigaIncidenza(168.0f, 0.0f), "Incidenza = n.d.\\par ");
    EXPECT_EQ(RigaIncidenza(0.0f, 0.0f), "Incidenza = n.d.\\par ");
}

TEST(ComputoDocumento, RigheDiStaffeECorrentiComeLeColonneDocumentate) {
    const std::string t = Documento(PareteComputo(0));
    EXPECT_NE(t.find("\\intbl  4\\cell  25 \\cell  St. \u00d8 8\\cell  100.0\\cell  2500.0\\cell  9.9\\cell\\row "),
              std::string::npos);
    EXPECT_NE(t.find("\\intbl  5)\\cell  4 \\cell  \u00d8 12\\cell  500.0\\cell  2000.0\\cell  17.8\\cell\\row "),
              std::string::npos);
    EXPECT_NE(t.find("\\intbl  2\\cell  lato -\\cell   2\\cell  \u00d8 16\\cell  25.0\\cell  600.0\\cell  9.5\\cell\\row "),
              std::string::npos);
    EXPECT_NE(t.find("\\plain\\f3\\fs24\\cf0\\b Parete in c.a. n. 7\\par "), std::string::npos);
}

TEST(ComputoDocumento, OgniRigaChiudeLUltimaCellaEOgniTabellaTornaGiustificata) {
    const std::string t = Documento(PareteComputo(0));
    EXPECT_EQ(Conta(t, "\\row "), 5 + 4 + 3 + 3);
    EXPECT_EQ(Conta(t, "\\cell\\row "), Conta(t, "\\row "));
    EXPECT_EQ(Conta(t, "\\pard"), 4);
    EXPECT_EQ(Conta(t, "\\pard\\qj\\fs20 "), 4);
    EXPECT_EQ(Conta(t, "\\trowd"), 4);
    EXPECT_EQ(t.substr(t.size() - 6), "\\par }");
}

TEST(ComputoDocumento, TotaliDellaPareteConVolumeEIncidenza) {
    const std::string t = Documento(PareteComputo(0));
    EXPECT_NE(t.find("\\par Peso totale dei ferri = 168.0 kg\\par Volume calcestruzzo = 2.0 mc\\par "
                     "Incidenza = 84.0 kg/mc\\par "),
              std::string::npos);
}

TEST(ComputoDocumento, MagliaUnicaSenzaLatoPiuNeColonnaLato) {
    const std::string t = Documento(PareteComputo(-1));
    EXPECT_EQ(t.find("lato +"), std::string::npos);
    EXPECT_EQ(t.find("Lato"), std::string::npos);
    EXPECT_NE(t.find("\\intbl  2\\cell   2\\cell  \u00d8 16\\cell  25.0\\cell  600.0\\cell  9.5\\cell\\row "),
              std::string::npos);
    EXPECT_NE(t.find("Peso totale dei ferri = 135.2 kg"), std::string::npos);
}

TEST(ComputoDocumento, SoloArmatureATaglioDannoLaTabellaConLaSolaIntestazione) {
    Parete p = PareteComputo(0);
    p.Posizioni = {p.Posizioni[5]};
    p.UltPosizione = 0;
    const std::string t = Documento(p);
    EXPECT_NE(t.find("\\par Armatura integrativa:\\par "), std::string::npos);
    EXPECT_EQ(Conta(t, "\\row "), 5 + 1);
    EXPECT_EQ(t.find("Cordoli"), std::string::npos);
}

TEST(ComputoDocumento, SpessoreNulloDaIncidenzaNonDisponibile) {
    Parete p = PareteComputo(0);
    p.SpessoreParete = 0.0f;
    const std::string t = Documento(p);
    EXPECT_NE(t.find("Volume calcestruzzo = 0.0 mc\\par Incidenza = n.d.\\par "), std::string::npos);
}

namespace {

struct CasoNome {
    const char* nome;
    const char* parete;
    const char* estensione;
    const char* proposto;
};

// A failing row names itself in the test output.
void PrintTo(const CasoNome& c, std::ostream* os) { *os << c.nome; }

const CasoNome CasiNome[] = {
    {.nome = "ComputoAccanto", .parete = "/dati/P1.SET", .estensione = "rtf",
     .proposto = "/dati/P1.rtf"},
    {.nome = "DisegnoAccanto", .parete = "/dati/P1.set", .estensione = "DXF",
     .proposto = "/dati/P1.DXF"},
    {.nome = "SoloLUltimaEstensione", .parete = "/dati/A.B.SET", .estensione = "rtf",
     .proposto = "/dati/A.B.rtf"},
    {.nome = "CartellaConPunto", .parete = "/da.ti/PARETE.SET", .estensione = "DXF",
     .proposto = "/da.ti/PARETE.DXF"},
    {.nome = "NessunaParete", .parete = "", .estensione = "rtf", .proposto = ""},
    {.nome = "Anonimo", .parete = "Anonimo", .estensione = "DXF", .proposto = ""},
};

class NomeEsportazione : public testing::TestWithParam<CasoNome> {};

TEST_P(NomeEsportazione, LaCartellaEIlNomeDellaParete) {
    EXPECT_EQ(FileEsportazioneDaParete(GetParam().parete, GetParam().estensione),
              GetParam().proposto);
}

INSTANTIATE_TEST_SUITE_P(Casi, NomeEsportazione, testing::ValuesIn(CasiNome),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

TEST(ComputoFile, SenzaParetiSiProponeComputoParete) {
    EXPECT_EQ(NomeComputoProposto(""), "ComputoParete.rtf");
    EXPECT_EQ(NomeComputoProposto("/d/PARETI.rtf"), "/d/PARETI.rtf");
}

TEST(ComputoFile, SalvatoInWindows1252) {
    CartellaTemporanea cartella;
    const auto file = cartella.Percorso() / "c.rtf";
    const std::string testo = Documento(PareteComputo(0));
    ASSERT_TRUE(SalvaComputo(file, testo).Riuscito());
    const std::string byte = Contenuto(file.string());
    EXPECT_NE(byte.find("\\cell  \xD8 12\\cell"), std::string::npos);
    EXPECT_EQ(byte.find("\xC3\x98"), std::string::npos);
    EXPECT_EQ(byte.size(), testo.size() - static_cast<std::size_t>(Conta(testo, "\u00d8")));
}

TEST(ComputoFile, SalvataggioFallitoLoDiceENonScriveNulla) {
    CartellaTemporanea cartella;
    const auto file = cartella.Percorso() / "manca" / "c.rtf";
    const Esito esito = SalvaComputo(file, "{\\rtf1 x}");
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_NE(esito.Motivo.find("c.rtf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(cartella.Percorso() / "manca"));
}

TEST(ComputoLotto, PareteRifiutataSaltataDopoIlMessaggioERiepilogoDellePareteComputate) {
    CartellaTemporanea cartella;
    const std::vector<std::string> lotto = LottoComputo(cartella);
    Impostazioni imp;
    ValoriDefault(imp);
    FinestraRegistrata finestra;
    const std::string t = ComputoPareti(lotto, imp, finestra);

    const std::vector<std::string> messaggi = finestra.Messaggi();
    EXPECT_EQ(std::count(messaggi.begin(), messaggi.end(), "Il file non \u00e8 di una parete."), 1);
    EXPECT_EQ(Conta(t, "Parete in c.a. n."), 2);
    EXPECT_NE(t.find("Pareti c.a. computate:  2\\par "), std::string::npos);
    // The ring beam's length is measured again: the reinforcement file does not keep it.
    EXPECT_NE(t.find("\\cell  25 \\cell  St. \u00d8 8\\cell  100.0\\cell  2500.0\\cell"), std::string::npos);
    const std::vector<float> pesi = Numeri(t, "Peso totale dei ferri");
    const std::vector<float> volumi = Numeri(t, "Volume calcestruzzo");
    ASSERT_EQ(pesi.size(), 3u);
    ASSERT_EQ(volumi.size(), 3u);
    EXPECT_GT(pesi[0], 0.0f);
    EXPECT_GT(pesi[1], 0.0f);
    EXPECT_NEAR(pesi[2], pesi[0] + pesi[1], 0.11f);
    EXPECT_NEAR(volumi[2], volumi[0] + volumi[1], 0.11f);
}

TEST(ComputoLotto, UnaSolaPareteSenzaRiepilogo) {
    CartellaTemporanea cartella;
    const std::vector<std::string> lotto = LottoComputo(cartella);
    Impostazioni imp;
    ValoriDefault(imp);
    FinestraRegistrata finestra;
    const std::string t = ComputoPareti(std::span(lotto).first(1), imp, finestra);
    EXPECT_EQ(Conta(t, "Parete in c.a. n. 5"), 1);
    EXPECT_EQ(t.find("Riepilogo"), std::string::npos);
}

TEST(ComputoParete, MisuraDiNuovoLeQuantitaDellaPareteAperta) {
    Parete p = PareteAssiArmata(400, 300);
    AggiungiZona(p, {{50, 50}, {50, 250}, {250, 250}, {250, 50}}, IntegrativaPiu, 0, 12, 20.0f, {60, 50},
                 {60, 250}, {60, 20});
    Impostazioni imp;
    ValoriDefault(imp);
    // An edit whose quantities have not been measured yet.
    p.LungDir1Piu = 0.0f;
    p.Posizioni[0].LungTotale = 0.0f;
    const std::string t = ComputoParete(p, imp);
    ASSERT_GT(p.Posizioni[0].LungTotale, 0.0f);
    ASSERT_GT(p.LungDir1Piu, 0.0f);
    EXPECT_NE(t.find("\\cell  20.0\\cell  " + FormatoDec(p.Posizioni[0].LungTotale, 1) + "\\cell"),
              std::string::npos);
    EXPECT_NE(t.find("\\intbl  lato +\\cell  1\\cell  \u00d8 10\\cell  20.0\\cell  " +
                     FormatoDec(p.LungDir1Piu, 1) + "\\cell"),
              std::string::npos);
}
