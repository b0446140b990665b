#include "design/LegendaMappa.h"
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

constexpr int U = 15;  // twips per pixel of the recording box

struct Mappa {
    // A wall with a node: a wall without nodes has no range to show.
    Mappa() {
        parete.NumNodi = 1;
        parete.Nodi.resize(1);
    }

    Parete parete = PareteAssi();
    StatoInterfaccia stato;
    RiquadroRegistrato riquadro{U};

    void Disegna(float alto, float basso, int direzione = 0, int lato = 0) {
        LegendaMappa(alto, basso, "Titolo", direzione, lato, parete, stato, riquadro);
    }
    std::vector<TrattoRiquadro> Riquadri() const { return riquadro.DiTipo("Riquadro"); }
};

float YClasse(int i) { return static_cast<float>(15 * i * U + 360); }

}  // namespace

TEST(LegendaMappa, ScaleFromTheHighEndDownToTheLowEnd) {
    Mappa m;
    m.Disegna(10.0f, 0.0f);
    constexpr std::array<int, 10> ColoriDallAlto = {
        Rgb(200, 0, 0),   Rgb(255, 0, 0),   Rgb(255, 120, 0), Rgb(255, 210, 0), Rgb(255, 255, 0),
        Rgb(0, 255, 0),   Rgb(0, 255, 170), Rgb(0, 160, 255), Rgb(0, 40, 255),  Rgb(0, 0, 200)};
    const auto riquadri = m.Riquadri();
    ASSERT_EQ(riquadri.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(riquadri[i].Valori,
                  (std::vector<float>{10 * U, YClasse(i), 65 * U, YClasse(i) + 15 * U}))
            << i;
        EXPECT_EQ(riquadri[i].Colore, ColoriDallAlto[i]) << i;
        EXPECT_TRUE(riquadri[i].Pieno) << i;
    }
    const auto testi = m.riquadro.Testi();
    EXPECT_EQ(testi, (std::vector<std::string>{"Titolo", "10.00", "9.00", "8.00", "7.00", "6.00",
                                               "5.00", "4.00", "3.00", "2.00", "1.00", "0.00",
                                               "Direzione 1", "Lato +"}));
    EXPECT_EQ(m.riquadro.TrattoDelTesto("Titolo").Valori, (std::vector<float>{7 * U, 2 * U}));
    // Each value beside the upper edge of its box, the low end below the last one.
    EXPECT_EQ(m.riquadro.TrattoDelTesto("10.00").Valori,
              (std::vector<float>{70 * U, YClasse(0) - 6 * U}));
    EXPECT_EQ(m.riquadro.TrattoDelTesto("1.00").Valori,
              (std::vector<float>{70 * U, YClasse(9) - 6 * U}));
    EXPECT_EQ(m.riquadro.TrattoDelTesto("0.00").Valori,
              (std::vector<float>{70 * U, YClasse(9) + 8 * U}));
}

TEST(LegendaMappa, LabelsTakeTheUsersDecimalSeparator) {
    Mappa m;
    m.stato.SeparatoreDecimale = ",";
    m.Disegna(2.5f, -0.25f);
    const auto testi = m.riquadro.Testi();
    ASSERT_GE(testi.size(), 12u);
    EXPECT_EQ(testi[1], "2,50");
    EXPECT_EQ(testi[2], "2,23");  // 2.5 - 0.275, halves away from zero
    EXPECT_EQ(testi[11], "-0,25");
}

TEST(LegendaMappa, WhatEachRangeAndMapTypeShows) {
    const struct {
        const char* nome;
        float alto, basso;
        int tipoMappa;
        size_t riquadri;  // scale boxes and key boxes
        bool messaggio;   // "L'armatura soddisfa"
        bool chiave;      // the key of the node markers
        bool senzaNodi = false;
    } casi[] = {
        {.nome = "range 0-10, required area", .alto = 10, .basso = 0, .tipoMappa = 0,
         .riquadri = 10, .messaggio = false, .chiave = false},
        {.nome = "nil range in a map of missing area", .alto = 0, .basso = 0, .tipoMappa = 5,
         .riquadri = 1, .messaggio = true, .chiave = false},
        {.nome = "nil range by the legend's own test", .alto = 0.0001f, .basso = -0.0001f,
         .tipoMappa = 0, .riquadri = 1, .messaggio = true, .chiave = false},
        {.nome = "0.005 is a full scale", .alto = 0.005f, .basso = 0, .tipoMappa = 0,
         .riquadri = 10, .messaggio = false, .chiave = false},
        {.nome = "missing area, first layer", .alto = 3, .basso = 0, .tipoMappa = 5,
         .riquadri = 13, .messaggio = false, .chiave = true},
        {.nome = "missing area, last layer", .alto = 3, .basso = 0, .tipoMappa = 8,
         .riquadri = 13, .messaggio = false, .chiave = true},
        {.nome = "required area, last layer", .alto = 3, .basso = 0, .tipoMappa = 3,
         .riquadri = 10, .messaggio = false, .chiave = false},
        {.nome = "excess, first layer", .alto = 3, .basso = 0, .tipoMappa = 10,
         .riquadri = 10, .messaggio = false, .chiave = false},
        // No node, no range: neither a scale nor a claim that the wall is satisfied.
        {.nome = "no nodes, nil range", .alto = 0, .basso = 0, .tipoMappa = 10, .riquadri = 0,
         .messaggio = false, .chiave = false, .senzaNodi = true},
        {.nome = "no nodes, a range left over", .alto = 7.7f, .basso = 5.11f, .tipoMappa = 0,
         .riquadri = 0, .messaggio = false, .chiave = false, .senzaNodi = true},
    };
    for (const auto& c : casi) {
        Mappa m;
        if (c.senzaNodi) m.parete.NumNodi = 0;
        m.stato.TipoMappa = c.tipoMappa;
        m.Disegna(c.alto, c.basso);
        const auto riquadri = m.Riquadri();
        EXPECT_EQ(riquadri.size(), c.riquadri) << c.nome;
        const auto soddisfa = m.riquadro.TrattoDelTesto("L'armatura soddisfa");
        EXPECT_EQ(soddisfa.Tipo == "Testo", c.messaggio) << c.nome;
        EXPECT_EQ(m.riquadro.TrattoDelTesto("la richiesta di progetto.").Tipo == "Testo",
                  c.messaggio)
            << c.nome;
        EXPECT_EQ(m.riquadro.TrattoDelTesto("Nodo N.V.").Tipo == "Testo", c.chiave) << c.nome;
        if (c.messaggio) {
            EXPECT_EQ(soddisfa.Valori, (std::vector<float>{75 * U, 22 * U})) << c.nome;
            EXPECT_EQ(riquadri.at(0).Valori, (std::vector<float>{10 * U, 30 * U, 65 * U, 45 * U}))
                << c.nome;
            EXPECT_EQ(riquadri.at(0).Colore, Rgb(0, 0, 200)) << c.nome;
        }
    }
}

TEST(LegendaMappa, KeyOfTheNodeMarkers) {
    Mappa m;
    m.stato.TipoMappa = 6;
    m.Disegna(4, 1);
    const auto riquadri = m.Riquadri();
    ASSERT_EQ(riquadri.size(), 13u);
    const struct {
        const char* testo;
        int colore;
        float yCentro, yTesto;
    } voci[] = {{"Nodo N.V.", Rgb(255, 0, 0), 42 * U, 35 * U},
                {"Nodo entro tolleranza", Rgb(192, 192, 192), 62 * U, 55 * U},
                {"Nodo OK", Rgb(88, 88, 88), 82 * U, 75 * U}};
    for (int i = 0; i < 3; ++i) {
        const auto& r = riquadri[10 + i];
        EXPECT_EQ(r.Valori, (std::vector<float>{122 * U - 24, voci[i].yCentro - 24, 122 * U + 24,
                                                voci[i].yCentro + 24}))
            << voci[i].testo;
        EXPECT_EQ(r.Colore, voci[i].colore) << voci[i].testo;
        EXPECT_EQ(r.Riempi, Riempimento::Trasparente) << voci[i].testo;
        EXPECT_EQ(m.riquadro.TrattoDelTesto(voci[i].testo).Valori,
                  (std::vector<float>{130 * U, voci[i].yTesto}));
    }
    EXPECT_EQ(m.riquadro.Riempi(), Riempimento::Trasparente);
}

TEST(LegendaMappa, DirectionSymbolAndFace) {
    const struct {
        const char* nome;
        int direzione, lato;
        int colore;
        bool verticale;  // direction 1 of the wall is vertical, direction 2 horizontal
        const char *nomeDirezione, *nomeLato;
    } casi[] = {
        {.nome = "direction 1, lato +", .direzione = 0, .lato = 0, .colore = Rgb(255, 0, 0),
         .verticale = true, .nomeDirezione = "Direzione 1", .nomeLato = "Lato +"},
        {.nome = "direction 2, lato -", .direzione = 1, .lato = 1, .colore = Rgb(0, 128, 0),
         .verticale = false, .nomeDirezione = "Direzione 2", .nomeLato = "Lato -"},
    };
    const float xc = 160 * U, yc = 165 * U;
    for (const auto& c : casi) {
        Mappa m;
        m.Disegna(10, 0, c.direzione, c.lato);
        const auto linee = m.riquadro.DiTipo("Linea");
        ASSERT_EQ(linee.size(), 5u) << c.nome;
        // The bar, then 110 and 220 twips to either side.
        constexpr std::array<float, 5> Scarti = {0, -110, 110, -220, 220};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(linee[i].Colore, c.colore) << c.nome;
            EXPECT_EQ(linee[i].Spessore, 1) << c.nome;
            const auto& v = linee[i].Valori;
            if (c.verticale) {
                // Across a vertical bar; the sign of the sides is the direction's.
                EXPECT_NEAR(std::fabs(v[0] - xc), std::fabs(Scarti[i]), 0.01f) << c.nome << i;
                EXPECT_FLOAT_EQ(v[0], v[2]) << c.nome << i;
                EXPECT_NEAR(std::fabs(v[3] - v[1]), 660.0f, 0.01f) << c.nome << i;
            } else {
                EXPECT_NEAR(std::fabs(v[1] - yc), std::fabs(Scarti[i]), 0.01f) << c.nome << i;
                EXPECT_FLOAT_EQ(v[1], v[3]) << c.nome << i;
                EXPECT_NEAR(std::fabs(v[2] - v[0]), 660.0f, 0.01f) << c.nome << i;
            }
        }
        if (c.verticale) {
            EXPECT_EQ(linee[0].Valori, (std::vector<float>{xc, yc - 330, xc, yc + 330}));
            EXPECT_LT(linee[1].Valori[0] - xc, 0.0f) << "first to one side, then to the other";
            EXPECT_GT(linee[2].Valori[0] - xc, 0.0f);
        }
        EXPECT_EQ(m.riquadro.TrattoDelTesto(c.nomeDirezione).Valori,
                  (std::vector<float>{120 * U, 105 * U}))
            << c.nome;
        EXPECT_EQ(m.riquadro.TrattoDelTesto(c.nomeLato).Valori,
                  (std::vector<float>{120 * U, 120 * U}))
            << c.nome;
    }
}

TEST(LegendaMappa, NoSymbolForAFaceOutsideTheTwo) {
    Mappa m;
    m.Disegna(10, 0, 0, 2);
    EXPECT_TRUE(m.riquadro.DiTipo("Linea").empty());
    EXPECT_EQ(m.riquadro.TrattoDelTesto("Direzione 1").Tipo, "");
}

TEST(LegendaMappa, DrawsAnewIntoThePersistentImageAndSwitchesItOff) {
    Mappa m;
    m.riquadro.Testo(0, 0, "legenda precedente");
    m.riquadro.ImpostaSpessoreTratto(2);
    m.Disegna(10, 0);
    EXPECT_EQ(m.riquadro.TrattoDelTesto("legenda precedente").Tipo, "");
    const auto& chiamate = m.riquadro.Chiamate;
    const auto inizio = std::find(chiamate.begin(), chiamate.end(), "Persistente 1");
    ASSERT_NE(inizio, chiamate.end());
    EXPECT_EQ(*(inizio + 1), "Cancella");
    EXPECT_EQ(chiamate.back(), "Persistente 0");
    for (const auto& t : m.riquadro.Tratti) {
        EXPECT_TRUE(t.Persistente) << t.Tipo << " " << t.Testo;
        if (t.Tipo == "Testo") {
            EXPECT_EQ(t.Colore, 0) << t.Testo;
        }
    }
    EXPECT_EQ(m.riquadro.Spessore(), 1);
    EXPECT_FALSE(m.riquadro.Persistente());
}

