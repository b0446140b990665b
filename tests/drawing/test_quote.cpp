#include "drawing/QuoteCostruzione.h"
#include "drawing/QuoteFormato.h"
#include "drawing/QuoteLista.h"
#include "drawing/QuoteRicerca.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

// The test canvas (BancoDisegno) shows model (x, y) cm at pixel (2x, 600 - 2y).

namespace {

const FormatoQuote Formato{.Decimali = 1, .InMetri = 0, .Separatore = "."};

Quota Linea(float x1, float y1, float x2, float y2, int vista = 0) {
    return {.X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2, .Vista = vista};
}

// A design holding the given dimensions and level marks, each list without a spare record.
ProgettoParete ConQuote(std::vector<Quota> quote, std::vector<QuotaLivello> livelli = {}) {
    ProgettoParete p;
    p.UltQuota = static_cast<int>(quote.size()) - 1;
    if (!quote.empty()) p.Quote = std::move(quote);
    p.NumQuoteLivello = static_cast<int>(livelli.size());
    if (!livelli.empty()) p.QuoteLivello = std::move(livelli);
    return p;
}

void PuntoVicino(float x, float y, float xAtteso, float yAtteso) {
    EXPECT_NEAR(x, xAtteso, 0.01f);
    EXPECT_NEAR(y, yAtteso, 0.01f);
}

}  // namespace

TEST(TestoQuota, CasiDiFormato) {
    const struct {
        const char* nome;
        float lunghezza;
        FormatoQuote formato;
        std::string atteso = {};
    } casi[] = {
        {.nome = "one decimal", .lunghezza = 250, .formato = Formato, .atteso = "250.0"},
        {.nome = "metres, two decimals",
         .lunghezza = 250,
         .formato = {.Decimali = 2, .InMetri = 1},
         .atteso = "2.50"},
        {.nome = "comma of the locale",
         .lunghezza = 250,
         .formato = {.Decimali = 1, .Separatore = ","},
         .atteso = "250,0"},
        {.nome = "no decimals", .lunghezza = 250.4f, .formato = {.Decimali = 0}, .atteso = "250"},
        {.nome = "half away from zero", .lunghezza = 12.25f, .formato = Formato, .atteso = "12.3"},
        {.nome = "three decimals give no text", .lunghezza = 250, .formato = {.Decimali = 3}},
        {.nome = "negative decimals give no text", .lunghezza = 250, .formato = {.Decimali = -1}},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoQuota(c.lunghezza, c.formato), c.atteso) << c.nome;
}

TEST(TestoQuota, FormatoDalleImpostazioni) {
    Impostazioni imp;
    imp.DecimaliQuote = 2;
    imp.QuoteInMetri = 1;
    const FormatoQuote f = FormatoQuoteDa(imp, ",");
    EXPECT_EQ(f.Decimali, 2);
    EXPECT_EQ(f.InMetri, 1);
    EXPECT_EQ(TestoQuota(12.5f, f), "0,13");
}

TEST(TestoQuota, SeparatoreDelLocale) {
    EXPECT_EQ(SeparatoreDecimaleLocale(), ".");  // the C locale of a test
    if (std::setlocale(LC_ALL, "it_IT.utf8") == nullptr) GTEST_SKIP() << "no Italian locale";
    const std::string separatore = SeparatoreDecimaleLocale();
    const FormatoQuote predefinito = FormatoQuoteDa(Impostazioni{});
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(separatore, ",");
    EXPECT_EQ(predefinito.Separatore, ",");
    EXPECT_EQ(predefinito.Decimali, 1);
}

TEST(AggiungiQuota, AccodaConTestoEPuntiMisurati) {
    ProgettoParete p;
    ASSERT_TRUE(AggiungiQuota(p, Formato, {100, 80}, {350, 80}, {100, 0}, {350, 50}, 2));
    ASSERT_TRUE(AggiungiQuota(p, Formato, {0, 0}, {0, 30}, {1, 2}, {3, 4}, -1));
    EXPECT_EQ(p.UltQuota, 1);
    ASSERT_EQ(p.Quote.size(), 2u);
    const Quota attesa{.X1 = 100, .Y1 = 80, .X2 = 350, .Y2 = 80, .Testo = "250.0", .Vista = 2,
                       .XA = 100, .YA = 0, .XB = 350, .YB = 50};
    EXPECT_EQ(p.Quote[0], attesa);
    EXPECT_EQ(p.Quote[1].Testo, "30.0");
    EXPECT_EQ(p.Quote[1].Vista, -1);
}

TEST(AggiungiQuota, LineaTroppoCortaNonAccodata) {
    const struct {
        const char* nome;
        float lunghezza;
        bool accodata;
    } casi[] = {{"identical ends", 0.0f, false},
                {"0.0089 cm", 0.0089f, false},
                {"0.0095 cm", 0.0095f, true}};
    for (const auto& c : casi) {
        ProgettoParete p;
        EXPECT_EQ(AggiungiQuota(p, Formato, {5, 5}, {5 + c.lunghezza, 5}, {}, {}, 0), c.accodata)
            << c.nome;
        EXPECT_EQ(p.UltQuota, c.accodata ? 0 : -1) << c.nome;
        EXPECT_EQ(p.Quote.size(), 1u) << c.nome;
    }
}

TEST(AggiungiQuotaLivello, CresceOltreLaLista) {
    ProgettoParete p;
    for (int i = 0; i < 3; ++i) AggiungiQuotaLivello(p, {.Y = 10.0f * i, .Vista = -1});
    EXPECT_EQ(p.NumQuoteLivello, 3);
    ASSERT_GE(p.QuoteLivello.size(), 3u);
    EXPECT_EQ(p.QuoteLivello[2].Y, 20.0f);
}

// Marks and dimensions are removed from lists that hold no spare record:
// nothing past the last valid one is read.
TEST(CancellaQuotaLivello, CasiDiProva) {
    const struct {
        const char* nome;
        int indice;
        std::vector<float> restano;  // Y of the marks left
    } casi[] = {
        {.nome = "the last", .indice = 2, .restano = {0, 10}},
        {.nome = "the first", .indice = 0, .restano = {10, 20}},
        {.nome = "the middle", .indice = 1, .restano = {0, 20}},
        {.nome = "below the list", .indice = -1, .restano = {0, 10, 20}},
        {.nome = "past the list", .indice = 3, .restano = {0, 10, 20}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ProgettoParete p = ConQuote({}, {{.Y = 0}, {.Y = 10}, {.Y = 20}});
        CancellaQuotaLivello(p, c.indice);
        ASSERT_EQ(p.NumQuoteLivello, static_cast<int>(c.restano.size()));
        for (std::size_t i = 0; i < c.restano.size(); ++i)
            EXPECT_EQ(p.QuoteLivello.at(i).Y, c.restano[i]);
    }
}

TEST(CancellaQuotaLivello, LUnicoLasciaLaListaVuota) {
    ProgettoParete p = ConQuote({}, {{.Y = 5}});
    CancellaQuotaLivello(p, 0);
    EXPECT_EQ(p.NumQuoteLivello, 0);
    EXPECT_FALSE(p.QuoteLivello.empty());
    CancellaQuotaLivello(p, 0);  // nothing valid left
    EXPECT_EQ(p.NumQuoteLivello, 0);
}

TEST(CancellaQuota, CasiDiProva) {
    const struct {
        const char* nome;
        int indice;
        std::vector<float> restano;  // X1 of the dimensions left
    } casi[] = {
        {.nome = "the last", .indice = 1, .restano = {0}},
        {.nome = "the first", .indice = 0, .restano = {1}},
        {.nome = "past the list", .indice = 2, .restano = {0, 1}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ProgettoParete p = ConQuote({Linea(0, 0, 10, 0), Linea(1, 0, 10, 0)});
        CancellaQuota(p, c.indice);
        ASSERT_EQ(p.UltQuota + 1, static_cast<int>(c.restano.size()));
        for (std::size_t i = 0; i < c.restano.size(); ++i)
            EXPECT_EQ(p.Quote.at(i).X1, c.restano[i]);
    }
    ProgettoParete una = ConQuote({Linea(0, 0, 10, 0)});
    CancellaQuota(una, 0);
    EXPECT_EQ(una.UltQuota, -1);
    EXPECT_FALSE(una.Quote.empty());
}

TEST(TrovaQuota, CasiDiProva) {
    // Line 0 at pixel y 400 from x 200 to 400 in view 0; line 1 at pixel x 600
    // from y 100 to 200 in every view; a record past UltQuota at pixel y 500.
    ProgettoParete p = ConQuote({Linea(100, 100, 200, 100, 0), Linea(300, 200, 300, 250, -1)});
    p.Quote.push_back(Linea(0, 50, 300, 50, -1));
    const struct {
        const char* nome;
        float x, y;
        int vista;
        int attesa;
    } casi[] = {
        {"6.9 pixels above the middle", 300, 393.1f, 0, 0},
        {"7 pixels above the middle", 300, 393, 0, -1},
        {"below the line", 300, 406, 0, 0},
        {"beyond the end of a horizontal line", 404, 400, 0, -1},
        {"a view-0 line from view 1", 300, 400, 1, -1},
        {"a line of every view from view 3", 605, 150, 3, 1},
        {"a record past the last", 300, 500, 0, -1},
    };
    BancoDisegno banco;
    for (const auto& c : casi)
        EXPECT_EQ(TrovaQuota(p, c.vista, banco.VistaTela, c.x, c.y), c.attesa) << c.nome;
}

TEST(TrovaQuotaLivello, CasiDiProva) {
    // Mark 0 at pixel (100, 500) in view 0, mark 1 at (300, 500) in every view,
    // a record past the count at (500, 500).
    ProgettoParete p =
        ConQuote({}, {{.X = 50, .Y = 50, .Vista = 0}, {.X = 150, .Y = 50, .Vista = -1}});
    p.QuoteLivello.push_back({.X = 250, .Y = 50, .Vista = -1});
    const struct {
        const char* nome;
        float x, y;
        int vista;
        int attesa;
    } casi[] = {
        {"3.9 pixels off in x and y", 103.9f, 496.1f, 0, 0},
        {"4 pixels off in x", 104, 500, 0, -1},
        {"4 pixels off in y", 100, 496, 0, -1},
        {"a view-0 mark from view 2", 100, 500, 2, -1},
        {"a mark of every view from view 2", 300, 500, 2, 1},
        {"a record past the count", 500, 500, 0, -1},
    };
    BancoDisegno banco;
    for (const auto& c : casi)
        EXPECT_EQ(TrovaQuotaLivello(p, c.vista, banco.VistaTela, c.x, c.y), c.attesa) << c.nome;
}

TEST(InserisciQuota, CasiDiProva) {
    using namespace ModoInput;
    struct Caso {
        const char* nome;
        int modo;
        Punto misura1Pixel, misura2Pixel;
        float x, y;  // the click, pixels
        std::vector<Quota> esistenti = {};
        Punto fine1, fine2;  // expected line ends, cm
        std::string testo;
    };
    const Caso casi[] = {
        // Measured (100, 0) and (350, 50); click at height (600 - 440) / 2 = 80.
        {.nome = "horizontal",
         .modo = LineaQuota(QuotaOrizzontale),
         .misura1Pixel = {200, 600},
         .misura2Pixel = {700, 500},
         .x = 500,
         .y = 440,
         .fine1 = {100, 80},
         .fine2 = {350, 80},
         .testo = "250.0"},
        // Click at x 800 / 2 = 400.
        {.nome = "vertical",
         .modo = LineaQuota(QuotaVerticale),
         .misura1Pixel = {200, 600},
         .misura2Pixel = {700, 500},
         .x = 800,
         .y = 300,
         .fine1 = {400, 0},
         .fine2 = {400, 50},
         .testo = "50.0"},
        // Measured (0, 0) and (300, 400), direction (3, 4) / 5; the click
        // (-80, 60) = 100 x (-4, 3) / 5 lies 100 cm aside: the ends are the
        // measured points moved by (-80, 60); length 500.
        {.nome = "aligned",
         .modo = LineaQuota(QuotaAllineata),
         .misura1Pixel = {0, 600},
         .misura2Pixel = {600, -200},
         .x = -160,
         .y = 480,
         .fine1 = {-80, 60},
         .fine2 = {220, 460},
         .testo = "500.0"},
        // The click (345, 78.5) is 3 pixels below the line (100, 80)-(350, 80),
        // nearer its second end: 1.5 + 5 against 1.5 + 245.
        {.nome = "through the end of a nearby line",
         .modo = LineaQuota(QuotaOrizzontale),
         .misura1Pixel = {200, 600},
         .misura2Pixel = {700, 600},
         .x = 690,
         .y = 443,
         .esistenti = {Linea(100, 80, 350, 80, 3)},
         .fine1 = {100, 80},
         .fine2 = {350, 80},
         .testo = "250.0"},
    };
    BancoDisegno banco;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ProgettoParete p = ConQuote(c.esistenti);
        StatoInterfaccia stato;
        stato.Modo = c.modo;
        stato.VistaCorrente = 2;
        ASSERT_TRUE(InserisciQuota(p, stato, banco.VistaTela, Formato, c.misura1Pixel,
                                   c.misura2Pixel, c.x, c.y));
        EXPECT_EQ(stato.Modo, Inattivo);
        ASSERT_EQ(p.UltQuota, static_cast<int>(c.esistenti.size()));
        const Quota& q = p.Quote[p.UltQuota];
        PuntoVicino(q.X1, q.Y1, c.fine1.X, c.fine1.Y);
        PuntoVicino(q.X2, q.Y2, c.fine2.X, c.fine2.Y);
        PuntoVicino(q.XA, q.YA, c.misura1Pixel.X / 2, (600 - c.misura1Pixel.Y) / 2);
        PuntoVicino(q.XB, q.YB, c.misura2Pixel.X / 2, (600 - c.misura2Pixel.Y) / 2);
        EXPECT_EQ(q.Testo, c.testo);
        EXPECT_EQ(q.Vista, 2);
    }
}

TEST(InserisciQuota, FuoriDalTerzoClicNonFaNulla) {
    BancoDisegno banco;
    ProgettoParete p;
    StatoInterfaccia stato;
    stato.Modo = ModoInput::QuotaOrizzontale;
    EXPECT_FALSE(InserisciQuota(p, stato, banco.VistaTela, Formato, {200, 600}, {700, 500}, 500,
                                440));
    EXPECT_EQ(p.UltQuota, -1);
    EXPECT_EQ(stato.Modo, ModoInput::QuotaOrizzontale);
}

TEST(PosizionaQuota, CasiDiProva) {
    struct Caso {
        const char* nome;
        Quota quota;
        std::vector<Quota> altre = {};
        float x, y;  // the click, pixels
        Punto fine1, fine2;
    };
    Quota obliqua = Linea(100, 80, 350, 80, 0);
    obliqua.XA = 100, obliqua.YA = 0, obliqua.XB = 350, obliqua.YB = 50;
    obliqua.Testo = "250.0";
    Quota orizzontale = Linea(100, 80, 350, 80, 1);
    orizzontale.XA = 100, orizzontale.YA = 0, orizzontale.XB = 350, orizzontale.YB = 0;
    const Caso casi[] = {
        // Measured points along (5, 1); the click (80, 100) = (100, 0) + 20 x
        // (-1, 5) stands square above the first one: the ends are (80, 100)
        // and (80, 100) + 50 x (5, 1), since (270, -50) . (5, 1) / 26 = 50.
        {.nome = "a horizontal line turns parallel to its measured points",
         .quota = obliqua,
         .x = 160,
         .y = 400,
         .fine1 = {80, 100},
         .fine2 = {330, 150}},
        // The click (48.5, 198.5) lies 3 pixels from the other line
        // (0, 200)-(50, 200), near its end (50, 200).
        {.nome = "through the end of another line",
         .quota = orizzontale,
         .altre = {Linea(0, 200, 50, 200, 1)},
         .x = 97,
         .y = 203,
         .fine1 = {100, 200},
         .fine2 = {350, 200}},
    };
    BancoDisegno banco;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::vector<Quota> quote{c.quota};
        quote.insert(quote.end(), c.altre.begin(), c.altre.end());
        ProgettoParete p = ConQuote(quote);
        StatoInterfaccia stato;
        stato.Modo = ModoInput::SpostaQuotaInCorso;
        stato.QuotaSelezionata = 0;
        ASSERT_TRUE(PosizionaQuota(p, stato, banco.VistaTela, c.x, c.y));
        EXPECT_EQ(stato.Modo, ModoInput::Inattivo);
        const Quota& q = p.Quote[0];
        PuntoVicino(q.X1, q.Y1, c.fine1.X, c.fine1.Y);
        PuntoVicino(q.X2, q.Y2, c.fine2.X, c.fine2.Y);
        Quota invariata = q;
        invariata.X1 = c.quota.X1, invariata.Y1 = c.quota.Y1;
        invariata.X2 = c.quota.X2, invariata.Y2 = c.quota.Y2;
        EXPECT_EQ(invariata, c.quota);  // text, view and measured points stay
    }
}

TEST(PosizionaQuota, SenzaQuotaSelezionataNonFaNulla) {
    BancoDisegno banco;
    for (const int selezionata : {-1, 1}) {
        ProgettoParete p = ConQuote({Linea(100, 80, 350, 80)});
        const ProgettoParete prima = p;
        StatoInterfaccia stato;
        stato.Modo = ModoInput::SpostaQuotaInCorso;
        stato.QuotaSelezionata = selezionata;
        EXPECT_FALSE(PosizionaQuota(p, stato, banco.VistaTela, 160, 400));
        EXPECT_EQ(p, prima);
        EXPECT_EQ(stato.Modo, ModoInput::Inattivo);
    }
}

TEST(DirezioneMisura, LungoIPuntiMisurati) {
    const struct {
        const char* nome;
        Punto p1, p2;
        float cos, sin;
    } casi[] = {
        {"rising to the right on the screen", {0, 600}, {600, -200}, 0.6f, -0.8f},
        {"vertical", {10, 10}, {10, 50}, 0.0f, 1.0f},
        {"steep downwards reads upwards", {0, 0}, {1, -100}, -0.0099995f, 0.99995f},
    };
    for (const auto& c : casi) {
        const DirezioneQuota d = DirezioneMisura(c.p1, c.p2);
        EXPECT_NEAR(d.Cos, c.cos, 1e-4f) << c.nome;
        EXPECT_NEAR(d.Sin, c.sin, 1e-4f) << c.nome;
    }
}
