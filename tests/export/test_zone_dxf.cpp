#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniCordoli.h"
#include "drawing/BersaglioDxf.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"

#include "Fixture.h"
#include "GruppiLetti.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Campi(const std::string& riga) {
    std::vector<std::string> campi;
    std::istringstream ingresso(riga);
    std::string campo;
    while (std::getline(ingresso, campo, '\t')) campi.push_back(campo);
    return campi;
}

}  // namespace

// A zone elevation with its labels and a ring beam, written as an R12 file
// and read back by the independent reader.
TEST(ZoneDxf, ElevazioneConEtichetteESimboliRiletta) {
    Parete p = PareteAssiArmata(400, 300);
    AggiungiZona(p, {{100, 50}, {100, 150}, {300, 150}, {300, 50}}, IntegrativaPiu, 1, 12, 20.0f,
                 {120, 50}, {120, 150}, {120, 20});
    AggiungiZona(p, {{100, 50}, {100, 250}, {300, 250}, {300, 50}}, IntegrativaPiu, 0, 12, 20.0f,
                 {300, 75}, {100, 75}, {80, 100});
    AggiungiCordolo(p, {{0, 30}, {200, 30}, {200, 0}, {0, 0}}, 0.0f, 20.0f, {100, 30}, {100, 0},
                    {130, -30});

    Impostazioni imp;
    imp.DescrizioneCompleta = 1;
    StatoDxf stato;
    stato.DxfR12 = 1;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, imp};
    const BersaglioDxf b{flusso, stato, imp};
    ArmaturaPosizioni(p, 0, 0, IntegrativaPiu, b);
    DisSimboliPosizioni(p, 0, 0, b);

    CartellaTemporanea cartella;
    const auto percorso = cartella.Percorso() / "zone.dxf";
    const Esito esito = ScriviFileDxfR12(percorso, file, imp);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    const auto righe = LeggiConEzdxf(percorso.string());
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1009");

    std::map<std::string, int> perLayer;
    std::set<std::string> testi;
    std::vector<std::string> raggi;
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
        const auto c = Campi(righe[i]);
        ++perLayer[c[0] + " " + c[1]];
        if (c[0] == "TEXT") testi.insert(c[4]);
        if (c[0] == "CIRCLE") raggi.push_back(c.back());
    }
    // Five horizontal bars, ten vertical ones.
    EXPECT_EQ(perLayer["LINE ARM_INTEGR2"], 5 + 2 + 8);  // and the ring beam's ticks and stirrups
    EXPECT_EQ(perLayer["LINE ARM_INTEGR1"], 10);
    EXPECT_EQ(perLayer["LINE PILASTRI_ACCIAIO"], 2);
    // Per zone: a tick per line of bars, the leader and the line to the
    // circle; the ring beam: its leader and that line.
    EXPECT_EQ(perLayer["LINE POS_INTEGRATIVA"], (5 + 2) + (10 + 2) + 2);
    EXPECT_EQ(perLayer["CIRCLE POS_INTEGRATIVA"], 3);
    // Radius 14 cm at 2 units per cm.
    EXPECT_EQ(raggi, (std::vector<std::string>{"28", "28", "28"}));
    // Three numbers and one line per zone: both have bars of 200 cm.
    EXPECT_EQ(perLayer["TEXT TESTO_QUOTE"], 3 + 2);
    EXPECT_EQ(testi, (std::set<std::string>{"1", "2", "3", "5\xC3\x98" "12/20 L=200",
                                            "10\xC3\x98" "12/20 L=200"}));
}
