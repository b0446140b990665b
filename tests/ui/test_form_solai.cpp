#include "ui/FormSolai.h"

#include "interaction/ContestoModi.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessioneDialoghi.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The host's script: runs su on the dialog and gives its code.
struct Copione {
    std::function<int(FormSolai&)> SuFormSolai;
    int aperture = 0;
    int operator()(QDialog& d) {
        auto* f = qobject_cast<FormSolai*>(&d);
        if (f == nullptr) return QDialog::Rejected;
        ++aperture;
        return SuFormSolai ? SuFormSolai(*f) : QDialog::Rejected;
    }
};

QPushButton& Pulsante(FormSolai& f, int indice) {
    return *f.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(indice));
}

int Premi(FormSolai& f, int indice) {
    Pulsante(f, indice).click();
    return f.result();
}

struct VoceVista {
    int Id;
    std::string Didascalia;
    std::string Valore;
    bool operator==(const VoceVista&) const = default;
};

std::vector<VoceVista> Voci(FormSolai& f, const std::string& categoria) {
    GrigliaProprieta& g = f.Griglia();
    EXPECT_EQ(g.topLevelItemCount(), 1);
    QTreeWidgetItem* cat = g.topLevelItem(0);
    EXPECT_EQ(cat->text(0).toStdString(), categoria);
    std::vector<VoceVista> voci;
    for (int i = 0; i < cat->childCount(); ++i) {
        const QTreeWidgetItem& v = *cat->child(i);
        voci.push_back({GrigliaProprieta::Id(v), v.text(0).toStdString(),
                        GrigliaProprieta::Valore(v).toStdString()});
    }
    return voci;
}

// Types testo into item id as the grid's editor would commit it.
QString Digita(FormSolai& f, int id, const QString& testo) {
    QString t = testo;
    f.Griglia().Validazione(*f.Griglia().VoceConId(id), t);
    return t;
}

class FormSolaiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicazioneDiProva();
        s.stato.Modo = ModoInput::NuovoSolaioInCorso;
        s.stato.IndiceCorrente = 0;
        s.stato.SolaioCorrente = SolaioParete{.Coordinata = 100, .Spessore1 = 15, .Spessore2 = 15,
                                              .LatoMeno = 1, .LatoPiu = 1};
        ospite.ImpostaCopione(std::ref(copione));
    }
    void Mostra() { MostraFormSolai(s, finestra, ospite, 15, nullptr); }

    CartellaTemporanea cartella;
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    FinestraRegistrata finestra;
    OspiteDialoghi ospite;
    Copione copione;
};

}  // namespace

TEST_F(FormSolaiTest, CaptionAndItemsFollowTheMode) {
    s.stato.SolaioCorrente.Rientro1 = 2.5f;
    s.stato.SolaioCorrente.LatoPiu = 0;
    copione.SuFormSolai = [&](FormSolai& f) {
        EXPECT_EQ(f.windowTitle(), "Solaio");
        EXPECT_EQ(Voci(f, "Dati solaio"),
                  (std::vector<VoceVista>{{1, "Quota solaio [cm]", " 100"},
                                          {2, "dY superiore [cm]", " 15"},
                                          {3, "dY inferiore [cm]", " 15"},
                                          {11, "dX lato sinistro [cm]", " 2.5"},
                                          {12, "dX lato destro [cm]", " 0"},
                                          {4, "Solaio lato meno", "1"},
                                          {5, "Solaio lato più", "0"}}));
        EXPECT_FALSE(Pulsante(f, 0).isDefault());
        EXPECT_FALSE(Pulsante(f, 0).autoDefault());
        EXPECT_EQ(Pulsante(f, 0).text(), "Ok");
        EXPECT_EQ(Pulsante(f, 1).text(), "Annulla");
        return Premi(f, 1);
    };
    Mostra();
    s.stato.Modo = ModoInput::DialogoParete;
    copione.SuFormSolai = [&](FormSolai& f) {
        EXPECT_EQ(f.windowTitle(), "Parete");
        const std::vector<VoceVista> voci = Voci(f, "Dati parete");
        EXPECT_EQ(voci.size(), 7u);
        if (voci.size() == 7u) {
            EXPECT_EQ(voci[0].Didascalia, "Ascissa parete [cm]");
            EXPECT_EQ(voci[6].Didascalia, "Parete lato più");
        }
        return Premi(f, 1);
    };
    Mostra();
    EXPECT_EQ(copione.aperture, 2);
}

TEST_F(FormSolaiTest, AnnullaKeepsTheEditsInTheRecordButNotInTheWall) {
    const Parete prima = s.parete;
    copione.SuFormSolai = [&](FormSolai& f) {
        EXPECT_EQ(Digita(f, 2, "7,5"), "7,5");
        EXPECT_EQ(Digita(f, 3, "-0.5"), " 15");
        EXPECT_EQ(Digita(f, 11, "abc"), " 0");
        EXPECT_EQ(Digita(f, 1, "200.01"), " 100");  // above YmaxParete
        EXPECT_EQ(Digita(f, 1, "200"), "200");
        f.Griglia().VoceConId(5)->setCheckState(1, Qt::Unchecked);
        return Premi(f, 1);
    };
    Mostra();
    const SolaioParete& c = s.stato.SolaioCorrente;
    EXPECT_EQ(c.Spessore1, 7.5f);
    EXPECT_EQ(c.Spessore2, 15.0f);
    EXPECT_EQ(c.Rientro1, 0.0f);
    EXPECT_EQ(c.Coordinata, 200.0f);
    EXPECT_EQ(c.LatoPiu, 0);
    EXPECT_EQ(c.LatoMeno, 1);
    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(PassiAnnulla(s), 0);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(FormSolaiTest, OkStoresTheBandAsOneChange) {
    copione.SuFormSolai = [&](FormSolai& f) {
        f.Griglia().VoceConId(4)->setCheckState(1, Qt::Unchecked);
        EXPECT_EQ(Premi(f, 0), QDialog::Accepted);
        EXPECT_EQ(s.parete.UltSolaio, 0);  // stored before it closes
        return f.result();
    };
    Mostra();
    ASSERT_EQ(s.parete.UltSolaio, 0);
    EXPECT_EQ(s.parete.Solai[0].Coordinata, 100.0f);
    EXPECT_EQ(s.parete.Solai[0].LatoMeno, 0);
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_EQ(finestra.Eventi, (std::vector<std::string>{"AggiornaDopoModifica"}));
}

TEST_F(FormSolaiTest, OkOnABandOutsideTheWallTellsAndStoresNothing) {
    s.stato.SolaioCorrente.Coordinata = 260;  // above the wall, set by the canvas
    const ProgettoParete prima = s.parete;
    copione.SuFormSolai = [&](FormSolai& f) { return Premi(f, 0); };
    Mostra();
    EXPECT_TRUE(static_cast<const ProgettoParete&>(s.parete) == prima);
    EXPECT_EQ(PassiAnnulla(s), 1);  // the snapshot before the refusal stays
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{
                  "Messaggio[Attenzione!|critica] Dimensioni non corrette.\nModifica annullata!"}));
}

TEST_F(FormSolaiTest, EscAndEnterLeaveItOpen) {
    copione.SuFormSolai = [&](FormSolai& f) {
        int chiusure = 0;
        QObject::connect(&f, &QDialog::finished, [&](int) { ++chiusure; });
        for (int tasto : {Qt::Key_Escape, Qt::Key_Return}) {
            QKeyEvent evento(QEvent::KeyPress, tasto, Qt::NoModifier);
            QApplication::sendEvent(&f, &evento);
        }
        EXPECT_EQ(chiusure, 0);
        return Premi(f, 1);
    };
    Mostra();
    EXPECT_EQ(copione.aperture, 1);
}

TEST_F(FormSolaiTest, ItFitsTheCanvasModesDialogService) {
    ServiziModi servizi;
    servizi.FormSolai = [this](Sessione& sessione, InterfacciaFinestra& f) {
        MostraFormSolai(sessione, f, ospite, 15, nullptr);
    };
    copione.SuFormSolai = [&](FormSolai& f) { return Premi(f, 0); };
    servizi.FormSolai(s, finestra);
    EXPECT_EQ(s.parete.UltSolaio, 0);
}
