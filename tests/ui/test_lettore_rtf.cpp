#include "export/FrammentiRtf.h"
#include "ui/LettoreRtf.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    static void SetUpTestSuite() {
        static int argc = 1;
        static char nome[] = "test";
        static char* argv[] = {nome, nullptr};
        // Never destroyed: widgets of the platform may outlive the tests.
        if (QApplication::instance() == nullptr) new QApplication(argc, argv);
    }
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
