#include "ui/FormCordolo.h"
#include "ui/FormZona.h"

#include "design/GeometriaZona.h"
#include "drawing/Vista.h"
#include "interaction/FormCordoloDati.h"
#include "interaction/StatoMacchina.h"
#include "model/Sessione.h"
#include "ui/GrigliaProprieta.h"
#include "ui/OspiteDialoghi.h"
#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessioneDialoghi.h"
#include "SessionePosizioni.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

struct PortaRegistrata : PortaTela {
    int Ridisegni = 0;
    std::string Prompt = "-";
    void Ridisegna() override { ++Ridisegni; }
    void ImpostaPrompt(const std::string& testo) override { Prompt = testo; }
    void InfoNodo(int) override {}
    void RipetiComando(int) override {}
    void MostraDialogoZona() override {}
    void MostraDialogoCordolo() override {}
};

// The script acts on the dialog as the user would and gives its result.
template <class D>
void Copione(OspiteDialoghi& ospite, std::function<void(D&)> azione) {
    ospite.ImpostaCopione([azione](QDialog& d) {
        auto* f = qobject_cast<D*>(&d);
        EXPECT_NE(f, nullptr);
        if (f) azione(*f);
        return d.result();
    });
}

void Clic(QDialog& d, const char* nome) { d.findChild<QPushButton*>(QString::fromLatin1(nome))->click(); }

void Tasto(QDialog& d, int tasto) {
    QKeyEvent e(QEvent::KeyPress, tasto, Qt::NoModifier);
    QApplication::sendEvent(&d, &e);
}

class FormZonaQt : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicazioneDiProva();
        StatoInterfaccia& st = s.stato;
        st.PosCorrente.Tipo = 0;
        st.PosCorrente.Diametro = 12;
        st.PosCorrente.Passo = 20.0f;
        st.DirezioneAttiva = 0;
        ImpostaZonaDaPunti(st, s.parete, s.imp, 60, 40, 240, 160);
        st.IndiceCorrente = s.parete.UltPosizione + 1;
        st.Modo = ModoInput::NuovaZonaInCorso;
        st.ErroreOperazione = 0;
        st.PosAccettata = 1;
    }
    void Mostra() { MostraFormZona(s, vista, finestra, ospite, porta, 15, nullptr); }

    SessionePosizioni base;
    Sessione& s = base.S;
    Vista vista;
    FinestraRegistrata finestra;
    PortaRegistrata porta;
    OspiteDialoghi ospite;
};

TEST_F(FormZonaQt, EachWayOutLeavesItsFlags) {
    struct Caso {
        const char* nome;
        std::function<void(FormZona&)> azione;
        int accettata, errore, modo;
        std::string prompt;
    };
    const Caso casi[] = {
        {.nome = "Ok", .azione = [](FormZona& f) { Clic(f, "Command2"); }, .accettata = 1, .errore = 0,
         .modo = ModoInput::Inattivo, .prompt = "-"},
        {.nome = "Enter", .azione = [](FormZona& f) { Tasto(f, Qt::Key_Return); }, .accettata = 1,
         .errore = 0, .modo = ModoInput::Inattivo, .prompt = "-"},
        {.nome = "Annulla", .azione = [](FormZona& f) { Clic(f, "Command3"); }, .accettata = 0,
         .errore = -1, .modo = ModoInput::Inattivo, .prompt = "-"},
        {.nome = "Modifica perimetro", .azione = [](FormZona& f) { Clic(f, "Command1"); }, .accettata = 0,
         .errore = -1, .modo = ModoInput::ModificaZona, .prompt = PromptModificaPerimetro},
        {.nome = "close box", .azione = [](FormZona& f) { f.close(); }, .accettata = 0, .errore = -1,
         .modo = ModoInput::NuovaZonaInCorso, .prompt = "-"},
        {.nome = "Esc does nothing", .azione = [](FormZona& f) { Tasto(f, Qt::Key_Escape); }, .accettata = 0,
         .errore = -1, .modo = ModoInput::NuovaZonaInCorso, .prompt = "-"},
    };
    const StatoInterfaccia prima = s.stato;
    for (const Caso& c : casi) {
        s.stato = prima;
        porta.Prompt = "-";
        Copione<FormZona>(ospite, c.azione);
        Mostra();
        EXPECT_EQ(s.stato.PosAccettata, c.accettata) << c.nome;
        EXPECT_EQ(s.stato.ErroreOperazione, c.errore) << c.nome;
        EXPECT_EQ(s.stato.Modo, c.modo) << c.nome;
        EXPECT_EQ(porta.Prompt, c.prompt) << c.nome;
    }
    EXPECT_TRUE(s.parete.UltPosizione == -1) << "the dialog never stores the zone";
}

TEST_F(FormZonaQt, TheGridAndTheReportFollowTheEdits) {
    Copione<FormZona>(ospite, [this](FormZona& f) {
        GrigliaProprieta& g = f.Griglia();
        ASSERT_EQ(g.topLevelItemCount(), 1);
        EXPECT_EQ(g.topLevelItem(0)->text(0), QStringLiteral("Dati armatura"));
        EXPECT_EQ(g.topLevelItem(0)->childCount(), 7);
        ASSERT_NE(g.VoceConId(VoceZona::DuplicaOpposto), nullptr);
        EXPECT_TRUE(f.Testo().toPlainText().contains(QStringLiteral("Info area:")));

        QString testo = QStringLiteral("5");
        g.Validazione(*g.VoceConId(VoceZona::Diametro), testo);
        EXPECT_EQ(testo, QStringLiteral(" 12")) << "put back";
        EXPECT_EQ(porta.Ridisegni, 0);
        testo = QStringLiteral("16");
        g.Validazione(*g.VoceConId(VoceZona::Diametro), testo);
        EXPECT_EQ(porta.Ridisegni, 1) << "the grips are drawn";
        EXPECT_TRUE(f.Testo().toPlainText().contains(QStringLiteral("Ø 16/ 20")));

        QTreeWidgetItem& doppio = *g.VoceConId(VoceZona::DuplicaOpposto);
        doppio.setCheckState(1, Qt::Checked);
        EXPECT_EQ(s.stato.DuplicaOpposto, 1);
        Clic(f, "Command2");
    });
    Mostra();
    EXPECT_EQ(s.stato.DuplicaOpposto, 1);
    EXPECT_EQ(s.stato.PosCorrente.Diametro, 16);
}

class FormCordoloQt : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicazioneDiProva();
        Parete& p = s.parete;
        p.PerimetroEsterno = {{0, 0}, {0, 300}, {400, 300}, {400, 0}, {0, 0}};
        p.NumPuntiEst = 4;
        p.AngoloArm1 = 0.0f;
        p.AngoloArm2 = static_cast<float>(std::numbers::pi / 2);
        PosizioneArm c;
        c.Tipo = Cordolo;
        c.Diametro = 8;
        c.Passo = 10.0f;
        c.NumBracci = 1;
        c.CopriferroCordolo = 3.0f;
        c.DiamCorrenti = 12;
        c.Larghezza = 30.0f;
        c.LatoPerimetro = 3;
        c.PoligonoLato = -1;
        p.Posizioni.assign(1, c);
        p.UltPosizione = 0;
        s.stato.PosCorrente = c;
        s.stato.IndiceCorrente = 0;
        s.stato.ErroreOperazione = 0;
    }
    void Mostra() { MostraFormCordolo(s, finestra, ospite, 15, nullptr); }

    SessionePosizioni base;
    Sessione& s = base.S;
    FinestraRegistrata finestra;
    OspiteDialoghi ospite;
};

TEST_F(FormCordoloQt, OkStoresOneUndoStepAndTheOtherWaysNothing) {
    struct Caso {
        const char* nome;
        std::function<void(FormCordolo&)> azione;
        bool memorizzato;
    };
    const Caso casi[] = {
        {.nome = "Annulla", .azione = [](FormCordolo& f) { Clic(f, "Command3"); }, .memorizzato = false},
        {.nome = "close box", .azione = [](FormCordolo& f) { f.close(); }, .memorizzato = false},
        {.nome = "Ok", .azione = [](FormCordolo& f) { Clic(f, "Command2"); }, .memorizzato = true},
    };
    for (const Caso& c : casi) {
        const int passi = PassiAnnulla(s);
        Copione<FormCordolo>(ospite, [&](FormCordolo& f) {
            QString testo = QStringLiteral("40");
            f.Griglia().Validazione(*f.Griglia().VoceConId(VoceCordolo::Larghezza), testo);
            c.azione(f);
        });
        Mostra();
        EXPECT_EQ(PassiAnnulla(s), passi + (c.memorizzato ? 1 : 0)) << c.nome;
        EXPECT_EQ(s.parete.Posizioni[0].Larghezza, c.memorizzato ? 40.0f : 30.0f) << c.nome;
        EXPECT_EQ(s.stato.PosAccettata, 0) << c.nome;
        EXPECT_EQ(s.stato.ErroreOperazione, -1) << c.nome;
        s.stato.PosCorrente = s.parete.Posizioni[0];
    }
    EXPECT_EQ(s.parete.Posizioni[0].NumBracci, 2) << "a single leg is shown and kept as 2";
}

TEST_F(FormCordoloQt, TheLegListAndTheReport) {
    Copione<FormCordolo>(ospite, [this](FormCordolo& f) {
        GrigliaProprieta& g = f.Griglia();
        EXPECT_EQ(g.topLevelItem(0)->text(0), QStringLiteral("Dati cordolo"));
        QTreeWidgetItem& bracci = *g.VoceConId(VoceCordolo::NumBracci);
        EXPECT_EQ(GrigliaProprieta::Valore(bracci), QStringLiteral("2"));
        EXPECT_TRUE(f.Testo().toPlainText().contains(QStringLiteral("Area staffe = 33.51 cmq/mq")));
        g.SelezionaScelta(&bracci, 4);
        g.CambioValore(bracci);
        EXPECT_EQ(s.stato.PosCorrente.NumBracci, 4);
        EXPECT_TRUE(f.Testo().toPlainText().contains(QStringLiteral("4 bracci")));
        Tasto(f, Qt::Key_Escape);
        EXPECT_EQ(PassiAnnulla(s), 0);
        Tasto(f, Qt::Key_Enter);
    });
    Mostra();
    EXPECT_EQ(s.parete.Posizioni[0].NumBracci, 4) << "Enter pressed Ok";
}

}  // namespace
