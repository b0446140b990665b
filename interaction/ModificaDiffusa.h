#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class InterfacciaFinestra;
struct Parete;
struct Sessione;

// One item of the "Armatura diffusa" grid: its fixed id (1-8), its caption
// and its value as the grid shows it (diameters as plain numbers, spacings
// with one decimal).
struct VoceDiffusa {
    int Id = 0;
    std::string Didascalia;
    std::string Valore;

    bool operator==(const VoceDiffusa&) const = default;
};

// The items of the grid in id order: 1-8 for a two-face wall, 5-8 with the
// shorter captions for a single-mesh wall.
[[nodiscard]] std::vector<VoceDiffusa> VociDiffusa(const Parete& parete);

enum class EsitoModificaDiffusa { Rifiutata, Accettata };

// The check of an edit of item id typed as testo. A value below 2, a
// diameter above the 16-bit range or a spacing above the length range (or
// one the file would keep below 2) is refused silently: testo becomes
// testoCorrente, the item's value in force. An accepted value warns when it
// differs from the model's, is stored as the reinforcement file keeps it (a
// diameter to the nearest whole mm, halves to even; a spacing to its
// decimals), fits the view (adattaVista) and runs the reinforcement tail
// without an undo step. An id outside 1-8 changes nothing.
EsitoModificaDiffusa ValidaModificaDiffusa(Sessione& sessione, InterfacciaFinestra& finestra,
                                           int id, std::string& testo,
                                           std::string_view testoCorrente,
                                           const std::function<void()>& adattaVista);

// The warning that a hand edit of the distributed layers is not carried into
// the checks and the report.
void AvvisoModificaDiffusa(InterfacciaFinestra& finestra);
