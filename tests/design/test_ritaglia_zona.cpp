#include "design/ContorniArmatura.h"
#include "design/RitagliaZona.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Punti = std::vector<Punto>;

// Contours without cover, so that they are the outline and the openings as
// given; the frame keeps the reference point of the inside test to the left.
Parete Prepara(Parete p) {
    p.Copriferro = 0.0f;
    p.XminCornice = -200.0f;
    p.YminCornice = -200.0f;
    p.XmaxCornice = 500.0f;
    p.YmaxCornice = 400.0f;
    CalcolaContorniArmatura(p);
    return p;
}

// Ring beams are not widened: the zone is clipped as given.
StatoInterfaccia StatoConZona(std::array<Punto, 4> vertici, int tipo = Cordolo) {
    StatoInterfaccia s;
    s.PosCorrente.Tipo = tipo;
    s.PosCorrente.Diametro = 12;
    s.PosCorrente.Vertici = vertici;
    s.PoligonoCorrente = {{1, 2}, {3, 4}};
    s.UltPuntoCorrente = 1;
    return s;
}

Impostazioni ImpostazioniProva() {
    Impostazioni imp;
    ValoriDefault(imp);
    imp.SovrappMin = 40;  // 12 mm bars: lap exactly 48 cm
    imp.SovrappMax = 40;
    return imp;
}

void AttesoPoligono(const StatoInterfaccia& s, const Punti& atteso) {
    ASSERT_EQ(s.UltPuntoCorrente + 1, static_cast<int>(atteso.size()));
    ASSERT_GE(s.PoligonoCorrente.size(), atteso.size());
    for (size_t i = 0; i < atteso.size(); ++i) {
        EXPECT_NEAR(s.PoligonoCorrente[i].X, atteso[i].X, 1e-3) << "vertex " << i;
        EXPECT_NEAR(s.PoligonoCorrente[i].Y, atteso[i].Y, 1e-3) << "vertex " << i;
    }
}

struct Caso {
    std::string nome;
    Parete parete;
    std::array<Punto, 4> zona;
    int tipo = Cordolo;
    Punti atteso = {};
};

Parete ConApertura(Parete p, float x1, float y1, float x2, float y2) {
    AggiungiApertura(p, x1, y1, x2, y2);
    return p;
}

}  // namespace

TEST(RitagliaZona, ClipsToOutlineAndOpenings) {
    const Parete rettangolo = PareteRettangolare(300, 200);
    const Caso casi[] = {
        {.nome = "inside, widened by the lap",
         // Vertical bars of direction 1 (90 degrees): the horizontal ends move 48 cm out.
         .parete = [] { Parete p = PareteRettangolare(300, 200); ImpostaAngoli(p, 90, 90); return p; }(),
         .zona = {{{100, 60}, {100, 140}, {200, 140}, {200, 60}}},
         .tipo = IntegrativaPiu,
         .atteso = {{200, 12}, {100, 12}, {100, 188}, {200, 188}}},
        {.nome = "crossing the right side",
         // Crossings of x = 300 with the zone edges 1 (y = 150) and 3 (y = 50);
         // the corners (350, 150), (350, 50) fall outside.
         .parete = rettangolo,
         .zona = {{{250, 50}, {250, 150}, {350, 150}, {350, 50}}},
         .atteso = {{250, 50}, {250, 150}, {300, 150}, {300, 50}}},
        {.nome = "skewed, crossing the top side",
         // y = 200 meets (100,150)-(170,240) at t = 50/90: x = 100 + 70 * 5/9 =
         // 138.8889, and (270,240)-(200,150) at t = 40/90: x = 270 - 70 * 4/9 = 238.8889.
         .parete = rettangolo,
         .zona = {{{100, 150}, {170, 240}, {270, 240}, {200, 150}}},
         .atteso = {{100, 150}, {138.88889f, 200}, {238.88889f, 200}, {200, 150}}},
        {.nome = "covering the whole outline",
         .parete = rettangolo,
         .zona = {{{-50, -50}, {-50, 250}, {350, 250}, {350, -50}}},
         .atteso = {{0, 0}, {0, 200}, {300, 200}, {300, 0}, {0, 0}}},
        {.nome = "edited outer perimeter with a notch",
         // Zone x 50..250, y 100..250 against the six-point perimeter: enters at
         // (50, 200) on its top edge, follows (100, 200), (100, 150), leaves at (250, 150).
         .parete = [] {
             Parete p = PareteRettangolare(300, 200);
             p.PerimetroEsterno = Chiuso({{0, 0}, {0, 200}, {100, 200}, {100, 150}, {300, 150}, {300, 0}});
             p.NumPuntiEst = 6;
             return p;
         }(),
         .zona = {{{50, 100}, {50, 250}, {250, 250}, {250, 100}}},
         .atteso = {{50, 100}, {50, 200}, {100, 200}, {100, 150}, {250, 150}, {250, 100}}},
        {.nome = "opening straddling the right zone side",
         // Opening x 130..170, y 80..120 meets x = 150 at y = 120 and y = 80; the
         // inner corners (130, 120), (130, 80) follow counter-clockwise.
         .parete = ConApertura(rettangolo, 130, 80, 170, 120),
         .zona = {{{50, 50}, {50, 150}, {150, 150}, {150, 50}}},
         .atteso = {{50, 50}, {50, 150}, {150, 150}, {150, 120}, {130, 120}, {130, 80}, {150, 80}, {150, 50}}},
        {.nome = "opening wholly inside the zone",
         // The opening's ring from its first vertex, that vertex again, then
         // the zone's last corner: the slit.
         .parete = ConApertura(rettangolo, 100, 50, 150, 100),
         .zona = {{{50, 20}, {50, 180}, {250, 180}, {250, 20}}},
         .atteso = {{50, 20}, {50, 180}, {250, 180}, {250, 20},
                    {100, 50}, {100, 100}, {150, 100}, {150, 50}, {100, 50}, {250, 20}}},
    };
    const Impostazioni imp = ImpostazioniProva();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Parete p = Prepara(c.parete);
        StatoInterfaccia s = StatoConZona(c.zona, c.tipo);
        ASSERT_TRUE(RitagliaZona(s, p, imp));
        AttesoPoligono(s, c.atteso);
    }
}

TEST(RitagliaZona, NoPolygonLeavesTheBufferAsItWas) {
    const Caso casi[] = {
        {.nome = "wholly outside the outline",
         .parete = PareteRettangolare(300, 200),
         .zona = {{{400, 50}, {400, 150}, {450, 150}, {450, 50}}}},
        {.nome = "wholly inside an enlarged opening",
         .parete = ConApertura(PareteRettangolare(300, 200), 100, 50, 200, 150),
         .zona = {{{120, 70}, {120, 130}, {180, 130}, {180, 70}}}},
    };
    const Impostazioni imp = ImpostazioniProva();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Parete p = Prepara(c.parete);
        StatoInterfaccia s = StatoConZona(c.zona);
        const StatoInterfaccia prima = s;
        EXPECT_FALSE(RitagliaZona(s, p, imp));
        EXPECT_EQ(s, prima);
    }
}

// A zone whose sides run along slanted directions, crossing a straight side
// far from the origin: each crossing point must still be found on the slanted
// zone side within the collinearity tolerance, or the polygon loses it.
TEST(RitagliaZona, SlantedZoneKeepsBothCrossingsFarFromTheOrigin) {
    const Caso casi[] = {
        {.nome = "directions 105 and 60 degrees, across the top side",
         // y = 400 meets (556,227)-(505,417) at t = 173/190: x = 556 - 51 * 173/190,
         // and (505,417)-(657,376) at t = 17/41: x = 505 + 152 * 17/41.
         .parete = PareteRettangolare(800, 400),
         .zona = {{{556, 227}, {505, 417}, {657, 376}, {708, 186}}},
         .atteso = {{556, 227}, {509.56316f, 400}, {568.02439f, 400}, {657, 376}, {708, 186}}},
        {.nome = "directions 40 and 10 degrees, across the right side",
         // x = 2900 meets (2881,464)-(2935,510) at t = 19/54: y = 464 + 46 * 19/54,
         // and (2935,510)-(2856,416) at t = 35/79: y = 510 - 94 * 35/79.
         .parete = PareteRettangolare(2900, 700),
         .zona = {{{2881, 464}, {2935, 510}, {2856, 416}, {2802, 370}}},
         .atteso = {{2881, 464}, {2900, 480.18518f}, {2900, 468.35443f}, {2856, 416}, {2802, 370}}},
    };
    const Impostazioni imp = ImpostazioniProva();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Parete p = Prepara(c.parete);
        StatoInterfaccia s = StatoConZona(c.zona);
        ASSERT_TRUE(RitagliaZona(s, p, imp));
        AttesoPoligono(s, c.atteso);
    }
}
