#pragma once

#include "interaction/FormZonaDati.h"
#include "model/BandaCordolo.h"

#include <string>
#include <vector>

class InterfacciaFinestra;
struct Parete;
struct PosizioneArm;
struct Sessione;
struct StatoInterfaccia;

// The ring-beam dialog ("Cordolo perimetrale") without its window.

namespace VoceCordolo {
enum : int { Diametro = 1, Passo = 2, NumBracci = 3, Copriferro = 4, DiamCorrenti = 5, Larghezza = 6 };
}

inline constexpr const char* CategoriaCordolo = "Dati cordolo";

// Opening: the caller's own storing off (PosAccettata 0, ErroreOperazione
// -1) on every way out, DuplicaOpposto 0, a stored leg count below 2 becomes
// 2, then the band (CalcParalle).
void ApriFormCordolo(StatoInterfaccia& stato, const Parete& parete);

// The search band Vertici with its box, the ring-beam polygon
// PoligonoCorrente (5 points), Angolo and AreaRichiestaMax from the side.
// False, computing nothing, when the side is gone.
bool CalcParalle(StatoInterfaccia& stato, const Parete& parete);

[[nodiscard]] std::vector<VoceForm> VociFormCordolo(const PosizioneArm& pos);

// A typed value of item id (not the leg list), stored as the reinforcement
// file keeps it. One outside the item's limits (the width 10 to 1000 cm, the
// cover 2 to 100 cm) is refused: testo becomes the item's current text. True
// when accepted.
bool ValidaVoceCordolo(PosizioneArm& pos, int id, std::string& testo, const std::string& attuale);

// The leg list's choice.
void CambiaBracciCordolo(PosizioneArm& pos, int bracci);

// "Ok": one change (undo step, reinforcement tail) storing the ring beam with
// its band rebuilt; when the side is gone "Il lato del cordolo non esiste
// più." and nothing is stored, and so with a message when the band would
// leave the coordinate range. With nothing changed that shapes the band,
// a ring beam whose side is gone or whose rebuilt band is its stored one
// keeps its stored band exactly (and with nothing changed at all, nothing is
// stored). On every way out the caller's own storing is
// off (PosAccettata 0, ErroreOperazione -1): the dialog stored it already.
bool OkFormCordolo(Sessione& sessione, InterfacciaFinestra& finestra);

// "Annulla" and the close box: nothing stored.
void AnnullaFormCordolo(StatoInterfaccia& stato);
