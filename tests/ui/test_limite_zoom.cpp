// Zooming out stops at the widest window of the extents, by the wheel and by
// "Allontana" alike, and the way back in finds the wall again without
// "Vista totale".

#include "FinestraDiProva.h"

#include "design/CaricaProgetto.h"
#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "ui/TelaQt.h"

#include "PareteGenerata.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

namespace {

enum class Percorso { Rotella, Comandi };

class LimiteZoom : public FinestraDiProva {
protected:
    // Opens a wall file as the open command does.
    void Apri(const std::string& percorso) {
        const Esito esito = CaricaProgetto(sessione, percorso, finestra->VistaTela(), *finestra);
        ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    }

    // The cursor moved onto model point p.
    void Cursore(Punto p) {
        const Vista& v = finestra->VistaTela();
        cursore_ = QPointF(XSchermo(v, p.X), YSchermo(v, p.Y));
        QMouseEvent muovi(QEvent::MouseMove, cursore_, cursore_, Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&finestra->Tela(), &muovi);
    }

    // Steps out (verso -1) or in (1): wheel notches at the cursor, or
    // "Allontana" and "Avvicina" as their items run them.
    void Passi(Percorso percorso, int verso, int passi) {
        for (int i = 0; i < passi; ++i) {
            if (percorso == Percorso::Rotella) {
                QWheelEvent e(cursore_, cursore_, QPoint(), QPoint(0, 120 * verso), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(&finestra->Tela(), &e);
            } else {
                const IdComandi& ids = finestra->Comandi()->Ids();
                finestra->Comandi()->Esegui(verso < 0 ? ids.IdAllontana : ids.IdAvvicina);
            }
        }
    }

    // Pixels of the canvas, redrawn now, that are not its background.
    int PixelDisegnati() {
        const QImage immagine = finestra->Tela().Composizione();
        const QColor sfondo = finestra->Tela().ColoreSfondo();
        int n = 0;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x)
                if (immagine.pixelColor(x, y) != sfondo) ++n;
        return n;
    }

    const Vista& V() { return finestra->VistaTela(); }

private:
    QPointF cursore_;
};

float Larghezza(const Vista& v) { return v.FinXmax - v.FinXmin; }

bool Finita(const Vista& v) {
    return std::isfinite(v.FinXmin) && std::isfinite(v.FinYmin) && std::isfinite(v.FinXmax) &&
           std::isfinite(v.FinYmax) && std::isfinite(v.Scala) && v.Scala > 0.0f;
}

Rettangolo Finestra(const Vista& v) { return {v.FinXmin, v.FinYmin, v.FinXmax, v.FinYmax}; }
Rettangolo Muro(const Parete& p) {
    return {p.XminParete, p.YminParete, p.XmaxParete, p.YmaxParete};
}
Rettangolo InUnPunto(Punto q) { return {q.X, q.Y, q.X, q.Y}; }

bool Contiene(const Rettangolo& fuori, const Rettangolo& dentro) {
    return fuori.Xmin <= dentro.Xmin && dentro.Xmax <= fuori.Xmax && fuori.Ymin <= dentro.Ymin &&
           dentro.Ymax <= fuori.Ymax;
}

bool StessaFinestra(const Vista& a, const Vista& b) {
    return a.FinXmin == b.FinXmin && a.FinYmin == b.FinYmin && a.FinXmax == b.FinXmax &&
           a.FinYmax == b.FinYmax && a.Scala == b.Scala;
}

}  // namespace

// As a user tried it on the sample wall, the cursor on a corner: once the
// view's coordinates overflowed, the way back in left the canvas black.
TEST_F(LimiteZoom, FarOutAndBackInOnTheSampleWallShowsItAgain) {
    struct Caso {
        const char* nome;
        Percorso percorso;
        int fuori, dentro;
    };
    const Caso casi[] = {
        {.nome = "1000 notches out, 1000 in", .percorso = Percorso::Rotella, .fuori = 1000,
         .dentro = 1000},
        {.nome = "900 notches out, 900 in", .percorso = Percorso::Rotella, .fuori = 900,
         .dentro = 900},
        {.nome = "1000 Allontana, 50 Avvicina", .percorso = Percorso::Comandi, .fuori = 1000,
         .dentro = 50},
    };
    ASSERT_NO_FATAL_FAILURE(Avvia());
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Comando(finestra->Comandi()->Ids().IdVistaTotale);  // each row starts from the fit
        ASSERT_GT(PixelDisegnati(), 0);
        Cursore(sessione.parete.Contorno[0]);
        Passi(caso.percorso, -1, caso.fuori);
        Passi(caso.percorso, 1, caso.dentro);
        EXPECT_TRUE(Finita(V()));
        EXPECT_GT(PixelDisegnati(), 0);
    }
}

// From the fit, 1,000 steps out end at the widest window with finite
// coordinates, and a further step changes nothing. Each path keeps a point of
// the window where it is (the wheel the corner under the cursor, the commands
// the centre), so on the way back in the narrowest window still as wide as
// the fit shows the whole wall again, and 1,000 steps in end at the narrowest
// window on that point, still finite.
TEST_F(LimiteZoom, FarOutAndBackInOnEveryPathAndWall) {
    struct Caso {
        const char* nome;
        Percorso percorso;
        const char* parete;  // a fixture, or nullptr for the generated wall
        int nodi;
    };
    const Caso casi[] = {
        {.nome = "wheel, sample wall", .percorso = Percorso::Rotella,
         .parete = "PARETE_ESEMPIO.SET", .nodi = 300},
        {.nome = "wheel, wall without nodes", .percorso = Percorso::Rotella,
         .parete = "SENZA_NODI.SET", .nodi = 0},
        {.nome = "wheel, 16000 nodes", .percorso = Percorso::Rotella, .parete = nullptr,
         .nodi = 16000},
        {.nome = "Allontana, sample wall", .percorso = Percorso::Comandi,
         .parete = "PARETE_ESEMPIO.SET", .nodi = 300},
        {.nome = "Allontana, wall without nodes", .percorso = Percorso::Comandi,
         .parete = "SENZA_NODI.SET", .nodi = 0},
        {.nome = "Allontana, 16000 nodes", .percorso = Percorso::Comandi, .parete = nullptr,
         .nodi = 16000},
    };
    constexpr int NumeroPassi = 1000;
    ASSERT_NO_FATAL_FAILURE(Avvia());  // the sample wall's copy in the test's folder
    std::filesystem::copy_file(PercorsoFixture("SENZA_NODI.SET"),
                               cartella.Percorso() / "SENZA_NODI.SET");
    const std::string generata = (cartella.Percorso() / "parete_16000.set").string();
    ASSERT_NO_FATAL_FAILURE(ScriviPareteGenerata(generata, 16000));
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ASSERT_NO_FATAL_FAILURE(
            Apri(caso.parete ? (cartella.Percorso() / caso.parete).string() : generata));
        const Parete& p = sessione.parete;
        ASSERT_EQ(p.NumNodi, caso.nodi);
        const Vista adattata = V();
        ASSERT_TRUE(Contiene(Finestra(adattata), Muro(p)));
        const Punto fisso = caso.percorso == Percorso::Rotella
                                ? p.Contorno[0]
                                : Punto{(adattata.FinXmin + adattata.FinXmax) / 2,
                                        (adattata.FinYmin + adattata.FinYmax) / 2};
        // The point each path keeps is one of the wall's.
        ASSERT_TRUE(Contiene(Muro(p), InUnPunto(fisso)));
        Cursore(fisso);

        Passi(caso.percorso, -1, NumeroPassi);
        const Vista lontana = V();
        ASSERT_TRUE(Finita(lontana));
        const float campata = std::max(Larghezza(lontana), lontana.FinYmax - lontana.FinYmin);
        EXPECT_NEAR(campata, CampataMassimaZoom(p.Estensione), 1e-5f * campata);
        EXPECT_TRUE(Contiene(Finestra(lontana), InUnPunto(fisso)));
        Passi(caso.percorso, -1, 1);
        EXPECT_TRUE(StessaFinestra(V(), lontana));

        // Back in to the narrowest window still as wide as the fit: the wall
        // is all in it and drawn.
        int dentro = 0;
        for (; dentro < NumeroPassi && (1.0f - PassoZoom) * Larghezza(V()) >= Larghezza(adattata);
             ++dentro)
            Passi(caso.percorso, 1, 1);
        EXPECT_GE(Larghezza(V()), Larghezza(adattata));
        EXPECT_LT(Larghezza(V()), Larghezza(adattata) / (1.0f - PassoZoom));
        EXPECT_TRUE(Contiene(Finestra(V()), Muro(p)));
        EXPECT_GT(PixelDisegnati(), 0);
        // The rest of the 1,000 steps: the narrowest window, on the wall.
        Passi(caso.percorso, 1, NumeroPassi - dentro);
        ASSERT_TRUE(Finita(V()));
        EXPECT_TRUE(Contiene(Finestra(V()), InUnPunto(fisso)));
    }
}
