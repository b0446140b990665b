#include "interaction/SelezioneVista.h"

#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <gtest/gtest.h>

namespace {

// Kept values show as these.
constexpr int TipoPrima = 77;
constexpr int VistaPrima = 42;
constexpr int LatoAttivoPrima = 7;
constexpr float MaxPrima = -1.0f;
constexpr float MinPrima = -2.0f;

const Rettangolo Pianta{0.0f, 0.0f, 300.0f, 200.0f};
const Rettangolo Tavola{-50.0f, -80.0f, 900.0f, 400.0f};

// Required-area extremes per slot; two nodes whose missing areas give, by
// layer k, the excess ranges 1-5, 3-7, 0-2 and 4-8.
Parete PareteStatistiche() {
    Parete p;
    p.EstPianta = Pianta;
    p.EstTavola = Tavola;
    p.MaxRichiesta = {10.0f, 20.0f, 30.0f, 40.0f};
    p.MinRichiesta = {1.0f, 2.0f, 3.0f, 4.0f};
    p.NumNodi = 2;
    p.Nodi.assign(3, Nodo{});
    p.Nodi[0].Mancante = {-1.0f, -2.0f, -3.0f, -4.0f};
    p.Nodi[1].Mancante = {-5.0f, 0.5f, -7.0f, -8.0f};
    return p;
}

StatoInterfaccia StatoPrima() {
    StatoInterfaccia s;
    s.StatoVista = 99;
    s.TipoMappa = TipoPrima;
    s.VistaCorrente = VistaPrima;
    s.LatoAttivo = LatoAttivoPrima;
    s.ScalaMax = MaxPrima;
    s.ScalaMin = MinPrima;
    return s;
}

struct Riga {
    const char* nome;
    int modo, lato, direzione;
    int statoVista, tipoMappa, vista, latoAttivo;
    float max, min;
    bool tavola = false;
};

const Riga Tabella[] = {
    {.nome = "DiffusaPiu", .modo = 0, .lato = 0, .direzione = 1, .statoVista = 0,
     .tipoMappa = TipoPrima, .vista = 0, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "DiffusaMeno", .modo = 0, .lato = 1, .direzione = 0, .statoVista = 1,
     .tipoMappa = TipoPrima, .vista = 1, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "IntegrativaPiu", .modo = 1, .lato = 0, .direzione = 1, .statoVista = 14,
     .tipoMappa = TipoPrima, .vista = 2, .latoAttivo = 0, .max = MaxPrima, .min = MinPrima},
    {.nome = "IntegrativaMeno", .modo = 1, .lato = 1, .direzione = 0, .statoVista = 15,
     .tipoMappa = TipoPrima, .vista = 3, .latoAttivo = 1, .max = MaxPrima, .min = MinPrima},
    {.nome = "Tavola", .modo = 2, .lato = 1, .direzione = 1, .statoVista = 17,
     .tipoMappa = TipoPrima, .vista = 5, .latoAttivo = LatoAttivoPrima, .max = MaxPrima,
     .min = MinPrima, .tavola = true},
    {.nome = "DisponiPiuDir1", .modo = 3, .lato = 0, .direzione = 0, .statoVista = 6,
     .tipoMappa = 5, .vista = VistaPrima, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "DisponiPiuDir2", .modo = 3, .lato = 0, .direzione = 1, .statoVista = 7,
     .tipoMappa = 7, .vista = VistaPrima, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "DisponiMenoDir1", .modo = 3, .lato = 1, .direzione = 0, .statoVista = 8,
     .tipoMappa = 6, .vista = VistaPrima, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "DisponiMenoDir2", .modo = 3, .lato = 1, .direzione = 1, .statoVista = 9,
     .tipoMappa = 8, .vista = VistaPrima, .latoAttivo = LatoAttivoPrima, .max = MaxPrima, .min = MinPrima},
    {.nome = "RichiestaPiuDir1", .modo = 4, .lato = 0, .direzione = 0, .statoVista = 2,
     .tipoMappa = 0, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 10.0f, .min = 1.0f},
    {.nome = "RichiestaPiuDir2", .modo = 4, .lato = 0, .direzione = 1, .statoVista = 3,
     .tipoMappa = 2, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 20.0f, .min = 2.0f},
    {.nome = "RichiestaMenoDir1", .modo = 4, .lato = 1, .direzione = 0, .statoVista = 4,
     .tipoMappa = 1, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 30.0f, .min = 3.0f},
    {.nome = "RichiestaMenoDir2", .modo = 4, .lato = 1, .direzione = 1, .statoVista = 5,
     .tipoMappa = 3, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 40.0f, .min = 4.0f},
    {.nome = "EccedenzaPiuDir1", .modo = 5, .lato = 0, .direzione = 0, .statoVista = 2,
     .tipoMappa = 10, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 5.0f, .min = 1.0f},
    {.nome = "EccedenzaPiuDir2", .modo = 5, .lato = 0, .direzione = 1, .statoVista = 3,
     .tipoMappa = 12, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 2.0f, .min = 0.0f},
    {.nome = "EccedenzaMenoDir1", .modo = 5, .lato = 1, .direzione = 0, .statoVista = 4,
     .tipoMappa = 11, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 7.0f, .min = 3.0f},
    {.nome = "EccedenzaMenoDir2", .modo = 5, .lato = 1, .direzione = 1, .statoVista = 5,
     .tipoMappa = 13, .vista = 9999, .latoAttivo = LatoAttivoPrima, .max = 8.0f, .min = 4.0f},
};

}  // namespace

TEST(SelezioneVista, DerivedValuesFollowTheTable) {
    for (const Riga& r : Tabella) {
        Parete p = PareteStatistiche();
        StatoInterfaccia s = StatoPrima();
        s.ModoVista = r.modo;
        s.LatoCorrente = r.lato;
        s.DirezioneCorrente = r.direzione;
        DerivaStatoVista(s, p);
        EXPECT_EQ(s.StatoVista, r.statoVista) << r.nome;
        EXPECT_EQ(s.TipoMappa, r.tipoMappa) << r.nome;
        EXPECT_EQ(s.VistaCorrente, r.vista) << r.nome;
        EXPECT_EQ(s.LatoAttivo, r.latoAttivo) << r.nome;
        EXPECT_EQ(s.ScalaMax, r.max) << r.nome;
        EXPECT_EQ(s.ScalaMin, r.min) << r.nome;
        EXPECT_EQ(p.Estensione, r.tavola ? Tavola : Pianta) << r.nome;
        // The selectors themselves are inputs.
        EXPECT_EQ(s.ModoVista, r.modo) << r.nome;
        EXPECT_EQ(s.LatoCorrente, r.lato) << r.nome;
        EXPECT_EQ(s.DirezioneCorrente, r.direzione) << r.nome;
    }
}

TEST(SelezioneVista, ATypedRangeGivesWayWhenTheMapIsChosenAgain) {
    Parete p = PareteStatistiche();
    StatoInterfaccia s;
    s.ModoVista = 4;
    DerivaStatoVista(s, p);
    EXPECT_EQ(ApplicaScala(s, "6", "2"), TestiScalaRifiutati{});
    EXPECT_EQ(s.ScalaMax, 6.0f);
    DerivaStatoVista(s, p);
    EXPECT_EQ(s.ScalaMax, 10.0f);
    EXPECT_EQ(s.ScalaMin, 1.0f);
}

TEST(SelezioneVista, OnlyTheRequiredAreaAndExcessMapsHaveARange) {
    for (int modo = 0; modo <= 5; ++modo) {
        StatoInterfaccia s;
        s.ModoVista = modo;
        EXPECT_EQ(MappaConScala(s), modo == 4 || modo == 5) << modo;
    }
}

namespace {

struct RigaDefault {
    const char* nome;
    int tipoMappa;
    float max, min;
};

const RigaDefault TabellaDefault[] = {
    {.nome = "RichiestaStrato2", .tipoMappa = 2, .max = 20.0f, .min = 2.0f},
    {.nome = "RichiestaStrato3", .tipoMappa = 3, .max = 40.0f, .min = 4.0f},
    {.nome = "EccedenzaStrato1", .tipoMappa = 11, .max = 7.0f, .min = 3.0f},
    {.nome = "EccedenzaStrato0", .tipoMappa = 10, .max = 5.0f, .min = 1.0f},
    {.nome = "MancanteTiene", .tipoMappa = 7, .max = MaxPrima, .min = MinPrima},
    {.nome = "OltreTiene", .tipoMappa = 14, .max = MaxPrima, .min = MinPrima},
};

}  // namespace

TEST(SelezioneVista, DefaultTakesTheShownLayersOwnRange) {
    const Parete p = PareteStatistiche();
    for (const RigaDefault& r : TabellaDefault) {
        StatoInterfaccia s = StatoPrima();
        s.TipoMappa = r.tipoMappa;
        ScalaDefault(s, p);
        EXPECT_EQ(s.ScalaMax, r.max) << r.nome;
        EXPECT_EQ(s.ScalaMin, r.min) << r.nome;
    }
}

namespace {

struct RigaRange {
    const char* nome;
    const char* testoMax;
    const char* testoMin;
    float max, min;
    TestiScalaRifiutati rifiutati;
};

// The range in force is 10 / 2.
const RigaRange TabellaRange[] = {
    {.nome = "Entrambi", .testoMax = "8", .testoMin = "1", .max = 8.0f, .min = 1.0f, .rifiutati = {}},
    {.nome = "MinNegativoTenuto", .testoMax = "9", .testoMin = "-1", .max = 9.0f, .min = 2.0f,
     .rifiutati = {.Max = std::nullopt, .Min = "2.00"}},
    {.nome = "MaxUgualeMin", .testoMax = "3", .testoMin = "3", .max = 3.0f, .min = 3.0f, .rifiutati = {}},
    {.nome = "MaxSottoIlNuovoMin", .testoMax = "4", .testoMin = "5", .max = 10.0f, .min = 5.0f,
     .rifiutati = {.Max = "10.00", .Min = std::nullopt}},
    {.nome = "VirgolaDecimale", .testoMax = "7,25", .testoMin = "2,5", .max = 7.25f, .min = 2.5f,
     .rifiutati = {}},
    {.nome = "TestiNonNumericiRimessi", .testoMax = "xyz", .testoMin = "abc", .max = 10.0f,
     .min = 2.0f, .rifiutati = {.Max = "10.00", .Min = "2.00"}},
    {.nome = "TestiVuotiRimessi", .testoMax = "", .testoMin = " ", .max = 10.0f, .min = 2.0f,
     .rifiutati = {.Max = "10.00", .Min = "2.00"}},
    {.nome = "ZeroScrittoPreso", .testoMax = "0", .testoMin = "0", .max = 0.0f, .min = 0.0f,
     .rifiutati = {}},
    {.nome = "MaxNonNumericoSottoMin", .testoMax = "xyz", .testoMin = "1", .max = 10.0f, .min = 1.0f,
     .rifiutati = {.Max = "10.00", .Min = std::nullopt}},
};

}  // namespace

TEST(SelezioneVista, RangeChecksTheLowerEndFirst) {
    for (const RigaRange& r : TabellaRange) {
        StatoInterfaccia s;
        s.ScalaMax = 10.0f;
        s.ScalaMin = 2.0f;
        EXPECT_EQ(ApplicaScala(s, r.testoMax, r.testoMin), r.rifiutati) << r.nome;
        EXPECT_EQ(s.ScalaMax, r.max) << r.nome;
        EXPECT_EQ(s.ScalaMin, r.min) << r.nome;
    }
}

TEST(SelezioneVista, BoxesAreWrittenWithAPointAndTwoDecimals) {
    EXPECT_EQ(TestoScala(2.5f), "2.50");
    EXPECT_EQ(TestoScala(0.0f), "0.00");
    EXPECT_EQ(TestoScala(12.345f), "12.35");
}

TEST(SelezioneVista, ARangeNotTypedFollowsTheDataAfterAChange) {
    Parete p = PareteStatistiche();
    StatoInterfaccia s;
    s.ModoVista = 5;  // excess, layer 0: 1-5
    DerivaStatoVista(s, p);
    ASSERT_EQ(s.ScalaMax, 5.0f);
    p.Nodi[1].Mancante[0] = -9.0f;
    SeguiDatiScala(s, p);
    EXPECT_EQ(s.ScalaMax, 9.0f);
    EXPECT_EQ(s.ScalaMin, 1.0f);
    EXPECT_FALSE(s.ScalaImpostata);
}

TEST(SelezioneVista, ATypedRangeStaysThroughChangesUntilDefault) {
    Parete p = PareteStatistiche();
    StatoInterfaccia s;
    s.ModoVista = 5;
    DerivaStatoVista(s, p);
    ASSERT_EQ(ApplicaScala(s, "6", "2"), TestiScalaRifiutati{});
    EXPECT_TRUE(s.ScalaImpostata);
    p.Nodi[1].Mancante[0] = -9.0f;
    SeguiDatiScala(s, p);
    EXPECT_EQ(s.ScalaMax, 6.0f);
    EXPECT_EQ(s.ScalaMin, 2.0f);
    ScalaDefault(s, p);
    EXPECT_FALSE(s.ScalaImpostata);
    EXPECT_EQ(s.ScalaMax, 9.0f);
    p.Nodi[1].Mancante[0] = -4.0f;
    SeguiDatiScala(s, p);
    EXPECT_EQ(s.ScalaMax, 4.0f);
}

TEST(SelezioneVista, ARefusedRangeIsNotTheEngineers) {
    Parete p = PareteStatistiche();
    StatoInterfaccia s;
    s.ModoVista = 5;
    DerivaStatoVista(s, p);
    (void)ApplicaScala(s, "abc", "-1");
    EXPECT_FALSE(s.ScalaImpostata);
}

TEST(SelezioneVista, OnlyAShownMapWithARangeFollowsTheData) {
    Parete p = PareteStatistiche();
    for (int modo : {0, 1, 2, 3}) {
        StatoInterfaccia s = StatoPrima();
        s.ModoVista = modo;
        SeguiDatiScala(s, p);
        EXPECT_EQ(s.ScalaMax, MaxPrima) << modo;
        EXPECT_EQ(s.ScalaMin, MinPrima) << modo;
    }
}

TEST(SelezioneVista, AWallWithoutNodesHasNoRange) {
    Parete p = PareteStatistiche();
    p.NumNodi = 0;
    p.Nodi.clear();
    for (int modo : {4, 5}) {
        StatoInterfaccia s = StatoPrima();  // the range of a previous wall
        s.ModoVista = modo;
        DerivaStatoVista(s, p);
        EXPECT_EQ(s.ScalaMax, 0.0f) << modo;
        EXPECT_EQ(s.ScalaMin, 0.0f) << modo;
        EXPECT_EQ(TestiRiquadroScala(s, p), TestiScala{}) << modo;
    }
    StatoInterfaccia s;
    s.ScalaMax = 2.5f;
    EXPECT_EQ(TestiRiquadroScala(s, PareteStatistiche()), (TestiScala{.Max = "2.50", .Min = "0.00"}));
}
