#include "ui/FrmPropQuote.h"

#include "interaction/ContestoModi.h"
#include "model/Sessione.h"
#include "ui/OspiteDialoghi.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessioneDialoghi.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct Copione {
    std::function<int(FrmPropQuote&)> SuDialogo;
    int aperture = 0;
    int operator()(QDialog& d) {
        auto* f = qobject_cast<FrmPropQuote*>(&d);
        if (f == nullptr) return QDialog::Rejected;
        ++aperture;
        return SuDialogo ? SuDialogo(*f) : QDialog::Rejected;
    }
};

QRadioButton& Opzione(FrmPropQuote& f, int indice) {
    return *f.findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(indice));
}

QPushButton& Pulsante(FrmPropQuote& f, int indice) {
    return *f.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(indice));
}

int Premi(FrmPropQuote& f, int indice) {
    Pulsante(f, indice).click();
    return f.result();
}

class FrmPropQuoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicazioneDiProva();
        s.parete.Quote = {Quota{.X2 = 100, .Testo = "100", .Vista = 0},
                         Quota{.Y2 = 50, .Testo = "50", .Vista = -1}};
        s.parete.UltQuota = 1;
        s.stato.VistaCorrente = 3;
        ospite.ImpostaCopione(std::ref(copione));
    }
    void Mostra() { MostraFrmPropQuote(s, finestra, ospite, 15, nullptr); }

    CartellaTemporanea cartella;
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    FinestraRegistrata finestra;
    OspiteDialoghi ospite;
    Copione copione;
};

}  // namespace

TEST_F(FrmPropQuoteTest, OpensOnTheDimensionsChoiceWithTheCurrentPlanFirst) {
    struct Caso {
        const char* nome;
        int quota;
        int maglia;
        const char* prima;
        bool tutte;
    };
    for (const Caso& c : {
             Caso{.nome = "di una pianta, due facce", .quota = 0, .maglia = 0,
                  .prima = "Pianta armatura integrativa lato -", .tutte = false},
             Caso{.nome = "di tutte, maglia unica", .quota = 1, .maglia = -1,
                  .prima = "Pianta armatura integrativa", .tutte = true},
         }) {
        SCOPED_TRACE(c.nome);
        s.stato.QuotaSelezionata = c.quota;
        s.parete.MagliaUnica = c.maglia;
        copione.SuDialogo = [&](FrmPropQuote& f) {
            EXPECT_EQ(f.windowTitle(), "Quota attiva nel contesto:");
            EXPECT_EQ(Opzione(f, 0).text().toStdString(), c.prima);
            EXPECT_EQ(Opzione(f, 1).text(), "Tutte le piante");
            EXPECT_EQ(Opzione(f, 1).isChecked(), c.tutte);
            EXPECT_EQ(Opzione(f, 0).isChecked(), !c.tutte);
            EXPECT_EQ(Pulsante(f, 0).text(), "&Annulla");
            EXPECT_EQ(Pulsante(f, 1).text(), "Ok");
            EXPECT_FALSE(Pulsante(f, 1).isDefault());
            return Premi(f, 0);
        };
        Mostra();
    }
    EXPECT_EQ(copione.aperture, 2);
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(FrmPropQuoteTest, AnnullaAndEscChangeNothing) {
    s.stato.QuotaSelezionata = 1;
    const ProgettoParete prima = s.parete;
    copione.SuDialogo = [&](FrmPropQuote& f) {
        int chiusure = 0;
        QObject::connect(&f, &QDialog::finished, [&](int) { ++chiusure; });
        Opzione(f, 0).setChecked(true);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&f, &esc);
        EXPECT_EQ(chiusure, 0);
        return Premi(f, 0);
    };
    Mostra();
    EXPECT_TRUE(static_cast<const ProgettoParete&>(s.parete) == prima);
    EXPECT_EQ(PassiAnnulla(s), 0);
}

TEST_F(FrmPropQuoteTest, OkStoresTheChoiceThroughTheModesService) {
    ServiziModi servizi;
    servizi.FrmPropQuote = [this](Sessione& sessione, InterfacciaFinestra& f) {
        MostraFrmPropQuote(sessione, f, ospite, 15, nullptr);
    };
    s.stato.QuotaSelezionata = 1;
    copione.SuDialogo = [&](FrmPropQuote& f) { return Premi(f, 1); };  // unchanged
    servizi.FrmPropQuote(s, finestra);
    EXPECT_EQ(s.parete.Quote[1].Vista, -1);
    EXPECT_EQ(PassiAnnulla(s), 1);

    copione.SuDialogo = [&](FrmPropQuote& f) {
        Opzione(f, 0).setChecked(true);
        EXPECT_FALSE(Opzione(f, 1).isChecked());
        return Premi(f, 1);
    };
    servizi.FrmPropQuote(s, finestra);
    EXPECT_EQ(s.parete.Quote[1].Vista, 3);
    EXPECT_EQ(s.parete.Quote[0].Vista, 0);
    EXPECT_EQ(PassiAnnulla(s), 2);
}
