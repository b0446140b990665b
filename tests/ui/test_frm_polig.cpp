// The perimeter editor's window on the real main window: opened by the two
// perimeter commands, driven by its buttons and by presses on the canvas.
#include "FinestraDiProva.h"

#include "design/CaricaProgetto.h"
#include "drawing/Vista.h"
#include "model/CampoNumerico.h"
#include "model/Numeri.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FrmPolig.h"
#include "ui/IdComandi.h"
#include "ui/PosizioneFinestra.h"
#include "ui/TelaQt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class FrmPoligTest : public FinestraDiProva {
protected:
    void SetUp() override { Avvia(); }

    FrmPolig& Editor() { return *finestra->EditorPerimetro(); }
    template <class W>
    W& Controllo(const char* nome) {
        W* w = Editor().findChild<W*>(QString::fromLatin1(nome));
        EXPECT_NE(w, nullptr) << nome;
        return *w;
    }
    QListWidget& Lista() { return Controllo<QListWidget>("List1"); }
    QLineEdit& Casella(int i) { return Controllo<QLineEdit>(i == 0 ? "Text1_0" : "Text1_1"); }
    QPushButton& Pulsante(int i) {
        const std::string nome = "Command1_" + std::to_string(i);
        return Controllo<QPushButton>(nome.c_str());
    }
    std::string Etichetta() { return Controllo<QLabel>("Label2_2").text().toStdString(); }
    QColor ColoreCasella(int i) { return Casella(i).palette().color(QPalette::Text); }
    void Scrivi(const char* x, const char* y) {
        Casella(0).setText(QString::fromLatin1(x));
        Casella(1).setText(QString::fromLatin1(y));
    }

    QWidget* Tela() { return &finestra->Tela(); }
    QPoint Pixel(Punto p) {
        const Vista& v = finestra->VistaTela();
        return {static_cast<int>(std::lround(XSchermo(v, p.X))),
                static_cast<int>(std::lround(YSchermo(v, p.Y)))};
    }
    void Premi(QPoint p) {
        QTest::mousePress(Tela(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(Tela(), Qt::LeftButton, {}, p);
        QCoreApplication::processEvents();
    }
};

std::string Riga(int i, Punto p) {
    return std::string(i < 9 ? "  " : " ") + std::to_string(i + 1) + " - X = " + FormatoDec(p.X, 1) +
           "    Y = " + FormatoDec(p.Y, 1);
}

}  // namespace

TEST_F(FrmPoligTest, TheInnerPerimeterOpensAboveTheWindowWithoutTakingTheFocus) {
    Comando(IdFisso::PerimetroInterno);
    ASSERT_NE(finestra->EditorPerimetro(), nullptr);
    FrmPolig& e = Editor();
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(e.windowTitle().toStdString(), "Perimetro interno");
    EXPECT_TRUE(e.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(e.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(e.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(e.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(sessione.stato.ModificaPoligono, 1);
    EXPECT_EQ(sessione.stato.Modo, ModoInput::Inattivo);

    const Parete& p = sessione.parete;
    ASSERT_EQ(Lista().count(), p.NumPuntiInt);  // the closing repeat is not listed
    for (int i = 0; i < p.NumPuntiInt; ++i)
        EXPECT_EQ(Lista().item(i)->text().toStdString(), Riga(i, p.PerimetroInterno[i]));
    EXPECT_EQ(Lista().currentRow(), 0);
    EXPECT_EQ(Etichetta(), "Vertice  1:");
    EXPECT_EQ(Casella(0).text().toStdString(), FormatoDec(p.PerimetroInterno[0].X, 1));
    EXPECT_EQ(ColoreCasella(0), QColor(Qt::black));
    // Deleting and inserting exist but are never offered.
    EXPECT_FALSE(Pulsante(0).isVisible());
    EXPECT_FALSE(Pulsante(1).isVisible());
    EXPECT_TRUE(Pulsante(2).isVisible());
}

// The window is sized to what it holds: every button's caption, every list
// line and the coordinates in the two boxes read whole, also after a vertex
// moves far; it opens at its design place, kept on the screen.
TEST_F(FrmPoligTest, ItIsSizedToItsContentsAndOpensAtItsDesignPlaceOnTheScreen) {
    Comando(IdFisso::PerimetroEsterno);
    FrmPolig& e = Editor();
    const QScreen* schermo = e.screen() ? e.screen() : QGuiApplication::primaryScreen();
    ASSERT_NE(schermo, nullptr);
    const int tpp = finestra->TwipPerPixel();
    EXPECT_EQ(e.geometry(), TenutaSulloSchermo(QRect(QPoint(13905 / tpp, 4065 / tpp), e.size()),
                                               schermo->availableGeometry()));
    EXPECT_GE(e.width(), 2595 / tpp) << "never narrower than its design";

    const auto controlla = [&](const std::string& dove) {
        for (int i : {2, 3, 4})
            EXPECT_GE(Pulsante(i).width(), Pulsante(i).sizeHint().width()) << dove << ": button " << i;
        QListWidget& lista = Lista();
        const int margine = lista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lista) + 1;
        for (int i = 0; i < lista.count(); ++i)
            EXPECT_LE(lista.fontMetrics().horizontalAdvance(lista.item(i)->text()) + 2 * margine,
                      lista.viewport()->width())
                << dove << ": " << lista.item(i)->text().toStdString();
        for (int k = 0; k < 2; ++k) {
            QLineEdit& casella = Casella(k);
            const int cornice = casella.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &casella);
            for (const QString& testo : {casella.text(), QStringLiteral("-99999.9")})
                EXPECT_LE(casella.fontMetrics().horizontalAdvance(testo) + 2 * cornice + 4, casella.width())
                    << dove << ": " << testo.toStdString();
        }
        EXPECT_TRUE(schermo->availableGeometry().contains(e.geometry())) << dove;
    };
    controlla("opened");
    // A vertex moved far widens its line.
    Scrivi("-12345.6", "-23456.7");
    Pulsante(2).click();
    QCoreApplication::processEvents();
    ASSERT_EQ(Lista().item(0)->text().toStdString(), Riga(0, {-12345.6f, -23456.7f}));
    controlla("after a far move");
}

TEST_F(FrmPoligTest, CanvasPressesSelectAVertexOrProposeAPointInRed) {
    Comando(IdFisso::PerimetroEsterno);
    const Punto v2 = sessione.parete.PerimetroEsterno[2];
    Premi(Pixel(v2));
    EXPECT_EQ(Lista().currentRow(), 2);
    EXPECT_EQ(Etichetta(), "Vertice  3:");
    EXPECT_EQ(Casella(1).text().toStdString(), FormatoDec(v2.Y, 1));

    // Grid off: the clicked point, in light red, and nothing else changes.
    const QPoint vuoto = Pixel({400, 200});
    Premi(vuoto);
    const Vista& v = finestra->VistaTela();
    EXPECT_EQ(Casella(0).text().toStdString(), FormatoDec(XModello(v, vuoto.x()), 1));
    EXPECT_EQ(ColoreCasella(0), QColor(255, 0, 0));
    EXPECT_EQ(Lista().currentRow(), 2);
    EXPECT_EQ(sessione.parete.PerimetroEsterno[2], v2);

    // Grid on, nodes every 5 m: nowhere near one, so nothing at all.
    sessione.imp.PassoGrigliaX = sessione.imp.PassoGrigliaY = 500;
    Controllo<QPushButton>("Check1").click();
    EXPECT_EQ(sessione.stato.SnapGriglia, 1);
    const QString prima = Casella(0).text();
    Premi(Pixel({250, 250}));
    EXPECT_EQ(Casella(0).text(), prima);
}

TEST_F(FrmPoligTest, AssignWritesOnlyItsPerimeterAsOneStepEvenUnchanged) {
    const Parete prima = sessione.parete;
    const int passi = sessione.storia.UltimoAnnulla;
    Comando(IdFisso::PerimetroEsterno);
    Pulsante(3).click();
    QCoreApplication::processEvents();
    EXPECT_EQ(sessione.storia.UltimoAnnulla, passi + 1);
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(sessione.stato.ModificaPoligono, 0);

    Comando(IdFisso::PerimetroEsterno);
    Lista().setCurrentRow(1);
    emit Lista().itemClicked(Lista().item(1));
    Scrivi("-10", "415,5");
    Pulsante(2).click();
    EXPECT_EQ(Lista().item(1)->text().toStdString(), Riga(1, {-10, 415.5f}));
    EXPECT_EQ(sessione.parete.PerimetroEsterno, prima.PerimetroEsterno);  // not yet written
    Pulsante(3).click();
    QCoreApplication::processEvents();
    EXPECT_EQ(sessione.parete.PerimetroEsterno[1], (Punto{-10, 415.5f}));
    EXPECT_EQ(sessione.parete.PerimetroInterno, prima.PerimetroInterno);
    EXPECT_EQ(sessione.parete.Contorno, prima.Contorno);
    EXPECT_EQ(sessione.storia.UltimoAnnulla, passi + 2);
}

TEST_F(FrmPoligTest, ABoxWithLettersIsRefusedAndKeptAsTyped) {
    Comando(IdFisso::PerimetroEsterno);
    const Parete prima = sessione.parete;
    Scrivi("abc", "10");
    Pulsante(2).click();
    ASSERT_EQ(copione.Visti.size(), 1u);
    EXPECT_EQ(copione.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(copione.Visti[0].Testo, "Coordinate non valide.\nOperazione annullata.");
    EXPECT_EQ(Casella(0).text().toStdString(), "abc");
    EXPECT_EQ(Lista().item(0)->text().toStdString(), Riga(0, prima.PerimetroEsterno[0]));
    EXPECT_EQ(sessione.parete, prima);
}

TEST_F(FrmPoligTest, ABoxBeyondTheRangeIsRefusedAndTheVertexShownAgain) {
    Comando(IdFisso::PerimetroEsterno);
    const Parete prima = sessione.parete;
    Scrivi("1e9", "10");
    Pulsante(2).click();
    QCoreApplication::processEvents();
    ASSERT_EQ(copione.Visti.size(), 1u);
    EXPECT_EQ(copione.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(copione.Visti[0].Testo, MessaggioFuoriCampo());
    EXPECT_EQ(Casella(0).text().toStdString(), FormatoDec(prima.PerimetroEsterno[0].X, 1));
    EXPECT_EQ(Casella(1).text().toStdString(), FormatoDec(prima.PerimetroEsterno[0].Y, 1));
    EXPECT_EQ(ColoreCasella(0), QColor(Qt::black));
    EXPECT_EQ(Lista().item(0)->text().toStdString(), Riga(0, prima.PerimetroEsterno[0]));
    EXPECT_EQ(sessione.parete, prima);
}

TEST_F(FrmPoligTest, TheGridToggleIsKeptOnReopenAndTheCloseBoxDropsTheEdits) {
    const Parete prima = sessione.parete;
    Comando(IdFisso::PerimetroEsterno);
    Controllo<QPushButton>("Check1").click();
    Scrivi("1", "2");
    Pulsante(2).click();
    Editor().close();  // the close box
    EXPECT_EQ(sessione.stato.ModificaPoligono, 0);
    EXPECT_EQ(sessione.parete, prima);

    Comando(IdFisso::PerimetroEsterno);
    EXPECT_TRUE(Controllo<QPushButton>("Check1").isChecked());
    EXPECT_EQ(sessione.stato.SnapGriglia, 1);
    EXPECT_EQ(Lista().item(0)->text().toStdString(), Riga(0, prima.PerimetroEsterno[0]));
}

TEST_F(FrmPoligTest, TheOtherPerimeterReloadsTheSameOneKeepsTheEdits) {
    Comando(IdFisso::PerimetroEsterno);
    Scrivi("1", "2");
    Pulsante(2).click();
    Comando(IdFisso::PerimetroEsterno);
    EXPECT_EQ(Lista().item(0)->text().toStdString(), Riga(0, {1, 2}));

    Comando(IdFisso::PerimetroInterno);
    EXPECT_EQ(Editor().windowTitle().toStdString(), "Perimetro interno");
    EXPECT_EQ(sessione.stato.PerimetroInModifica, 1);
    EXPECT_EQ(Lista().item(0)->text().toStdString(), Riga(0, sessione.parete.PerimetroInterno[0]));
}

TEST_F(FrmPoligTest, TheHiddenInsertAsksAndAddsAVertex) {
    Comando(IdFisso::PerimetroEsterno);
    const int righe = Lista().count();
    copione.Pulsanti = {QMessageBox::Yes};
    Pulsante(1).click();
    EXPECT_EQ(Lista().count(), righe + 1);
    EXPECT_EQ(Lista().currentRow(), 1);
    ASSERT_EQ(copione.Visti.size(), 1u);
    EXPECT_EQ(copione.Visti[0].Titolo, "Attenzione!");
}

TEST_F(FrmPoligTest, ItClosesWithoutWritingWhenSwitchedOffOrAnotherWallOpens) {
    const Parete prima = sessione.parete;
    Comando(IdFisso::PerimetroEsterno);
    // A state above 15 disables the perimeter commands: the pass switches the editor off.
    sessione.stato.StatoVista = 16;
    finestra->Comandi()->AggiornaOra();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(sessione.stato.ModificaPoligono, 0);
    EXPECT_EQ(sessione.parete.PerimetroEsterno, prima.PerimetroEsterno);

    sessione.stato.StatoVista = 0;
    Comando(IdFisso::PerimetroEsterno);
    ASSERT_TRUE(Editor().isVisible());
    const std::string altra = (cartella.Percorso() / "ALTRA.SET").string();
    fs::copy_file(file, altra);
    ASSERT_TRUE(CaricaProgetto(sessione, altra, finestra->VistaTela(), *finestra).Riuscito());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(sessione.stato.ModificaPoligono, 0);
}

TEST_F(FrmPoligTest, AnUndoThatMovesTheOutlineClosesIt) {
    const std::vector<Punto> prima = sessione.parete.PerimetroEsterno;
    Comando(IdFisso::PerimetroEsterno);
    Scrivi("-10", "0");
    Pulsante(2).click();
    Pulsante(3).click();  // written: one step
    Comando(IdFisso::PerimetroEsterno);
    ASSERT_TRUE(Editor().isVisible());
    Comando(finestra->Comandi()->Ids().IdAnnulla);
    EXPECT_FALSE(Editor().isVisible());
    EXPECT_EQ(sessione.stato.ModificaPoligono, 0);
    EXPECT_EQ(sessione.parete.PerimetroEsterno, prima);
}
