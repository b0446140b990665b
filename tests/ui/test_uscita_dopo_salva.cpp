// The exit after a save: an undo or a redo that leaves the design other than
// the saved one is a change to save, one that comes back to it is not.

#include "FinestraDiProva.h"

#include "design/Modifica.h"
#include "ui/IdComandi.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

enum class Passo { Salva, Annulla, Ripeti };

struct CasoDopoSalva {
    const char* nome;
    std::vector<Passo> passi;  // after a spacing changed with its undo step
    bool domanda;              // "Vuoi salvare prima di uscire?" is asked
};

void PrintTo(const CasoDopoSalva& c, std::ostream* os) { *os << c.nome; }

class UscitaDopoSalva : public FinestraDiProva,
                        public ::testing::WithParamInterface<CasoDopoSalva> {};

TEST_P(UscitaDopoSalva, AsksOnlyWhenTheDesignIsNotTheSavedOne) {
    const CasoDopoSalva& caso = GetParam();
    Avvia();
    // The save writes the recent-file memory: into the test's folder.
    sessione.imp.CartellaUtente = cartella.Percorso().string();
    {
        Modifica m(sessione, *finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
        sessione.parete.PassoDir1Piu += 5.0f;
        m.Conferma();
    }
    const IdComandi& ids = finestra->Comandi()->Ids();
    for (const Passo passo : caso.passi) {
        switch (passo) {
            case Passo::Salva: Comando(ids.IdSalva); break;
            case Passo::Annulla: Comando(ids.IdAnnulla); break;
            case Passo::Ripeti: Comando(ids.IdRipeti); break;
        }
    }
    ASSERT_TRUE(copione.Visti.empty()) << copione.Visti.front().Testo;
    copione.Pulsanti = {QMessageBox::No};

    EXPECT_TRUE(finestra->close());

    const bool chiesto = !copione.Visti.empty() &&
                         copione.Visti.front().Testo == "Vuoi salvare prima di uscire?";
    EXPECT_EQ(chiesto, caso.domanda);
    EXPECT_EQ(copione.Visti.size(), caso.domanda ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, UscitaDopoSalva,
    ::testing::Values(
        CasoDopoSalva{.nome = "Salva", .passi = {Passo::Salva}, .domanda = false},
        CasoDopoSalva{.nome = "SalvaAnnulla", .passi = {Passo::Salva, Passo::Annulla},
                      .domanda = true},
        CasoDopoSalva{.nome = "SalvaAnnullaRipeti",
                      .passi = {Passo::Salva, Passo::Annulla, Passo::Ripeti}, .domanda = false},
        CasoDopoSalva{.nome = "AnnullaSalvaRipeti",
                      .passi = {Passo::Annulla, Passo::Salva, Passo::Ripeti}, .domanda = true},
        CasoDopoSalva{.nome = "AnnullaRipetiSenzaSalvare", .passi = {Passo::Annulla, Passo::Ripeti},
                      .domanda = true},
        CasoDopoSalva{.nome = "AnnullaAlloStatoAperto", .passi = {Passo::Annulla},
                      .domanda = false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
