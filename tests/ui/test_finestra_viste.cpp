// The real window agrees with the wall it shows: the colour maps after a
// design change, the legend's face in every view.

#include "FinestraDiProva.h"
#include "FinestraRegistrata.h"
#include "RiquadroRegistrato.h"
#include "SessionePosizioni.h"
#include "TelaRegistrata.h"

#include "design/CaricaProgetto.h"
#include "design/MappaIntervalli.h"
#include "design/Modifica.h"
#include "design/Ridisegna.h"
#include "interaction/ModificaDiffusa.h"
#include "interaction/SelezioneVista.h"
#include "model/Nodo.h"
#include "model/Sezioni.h"
#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"
#include "ui/GrigliaProprieta.h"
#include "ui/IdComandi.h"
#include "ui/RiquadroLegendaQt.h"
#include "ui/SelettoriVista.h"
#include "ui/TelaQt.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int TipoEccedenza = 10;

class FinestraViste : public FinestraDiProva {
protected:
    const IdComandi& Ids() { return finestra->Comandi()->Ids(); }
    QImage Tela() { return finestra->Tela().Composizione(); }
    // The legend is drawn by the redraw that an action asks for: it is read
    // once the event queue, where that redraw waits, is empty.
    QImage Legenda() {
        QCoreApplication::processEvents();
        return finestra->Legenda().Immagine();
    }
    std::string Max() { return finestra->ScalaMassima().text().toStdString(); }
    std::string Min() { return finestra->ScalaMinima().text().toStdString(); }

    // Opens a copy of a fixture wall as the open command does.
    void Apri(const std::string& fixture) {
        const std::string altra = (cartella.Percorso() / fixture).string();
        std::filesystem::copy_file(PercorsoFixture(fixture), altra);
        ASSERT_TRUE(CaricaProgetto(sessione, altra, finestra->VistaTela(), *finestra).Riuscito());
        QCoreApplication::processEvents();
    }

    // Appends a section line through da and a as the section tools do: one
    // change with the geometry tail, which cuts it to the wall.
    void Sezione(Punto da, Punto a, int orizzontale) {
        Modifica m(sessione, *finestra, CodaRicalcolo::Geometria, PuntoAnnullamento::No);
        LineaSezione s;
        s.P0 = da;
        s.P1 = a;
        s.Orizzontale = orizzontale;
        Parete& p = sessione.parete;
        ++p.UltSezione;
        if (static_cast<int>(p.Sezioni.size()) <= p.UltSezione) p.Sezioni.resize(p.UltSezione + 1);
        p.Sezioni[p.UltSezione] = s;
        OrdinaSezioni(p);
        m.Conferma();
        QCoreApplication::processEvents();
    }

    // The canvas, checked to hold the whole drawing fitted: nothing runs off
    // an edge and the drawing fills the canvas across one of its sides.
    QImage Adattata(const char* quando);
};

}  // namespace

// The excess map keeps no range from before the design: its range is the
// new data's, as choosing the view again gives it, and so is its colouring.
TEST_F(FinestraViste, LaMappaSegueIlProgettoAutomatico) {
    Avvia();
    Comando(Ids().IdEccedenza);
    const int k = sessione.stato.TipoMappa - TipoEccedenza;
    const IntervalloMappa prima = IntervalloEccedenza(sessione.parete, k);
    Comando(Ids().IdProgetto);
    ASSERT_EQ(copione.Visti.front().Titolo, "Progetto amatura diffusa");
    const IntervalloMappa dopo = IntervalloEccedenza(sessione.parete, k);
    ASSERT_NE(dopo, prima) << "the design changed nothing";
    EXPECT_EQ(sessione.stato.ScalaMax, dopo.Max);
    EXPECT_EQ(sessione.stato.ScalaMin, dopo.Min);
    EXPECT_EQ(Max(), TestoScala(dopo.Max));
    EXPECT_EQ(Min(), TestoScala(dopo.Min));
    const QImage mappa = Tela();
    Comando(Ids().IdEccedenza);
    EXPECT_EQ(Tela(), mappa);
}

// A typed range stays through a change of the design, until "Default".
TEST_F(FinestraViste, UnIntervalloScrittoRestaFinoADefault) {
    Avvia();
    Comando(Ids().IdMappaCalcolo);
    finestra->ScalaMassima().setText("9");
    finestra->ScalaMinima().setText("1");
    finestra->RiquadroScala().Command1(1)->click();
    Comando(Ids().IdProgetto);
    EXPECT_EQ(sessione.stato.ScalaMax, 9.0f);
    EXPECT_EQ(Max(), "9.00");
    finestra->RiquadroScala().Command1(0)->click();
    EXPECT_EQ(Max(), TestoScala(sessione.parete.MaxRichiesta[SlotDiStrato(sessione.stato.TipoMappa)]));
    EXPECT_FALSE(sessione.stato.ScalaImpostata);
}

// A text that is no number is put back, not read as 0.
TEST_F(FinestraViste, IlRiquadroRifiutaUnTestoNonNumerico) {
    Avvia();
    Comando(Ids().IdEccedenza);
    const std::string max = Max(), min = Min();
    const float scalaMax = sessione.stato.ScalaMax;
    finestra->ScalaMassima().setText("abc");
    finestra->ScalaMinima().setText("");
    finestra->RiquadroScala().Command1(1)->click();
    EXPECT_EQ(Max(), max);
    EXPECT_EQ(Min(), min);
    EXPECT_EQ(sessione.stato.ScalaMax, scalaMax);
}

// A wall without nodes has no range: nothing left of the previous wall's.
TEST_F(FinestraViste, UnaPareteSenzaNodiNonHaIntervallo) {
    Avvia();
    for (const int id : {Ids().IdMappaCalcolo, Ids().IdEccedenza}) {
        Comando(id);
        ASSERT_NE(Max(), "");
    }
    Apri("SENZA_NODI.SET");
    EXPECT_EQ(Max(), "");
    EXPECT_EQ(Min(), "");
    for (const int id : {Ids().IdMappaCalcolo, Ids().IdEccedenza}) {
        Comando(id);
        EXPECT_EQ(sessione.stato.ScalaMax, 0.0f) << id;
        EXPECT_EQ(sessione.stato.ScalaMin, 0.0f) << id;
        EXPECT_EQ(Max(), "") << id;
        EXPECT_EQ(Min(), "") << id;
    }
}

// The legend names the selected face in every view: after the sheet preview
// and in the zone view it shows what the distributed view of that face shows.
TEST_F(FinestraViste, LaLegendaNominaIlLatoSceltoInOgniVista) {
    Avvia();
    for (const int lato : {0, 1}) {
        finestra->Selettori().Option1(lato)->click();
        Comando(Ids().IdVisDiffusa);
        const QImage diffusa = Legenda();
        Comando(Ids().IdAnteprimaTavola);
        EXPECT_EQ(Legenda(), diffusa) << "sheet, face " << lato;
        Comando(Ids().IdVisIntegrativa);
        EXPECT_EQ(Legenda(), diffusa) << "zones, face " << lato;
        Comando(Ids().IdVisDiffusa);
        EXPECT_EQ(Legenda(), diffusa) << "back, face " << lato;
    }
    finestra->Selettori().Option1(0)->click();
    Comando(Ids().IdVisDiffusa);
    const QImage piu = Legenda();
    finestra->Selettori().Option1(1)->click();
    EXPECT_NE(Legenda(), piu);
}

// A single-mesh wall shows its mesh right after opening, as after a click
// on a direction.
TEST_F(FinestraViste, UnaMagliaUnicaMostraLaSuaMagliaAllApertura) {
    Avvia();
    finestra->Selettori().Option1(0)->click();
    Apri("MAGLIA_UNICA.SET");
    ASSERT_NE(sessione.parete.MagliaUnica, 0);
    const QImage aperta = Legenda();
    finestra->Selettori().Option2(1)->click();
    finestra->Selettori().Option2(0)->click();
    EXPECT_EQ(Legenda(), aperta);
}

namespace {

// The box of the pixels that differ from the canvas's most common colour,
// the background: left, top, right, bottom.
QRect Disegnato(const QImage& immagine) {
    std::map<QRgb, int> conta;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) ++conta[immagine.pixel(x, y)];
    const QRgb sfondo =
        std::max_element(conta.begin(), conta.end(), [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    QRect r;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (immagine.pixel(x, y) != sfondo) r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

QImage FinestraViste::Adattata(const char* quando) {
    const QImage tela = Tela();
    const QRect disegno = Disegnato(tela);
    EXPECT_GT(disegno.left(), 0) << quando;
    EXPECT_GT(disegno.top(), 0) << quando;
    EXPECT_LT(disegno.right(), tela.width() - 1) << quando;
    EXPECT_LT(disegno.bottom(), tela.height() - 1) << quando;
    EXPECT_TRUE(disegno.width() > 0.85 * tela.width() || disegno.height() > 0.85 * tela.height())
        << quando << ": " << disegno.width() << " x " << disegno.height() << " of " << tela.width() << " x "
        << tela.height();
    return tela;
}

// The sheet preview, sections included, fits the canvas: nothing runs off an
// edge and the sheet fills the canvas across one of its sides; "Vista
// totale" fits it again after a zoom and after a new section.
TEST_F(FinestraViste, LAnteprimaDellaTavolaStaNellaTela) {
    Avvia();
    Sezione({350, -25}, {350, 425}, 0);  // the wall spans 0-800 x 0-400
    ASSERT_EQ(sessione.parete.UltSezione, 0);
    Comando(Ids().IdAnteprimaTavola);
    const QImage scelta = Adattata("chosen");
    Comando(Ids().IdAvvicina);
    Comando(Ids().IdVistaTotale);
    EXPECT_EQ(Tela(), scelta);
    Sezione({-25, 80}, {825, 80}, 1);
    Comando(Ids().IdVistaTotale);
    ASSERT_EQ(sessione.parete.UltSezione, 1);
    const QImage dueSezioni = Adattata("two sections");
    EXPECT_NE(dueSezioni, scelta);
}

// After "Annulla" and "Ripeti" the grid of the distributed layers shows the
// layers restored, as the information panel does.
TEST_F(FinestraViste, LaGrigliaDopoAnnullaERipeti) {
    Avvia();
    const auto griglia = [&] {
        std::vector<std::string> valori;
        for (const VoceDiffusa& v : VociDiffusa(sessione.parete)) {
            const QTreeWidgetItem* voce = finestra->Griglia().VoceConId(v.Id);
            EXPECT_NE(voce, nullptr) << v.Id;
            if (voce != nullptr) {
                EXPECT_EQ(GrigliaProprieta::Valore(*voce).toStdString(), v.Valore) << v.Id;
            }
            valori.push_back(v.Valore);
        }
        return valori;
    };
    const std::vector<std::string> prima = griglia();
    Comando(Ids().IdProgetto);
    const std::vector<std::string> progettata = griglia();
    ASSERT_NE(progettata, prima) << "the design changed no layer";
    Comando(Ids().IdAnnulla);
    EXPECT_EQ(griglia(), prima);
    Comando(Ids().IdRipeti);
    EXPECT_EQ(griglia(), progettata);
}

// The view of one elevation shows the sections drawn under it, one
// horizontal section as two: the view takes them in, so the drawing no longer
// runs off the bottom of the canvas.
TEST_F(FinestraViste, LaPiantaMostraLeSezioniSottoDiSe) {
    Avvia();
    const auto fondo = [&](const char* quando) {
        const QImage tela = Tela();
        EXPECT_LT(Disegnato(tela).bottom(), tela.height() - 1) << quando;
        return tela;
    };
    Comando(Ids().IdVisDiffusa);
    const QImage senza = fondo("no section");
    Sezione({-25, 80}, {825, 80}, 1);  // the wall spans 0-800 x 0-400
    Comando(Ids().IdVisDiffusa);
    const QImage una = fondo("one horizontal section");
    EXPECT_NE(una, senza);
    Sezione({350, -25}, {350, 425}, 0);
    Comando(Ids().IdVisDiffusa);
    const QImage due = fondo("two sections");
    EXPECT_NE(due, una);
    Comando(Ids().IdAvvicina);
    Comando(Ids().IdVistaTotale);
    EXPECT_EQ(Tela(), due);
}

namespace {

struct CasoAdattamento {
    const char* nome;
    std::vector<std::pair<Punto, Punto>> orizzontali;  // section lines, the wall spans 0-800 x 0-400
    std::vector<std::pair<Punto, Punto>> verticali;
};

void PrintTo(const CasoAdattamento& c, std::ostream* os) { *os << c.nome; }

class AdattamentoConSezioni : public FinestraViste,
                              public ::testing::WithParamInterface<CasoAdattamento> {
protected:
    // The drawing as the window's view shows it, recorded on a canvas of the
    // window canvas's size: every text lies on it, the view's title among them.
    void TestiNellaTela(const std::string& quando, const std::string& titolo) {
        QCoreApplication::processEvents();
        const Vista& v = finestra->VistaTela();
        TelaRegistrata tela(v.LarghezzaTela, v.AltezzaTela);
        RiquadroRegistrato riquadro;
        FinestraRegistrata eventi;
        Ridisegna(sessione, DestinazioneSchermo{tela, v, riquadro, eventi});
        bool visto = false;
        int testi = 0;
        for (const TrattoTela& t : tela.DiTipo("Testo")) {
            ++testi;
            if (t.Testo == titolo) visto = true;
            const CasellaPixel c = CasellaTratto(t);
            EXPECT_TRUE(c.Dentro(v.LarghezzaTela, v.AltezzaTela))
                << quando << ": \"" << t.Testo << "\" at " << c.Xmin << ", " << c.Ymin << " - " << c.Xmax
                << ", " << c.Ymax << " on " << v.LarghezzaTela << " x " << v.AltezzaTela;
        }
        EXPECT_TRUE(visto) << quando << ": " << titolo;
        EXPECT_GT(testi, 10) << quando;
    }
};

}  // namespace

// The view of one elevation with its sections is fitted so that the title
// above its frame and the dimensions at its top stand on the canvas: at the
// open of a wall that has them, at the choice of a view, at "Vista totale".
TEST_P(AdattamentoConSezioni, TitleAndTopDimensionsStayOnTheCanvas) {
    const CasoAdattamento& caso = GetParam();
    Avvia();
    // The save writes the recent-file memory: into the test's folder.
    sessione.imp.CartellaUtente = cartella.Percorso().string();
    ASSERT_GE(sessione.parete.UltQuota, 0) << "the automatic dimensions of the sample";
    for (const auto& [da, a] : caso.orizzontali) Sezione(da, a, 1);
    for (const auto& [da, a] : caso.verticali) Sezione(da, a, 0);
    {
        // One zone on face +, for the position table of the zone view.
        Modifica m(sessione, *finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
        AccodaPosizione(sessione.parete, ZonaRettangolare(0, 0, 100, 100, 300, 300),
                        Riquadro(100, 100, 300, 300));
        m.Conferma();
    }
    Comando(Ids().IdSalva);
    ASSERT_FALSE(sessione.storia.Modificata) << "saved";

    ASSERT_TRUE(CaricaProgetto(sessione, file, finestra->VistaTela(), *finestra).Riuscito());
    ASSERT_EQ(sessione.parete.UltSezione + 1,
              static_cast<int>(caso.orizzontali.size() + caso.verticali.size()));
    TestiNellaTela("open", "Armatura diffusa lato +");

    Comando(Ids().IdVisIntegrativa);
    TestiNellaTela("zone view chosen", "Armatura integrativa lato +");
    Comando(Ids().IdVisDiffusa);
    TestiNellaTela("distributed view chosen", "Armatura diffusa lato +");

    Comando(Ids().IdAvvicina);
    Comando(Ids().IdVistaTotale);
    TestiNellaTela("Vista totale", "Armatura diffusa lato +");
    Comando(Ids().IdVisIntegrativa);
    Comando(Ids().IdAvvicina);
    Comando(Ids().IdVistaTotale);
    TestiNellaTela("Vista totale, zone view", "Armatura integrativa lato +");
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, AdattamentoConSezioni,
    ::testing::Values(
        CasoAdattamento{.nome = "UnaSezioneOrizzontale", .orizzontali = {{{-25, 80}, {825, 80}}},
                        .verticali = {}},
        CasoAdattamento{.nome = "UnaSezioneVerticale", .orizzontali = {},
                        .verticali = {{{350, -25}, {350, 425}}}},
        CasoAdattamento{.nome = "DueSezioni", .orizzontali = {{{-25, 80}, {825, 80}}},
                        .verticali = {{{350, -25}, {350, 425}}}}),
    [](const auto& info) { return std::string(info.param.nome); });
