#include "export/TestoInfoNodo.h"

#include "export/FrammentiRtf.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Grigio = "\\plain\\f3\\fs18\\cf3\\b0 ";
const std::string Blu = "\\plain\\f3\\fs18\\cf2\\b ";
const std::string Rosso = "\\plain\\f3\\fs18\\cf1\\b0 ";
const std::string RossoGrassetto = "\\plain\\f3\\fs18\\cf1\\b ";

// Node 41 at (123.44, -5.06); per layer k the required and the missing area.
Parete PareteNodo() {
    Parete p;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    Nodo& n = p.Nodi[0];
    n.Id = 41;
    n.X = 123.44f;
    n.Y = -5.06f;
    const float richiesta[4] = {5.0f, 2.0f, 3.5f, 1.0f};
    const float mancante[4] = {0.009f, 0.0089f, -1.25f, 0.5f};
    for (int k = 0; k < 4; ++k) {
        n.Richiesta[SlotDiStrato(k)] = richiesta[k];
        n.Mancante[SlotDiStrato(k)] = mancante[k];
    }
    return p;
}

}  // namespace

TEST(TestoInfoNodo, TwoFacesInAnItalianLocaleWithTheActiveLayerInBlue) {
    StatoInterfaccia stato;
    stato.DirezioneAttiva = 1;
    stato.LatoAttivo = 1;
    const std::string atteso =
        RtfInizio() + "\\plain\\f3\\fs18\\cf0\\b  Area ferri nel nodo: " + " 42" +
        "\\plain\\f3\\fs18\\cf0\\b0 \\par  (x=" + "123.4, y=-5.1)\\par " + "\\par " +
        // Exactly 0.009 is missing.
        Grigio + " Direzione 1 lato + :\\par " + " - progetto:5,00 cmq/m\\par " +
        " - presenti: 4,99 cmq/m\\par " + Rosso + " - mancanti: " + "0,01 cmq/m" + Grigio +
        "\\par " + "\\par " +
        Grigio + " Direzione 2 lato + :\\par " + " - progetto:3,50 cmq/m\\par " +
        " - presenti: 4,75 cmq/m\\par " + " - in eccesso: 1,25 cmq/m" + Grigio + "\\par " +
        "\\par " +
        // 0.0089 is an excess of -0.0089.
        Grigio + " Direzione 1 lato - :\\par " + " - progetto:2,00 cmq/m\\par " +
        " - presenti: 1,99 cmq/m\\par " + " - in eccesso: -0,01 cmq/m" + Grigio + "\\par " +
        "\\par " +
        Blu + " Direzione 2 lato - :\\par " + " - progetto:1,00 cmq/m\\par " +
        " - presenti: 0,50 cmq/m\\par " + RossoGrassetto + " - mancanti: " + "0,50 cmq/m" +
        Grigio + "\\par " + "\\par }";
    EXPECT_EQ(TestoInfoNodo(PareteNodo(), stato, 0, ","), atteso);
}

TEST(TestoInfoNodo, SingleMeshOnTheFacePlusHighlightsNothing) {
    Parete p = PareteNodo();
    p.MagliaUnica = -1;
    StatoInterfaccia stato;
    const std::string testo = TestoInfoNodo(p, stato, 0, ",").value();
    EXPECT_EQ(testo.find("\\cf2"), std::string::npos);
    EXPECT_NE(testo.find("\\par \\par " + Grigio + " Direzione 1 :\\par  - progetto:2,00"),
              std::string::npos);
    EXPECT_NE(testo.find(Grigio + " Direzione 2 :\\par  - progetto:1,00"), std::string::npos);
    EXPECT_EQ(testo.find("lato"), std::string::npos);

    stato.LatoAttivo = 1;
    EXPECT_NE(TestoInfoNodo(p, stato, 0, ",").value().find(Blu + " Direzione 1 :\\par "),
              std::string::npos);
}

TEST(TestoInfoNodo, AnIndexOutsideTheNodesGivesNoText) {
    StatoInterfaccia stato;
    EXPECT_FALSE(TestoInfoNodo(PareteNodo(), stato, -1, ",").has_value());
    EXPECT_FALSE(TestoInfoNodo(PareteNodo(), stato, 1, ",").has_value());
    EXPECT_FALSE(TestoInfoNodo(Parete{}, stato, 0, ",").has_value());
}

TEST(TestoInfoNodo, LocaleFormatHasTwoDecimalsAndNoThousandsSeparator) {
    EXPECT_EQ(FormatoLocale(-0.0089f, ","), "-0,01");
    EXPECT_EQ(FormatoLocale(1234.5f, ","), "1234,50");
    EXPECT_EQ(FormatoLocale(0.004f, ","), "0,00");
    EXPECT_EQ(FormatoLocale(2.5f, "."), "2.50");
}

TEST(TestoInfoNodo, ThePickPrompt) {
    EXPECT_EQ(TestoSceltaNodo(),
              RtfInizio() +
                  "\\plain\\f3\\fs20\\cf0\\b0 Clicca sui nodi per ottenere le informazioni di "
                  "progetto\\par }");
}
