#include "design/Ridisegna.h"
#include "export/CorniceDxf.h"
#include "export/FlussoEntitaDxf.h"
#include "export/HandleDxf.h"
#include "export/SezioniDxfProgramma.h"
#include "model/Sessione.h"

#include "Fixture.h"
#include "GruppiLetti.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// A wall with every kind of overlay: two zones and a ring beam, a slab, a
// vertical section line, a dimension and a level mark shown in every view.
Sessione ParetePiena() {
    Sessione s;
    s.parete = PareteAssiArmata(400, 300);
    Parete& p = s.parete;
    AggiungiZona(p, {{100, 50}, {100, 150}, {300, 150}, {300, 50}}, IntegrativaPiu, 1, 12, 20.0f,
                 {120, 50}, {120, 150}, {120, 20});
    AggiungiZona(p, {{100, 50}, {100, 250}, {300, 250}, {300, 50}}, IntegrativaMeno, 0, 12, 20.0f,
                 {300, 75}, {100, 75}, {80, 100});
    AggiungiCordolo(p, {{0, 30}, {200, 30}, {200, 0}, {0, 0}}, 0.0f, 20.0f, {100, 30}, {100, 0},
                    {130, -30});
    AggiungiSolaio(p, 200);
    LineaSezione sez;
    sez.P0 = {150, -25};
    sez.P1 = {150, 325};
    sez.P2 = {140, -25};
    sez.P3 = {150, -25};
    sez.P4 = {150, 325};
    sez.P5 = {140, 325};
    p.Sezioni = {sez};
    p.UltSezione = 0;
    Quota q;
    q.X1 = 0;
    q.Y1 = -40;
    q.X2 = 400;
    q.Y2 = -40;
    q.XA = 0;
    q.YA = 0;
    q.XB = 400;
    q.YB = 0;
    q.Vista = -1;
    p.Quote = {q};
    p.UltQuota = 0;
    p.QuoteLivello = {{410, 300, 300.0f, -1}};
    p.NumQuoteLivello = 1;
    return s;
}

}  // namespace

TEST(RidisegnaDxf, TavolaR12RilettaSenzaErrori) {
    const Sessione s = ParetePiena();
    StatoDxf stato;
    stato.DxfR12 = 1;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, s.imp};
    Ridisegna(s, DestinazioneDxf{flusso, stato});

    CartellaTemporanea cartella;
    const auto percorso = cartella.Percorso() / "tavola.dxf";
    const Esito esito = ScriviFileDxfR12(percorso, file, s.imp);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    const auto righe = LeggiConEzdxf(percorso.string());
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1009");

    std::map<std::string, int> perLayer;
    std::map<std::string, int> testi;
    for (size_t i = 1; i < righe.size(); ++i) {
        EXPECT_NE(righe[i].rfind("ERRORE", 0), 0u) << righe[i];
        const auto c = Campi(righe[i]);
        ++perLayer[c[0] + " " + c[1]];
        if (c[0] == "TEXT") ++testi[c[4]];
    }
    // Four panels, each with both perimeters, the slab, the cut with its
    // two end marks, and the level mark; the dimension in every panel.
    EXPECT_EQ(perLayer["LINE PERIM_PARETI"], 4 * (4 + 4 + 4));
    EXPECT_EQ(perLayer["LINE LINEE_SEZIONI"], 4 * 5);
    EXPECT_EQ(perLayer["TEXT LINEE_SEZIONI"], 4 * 2);
    EXPECT_EQ(testi["300.0"], 4);
    EXPECT_GT(perLayer["LINE QUOTE"], 4 * 6);
    // Distributed bars in the left panels, zone bars and labels in the right ones.
    EXPECT_GT(perLayer["LINE ARM_DIFFUSA1"], 0);
    EXPECT_GT(perLayer["LINE ARM_DIFFUSA2"], 0);
    EXPECT_GT(perLayer["LINE ARM_INTEGR1"], 0);
    EXPECT_GT(perLayer["LINE ARM_INTEGR2"], 0);
    EXPECT_EQ(perLayer["CIRCLE POS_INTEGRATIVA"], 2 + 4);  // one zone per face, the ring beam in all four
}

TEST(RidisegnaDxf, TavolaR2000RilettaSenzaErroriConHandleUnici) {
    const Sessione s = ParetePiena();
    StatoDxf stato;
    HandleDxf handle;
    FileDxf file;
    FlussoEntitaDxf flusso{file.Entita(), file.Blocchi(), handle, stato, s.imp};
    Ridisegna(s, DestinazioneDxf{flusso, stato});
    ASSERT_GT(handle.NumBlocchiD, 0);  // the dimensions and bar labels are DIMENSION entities

    CartellaTemporanea cartella;
    const auto percorso = cartella.Percorso() / "tavola2000.dxf";
    SezioniDxfProgramma sezioni(s.imp);
    const Esito esito = ScriviFileDxfR2000(percorso, file, handle, sezioni);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    const auto righe = LeggiConEzdxf(percorso.string());
    ASSERT_FALSE(righe.empty());
    EXPECT_EQ(righe[0], "VERSIONE\tAC1015");
    for (const std::string& riga : righe) EXPECT_NE(riga.rfind("ERRORE", 0), 0u) << riga;

    // Every handle once; the seed, the first group 5 of the file, above them all.
    const auto handles = ValoriDi(LeggiGruppi(Contenuto(percorso.string())), 5);
    ASSERT_GT(handles.size(), 1u);
    const std::vector<std::string> disegnati(handles.begin() + 1, handles.end());
    EXPECT_EQ(std::set<std::string>(disegnati.begin(), disegnati.end()).size(), disegnati.size());
    long long massimo = 0;
    for (const auto& h : disegnati) massimo = std::max(massimo, std::stoll(h, nullptr, 16));
    EXPECT_GT(std::stoll(handles.front(), nullptr, 16), massimo);
}
