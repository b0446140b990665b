#pragma once

// The real main window as the program starts it, for the window tests.

#include "ProvaQt.h"

#include "model/Sessione.h"
#include "ui/ComandiFinestra.h"
#include "ui/FinestraPrincipale.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class FinestraDiProva : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ApplicazioneDiProva(); }

    // Starts the window on a copy of the bundled sample wall in the test's
    // folder (on no wall when conParete is false), its dialogs answered by
    // copione, shown at 1100 x 800.
    void Avvia(bool conParete = true) {
        std::string riga;
        if (conParete) {
            file = (cartella.Percorso() / "PARETE_ESEMPIO.SET").string();
            std::filesystem::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
            riga = file;
        }
        finestra = std::make_unique<FinestraPrincipale>(sessione);
        finestra->Dialoghi().ImpostaCopione(std::ref(copione));
        ASSERT_TRUE(finestra->Form_Load(riga).Riuscito());
        finestra->resize(1100, 800);
        finestra->show();
        QCoreApplication::processEvents();
        ASSERT_NE(finestra->Comandi(), nullptr);
    }

    // Runs a command through the dispatcher, as a click on its item does.
    void Comando(int id) {
        finestra->Comandi()->Esegui(id);
        QCoreApplication::processEvents();
    }

    CartellaTemporanea cartella;
    std::string file;
    Sessione sessione;
    CopioneDialoghi copione;
    std::unique_ptr<FinestraPrincipale> finestra;
};
