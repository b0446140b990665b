// "Genera file DXF" offers to save the open wall only when its design is not
// the one its files hold, as the undo history tells: not right after the
// open, nor after a save, nor after an undo back to the saved design.

#include "FinestraDiProva.h"

#include "design/Modifica.h"
#include "ui/IdComandi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* DomandaSalva =
    "Vuoi salvare il file prima di procedere?\n"
    "Solo salvando il file, le modifiche apportate all'armatura verranno riportate nel DXF";

enum class Passo { Modifica, Salva, Annulla, Ripeti };

struct CasoDxf {
    const char* nome;
    std::vector<Passo> passi;  // after the open, before "Genera file DXF"
    bool domanda;              // the save question is asked
};

void PrintTo(const CasoDxf& c, std::ostream* os) { *os << c.nome; }

class DxfSalvaPrima : public FinestraDiProva, public ::testing::WithParamInterface<CasoDxf> {
protected:
    // A change of the distributed spacing with its undo step, as the grid makes it.
    void CambiaPasso() {
        Modifica m(sessione, *finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
        sessione.parete.PassoDir1Piu += 5.0f;
        m.Conferma();
        QCoreApplication::processEvents();
    }
};

TEST_P(DxfSalvaPrima, AsksOnlyWithUnsavedChanges) {
    const CasoDxf& caso = GetParam();
    Avvia();
    // The save writes the recent-file memory: into the test's folder.
    sessione.imp.CartellaUtente = cartella.Percorso().string();
    const IdComandi& ids = finestra->Comandi()->Ids();
    for (const Passo passo : caso.passi) {
        switch (passo) {
            case Passo::Modifica: CambiaPasso(); break;
            case Passo::Salva: Comando(ids.IdSalva); break;
            case Passo::Annulla: Comando(ids.IdAnnulla); break;
            case Passo::Ripeti: Comando(ids.IdRipeti); break;
        }
    }
    ASSERT_TRUE(copione.Visti.empty()) << copione.Visti.front().Testo;
    copione.Pulsanti = {QMessageBox::No};

    Comando(IdFisso::GeneraDxf);

    const auto domande = std::count_if(copione.Visti.begin(), copione.Visti.end(),
                                       [](const DialogoVisto& v) { return v.Testo == DomandaSalva; });
    EXPECT_EQ(domande, caso.domanda ? 1 : 0);
    // The export dialog opens either way, after the question when there is one.
    ASSERT_FALSE(copione.Visti.empty());
    EXPECT_EQ(copione.Visti.back().Titolo, "Disegno DXF");
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, DxfSalvaPrima,
    ::testing::Values(
        CasoDxf{.nome = "AppenaAperta", .passi = {}, .domanda = false},
        CasoDxf{.nome = "DopoUnaModifica", .passi = {Passo::Modifica}, .domanda = true},
        CasoDxf{.nome = "DopoIlSalvataggio", .passi = {Passo::Modifica, Passo::Salva},
                .domanda = false},
        CasoDxf{.nome = "ModificaDopoIlSalvataggio",
                .passi = {Passo::Modifica, Passo::Salva, Passo::Modifica}, .domanda = true},
        CasoDxf{.nome = "AnnullataFinoAlSalvataggio",
                .passi = {Passo::Modifica, Passo::Salva, Passo::Modifica, Passo::Annulla},
                .domanda = false},
        CasoDxf{.nome = "AnnullataFinoAllApertura", .passi = {Passo::Modifica, Passo::Annulla},
                .domanda = false},
        CasoDxf{.nome = "AnnullataOltreIlSalvataggio",
                .passi = {Passo::Modifica, Passo::Salva, Passo::Annulla}, .domanda = true},
        CasoDxf{.nome = "RipetutaDopoAnnulla",
                .passi = {Passo::Modifica, Passo::Annulla, Passo::Ripeti}, .domanda = true}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
