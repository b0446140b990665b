#pragma once

#include <optional>
#include <string>

struct Parete;

// The quantity a colour map shows at the nodes.
enum class GrandezzaMappa {
    AreaRichiesta,  // required area, over the range ScalaMin-ScalaMax
    Carenza,        // missing area, negative taken as 0, over its own range
    Eccedenza,      // excess area, 0 where area is missing, over ScalaMin-ScalaMax
};

// One map type: the quantity, the layer k (0-3) with its direction and face,
// and the title of the legend.
struct TipoMappaColori {
    GrandezzaMappa Grandezza = GrandezzaMappa::AreaRichiesta;
    int Strato = 0;
    int Direzione = 0;  // 0 direction 1, 1 direction 2
    int Lato = 0;       // 0 "lato +", 1 "lato -"
    std::string Titolo;

    bool operator==(const TipoMappaColori&) const = default;
};

// The map of TipoMappa 0-3 (required area), 5-8 (missing area) or 10-13
// (excess); no map for any other value.
[[nodiscard]] std::optional<TipoMappaColori> DescriviTipoMappa(int tipoMappa);

// The value the map shows at node i, cm2/m.
[[nodiscard]] float ValoreNodoMappa(const Parete& parete, const TipoMappaColori& tipo, int i);
