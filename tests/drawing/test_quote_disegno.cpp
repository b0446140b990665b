#include "drawing/Palette.h"
#include "drawing/Primitive.h"
#include "drawing/QuoteDisegno.h"
#include "drawing/QuoteEvidenzia.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <clocale>
#include <vector>

// The test canvas (BancoDisegno) shows model (x, y) cm at pixel (2x, 600 - 2y);
// DXF units are 2 per cm.

namespace {

void ValoriVicini(const std::vector<float>& ottenuti, const std::vector<float>& attesi) {
    ASSERT_EQ(ottenuti.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_NEAR(ottenuti[i], attesi[i], 0.01f) << "valore " << i;
}

Quota Dimensione(float x1, float y1, float x2, float y2, int vista) {
    return {.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .Vista = vista,
            .XA = x1, .YA = y1 - 50, .XB = x2, .YB = y2 - 50};
}

ProgettoParete ConQuote(std::vector<Quota> quote, std::vector<QuotaLivello> livelli) {
    ProgettoParete p;
    p.UltQuota = static_cast<int>(quote.size()) - 1;
    if (!quote.empty()) p.Quote = std::move(quote);
    p.NumQuoteLivello = static_cast<int>(livelli.size());
    if (!livelli.empty()) p.QuoteLivello = std::move(livelli);
    return p;
}

MascheraLayer Senza(int layer) {
    MascheraLayer m = TuttiILayer();
    m[layer] = 0;
    return m;
}

}  // namespace

// Level mark at (100, 200): lines in DXF units, then the level with one decimal.
TEST(DisQuotaLivello, InDxf) {
    BancoDisegno banco;
    DisQuotaLivello(100, 200, 350.25f, banco.InDxf());
    const auto linee = banco.Flusso.DiTipo("LINE");
    ASSERT_EQ(linee.size(), 6u);
    const std::vector<std::vector<float>> attese = {
        {180, 400, 220, 400},  // level line (90, 200)-(110, 200)
        {180, 420, 200, 400},  // triangle side from (90, 210)
        {200, 426, 200, 400},  // upright from (100, 213)
        {220, 420, 200, 400},  // triangle side from (110, 210)
        {180, 420, 220, 420},  // triangle top
        {200, 426, 140, 426},  // leader to (70, 213)
    };
    for (std::size_t i = 0; i < attese.size(); ++i) {
        ValoriVicini(linee[i].Valori, attese[i]);
        EXPECT_EQ(linee[i].Layer, "QUOTE");
    }
    const auto testi = banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 1u);
    EXPECT_EQ(testi[0].Testo, "350.3");
    EXPECT_EQ(testi[0].Layer, "TESTO_QUOTE");
    ValoriVicini(testi[0].Valori, {140, 428, 20, 0});  // (70, 214), height 20, angle 0
    EXPECT_EQ(testi[0].Interi, (std::vector<int>{0, 1}));  // left, bottom
}

TEST(DisQuotaLivello, PuntoDecimaleInOgniLocale) {
    if (std::setlocale(LC_ALL, "it_IT.utf8") == nullptr) GTEST_SKIP() << "no Italian locale";
    BancoDisegno banco;
    DisQuotaLivello(100, 200, 350.25f, banco.InDxf());
    DisQuotaLivello(100, 200, 350.25f, banco.Schermo());
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(banco.Flusso.DiTipo("TEXT").size(), 1u);
    EXPECT_EQ(banco.Flusso.DiTipo("TEXT")[0].Testo, "350.3");
    ASSERT_EQ(banco.Tela.DiTipo("Testo").size(), 1u);
    EXPECT_EQ(banco.Tela.DiTipo("Testo")[0].Testo, "350.3");
}

// Dimensions of views 0, 1 and every view, marks of view 1 and every view,
// and records past the valid ones, drawn for view 1 with an offset of (1000, 0).
TEST(DisQuote, SoloQuelleDellaVista) {
    ProgettoParete p = ConQuote(
        {Dimensione(0, 100, 100, 100, 0), Dimensione(0, 200, 100, 200, 1),
         Dimensione(0, 300, 100, 300, -1)},
        {{.X = 10, .Y = 20, .Valore = 1, .Vista = 1}, {.X = 30, .Y = 40, .Valore = 2, .Vista = 0},
         {.X = 50, .Y = 60, .Valore = 3, .Vista = -1}});
    p.Quote.push_back(Dimensione(0, 400, 100, 400, -1));
    p.QuoteLivello.push_back({.X = 70, .Y = 80, .Valore = 4, .Vista = -1});
    BancoDisegno banco;
    DisQuote(p, 1000, 0, 1, banco.InDxf());
    const auto quote = banco.Flusso.DiTipo("DIMENSION");
    ASSERT_EQ(quote.size(), 2u);
    ValoriVicini(quote[0].Valori, {20, 1, 1000, 200, 1100, 200, 1000, 150, 1100, 150});
    ValoriVicini(quote[1].Valori, {20, 1, 1000, 300, 1100, 300, 1000, 250, 1100, 250});
    const auto testi = banco.Flusso.DiTipo("TEXT");
    ASSERT_EQ(testi.size(), 2u);
    EXPECT_EQ(testi[0].Testo, "1.0");
    EXPECT_EQ(testi[1].Testo, "3.0");
    EXPECT_EQ(banco.Flusso.DiTipo("LINE").size(), 12u);
}

TEST(DisQuote, LivelliAncheSenzaQuote) {
    const ProgettoParete p = ConQuote({}, {{.X = 10, .Y = 20, .Valore = 1, .Vista = -1}});
    BancoDisegno banco;
    DisQuote(p, 0, 0, 0, banco.Schermo());
    EXPECT_EQ(banco.Tela.DiTipo("Linea").size(), 6u);
    EXPECT_EQ(banco.Tela.DiTipo("Testo").size(), 1u);
    EXPECT_TRUE(banco.Tela.DelloStrato(StratoTela::Transitorio).empty());
}

TEST(DisQuote, NienteColLayerQuoteSpento) {
    const ProgettoParete p = ConQuote({Dimensione(0, 100, 100, 100, -1)},
                                      {{.X = 10, .Y = 20, .Valore = 1, .Vista = -1}});
    BancoDisegno banco;
    DisQuote(p, 0, 0, 0, banco.InDxf(false, Senza(Layer::Quote)));
    DisQuote(p, 0, 0, 0, banco.Schermo(Senza(Layer::Quote)));
    EXPECT_TRUE(banco.Flusso.Entita.empty());
    EXPECT_TRUE(banco.Tela.Tratti.empty());
}

// Mark at (50, 50): its triangle (50, 50), (60, 60), (40, 60) is at pixels
// (100, 500), (120, 480), (80, 480).
TEST(EvidenziaQuotaLivello, TriangoloGialloSulTransitorio) {
    const ProgettoParete p = ConQuote({}, {{.X = 50, .Y = 50, .Vista = -1}});
    BancoDisegno banco;
    StatoInterfaccia stato;
    EvidenziaQuotaLivello(p, stato, banco.Tela, banco.VistaTela, banco.Imp, 101, 501);
    EXPECT_EQ(stato.QuotaLivelloEvidenziata, 0);
    EXPECT_EQ(banco.Tela.Cancellazioni, 0);
    EXPECT_TRUE(banco.Tela.DelloStrato(StratoTela::Immagine).empty());
    const auto linee = banco.Tela.DelloStrato(StratoTela::Transitorio);
    ASSERT_EQ(linee.size(), 3u);
    ValoriVicini(linee[0].Valori, {100, 500, 120, 480});
    ValoriVicini(linee[1].Valori, {120, 480, 80, 480});
    ValoriVicini(linee[2].Valori, {80, 480, 100, 500});
    for (const TrattoTela& t : linee) {
        EXPECT_EQ(t.Tipo, "Linea");
        EXPECT_EQ(t.Colore, ColoreBase(14));
        EXPECT_EQ(t.Spessore, 2);
    }
    DisLinea(0, 0, 10, 0, Layer::Quote, Stile::Pieno, banco.Schermo());
    EXPECT_EQ(banco.Tela.DelloStrato(StratoTela::Immagine).at(0).Spessore, 1);
}

TEST(EvidenziaQuotaLivello, LasciandoLaTaccaPulisceIlTransitorio) {
    const ProgettoParete p = ConQuote({}, {{.X = 50, .Y = 50, .Vista = -1}});
    BancoDisegno banco;
    StatoInterfaccia stato;
    EvidenziaQuotaLivello(p, stato, banco.Tela, banco.VistaTela, banco.Imp, 300, 300);
    EXPECT_EQ(banco.Tela.Cancellazioni, 0);  // nothing highlighted yet
    EvidenziaQuotaLivello(p, stato, banco.Tela, banco.VistaTela, banco.Imp, 100, 500);
    EvidenziaQuotaLivello(p, stato, banco.Tela, banco.VistaTela, banco.Imp, 100, 500);
    EXPECT_EQ(banco.Tela.Cancellazioni, 0);  // still on the same mark
    EvidenziaQuotaLivello(p, stato, banco.Tela, banco.VistaTela, banco.Imp, 300, 300);
    EXPECT_EQ(banco.Tela.Cancellazioni, 1);
    EXPECT_TRUE(banco.Tela.DelloStrato(StratoTela::Transitorio).empty());
}

// Line (100, 100)-(200, 100) at pixel y 400 from x 200 to 400; the cursor
// (390, 397) is nearer the second end, pixel (400, 400).
TEST(EvidenziaQuotaCursore, QuadratoAllEstremoPiuVicino) {
    const ProgettoParete p = ConQuote({Dimensione(100, 100, 200, 100, 0)}, {});
    BancoDisegno banco;
    EvidenziaQuotaCursore(p, banco.Tela, banco.VistaTela, banco.Imp, 390, 397);
    EXPECT_EQ(banco.Tela.Cancellazioni, 0);
    EXPECT_TRUE(banco.Tela.DelloStrato(StratoTela::Immagine).empty());
    const auto linee = banco.Tela.DelloStrato(StratoTela::Transitorio);
    ASSERT_EQ(linee.size(), 4u);
    ValoriVicini(linee[0].Valori, {394, 394, 406, 394});
    ValoriVicini(linee[1].Valori, {406, 394, 406, 406});
    ValoriVicini(linee[2].Valori, {406, 406, 394, 406});
    ValoriVicini(linee[3].Valori, {394, 406, 394, 394});
    for (const TrattoTela& t : linee) {
        EXPECT_EQ(t.Colore, ColoreBase(14));
        EXPECT_EQ(t.Spessore, 3);
    }
}

TEST(EvidenziaQuotaCursore, NienteLontanoDalleLinee) {
    BancoDisegno banco;
    EvidenziaQuotaCursore(ConQuote({}, {}), banco.Tela, banco.VistaTela, banco.Imp, 390, 397);
    EvidenziaQuotaCursore(ConQuote({Dimensione(100, 100, 200, 100, 0)}, {}), banco.Tela,
                          banco.VistaTela, banco.Imp, 390, 380);
    EXPECT_TRUE(banco.Tela.Tratti.empty());
}
