#pragma once

#include "design/Modifica.h"

#include <string>
#include <string_view>
#include <vector>

class InterfacciaFinestra;
struct Sessione;

// The property grid of the settings dialog: categories of items with fixed
// ids. Text items show the value as the grid shows it (a plain number, or
// one decimal); boolean items "1" or "0".
enum class TipoVoceImpostazione { Testo, Booleano };

struct VoceImpostazione {
    int Id = 0;
    std::string Didascalia;
    TipoVoceImpostazione Tipo = TipoVoceImpostazione::Testo;
    std::string Valore;

    bool operator==(const VoceImpostazione&) const = default;
};

struct CategoriaImpostazioni {
    std::string Titolo;
    std::vector<VoceImpostazione> Voci;

    bool operator==(const CategoriaImpostazioni&) const = default;
};

// Five categories; on a single-mesh wall "Armatura a maglia unica" with the
// end bends (item 95) comes before "Note".
[[nodiscard]] std::vector<CategoriaImpostazioni> CategorieImpostazioni(const Sessione& sessione);

enum class EsitoVoceImpostazione { Rifiutata, Accettata };

// An edit of text item id typed as testo. A value outside the item's limits
// (a length within the length range), or a whole number beyond its 16-bit
// field, is refused silently: testo becomes testoCorrente. An accepted value
// is stored at once as the settings file keeps it (whole numbers halves to
// even). Ids that are not text items change nothing.
EsitoVoceImpostazione ValidaImpostazione(Sessione& sessione, int id, std::string& testo,
                                         std::string_view testoCorrente);

// A boolean item changed. Items 35 and 36 are settings; item 95, the end
// bends, is the open wall's design and changes through one change with its
// undo step and the reinforcement tail.
void ImpostaOpzione(Sessione& sessione, InterfacciaFinestra& finestra, int id, bool vero,
                    const Ricalcolo& ricalcolo = RicalcoloStandard());
