// One user action redraws the canvas once: a redraw is a request, served
// before the next paint, and a change asks for it through its transaction
// alone. A pan moves the picture and draws what comes into view; its
// release redraws the whole canvas once.

#include "FinestraDiProva.h"

#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormZona.h"
#include "ui/PannelloInfo.h"
#include "ui/TelaQt.h"

#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

namespace {

// The real window on the bundled sample wall (0 to 800 cm by 0 to 400 cm,
// openings at 100-220 x 120-260 and 600-700 x 60-180), the zone dialog
// answered "Ok".
class RidisegniFinestra : public FinestraDiProva {
protected:
    void SetUp() override {
        Avvia();
        finestra->Dialoghi().ImpostaCopione([this](QDialog& d) {
            if (qobject_cast<FormZona*>(&d))
                d.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            return copione(d);
        });
    }

public:
    using FinestraDiProva::Comando;
    using FinestraDiProva::finestra;
    using FinestraDiProva::sessione;

    int Ridisegni() { return finestra->Tela().DisegniCompleti(); }
    TelaQt& Tela() { return finestra->Tela(); }
    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }
    QPoint Pixel(float x, float y) {
        const Vista& v = finestra->VistaTela();
        return {static_cast<int>(std::lround(XSchermo(v, x))),
                static_cast<int>(std::lround(YSchermo(v, y)))};
    }
    void Mouse(QEvent::Type tipo, Qt::MouseButton pulsante, QPoint p) {
        const Qt::MouseButtons premuti =
            tipo == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(pulsante);
        QMouseEvent e(tipo, p, Tela().mapToGlobal(p), tipo == QEvent::MouseMove ? Qt::NoButton : pulsante,
                      premuti, {});
        QApplication::sendEvent(&Tela(), &e);
    }
    void Rotella(int delta) {
        const QPointF p = Tela().rect().center();
        Mouse(QEvent::MouseMove, Qt::NoButton, p.toPoint());
        QWheelEvent e(p, Tela().mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Tela(), &e);
        QCoreApplication::processEvents();
    }
    // A zone dragged over the solid part of the wall in "Inserisci armatura integrativa".
    void NuovaZona() {
        Comando(Ids().IdInserisciIntegrativa);
        Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Pixel(270.0f, 20.0f));
        Mouse(QEvent::MouseMove, Qt::LeftButton, Pixel(390.0f, 240.0f));
        Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Pixel(390.0f, 240.0f));
        QCoreApplication::processEvents();
    }
    // The picture a whole redraw gives now.
    QImage RidisegnoIntero() {
        finestra->Ridisegna();
        QCoreApplication::processEvents();
        return Tela().Composizione();
    }
};

struct AzioneUtente {
    const char* Nome;
    std::function<void(RidisegniFinestra&)> Prima;
    std::function<void(RidisegniFinestra&)> Azione;
};
void PrintTo(const AzioneUtente& a, std::ostream* os) { *os << a.Nome; }

class UnRidisegnoPerAzione : public RidisegniFinestra,
                             public ::testing::WithParamInterface<AzioneUtente> {};

TEST_P(UnRidisegnoPerAzione, TheActionRedrawsTheCanvasOnce) {
    GetParam().Prima(*this);
    QCoreApplication::processEvents();
    const int prima = Ridisegni();
    GetParam().Azione(*this);
    QCoreApplication::processEvents();
    EXPECT_EQ(Ridisegni() - prima, 1);
}

void Mappa(RidisegniFinestra& f) { f.Comando(f.Ids().IdMappaCalcolo); }

INSTANTIATE_TEST_SUITE_P(
    Azioni, UnRidisegnoPerAzione,
    ::testing::Values(
        AzioneUtente{.Nome = "PassaAUnaMappa",
                     .Prima = [](RidisegniFinestra&) {},
                     .Azione = Mappa},
        AzioneUtente{.Nome = "ScattoDiRotellaInUnaMappa",
                     .Prima = Mappa,
                     .Azione = [](RidisegniFinestra& f) { f.Rotella(120); }},
        AzioneUtente{.Nome = "ConfermaUnaZonaNellaMappaDelleCarenze",
                     .Prima = [](RidisegniFinestra& f) {
                         f.Comando(f.Ids().IdDisponiIntegrative);
                         f.Comando(f.Ids().IdInserisciIntegrativa);
                         f.Mouse(QEvent::MouseButtonPress, Qt::LeftButton, f.Pixel(270.0f, 20.0f));
                         f.Mouse(QEvent::MouseMove, Qt::LeftButton, f.Pixel(390.0f, 240.0f));
                     },
                     .Azione = [](RidisegniFinestra& f) {
                         const int posizioni = f.sessione.parete.UltPosizione;
                         f.Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, f.Pixel(390.0f, 240.0f));
                         EXPECT_EQ(f.sessione.parete.UltPosizione, posizioni + 1);
                     }},
        AzioneUtente{.Nome = "AnnullaInUnaMappa",
                     .Prima = [](RidisegniFinestra& f) {
                         f.Comando(f.Ids().IdDisponiIntegrative);
                         f.NuovaZona();
                     },
                     .Azione = [](RidisegniFinestra& f) {
                         f.finestra->Comandi()->Esegui(f.Ids().IdAnnulla);
                     }},
        AzioneUtente{.Nome = "RipetiInUnaMappa",
                     .Prima = [](RidisegniFinestra& f) {
                         f.Comando(f.Ids().IdDisponiIntegrative);
                         f.NuovaZona();
                         f.Comando(f.Ids().IdAnnulla);
                     },
                     .Azione = [](RidisegniFinestra& f) {
                         f.finestra->Comandi()->Esegui(f.Ids().IdRipeti);
                     }},
        AzioneUtente{.Nome = "ProgettoAutomaticoInUnaMappa",
                     .Prima = Mappa,
                     .Azione = [](RidisegniFinestra& f) {
                         const int passi = f.sessione.storia.IndiceAnnulla;
                         f.finestra->Comandi()->Esegui(f.Ids().IdProgetto);
                         EXPECT_EQ(f.sessione.storia.IndiceAnnulla, passi + 1);
                     }},
        AzioneUtente{.Nome = "RilascioDiUnaPanoramicaInUnaMappa",
                     .Prima = [](RidisegniFinestra& f) {
                         Mappa(f);
                         const QPoint c = f.Tela().rect().center();
                         f.Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, c);
                         f.Mouse(QEvent::MouseMove, Qt::MiddleButton, c + QPoint(30, 10));
                     },
                     .Azione = [](RidisegniFinestra& f) {
                         f.Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton,
                                 f.Tela().rect().center() + QPoint(30, 10));
                     }}),
    [](const auto& info) { return std::string(info.param.Nome); });

// The window opens on its wall with one redraw, made at the size it shows.
TEST_F(RidisegniFinestra, OpeningToTheFirstFrameRedrawsOnce) {
    EXPECT_EQ(Ridisegni(), 1);
    // The resize of the first show asks for nothing more.
    QTest::qWait(100);
    EXPECT_EQ(Ridisegni(), 1);
    EXPECT_EQ(Tela().Immagine().size(), Tela().size());
}

// Each mouse move of a pan moves the picture and draws the strips that come
// into view, with no whole redraw; after the release the picture is the one
// a whole redraw gives.
TEST_F(RidisegniFinestra, APanMovesThePictureAndItsReleaseRedrawsOnce) {
    Mappa(*this);
    const QImage prima = Tela().Immagine();
    const int ridisegni = Ridisegni();
    const QPoint c = Tela().rect().center();
    Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, c);
    for (int passo = 1; passo <= 3; ++passo) {
        Mouse(QEvent::MouseMove, Qt::MiddleButton, c + QPoint(10 * passo, 4 * passo));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(Ridisegni(), ridisegni);
    // The picture has followed the mouse by 30 x 12 pixels.
    const QImage durante = Tela().Immagine();
    EXPECT_EQ(durante.copy(30, 12, 400, 300), prima.copy(0, 0, 400, 300));

    Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, c + QPoint(30, 12));
    QCoreApplication::processEvents();
    EXPECT_EQ(Ridisegni(), ridisegni + 1);
    const QImage rilasciata = Tela().Composizione();
    EXPECT_EQ(rilasciata, RidisegnoIntero());
}

// A pan with "Trascina" works the same way.
TEST_F(RidisegniFinestra, ADragPanInTrascinaRedrawsOnceOnRelease) {
    Comando(Ids().IdTrascina);
    const int ridisegni = Ridisegni();
    const QPoint c = Tela().rect().center();
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, c);
    for (int passo = 1; passo <= 3; ++passo) {
        Mouse(QEvent::MouseMove, Qt::LeftButton, c - QPoint(7 * passo, 5 * passo));
        QCoreApplication::processEvents();
    }
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, c - QPoint(21, 15));
    QCoreApplication::processEvents();
    EXPECT_EQ(Ridisegni(), ridisegni + 1);
    EXPECT_EQ(Tela().Composizione(), RidisegnoIntero());
}

// Counts the window's frames: each update request paints what is dirty.
class ContaFotogrammi : public QObject {
public:
    int Fotogrammi = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::UpdateRequest) ++Fotogrammi;
        return false;
    }
};

// A change repaints the canvas and the information panel it rebuilds in one
// frame: the command-state pass that rebuilds the panel is served before
// the paint, not after it.
TEST_F(RidisegniFinestra, AnUndoPaintsTheCanvasAndTheNewPanelInOneFrame) {
    Comando(Ids().IdDisponiIntegrative);
    NuovaZona();
    QCoreApplication::processEvents();
    const std::string pannello = finestra->PannelloInformazioni().Rtf();
    ContaFotogrammi conta;
    finestra->installEventFilter(&conta);
    finestra->Comandi()->Esegui(Ids().IdAnnulla);
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    finestra->removeEventFilter(&conta);
    EXPECT_NE(finestra->PannelloInformazioni().Rtf(), pannello);
    EXPECT_EQ(conta.Fotogrammi, 1);
}

}  // namespace
