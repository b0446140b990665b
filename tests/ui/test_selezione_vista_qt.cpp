#include "design/Ridisegna.h"
#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/SelettoriVista.h"
#include "ui/SelezioneVistaQt.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "RiquadroRegistrato.h"
#include "TelaRegistrata.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The window's side of the range panel: the redraw shows or hides it.
class FinestraScala : public FinestraRegistrata {
public:
    PannelloScala* Scala = nullptr;
    void MostraRiquadroScala(bool visibile) override { Scala->setVisible(visibile); }
};

struct Banco {
    Sessione S;
    QWidget Colonna;
    SelettoriVista* Selettori = new SelettoriVista(&Colonna);
    PannelloScala* Scala = new PannelloScala(&Colonna);
    FinestraScala Finestra;
    TelaRegistrata Tela;
    RiquadroRegistrato Riquadro;
    Vista V;
    int InfoArm = 0, Adattamenti = 0, Ridisegni = 0;
    SelezioneVistaQt Selezione{S, *Selettori, *Scala,
                               {.InfoArm = [this] { ++InfoArm; },
                                .AdattaFinestra =
                                    [this] {
                                        ++Adattamenti;
                                        AdattaFinestra(V, S.parete.Estensione);
                                    },
                                .Ridisegna =
                                    [this] {
                                        ++Ridisegni;
                                        Ridisegna(S, DestinazioneSchermo{Tela, V, Riquadro, Finestra});
                                    }}};

    Banco() {
        Finestra.Scala = Scala;
        V.LarghezzaTela = 800.0f;
        V.AltezzaTela = 600.0f;
        S.parete.EstPianta = {0.0f, 0.0f, 300.0f, 200.0f};
        S.parete.MaxRichiesta = {10.0f, 20.0f, 30.0f, 40.0f};
        S.parete.MinRichiesta = {1.0f, 2.0f, 3.0f, 4.0f};
        // Statistics come with nodes: a wall without nodes has no range.
        S.parete.NumNodi = 1;
        S.parete.Nodi.resize(1);
        Colonna.show();
    }
    bool ScalaVisibile() const { return Scala->isVisibleTo(&Colonna); }
};

class SelezioneVistaQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
};

}  // namespace

TEST_F(SelezioneVistaQtTest, AClickOnASelectorDerivesOnceAndFitsTheView) {
    Banco b;
    b.Selettori->Option2(1)->click();
    EXPECT_EQ(b.S.stato.DirezioneCorrente, 1);
    EXPECT_TRUE(b.Selettori->Option2(1)->isChecked());
    EXPECT_FALSE(b.Selettori->Option2(0)->isChecked());
    EXPECT_EQ(b.InfoArm, 1);
    EXPECT_EQ(b.Adattamenti, 1);
    EXPECT_EQ(b.Ridisegni, 1);
    b.Selettori->Option1(1)->click();
    EXPECT_EQ(b.S.stato.LatoCorrente, 1);
    EXPECT_EQ(b.S.stato.StatoVista, 1);
    EXPECT_EQ(b.Ridisegni, 2);
    // Selecting from the program sends no click.
    b.Selettori->SelezionaLato(0);
    EXPECT_EQ(b.Ridisegni, 2);
}

TEST_F(SelezioneVistaQtTest, RangeButtonsKeepTheZoomAndAChangeOfViewLosesIt) {
    Banco b;
    b.S.stato.ModoVista = 4;
    b.Selezione.AggiornaVisulalizzazione();
    EXPECT_EQ(b.Scala->Text1(0)->text(), "10.00");
    EXPECT_EQ(b.Scala->Text1(1)->text(), "1.00");
    const Vista adattata = b.V;
    ZoomAvvicina(b.V);
    const Vista ingrandita = b.V;
    ASSERT_NE(ingrandita.Scala, adattata.Scala);

    b.Scala->Text1(1)->setText("2,5");
    b.Scala->Text1(0)->setText("1");
    b.Scala->Command1(1)->click();
    EXPECT_EQ(b.S.stato.ScalaMin, 2.5f);
    EXPECT_EQ(b.S.stato.ScalaMax, 10.0f);
    EXPECT_EQ(b.Scala->Text1(1)->text(), "2,5");  // taken, as typed
    EXPECT_EQ(b.Scala->Text1(0)->text(), "10.00");  // refused, shown again
    EXPECT_EQ(b.V.Scala, ingrandita.Scala);

    b.Scala->Command1(0)->click();
    EXPECT_EQ(b.S.stato.ScalaMin, 1.0f);
    EXPECT_EQ(b.Scala->Text1(1)->text(), "1.00");
    EXPECT_EQ(b.V.Scala, ingrandita.Scala);
    EXPECT_EQ(b.Adattamenti, 1);

    b.Selettori->Option1(0)->click();
    EXPECT_EQ(b.V.Scala, adattata.Scala);
}

TEST_F(SelezioneVistaQtTest, TheRangePanelShowsOnlyInTheMapsWithARange) {
    Banco b;
    const struct {
        int modo;
        bool visibile;
    } righe[] = {{4, true}, {0, false}, {5, true}, {3, false}, {1, false}, {2, false}};
    for (const auto& r : righe) {
        b.S.stato.ModoVista = r.modo;
        b.Selezione.AggiornaVisulalizzazione();
        EXPECT_EQ(b.ScalaVisibile(), r.visibile) << r.modo;
    }
}
