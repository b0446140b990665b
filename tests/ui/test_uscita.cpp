#include "ProvaQt.h"

#include "design/CaricaProgetto.h"
#include "design/Modifica.h"
#include "model/Sessione.h"
#include "ui/FinestraPrincipale.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace {

// The snapshots in the history's own folder; none once it is deleted.
int IstantaneeIn(const fs::path& cartella) {
    int n = 0;
    std::error_code errore;
    for (fs::directory_iterator voce(cartella, errore), fine; !errore && voce != fine;
         voce.increment(errore))
        if (voce->path().filename().string().starts_with("QUVEL")) ++n;
    return n;
}

struct CasoUscita {
    const char* nome;
    bool apri = true;             // the sample wall is open
    bool modifica = false;        // a spacing was changed and not saved
    bool senzaFile = false;       // its wall file vanished before the exit
    bool senzaNome = false;       // the wall has no file name (Save As)
    bool altroNome = false;       // Save As chooses ALTRA.SET in another folder
    bool armatureBloccate = false;  // a folder stands where the reinforcement file goes
    std::deque<QMessageBox::StandardButton> pulsanti{};
    bool chiusa = true;
    bool domanda = false;         // "Vuoi salvare prima di uscire?" was asked
    bool salvata = false;         // the wall file holds the change
};

// A failing row names itself in the test output.
void PrintTo(const CasoUscita& c, std::ostream* os) { *os << c.nome; }

class Uscita : public ::testing::TestWithParam<CasoUscita> {};

TEST_P(Uscita, AsksOnlyForUnsavedChangesAndStaysOpenWhenTheSaveFails) {
    const CasoUscita& caso = GetParam();
    ApplicazioneDiProva();
    CartellaTemporanea cartella;
    const std::string file = (cartella.Percorso() / "PARETE.SET").string();
    fs::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
    if (caso.armatureBloccate) fs::create_directory(cartella.Percorso() / "PARETE.ARS");

    Sessione sessione;
    // The exit writes the recent-file memory: into the test's folder, not the
    // folder the tests run in.
    sessione.imp.CartellaUtente = cartella.Percorso().string();
    sessione.imp.CartellaTemporanea = (cartella.Percorso() / "annulla").string();
    FinestraPrincipale finestra(sessione);
    CopioneDialoghi copione;
    finestra.Dialoghi().ImpostaCopione(std::ref(copione));
    if (caso.apri) {
        ASSERT_TRUE(CaricaProgetto(sessione, file, finestra.VistaTela(), finestra).Riuscito());
    }
    ASSERT_FALSE(sessione.storia.Modificata);
    if (caso.modifica) {
        Modifica m(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
        sessione.parete.PassoDir1Piu += 5.0f;
        m.Conferma();
    }
    if (caso.senzaFile) fs::remove(file);
    if (caso.senzaNome) sessione.parete.FileCorrente.clear();
    const std::string prima = caso.senzaFile ? "" : Contenuto(file);
    const fs::path istantanee = sessione.storia.CartellaIstantanee;
    CartellaTemporanea altrove;
    const std::string altra = (altrove.Percorso() / "ALTRA.SET").string();
    if (caso.altroNome) copione.File.push_back(altra);
    copione.Pulsanti = caso.pulsanti;
    copione.Visti.clear();

    EXPECT_EQ(finestra.close(), caso.chiusa);
    EXPECT_EQ(fs::exists(altra), caso.altroNome && caso.chiusa);

    const bool chiesto = !copione.Visti.empty() &&
                         copione.Visti.front().Testo == "Vuoi salvare prima di uscire?" &&
                         copione.Visti.front().Titolo == "Uscita dal programma";
    EXPECT_EQ(chiesto, caso.domanda);
    if (!caso.domanda) {
        EXPECT_TRUE(copione.Visti.empty());
    }
    if (!caso.senzaFile) {
        EXPECT_EQ(Contenuto(file) != prima, caso.salvata);
    }
    // Closed: no snapshot is left behind. Open: the history is still there.
    EXPECT_EQ(IstantaneeIn(istantanee) == 0, caso.chiusa || !caso.modifica);
    EXPECT_EQ(sessione.storia.Modificata, caso.modifica && !caso.salvata && !caso.chiusa);
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, Uscita,
    ::testing::Values(
        CasoUscita{.nome = "NessunaParete", .apri = false},
        CasoUscita{.nome = "Invariata"},
        CasoUscita{.nome = "No", .modifica = true, .pulsanti = {QMessageBox::No}, .domanda = true},
        CasoUscita{.nome = "Si", .modifica = true, .pulsanti = {QMessageBox::Yes},
                   .domanda = true, .salvata = true},
        CasoUscita{.nome = "SiSalvataggioFallito", .modifica = true, .armatureBloccate = true,
                   .pulsanti = {QMessageBox::Yes, QMessageBox::Ok}, .chiusa = false,
                   .domanda = true},
        // The wall file is gone: Save As is offered in its place.
        CasoUscita{.nome = "SiFileSparitoNoAlNuovoNome", .modifica = true, .senzaFile = true,
                   .pulsanti = {QMessageBox::Yes, QMessageBox::No}, .chiusa = false,
                   .domanda = true},
        CasoUscita{.nome = "SiFileSparitoSalvatoConAltroNome", .modifica = true,
                   .senzaFile = true, .altroNome = true,
                   .pulsanti = {QMessageBox::Yes, QMessageBox::Yes}, .domanda = true},
        CasoUscita{.nome = "SiSalvaConNomeAnnullato", .modifica = true, .senzaNome = true,
                   .pulsanti = {QMessageBox::Yes}, .chiusa = false, .domanda = true}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
