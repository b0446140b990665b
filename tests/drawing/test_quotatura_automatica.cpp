#include "drawing/QuotaturaAutomatica.h"
#include "model/Estensione.h"
#include "model/Parete.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const FormatoQuote Formato{.Decimali = 1, .InMetri = 0, .Separatore = "."};

// A dimension as the chains make it: line ends, measured points and text.
struct Attesa {
    float X1, Y1, X2, Y2;
    float XA, YA, XB, YB;
    std::string Testo;
};

struct Livello {
    float X, Y, Valore;
};

SolaioParete Banda(float coordinata, float spessore1, float spessore2) {
    SolaioParete s;
    s.Coordinata = coordinata;
    s.Spessore1 = spessore1;
    s.Spessore2 = spessore2;
    return s;
}

// The wall on the clockwise ring, lifted 1000 cm above the analysis origin,
// with its slabs and transverse walls and its extents.
Parete Muro(const std::vector<Punto>& anello, std::vector<SolaioParete> solai = {},
            std::vector<SolaioParete> pareti = {}) {
    Parete p = PareteDaContorno(anello);
    p.OrigineY = 1000.0f;
    if (!solai.empty()) {
        p.UltSolaio = static_cast<int>(solai.size()) - 1;
        p.Solai = std::move(solai);
    }
    if (!pareti.empty()) {
        p.UltParete = static_cast<int>(pareti.size()) - 1;
        p.ParetiTrasversali = std::move(pareti);
    }
    CalcolaEstensione(p);
    return p;
}

void VerificaQuote(const Parete& p, const std::vector<Attesa>& attese) {
    ASSERT_EQ(p.UltQuota + 1, static_cast<int>(attese.size()));
    for (std::size_t i = 0; i < attese.size(); ++i) {
        const Quota& q = p.Quote[i];
        const Attesa& a = attese[i];
        SCOPED_TRACE("quota " + std::to_string(i));
        EXPECT_NEAR(q.X1, a.X1, 1e-3f);
        EXPECT_NEAR(q.Y1, a.Y1, 1e-3f);
        EXPECT_NEAR(q.X2, a.X2, 1e-3f);
        EXPECT_NEAR(q.Y2, a.Y2, 1e-3f);
        EXPECT_NEAR(q.XA, a.XA, 1e-3f);
        EXPECT_NEAR(q.YA, a.YA, 1e-3f);
        EXPECT_NEAR(q.XB, a.XB, 1e-3f);
        EXPECT_NEAR(q.YB, a.YB, 1e-3f);
        EXPECT_EQ(q.Testo, a.Testo);
        EXPECT_EQ(q.Vista, -1);
    }
}

void VerificaLivelli(const Parete& p, const std::vector<Livello>& attesi) {
    ASSERT_EQ(p.NumQuoteLivello, static_cast<int>(attesi.size()));
    ASSERT_GE(p.QuoteLivello.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i) {
        SCOPED_TRACE("livello " + std::to_string(i));
        EXPECT_FLOAT_EQ(p.QuoteLivello[i].X, attesi[i].X);
        EXPECT_FLOAT_EQ(p.QuoteLivello[i].Y, attesi[i].Y);
        EXPECT_FLOAT_EQ(p.QuoteLivello[i].Valore, attesi[i].Valore);
        EXPECT_EQ(p.QuoteLivello[i].Vista, -1);
    }
}

}  // namespace

// Chains stand 60 cm beyond the box: top y 300 + 60 = 360, bottom 0 - 60 =
// -60, left x 0 - 60 = -60, right 500 + 60 = 560; marks at -60 - 20 = -80.
TEST(QuotaturaAutomatica, CasiDiProva) {
    struct Caso {
        const char* nome;
        Parete parete;
        std::vector<Attesa> quote;  // top, bottom, left, right chains in turn
        std::vector<Livello> livelli;
    };
    const Caso casi[] = {
        {.nome = "rectangle 500 x 300",
         .parete = Muro(AnelloRettangolare(500, 300)),
         .quote = {{0, 360, 500, 360, 0, 300, 500, 300, "500.0"},
                   {0, -60, 500, -60, 0, 0, 500, 0, "500.0"},
                   {-60, 0, -60, 300, 0, 0, 0, 300, "300.0"},
                   {560, 0, 560, 300, 500, 0, 500, 300, "300.0"}},
         .livelli = {{-80, 0, 1000}, {-80, 300, 1300}}},
        // Slab top 135 + 15 = 150: the sides split 150 + 150; its points lie
        // at x 0 and 500, so the top and bottom chains stay as they were.
        {.nome = "slab with its top at 150",
         .parete = Muro(AnelloRettangolare(500, 300), {Banda(135, 15, 15)}),
         .quote = {{0, 360, 500, 360, 0, 300, 500, 300, "500.0"},
                   {0, -60, 500, -60, 0, 0, 500, 0, "500.0"},
                   {-60, 0, -60, 150, 0, 0, 0, 150, "150.0"},
                   {-60, 150, -60, 300, 0, 150, 0, 300, "150.0"},
                   {560, 0, 560, 150, 500, 0, 500, 150, "150.0"},
                   {560, 150, 560, 300, 500, 150, 500, 300, "150.0"}},
         .livelli = {{-80, 0, 1000}, {-80, 150, 1150}, {-80, 300, 1300}}},
        // Transverse wall faces 215 - 15 = 200 and 215 + 15 = 230: the top and
        // bottom chains split 200 + 30 + 270.
        {.nome = "transverse wall from 200 to 230",
         .parete = Muro(AnelloRettangolare(500, 300), {}, {Banda(215, 15, 15)}),
         .quote = {{0, 360, 200, 360, 0, 300, 200, 300, "200.0"},
                   {200, 360, 230, 360, 200, 300, 230, 300, "30.0"},
                   {230, 360, 500, 360, 230, 300, 500, 300, "270.0"},
                   {0, -60, 200, -60, 0, 0, 200, 0, "200.0"},
                   {200, -60, 230, -60, 200, 0, 230, 0, "30.0"},
                   {230, -60, 500, -60, 230, 0, 500, 0, "270.0"},
                   {-60, 0, -60, 300, 0, 0, 0, 300, "300.0"},
                   {560, 0, 560, 300, 500, 0, 500, 300, "300.0"}},
         .livelli = {{-80, 0, 1000}, {-80, 300, 1300}}},
        // Notch on the right side, apex (450, 100): every chain sees one
        // dimension; the level 100 and the abscissa 450 are hidden from all four.
        {.nome = "V-shaped notch",
         .parete = Muro({{0, 0}, {0, 200}, {500, 200}, {450, 100}, {500, 0}}),
         .quote = {{0, 260, 500, 260, 0, 200, 500, 200, "500.0"},
                   {0, -60, 500, -60, 0, 0, 500, 0, "500.0"},
                   {-60, 0, -60, 200, 0, 0, 0, 200, "200.0"},
                   {560, 0, 560, 200, 500, 0, 500, 200, "200.0"}},
         .livelli = {{-80, 0, 1000}, {-80, 200, 1200}}},
        // L-shaped wall 600 x 400, the left part 200 wide rising to 400, the
        // right part 250 high; slab top 85 + 15 = 100, transverse wall faces
        // 395 - 15 = 380 and 395 + 15 = 410. Box 0..600 x 0..400.
        // Top (y 460): x 0, 200, 380, 410 keep y 400, x 600 keeps 250:
        //   200 + 180 + 30 + 190.
        // Bottom (y -60): x 200 keeps 250, above the level 0 before it while x
        //   380 lies at 0 again: hidden. 380 + 30 + 190.
        // Left (x -60): y 0, 100, 400 keep x 0, y 250 keeps 200; only the
        //   second entry of four is examined, so 250 stays: 100 + 150 + 150,
        //   four marks.
        // Right (x 660): y 0, 100, 250 keep 600, y 400 keeps 410 (the wall
        //   face): 100 + 150 + 150.
        {.nome = "L-shaped wall with a slab and a transverse wall",
         .parete = Muro({{0, 0}, {0, 400}, {200, 400}, {200, 250}, {600, 250}, {600, 0}},
                        {Banda(85, 15, 15)}, {Banda(395, 15, 15)}),
         .quote = {{0, 460, 200, 460, 0, 400, 200, 400, "200.0"},
                   {200, 460, 380, 460, 200, 400, 380, 400, "180.0"},
                   {380, 460, 410, 460, 380, 400, 410, 400, "30.0"},
                   {410, 460, 600, 460, 410, 400, 600, 250, "190.0"},
                   {0, -60, 380, -60, 0, 0, 380, 0, "380.0"},
                   {380, -60, 410, -60, 380, 0, 410, 0, "30.0"},
                   {410, -60, 600, -60, 410, 0, 600, 0, "190.0"},
                   {-60, 0, -60, 100, 0, 0, 0, 100, "100.0"},
                   {-60, 100, -60, 250, 0, 100, 200, 250, "150.0"},
                   {-60, 250, -60, 400, 200, 250, 0, 400, "150.0"},
                   {660, 0, 660, 100, 600, 0, 600, 100, "100.0"},
                   {660, 100, 660, 250, 600, 100, 600, 250, "150.0"},
                   {660, 250, 660, 400, 600, 250, 410, 400, "150.0"}},
         .livelli = {{-80, 0, 1000}, {-80, 100, 1100}, {-80, 250, 1250}, {-80, 400, 1400}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Parete p = c.parete;
        QuotaturaAutomatica(p, Formato);
        VerificaQuote(p, c.quote);
        VerificaLivelli(p, c.livelli);
    }
}

TEST(QuotaturaAutomatica, AccodaAlleQuoteESostituisceILivelli) {
    Parete p = Muro(AnelloRettangolare(500, 300));
    QuotaturaAutomatica(p, Formato);
    QuotaturaAutomatica(p, Formato);
    EXPECT_EQ(p.UltQuota, 7);  // the caller empties the dimensions first
    EXPECT_EQ(p.NumQuoteLivello, 2);
}

TEST(QuotaturaAutomatica, TestoNelFormatoDato) {
    Parete p = Muro(AnelloRettangolare(500, 300));
    QuotaturaAutomatica(p, {.Decimali = 2, .InMetri = 1, .Separatore = ","});
    EXPECT_EQ(p.Quote[0].Testo, "5,00");
    EXPECT_EQ(p.Quote[2].Testo, "3,00");
}

// Each chain procedure on its own, over points already sorted along it.
TEST(CatenaQuote, CasiDiProva) {
    enum class Lato { Sup, Inf, Sx, Dx };
    struct Caso {
        const char* nome;
        Lato lato;
        std::vector<Punto> punti;
        float quota;
        std::vector<Attesa> quote;
        int livelli = 0;
    };
    const Caso casi[] = {
        {.nome = "no point", .lato = Lato::Sup, .punti = {}, .quota = 100, .quote = {}},
        {.nome = "one point", .lato = Lato::Sup, .punti = {{0, 0}}, .quota = 100, .quote = {}},
        {.nome = "one point on the left", .lato = Lato::Sx, .punti = {{0, 0}}, .quota = -60,
         .quote = {}, .livelli = 0},
        // The second of two entries is examined with nothing after it: visible.
        {.nome = "two points, the second inward",
         .lato = Lato::Sup,
         .punti = {{0, 50}, {100, 20}},
         .quota = 100,
         .quote = {{0, 100, 100, 100, 0, 50, 100, 20, "100.0"}}},
        {.nome = "two points on the left",
         .lato = Lato::Sx,
         .punti = {{0, 0}, {10, 40}},
         .quota = -60,
         .quote = {{-60, 0, -60, 40, 0, 0, 10, 40, "40.0"}},
         .livelli = 2},
        // 200 and 200.0005 count as one abscissa; the outer (higher) point stays.
        {.nome = "one abscissa, outer point last",
         .lato = Lato::Sup,
         .punti = {{0, 100}, {200, 100}, {200.0005f, 150}},
         .quota = 400,
         .quote = {{0, 400, 200.0005f, 400, 0, 100, 200.0005f, 150, "200.0"}}},
        {.nome = "one abscissa, outer point first",
         .lato = Lato::Sup,
         .punti = {{0, 100}, {200, 150}, {200.0005f, 100}},
         .quota = 400,
         .quote = {{0, 400, 200, 400, 0, 100, 200, 150, "200.0"}}},
        // A point on the chain line and one beyond it are left out.
        {.nome = "points on and beyond the line",
         .lato = Lato::Inf,
         .punti = {{0, 0}, {50, -60}, {70, -80}, {100, 0}},
         .quota = -60,
         .quote = {{0, -60, 100, -60, 0, 0, 100, 0, "100.0"}}},
        // Right chain: the entry at 100 lies inward of 300 with 300 after it.
        {.nome = "re-entrant level on the right",
         .lato = Lato::Dx,
         .punti = {{300, 0}, {100, 50}, {300, 80}, {300, 120}, {300, 200}},
         .quota = 400,
         .quote = {{400, 0, 400, 80, 300, 0, 300, 80, "80.0"},
                   {400, 80, 400, 120, 300, 80, 300, 120, "40.0"},
                   {400, 120, 400, 200, 300, 120, 300, 200, "80.0"}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Parete p = Muro(AnelloRettangolare(500, 300));
        p.NumQuoteLivello = 5;  // the left chain starts them again
        p.QuoteLivello.resize(5);
        // Exactly as many elements as points: nothing past them may be read.
        const std::vector<Punto> punti = c.punti;
        switch (c.lato) {
            case Lato::Sup: QuotaAutoSup(p, punti, c.quota, Formato); break;
            case Lato::Inf: QuotaAutoInf(p, punti, c.quota, Formato); break;
            case Lato::Sx: QuotaAutoSx(p, punti, c.quota, Formato); break;
            case Lato::Dx: QuotaAutoDx(p, punti, c.quota, Formato); break;
        }
        VerificaQuote(p, c.quote);
        EXPECT_EQ(p.NumQuoteLivello, c.lato == Lato::Sx ? c.livelli : 5);
    }
}
