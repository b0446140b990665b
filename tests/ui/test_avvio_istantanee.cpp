// At start the program deletes the undo snapshots that a killed or crashed
// run left behind, and leaves those of the programs still running.

#include "FinestraDiProva.h"

#include "model/CartelleIstantanee.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class AvvioIstantanee : public FinestraDiProva {};

TEST_F(AvvioIstantanee, LeCopieDiUnaCorsaFinitaSpariscono) {
    const fs::path radice = cartella.Percorso() / "annulla";
    // An earlier run of this process id (another start time), killed.
    const fs::path lasciata = radice / NomeCartellaIstantanee(getpid(), 1, 7);
    fs::create_directories(lasciata);
    // Another program running now, with one undo step.
    Sessione altro;
    static_cast<Parete&>(altro.parete) = PareteRettangolare(400.0f, 300.0f);
    altro.parete.CartellaLavoro = cartella.Percorso().string();
    altro.imp.CartellaTemporanea = radice.string();
    FinestraRegistrata finestraAltro;
    MemorizzaModifica(altro, finestraAltro);
    ASSERT_FALSE(altro.storia.CartellaIstantanee.empty());

    sessione.imp.CartellaTemporanea = radice.string();
    Avvia(false);

    EXPECT_FALSE(fs::exists(lasciata));
    EXPECT_TRUE(fs::exists(fs::path(altro.storia.CartellaIstantanee) / "QUVEL0.TMP"));
    SvuotaAnnulla(altro.storia);
}

}  // namespace
