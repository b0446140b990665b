#include "LottoComputo.h"

#include "design/LeggiParete.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

namespace {

// Adds the positions of a wall of the batch to the wall read.
using Posizioni = void (*)(Parete&);

// The wall file copied into the folder, read, given the positions and its
// reinforcement file written beside it.
std::string ConPosizioni(const CartellaTemporanea& cartella, const std::string& fixture,
                         const std::string& nome, Posizioni aggiungi) {
    const std::string file = cartella.Scrivi(nome + ".SET", Contenuto(PercorsoFixture(fixture)));
    Sessione s;
    FinestraRegistrata finestra;
    const Esito letta = LeggiParete(s, file, finestra);
    EXPECT_TRUE(letta.Riuscito()) << letta.Motivo;
    aggiungi(s.parete);
    const Esito scritta = ScriviArmature(s.parete, (cartella.Percorso() / (nome + ".ARS")).string());
    EXPECT_TRUE(scritta.Riuscito()) << scritta.Motivo;
    return file;
}

void ZoneECordolo(Parete& p) {
    AggiungiZona(p, {{50, 50}, {50, 250}, {250, 250}, {250, 50}}, IntegrativaPiu, 0, 12, 20.0f, {60, 50},
                 {60, 250}, {60, 20});
    AggiungiZona(p, {{250, 50}, {250, 250}, {450, 250}, {450, 50}}, IntegrativaMeno, 1, 16, 25.0f,
                 {250, 60}, {450, 60}, {470, 60});
    const int c = AggiungiCordolo(p, {{0, 0}, {0, 30}, {500, 30}, {500, 0}}, 0.0f, 20.0f, {250, 30},
                                  {250, 0}, {250, -30});
    p.Posizioni[c].NumBracci = 2;
    p.Posizioni[c].DiamCorrenti = 16;
    p.Posizioni[c].Larghezza = 30.0f;
}

void ZonaLatoMeno(Parete& p) {
    AggiungiZona(p, {{50, 50}, {50, 250}, {250, 250}, {250, 50}}, IntegrativaMeno, 0, 12, 20.0f, {60, 50},
                 {60, 250}, {60, 20});
}

}  // namespace

std::vector<std::string> LottoComputo(const CartellaTemporanea& cartella) {
    const std::string dueLati = ConPosizioni(cartella, "PARETE_ASSI.SET", "DUE_LATI", ZoneECordolo);
    const std::string rifiutata =
        cartella.Scrivi("RIFIUTATA.SET", Contenuto(PercorsoFixture("NON_PARETE_VERSIONE_2.SET")));
    const std::string magliaUnica = ConPosizioni(cartella, "MAGLIA_UNICA.SET", "MAGLIA", ZonaLatoMeno);
    return {dueLati, rifiutata, magliaUnica};
}
