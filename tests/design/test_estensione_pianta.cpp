// The extents a view is fitted to hold everything the view draws: fitted to
// them, the title, the top dimensions, the legend or the position table and
// the sections under the elevation all land on the canvas.

#include "design/DisElementiVista.h"
#include "design/DisTavola.h"
#include "design/EstensioneTavola.h"
#include "design/Modifica.h"
#include "drawing/ComandiVista.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/QuoteFormato.h"
#include "model/Sezioni.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int VistaTavola = 5;
constexpr int VistaMappa = 9999;

// A 400 x 300 wall with one zone on each face, the automatic dimension
// chains, and the first sezioni of two section lines (a horizontal one at
// y 80, a vertical one at x 150) cut to the wall by the geometry tail.
struct PareteConVista {
    explicit PareteConVista(int sezioni) {
        Parete& p = banco.S.parete;
        AccodaPosizione(p, ZonaRettangolare(0, 0, 50, 50, 150, 250), Riquadro(50, 50, 150, 250));
        AccodaPosizione(p, ZonaRettangolare(1, 1, 200, 100, 350, 200), Riquadro(200, 100, 350, 200));
        QuotaturaAutomatica(p, FormatoQuoteDa(banco.S.imp));
        const std::vector<LineaSezione> linee = {Linea({-25, 80}, {425, 80}, 1),
                                                 Linea({150, -25}, {150, 325}, 0)};
        for (int k = 0; k < sezioni; ++k) p.Sezioni.push_back(linee[k]);
        p.UltSezione = static_cast<int>(p.Sezioni.size()) - 1;
        OrdinaSezioni(p);
        CodaGeometria(p, banco.S.stato);
        CodaArmatura(p, banco.S.imp);
    }

    static LineaSezione Linea(Punto da, Punto a, int orizzontale) {
        LineaSezione s;
        s.P0 = da;
        s.P1 = a;
        s.Orizzontale = orizzontale;
        return s;
    }

    SessionePosizioni banco;
};

struct CasoEstensione {
    const char* nome;
    int vista;     // the view id shown
    int sezioni;   // section lines of the wall
    const char* titolo;  // a text at the top of the elevation's frame
};

void PrintTo(const CasoEstensione& c, std::ostream* os) { *os << c.nome; }

class EstensioneVista : public ::testing::TestWithParam<CasoEstensione> {};

TEST_P(EstensioneVista, FittedToItsExtentsTheViewLandsWhollyOnTheCanvas) {
    const CasoEstensione& caso = GetParam();
    PareteConVista w(caso.sezioni);
    const Parete& p = w.banco.S.parete;
    ASSERT_EQ(p.UltSezione, caso.sezioni - 1);
    const Rettangolo est =
        caso.vista == VistaTavola ? EstensioneTavola(p) : EstensionePianta(p, caso.vista);
    // Never less than the elevation's frame.
    EXPECT_LE(est.Xmin, p.EstPianta.Xmin);
    EXPECT_LE(est.Ymin, p.EstPianta.Ymin);
    EXPECT_GE(est.Xmax, p.EstPianta.Xmax);
    EXPECT_GE(est.Ymax, p.EstPianta.Ymax);

    // A canvas of 800 x 600 pixels fitted as the window fits it.
    BancoDisegno banco;
    banco.VistaTela.LarghezzaTela = banco.Tela.Larghezza();
    banco.VistaTela.AltezzaTela = banco.Tela.Altezza();
    AdattaFinestra(banco.VistaTela, est);
    const BersaglioSchermo schermo = banco.Schermo();
    const BersagliPassata b{schermo, schermo};
    if (caso.vista == VistaTavola) DisTavola(p, b);
    else DisPiantaConSezioni(p, caso.vista, b);

    bool titolo = false;
    int fuori = 0;
    for (const TrattoTela& t : banco.Tela.Tratti) {
        if (t.Tipo == "Testo" && t.Testo == caso.titolo) titolo = true;
        const CasellaPixel box = CasellaTratto(t);
        if (!box.Dentro(banco.Tela.Larghezza(), banco.Tela.Altezza()) && ++fuori <= 5)
            ADD_FAILURE() << t.Tipo << " \"" << t.Testo << "\" at " << box.Xmin << ", " << box.Ymin
                          << " - " << box.Xmax << ", " << box.Ymax;
    }
    EXPECT_TRUE(titolo) << caso.titolo;
    EXPECT_EQ(fuori, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, EstensioneVista,
    ::testing::Values(
        CasoEstensione{.nome = "DiffusaPiu", .vista = 0, .sezioni = 0,
                       .titolo = "Armatura diffusa lato +"},
        CasoEstensione{.nome = "DiffusaPiuUnaSezione", .vista = 0, .sezioni = 1,
                       .titolo = "Armatura diffusa lato +"},
        CasoEstensione{.nome = "DiffusaPiuDueSezioni", .vista = 0, .sezioni = 2,
                       .titolo = "Armatura diffusa lato +"},
        CasoEstensione{.nome = "DiffusaMenoDueSezioni", .vista = 1, .sezioni = 2,
                       .titolo = "Armatura diffusa lato -"},
        CasoEstensione{.nome = "ZonePiu", .vista = 2, .sezioni = 0,
                       .titolo = "Armatura integrativa lato +"},
        CasoEstensione{.nome = "ZonePiuUnaSezione", .vista = 2, .sezioni = 1,
                       .titolo = "Armatura integrativa lato +"},
        CasoEstensione{.nome = "ZoneMenoDueSezioni", .vista = 3, .sezioni = 2,
                       .titolo = "Armatura integrativa lato -"},
        CasoEstensione{.nome = "TavolaDueSezioni", .vista = VistaTavola, .sezioni = 2,
                       .titolo = "Armatura integrativa lato -"}),
    [](const auto& info) { return std::string(info.param.nome); });

// A colour map draws within the elevation's frame: its extents are the frame.
TEST(EstensioneVista, AMapKeepsTheFrame) {
    PareteConVista w(2);
    const Parete& p = w.banco.S.parete;
    EXPECT_EQ(EstensionePianta(p, VistaMappa), p.EstPianta);
}

// The title of the view stands above the frame: the extents reach above it.
TEST(EstensioneVista, TheTitleStandsAboveTheFrame) {
    PareteConVista w(2);
    const Parete& p = w.banco.S.parete;
    EXPECT_GT(EstensionePianta(p, 0).Ymax, p.EstPianta.Ymax);
    EXPECT_LT(EstensionePianta(p, 0).Ymin, p.EstPianta.Ymin) << "the sections under it";
}

}  // namespace
