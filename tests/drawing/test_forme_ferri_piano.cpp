#include "drawing/FormeFerriPiano.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <vector>

void PrintTo(const PezzoFerro& p, std::ostream* os) {
    *os << "{tipo " << static_cast<int>(p.Tipo) << ", " << p.Inizio << ".." << p.Fine
        << ", gambe " << p.GambaIniziale << p.GambaFinale << ", prolunga " << p.Prolunga
        << ", etichetta " << p.CentroEtichetta << "+" << p.ScostamentoEtichetta << ", scritta "
        << (p.LunghezzaScritta ? std::to_string(*p.LunghezzaScritta) : "-") << ", contata "
        << (p.LunghezzaContata ? std::to_string(*p.LunghezzaContata) : "-") << "}";
}

namespace {

constexpr auto Unico = TipoPezzo::Unico;
constexpr auto Intero = TipoPezzo::Intero;
constexpr auto Accorciato = TipoPezzo::Accorciato;
constexpr auto Ultimo = TipoPezzo::Ultimo;

// A horizontal span of 600 cm bars from 0 to lunghezza, no legs.
CampataFerro Orizzontale(float lunghezza, float sovrapposizione) {
    CampataFerro c;
    c.Fine = lunghezza;
    c.Lunghezza = lunghezza;
    c.LungMax = 600.0f;
    c.Sovrapposizione = sovrapposizione;
    return c;
}

// The same laid as a vertical bar lays it.
CampataFerro Verticale(float lunghezza, float sovrapposizione) {
    CampataFerro c = Orizzontale(lunghezza, sovrapposizione);
    c.PezziDaLunghezza = true;
    c.InteroComeBarraMassima = true;
    return c;
}

CampataFerro ConGambe(CampataFerro c, float gamba) {
    c.ConGambaIniziale = true;
    c.GambaIniziale = gamba;
    c.TipoFine = FineCampata::Gamba;
    c.Termine = gamba;
    return c;
}

CampataFerro ConFine(CampataFerro c, FineCampata tipo, float termine) {
    c.TipoFine = tipo;
    c.Termine = termine;
    return c;
}

struct Caso {
    const char* nome;
    CampataFerro campata;
    std::vector<PezzoFerro> attesi;
};

}  // namespace

// Pieces as {type, start, end, start leg, end leg, run-on, label centre, label
// offset, length written, length counted}.
TEST(PianificaPezzi, CasiCalcolatiAMano) {
    const Caso casi[] = {
        // 1300 > 600: split. 1300 - 600 = 700 > 40: full 0..600, rest 700 + 104
        // = 804 from 600 - 104 = 496. 804 - 600 = 204 > 40: full 496..1096, rest
        // 204 + 104 = 308 from 992. 308 < 600: last 992..1300. Drawn 1508.
        {.nome = "1300 cm, 600 cm bars, 104 cm laps",
         .campata = Orizzontale(1300, 104),
         .attesi = {{Intero, 0, 600, false, false, 0, 300, 1.5f, 600.0f, std::nullopt},
                    {Intero, 496, 1096, false, false, 0, 796, 1.5f, 600.0f, std::nullopt},
                    {Ultimo, 992, 1300, false, false, 0, 1146, 1.5f, std::nullopt,
                     std::nullopt}}},
        // The same as a vertical bar: every full piece counts as one 600 cm bar.
        {.nome = "1300 cm vertical",
         .campata = Verticale(1300, 104),
         .attesi = {{Intero, 0, 600, false, false, 0, 300, 1.5f, 600.0f, 600},
                    {Intero, 496, 1096, false, false, 0, 796, 1.5f, 600.0f, 600},
                    {Ultimo, 992, 1300, false, false, 0, 1146, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 1120 - 600 = 520 > 40: full 0..600, rest 520 + 104 = 624 from 496.
        // 624 - 600 = 24, within the 40 cm reserve: shortened 496..1056 (560),
        // then the last from 1056 - 104 = 952 to 1120 (168).
        {.nome = "full, shortened, last",
         .campata = Orizzontale(1120, 104),
         .attesi = {{Intero, 0, 600, false, false, 0, 300, 1.5f, 600.0f, std::nullopt},
                    {Accorciato, 496, 1056, false, false, 0, 776, 2.0f, std::nullopt,
                     std::nullopt},
                    {Ultimo, 952, 1120, false, false, 0, 1036, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 620 - 600 = 20, within the 40 cm reserve: a piece of 600 - 40 = 560,
        // labelled 2 cm off, then the last from 560 - 50 = 510 to 620 (110).
        {.nome = "shortened then last",
         .campata = Orizzontale(620, 50),
         .attesi = {{Accorciato, 0, 560, false, false, 0, 280, 2.0f, std::nullopt,
                     std::nullopt},
                    {Ultimo, 510, 620, false, false, 0, 565, 1.5f, std::nullopt,
                     std::nullopt}}},
        // A vertical bar labels the shortened piece with its planned 560.
        {.nome = "shortened then last, vertical",
         .campata = Verticale(620, 50),
         .attesi = {{Accorciato, 0, 560, false, false, 0, 280, 2.0f, 560.0f, std::nullopt},
                    {Ultimo, 510, 620, false, false, 0, 565, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 794 >= 600 - 22 - 22 = 556: split. The first piece leaves room for the
        // start leg: 600 - 22 = 578, 794 - 578 = 216 > 40: full 0..578, rest 216 +
        // 104 = 320 from 474, last 474..794 with the end leg. 22 + 578 + 320 + 22.
        {.nome = "legs",
         .campata = ConGambe(Orizzontale(794, 104), 22),
         .attesi = {{Intero, 0, 578, true, false, 0, 289, 1.5f, 600.0f, std::nullopt},
                    {Ultimo, 474, 794, false, true, 0, 634, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 556 is not below 600 - 22 - 22, so the bar is planned, but 556 - 578 <
        // 0: its first piece is its last and carries both legs.
        {.nome = "first piece is the last",
         .campata = ConGambe(Orizzontale(556, 104), 22),
         .attesi = {{Ultimo, 0, 556, true, true, 0, 278, 1.5f, std::nullopt, std::nullopt}}},
        {.nome = "below the maximum length less the legs",
         .campata = ConGambe(Orizzontale(555, 104), 22),
         .attesi = {{Unico, 0, 555, true, true, 0, 277.5f, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 1000 is over 600, but 600 is not above a 600 cm lap: the bar stays whole.
        {.nome = "maximum length not above the lap",
         .campata = Orizzontale(1000, 600),
         .attesi = {{Unico, 0, 1000, false, false, 0, 500, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 600 - 570 = 30 leaves no room for the shortened piece.
        {.nome = "start leg leaves no room",
         .campata = ConGambe(Orizzontale(1000, 50), 570),
         .attesi = {{Unico, 0, 1000, true, true, 0, 500, 1.5f, std::nullopt,
                     std::nullopt}}},
        // A segment under a slab runs on by the lap: 300 < 600 - 124, one line
        // from 0 to 424.
        {.nome = "run-on of a whole segment",
         .campata = ConFine(Verticale(300, 124), FineCampata::Prolunga, 124),
         .attesi = {{Unico, 0, 300, false, false, 124, 150, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 500 >= 600 - 124: planned; 500 < 600: the last piece, whose run-on is
        // a stretch of its own from 500 to 624.
        {.nome = "run-on of a last piece",
         .campata = ConFine(Verticale(500, 124), FineCampata::Prolunga, 124),
         .attesi = {{Ultimo, 0, 500, false, false, 124, 250, 1.5f, std::nullopt,
                     std::nullopt}}},
        // A top leg of -4 cm (meshes deeper than the wall) ends the whole bar at 296.
        {.nome = "non-positive top leg",
         .campata = ConFine(Verticale(300, 124), FineCampata::Libera, -4),
         .attesi = {{Unico, 0, 300, false, false, -4, 150, 1.5f, std::nullopt,
                     std::nullopt}}},
        // 1000 - 600.5 = 399.5 > 40: full 0..600.5, counted as a 600 bar (the
        // half goes to even), rest 449.5 from 550.5.
        {.nome = "full piece counted as one rounded bar",
         .campata =
             [] {
                 CampataFerro c = Verticale(1000, 50);
                 c.LungMax = 600.5f;
                 return c;
             }(),
         .attesi = {{Intero, 0, 600.5f, false, false, 0, 300.25f, 1.5f, 600.5f, 600},
                    {Ultimo, 550.5f, 1000, false, false, 0, 775.25f, 1.5f, std::nullopt,
                     std::nullopt}}},
    };
    for (const Caso& c : casi) EXPECT_EQ(PianificaPezzi(c.campata), c.attesi) << c.nome;
}

TEST(PianificaPezzi, PezziSovrappostiCopronoLaCampata) {
    // Consecutive pieces overlap by the lap, the last one ends at the span's
    // end and the legs go to the two ends: 578 + 4 x 600 + 552 - 5 x 104 = 3010.
    CampataFerro c = ConGambe(Orizzontale(3010, 104), 22);
    c.Inizio = 10;
    c.Fine = 3020;
    const auto pezzi = PianificaPezzi(c);
    ASSERT_EQ(pezzi.size(), 6u);
    EXPECT_EQ(pezzi.front().Inizio, 10.0f);
    EXPECT_EQ(pezzi.back().Fine, 3020.0f);
    for (std::size_t i = 1; i < pezzi.size(); ++i)
        EXPECT_EQ(pezzi[i - 1].Fine - pezzi[i].Inizio, 104.0f) << "piece " << i;
    for (std::size_t i = 0; i < pezzi.size(); ++i) {
        EXPECT_EQ(pezzi[i].GambaIniziale, i == 0) << "piece " << i;
        EXPECT_EQ(pezzi[i].GambaFinale, i + 1 == pezzi.size()) << "piece " << i;
    }
}

// Whatever the bar and the maximum length, a split makes at most
// MassimoPezziFerro pieces; a bar that would need more stays whole.
TEST(PianificaPezzi, PezziLimitatiPerOgniCampata) {
    struct CasoLimite {
        const char* nome;
        CampataFerro campata;
        bool divisa;
    };
    const float infinito = std::numeric_limits<float>::infinity();
    const CasoLimite casi[] = {
        // Opening a perimeter vertex at 1e9 once split a bar like this into a
        // hundred million pieces; at 1e12 the rest stopped shrinking and the
        // pieces grew without end.
        {.nome = "7e10 cm bar", .campata = Orizzontale(7e10f, 104), .divisa = false},
        {.nome = "7e13 cm bar", .campata = Orizzontale(7e13f, 104), .divisa = false},
        {.nome = "infinite bar", .campata = Orizzontale(infinito, 104), .divisa = false},
        // The longest bar of the coordinate range, 2e5 x sqrt(2) cm.
        {.nome = "longest bar of the range", .campata = Orizzontale(282843, 104),
         .divisa = true},
        // 0.01 cm gained per piece: 28 million pieces.
        {.nome = "longest bar of the range, maximum just above the lap",
         .campata = Orizzontale(282843, 599.99f), .divisa = false},
        // 600 + 9997 x 500: 9997 full pieces and a last one.
        {.nome = "as many pieces as allowed", .campata = Orizzontale(4999100, 100),
         .divisa = true},
        {.nome = "two pieces more than allowed", .campata = Orizzontale(5000100, 100),
         .divisa = false},
    };
    for (const CasoLimite& c : casi) {
        const std::vector<PezzoFerro> pezzi = PianificaPezzi(c.campata);
        ASSERT_FALSE(pezzi.empty()) << c.nome;
        EXPECT_LE(pezzi.size(), static_cast<std::size_t>(MassimoPezziFerro)) << c.nome;
        EXPECT_EQ(pezzi.front().Tipo != Unico, c.divisa) << c.nome;
        EXPECT_EQ(pezzi.back().Fine, c.campata.Fine) << c.nome;
    }
}
