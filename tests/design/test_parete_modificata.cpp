#include "design/CaricaProgetto.h"
#include "design/ConfermaUscita.h"
#include "design/Modifica.h"
#include "design/SalvaParete.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A wall built here, in no file.
Sessione SessioneConParete() {
    Sessione s;
    static_cast<Parete&>(s.parete) = PareteRettangolare(400.0f, 300.0f);
    return s;
}

TEST(PareteModificata, EveryStoredUndoStepAndEveryConfirmedChangeMarkTheWall) {
    FinestraRegistrata finestra;
    {
        Sessione s = SessioneConParete();
        MemorizzaModifica(s, finestra);
        EXPECT_TRUE(s.storia.Modificata);
    }
    {
        Sessione s = SessioneConParete();
        Modifica m(s, finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No);
        s.parete.PassoDir1Piu = 15.0f;
        m.Conferma();
        EXPECT_TRUE(s.storia.Modificata);
    }
    {
        // Abandoned: the design is as it was, and so is the mark.
        Sessione s = SessioneConParete();
        { Modifica m(s, finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::No); }
        EXPECT_FALSE(s.storia.Modificata);
    }
    {
        Sessione s;  // no wall: nothing to save, nothing asked
        FinestraRegistrata muta;
        MemorizzaModifica(s, muta);
        EXPECT_FALSE(s.storia.Modificata);
        EXPECT_TRUE(ConfermaUscita(s, muta));
        EXPECT_TRUE(muta.Eventi.empty());
    }
}

TEST(PareteModificata, ASuccessfulOpenOrSaveClearsTheMark) {
    CartellaTemporanea cartella;
    const std::string file = (cartella.Percorso() / "P.SET").string();
    std::filesystem::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
    FinestraRegistrata finestra;
    Sessione s;
    Vista vista;
    vista.LarghezzaTela = 800.0f;
    vista.AltezzaTela = 600.0f;
    s.storia.Modificata = true;
    ASSERT_TRUE(CaricaProgetto(s, file, vista, finestra).Riuscito());
    EXPECT_FALSE(s.storia.Modificata);

    MemorizzaModifica(s, finestra);
    ASSERT_TRUE(s.storia.Modificata);
    ASSERT_TRUE(SalvaParete(s, file, finestra).Riuscito());
    EXPECT_FALSE(s.storia.Modificata);

    // A failed save leaves the mark: the wall file is gone.
    MemorizzaModifica(s, finestra);
    std::filesystem::remove(file);
    EXPECT_FALSE(SalvaParete(s, file, finestra).Riuscito());
    EXPECT_TRUE(s.storia.Modificata);
}

}  // namespace
