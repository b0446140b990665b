#include "export/EsportaDxf.h"

#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "model/Sessione.h"

#include "Fixture.h"
#include "FinestraRegistrata.h"
#include "GruppiLetti.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

Impostazioni ImpDefault() {
    Impostazioni imp;
    ValoriDefault(imp);
    return imp;
}

std::string FileParete(const CartellaTemporanea& c, const std::string& nome) {
    return c.Scrivi(nome, Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
}

std::string Rifiutata(const CartellaTemporanea& c) {
    return c.Scrivi("RIFIUTATA.SET", Contenuto(PercorsoFixture("NON_PARETE_VERSIONE_2.SET")));
}

float LarghezzaFoglio(const std::string& percorso) {
    Sessione s;
    s.imp = ImpDefault();
    FinestraRegistrata finestra;
    EXPECT_TRUE(LeggiParete(s, percorso, finestra).Riuscito());
    CodaGeometria(s.parete, s.stato);
    return s.parete.LarghezzaFoglio;
}

// The x of every LINE start, from the independent reader.
std::vector<double> XLinee(const fs::path& file) {
    std::vector<double> x;
    for (const std::string& riga : LeggiConEzdxf(file.string())) {
        EXPECT_NE(riga.rfind("ERRORE", 0), 0u) << riga;
        if (riga.rfind("LINE\t", 0) != 0) continue;
        std::vector<std::string> campi;
        std::istringstream in(riga);
        for (std::string c; std::getline(in, c, '\t');) campi.push_back(c);
        x.push_back(std::stod(campi[4]));
    }
    return x;
}

bool ContieneEvento(const FinestraRegistrata& f, const std::string& inizio) {
    return std::any_of(f.Eventi.begin(), f.Eventi.end(),
                       [&](const std::string& e) { return e.rfind(inizio, 0) == 0; });
}

}  // namespace

TEST(EsportaDxf, SecondaPareteAccantoAllaPrimaDuecentoCmOltreIlFoglio) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    const fs::path una = c.Percorso() / "una.dxf";
    const fs::path due = c.Percorso() / "due.dxf";
    const std::vector<std::string> sola{a};
    const std::vector<std::string> coppia{a, a};
    ASSERT_TRUE(EsportaDxf(sola, una, imp, false, finestra).Riuscito());
    ASSERT_TRUE(EsportaDxf(coppia, due, imp, false, finestra).Riuscito());

    const std::vector<double> x1 = XLinee(una);
    const std::vector<double> x2 = XLinee(due);
    ASSERT_FALSE(x1.empty());
    ASSERT_EQ(x2.size(), 2 * x1.size());
    // Model offset = sheet width + 200 cm, times ScalaDxf (2 with the defaults).
    const double spostamento = (LarghezzaFoglio(a) + 200.0) * 2.0;
    const auto [min1, max1] = std::minmax_element(x1.begin(), x1.end());
    const auto [min2, max2] = std::minmax_element(x2.begin(), x2.end());
    EXPECT_NEAR(*min2, *min1, 1e-3);
    EXPECT_NEAR(*max2, *max1 + spostamento, 1e-2);
}

TEST(EsportaDxf, PareteRifiutataNonOccupaPostoEDaIlMessaggioDelLettore) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    const std::string b = FileParete(c, "B.set");
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    const fs::path senza = c.Percorso() / "senza.dxf";
    const fs::path con = c.Percorso() / "con.dxf";
    const std::vector<std::string> due{a, b};
    const std::vector<std::string> conRifiutata{a, Rifiutata(c), b};
    ASSERT_TRUE(EsportaDxf(due, senza, imp, true, finestra).Riuscito());
    const size_t messaggiSenza = finestra.Messaggi().size();
    FinestraRegistrata conMessaggio;
    ASSERT_TRUE(EsportaDxf(conRifiutata, con, imp, true, conMessaggio).Riuscito());
    EXPECT_EQ(conMessaggio.Messaggi().size(), messaggiSenza + 1);
    // R12 carries no handles: the same walls give the same bytes.
    EXPECT_EQ(Contenuto(con.string()), Contenuto(senza.string()));
}

TEST(EsportaDxf, IlLottoNonToccaIPulsantiNeIlTitoloDellaPareteAperta) {
    CartellaTemporanea c;
    const std::string unica = c.Scrivi("M.SET", Contenuto(PercorsoFixture("MAGLIA_UNICA.SET")));
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    const std::vector<std::string> pareti{unica};
    ASSERT_TRUE(EsportaDxf(pareti, c.Percorso() / "m.dxf", imp, false, finestra).Riuscito());
    EXPECT_FALSE(ContieneEvento(finestra, "MostraPulsantiLato"));
    EXPECT_FALSE(ContieneEvento(finestra, "MostraEtichettaMagliaUnica"));
    EXPECT_FALSE(ContieneEvento(finestra, "SelezionaLatoMeno"));
    EXPECT_FALSE(ContieneEvento(finestra, "ImpostaTitolo"));
}

TEST(EsportaDxf, AvanzamentoRaggiungeCentoSoloDopoLaScrittura) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    std::vector<int> passi;
    const std::vector<std::string> coppia{a, a};
    ASSERT_TRUE(EsportaDxf(coppia, c.Percorso() / "p.dxf", imp, false, finestra,
                           [&](int p) { passi.push_back(p); })
                    .Riuscito());
    EXPECT_EQ(passi, (std::vector<int>{0, 33, 66, 100}));

    passi.clear();
    const std::vector<std::string> rifiutate{Rifiutata(c)};
    EXPECT_FALSE(EsportaDxf(rifiutate, c.Percorso() / "q.dxf", imp, false, finestra,
                            [&](int p) { passi.push_back(p); })
                     .Riuscito());
    EXPECT_EQ(passi.back(), 0);
}

TEST(EsportaDxf, RifiutiSenzaScrivereNulla) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    struct Caso {
        const char* nome;
        std::vector<std::string> pareti;
        std::string layer2 = {};  // name of layer 2 ("" keeps the default)
        std::string messaggio;
    };
    const std::vector<Caso> casi = {
        {.nome = "nessun file", .pareti = {}, .messaggio = std::string(MessaggioNessunFileDxf)},
        {.nome = "tutte rifiutate", .pareti = {Rifiutata(c)},
         .messaggio = std::string(MessaggioNessunaParete)},
        {.nome = "nome vietato dalle impostazioni", .pareti = {a}, .layer2 = "PER?IM",
         .messaggio = "Il nome del layer PER?IM non \xC3\xA8 valido o \xC3\xA8 gi\xC3\xA0 usato.\n"
                      "Operazione annullata!"},
        {.nome = "nome ripetuto senza badare alle maiuscole", .pareti = {a}, .layer2 = "defpoints",
         .messaggio = "Il nome del layer defpoints non \xC3\xA8 valido o \xC3\xA8 gi\xC3\xA0 usato.\n"
                      "Operazione annullata!"},
    };
    const std::string prima = "file precedente";
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Impostazioni imp = ImpDefault();
        if (!caso.layer2.empty()) imp.NomiLayer[LayerOrigineDerivato] = caso.layer2;
        const std::string file = c.Scrivi("uscita.dxf", prima);
        FinestraRegistrata finestra;
        const Esito esito = EsportaDxf(caso.pareti, file, imp, false, finestra);
        EXPECT_FALSE(esito.Riuscito());
        EXPECT_EQ(esito.Motivo, caso.messaggio);
        EXPECT_EQ(Contenuto(file), prima);
    }
}

TEST(EsportaDxf, CartellaNonScrivibileDaIlMessaggioDeiPermessi) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    const std::vector<std::string> pareti{a};
    // /sys refuses new files to every user, root included.
    const Esito esito = EsportaDxf(pareti, "/sys/korvane_prova.dxf", imp, false, finestra);
    ASSERT_FALSE(esito.Riuscito());
    EXPECT_EQ(esito.Motivo, std::string(MessaggioCartellaNegata));
}

TEST(EsportaDxf, AltroErroreDiScritturaNominaFileEMotivo) {
    CartellaTemporanea c;
    const std::string a = FileParete(c, "A.SET");
    Impostazioni imp = ImpDefault();
    FinestraRegistrata finestra;
    const fs::path mancante = c.Percorso() / "manca" / "x.dxf";
    const std::vector<std::string> pareti{a};
    const Esito esito = EsportaDxf(pareti, mancante, imp, true, finestra);
    ASSERT_FALSE(esito.Riuscito());
    EXPECT_EQ(esito.Motivo.rfind("Errore nella scrittura del file:\n" + mancante.string() + ": ", 0), 0u)
        << esito.Motivo;
    EXPECT_TRUE(esito.Motivo.ends_with("\nOperazione annullata!"));
    EXPECT_FALSE(fs::exists(mancante));
}
