// The boxes of the real window read whole: the prompt line holds every line
// of its text, the zone and ring-beam reports open at their first line and
// take no typing, and the side column stays whole at the window's least size.
#include "FinestraDiProva.h"

#include "PosizioniDiProva.h"

#include "interaction/FormZonaDati.h"
#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormCordolo.h"
#include "ui/FormZona.h"
#include "ui/GrigliaProprieta.h"
#include "ui/LayoutFinestra.h"
#include "ui/PannelloInfo.h"
#include "ui/RiquadroLegendaQt.h"
#include "ui/SelettoriVista.h"
#include "ui/TelaQt.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

class RiquadriFinestra : public FinestraDiProva {
public:
    using FinestraDiProva::finestra;
    using FinestraDiProva::sessione;

    void SetUp() override { Avvia(); }

    // Every widget of the side column lies inside the central widget.
    void ControllaColonna(const std::string& dove) {
        const QRect client = finestra->centralWidget()->rect();
        const std::pair<const char*, QWidget*> colonna[] = {
            {"selectors", &finestra->Selettori()},
            {"legend", &finestra->Legenda()},
            {"information panel", &finestra->PannelloInformazioni()},
            {"grid", &finestra->Griglia()},
            {"prompt", &finestra->Prompt()},
        };
        for (const auto& [nome, w] : colonna)
            EXPECT_TRUE(client.contains(w->geometry())) << dove << ": " << nome;
        const int altezzaGriglia = finestra->Griglia().height() * finestra->TwipPerPixel();
        EXPECT_GE(altezzaGriglia, MisureColonna::AltezzaMinimaGriglia - finestra->TwipPerPixel())
            << dove << ": the grid keeps its least height";
        EXPECT_GT(finestra->Tela().width(), 0) << dove << ": the canvas keeps some width";
    }
};

// The first line a text box shows.
std::string PrimaRigaVista(QTextEdit& testo) {
    return testo.cursorForPosition(QPoint(2, 2)).block().text().toStdString();
}

// The window started under a desktop font of the given size (0: the
// application's own), which sets how many lines the prompt's text takes.
class PromptAlFont : public RiquadriFinestra, public ::testing::WithParamInterface<double> {
protected:
    void SetUp() override {
        ApplicazioneDiProva();
        fontPrima = QApplication::font();
        if (GetParam() > 0) {
            QFont f = fontPrima;
            f.setPointSizeF(GetParam());
            QApplication::setFont(f);
        }
        Avvia();
    }
    void TearDown() override {
        finestra.reset();
        QApplication::setFont(fontPrima);
    }

    QFont fontPrima;
};

TEST_P(PromptAlFont, TheFourLinePromptOfTheZoneEditFitsItsBoxAtTheLeastSizeToo) {
    finestra->Dialoghi().ImpostaCopione([](QDialog& d) {
        if (auto* p = d.findChild<QPushButton*>(QStringLiteral("Command1"))) p->click();
        return d.result();
    });
    ZonaNuovaAlCentro(sessione);
    finestra->MostraDialogoZona();
    QCoreApplication::processEvents();
    QLabel& prompt = finestra->Prompt();
    ASSERT_EQ(prompt.text().toStdString(), PromptModificaPerimetro);
    EXPECT_LE(prompt.heightForWidth(prompt.width()), prompt.height());
    ControllaColonna("the zone's prompt");
    const int conPromptLungo = finestra->Griglia().height();

    finestra->resize(500, 350);
    QCoreApplication::processEvents();
    EXPECT_LE(prompt.heightForWidth(prompt.width()), prompt.height()) << "least size";
    ControllaColonna("the zone's prompt at the least size");

    // A one-line prompt gives the grid its height back.
    finestra->resize(1100, 800);
    QCoreApplication::processEvents();
    finestra->ImpostaPrompt("Seleziona l'armatura da copiare");
    QCoreApplication::processEvents();
    EXPECT_LE(prompt.heightForWidth(prompt.width()), prompt.height());
    const int progetto = (MisureColonna::AltezzaPrompt + finestra->TwipPerPixel() / 2) /
                         finestra->TwipPerPixel();
    if (prompt.heightForWidth(prompt.width()) <= progetto) {
        EXPECT_EQ(prompt.height(), progetto) << "the design height while the text fits it";
    }
    EXPECT_GE(finestra->Griglia().height(), conPromptLungo);
}

INSTANTIATE_TEST_SUITE_P(Font, PromptAlFont, ::testing::Values(0.0, 11.0, 14.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return info.param > 0 ? std::to_string(static_cast<int>(info.param)) + "pt"
                                                   : std::string("applicazione");
                         });

struct CasoReferto {
    const char* nome;
    std::function<void(RiquadriFinestra&)> apri;
    const char* primaRiga;
};

void PrintTo(const CasoReferto& c, std::ostream* os) { *os << c.nome; }

class Referti : public RiquadriFinestra, public ::testing::WithParamInterface<CasoReferto> {};

TEST_P(Referti, TheReportOpensAtItsFirstLineAndTakesNoTyping) {
    int aperture = 0;
    finestra->Dialoghi().ImpostaCopione([&](QDialog& d) {
        auto* testo = d.findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
        if (!testo) return int(QDialog::Rejected);
        ++aperture;
        d.show();
        QTest::qWait(20);
        EXPECT_TRUE(testo->isReadOnly());
        EXPECT_EQ(testo->verticalScrollBar()->value(), 0) << "opening " << aperture;
        EXPECT_EQ(PrimaRigaVista(*testo), GetParam().primaRiga) << "opening " << aperture;
        const std::string prima = testo->toPlainText().toStdString();
        testo->setFocus();
        QTest::keyClicks(testo, QStringLiteral("abc"));
        QTest::keyClick(testo, Qt::Key_Return);
        EXPECT_EQ(testo->toPlainText().toStdString(), prima);
        d.hide();
        return int(QDialog::Rejected);
    });
    for (int i = 0; i < 3; ++i) GetParam().apri(*this);
    EXPECT_EQ(aperture, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Dialoghi, Referti,
    ::testing::Values(
        CasoReferto{.nome = "zone",
                    .apri =
                        [](RiquadriFinestra& t) {
                            ZonaNuovaAlCentro(t.sessione);
                            t.finestra->MostraDialogoZona();
                        },
                    .primaRiga = " Info area:"},
        CasoReferto{.nome = "ring_beam",
                    .apri =
                        [](RiquadriFinestra& t) {
                            CordoloSulPrimoLato(t.sessione);
                            t.finestra->MostraDialogoCordolo();
                        },
                    .primaRiga = " Area armature a taglio:"}),
    [](const ::testing::TestParamInfo<CasoReferto>& info) { return std::string(info.param.nome); });

TEST_F(RiquadriFinestra, TheSideColumnStaysWholeAtTheLeastSize) {
    const QSize richieste[] = {{500, 350}, {300, 200}, {1, 1}};
    for (const QSize& r : richieste) {
        finestra->resize(r);
        QCoreApplication::processEvents();
        const std::string dove =
            "asked " + std::to_string(r.width()) + " x " + std::to_string(r.height());
        EXPECT_GE(finestra->width(), finestra->minimumWidth()) << dove;
        EXPECT_GE(finestra->height(), finestra->minimumHeight()) << dove;
        ControllaColonna(dove);
    }
    // A larger window gives the grid the height left.
    finestra->resize(1100, 900);
    QCoreApplication::processEvents();
    ControllaColonna("1100 x 900");
}

}  // namespace
