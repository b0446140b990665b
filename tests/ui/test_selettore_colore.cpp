#include "ui/SelettoreColore.h"

#include "ui/OspiteDialoghi.h"

#include "ProvaQt.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the picker through the host with the given user actions, and gives
// back what it hands to the caller.
int Scegli(int aciCorrente, const std::function<int(SelettoreColore&)>& utente) {
    ApplicazioneDiProva();
    OspiteDialoghi dialoghi;
    dialoghi.ImpostaCopione([&](QDialog& d) { return utente(dynamic_cast<SelettoreColore&>(d)); });
    return ScegliColoreAci(nullptr, dialoghi, aciCorrente);
}

int Premi(SelettoreColore& s, const char* pulsante) {
    s.findChild<QPushButton*>(pulsante)->click();
    return s.result();
}

// Centre of swatch n.
QPoint Centro(int n) {
    const CellaColore c = CellePalette()[n];
    return {(c.Sinistra + c.Destra) / 2, (c.Alto + c.Basso) / 2};
}

QColor Pixel(SelettoreColore& s, int x, int y) {
    return s.Tavolozza()->grab().toImage().pixelColor(x, y);
}

bool HaEtichetta(SelettoreColore& s, const QString& testo) {
    for (QLabel* l : s.findChildren<QLabel*>())
        if (l->text() == testo) return true;
    return false;
}

}  // namespace

TEST(SelettoreColore, RisultatoSecondoIlPulsante) {
    struct Caso {
        const char* nome;
        int apertura;
        std::function<int(SelettoreColore&)> utente;
        int atteso;
    };
    const Caso casi[] = {
        {.nome = "annulla con zero", .apertura = 0,
         .utente = [](SelettoreColore& s) { return Premi(s, "Annulla"); }, .atteso = 7},
        {.nome = "fuori dall'intervallo come zero", .apertura = 300,
         .utente = [](SelettoreColore& s) { return Premi(s, "Annulla"); }, .atteso = 7},
        {.nome = "casella di chiusura", .apertura = 0,
         .utente = [](SelettoreColore&) { return int(QDialog::Rejected); }, .atteso = 0},
        {.nome = "ok dopo un clic", .apertura = 5,
         .utente = [](SelettoreColore& s) {
             s.Seleziona(Centro(0).x(), Centro(0).y());
             return Premi(s, "Ok");
         },
         .atteso = 18},
        {.nome = "annulla dopo un clic", .apertura = 5,
         .utente = [](SelettoreColore& s) {
             s.Seleziona(Centro(0).x(), Centro(0).y());
             return Premi(s, "Annulla");
         },
         .atteso = 5},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(Scegli(caso.apertura, caso.utente), caso.atteso);
    }
}

TEST(SelettoreColore, ClicSulBordoSelezionaNelloSpazioNo) {
    ApplicazioneDiProva();
    SelettoreColore s(1);
    const CellaColore c = CellePalette()[24];  // index 16
    s.Seleziona(c.Destra, c.Basso);
    EXPECT_EQ(s.AciScelto(), 16);
    s.Seleziona(c.Destra + 2, c.Alto + 5);  // the gap before swatch 25
    EXPECT_EQ(s.AciScelto(), 16);
    EXPECT_TRUE(HaEtichetta(s, "id colore =  16"));
}

TEST(SelettoreColore, EtichetteDellApertura) {
    ApplicazioneDiProva();
    SelettoreColore s(1);  // red: 255, 0, 0
    EXPECT_EQ(s.windowTitle(), "Selettore colore");
    EXPECT_TRUE(HaEtichetta(s, "id colore =  1"));
    EXPECT_TRUE(HaEtichetta(s, "R = 255"));
    EXPECT_TRUE(HaEtichetta(s, "G = 0"));
    EXPECT_TRUE(HaEtichetta(s, "B = 0"));
    EXPECT_TRUE(HaEtichetta(s, "1"));  // the index under the pointer
}

TEST(SelettoreColore, NessunaCorniceBluSullaCellaScelta) {
    ApplicazioneDiProva();
    SelettoreColore s(18);  // swatch 0
    const CellaColore scelta = CellePalette()[0];
    const CellaColore altra = CellePalette()[1];
    s.Sorvola(Centro(0).x(), Centro(0).y());
    EXPECT_FALSE(s.CellaEvidenziata().has_value());
    EXPECT_EQ(Pixel(s, scelta.Sinistra - 2, scelta.Alto + 10), QColor(255, 0, 0));

    s.Sorvola(Centro(1).x(), Centro(1).y());
    EXPECT_EQ(s.CellaEvidenziata(), 1);
    EXPECT_EQ(Pixel(s, altra.Destra + 2, altra.Alto + 10), QColor(0, 0, 255));
    // Back over the selected one: the blue frame stays on swatch 1, none on swatch 0.
    s.Sorvola(Centro(0).x(), Centro(0).y());
    EXPECT_EQ(s.CellaEvidenziata(), 1);
    EXPECT_EQ(Pixel(s, scelta.Sinistra - 2, scelta.Alto + 10), QColor(255, 0, 0));
}
