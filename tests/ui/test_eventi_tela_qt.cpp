#include "ProvaQt.h"

#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "interaction/StatoMacchina.h"
#include "ui/EventiTelaQt.h"
#include "ui/TelaQt.h"
#include "FinestraRegistrata.h"
#include "SessionePosizioni.h"

#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

class PortaMuta : public PortaTela {
public:
    int Ridisegni = 0;
    int Dialoghi = 0;
    void Ridisegna() override { ++Ridisegni; }
    void ImpostaPrompt(const std::string&) override {}
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override { ++Dialoghi; }
    void MostraDialogoCordolo() override { ++Dialoghi; }
};

class EventiTela : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
    void SetUp() override {
        tela.resize(800, 600);
        vista.Scala = 2.0f;
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
        vista.FinXmax = 400.0f;
        vista.FinYmax = 300.0f;
    }
    SessionePosizioni sp;
    Vista vista;
    TelaQt tela;
    FinestraRegistrata finestra;
    PortaMuta porta;
    MacchinaTela macchina{ContestoTela{sp.S, vista, tela, finestra, porta}};
    EventiTelaQt eventi{tela, macchina};
};

}  // namespace

TEST_F(EventiTela, TrascinaConIlMouseVero) {
    AvviaTrascina(sp.S.stato.Modo, sp.S.stato.ModoPrec);
    QTest::mousePress(&tela, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent muovi(QEvent::MouseMove, QPointF(140, 120), QPointF(140, 120), Qt::NoButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(&tela, &muovi);
    QTest::mouseRelease(&tela, Qt::LeftButton, {}, QPoint(140, 120));
    EXPECT_FLOAT_EQ(vista.FinXmin, -20.0f);
    EXPECT_FLOAT_EQ(vista.FinYmin, 10.0f);
    EXPECT_EQ(sp.S.stato.Modo, ModoInput::Inattivo);
    EXPECT_TRUE(tela.hasMouseTracking());
}

TEST_F(EventiTela, RotellaUnoScattoOgni120) {
    auto gira = [this](int dy) {
        QWheelEvent e(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, dy), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&tela, &e);
    };
    gira(60);
    EXPECT_FLOAT_EQ(vista.FinXmax - vista.FinXmin, 400.0f);
    gira(60);
    EXPECT_NEAR(vista.FinXmax - vista.FinXmin, 360.0f, 1e-3);
    QWheelEvent orizzontale(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(240, 0),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&tela, &orizzontale);
    EXPECT_NEAR(vista.FinXmax - vista.FinXmin, 360.0f, 1e-3);
}

TEST_F(EventiTela, DoppioClicSenzaSecondaPressione) {
    sp.S.stato.StatoVista = 14;
    PosizioneArm p = ZonaRettangolare(0, 0, 60, 60, 160, 160);
    p.XEtichetta = p.YEtichetta = 110;
    AccodaPosizione(sp.S.parete, p, Riquadro(60, 60, 160, 160));
    sp.S.stato.Modo = ModoInput::CancellaPosizione;
    // What the platform sends: press, release, then the double click in place of the second press.
    QTest::mousePress(&tela, Qt::LeftButton, {}, QPoint(220, 380));
    QTest::mouseRelease(&tela, Qt::LeftButton, {}, QPoint(220, 380));
    QMouseEvent doppio(QEvent::MouseButtonDblClick, QPointF(220, 380), QPointF(220, 380),
                       Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&tela, &doppio);
    int domande = 0;
    for (const auto& e : finestra.Eventi) domande += e.rfind("Domanda", 0) == 0;
    EXPECT_EQ(domande, 1);  // the delete question of the first press only
    EXPECT_EQ(porta.Dialoghi, 1);
    EXPECT_EQ(sp.S.stato.Modo, ModoInput::PosizioneAperta);
}
