#include "export/TestoInfoArm.h"

#include "design/AreeStrati.h"
#include "export/FrammentiRtf.h"
#include "model/Parete.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Grassetto = "\\plain\\f3\\fs18\\cf0\\b ";
const std::string Normale = "\\plain\\f3\\fs18\\cf0\\b0 ";

// Layers 12/20, 10/25 (direction 2 "+"), 14/15 (direction 1 "-"), 8/12.5; one node.
Parete PareteStrati() {
    Parete p;
    p.DiamDir1Piu = 12;
    p.PassoDir1Piu = 20.0f;
    p.DiamDir2Piu = 10;
    p.PassoDir2Piu = 25.0f;
    p.DiamDir1Meno = 14;
    p.PassoDir1Meno = 15.0f;
    p.DiamDir2Meno = 8;
    p.PassoDir2Meno = 12.5f;
    p.NumNodi = 1;
    CalcolaAreeStrati(p);
    return p;
}

PosizioneArm Posizione(int tipo, int direzione, int diametro, float passo) {
    PosizioneArm pos;
    pos.Tipo = tipo;
    pos.Direzione = direzione;
    pos.Diametro = diametro;
    pos.Passo = passo;
    return pos;
}

void Aggiungi(Parete& p, const PosizioneArm& pos) {
    p.Posizioni.resize(++p.UltPosizione + 1);
    p.Posizioni[p.UltPosizione] = pos;
}

}  // namespace

TEST(TestoInfoArm, TwoFacesListEveryLayerThenEachFacesZonesWithoutRingBeams) {
    Parete p = PareteStrati();
    Aggiungi(p, Posizione(IntegrativaMeno, 0, 16, 20.0f));
    Aggiungi(p, Posizione(Cordolo, 1, 20, 10.0f));
    const std::string atteso =
        RtfInizio() + Grassetto + " Aree armatura (cmq/m):\\par " + " Armatura diffusa:" + Normale +
        "\\par " +
        " Lato + dir 1:\\tab 1\xC3\x98 12/ 20  (Af=5.7)\\par "
        " Lato + dir 2:\\tab 1\xC3\x98 10/ 25  (Af=3.1)\\par "
        " Lato - dir 1:\\tab 1\xC3\x98 14/ 15  (Af=10.3)\\par "
        " Lato - dir 2:\\tab 1\xC3\x98 8/ 12.5  (Af=4.0)\\par " +
        Grassetto + "\\par  Armatura integrativa lato +:" + Normale + "\\par " +
        " non presente\\par " + Grassetto + "\\par  Armatura integrativa lato - :" + Normale +
        "\\par " + " Pos. 1 dir  1:\\tab 1\xC3\x98 16/ 20  (Af=10.1)\\par " + "\\par }";
    EXPECT_EQ(TestoInfoArm(p), atteso);
}

TEST(TestoInfoArm, TwoFacesWithoutPositionsEndAfterTheLayers) {
    const std::string testo = TestoInfoArm(PareteStrati());
    const std::string coda = " Lato - dir 2:\\tab 1\xC3\x98 8/ 12.5  (Af=4.0)\\par \\par }";
    ASSERT_GE(testo.size(), coda.size());
    EXPECT_EQ(testo.substr(testo.size() - coda.size()), coda);
}

TEST(TestoInfoArm, SingleMeshListsItsTwoLayersAndOnlyTypeOnePositions) {
    Parete p = PareteStrati();
    p.MagliaUnica = -1;
    Aggiungi(p, Posizione(IntegrativaPiu, 0, 16, 20.0f));
    Aggiungi(p, Posizione(IntegrativaMeno, 1, 12, 10.0f));
    const std::string atteso =
        RtfInizio() + Grassetto + " Aree armatura (cmq/m):\\par " + " Armatura diffusa:" + Normale +
        "\\par " +
        " Dir 1:\\tab 1\xC3\x98 14/ 15  (Af=10.3)\\par "
        " Dir 2:\\tab 1\xC3\x98 8/ 12.5  (Af=4.0)\\par " +
        Grassetto + "\\par  Armatura integrativa:" + Normale + "\\par " +
        " Pos. 2 dir  2:\\tab 1\xC3\x98 12/ 10  (Af=11.3)\\par " + "\\par }";
    EXPECT_EQ(TestoInfoArm(p), atteso);
}

TEST(TestoInfoArm, AWallWithoutNodesEmptiesThePanelEvenWithPositions) {
    Parete p = PareteStrati();
    p.NumNodi = 0;
    Aggiungi(p, Posizione(IntegrativaPiu, 0, 16, 20.0f));
    EXPECT_EQ(TestoInfoArm(p), "");
}

TEST(TestoInfoArm, APositionWithoutSpacingShowsNoAreaInsteadOfAFault) {
    Parete p = PareteStrati();
    Aggiungi(p, Posizione(IntegrativaPiu, 0, 16, 0.0f));
    EXPECT_NE(TestoInfoArm(p).find(" Pos. 1 dir  1:\\tab 1\xC3\x98 16/ 0  (Af=0.0)\\par "),
              std::string::npos);
}
