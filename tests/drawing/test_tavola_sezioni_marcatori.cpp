#include "PareteDiProva.h"
#include "TavolaDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <vector>

// Found by argument lookup next to Punto, in the global namespace.
static std::ostream& operator<<(std::ostream& os, const Punto& p) {
    return os << "(" << p.X << "," << p.Y << ")";
}

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
// The sheet placement of a 300 high wall: yV = 0; the first vertical view's
// faces at x 1000 and 1020, the first horizontal view's at y 150 and 130.
constexpr float X0 = 1000.0f, Y0 = 300.0f;

bool Vicini(float a, float b, float tolleranza = 1e-3f) { return std::fabs(a - b) < tolleranza; }

struct Tratto {
    float x1, y1, x2, y2;
    bool operator==(const Tratto& o) const {
        return Vicini(x1, o.x1) && Vicini(y1, o.y1) && Vicini(x2, o.x2) && Vicini(y2, o.y2);
    }
};
std::ostream& operator<<(std::ostream& os, const Tratto& t) {
    return os << "(" << t.x1 << "," << t.y1 << ")-(" << t.x2 << "," << t.y2 << ")";
}

std::vector<Tratto> Tratti(const std::vector<EntitaDxf>& linee) {
    std::vector<Tratto> v;
    for (const EntitaDxf& e : linee) v.push_back({e.Valori[0], e.Valori[1], e.Valori[2], e.Valori[3]});
    return v;
}

// A C-shaped zone around x 200..300 whose horizontal sides lie at y1 (full
// width), y2 and y3 (inner notch from x 220) and y4 (full width).
std::vector<Punto> ZonaC(float y1, float y2, float y3, float y4) {
    return {{200, y1}, {200, y4}, {300, y4}, {300, y3}, {220, y3}, {220, y2}, {300, y2}, {300, y1}};
}

}  // namespace

// A vertical section through x = 250 cuts a zone of horizontal bars (direction
// 2). The distributed bars it cuts are left out (spacing 0 draws none).
TEST(DisTavolaSezioni, GruppiDiMarcatoriDiUnaPosizione) {
    struct Caso {
        const char* nome;
        std::function<void(TavolaDiProva&)> prepara;
        std::vector<float> lungo;  // along the view, yV = 0
        int etichette;
    };
    const auto zona = [](float passo) {
        return [passo](TavolaDiProva& t) {
            t.Rettangolo(200, 100, 300, 200, IntegrativaPiu, 1, 12, passo);
        };
    };
    const auto angolo = [](float radianti) {
        return [radianti](TavolaDiProva& t) {
            t.P.AngoloArm2 = radianti;
            t.Rettangolo(200, 100, 300, 200, IntegrativaPiu, 1);
        };
    };
    const Caso casi[] = {
        {.nome = "at 90 degrees the markers lie one spacing apart",
         .prepara = zona(20),
         .lungo = {101, 121, 141, 161, 181},
         .etichette = 1},
        {.nome = "at 60 degrees the spacing along the section is 20 / sin 60",
         .prepara = angolo(Pi / 3.0f),
         .lungo = {101, 124.09401f, 147.18802f, 170.28203f, 193.37604f},
         .etichette = 1},
        {.nome = "a pair shorter than a step",
         .prepara = [](TavolaDiProva& t) { t.Rettangolo(200, 100, 300, 110, IntegrativaPiu, 1); },
         .lungo = {101},
         .etichette = 1},
        {.nome = "a position crossed twice",
         .prepara = [](TavolaDiProva& t) { t.Zona(ZonaC(50, 100, 200, 250), IntegrativaPiu, 1); },
         .lungo = {51, 71, 91, 201, 221, 241},
         .etichette = 2},
        {.nome = "an odd last crossing is ignored",
         .prepara =
             [](TavolaDiProva& t) {
                 // The cut line ends at y 150, inside the zone's upper arm.
                 t.P.Sezioni[0].P1.Y = 150.0f;
                 AggiungiApertura(t.P, 200, 120, 300, 140);
                 t.Zona(ZonaC(50, 100, 130, 170), IntegrativaPiu, 1);
             },
         .lungo = {51, 71, 91},
         .etichette = 1},
        {.nome = "spacing 0", .prepara = zona(0), .lungo = {}, .etichette = 0},
        {.nome = "negative spacing", .prepara = zona(-20), .lungo = {}, .etichette = 0},
        {.nome = "a step that rounds to 0", .prepara = zona(0.5f), .lungo = {}, .etichette = 0},
        {.nome = "parallel directions", .prepara = angolo(0.0f), .lungo = {}, .etichette = 0},
        {.nome = "opposite directions", .prepara = angolo(Pi), .lungo = {}, .etichette = 0},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TavolaDiProva t;
        t.P.PassoDir2Piu = t.P.PassoDir2Meno = 0.0f;
        t.Verticale(250);
        caso.prepara(t);
        t.Disegna(X0, Y0);
        std::vector<Punto> attesi;
        for (float s : caso.lungo) attesi.push_back({1016.4f, s});  // the far-face row b - c - 0.6
        const std::vector<Punto> trovati = t.Marcatori();
        ASSERT_EQ(trovati.size(), attesi.size());
        for (size_t i = 0; i < attesi.size(); ++i)
            EXPECT_TRUE(Vicini(trovati[i].X, attesi[i].X) && Vicini(trovati[i].Y, attesi[i].Y))
                << trovati[i] << " expected " << attesi[i];
        EXPECT_EQ(t.Etichette("1").size(), static_cast<size_t>(caso.etichette));
    }
}

TEST(DisTavolaSezioni, TaccheRegoloEdEtichetta) {
    struct Caso {
        const char* nome;
        bool verticale;
        int tipo;
        std::vector<Tratto> quote;  // ticks in order, then the rule
        Punto etichetta;            // as the DXF stream receives it
        float angolo;
        int allineaV;               // DXF value: the drawing's plus 1
    };
    const Caso casi[] = {
        {.nome = "far face of a vertical view: ticks from the label line b + 5",
         .verticale = true,
         .tipo = IntegrativaPiu,
         .quote = {{1025, 89, 1016.4f, 101},
                   {1025, 109, 1016.4f, 121},
                   {1025, 129, 1016.4f, 141},
                   {1025, 149, 1016.4f, 161},
                   {1025, 169, 1016.4f, 181},
                   {1025, 169, 1025, 13}},
         .etichetta = {1026 + 2, 13},  // a hanging text keeps 2 off its anchor
         .angolo = 90,
         .allineaV = 3},
        {.nome = "near face of a horizontal view: ticks from 12 above row a - c - 1.4",
         .verticale = false,
         .tipo = IntegrativaMeno,
         .quote = {{1189, 157.6f, 1201, 145.6f},
                   {1209, 157.6f, 1221, 145.6f},
                   {1229, 157.6f, 1241, 145.6f},
                   {1249, 157.6f, 1261, 145.6f},
                   {1269, 157.6f, 1281, 145.6f},
                   {1269, 157.6f, 1113, 157.6f}},
         .etichetta = {1113, 158.6f},
         .angolo = 0,
         .allineaV = 1},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TavolaDiProva t;
        t.P.PassoDir1Piu = t.P.PassoDir1Meno = t.P.PassoDir2Piu = t.P.PassoDir2Meno = 0.0f;
        if (caso.verticale) t.Verticale(250);
        else t.Orizzontale(150);
        // Bars across the section: direction 2 for a vertical one, 1 for a horizontal one.
        t.Rettangolo(200, 100, 300, 200, caso.tipo, caso.verticale ? 1 : 0);
        t.Disegna(X0, Y0);
        EXPECT_EQ(Tratti(t.Linee("QUOTE")), caso.quote);
        const auto etichette = t.Etichette("1");
        ASSERT_EQ(etichette.size(), 1u);
        EXPECT_EQ(etichette[0].Testo, "1\xC3\x98" "12/20.0  (1)");
        EXPECT_TRUE(Vicini(etichette[0].Valori[0], caso.etichetta.X) &&
                    Vicini(etichette[0].Valori[1], caso.etichetta.Y))
            << etichette[0].Valori[0] << "," << etichette[0].Valori[1];
        EXPECT_EQ(etichette[0].Valori[3], caso.angolo);
        EXPECT_EQ(etichette[0].Interi, (std::vector<int>{0, caso.allineaV}));
    }
}

TEST(DisTavolaSezioni, TestoDelGruppoConIlNumeroDellaPosizione) {
    TavolaDiProva t;
    t.P.PassoDir2Piu = t.P.PassoDir2Meno = 0.0f;
    t.Verticale(250);
    t.Rettangolo(400, 100, 450, 200, IntegrativaPiu, 1);  // not crossed
    t.Rettangolo(400, 200, 450, 250, IntegrativaPiu, 1);  // not crossed
    t.Rettangolo(200, 100, 300, 200, IntegrativaPiu, 1, 12, 20);
    t.Rettangolo(200, 220, 300, 260, IntegrativaPiu, 1, 8, 12.5f);
    t.Disegna(X0, Y0);
    const auto etichette = t.Etichette("1");
    ASSERT_EQ(etichette.size(), 2u);
    EXPECT_EQ(etichette[0].Testo, "1\xC3\x98" "12/20.0  (3)");
    EXPECT_EQ(etichette[1].Testo, "1\xC3\x98" "8/12.5  (4)");
}

// The distributed bars cut across: 10 mm bars (dm = 1 cm), cover 3: a run over
// the inner pair (s0, s1) covers s0 + 4 .. s1 - 2 on the grid n x step + 4.
TEST(DisTavolaSezioni, DiffusaTagliataNelleDueCollocazioni) {
    const auto relativi = [](float x0, float y0) {
        TavolaDiProva t;
        t.Verticale(250);
        t.Disegna(x0, y0);
        // Relative to the left face (the only view: at x0) and to yV = y0 - 300.
        std::vector<Punto> v;
        for (const Punto& p : t.Marcatori()) v.push_back({p.X - x0, p.Y - (y0 - 300.0f)});
        return v;
    };
    const std::vector<Punto> foglio = relativi(X0, Y0);
    const std::vector<Punto> sottoVista = relativi(0.0f, -140.0f);
    std::vector<Punto> attesi;
    for (float riga : {16.4f, 3.6f})  // "lato +" at b - c - 0.6, then "lato -" at a + c + 0.6
        for (int n = 0; n <= 14; ++n) attesi.push_back({riga, 4.0f + 20.0f * n});
    ASSERT_EQ(foglio.size(), attesi.size());
    ASSERT_EQ(sottoVista.size(), attesi.size());
    for (size_t i = 0; i < attesi.size(); ++i) {
        EXPECT_TRUE(Vicini(foglio[i].X, attesi[i].X) && Vicini(foglio[i].Y, attesi[i].Y))
            << foglio[i] << " expected " << attesi[i];
        EXPECT_TRUE(Vicini(sottoVista[i].X, attesi[i].X) && Vicini(sottoVista[i].Y, attesi[i].Y))
            << sottoVista[i] << " expected " << attesi[i];
    }
}

TEST(DisTavolaSezioni, DiffusaTagliataSenzaUnPassoValido) {
    struct Caso {
        const char* nome;
        float passoPiu, passoMeno, angolo;
        size_t piu, meno;  // markers on the two rows
    };
    const Caso casi[] = {
        {.nome = "both faces", .passoPiu = 20, .passoMeno = 50, .angolo = Pi / 2, .piu = 15, .meno = 6},
        {.nome = "spacing 0 on lato +", .passoPiu = 0, .passoMeno = 50, .angolo = Pi / 2, .piu = 0, .meno = 6},
        {.nome = "parallel directions", .passoPiu = 20, .passoMeno = 50, .angolo = 0, .piu = 0, .meno = 0},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        TavolaDiProva t;
        t.P.PassoDir2Piu = caso.passoPiu;
        t.P.PassoDir2Meno = caso.passoMeno;
        t.P.AngoloArm2 = caso.angolo;
        t.Verticale(250);
        t.Disegna(X0, Y0);
        const auto m = t.Marcatori();
        EXPECT_EQ(std::count_if(m.begin(), m.end(), [](const Punto& p) { return Vicini(p.X, 1016.4f); }),
                  static_cast<long>(caso.piu));
        EXPECT_EQ(std::count_if(m.begin(), m.end(), [](const Punto& p) { return Vicini(p.X, 1003.6f); }),
                  static_cast<long>(caso.meno));
    }
}

// Rounding the start and the step to find the grid drifts over a long wall:
// at 22.6 cm the grid point below 1504 is 66 x 22.6 + 4 = 1495.6, inside the
// opening 1400..1500; the first marker after it is at 67 x 22.6 + 4 = 1518.2.
TEST(DisTavolaSezioni, DiffusaTagliataDopoUnaAperturaLontana) {
    TavolaDiProva t(2000.0f, 300.0f);
    AggiungiApertura(t.P, 1400, 100, 1500, 200);
    t.P.PassoDir1Piu = t.P.PassoDir1Meno = 22.6f;
    t.Orizzontale(150);
    t.Disegna(0.0f, Y0);
    bool trovato = false;
    for (const Punto& p : t.Marcatori()) {
        EXPECT_FALSE(p.X > 1398.0f + 1e-3f && p.X < 1504.0f) << "marker in the opening: " << p;
        if (Vicini(p.X, 1518.2f, 0.01f)) trovato = true;
    }
    EXPECT_TRUE(trovato);
}

TEST(DisTavolaSezioni, MagliaUnicaUnaRigaCentrale) {
    TavolaDiProva t;
    t.P.MagliaUnica = -1;
    t.Orizzontale(150);
    t.Disegna(X0, Y0);
    // Faces at 150 and 130: the middle row 140 + 0.6; "lato -" at 20, 4 .. 484.
    const auto m = t.Marcatori();
    ASSERT_EQ(m.size(), 25u);
    for (size_t i = 0; i < m.size(); ++i) {
        EXPECT_TRUE(Vicini(m[i].Y, 140.6f)) << m[i];
        EXPECT_TRUE(Vicini(m[i].X, X0 + 4.0f + 20.0f * i)) << m[i];
    }
}
