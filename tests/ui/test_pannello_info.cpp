#include "design/AreeStrati.h"
#include "model/Sessione.h"
#include "ui/PannelloInfo.h"

#include "ProvaQt.h"

#include <QApplication>
#include <QLocale>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class Pannello : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

Sessione SessioneNodo() {
    Sessione s;
    Parete& p = s.parete;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    p.Nodi[0].X = 123.44f;
    p.Nodi[0].Richiesta = {5.0f, 5.0f, 5.0f, 5.0f};
    p.Nodi[0].Mancante = {-0.655f, -0.655f, -0.655f, -0.655f};
    CalcolaAreeStrati(p);
    return s;
}

}  // namespace

TEST_F(Pannello, InfoArmShowsTheSummary) {
    Sessione s = SessioneNodo();
    PannelloInfo pannello;
    InfoArm(s, pannello);
    EXPECT_TRUE(pannello.isReadOnly());
    EXPECT_TRUE(pannello.toPlainText().contains(QString::fromUtf8(" Lato + dir 1:\t1\xC3\x98 12/ 20  (Af=5.7)")));
    s.parete.NumNodi = 0;
    InfoArm(s, pannello);
    EXPECT_TRUE(pannello.document()->isEmpty());
}

TEST_F(Pannello, InfoNodoUsesTheDefaultLocalesSeparatorAndIgnoresAnIndexOutside) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Sessione s = SessioneNodo();
    PannelloInfo pannello;
    InfoNodo(s, pannello, 0);
    const QString testo = pannello.toPlainText();
    EXPECT_TRUE(testo.contains(" (x=123.4, y=0.0)")) << testo.toStdString();
    EXPECT_TRUE(testo.contains(" - progetto:5,00 cmq/m")) << testo.toStdString();
    EXPECT_TRUE(testo.contains(" - in eccesso: 0,66 cmq/m")) << testo.toStdString();
    const std::string prima = pannello.Rtf();
    InfoNodo(s, pannello, 1);
    InfoNodo(s, pannello, -1);
    EXPECT_EQ(pannello.Rtf(), prima);
}

TEST_F(Pannello, TheSameTextKeepsTheScrollAndANewOneStartsAtTheTop) {
    Sessione s = SessioneNodo();
    for (int i = 0; i < 60; ++i) {
        PosizioneArm pos;
        pos.Tipo = i % 2;
        pos.Diametro = 12;
        pos.Passo = 20.0f;
        s.parete.Posizioni.resize(++s.parete.UltPosizione + 1);
        s.parete.Posizioni[s.parete.UltPosizione] = pos;
    }
    PannelloInfo pannello;
    pannello.resize(200, 100);
    pannello.show();
    InfoArm(s, pannello);
    QApplication::processEvents();
    QScrollBar* barra = pannello.verticalScrollBar();
    ASSERT_GT(barra->maximum(), 0);
    barra->setValue(barra->maximum() / 2);
    const int posizione = barra->value();
    InfoArm(s, pannello);
    EXPECT_EQ(barra->value(), posizione);
    s.parete.Posizioni[0].Diametro = 14;
    InfoArm(s, pannello);
    QApplication::processEvents();
    EXPECT_EQ(barra->value(), barra->minimum());
}

TEST_F(Pannello, ThePromptOfTheNodeInformationMode) {
    PannelloInfo pannello;
    RichiestaNodo(pannello);
    EXPECT_EQ(pannello.toPlainText(), "Clicca sui nodi per ottenere le informazioni di progetto\n");
}

namespace {

// The panel's box draws no paragraph alignment, tab stop or table: every
// text the panel shows must do without them.
struct TestoDelPannello {
    const char* nome;
    void (*mostra)(const Sessione&, PannelloInfo&);
};

void PrintTo(const TestoDelPannello& t, std::ostream* os) { *os << t.nome; }

Sessione SessioneConPosizioni(int magliaUnica) {
    Sessione s = SessioneNodo();
    s.parete.MagliaUnica = magliaUnica;
    for (int i = 0; i < 4; ++i) {
        PosizioneArm pos;
        pos.Tipo = i % 2 == 0 ? IntegrativaPiu : IntegrativaMeno;
        pos.Diametro = 12;
        pos.Passo = 20.0f;
        s.parete.Posizioni.resize(++s.parete.UltPosizione + 1);
        s.parete.Posizioni[s.parete.UltPosizione] = pos;
    }
    return s;
}

class TestiDelPannello : public Pannello, public ::testing::WithParamInterface<TestoDelPannello> {};

}  // namespace

TEST_P(TestiDelPannello, UseNoParagraphAlignmentTabStopOrTable) {
    for (const int magliaUnica : {0, 1}) {
        PannelloInfo pannello;
        GetParam().mostra(SessioneConPosizioni(magliaUnica), pannello);
        const QTextDocument& documento = *pannello.document();
        ASSERT_FALSE(documento.isEmpty());
        EXPECT_TRUE(documento.rootFrame()->childFrames().isEmpty());
        for (QTextBlock b = documento.begin(); b.isValid(); b = b.next()) {
            EXPECT_FALSE(b.blockFormat().hasProperty(QTextFormat::BlockAlignment)) << b.text().toStdString();
            EXPECT_TRUE(b.blockFormat().tabPositions().isEmpty()) << b.text().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Testi, TestiDelPannello,
    ::testing::Values(
        TestoDelPannello{.nome = "InfoArm", .mostra = [](const Sessione& s, PannelloInfo& p) { InfoArm(s, p); }},
        TestoDelPannello{.nome = "InfoNodo", .mostra = [](const Sessione& s, PannelloInfo& p) { InfoNodo(s, p, 0); }},
        TestoDelPannello{.nome = "RichiestaNodo", .mostra = [](const Sessione&, PannelloInfo& p) { RichiestaNodo(p); }}),
    [](const ::testing::TestParamInfo<TestoDelPannello>& info) { return std::string(info.param.nome); });
