#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "design/SalvaParete.h"
#include "model/Sessione.h"
#include "model/Sezioni.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "StampaSezione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The rectangle 400 x 300 with the given reinforcement angles, structure
// type 0, and a few nodes.
std::string FileParete(const std::string& angolo1, const std::string& angolo2) {
    return "VERSIONE 1\r\nKORVANE\r\n5 0 Parete e tipo\r\n4 Vertici contorno\r\n"
           "0 0 Vertice\r\n0 300 Vertice\r\n400 300 Vertice\r\n400 0 Vertice\r\n"
           "0 Fine aperture\r\n20 3 Spessore copriferro\r\n" +
           angolo1 + " 25 12 12 Direzione 1\r\n" + angolo2 +
           " 20 10 12 Direzione 2\r\n0 Lato meno uguale\r\n4 Nodi\r\n"
           "1 100 75 1 1 4.5 3.9 Nodo\r\n2 300 75 1 1 4.5 5.0 Nodo\r\n"
           "3 100 225 1 1 6.0 5.0 Nodo\r\n4 300 225 1 1 6.0 5.0 Nodo\r\n"
           "0 0 0 0 0 Dati lati\r\n0 Fine\r\n";
}

LineaSezione Taglio(Punto centro, double gradi, int orizzontale) {
    const double c = 1000.0 * std::cos(gradi * M_PI / 180.0);
    const double s = 1000.0 * std::sin(gradi * M_PI / 180.0);
    LineaSezione t;
    t.P0 = {static_cast<float>(centro.X - c), static_cast<float>(centro.Y - s)};
    t.P1 = {static_cast<float>(centro.X + c), static_cast<float>(centro.Y + s)};
    t.Orizzontale = orizzontale;
    return t;
}

std::vector<LineaSezione> Sezioni(const Parete& p) {
    return {p.Sezioni.begin(), p.Sezioni.begin() + (p.UltSezione + 1)};
}

struct CasoRiapertura {
    std::string Nome;
    std::string Angolo1, Angolo2;
};

void PrintTo(const CasoRiapertura& c, std::ostream* os) { *os << c.Nome; }

class Riapertura : public testing::TestWithParam<CasoRiapertura> {
protected:
    // Opens the wall in a fresh session.
    void Apri(Sessione& s) {
        ASSERT_TRUE(LeggiParete(s, parete, finestra).Riuscito());
        s.parete.FileCorrente = parete;
        s.parete.CartellaLavoro = cartella.Percorso().string();
    }

    CartellaTemporanea cartella;
    std::string parete;
    FinestraRegistrata finestra;
};

}  // namespace

// Sections placed on the wall, saved and opened again, stay where they were
// placed whatever the reinforcement angles; a second save and reopening and
// three geometry passes leave every record bit for bit.
TEST_P(Riapertura, SectionsStayWhereTheyWerePlaced) {
    const CasoRiapertura& c = GetParam();
    parete = cartella.Scrivi("P5.SET", FileParete(c.Angolo1, c.Angolo2));

    Sessione posate;
    Apri(posate);
    // The two worked sections, a vertical one along direction 1 as the section
    // command lays it, and a horizontal one cut at 30 degrees.
    std::vector<LineaSezione> tagli{Taglio({200, 100}, 0, 1), Taglio({150, 150}, 90, 0),
                                    LineaDiProva(posate.parete, 0, {350, 150}),
                                    Taglio({200, 150}, 30, 1)};
    Parete& p = posate.parete;
    p.Sezioni.clear();
    for (LineaSezione& t : tagli) {
        ASSERT_TRUE(RitagliaSezione(p, t));
        p.Sezioni.push_back(t);
    }
    p.UltSezione = static_cast<int>(tagli.size()) - 1;
    OrdinaSezioni(p);
    const std::vector<LineaSezione> attese = Sezioni(p);
    ASSERT_TRUE(SalvaParete(posate, parete, finestra).Riuscito());

    Sessione prima;
    Apri(prima);
    const std::vector<LineaSezione> aperte = Sezioni(prima.parete);
    ASSERT_EQ(aperte.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        SCOPED_TRACE(i);
        // The reinforcement file keeps 3 decimals.
        for (auto [a, b] : {std::pair{aperte[i].P0, attese[i].P0}, {aperte[i].P1, attese[i].P1},
                            {aperte[i].P2, attese[i].P2}, {aperte[i].P5, attese[i].P5}}) {
            EXPECT_NEAR(a.X, b.X, 5e-4f);
            EXPECT_NEAR(a.Y, b.Y, 5e-4f);
        }
        EXPECT_EQ(aperte[i].Orizzontale, attese[i].Orizzontale);
    }
    // The worked sections of the rectangle, first of their orientation.
    EXPECT_EQ(aperte[0].P0, (Punto{150, -25}));
    EXPECT_EQ(aperte[0].P1, (Punto{150, 325}));
    EXPECT_EQ(aperte[2].P0, (Punto{-25, 100}));
    EXPECT_EQ(aperte[2].P1, (Punto{425, 100}));
    EXPECT_EQ(aperte[2].P3, (Punto{-25, 50}));

    ASSERT_TRUE(SalvaParete(prima, parete, finestra).Riuscito());
    Sessione seconda;
    Apri(seconda);
    EXPECT_EQ(Sezioni(seconda.parete), aperte);

    for (int passata = 1; passata <= 3; ++passata) {
        CodaGeometria(seconda.parete, seconda.stato);
        EXPECT_EQ(Sezioni(seconda.parete), aperte) << "pass " << passata;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabella, Riapertura,
                         testing::Values(CasoRiapertura{"Angles90And90", "90", "90"},
                                         CasoRiapertura{"Angles90And0", "90", "0"},
                                         CasoRiapertura{"Angles75And165", "75", "165"},
                                         CasoRiapertura{"Angles40AndMinus30", "40", "-30"}),
                         [](const auto& info) { return info.param.Nome; });
