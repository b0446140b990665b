#include "design/MappaClassi.h"
#include "design/MappaColori.h"
#include "design/MappaIntervalli.h"
#include "design/MappaLivelli.h"
#include "design/MappaRitaglio.h"
#include "design/MappaTipi.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A wall with nodes at the given points and the given triangles; no outline
// is needed, the map reads only the nodes and the triangle list.
Parete ConNodi(const std::vector<Punto>& punti, const std::vector<Triangolo>& triangoli) {
    Parete p;
    p.NumNodi = static_cast<int>(punti.size());
    p.Nodi.assign(punti.size() + 1, Nodo{});
    for (std::size_t i = 0; i < punti.size(); ++i) {
        p.Nodi[i].X = punti[i].X;
        p.Nodi[i].Y = punti[i].Y;
    }
    p.Triangoli = triangoli;
    p.UltimoTriangolo = static_cast<int>(triangoli.size()) - 1;
    return p;
}

void Richieste(Parete& p, int slot, const std::vector<float>& valori) {
    for (std::size_t i = 0; i < valori.size(); ++i) p.Nodi[i].Richiesta[slot] = valori[i];
}

void Carenze(Parete& p, int slot, const std::vector<float>& valori) {
    for (std::size_t i = 0; i < valori.size(); ++i) p.Nodi[i].Mancante[slot] = valori[i];
}

struct ChiamataLegenda {
    float Alto = 0.0f;
    float Basso = 0.0f;
    std::string Titolo;
    int Direzione = 0;
    int Lato = 0;
    std::size_t TrattiPrima = 0;  // strokes on the canvas when the legend was drawn

    bool operator==(const ChiamataLegenda&) const = default;
};

// A map drawn on the recording canvas of the bench (2 pixels per cm, model
// origin at the bottom left of a 600-pixel-high canvas: x -> 2x, y -> 600 - 2y).
struct MappaDiProva {
    BancoDisegno Banco;
    StatoInterfaccia Stato;
    std::vector<ChiamataLegenda> Legende;

    void Disegna(const Parete& p) {
        MappaColori(p, Banco.Imp, Stato, Banco.Tela, Banco.VistaTela,
                    [this](float alto, float basso, const std::string& titolo, int direzione,
                           int lato) {
                        Legende.push_back(
                            {alto, basso, titolo, direzione, lato, Banco.Tela.Tratti.size()});
                    });
    }
    std::vector<TrattoTela> Poligoni() const { return Banco.Tela.DiTipo("Poligono"); }
    std::vector<TrattoTela> Riquadri() const { return Banco.Tela.DiTipo("Riquadro"); }
};

std::vector<float> Pixel(std::initializer_list<Punto> punti) {
    std::vector<float> v;
    for (const Punto& q : punti) {
        v.push_back(2.0f * q.X);
        v.push_back(600.0f - 2.0f * q.Y);
    }
    return v;
}

// ---- Map types ----

struct CasoTipo {
    std::string Nome;
    int TipoMappa = 0;
    GrandezzaMappa Grandezza = GrandezzaMappa::AreaRichiesta;
    int Strato = 0;
    int Direzione = 0;
    int Lato = 0;
    std::string Titolo;
};

// A failing row names itself in the test output.
void PrintTo(const CasoTipo& c, std::ostream* os) { *os << c.Nome; }

const std::vector<CasoTipo> casiTipo = {
    {"Richiesta0", 0, GrandezzaMappa::AreaRichiesta, 0, 0, 0, "Area richiesta [cmq/m]"},
    {"Richiesta1", 1, GrandezzaMappa::AreaRichiesta, 1, 0, 1, "Area richiesta [cmq/m]"},
    {"Richiesta2", 2, GrandezzaMappa::AreaRichiesta, 2, 1, 0, "Area richiesta [cmq/m]"},
    {"Richiesta3", 3, GrandezzaMappa::AreaRichiesta, 3, 1, 1, "Area richiesta [cmq/m]"},
    {"Carenza5", 5, GrandezzaMappa::Carenza, 0, 0, 0, "Carenza di armatura [cmq/m]"},
    {"Carenza8", 8, GrandezzaMappa::Carenza, 3, 1, 1, "Carenza di armatura [cmq/m]"},
    {"Eccedenza11", 11, GrandezzaMappa::Eccedenza, 1, 0, 1, "Eccedenza di armatura [cmq/m]"},
    {"Eccedenza12", 12, GrandezzaMappa::Eccedenza, 2, 1, 0, "Eccedenza di armatura [cmq/m]"},
};

class TipoMappaCasi : public testing::TestWithParam<CasoTipo> {};

TEST_P(TipoMappaCasi, StratoTitoloELatoDallaTabella) {
    const CasoTipo& c = GetParam();
    const auto tipo = DescriviTipoMappa(c.TipoMappa);
    ASSERT_TRUE(tipo.has_value());
    EXPECT_EQ(*tipo, (TipoMappaColori{c.Grandezza, c.Strato, c.Direzione, c.Lato, c.Titolo}));
}

INSTANTIATE_TEST_SUITE_P(Tabella, TipoMappaCasi, testing::ValuesIn(casiTipo),
                         [](const auto& info) { return info.param.Nome; });

TEST(TipoMappa, ValoriRiservatiSenzaMappa) {
    for (int t : {-1, 4, 9, 14, 15}) EXPECT_FALSE(DescriviTipoMappa(t).has_value()) << t;
}

TEST(MappaColori, TipoSenzaMappaNonDisegnaNulla) {
    Parete p = ConNodi({{0, 0}, {10, 0}, {0, 10}}, {{0, 1, 2}});
    MappaDiProva m;
    m.Stato.TipoMappa = 9;
    m.Stato.LatoAttivo = 1;
    m.Disegna(p);
    EXPECT_TRUE(m.Banco.Tela.Tratti.empty());
    EXPECT_TRUE(m.Legende.empty());
    EXPECT_EQ(m.Stato.LatoAttivo, 1);
}

// ---- Values and ranges ----

TEST(ValoreNodoMappa, EccedenzaEdCarenzaTagliateAZero) {
    Parete p = ConNodi({{0, 0}, {10, 0}}, {});
    Carenze(p, 0, {-3.0f, 2.0f});
    const TipoMappaColori eccedenza = *DescriviTipoMappa(10);
    const TipoMappaColori carenza = *DescriviTipoMappa(5);
    EXPECT_FLOAT_EQ(ValoreNodoMappa(p, eccedenza, 0), 3.0f);
    EXPECT_FLOAT_EQ(ValoreNodoMappa(p, eccedenza, 1), 0.0f);
    EXPECT_FALSE(std::signbit(ValoreNodoMappa(p, eccedenza, 1)));
    EXPECT_FLOAT_EQ(ValoreNodoMappa(p, carenza, 0), 0.0f);
    EXPECT_FLOAT_EQ(ValoreNodoMappa(p, carenza, 1), 2.0f);
}

struct CasoIntervallo {
    std::string Nome;
    std::vector<float> Carenze;
    IntervalloMappa Eccedenza;
    IntervalloMappa Carenza;
};

// A failing row names itself in the test output.
void PrintTo(const CasoIntervallo& c, std::ostream* os) { *os << c.Nome; }

const std::vector<CasoIntervallo> casiIntervallo = {
    {"UnNodoManca", {-3.0f, -1.0f, 2.0f}, {0.0f, 3.0f}, {0.0f, 2.0f}},
    {"TuttiInEccesso", {-3.0f, -1.0f}, {1.0f, 3.0f}, {0.0f, 0.0f}},
    {"TuttiMancano", {0.5f, 4.0f}, {0.0f, 0.0f}, {0.5f, 4.0f}},
    {"SenzaNodi", {}, {0.0f, 0.0f}, {0.0f, 0.0f}},
};

class IntervalloCasi : public testing::TestWithParam<CasoIntervallo> {};

TEST_P(IntervalloCasi, EstremiDeiNodi) {
    const CasoIntervallo& c = GetParam();
    std::vector<Punto> punti(c.Carenze.size());
    Parete p = ConNodi(punti, {});
    Carenze(p, 2, c.Carenze);  // layer 1: slot 2
    const IntervalloMappa e = IntervalloEccedenza(p, 1);
    EXPECT_EQ(e, c.Eccedenza);
    EXPECT_FALSE(std::signbit(e.Min) || std::signbit(e.Max));  // never "-0"
    EXPECT_EQ(IntervalloCarenza(p, 1), c.Carenza);
}

INSTANTIATE_TEST_SUITE_P(Tabella, IntervalloCasi, testing::ValuesIn(casiIntervallo),
                         [](const auto& info) { return info.param.Nome; });

TEST(LivelliMappa, UndiciLivelliDalBassoAllAlto) {
    const auto l = LivelliMappa(5.0f, 20.0f);
    const double attesi[11] = {500, 650, 800, 950, 1100, 1250, 1400, 1550, 1700, 1850, 2000};
    for (int i = 0; i < 11; ++i) EXPECT_DOUBLE_EQ(l[i], attesi[i]) << i;
    // The last level is the high end itself, whatever the float steps give.
    EXPECT_EQ(LivelliMappa(0.0f, 0.7f)[10], 100.0 * static_cast<double>(0.7f));
}

// ---- Range clipping ----

TEST(DistanzaLivello, DistanzaDallEstremoJ) {
    EXPECT_FLOAT_EQ(DistanzaLivello(0.0f, 10.0f, 5.0f, 20.0f), 10.0f);
    EXPECT_FLOAT_EQ(DistanzaLivello(30.0f, 0.0f, 20.0f, 30.0f), 20.0f);
    EXPECT_FLOAT_EQ(DistanzaLivello(7.0f, 7.0f, 7.0f, 20.0f), 21.0f);  // no crossing
    EXPECT_FLOAT_EQ(InterpolaCoord(10.0, 20.0, 10.0f, 5.0f), 15.0f);
    EXPECT_FLOAT_EQ(InterpolaCoord(10.0, 20.0, 0.0f, 0.0f), 10.0f);  // no division by 0
}

TEST(RitagliaAllIntervallo, CinquePuntiInVentaglio) {
    // Values 0, 30, 10 over (0,0), (30,0), (0,30), range 5 to 20.
    // Edge 0-1 (L 30): level 5 at t = (5-30) x 30 / (0-30) = 25 from corner 1
    // -> (5,0); level 20 at t = 10 -> (20,0); the larger t first.
    // Edge 1-2: corner 1 above; level 20 at t = (20-10) L / 20 = L/2 -> (15,15).
    // Edge 2-0: corner 2 in range; level 5 at t = 5 x 30 / 10 = 15 -> (0,15).
    const auto fan = RitagliaAllIntervallo({{{0, 0, 0}, {30, 0, 30}, {0, 30, 10}}}, 5.0f, 20.0f);
    const AngoloMappa p0{5, 0, 5}, p1{20, 0, 20}, p2{15, 15, 20}, p3{0, 30, 10}, p4{0, 15, 5};
    const std::vector<TriangoloMappa> attesi = {{p0, p2, p3}, {p0, p3, p4}, {p0, p1, p2}};
    ASSERT_EQ(fan.size(), attesi.size());
    for (std::size_t t = 0; t < fan.size(); ++t)
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(fan[t][c].X, attesi[t][c].X, 1e-4) << t << "," << c;
            EXPECT_NEAR(fan[t][c].Y, attesi[t][c].Y, 1e-4) << t << "," << c;
            EXPECT_FLOAT_EQ(fan[t][c].Valore, attesi[t][c].Valore) << t << "," << c;
        }
}

TEST(RitagliaAllIntervallo, TuttoFuoriOTuttoDentro) {
    const TriangoloMappa sotto = {{{0, 0, 0}, {10, 0, 4.9f}, {0, 10, 1}}};
    const TriangoloMappa sopra = {{{0, 0, 21}, {10, 0, 30}, {0, 10, 25}}};
    const TriangoloMappa dentro = {{{0, 0, 5}, {10, 0, 20}, {0, 10, 7}}};
    EXPECT_TRUE(RitagliaAllIntervallo(sotto, 5.0f, 20.0f).empty());
    EXPECT_TRUE(RitagliaAllIntervallo(sopra, 5.0f, 20.0f).empty());
    const auto intero = RitagliaAllIntervallo(dentro, 5.0f, 20.0f);
    ASSERT_EQ(intero.size(), 1u);
    EXPECT_EQ(intero[0], dentro);
}

// ---- The drawn map ----

// Values 0, 10, 10 at (0,0), (20,0), (0,20) in the range 5 to 20: the clipped
// polygon (10,0) 5, (20,0) 10, (0,20) 10, (0,10) 5 is drawn as the triangles
// (10,0)-(0,20)-(0,10) and (10,0)-(20,0)-(0,20). Levels 5, 6.5, 8, 9.5, 11...
// so each triangle shows bands 1 to 4, classes 0 to 3. The first piece: z <=
// 6.5 cuts (10,0)-(0,20) at t (6.5-5)/(10-5) = 0.3 -> (7,6) and (0,20)-(0,10)
// at t (6.5-10)/(5-10) = 0.7 -> (0,13). A second triangle with every value
// below 5 is not drawn.
Parete DueTriangoli() {
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}, {40, 0}, {60, 0}, {40, 20}},
                       {{0, 1, 2}, {3, 4, 5}});
    Richieste(p, 0, {0.0f, 10.0f, 10.0f, 0.0f, 1.0f, 4.9f});
    return p;
}

TEST(MappaColori, RitaglioAllIntervalloEVentaglio) {
    MappaDiProva m;
    m.Stato.TipoMappa = 0;
    m.Stato.ScalaMin = 5.0f;
    m.Stato.ScalaMax = 20.0f;
    m.Disegna(DueTriangoli());

    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 8u);
    for (std::size_t i = 0; i < poligoni.size(); ++i) {
        EXPECT_EQ(poligoni[i].Colore, ColoreClasse(static_cast<int>(i % 4))) << i;
        EXPECT_EQ(poligoni[i].Strato, StratoTela::Immagine);
        // Every vertex lies in the clipped polygon: x + y >= 10 cm (the cut
        // between the two midpoints), so px + (600 - py) >= 20 pixels.
        for (std::size_t v = 0; v < poligoni[i].Valori.size(); v += 2)
            EXPECT_GE(poligoni[i].Valori[v] + 600.0f - poligoni[i].Valori[v + 1], 20.0f) << i;
    }
    EXPECT_EQ(poligoni[0].Valori, Pixel({{10, 0}, {7, 6}, {0, 13}, {0, 10}}));
    // The last piece of the second triangle: z >= 9.5 of (10,0) 5, (20,0) 10,
    // (0,20) 10 cuts (0,20)-(10,0) at t (9.5-10)/(5-10) = 0.1 -> (1,18) and
    // (10,0)-(20,0) at t 0.9 -> (19,0).
    EXPECT_EQ(poligoni[7].Valori, Pixel({{19, 0}, {20, 0}, {0, 20}, {1, 18}}));
}

TEST(MappaColori, LegendaPoiRiempimentiPoiMarcatori) {
    MappaDiProva m;
    m.Stato.TipoMappa = 0;
    m.Stato.ScalaMin = 5.0f;
    m.Stato.ScalaMax = 20.0f;
    m.Stato.LatoAttivo = 1;
    m.Stato.DirezioneAttiva = 1;
    m.Disegna(DueTriangoli());

    ASSERT_EQ(m.Legende.size(), 1u);
    EXPECT_EQ(m.Legende[0], (ChiamataLegenda{20.0f, 5.0f, "Area richiesta [cmq/m]", 0, 0, 0}));
    EXPECT_EQ(m.Stato.LatoAttivo, 0);
    EXPECT_EQ(m.Stato.DirezioneAttiva, 0);

    const auto& tratti = m.Banco.Tela.Tratti;
    ASSERT_EQ(tratti.size(), 8u + 6u);
    for (std::size_t i = 0; i < tratti.size(); ++i) {
        EXPECT_EQ(tratti[i].Tipo, i < 8 ? "Poligono" : "Riquadro") << i;
        EXPECT_EQ(tratti[i].Strato, StratoTela::Immagine) << i;
    }
    // Outside the maps of missing area: an unfilled black 1-pixel box per node.
    const TrattoTela& nodo4 = tratti[8 + 4];
    EXPECT_EQ(nodo4.Valori, (std::vector<float>{120, 600, 121, 601}));
    EXPECT_EQ(nodo4.Colore, 0);
    EXPECT_FALSE(nodo4.Pieno);
}

TEST(MappaColori, IntervalloRovesciatoDisegnatoConGliEstremiScambiati) {
    MappaDiProva dritto;
    dritto.Stato.TipoMappa = 0;
    dritto.Stato.ScalaMin = 5.0f;
    dritto.Stato.ScalaMax = 20.0f;
    dritto.Disegna(DueTriangoli());

    MappaDiProva rovescio;
    rovescio.Stato.TipoMappa = 0;
    rovescio.Stato.ScalaMin = 20.0f;
    rovescio.Stato.ScalaMax = 5.0f;
    rovescio.Disegna(DueTriangoli());

    EXPECT_EQ(rovescio.Banco.Tela.Tratti, dritto.Banco.Tela.Tratti);
    EXPECT_EQ(rovescio.Legende, dritto.Legende);
    EXPECT_EQ(rovescio.Stato.ScalaMin, 20.0f);
    EXPECT_EQ(rovescio.Stato.ScalaMax, 5.0f);
}

TEST(MappaColori, EccedenzaDaCarenzaNegata) {
    // Missing areas -3, 2, 2 (layer 2, slot 1) show 3, 0, 0; range 0 to 3.
    // Levels 0, 0.3, ... 3: from (0,0) 3 down to 0 the triangle crosses all
    // ten bands, the highest first in the corner: classes 0 to 9.
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}});
    Carenze(p, 1, {-3.0f, 2.0f, 2.0f});
    MappaDiProva m;
    m.Stato.TipoMappa = 12;
    const IntervalloMappa r = IntervalloEccedenza(p, 2);
    m.Stato.ScalaMin = r.Min;
    m.Stato.ScalaMax = r.Max;
    m.Disegna(p);

    ASSERT_EQ(m.Legende.size(), 1u);
    EXPECT_EQ(m.Legende[0],
              (ChiamataLegenda{3.0f, 0.0f, "Eccedenza di armatura [cmq/m]", 1, 0, 0}));
    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(poligoni[i].Colore, ColoreClasse(i)) << i;
    // Band 10 (z >= 2.7) is the corner (0,0) with the crossings at 0.1 of
    // its edges: (2,0) and (0,2).
    EXPECT_EQ(poligoni[9].Valori, Pixel({{0, 0}, {2, 0}, {0, 2}}));
}

// A map of missing area where every node is covered: nil range, the whole
// triangulated wall in class 0, grey markers.
TEST(MappaColori, CarenzaTuttaCopertaUniforme) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, {{0, 1, 2}, {0, 2, 3}});
    Carenze(p, 3, {-1.0f, 0.0f, -0.5f, -2.0f});
    MappaDiProva m;
    m.Stato.TipoMappa = 8;
    m.Disegna(p);

    ASSERT_EQ(m.Legende.size(), 1u);
    EXPECT_EQ(m.Legende[0], (ChiamataLegenda{0.0f, 0.0f, "Carenza di armatura [cmq/m]", 1, 1, 0}));
    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 2u);
    EXPECT_EQ(poligoni[0].Valori, Pixel({{0, 0}, {20, 0}, {20, 20}}));
    EXPECT_EQ(poligoni[1].Valori, Pixel({{0, 0}, {20, 20}, {0, 20}}));
    for (const TrattoTela& t : poligoni) EXPECT_EQ(t.Colore, Rgb(0, 0, 200));
    const std::vector<TrattoTela> riquadri = m.Riquadri();
    ASSERT_EQ(riquadri.size(), 4u);
    for (const TrattoTela& r : riquadri) {
        EXPECT_EQ(r.Colore, Rgb(88, 88, 88));
        EXPECT_TRUE(r.Pieno);
    }
    // Node 2 at (20,20) -> pixel (40,560): the box from (39,559) to (42,562).
    EXPECT_EQ(riquadri[2].Valori, (std::vector<float>{39, 559, 42, 562}));
}

// 0.004 at every node is within the map's nil test (0.009): uniform, even
// though the legend, whose own test is finer, shows its scale.
TEST(MappaColori, CarenzaDiQuattroMillesimiUniforme) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}});
    Carenze(p, 0, {0.004f, 0.004f, 0.004f});
    MappaDiProva m;
    m.Stato.TipoMappa = 5;
    m.Disegna(p);

    ASSERT_EQ(m.Legende.size(), 1u);
    EXPECT_EQ(m.Legende[0].Alto, 0.004f);
    EXPECT_EQ(m.Legende[0].Basso, 0.004f);
    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 1u);
    EXPECT_EQ(poligoni[0].Valori, Pixel({{0, 0}, {20, 0}, {0, 20}}));
    EXPECT_EQ(poligoni[0].Colore, ColoreClasse(0));
}

// Every node needs the same area and the range is that value: all levels
// coincide, each flat triangle is filled once in the lowest class.
TEST(MappaColori, LivelliCoincidentiRiempitiUnaVolta) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {20, 20}, {0, 20}}, {{0, 1, 2}, {0, 2, 3}});
    Richieste(p, 2, {5.0f, 5.0f, 5.0f, 5.0f});  // layer 1
    MappaDiProva m;
    m.Stato.TipoMappa = 1;
    m.Stato.ScalaMin = 5.0f;
    m.Stato.ScalaMax = 5.0f;
    m.Disegna(p);

    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 2u);
    EXPECT_EQ(poligoni[0].Valori, Pixel({{0, 0}, {20, 0}, {20, 20}}));
    for (const TrattoTela& t : poligoni) EXPECT_EQ(t.Colore, ColoreClasse(0));
}

// Tolerance 5 %: a node missing 0.005 is OK, 0.5 of a required 10 within the
// tolerance, 0.6 of 10 not verified. Missing areas are drawn unclipped, over
// their own range 0.005 to 0.6.
TEST(MappaColori, MarcatoriConTolleranzaPercentuale) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}});
    Richieste(p, 1, {4.0f, 10.0f, 10.0f});  // layer 2: slot 1
    Carenze(p, 1, {0.005f, 0.5f, 0.6f});
    MappaDiProva m;
    m.Banco.Imp.ModoTolleranza = 0;
    m.Banco.Imp.TolleranzaPerc = 5.0f;
    m.Stato.TipoMappa = 7;
    m.Disegna(p);

    ASSERT_EQ(m.Legende.size(), 1u);
    EXPECT_EQ(m.Legende[0],
              (ChiamataLegenda{0.6f, 0.005f, "Carenza di armatura [cmq/m]", 1, 0, 0}));
    const std::vector<TrattoTela> riquadri = m.Riquadri();
    ASSERT_EQ(riquadri.size(), 3u);
    EXPECT_EQ(riquadri[0].Colore, Rgb(88, 88, 88));
    EXPECT_EQ(riquadri[1].Colore, Rgb(192, 192, 192));
    EXPECT_EQ(riquadri[2].Colore, Rgb(255, 0, 0));
    EXPECT_EQ(riquadri[1].Valori, (std::vector<float>{39, 599, 42, 602}));
    // Ten bands from 0.005 to 0.6, every one drawn, lowest first.
    const std::vector<TrattoTela> poligoni = m.Poligoni();
    ASSERT_EQ(poligoni.size(), 10u);
    EXPECT_EQ(poligoni.front().Colore, ColoreClasse(0));
    EXPECT_EQ(poligoni.back().Colore, ColoreClasse(9));
    EXPECT_EQ(m.Banco.Tela.Tratti.back().Tipo, "Riquadro");
}

TEST(MappaColori, SenzaTriangoliLegendaEMarcatori) {
    Parete p = ConNodi({{0, 0}, {20, 0}}, {});
    Richieste(p, 0, {1.0f, 2.0f});
    MappaDiProva m;
    m.Stato.TipoMappa = 0;
    m.Stato.ScalaMin = 1.0f;
    m.Stato.ScalaMax = 2.0f;
    m.Disegna(p);
    EXPECT_EQ(m.Legende.size(), 1u);
    EXPECT_TRUE(m.Poligoni().empty());
    EXPECT_EQ(m.Riquadri().size(), 2u);

    MappaDiProva vuota;
    vuota.Disegna(Parete{});
    EXPECT_EQ(vuota.Legende.size(), 1u);
    EXPECT_TRUE(vuota.Banco.Tela.Tratti.empty());
}

// A triangle list left longer than its entries, or naming a node the wall
// does not have, draws only the triangles that exist.
TEST(MappaColori, TriangoliFuoriElencoIgnorati) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}, {0, 1, 7}});
    p.UltimoTriangolo = 5;
    MappaDiProva m;
    m.Stato.TipoMappa = 5;  // all nodes covered: one polygon per triangle
    m.Disegna(p);
    EXPECT_EQ(m.Poligoni().size(), 1u);
}

std::vector<float> Valori(const std::vector<PuntoPixel>& punti) {
    std::vector<float> v;
    for (const PuntoPixel& p : punti) {
        v.push_back(static_cast<float>(p.X));
        v.push_back(static_cast<float>(p.Y));
    }
    return v;
}

// The fills keep to the reinforcement outline minus its openings, and the
// markers over them are not clipped. A ring left in ForiArmatura by an
// earlier wall with more openings is no hole of this one.
TEST(MappaColori, RiempimentiRitagliatiAlContornoMenoLeAperture) {
    Parete p = ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}});
    p.ContornoArmatura = {{0, 0}, {0, 20}, {20, 20}, {20, 0}, {0, 0}};
    p.ForiArmatura = {{{5, 5}, {5, 10}, {10, 10}, {10, 5}, {5, 5}},
                      {{12, 12}, {12, 15}, {15, 15}, {15, 12}, {12, 12}}};
    p.NumAperture = 1;
    for (const int tipo : {5, 0}) {
        SCOPED_TRACE(tipo);
        MappaDiProva m;
        m.Stato.TipoMappa = tipo;
        m.Stato.ScalaMax = 10.0f;
        Richieste(p, 0, {0, 5, 10});
        m.Disegna(p);
        const auto& tratti = m.Banco.Tela.Tratti;
        ASSERT_EQ(m.Banco.Tela.Ritagli.size(), 1u);
        const RitaglioTela& r = m.Banco.Tela.Ritagli[0];
        EXPECT_EQ(Valori(r.Contorno), Pixel({{0, 0}, {0, 20}, {20, 20}, {20, 0}, {0, 0}}));
        ASSERT_EQ(r.Fori.size(), 1u);
        EXPECT_EQ(Valori(r.Fori[0]), Pixel({{5, 5}, {5, 10}, {10, 10}, {10, 5}, {5, 5}}));
        // Every fill under the clip, every marker after it.
        EXPECT_EQ(r.Dal, 0);
        ASSERT_GE(r.Al, 1);
        for (int i = 0; i < static_cast<int>(tratti.size()); ++i)
            EXPECT_EQ(tratti[i].Tipo, i < r.Al ? "Poligono" : "Riquadro") << i;
        EXPECT_EQ(static_cast<int>(m.Riquadri().size()), 3);
    }
}

// A wall whose contours are not built yet is drawn as it comes.
TEST(MappaColori, SenzaContornoNessunRitaglio) {
    MappaDiProva m;
    m.Stato.TipoMappa = 5;
    m.Disegna(ConNodi({{0, 0}, {20, 0}, {0, 20}}, {{0, 1, 2}}));
    EXPECT_EQ(m.Poligoni().size(), 1u);
    EXPECT_TRUE(m.Banco.Tela.Ritagli.empty());
}

}  // namespace
