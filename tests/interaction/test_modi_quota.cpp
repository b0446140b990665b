#include "design/AnnullaModifica.h"
#include "design/Modifica.h"
#include "design/Ridisegna.h"
#include "interaction/ModiQuota.h"
#include "model/Angoli.h"
#include "model/Geometria.h"
#include "BancoModi.h"
#include "PareteDiProva.h"
#include "RiquadroRegistrato.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

namespace {

// Presses at the pixel of model point (x, y) plus an offset of (dx, dy) pixels.
DopoEvento Premi(BancoModi& b, float x, float y, float dx = 1.0f, float dy = -1.0f) {
    return PremiQuota(b.contesto, 1, b.PxX(x) + dx, b.PxY(y) + dy);
}

Quota QuotaOrizzontaleDiProva() {
    Quota q;
    q.X1 = 0;
    q.Y1 = -50;
    q.X2 = 300;
    q.Y2 = -50;
    q.XB = 300;
    q.Testo = "300";
    q.Vista = -1;
    return q;
}

void Aggiungi(Parete& p, const Quota& q) {
    ++p.UltQuota;
    p.Quote.resize(p.UltQuota + 1);
    p.Quote[p.UltQuota] = q;
}

}  // namespace

TEST(ModiQuota, ClicksWithoutASnapPointChangeNothing) {
    BancoModi b(PareteRettangolare(300, 200));
    b.sessione.stato.Modo = ModoInput::QuotaOrizzontale;
    const ProgettoParete prima = b.sessione.parete.Progetto();
    Premi(b, 150, 100);
    Premi(b, 150, 120);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::QuotaOrizzontale);
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.PassiAnnulla(), 0);
    EXPECT_TRUE(b.tela.DelloStrato(StratoTela::Immagine).empty());
}

TEST(ModiQuota, ThreeClicksMakeAHorizontalDimensionUnderOneUndoStep) {
    BancoModi b(PareteRettangolare(300, 200));
    b.sessione.stato.Modo = ModoInput::QuotaOrizzontale;
    Premi(b, 0, 0);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::QuotaOrizzontale + 1);
    EXPECT_EQ(b.PassiAnnulla(), 1);
    // The cross stays in the image, past the next clear of the overlay.
    MuoviQuota(b.contesto, 0, 400, 300);
    EXPECT_EQ(b.tela.DelloStrato(StratoTela::Immagine).size(), 2u);
    Premi(b, 300, 0);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::QuotaOrizzontale + 2);
    EXPECT_FLOAT_EQ(b.sessione.stato.CosQuota, 1.0f);
    EXPECT_EQ(Premi(b, 150, -50, 0, 0), DopoEvento::Nulla);
    const Parete& p = b.sessione.parete;
    ASSERT_EQ(p.UltQuota, 0);
    EXPECT_EQ(p.Quote[0].Y1, -50);
    EXPECT_EQ(p.Quote[0].X2, 300);
    EXPECT_EQ(p.Quote[0].XB, 300);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(ModiQuota, PointsOneAboveTheOtherGiveAQuarterTurn) {
    BancoModi b(PareteRettangolare(300, 200));
    b.sessione.stato.Modo = ModoInput::QuotaAllineata;
    Premi(b, 0, 0, 0, 0);
    Premi(b, 0, 200, 0, 0);
    EXPECT_FLOAT_EQ(b.sessione.stato.SinQuota, std::sin(MezzoPiGrecoFloat));
    EXPECT_FLOAT_EQ(b.sessione.stato.CosQuota, std::cos(MezzoPiGrecoFloat));
}

TEST(ModiQuota, AZoomBetweenThePointsMeasuresThePointsPicked) {
    BancoModi b(PareteRettangolare(300, 200));
    b.sessione.stato.Modo = ModoInput::QuotaOrizzontale;
    Premi(b, 0, 0);
    b.vista.Scala = 1.5f;
    b.vista.FinXmin = -20.0f;
    AggiornaPuntiQuota(b.sessione.stato, b.vista);
    Premi(b, 300, 0);
    Premi(b, 150, -50, 0, 0);
    const Quota& q = b.sessione.parete.Quote[0];
    EXPECT_NEAR(q.XA, 0.0f, 1e-3f);
    EXPECT_NEAR(q.YA, 0.0f, 1e-3f);
    EXPECT_NEAR(q.XB, 300.0f, 1e-3f);
}

TEST(ModiQuota, AChainLinkStartsAtTheNearerEndAndTiesGoToEndTwo) {
    Parete p = PareteRettangolare(600, 200);
    AggiungiApertura(p, 150, 100, 160, 110);
    Aggiungi(p, QuotaOrizzontaleDiProva());
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::QuotaturaContinua;
    Premi(b, 100, -50, 0, 0);
    ASSERT_EQ(b.sessione.stato.Modo, ModoInput::QuotaturaContinuaPunto);
    EXPECT_EQ(b.PassiAnnulla(), 1);

    Premi(b, 600, 0);  // past end 2
    const Parete& q = b.sessione.parete;
    ASSERT_EQ(q.UltQuota, 1);
    EXPECT_EQ((Punto{q.Quote[1].X1, q.Quote[1].Y1}), (Punto{300, -50}));
    EXPECT_EQ((Punto{q.Quote[1].X2, q.Quote[1].Y2}), (Punto{600, -50}));
    EXPECT_EQ((Punto{q.Quote[1].XA, q.Quote[1].YA}), (Punto{300, 0}));
    EXPECT_EQ((Punto{q.Quote[1].XB, q.Quote[1].YB}), (Punto{600, 0}));
    EXPECT_EQ(b.sessione.stato.QuotaSelezionata, 1);

    // Equally far from both ends of link 1: it starts at end 2.
    Premi(b, 450, 0, 0, 0);
    ASSERT_EQ(q.UltQuota, 1);  // (450, 0) is no snap point
    b.sessione.stato.QuotaSelezionata = 0;
    Premi(b, 150, 100, 0, 0);  // the opening's corner, halfway along dimension 0
    ASSERT_EQ(q.UltQuota, 2);
    EXPECT_EQ(q.Quote[2].X1, 300);
    EXPECT_EQ(q.Quote[2].XA, 300);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::QuotaturaContinuaPunto);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(ModiQuota, AChainPointOnTheBaseEndAppendsNothing) {
    Parete p = PareteRettangolare(300, 200);
    Aggiungi(p, QuotaOrizzontaleDiProva());
    Aggiungi(p, QuotaOrizzontaleDiProva());
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::QuotaturaContinuaPunto;
    b.sessione.stato.QuotaSelezionata = 0;
    EXPECT_EQ(Premi(b, 300, 200), DopoEvento::Ridisegna);
    EXPECT_EQ(b.sessione.parete.UltQuota, 1);
    EXPECT_EQ(b.sessione.stato.QuotaSelezionata, 1);
}

TEST(ModiQuota, DeletingADimensionTakesAStepALevelMarkNone) {
    Parete p = PareteRettangolare(300, 200);
    Aggiungi(p, QuotaOrizzontaleDiProva());
    p.QuoteLivello = {QuotaLivello{.X = 400, .Y = 100, .Valore = 100, .Vista = -1},
                      QuotaLivello{.X = 400, .Y = 200, .Valore = 200, .Vista = -1},
                      QuotaLivello{}};
    p.NumQuoteLivello = 2;
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::CancellaQuota;
    Premi(b, 400, 100, 0, 0);
    EXPECT_EQ(b.sessione.parete.NumQuoteLivello, 1);
    EXPECT_EQ(b.sessione.parete.QuoteLivello[0].Y, 200);
    EXPECT_EQ(b.PassiAnnulla(), 0);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);

    b.sessione.stato.Modo = ModoInput::CancellaQuota;
    Premi(b, 100, -50, 0, 0);
    EXPECT_EQ(b.sessione.parete.UltQuota, -1);
    EXPECT_EQ(b.PassiAnnulla(), 1);

    b.sessione.stato.Modo = ModoInput::CancellaQuota;
    EXPECT_EQ(Premi(b, 700, 500, 0, 0), DopoEvento::Ridisegna);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
}

TEST(ModiQuota, MovingADimensionTakesItsPointsFromTheMeasuredPoints) {
    Parete p = PareteRettangolare(300, 200);
    Quota q = QuotaOrizzontaleDiProva();
    q.YB = 100;
    Aggiungi(p, q);
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::SpostaQuota;
    Premi(b, 100, -50, 0, 0);
    const StatoInterfaccia& s = b.sessione.stato;
    EXPECT_EQ(s.Modo, ModoInput::SpostaQuotaInCorso);
    EXPECT_EQ((Punto{s.XQuota1, s.YQuota1}), (Punto{0, 600}));
    EXPECT_EQ((Punto{s.XQuota2, s.YQuota2}), (Punto{300, 500}));
    EXPECT_EQ(b.PassiAnnulla(), 1);
    EXPECT_EQ(Premi(b, 100, -80, 0, 0), DopoEvento::Nulla);
    EXPECT_NE(b.sessione.parete.Quote[0].Y1, -50);
    EXPECT_EQ(b.sessione.parete.Quote[0].YB, 100);
    EXPECT_EQ(s.Modo, ModoInput::Inattivo);
}

TEST(ModiQuota, AnUndoBetweenPickAndPlaceEndsTheMoveWritingNothing) {
    Parete p = PareteRettangolare(300, 200);
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    BancoModi b(std::move(p));
    {
        Modifica m(b.sessione, b.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::Si);
        Aggiungi(b.sessione.parete, QuotaOrizzontaleDiProva());
        m.Conferma();
    }
    b.sessione.stato.Modo = ModoInput::SpostaQuota;
    Premi(b, 100, -50, 0, 0);
    AnnullaModifica(b.sessione, b.finestra);
    AnnullaModifica(b.sessione, b.finestra);
    ASSERT_EQ(b.sessione.parete.UltQuota, -1);
    const ProgettoParete prima = b.sessione.parete.Progetto();
    Premi(b, 100, -80, 0, 0);
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
}

TEST(ModiQuota, VisibilityOpensTheDialogOncePerPressAndKeepsTheMode) {
    Parete p = PareteRettangolare(300, 200);
    Aggiungi(p, QuotaOrizzontaleDiProva());
    BancoModi b(std::move(p));
    int aperture = 0;
    b.servizi.FrmPropQuote = [&](Sessione&, InterfacciaFinestra&) { ++aperture; };
    b.sessione.stato.Modo = ModoInput::VisibilitaQuota;
    Premi(b, 100, -50, 0, 0);
    Premi(b, 200, -50, 0, 0);
    EXPECT_EQ(aperture, 2);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::VisibilitaQuota);
    Premi(b, 100, 100, 0, 0);
    EXPECT_EQ(aperture, 2);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
}

namespace {

// What follows the move of a dimension before its record is read again.
struct DopoSpostamento {
    const char* nome;
    std::function<void(BancoModi&)> passo;
};

void PrintTo(const DopoSpostamento& c, std::ostream* os) { *os << c.nome; }

void RidisegnaBanco(BancoModi& b) {
    RiquadroRegistrato riquadro;
    Ridisegna(b.sessione, DestinazioneSchermo{b.tela, b.vista, riquadro, b.finestra});
}

class TestoQuotaSpostata : public ::testing::TestWithParam<DopoSpostamento> {};

}  // namespace

// The stored text is the length measured when the dimension was made: the
// move, the recomputes and the redraws that follow never write it, though
// the line, turned parallel to its measured points, grows from 300 to 316.2.
TEST_P(TestoQuotaSpostata, IlTestoResta) {
    Parete p = PareteRettangolare(300, 200);
    // Layers the reinforcement file can hold, for the undo steps.
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    Quota q = QuotaOrizzontaleDiProva();
    q.YB = 100;
    Aggiungi(p, q);
    BancoModi b(std::move(p));
    b.sessione.stato.Modo = ModoInput::SpostaQuota;
    Premi(b, 100, -50, 0, 0);
    ASSERT_EQ(Premi(b, 100, -80, 0, 0), DopoEvento::Nulla);
    const Quota spostata = b.sessione.parete.Quote[0];
    ASSERT_NEAR(Distanza(spostata.X1, spostata.Y1, spostata.X2, spostata.Y2), 316.2f, 0.1f);
    GetParam().passo(b);
    ASSERT_EQ(b.sessione.parete.UltQuota, 0);
    const Quota& letta = b.sessione.parete.Quote[0];
    EXPECT_EQ(letta.Testo, "300");
    // The undo step holds the line to the file's precision.
    EXPECT_NEAR(letta.X2, spostata.X2, 0.01f);
    EXPECT_NEAR(letta.Y2, spostata.Y2, 0.01f);
    EXPECT_EQ(letta.Vista, spostata.Vista);
    EXPECT_EQ((Punto{letta.XB, letta.YB}), (Punto{spostata.XB, spostata.YB}));
}

INSTANTIATE_TEST_SUITE_P(
    Quote, TestoQuotaSpostata,
    ::testing::Values(
        DopoSpostamento{.nome = "SoloSpostata", .passo = [](BancoModi&) {}},
        DopoSpostamento{.nome = "SezioniRitagliate",
                        .passo = [](BancoModi& b) {
                            Modifica m(b.sessione, b.finestra, CodaRicalcolo::Completa, PuntoAnnullamento::No);
                            m.Conferma();
                        }},
        DopoSpostamento{.nome = "RidisegnataDueVolte",
                        .passo =
                            [](BancoModi& b) {
                                RidisegnaBanco(b);
                                RidisegnaBanco(b);
                            }},
        DopoSpostamento{.nome = "AnnullataERipetuta",
                        .passo =
                            [](BancoModi& b) {
                                AnnullaModifica(b.sessione, b.finestra);
                                EXPECT_TRUE(b.finestra.Messaggi().empty());
                                ASSERT_EQ(b.sessione.parete.Quote[0].Y1, -50);
                                RipetiModifica(b.sessione, b.finestra);
                                RidisegnaBanco(b);
                            }}),
    [](const auto& info) { return std::string(info.param.nome); });
