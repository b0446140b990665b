// The real window agrees with the wall it shows: the colour maps after a
// design change, the legend's face in every view.

#include "FinestraDiProva.h"

#include "design/CaricaProgetto.h"
#include "design/MappaIntervalli.h"
#include "interaction/SelezioneVista.h"
#include "model/Nodo.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/IdComandi.h"
#include "ui/RiquadroLegendaQt.h"
#include "ui/SelettoriVista.h"
#include "ui/TelaQt.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

constexpr int TipoEccedenza = 10;

class FinestraViste : public FinestraDiProva {
protected:
    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }
    QImage Tela() { return finestra->Tela().Composizione(); }
    QImage Legenda() { return finestra->Legenda().Immagine(); }
    std::string Max() { return finestra->ScalaMassima().text().toStdString(); }
    std::string Min() { return finestra->ScalaMinima().text().toStdString(); }

    // Opens a copy of a fixture wall as the open command does.
    void Apri(const std::string& fixture) {
        const std::string altra = (cartella.Percorso() / fixture).string();
        std::filesystem::copy_file(PercorsoFixture(fixture), altra);
        ASSERT_TRUE(CaricaProgetto(sessione, altra, finestra->VistaTela(), *finestra).Riuscito());
        QCoreApplication::processEvents();
    }
};

}  // namespace

// The excess map keeps no range from before the design: its range is the
// new data's, as choosing the view again gives it, and so is its colouring.
TEST_F(FinestraViste, LaMappaSegueIlProgettoAutomatico) {
    Avvia();
    Comando(Ids().IdEccedenza);
    const int k = sessione.stato.TipoMappa - TipoEccedenza;
    const IntervalloMappa prima = IntervalloEccedenza(sessione.parete, k);
    Comando(Ids().IdProgetto);
    ASSERT_EQ(copione.Visti.front().Titolo, "Progetto amatura diffusa");
    const IntervalloMappa dopo = IntervalloEccedenza(sessione.parete, k);
    ASSERT_NE(dopo, prima) << "the design changed nothing";
    EXPECT_EQ(sessione.stato.ScalaMax, dopo.Max);
    EXPECT_EQ(sessione.stato.ScalaMin, dopo.Min);
    EXPECT_EQ(Max(), TestoScala(dopo.Max));
    EXPECT_EQ(Min(), TestoScala(dopo.Min));
    const QImage mappa = Tela();
    Comando(Ids().IdEccedenza);
    EXPECT_EQ(Tela(), mappa);
}

// A typed range stays through a change of the design, until "Default".
TEST_F(FinestraViste, UnIntervalloScrittoRestaFinoADefault) {
    Avvia();
    Comando(Ids().IdMappaCalcolo);
    finestra->ScalaMassima().setText("9");
    finestra->ScalaMinima().setText("1");
    finestra->RiquadroScala().Command1(1)->click();
    Comando(Ids().IdProgetto);
    EXPECT_EQ(sessione.stato.ScalaMax, 9.0f);
    EXPECT_EQ(Max(), "9.00");
    finestra->RiquadroScala().Command1(0)->click();
    EXPECT_EQ(Max(), TestoScala(sessione.parete.MaxRichiesta[SlotDiStrato(sessione.stato.TipoMappa)]));
    EXPECT_FALSE(sessione.stato.ScalaImpostata);
}

// A text that is no number is put back, not read as 0.
TEST_F(FinestraViste, IlRiquadroRifiutaUnTestoNonNumerico) {
    Avvia();
    Comando(Ids().IdEccedenza);
    const std::string max = Max(), min = Min();
    const float scalaMax = sessione.stato.ScalaMax;
    finestra->ScalaMassima().setText("abc");
    finestra->ScalaMinima().setText("");
    finestra->RiquadroScala().Command1(1)->click();
    EXPECT_EQ(Max(), max);
    EXPECT_EQ(Min(), min);
    EXPECT_EQ(sessione.stato.ScalaMax, scalaMax);
}

// A wall without nodes has no range: nothing left of the previous wall's.
TEST_F(FinestraViste, UnaPareteSenzaNodiNonHaIntervallo) {
    Avvia();
    for (const int id : {Ids().IdMappaCalcolo, Ids().IdEccedenza}) {
        Comando(id);
        ASSERT_NE(Max(), "");
    }
    Apri("SENZA_NODI.SET");
    EXPECT_EQ(Max(), "");
    EXPECT_EQ(Min(), "");
    for (const int id : {Ids().IdMappaCalcolo, Ids().IdEccedenza}) {
        Comando(id);
        EXPECT_EQ(sessione.stato.ScalaMax, 0.0f) << id;
        EXPECT_EQ(sessione.stato.ScalaMin, 0.0f) << id;
        EXPECT_EQ(Max(), "") << id;
        EXPECT_EQ(Min(), "") << id;
    }
}

// The legend names the selected face in every view: after the sheet preview
// and in the zone view it shows what the distributed view of that face shows.
TEST_F(FinestraViste, LaLegendaNominaIlLatoSceltoInOgniVista) {
    Avvia();
    for (const int lato : {0, 1}) {
        finestra->Selettori().Option1(lato)->click();
        Comando(Ids().IdVisDiffusa);
        const QImage diffusa = Legenda();
        Comando(Ids().IdAnteprimaTavola);
        EXPECT_EQ(Legenda(), diffusa) << "sheet, face " << lato;
        Comando(Ids().IdVisIntegrativa);
        EXPECT_EQ(Legenda(), diffusa) << "zones, face " << lato;
        Comando(Ids().IdVisDiffusa);
        EXPECT_EQ(Legenda(), diffusa) << "back, face " << lato;
    }
    finestra->Selettori().Option1(0)->click();
    Comando(Ids().IdVisDiffusa);
    const QImage piu = Legenda();
    finestra->Selettori().Option1(1)->click();
    EXPECT_NE(Legenda(), piu);
}

// A single-mesh wall shows its mesh right after opening, as after a click
// on a direction.
TEST_F(FinestraViste, UnaMagliaUnicaMostraLaSuaMagliaAllApertura) {
    Avvia();
    finestra->Selettori().Option1(0)->click();
    Apri("MAGLIA_UNICA.SET");
    ASSERT_NE(sessione.parete.MagliaUnica, 0);
    const QImage aperta = Legenda();
    finestra->Selettori().Option2(1)->click();
    finestra->Selettori().Option2(0)->click();
    EXPECT_EQ(Legenda(), aperta);
}
