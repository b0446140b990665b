#include "FinestraDiProva.h"

#include "model/Layer.h"
#include "model/Sessione.h"
#include "ui/BarreComandi.h"
#include "ui/ColoreQt.h"
#include "ui/ComandiFinestra.h"
#include "ui/Dispatcher.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GrigliaProprieta.h"
#include "ui/PannelloInfo.h"
#include "ui/SelettoriVista.h"
#include "ui/TelaQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

int PixelDiColore(const QImage& immagine, QColor colore) {
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (immagine.pixelColor(x, y) == colore) ++n;
    return n;
}

// The real window, started as the program starts it, with or without the
// bundled sample wall on its command line.
class FinestraConComandi : public FinestraDiProva {
protected:
    void AvviaEDisegna(bool conParete) {
        Avvia(conParete);
        // The burst of resizes of the first show is redrawn once it is over.
        if (conParete) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return ColoreLayer(Layer::ArmDiffusa1) > 0; }, 2000));
        }
    }

    // The command as the user chooses it: its first control's action.
    void Scegli(int id) {
        const std::vector<ControlloComando*> controlli = finestra->Comandi()->Barre().Trova(id);
        ASSERT_FALSE(controlli.empty()) << id;
        controlli.front()->Azione()->trigger();
        QCoreApplication::processEvents();
    }
    bool Abilitato(int id) { return finestra->Comandi()->Barre().Trova(id).front()->Abilitato(); }
    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }
    QImage Tela() { return finestra->Tela().Composizione(); }
    int ColoreLayer(int layer) {
        const int c = sessione.imp.ColoriSchermo[layer];
        return PixelDiColore(Tela(), ColoreQt(c));
    }
};

TEST_F(FinestraConComandi, AViewCommandChangesTheDisplayStateAndRedrawsTheCanvas) {
    AvviaEDisegna(true);
    // A change of view fits the view to the canvas as it is now.
    Scegli(Ids().IdVisDiffusa);
    const QImage diffusa = Tela();
    ASSERT_GT(ColoreLayer(Layer::ArmDiffusa1), 0);
    EXPECT_FALSE(finestra->RiquadroScala().isVisible());

    Scegli(Ids().IdMappaCalcolo);
    EXPECT_EQ(sessione.stato.ModoVista, 4);
    EXPECT_GE(sessione.stato.StatoVista, 2);
    EXPECT_LE(sessione.stato.StatoVista, 13);
    EXPECT_NE(Tela(), diffusa);
    // The required-area map has a range, shown in its boxes.
    EXPECT_TRUE(finestra->RiquadroScala().isVisible());
    EXPECT_FALSE(finestra->ScalaMassima().text().isEmpty());
    EXPECT_TRUE(finestra->Comandi()->Barre().Trova(Ids().IdMappaCalcolo).front()->Selezionato());

    Scegli(Ids().IdVisDiffusa);
    EXPECT_EQ(sessione.stato.ModoVista, 0);
    EXPECT_FALSE(finestra->RiquadroScala().isVisible());
    EXPECT_EQ(Tela(), diffusa);
}

TEST_F(FinestraConComandi, ZoomCommandsRedrawAtTheNewScale) {
    AvviaEDisegna(true);
    Scegli(Ids().IdVistaTotale);
    const float scala = finestra->VistaTela().Scala;
    const QImage totale = Tela();
    Scegli(Ids().IdAvvicina);
    EXPECT_GT(finestra->VistaTela().Scala, scala);
    EXPECT_NE(Tela(), totale);
    Scegli(Ids().IdVistaTotale);
    EXPECT_FLOAT_EQ(finestra->VistaTela().Scala, scala);
    EXPECT_EQ(Tela(), totale);
}

TEST_F(FinestraConComandi, SaveWithNoWallDoesNothing) {
    AvviaEDisegna(false);
    Scegli(Ids().IdSalva);
    EXPECT_TRUE(copione.Visti.empty());
    EXPECT_FALSE(sessione.parete.CaricataParete());
    EXPECT_TRUE(fs::is_empty(cartella.Percorso()));
}

TEST_F(FinestraConComandi, TheSelectorsDriveTheViewSelection) {
    AvviaEDisegna(true);
    finestra->Selettori().Option1(0)->click();
    const QImage latoPiu = Tela();
    finestra->Selettori().Option1(1)->click();
    EXPECT_EQ(sessione.stato.LatoCorrente, 1);
    EXPECT_EQ(sessione.stato.VistaCorrente, 1);
    EXPECT_TRUE(finestra->Selettori().Option1(1)->isChecked());
    EXPECT_NE(Tela(), latoPiu);

    finestra->Selettori().Option2(1)->click();
    EXPECT_EQ(sessione.stato.DirezioneCorrente, 1);
    finestra->Selettori().Option1(0)->click();
    finestra->Selettori().Option2(0)->click();
    EXPECT_EQ(sessione.stato.VistaCorrente, 0);
    EXPECT_EQ(Tela(), latoPiu);
}

TEST_F(FinestraConComandi, TheOpenWallFillsThePanelsAndTheRepeatableCommandsPrompt) {
    AvviaEDisegna(true);
    EXPECT_FALSE(finestra->PannelloInformazioni().toPlainText().isEmpty());
    EXPECT_NE(finestra->Griglia().VoceConId(1), nullptr);
    EXPECT_TRUE(Abilitato(Ids().IdSalva));
    // Node information belongs to the maps: off in the distributed view, the
    // pass has disabled it and choosing it does nothing.
    EXPECT_FALSE(Abilitato(Ids().IdInfoNodi));
    Scegli(Ids().IdInfoNodi);
    EXPECT_EQ(sessione.stato.InfoNodiAttivo, 0);

    Scegli(Ids().IdDisponiIntegrative);
    ASSERT_TRUE(Abilitato(Ids().IdInfoNodi));
    Scegli(Ids().IdInfoNodi);
    EXPECT_NE(sessione.stato.InfoNodiAttivo, 0);
    EXPECT_EQ(finestra->PannelloInformazioni().toPlainText().trimmed().toStdString(),
              TestoInfoNodi);
    Scegli(Ids().IdInfoNodi);
    EXPECT_EQ(sessione.stato.InfoNodiAttivo, 0);
    EXPECT_NE(finestra->PannelloInformazioni().toPlainText().trimmed().toStdString(),
              TestoInfoNodi);

    Scegli(Ids().IdSpostaArmatura);
    EXPECT_EQ(finestra->Prompt().text().toStdString(),
              "Seleziona e trascina nella nuova posizione l'armatura da spostare");
    EXPECT_EQ(sessione.stato.UltimoComando, Ids().IdSpostaArmatura);
}

TEST_F(FinestraConComandi, TheSettingsAndDesignCommandsOpenTheirDialogs) {
    AvviaEDisegna(true);
    Scegli(Ids().IdImpostazioni);
    Scegli(Ids().IdProgetto);  // the toolbar button "Progetto armatura diffusa"
    std::vector<std::string> titoli;
    for (const auto& visto : copione.Visti) titoli.push_back(visto.Titolo);
    EXPECT_EQ(titoli, (std::vector<std::string>{"Impostazioni", "Progetto amatura diffusa"}));
}

TEST_F(FinestraConComandi, TheInformationWindowOpensAndExitCloses) {
    AvviaEDisegna(true);
    Scegli(IdFisso::Informazioni);
    ASSERT_EQ(copione.Visti.size(), 1u);
    EXPECT_TRUE(copione.Visti.front().Testo.empty());  // a dialog, not a box

    Scegli(Ids().IdEsci);
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_EQ(copione.Visti.size(), 1u);  // nothing unsaved, nothing asked
}

}  // namespace
