#pragma once

#include <string>
#include <vector>

class InterfacciaFinestra;
struct Sessione;
struct SolaioParete;

// What the slab/wall dialog shows and how it takes an edit; the Qt dialog
// only lays the items out. Modo 9000 and above edits a transverse wall
// (ParetiTrasversali), below a slab (Solai); the record is SolaioCorrente,
// stored at IndiceCorrente.

[[nodiscard]] bool DialogoParete(int modo);

// Item ids of the grid.
namespace VoceSolaio {
enum : int { Coordinata = 1, Spessore1 = 2, Spessore2 = 3, LatoMeno = 4, LatoPiu = 5,
             Rientro1 = 11, Rientro2 = 12 };
}

struct VoceGrigliaSolaio {
    int Id = 0;
    std::string Didascalia;
    std::string Valore;     // a number as plain text, or "1"/"0" for a check box
    bool Booleano = false;

    bool operator==(const VoceGrigliaSolaio&) const = default;
};

// "Solaio" or "Parete", the category and the seven items in display order.
[[nodiscard]] std::string TitoloFormSolai(int modo);
[[nodiscard]] std::string CategoriaFormSolai(int modo);
[[nodiscard]] std::vector<VoceGrigliaSolaio> VociFormSolai(const SolaioParete& s, int modo);

// Validates the typed text of a number item: an accepted value is stored in
// SolaioCorrente as the reinforcement file keeps it; a refused one (out of
// range, negative, no number at all, or a band whose faces would leave the
// coordinate range) puts the item's current value back into testo. True
// when accepted.
bool ValidaVoceSolaio(Sessione& sessione, int id, std::string& testo);
// A check box changed.
void CambioVoceSolaio(Sessione& sessione, int id, bool spuntata);

// "Ok": takes the undo step; refuses a band that lies nowhere inside the wall
// ("Dimensioni non corrette.", the undo step stays); otherwise puts the band
// into the perimeters (taking back the old one of a moved band; the vertices
// it moves as the file keeps them), stores the record, sorts its list and
// runs the geometry and reinforcement tails.
// True when stored.
bool ConfermaFormSolai(Sessione& sessione, InterfacciaFinestra& finestra);
