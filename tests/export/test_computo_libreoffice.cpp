// The bill of quantities read back by LibreOffice: every row of every table
// must come out with its documented columns, one cell a line.

#include "export/Computo.h"
#include "export/ComputoDocumento.h"
#include "export/ComputoFile.h"
#include "model/Impostazioni.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "LottoComputo.h"
#include "PareteComputo.h"
#include "TestoLibreOffice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Righe = std::vector<std::vector<std::string>>;

std::string Documento(const Parete& p) {
    DocumentoComputo doc = IniziaComputo();
    CopuRTF(p, doc);
    return ChiudiComputo(std::move(doc));
}

std::vector<std::string> Appiattite(const Righe& righe) {
    std::vector<std::string> v;
    for (const auto& r : righe) v.insert(v.end(), r.begin(), r.end());
    return v;
}

// Every document converted once for the whole file.
class ComputoLibreOffice : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!LibreOfficeDisponibile()) return;
        cartella_ = std::make_unique<CartellaTemporanea>();
        Parete senzaSpessore = PareteComputo(0);
        senzaSpessore.SpessoreParete = 0.0f;
        Impostazioni imp;
        ValoriDefault(imp);
        FinestraRegistrata finestra;
        const std::map<std::string, std::string> documenti = {
            {"due_lati", Documento(PareteComputo(0))},
            {"maglia_unica", Documento(PareteComputo(-1))},
            {"senza_spessore", Documento(senzaSpessore)},
            {"lotto", ComputoPareti(LottoComputo(*cartella_), imp, finestra)},
        };
        std::vector<std::filesystem::path> file;
        for (const auto& [nome, testo] : documenti) {
            file.push_back(cartella_->Percorso() / (nome + ".rtf"));
            ASSERT_TRUE(SalvaComputo(file.back(), testo).Riuscito());
        }
        convertiti_ = ConvertiInTesto(file, cartella_->Percorso() / "testo");
    }
    static void TearDownTestSuite() { cartella_.reset(); }

    void SetUp() override {
        if (!LibreOfficeDisponibile()) GTEST_SKIP() << "soffice non disponibile";
        ASSERT_TRUE(convertiti_.Riuscita()) << convertiti_.Errore;
    }

    static std::vector<std::string> Letto(const std::string& nome) {
        return RigheNonVuote(cartella_->Percorso() / "testo" / (nome + ".txt"));
    }

    static inline std::unique_ptr<CartellaTemporanea> cartella_;
    static inline EsitoConversione convertiti_{"conversione non eseguita"};
};

const Righe RigheCordoli = {
    {"Cordoli, ferri correnti:"},
    {"Pos.", "Num.", "Diam.(mm)", "Lungh.(cm)", "L.tot. (cm)", "Peso (kg)"},
    {"4)", "4", "\u00d8 16", "500.0", "2000.0", "31.6"},
    {"5)", "4", "\u00d8 12", "500.0", "2000.0", "17.8"},
    {"Cordoli, staffe:"},
    {"Pos.", "Num.", "Diam.(mm)", "Lungh.St (cm)", "L.tot. (cm)", "Peso (kg)"},
    {"4", "25", "St. \u00d8 8", "100.0", "2500.0", "9.9"},
    {"5", "16", "St. \u00d8 8", "100.0", "1600.0", "6.3"},
};

}  // namespace

TEST_F(ComputoLibreOffice, DueLatiOgniRigaConLeSueColonne) {
    Righe attese = {
        {"Parete in c.a. n. 7"},
        {"Armatura diffusa:"},
        {"Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"},
        {"lato +", "1", "\u00d8 12", "20.0", "1000.0", "8.9"},
        {"lato +", "2", "\u00d8 10", "25.0", "2000.0", "12.3"},
        {"lato -", "1", "\u00d8 8", "15.0", "3000.0", "11.8"},
        {"lato -", "2", "\u00d8 14", "30.0", "4000.0", "48.4"},
        {"Armatura integrativa:"},
        {"Pos.", "Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"},
        {"1", "lato +", "1", "\u00d8 12", "20.0", "1000.0", "8.9"},
        {"3", "lato +", "2", "\u00d8 10", "15.0", "450.5", "2.8"},
        {"2", "lato -", "2", "\u00d8 16", "25.0", "600.0", "9.5"},
    };
    attese.insert(attese.end(), RigheCordoli.begin(), RigheCordoli.end());
    attese.push_back({"Peso totale dei ferri = 168.0 kg"});
    attese.push_back({"Volume calcestruzzo = 2.0 mc"});
    attese.push_back({"Incidenza = 84.0 kg/mc"});
    EXPECT_EQ(Letto("due_lati"), Appiattite(attese));
}

TEST_F(ComputoLibreOffice, MagliaUnicaSoloLatoMenoSenzaColonnaLato) {
    Righe attese = {
        {"Parete in c.a. n. 7"},
        {"Armatura diffusa:"},
        {"Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"},
        {"1", "\u00d8 8", "15.0", "3000.0", "11.8"},
        {"2", "\u00d8 14", "30.0", "4000.0", "48.4"},
        {"Armatura integrativa:"},
        {"Pos.", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)"},
        {"2", "2", "\u00d8 16", "25.0", "600.0", "9.5"},
    };
    attese.insert(attese.end(), RigheCordoli.begin(), RigheCordoli.end());
    attese.push_back({"Peso totale dei ferri = 135.2 kg"});
    attese.push_back({"Volume calcestruzzo = 2.0 mc"});
    attese.push_back({"Incidenza = 67.6 kg/mc"});
    EXPECT_EQ(Letto("maglia_unica"), Appiattite(attese));
}

TEST_F(ComputoLibreOffice, VolumeNulloIncidenzaNonDisponibile) {
    const std::vector<std::string> letto = Letto("senza_spessore");
    ASSERT_GE(letto.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(letto.end() - 2, letto.end()),
              (std::vector<std::string>{"Volume calcestruzzo = 0.0 mc", "Incidenza = n.d."}));
}

TEST_F(ComputoLibreOffice, LottoConUnaPareteRifiutata) {
    const std::vector<std::string> letto = Letto("lotto");
    EXPECT_EQ(std::count(letto.begin(), letto.end(), "Parete in c.a. n. 5"), 2);
    const std::vector<std::string> staffe = {"3", "25", "St. \u00d8 8", "100.0", "2500.0", "9.9"};
    EXPECT_NE(std::search(letto.begin(), letto.end(), staffe.begin(), staffe.end()), letto.end());
    const auto riepilogo = std::find(letto.begin(), letto.end(), "Riepilogo:");
    ASSERT_NE(riepilogo, letto.end());
    ASSERT_EQ(letto.end() - riepilogo, 5);
    EXPECT_EQ(riepilogo[1], "Pareti c.a. computate:  2");
    EXPECT_EQ(riepilogo[2].rfind("Peso totale dei ferri = ", 0), 0u);
    EXPECT_EQ(riepilogo[3], "Volume calcestruzzo = 6.0 mc");
    EXPECT_EQ(riepilogo[4].rfind("Incidenza = ", 0), 0u);
}
