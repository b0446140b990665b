#pragma once

#include "design/ArmaturaPosizioniTesti.h"

#include <string>
#include <vector>

class InterfacciaFinestra;
struct Impostazioni;
struct Parete;
struct Sessione;
struct StatoInterfaccia;
struct Vista;

// The zone dialog ("Armatura integrativa") without its window: the strip
// values it keeps while open, its grid items, their validation and what each
// button leaves in the edit buffer for the canvas.

// Grid item ids.
namespace VoceZona {
enum : int { Diametro = 1, Passo = 2, XCentro = 10, YCentro = 11, LungFerri = 12,
             LarghezzaTratto = 13, DuplicaOpposto = 14 };
}

inline constexpr const char* CategoriaZona = "Dati armatura";
inline constexpr const char* PromptModificaPerimetro =
    "Trascina i vertici o trasla la selezione, poi premi il pulsante destro del mouse o Enter "
    "per concludere la modifica.";

// Values of cm, kept while the dialog is open.
struct DatiFormZona {
    float Ancoraggio = 0.0f;  // one bar end, taken at opening only
    float LungFerri = 0.0f;   // anchorages included
    float LarghezzaTratto = 0.0f;
    float XCentro = 0.0f, YCentro = 0.0f;

    bool operator==(const DatiFormZona&) const = default;
};

struct VoceForm {
    int Id = 0;
    std::string Didascalia;
    bool Booleano = false;
    std::string Valore;  // a boolean's "1" or "0"

    bool operator==(const VoceForm&) const = default;
};

// The strip width snapped to the spacing: the multiple below, or the next one
// when the rest is above 40 % of the spacing. A spacing that rounds to 0 leaves
// the width as it is.
[[nodiscard]] float LarghezzaSuPasso(float larghezza, float passo);

// Opening: PosAccettata and DuplicaOpposto 0, ErroreOperazione -1 (every way
// out but "Ok" leaves it so); the strip values of a zone (none for Tipo 2 and up).
[[nodiscard]] DatiFormZona ApriFormZona(StatoInterfaccia& stato, const Impostazioni& imp);

// The bars of the zone as "Ok" will store it, rebuilt from the dialog's
// values, widened by the anchorages and clipped: how many and the shortest and
// longest, which the report shows and "Ok" checks. A zone the clipping
// refuses lays none.
[[nodiscard]] BarreZona BarreZonaDaMemorizzare(const DatiFormZona& dati, const Sessione& sessione);

// "Armatura uguale sull'altro opposto" is offered for a new zone of a
// two-face wall outside the face-copy mode.
[[nodiscard]] bool DuplicaOffertaZona(const Parete& parete, const StatoInterfaccia& stato);

[[nodiscard]] std::vector<VoceForm> VociFormZona(const DatiFormZona& dati, const Parete& parete,
                                                 const StatoInterfaccia& stato);

enum class EsitoVoceZona { Rifiutata, Accettata, DiametroCambiato };

// A typed value of item id: accepted, it changes the values; refused, testo
// becomes the item's current text. Besides the Part's limits, the centre lies
// within the coordinate range, the bar length and the strip width within the
// length range, and a diameter within the file's 16-bit field. A changed
// diameter also sets the grips (the caller redraws); the anchorage stays the
// one taken at opening.
EsitoVoceZona ValidaVoceZona(DatiFormZona& dati, StatoInterfaccia& stato, const Vista& vista, int id,
                             std::string& testo, const std::string& attuale);

// The grips of the zone in the buffer: screen corners 0 and 2 and their midpoint.
void ManiglieDaZona(StatoInterfaccia& stato, const Vista& vista);

// "Ricalcola passo": the spacing for the largest missing area (the width stays).
void RicalcolaPassoZona(StatoInterfaccia& stato, const Impostazioni& imp);

// "Ok": PosAccettata 1 (0 after the warning when fewer than two bars), Modo 0,
// ErroreOperazione 0; a zone rebuilt about its centre from its snapped width
// and its bar length, and clipped. A zone whose corners would leave the
// coordinate range is refused with a message (PosAccettata 0) and left as it
// was. No undo step here: the caller stores the zone as one change.
void OkFormZona(DatiFormZona& dati, Sessione& sessione, InterfacciaFinestra& finestra);

// "Annulla": Modo 0.
void AnnullaFormZona(StatoInterfaccia& stato);

// "Modifica perimetro": grips, Modo 200, NuovoElemento 1 (the caller shows
// PromptModificaPerimetro).
void ModificaPerimetroZona(StatoInterfaccia& stato, const Vista& vista);
