#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Impostazioni;

// The property grid of the automatic design's parameters: one category of
// items with fixed ids, text items showing a plain whole number and list
// items whose value is the number of the selected entry.
inline constexpr const char* CategoriaParametri = "Parametri di progettazione";

enum class TipoParametro { Testo, Lista };

struct SceltaParametro {
    std::string Testo;
    int Numero = 0;

    bool operator==(const SceltaParametro&) const = default;
};

struct VoceParametro {
    int Id = 0;
    std::string Didascalia;
    TipoParametro Tipo = TipoParametro::Testo;
    std::string Valore;
    std::vector<SceltaParametro> Scelte;

    bool operator==(const VoceParametro&) const = default;
};

// The items in the order shown: the "lato +" limits only on a wall with two
// faces (whose other limits carry " lato -"), the step item of the kind that
// ModoProgetto varies, the coverage last.
[[nodiscard]] std::vector<VoceParametro> VociParametri(const Impostazioni& imp, int magliaUnica);

// An edit of text item id typed as testo: diameters from 4, spacings from 2,
// coverage 1 to 100, each stored as a whole number (halves to even), as the
// settings file keeps it. Anything else, or a number beyond the 16-bit field,
// is refused silently (testo becomes testoCorrente). No cross-check between a minimum and its maximum.
// True when accepted.
bool ValidaParametro(Impostazioni& imp, int id, std::string& testo, std::string_view testoCorrente);

// A list item's selected entry changed: the design mode, or a step with the
// value the design uses. True when the grid must be rebuilt (the mode
// changed which step item shows).
bool CambiaParametro(Impostazioni& imp, int id, int scelta);
