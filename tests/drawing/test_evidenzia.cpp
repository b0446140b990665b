#include "drawing/Evidenzia.h"
#include "drawing/Vista.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

namespace {

struct Banco {
    Banco() {
        PosizioneArm p;
        p.XEtichetta = 50;
        p.YEtichetta = 50;
        p.XBaricentro = 100;
        p.YBaricentro = 100;
        parete.Posizioni = {p, p, p, p};
        parete.UltPosizione = 3;
        stato.StatoVista = 14;
    }
    Parete parete;
    StatoInterfaccia stato;
    BancoDisegno d;  // 2 px per cm, model (x, y) at pixel (2x, 600 - 2y)
};

}  // namespace

TEST(EvidenziaCerchio, CerchioDi14O20CmSecondoLaVista) {
    struct Caso {
        const char* nome;
        int statoVista;
        float x, y, raggioPixel;
    } casi[] = {
        {.nome = "zone view: the label", .statoVista = 14, .x = 100, .y = 500, .raggioPixel = 28},
        {.nome = "layout view: the centroid", .statoVista = 2, .x = 200, .y = 400, .raggioPixel = 40},
    };
    for (const Caso& c : casi) {
        Banco b;
        b.stato.StatoVista = c.statoVista;
        EvidenziaCerchio(b.parete, b.stato, b.d.VistaTela, b.d.Tela, c.x, c.y);
        const auto cerchi = b.d.Tela.DiTipo("Cerchio");
        ASSERT_EQ(cerchi.size(), 1u) << c.nome;
        EXPECT_EQ(cerchi[0].Strato, StratoTela::Transitorio) << c.nome;
        EXPECT_EQ(cerchi[0].Valori, (std::vector<float>{c.x, c.y, c.raggioPixel})) << c.nome;
        EXPECT_EQ(cerchi[0].Spessore, 2) << c.nome;
        EXPECT_EQ(cerchi[0].Colore, ColoreGiallo) << c.nome;
        EXPECT_TRUE(b.d.Tela.DelloStrato(StratoTela::Immagine).empty()) << c.nome;
    }
}

TEST(EvidenziaCerchio, CancellataAlPrimoMovimentoFuori) {
    Banco b;
    b.stato.ElementoEvidenziato = -1;
    // Only position 3 is of the active face.
    for (int i = 0; i < 3; ++i) b.parete.Posizioni[i].Tipo = 1;
    EvidenziaCerchio(b.parete, b.stato, b.d.VistaTela, b.d.Tela, 100, 500);
    EvidenziaCerchio(b.parete, b.stato, b.d.VistaTela, b.d.Tela, 100, 500);
    EXPECT_EQ(b.stato.ElementoEvidenziato, 3);
    EXPECT_EQ(b.d.Tela.Cancellazioni, 0);  // the same element: drawn over itself
    EvidenziaCerchio(b.parete, b.stato, b.d.VistaTela, b.d.Tela, 300, 300);
    EXPECT_EQ(b.d.Tela.Cancellazioni, 1);
    EXPECT_TRUE(b.d.Tela.DelloStrato(StratoTela::Transitorio).empty());
    EvidenziaCerchio(b.parete, b.stato, b.d.VistaTela, b.d.Tela, 310, 300);
    EXPECT_EQ(b.d.Tela.Cancellazioni, 2);  // every move over empty canvas
    EXPECT_EQ(b.stato.ElementoEvidenziato, 3);
}

TEST(EvidenziaQuota, SegnoDiLivelloSoloSeChiesto) {
    for (const bool senzaLivelli : {false, true}) {
        Banco b;
        b.parete.QuoteLivello = {QuotaLivello{.X = 100, .Y = 100, .Valore = 1, .Vista = 0},
                                 QuotaLivello{}};
        b.parete.NumQuoteLivello = 1;
        b.stato.VistaCorrente = 0;
        b.stato.ElementoEvidenziato = -1;
        EvidenziaQuota(b.parete, b.stato, b.d.VistaTela, b.d.Imp, b.d.Tela, 200, 400,
                       senzaLivelli);
        EXPECT_EQ(b.d.Tela.DelloStrato(StratoTela::Transitorio).empty(), senzaLivelli)
            << senzaLivelli;
    }
}

TEST(EvidenziaNodo, QuadratoMagenta) {
    Banco b;
    b.parete.Nodi = {Nodo{.Id = 1, .X = 10.2f, .Y = 10}};
    b.parete.NumNodi = 1;
    EvidenziaNodo(b.parete, b.stato, b.d.VistaTela, b.d.Tela, 20, 580);
    const auto r = b.d.Tela.DiTipo("Riquadro");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].Valori, (std::vector<float>{17, 577, 23, 583}));
    EXPECT_EQ(r[0].Colore, ColoreMagenta);
}
