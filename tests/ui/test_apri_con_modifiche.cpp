// Opening a wall, through "Apri" or a recent-file item, while the open one
// has unsaved changes: the question first, as at the exit.

#include "FinestraDiProva.h"

#include "design/Modifica.h"
#include "model/Recenti.h"
#include "ui/IdComandi.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace {

enum class Via {
    Apri,           // the open command, then the open dialog
    Recente,        // the recent item of another wall
    RecenteStessa,  // the recent item of the open wall itself
};

struct CasoApertura {
    const char* nome;
    Via via = Via::Apri;
    bool modifica = true;    // a spacing was changed and not saved
    bool senzaFile = false;  // the open wall's file vanished: its save fails
    bool senzaNome = false;  // no file names the open wall: Save As, cancelled
    std::deque<QMessageBox::StandardButton> pulsanti{};
    bool domanda = true;     // "Vuoi salvare le modifiche alla parete aperta?" was asked
    bool aperta = true;      // the chosen wall replaced the open one
    bool salvata = false;    // the open wall's file holds the change
};

void PrintTo(const CasoApertura& c, std::ostream* os) { *os << c.nome; }

class ApriConModifiche : public FinestraDiProva,
                         public ::testing::WithParamInterface<CasoApertura> {};

TEST_P(ApriConModifiche, AsksFirstAndGoesOnOnlyWhenNothingIsLost) {
    const CasoApertura& caso = GetParam();
    Avvia();
    const std::string altra = (cartella.Percorso() / "ALTRA.SET").string();
    fs::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), altra);
    const float passoFile = sessione.parete.PassoDir1Piu;

    int comando = IdFisso::PrimoRecente;
    std::string scelta = file;
    switch (caso.via) {
        case Via::Apri:
            comando = finestra->Comandi()->Ids().IdApri;
            if (caso.senzaNome) copione.File.push_back("");  // Save As cancelled
            copione.File.push_back(altra);
            scelta = altra;
            break;
        case Via::Recente:
            AggiornaRecenti(sessione.recenti, altra);
            scelta = altra;
            break;
        case Via::RecenteStessa: ASSERT_EQ(sessione.recenti.FileRecenti[0], file); break;
    }
    if (caso.modifica) {
        Modifica m(sessione, *finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
        sessione.parete.PassoDir1Piu = passoFile + 5.0f;
        m.Conferma();
    }
    if (caso.senzaFile) fs::remove(file);
    if (caso.senzaNome) sessione.parete.FileCorrente.clear();
    const std::string aperta = sessione.parete.FileCorrente;
    const std::string prima = caso.senzaFile ? "" : Contenuto(file);
    const int passi = sessione.storia.UltimoAnnulla;
    copione.Pulsanti = caso.pulsanti;
    copione.Visti.clear();

    Comando(comando);

    const bool chiesto = !copione.Visti.empty() &&
                         copione.Visti.front().Testo ==
                             "Vuoi salvare le modifiche alla parete aperta?";
    EXPECT_EQ(chiesto, caso.domanda);
    if (!caso.senzaFile) {
        EXPECT_EQ(Contenuto(file) != prima, caso.salvata);
    }
    if (caso.aperta) {
        EXPECT_EQ(sessione.parete.FileCorrente, scelta);
        EXPECT_FALSE(sessione.storia.Modificata);
        EXPECT_EQ(sessione.storia.UltimoAnnulla, 0);
        // The wall as its file holds it: the change only when it was saved there.
        const bool conModifica = caso.salvata && scelta == file;
        EXPECT_EQ(sessione.parete.PassoDir1Piu, conModifica ? passoFile + 5.0f : passoFile);
    } else {
        // Stopped: the wall, its changes and its undo history stay.
        EXPECT_EQ(sessione.parete.FileCorrente, aperta);
        EXPECT_TRUE(sessione.storia.Modificata);
        EXPECT_EQ(sessione.storia.UltimoAnnulla, passi);
        EXPECT_EQ(sessione.parete.PassoDir1Piu, passoFile + 5.0f);
        // Through "Apri" the open dialog never came.
        if (caso.via == Via::Apri && !caso.senzaNome && !caso.senzaFile) {
            EXPECT_EQ(copione.Visti.size(), 1u);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, ApriConModifiche,
    ::testing::Values(
        CasoApertura{.nome = "ApriSenzaModifiche", .modifica = false, .domanda = false},
        CasoApertura{.nome = "ApriSi", .pulsanti = {QMessageBox::Yes}, .salvata = true},
        CasoApertura{.nome = "ApriNo", .pulsanti = {QMessageBox::No}},
        CasoApertura{.nome = "ApriAnnulla", .pulsanti = {QMessageBox::Cancel}, .aperta = false},
        CasoApertura{.nome = "ApriSalvataggioFallito", .senzaFile = true,
                     .pulsanti = {QMessageBox::Yes, QMessageBox::Ok}, .aperta = false},
        CasoApertura{.nome = "ApriSalvaConNomeAnnullato", .senzaNome = true,
                     .pulsanti = {QMessageBox::Yes}, .aperta = false},
        CasoApertura{.nome = "RecenteSenzaModifiche", .via = Via::Recente, .modifica = false,
                     .domanda = false},
        CasoApertura{.nome = "RecenteSi", .via = Via::Recente, .pulsanti = {QMessageBox::Yes},
                     .salvata = true},
        CasoApertura{.nome = "RecenteNo", .via = Via::Recente, .pulsanti = {QMessageBox::No}},
        CasoApertura{.nome = "RecenteAnnulla", .via = Via::Recente,
                     .pulsanti = {QMessageBox::Cancel}, .aperta = false},
        CasoApertura{.nome = "RecenteSalvataggioFallito", .via = Via::Recente, .senzaFile = true,
                     .pulsanti = {QMessageBox::Yes, QMessageBox::Ok}, .aperta = false},
        CasoApertura{.nome = "RecenteStessaSi", .via = Via::RecenteStessa,
                     .pulsanti = {QMessageBox::Yes}, .salvata = true},
        CasoApertura{.nome = "RecenteStessaNo", .via = Via::RecenteStessa,
                     .pulsanti = {QMessageBox::No}},
        CasoApertura{.nome = "RecenteStessaAnnulla", .via = Via::RecenteStessa,
                     .pulsanti = {QMessageBox::Cancel}, .aperta = false}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
