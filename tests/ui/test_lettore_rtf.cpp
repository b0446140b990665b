#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "export/Computo.h"
#include "export/FrammentiRtf.h"
#include "model/Sessione.h"
#include "ui/LettoreRtf.h"

#include "FinestraRegistrata.h"
#include "ProvaQt.h"
#include "SessionePosizioni.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Cells print as their text when a comparison fails.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

using Righe = std::vector<std::vector<QString>>;

// Every table of the document, cell by cell, in the order they appear, and
// the text of the paragraphs outside them.
struct DocumentoLetto {
    std::vector<Righe> tabelle;
    std::vector<QString> fuori;
};

QString TestoCella(const QTextTableCell& cella) {
    QTextCursor c = cella.firstCursorPosition();
    c.setPosition(cella.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText().trimmed();  // the writer pads cells with spaces
}

DocumentoLetto Leggi(const std::string& rtf) {
    QTextDocument d;
    LeggiRtf(d, rtf);
    DocumentoLetto r;
    QTextTable* ultima = nullptr;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        QTextTable* t = QTextCursor(b).currentTable();
        if (t == nullptr) {
            r.fuori.push_back(b.text());
            continue;
        }
        if (t == ultima) continue;
        ultima = t;
        Righe righe(t->rows());
        for (int i = 0; i < t->rows(); ++i)
            for (int j = 0; j < t->columns(); ++j) righe[i].push_back(TestoCella(t->cellAt(i, j)));
        r.tabelle.push_back(righe);
    }
    return r;
}

struct Frammento {
    QString Testo;
    QTextCharFormat Formato;
};

std::vector<Frammento> Frammenti(const QTextBlock& blocco) {
    std::vector<Frammento> r;
    for (auto it = blocco.begin(); !it.atEnd(); ++it)
        r.push_back({it.fragment().text(), it.fragment().charFormat()});
    return r;
}

QString Testo(const std::string& rtf) {
    QTextDocument d;
    LeggiRtf(d, rtf);
    return d.toPlainText();
}

class LettoreRtf : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
};

}  // namespace

TEST_F(LettoreRtf, RunsKeepTheirBoldColourSizeUnderlineAndTheDefaultFont) {
    QTextDocument d;
    LeggiRtf(d, RtfInizio() + RtfNero(" Titolo", 18, 0, 1) + RtfRosso("rosso", 20, 1, 0) +
                    "{\\f1 s}" + RtfFine());
    EXPECT_EQ(d.toPlainText(), " Titolorossos\n");
    const std::vector<Frammento> f = Frammenti(d.firstBlock());
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].Testo, " Titolo");
    EXPECT_EQ(f[0].Formato.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(f[0].Formato.fontPointSize(), 9.0);
    EXPECT_EQ(f[0].Formato.foreground().color(), QColor(0, 0, 0));
    // Font 3 is not in the table: the default font 0.
    EXPECT_EQ(f[0].Formato.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(f[1].Testo, "rosso");
    EXPECT_EQ(f[1].Formato.fontWeight(), QFont::Normal);
    EXPECT_TRUE(f[1].Formato.fontUnderline());
    EXPECT_DOUBLE_EQ(f[1].Formato.fontPointSize(), 10.0);
    EXPECT_EQ(f[1].Formato.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(f[2].Formato.fontFamilies().toStringList(), QStringList{"Symbol"});
    // The group ended: the run before it is back.
    EXPECT_TRUE(f[2].Formato.fontUnderline());
}

TEST_F(LettoreRtf, OneSpaceAfterAControlWordIsItsDelimiter) {
    EXPECT_EQ(Testo("{\\rtf1 a\\tab b}"), "a\tb");
    EXPECT_EQ(Testo("{\\rtf1\\b  x\\b0\\par y}"), " x\ny");
    EXPECT_EQ(Testo("{\\rtf1 a\\par\\par b}"), "a\n\nb");
}

TEST_F(LettoreRtf, EscapedBytesAreWindows1252AndPlainTextIsUtf8) {
    EXPECT_EQ(Testo("{\\rtf1 1\\'d8 12 \\'80 \\'e0}"), QString::fromUtf8("1\xC3\x98 12 \xE2\x82\xAC \xC3\xA0"));
    EXPECT_EQ(Testo("{\\rtf1 1\xC3\x98 12}"), QString::fromUtf8("1\xC3\x98 12"));
    // A byte that is not UTF-8 is read as Windows-1252.
    EXPECT_EQ(Testo("{\\rtf1 1\xD8 12}"), QString::fromUtf8("1\xC3\x98 12"));
    EXPECT_EQ(Testo("{\\rtf1 \\\\ \\{ \\}}"), "\\ { }");
}

TEST_F(LettoreRtf, UnknownWordsAndStarredGroupsAreSkipped) {
    EXPECT_EQ(Testo("{\\rtf1 a\\sconosciuta b{\\*\\generator Xyz;}c\\deflang1040 d}"), "abcd");
    EXPECT_EQ(Testo(RtfInizio() + "{\\*\\annidato {x}{\\b y}}z" + RtfFine()), "z\n");
}

TEST_F(LettoreRtf, TabStopsAreSetAndDefaultTabsAre720Twips) {
    QTextDocument d;
    LeggiRtf(d, RtfInizio() + RtfTabDestra(7.5f) + RtfTabCentro(2.0f) + "\\tx100 a\\tab b" + RtfFine());
    EXPECT_DOUBLE_EQ(d.defaultTextOption().tabStopDistance(), PixelDaTwip(720));
    const QList<QTextOption::Tab> tab = d.firstBlock().blockFormat().tabPositions();
    ASSERT_EQ(tab.size(), 3);
    EXPECT_EQ(tab[0].type, QTextOption::RightTab);
    EXPECT_DOUBLE_EQ(tab[0].position, PixelDaTwip(4260));
    EXPECT_EQ(tab[1].type, QTextOption::CenterTab);
    EXPECT_DOUBLE_EQ(tab[1].position, PixelDaTwip(1136));
    EXPECT_EQ(tab[2].type, QTextOption::LeftTab);
    // The stops carry to the next paragraph until \pard.
    EXPECT_EQ(d.firstBlock().next().blockFormat().tabPositions().size(), 3);
}

TEST_F(LettoreRtf, ATableOfRowsAndCellsThenTheTextAfterIt) {
    QTextDocument d;
    const std::string riga = RtfRiga() + RtfCella(1500) + RtfCella(3000);
    LeggiRtf(d, RtfInizio() + "prima\\par " + riga + "A\\cell " + RtfNero("B", 20, 0, 1) +
                    "\\cell \\row " + riga + "C\\cell D\\cell \\row \\pard dopo" + RtfFine());
    QTextTable* tabella = nullptr;
    for (QTextBlock b = d.begin(); b.isValid() && tabella == nullptr; b = b.next())
        tabella = QTextCursor(b).currentTable();
    ASSERT_NE(tabella, nullptr);
    ASSERT_EQ(tabella->rows(), 2);
    ASSERT_EQ(tabella->columns(), 2);
    const auto cella = [&](int r, int c) {
        QTextCursor inizio = tabella->cellAt(r, c).firstCursorPosition();
        inizio.setPosition(tabella->cellAt(r, c).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        return inizio.selectedText();
    };
    EXPECT_EQ(cella(0, 0), "A");
    EXPECT_EQ(cella(0, 1), "B");
    EXPECT_EQ(cella(1, 0), "C");
    EXPECT_EQ(cella(1, 1), "D");
    QTextCursor dopoB = tabella->cellAt(0, 1).firstCursorPosition();
    dopoB.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(dopoB.charFormat().fontWeight(), QFont::Bold);
    const QTextTableFormat formato = tabella->format();
    ASSERT_EQ(formato.columnWidthConstraints().size(), 2);
    EXPECT_DOUBLE_EQ(formato.columnWidthConstraints()[1].rawValue(), PixelDaTwip(1500));
    EXPECT_TRUE(d.toPlainText().startsWith("prima\n"));
    EXPECT_TRUE(d.toPlainText().contains("dopo"));
    EXPECT_EQ(QTextCursor(d.lastBlock().previous()).currentTable(), nullptr);
}

TEST_F(LettoreRtf, TheBoxIsReadOnlyAndAnEmptyTextEmptiesIt) {
    QTextEdit casella;
    MostraRtf(casella, RtfInizio() + "x" + RtfFine());
    EXPECT_TRUE(casella.isReadOnly());
    MostraRtf(casella, "");
    EXPECT_TRUE(casella.document()->isEmpty());
}

namespace {

struct CasoTabella {
    const char* nome;
    std::string rtf;
    std::vector<Righe> tabelle;
    std::vector<QString> fuori;  // non-empty paragraphs outside the tables
};

void PrintTo(const CasoTabella& c, std::ostream* os) { *os << c.nome; }

const std::string Riga2 = RtfRiga() + RtfCella(1500) + RtfCella(3000);

class TabelleRtf : public LettoreRtf, public ::testing::WithParamInterface<CasoTabella> {};

}  // namespace

TEST_P(TabelleRtf, OgniRigaNelleSueCelle) {
    const CasoTabella& caso = GetParam();
    const DocumentoLetto letto = Leggi(RtfInizio() + caso.rtf + RtfFine());
    EXPECT_EQ(letto.tabelle, caso.tabelle);
    std::vector<QString> fuori;
    for (const QString& t : letto.fuori)
        if (!t.isEmpty()) fuori.push_back(t);
    EXPECT_EQ(fuori, caso.fuori);
}

INSTANTIATE_TEST_SUITE_P(
    Righe, TabelleRtf,
    ::testing::Values(
        CasoTabella{.nome = "RigaCheEreditaLaDefinizione",
                    .rtf = Riga2 + "\\intbl A\\cell B\\cell\\row \\intbl C\\cell D\\cell\\row \\pard dopo",
                    .tabelle = {{{"A", "B"}, {"C", "D"}}},
                    .fuori = {"dopo"}},
        CasoTabella{.nome = "RigaSenzaIntblEreditaLaDefinizione",
                    .rtf = Riga2 + "A\\cell B\\cell\\row C\\cell D\\cell\\row \\pard dopo",
                    .tabelle = {{{"A", "B"}, {"C", "D"}}},
                    .fuori = {"dopo"}},
        CasoTabella{.nome = "PardChiudeLaTabella",
                    .rtf = "prima\\par " + Riga2 + "A\\cell B\\cell\\row \\pard dopo\\par ancora",
                    .tabelle = {{{"A", "B"}}},
                    .fuori = {"prima", "dopo", "ancora"}},
        CasoTabella{.nome = "DueTabelleSeparateDaPard",
                    .rtf = Riga2 + "A\\cell B\\cell\\row \\pard mezzo\\par " + RtfRiga() + RtfCella(700) +
                           RtfCella(1400) + RtfCella(2100) + "\\intbl 1\\cell 2\\cell 3\\cell\\row " +
                           "\\intbl 4\\cell 5\\cell 6\\cell\\row \\pard fine",
                    .tabelle = {{{"A", "B"}}, {{"1", "2", "3"}, {"4", "5", "6"}}},
                    .fuori = {"mezzo", "fine"}},
        CasoTabella{.nome = "PardSubitoPrimaDiUnaNuovaTabella",
                    .rtf = Riga2 + "A\\cell B\\cell\\row \\pard" + RtfRiga() + RtfCella(700) +
                           "\\intbl 1\\cell\\row \\pard fine",
                    .tabelle = {{{"A", "B"}}, {{"1"}}},
                    .fuori = {"fine"}},
        CasoTabella{.nome = "OgniCellaApertaDaPardIntbl",
                    .rtf = Riga2 + "\\pard\\intbl A\\cell\\pard\\intbl B\\cell\\row " +
                           "\\pard\\intbl C\\cell\\pard\\intbl D\\cell\\row \\pard fine",
                    .tabelle = {{{"A", "B"}, {"C", "D"}}},
                    .fuori = {"fine"}},
        CasoTabella{.nome = "IntblDopoPardRiprendeLaDefinizione",
                    .rtf = Riga2 + "A\\cell B\\cell\\row \\pard\\intbl C\\cell D\\cell\\row \\pard fine",
                    .tabelle = {{{"A", "B"}, {"C", "D"}}},
                    .fuori = {"fine"}}),
    [](const auto& info) { return std::string(info.param.nome); });

// The bill of the bundled sample wall with a zone on each face: the table of
// the distributed layers and the one of the positions, whose data rows
// inherit the header's row definition, each in its own cells.
TEST_F(LettoreRtf, IlComputoDellaPareteEsempioHaDueTabelle) {
    Sessione s;
    ValoriDefault(s.imp);
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, PercorsoEsempio("PARETE_ESEMPIO.SET"), finestra).Riuscito());
    CodaGeometria(s.parete, s.stato);
    for (int tipo : {IntegrativaPiu, IntegrativaMeno}) {
        PosizioneArm zona = ZonaRettangolare(tipo, 0, 1550, 400, 1700, 550);
        AccodaPosizione(s.parete, zona, Riquadro(1550, 400, 1700, 550));
    }
    const DocumentoLetto letto = Leggi(ComputoParete(s.parete, s.imp));
    ASSERT_EQ(letto.tabelle.size(), 2u);
    const auto numero = [](const QString& cella) {
        bool ok = false;
        cella.trimmed().toDouble(&ok);
        return ok;
    };
    const QString diametro = QString::fromUtf8("\xC3\x98 ");

    const Righe& diffusa = letto.tabelle[0];
    ASSERT_EQ(diffusa.size(), 5u);
    EXPECT_EQ(diffusa[0], (std::vector<QString>{"Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)",
                                                "Peso (kg)"}));
    const std::vector<std::pair<QString, QString>> strati = {
        {"lato +", "1"}, {"lato +", "2"}, {"lato -", "1"}, {"lato -", "2"}};
    for (std::size_t i = 1; i < diffusa.size(); ++i) {
        ASSERT_EQ(diffusa[i].size(), 6u) << i;
        EXPECT_EQ(diffusa[i][0], strati[i - 1].first);
        EXPECT_EQ(diffusa[i][1], strati[i - 1].second);
        EXPECT_TRUE(diffusa[i][2].startsWith(diametro)) << diffusa[i][2].toStdString();
        for (int c = 3; c < 6; ++c) EXPECT_TRUE(numero(diffusa[i][c])) << i << " " << c;
    }

    const Righe& posizioni = letto.tabelle[1];
    ASSERT_EQ(posizioni.size(), 3u);
    EXPECT_EQ(posizioni[0], (std::vector<QString>{"Pos.", "Lato", "Dir.", "Diam.(mm)", "Passo (cm)",
                                                  "L.tot.(cm)", "Peso (kg)"}));
    const std::vector<QString> lati = {"lato +", "lato -"};
    for (std::size_t i = 1; i < posizioni.size(); ++i) {
        ASSERT_EQ(posizioni[i].size(), 7u) << i;
        EXPECT_EQ(posizioni[i][0], QString::number(i));
        EXPECT_EQ(posizioni[i][1], lati[i - 1]);
        EXPECT_EQ(posizioni[i][2], "1");
        EXPECT_EQ(posizioni[i][3], diametro + "12");
        for (int c = 4; c < 7; ++c) EXPECT_TRUE(numero(posizioni[i][c])) << i << " " << c;
    }
    // No row of a table ran on into the text around it.
    for (const QString& t : letto.fuori) EXPECT_FALSE(t.contains("lato ")) << t.toStdString();
}

namespace {

// A text read over another must leave nothing of it behind: the box reuses
// its document rather than clearing it, so that one layout serves the read.
struct CasoSopra {
    const char* nome;
    std::string prima;
    std::string dopo;
};

void PrintTo(const CasoSopra& c, std::ostream* os) { *os << c.nome; }

class LetturaSopra : public LettoreRtf, public ::testing::WithParamInterface<CasoSopra> {};

}  // namespace

TEST_P(LetturaSopra, LeavesTheDocumentAFreshReadWouldGive) {
    const CasoSopra& c = GetParam();
    QTextDocument riusato;
    LeggiRtf(riusato, c.prima);
    LeggiRtf(riusato, c.dopo);
    QTextDocument nuovo;
    LeggiRtf(nuovo, c.dopo);
    EXPECT_EQ(riusato.toHtml(), nuovo.toHtml());
    EXPECT_FALSE(riusato.isUndoAvailable());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, LetturaSopra,
    ::testing::Values(
        CasoSopra{.nome = "TabellaPoiTesto",
                  .prima = RtfInizio() + RtfRiga() + RtfCella(1500) + "A\\cell \\row \\pard dopo" + RtfFine(),
                  .dopo = RtfInizio() + "solo testo\\par riga due" + RtfFine()},
        CasoSopra{.nome = "GrassettoADestraPoiNormale",
                  .prima = RtfInizio() + "\\qr " + RtfNero("Titolo", 24, 1, 1) + RtfFine(),
                  .dopo = RtfInizio() + "normale" + RtfFine()},
        CasoSopra{.nome = "TabulazioniPoiNessuna",
                  .prima = RtfInizio() + RtfTabDestra(7.5f) + "a\\tab b" + RtfFine(),
                  .dopo = RtfInizio() + "c\\tab d" + RtfFine()},
        CasoSopra{.nome = "TestoPoiTabella",
                  .prima = RtfInizio() + RtfRosso("rosso", 20, 0, 0) + "\\par x" + RtfFine(),
                  .dopo = RtfInizio() + RtfRiga() + RtfCella(1500) + RtfCella(3000) + "A\\cell B\\cell \\row " +
                          RtfFine()},
        CasoSopra{.nome = "TestoPoiNiente", .prima = RtfInizio() + "x\\par y" + RtfFine(), .dopo = ""}),
    [](const ::testing::TestParamInfo<CasoSopra>& i) { return std::string(i.param.nome); });
