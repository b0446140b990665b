#include "export/FrammentiRtf.h"
#include "ui/LettoreRtf.h"
#include "ui/PannelloInfo.h"

#include "ProvaQt.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Documents print as their text when a comparison fails.
void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace {

// The information panel rewrites only the paragraphs that a new text
// changes: whatever the change, it must show what a fresh read of the new
// text gives, from the top.

// A text like the reinforcement summary: a bold heading, then lines in the
// plain run that the heading's "\par" opens, each with a right tab.
std::string Testo(const std::vector<std::string>& righe, const std::string& titolo = " Aree armatura:") {
    std::string testo = RtfInizio() + RtfTabDestra(4.0f) + RtfNero(titolo + "\\par ", 18, 0, 1) +
                        RtfNero("", 18, 0, 0);
    for (const std::string& riga : righe) testo += riga + "\\par ";
    return testo + RtfFine();
}

std::vector<std::string> Righe(int n) {
    std::vector<std::string> righe;
    for (int i = 1; i <= n; ++i)
        righe.push_back(" Pos." + std::to_string(i) + " dir 1:\\tab 1\\'d812/20  (Af=5.65)");
    return righe;
}

std::vector<std::string> Con(std::vector<std::string> righe, int i, const std::string& riga) {
    righe[i] = riga;
    return righe;
}

std::vector<std::string> Senza(std::vector<std::string> righe, int i) {
    righe.erase(righe.begin() + i);
    return righe;
}

std::vector<std::string> Inserita(std::vector<std::string> righe, int i, const std::string& riga) {
    righe.insert(righe.begin() + i, riga);
    return righe;
}

// The summary's lines for the zones with these ids, numbered from 1 as the list shows
// them: a zone added or taken away renumbers every line after it.
std::vector<std::string> Numerate(const std::vector<int>& ids) {
    std::vector<std::string> righe;
    for (std::size_t i = 0; i < ids.size(); ++i)
        righe.push_back(" Pos." + std::to_string(i + 1) + " dir " + std::to_string(ids[i] % 2 + 1) +
                        ":\\tab 1\\'d8" + std::to_string(10 + 2 * (ids[i] % 4)) + "/20  (Af=5.65)");
    return righe;
}

const std::vector<int> Zone = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
const std::vector<int> ZoneConUnaInPiu = {11, 12, 13, 99, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

const std::string Tabella = RtfInizio() + " Computo\\par " + RtfRiga() + RtfCella(1500) + RtfCella(3000) +
                            "A\\cell B\\cell \\row \\pard dopo\\par " + Righe(3)[0] + RtfFine();

struct CasoRighe {
    const char* nome;
    std::string prima;
    std::string dopo;
    bool parziale;  // the paragraphs around the change stay as they were
};

void PrintTo(const CasoRighe& c, std::ostream* os) { *os << c.nome; }

class PannelloRighe : public ::testing::TestWithParam<CasoRighe> {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }
};

}  // namespace

TEST_P(PannelloRighe, ShowsAFreshReadOfTheNewTextFromTheTop) {
    const CasoRighe& caso = GetParam();
    PannelloInfo pannello;
    pannello.resize(200, 100);
    pannello.show();
    pannello.ImpostaRtf(caso.prima);
    QApplication::processEvents();
    QScrollBar* barra = pannello.verticalScrollBar();
    barra->setValue(barra->maximum());
    QTextCursor inFondo(pannello.document());
    inFondo.movePosition(QTextCursor::End);
    pannello.setTextCursor(inFondo);
    // The text the update takes out of the document: all of it when it reads
    // the whole text again.
    const int lunghezza = pannello.document()->characterCount();
    int tolti = 0;
    QObject::connect(pannello.document(), &QTextDocument::contentsChange,
                     [&](int, int via, int) { tolti += via; });

    pannello.ImpostaRtf(caso.dopo);

    QTextDocument fresco;
    LeggiRtf(fresco, caso.dopo);
    EXPECT_EQ(pannello.document()->toHtml(), fresco.toHtml());
    // What the HTML leaves out: the tab stops.
    ASSERT_EQ(pannello.document()->blockCount(), fresco.blockCount());
    for (QTextBlock a = pannello.document()->begin(), b = fresco.begin(); a.isValid(); a = a.next(), b = b.next())
        EXPECT_EQ(a.blockFormat(), b.blockFormat()) << a.blockNumber();
    EXPECT_FALSE(pannello.document()->isUndoAvailable());
    QApplication::processEvents();
    EXPECT_EQ(barra->value(), barra->minimum());
    EXPECT_EQ(pannello.textCursor().position(), 0);
    EXPECT_EQ(tolti < lunghezza - 1, caso.parziale) << tolti << " of " << lunghezza;
}

INSTANTIATE_TEST_SUITE_P(
    Casi, PannelloRighe,
    ::testing::Values(
        CasoRighe{.nome = "RigaAggiuntaInMezzo",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Inserita(Righe(20), 10, " Pos.99 dir 2:\\tab 1\\'d814/15  (Af=10.3)")),
                  .parziale = true},
        CasoRighe{.nome = "RigaTolta", .prima = Testo(Righe(20)), .dopo = Testo(Senza(Righe(20), 7)),
                  .parziale = true},
        CasoRighe{.nome = "RigaCambiata",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 12, " Pos.13 dir 1:\\tab 1\\'d816/20  (Af=10.1)")),
                  .parziale = true},
        CasoRighe{.nome = "RigaInGrassettoConLoStessoTesto",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 4, RtfNero(" Pos.5 dir 1:", 18, 0, 1) +
                                                      RtfNero("\\tab 1\\'d812/20  (Af=5.65)", 18, 0, 0))),
                  .parziale = true},
        CasoRighe{.nome = "RigaAllineataADestra",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 9, "\\qr" + Righe(20)[9] + "\\par\\ql ")),
                  .parziale = true},
        CasoRighe{.nome = "TabulazioneAggiunta",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 15, RtfTabCentro(2.0f) + Righe(20)[15])),
                  .parziale = true},
        CasoRighe{.nome = "RigaConUnAcapo",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 3, " Pos.4\\line dir 1")),
                  .parziale = true},
        CasoRighe{.nome = "DueRigheLontaneCambiate",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Con(Righe(20), 2, " due"), 17, " diciassette")),
                  .parziale = true},
        CasoRighe{.nome = "PrimaRigaCambiata",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 0, " Pos.1 dir 2:\\tab 1\\'d812/20  (Af=5.65)")),
                  .parziale = true},
        CasoRighe{.nome = "UltimaRigaCambiata",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 19, " Pos.20 dir 2:\\tab 1\\'d812/20  (Af=5.65)")),
                  .parziale = true},
        CasoRighe{.nome = "TitoloCambiato",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Righe(20), " Armatura integrativa lato +:"),
                  .parziale = true},
        CasoRighe{.nome = "StessoDocumentoDaAltroTesto",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 6, "\\sconosciuta " + Righe(20)[6])),
                  .parziale = true},
        CasoRighe{.nome = "RigheUgualiMenoUna",
                  .prima = Testo({" a", " a", " a", " a"}),
                  .dopo = Testo({" a", " a", " a"}),
                  .parziale = true},
        CasoRighe{.nome = "PiuCorto", .prima = Testo(Righe(30)), .dopo = Testo(Righe(8)), .parziale = true},
        CasoRighe{.nome = "PiuLungo", .prima = Testo(Righe(8)), .dopo = Testo(Righe(30)), .parziale = true},
        CasoRighe{.nome = "UltimoParagrafoTolto",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Righe(20)).substr(0, Testo(Righe(20)).size() - RtfFine().size()) + "}",
                  .parziale = true},
        CasoRighe{.nome = "PosizioniRinumerateDopoUnaNuova",
                  .prima = Testo(Numerate(Zone)),
                  .dopo = Testo(Numerate(ZoneConUnaInPiu)),
                  .parziale = true},
        CasoRighe{.nome = "PosizioniRinumerateDopoUnaTolta",
                  .prima = Testo(Numerate(ZoneConUnaInPiu)),
                  .dopo = Testo(Numerate(Zone)),
                  .parziale = true},
        CasoRighe{.nome = "TabellaPrima", .prima = Tabella, .dopo = Testo(Righe(20)), .parziale = false},
        CasoRighe{.nome = "TabellaDopo", .prima = Testo(Righe(20)), .dopo = Tabella, .parziale = false},
        CasoRighe{.nome = "RitornoCarrelloNelTesto",
                  .prima = Testo(Righe(20)),
                  .dopo = Testo(Con(Righe(20), 10, " a\\'0db")),
                  .parziale = false},
        CasoRighe{.nome = "TestoVuoto", .prima = Testo(Righe(20)), .dopo = "", .parziale = false},
        CasoRighe{.nome = "DalTestoVuoto", .prima = "", .dopo = Testo(Righe(20)), .parziale = false}),
    [](const ::testing::TestParamInfo<CasoRighe>& i) { return std::string(i.param.nome); });
