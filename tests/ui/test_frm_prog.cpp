#include "ui/FrmProg.h"

#include "design/AnnullaModifica.h"
#include "drawing/Vista.h"
#include "model/ParametriProgetto.h"
#include "model/Sessione.h"
#include "ui/Dispatcher.h"
#include "ui/GrigliaProprieta.h"
#include "ui/IdComandi.h"
#include "ui/OspiteDialoghi.h"
#include "AzioniRegistrate.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessioneDialoghi.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// The design dialog through the host: the script gets the dialog and gives its code.
struct Copione {
    std::function<int(FrmProg&)> SuFrmProg;
    int operator()(QDialog& d) {
        if (auto* f = qobject_cast<FrmProg*>(&d)) return SuFrmProg ? SuFrmProg(*f) : QDialog::Rejected;
        return QDialog::Rejected;
    }
};

QPushButton& Pulsante(FrmProg& f, int indice) {
    return *f.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(indice));
}

int Premi(FrmProg& f, int indice) {
    Pulsante(f, indice).click();
    return f.result();
}

std::vector<VoceParametro> Voci(FrmProg& f) {
    std::vector<VoceParametro> voci;
    GrigliaProprieta& g = f.Griglia();
    EXPECT_EQ(g.topLevelItemCount(), 1);
    QTreeWidgetItem* cat = g.topLevelItem(0);
    EXPECT_EQ(cat->text(0), CategoriaParametri);
    for (int i = 0; i < cat->childCount(); ++i) {
        const QTreeWidgetItem& v = *cat->child(i);
        VoceParametro p{GrigliaProprieta::Id(v), v.text(0).toStdString(),
                        GrigliaProprieta::Tipo(v) == TipoVoce::Lista ? TipoParametro::Lista
                                                                     : TipoParametro::Testo,
                        GrigliaProprieta::Valore(v).toStdString(), {}};
        for (const auto& s : g.Scelte(v)) p.Scelte.push_back({s.Testo.toStdString(), s.Numero});
        voci.push_back(p);
    }
    return voci;
}

class FrmProgTest : public ::testing::Test {
protected:
    void SetUp() override { ApplicazioneDiProva(); }
    CartellaTemporanea cartella;
    OspiteDialoghi ospite;
};

struct Strati {
    int d[4];
    float p[4];
    bool operator==(const Strati&) const = default;
};
Strati StratiDi(const Parete& p) {
    return {{p.DiamDir1Piu, p.DiamDir2Piu, p.DiamDir1Meno, p.DiamDir2Meno},
            {p.PassoDir1Piu, p.PassoDir2Piu, p.PassoDir1Meno, p.PassoDir2Meno}};
}

}  // namespace

TEST_F(FrmProgTest, TheGridShowsTheItemsForTwoFacesAndForASingleMesh) {
    for (int maglia : {0, -1}) {
        SCOPED_TRACE(maglia);
        Sessione s = SessioneDialoghi(cartella.Percorso().string(), maglia);
        Copione c;
        c.SuFrmProg = [&](FrmProg& f) {
            EXPECT_EQ(f.windowTitle(), "Progetto amatura diffusa");
            EXPECT_EQ(Voci(f), VociParametri(s.imp, maglia));
            EXPECT_TRUE(Pulsante(f, 0).isEnabled());
            EXPECT_FALSE(Pulsante(f, 0).isDefault());
            return Premi(f, 1);
        };
        ospite.ImpostaCopione(std::ref(c));
        EXPECT_FALSE(MostraFrmProg(s, ospite, 15, nullptr));
    }
}

TEST_F(FrmProgTest, EditsAreKeptAndTheModeRebuildsTheStepItem) {
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    const Parete prima = s.parete;
    Copione c;
    c.SuFrmProg = [&](FrmProg& f) {
        GrigliaProprieta& g = f.Griglia();
        QString testo = "13,5";
        g.Validazione(*g.VoceConId(8), testo);
        EXPECT_EQ(testo, "13,5");
        testo = "1,9";
        g.Validazione(*g.VoceConId(5), testo);
        EXPECT_EQ(testo, " 50");
        QTreeWidgetItem* modo = g.VoceConId(9);
        g.SelezionaScelta(modo, 1);
        g.CambioValore(*modo);
        QApplication::processEvents();
        EXPECT_EQ(g.VoceConId(12), nullptr);
        QTreeWidgetItem* passo = g.VoceConId(11);
        EXPECT_NE(passo, nullptr);
        if (passo == nullptr) return QDialog::Rejected;
        EXPECT_EQ(g.topLevelItem(0)->indexOfChild(passo), g.topLevelItem(0)->childCount() - 2);
        g.SelezionaScelta(passo, 3);
        g.CambioValore(*passo);
        return QDialog::Rejected;  // the close box
    };
    ospite.ImpostaCopione(std::ref(c));
    EXPECT_FALSE(MostraFrmProg(s, ospite, 15, nullptr));
    EXPECT_EQ(s.imp.PassoMinMeno, 14);
    EXPECT_EQ(s.imp.PassoMaxPiu, 50);
    EXPECT_EQ(s.imp.ModoProgetto, 1);
    EXPECT_EQ(s.imp.IncrPasso, 5.0f);
    EXPECT_TRUE(s.parete == prima);  // no design, no recompute
    EXPECT_EQ(PassiAnnulla(s), 0);
}

TEST_F(FrmProgTest, WithoutAWallProgettaIsDisabledAndAnnullaCloses) {
    Sessione s;
    Copione c;
    c.SuFrmProg = [&](FrmProg& f) {
        EXPECT_FALSE(Pulsante(f, 0).isEnabled());
        EXPECT_EQ(f.Griglia().topLevelItem(0)->childCount(), 11);
        return Premi(f, 1);
    };
    ospite.ImpostaCopione(std::ref(c));
    EXPECT_FALSE(MostraFrmProg(s, ospite, 15, nullptr));
}

TEST_F(FrmProgTest, TheToolbarCommandOpensItAndProgettaIsOneChange) {
    Sessione s = SessioneDialoghi(cartella.Percorso().string());
    const Strati prima = StratiDi(s.parete);
    FinestraRegistrata finestra;
    Copione c;
    int aperture = 0;
    c.SuFrmProg = [&](FrmProg& f) {
        ++aperture;
        return Premi(f, 0);
    };
    ospite.ImpostaCopione(std::ref(c));
    // The window's action, as the lead wires it.
    struct Azioni : AzioniRegistrate {
        std::function<bool()> Progetto;
        bool MostraParametriProgetto() override { return Progetto(); }
    } azioni;
    azioni.Progetto = [&] { return MostraFrmProg(s, ospite, 15, nullptr); };
    IdComandi ids;
    InizializzaIdComandi(ids, 1);
    Vista vista;
    ContestoComandi contesto{s, vista, finestra, azioni, ids};
    CommandBars_EseguiComando(ids.IdProgetto, contesto);

    EXPECT_EQ(aperture, 1);
    EXPECT_EQ(PassiAnnulla(s), 1);
    EXPECT_NE(StratiDi(s.parete), prima);
    EXPECT_EQ(std::count(finestra.Eventi.begin(), finestra.Eventi.end(), "PanelDiffusa"), 1);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(StratiDi(s.parete), prima);
}
