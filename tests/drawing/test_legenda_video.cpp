#include "drawing/LegendaTesti.h"
#include "drawing/LegendaVideo.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "PareteDiProva.h"
#include "RiquadroRegistrato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int T = 12;  // twips per pixel of the recording box

// Direction 1 vertical, direction 2 horizontal; different layers on the two faces.
Parete PareteLegenda() {
    Parete p = PareteAssi();
    p.DiamDir1Piu = 12;
    p.PassoDir1Piu = 20.0f;
    p.DiamDir2Piu = 10;
    p.PassoDir2Piu = 25.0f;
    p.DiamDir1Meno = 14;
    p.PassoDir1Meno = 17.5f;
    p.DiamDir2Meno = 8;
    p.PassoDir2Meno = 0.0f;
    // Areas left by another wall: the legend prints its own.
    p.AreaDir1Piu = p.AreaDir2Piu = p.AreaDir1Meno = p.AreaDir2Meno = 99.0f;
    return p;
}

}  // namespace

TEST(LegendaVideo, FaceShownByDisplayState) {
    const struct {
        const char* nome;
        int statoVista;
        int magliaUnica;
        int latoCorrente = 0;  // the face selector
        const char* intestazione;
        std::array<const char*, 4> valori;  // diameters and spacings, then areas
    } casi[] = {
        {.nome = "state 0", .statoVista = 0, .magliaUnica = 0,
         .intestazione = "Armatura diffusa lato + :",
         .valori = {"1\xC3\x98 12/ 20", "1\xC3\x98 10/ 25", "5.7 cmq/m", "3.1 cmq/m"}},
        {.nome = "lato - elevation", .statoVista = 1, .magliaUnica = 0,
         .intestazione = "Armatura diffusa lato - :",
         .valori = {"1\xC3\x98 14/ 17.5", "1\xC3\x98 8/ 0", "8.8 cmq/m", "0.0 cmq/m"}},
        {.nome = "zones of lato +", .statoVista = 14, .magliaUnica = 0,
         .intestazione = "Armatura diffusa lato + :",
         .valori = {"1\xC3\x98 12/ 20", "1\xC3\x98 10/ 25", "5.7 cmq/m", "3.1 cmq/m"}},
        {.nome = "zones of lato -", .statoVista = 15, .magliaUnica = 0, .latoCorrente = 0,
         .intestazione = "Armatura diffusa lato - :",
         .valori = {"1\xC3\x98 14/ 17.5", "1\xC3\x98 8/ 0", "8.8 cmq/m", "0.0 cmq/m"}},
        {.nome = "sheet preview, lato + selected", .statoVista = 17, .magliaUnica = 0,
         .intestazione = "Armatura diffusa lato + :",
         .valori = {"1\xC3\x98 12/ 20", "1\xC3\x98 10/ 25", "5.7 cmq/m", "3.1 cmq/m"}},
        {.nome = "sheet preview, lato - selected", .statoVista = 17, .magliaUnica = 0,
         .latoCorrente = 1, .intestazione = "Armatura diffusa lato - :",
         .valori = {"1\xC3\x98 14/ 17.5", "1\xC3\x98 8/ 0", "8.8 cmq/m", "0.0 cmq/m"}},
        {.nome = "single mesh", .statoVista = 1, .magliaUnica = -1,
         .intestazione = "Armatura diffusa:",
         .valori = {"1\xC3\x98 14/ 17.5", "1\xC3\x98 8/ 0", "8.8 cmq/m", "0.0 cmq/m"}},
        {.nome = "single mesh in state 0", .statoVista = 0, .magliaUnica = -1,
         .intestazione = "Armatura diffusa:",
         .valori = {"1\xC3\x98 14/ 17.5", "1\xC3\x98 8/ 0", "8.8 cmq/m", "0.0 cmq/m"}},
    };
    for (const auto& c : casi) {
        Parete parete = PareteLegenda();
        parete.MagliaUnica = c.magliaUnica;
        StatoInterfaccia stato;
        stato.StatoVista = c.statoVista;
        stato.LatoCorrente = c.latoCorrente;
        RiquadroRegistrato riquadro{T};
        LegendaVideo(parete, stato, riquadro);
        EXPECT_EQ(riquadro.Testi(),
                  (std::vector<std::string>{"Orientamento delle armature:", "Direzione 1",
                                            "Direzione 2", c.intestazione, c.valori[0],
                                            c.valori[1], c.valori[2], c.valori[3]}))
            << c.nome;
        const std::array<std::vector<float>, 4> posti = {{{50 * T, 140 * T},
                                                          {150 * T, 140 * T},
                                                          {50 * T, 160 * T},
                                                          {150 * T, 160 * T}}};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(riquadro.TrattoDelTesto(c.valori[i]).Valori, posti[i]) << c.nome << i;
        EXPECT_EQ(riquadro.TrattoDelTesto(c.intestazione).Valori,
                  (std::vector<float>{45 * T, 120 * T}))
            << c.nome;
    }
}

TEST(LegendaVideo, TwoGroupsOfFiveStrokes) {
    const Parete parete = PareteLegenda();
    RiquadroRegistrato riquadro{T};
    LegendaVideo(parete, StatoInterfaccia{}, riquadro);
    const auto linee = riquadro.DiTipo("Linea");
    ASSERT_EQ(linee.size(), 10u);
    std::vector<float> xRossi, yVerdi;
    for (int i = 0; i < 5; ++i) {
        const auto& rosso = linee[i].Valori;
        EXPECT_EQ(linee[i].Colore, Rgb(255, 0, 0)) << i;
        EXPECT_FLOAT_EQ(rosso[0], rosso[2]) << i;
        EXPECT_NEAR(std::fabs(rosso[3] - rosso[1]), 660.0f, 0.01f) << i;
        xRossi.push_back(rosso[0]);
        const auto& verde = linee[5 + i].Valori;
        EXPECT_EQ(linee[5 + i].Colore, Rgb(0, 128, 0)) << i;
        EXPECT_FLOAT_EQ(verde[1], verde[3]) << i;
        EXPECT_NEAR(std::fabs(verde[2] - verde[0]), 660.0f, 0.01f) << i;
        yVerdi.push_back(verde[1]);
    }
    EXPECT_EQ(linee[0].Valori, (std::vector<float>{75 * T, 80 * T - 330, 75 * T, 80 * T + 330}));
    EXPECT_EQ(linee[5].Valori, (std::vector<float>{175 * T + 330, 80 * T, 175 * T - 330, 80 * T}));
    std::sort(xRossi.begin(), xRossi.end());
    std::sort(yVerdi.begin(), yVerdi.end());
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(xRossi[i], 75 * T + 110.0f * (i - 2), 0.01f) << i;
        EXPECT_NEAR(yVerdi[i], 80 * T + 110.0f * (i - 2), 0.01f) << i;
    }
    for (const auto& l : linee) EXPECT_EQ(l.Spessore, 2);
}

TEST(LegendaVideo, DrawsAnewIntoThePersistentImageAndLeavesThinPen) {
    RiquadroRegistrato riquadro{T};
    riquadro.Testo(0, 0, "legenda della mappa");
    LegendaVideo(PareteLegenda(), StatoInterfaccia{}, riquadro);
    EXPECT_EQ(riquadro.TrattoDelTesto("legenda della mappa").Tipo, "");
    const auto& chiamate = riquadro.Chiamate;
    const auto inizio = std::find(chiamate.begin(), chiamate.end(), "Persistente 1");
    ASSERT_NE(inizio, chiamate.end());
    EXPECT_EQ(*(inizio + 1), "Cancella");
    EXPECT_EQ((std::vector<std::string>(chiamate.end() - 2, chiamate.end())),
              (std::vector<std::string>{"Spessore 1", "Persistente 0"}));
    for (const auto& t : riquadro.Tratti) EXPECT_TRUE(t.Persistente) << t.Tipo << " " << t.Testo;
}

TEST(LegendaTesti, BlankLedNumbersAndPrintedAreas) {
    const struct {
        const char* nome;
        float valore;
        const char* atteso;
    } numeri[] = {
        {.nome = "whole", .valore = 12.0f, .atteso = " 12"},
        {.nome = "one decimal", .valore = 17.5f, .atteso = " 17.5"},
        {.nome = "below one", .valore = 0.5f, .atteso = " .5"},
        {.nome = "zero", .valore = 0.0f, .atteso = " 0"},
        {.nome = "negative", .valore = -2.25f, .atteso = "-2.25"},
        {.nome = "seven digits", .valore = 12.345678f, .atteso = " 12.34568"},
    };
    for (const auto& c : numeri) EXPECT_EQ(NumeroConSpazio(c.valore), c.atteso) << c.nome;
    EXPECT_EQ(NumeroConSpazio(7), " 7");
    EXPECT_EQ(NumeroConSpazio(-3), "-3");
    EXPECT_EQ(TestoAreaStrato(12, 20.0f), "5.7 cmq/m");
    EXPECT_EQ(TestoAreaStrato(10, 25.0f), "3.1 cmq/m");
    EXPECT_EQ(TestoAreaStrato(12, -5.0f), "0.0 cmq/m");
}
