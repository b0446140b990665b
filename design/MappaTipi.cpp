#include "design/MappaTipi.h"

#include "design/AccessoriStrato.h"

std::optional<TipoMappaColori> DescriviTipoMappa(int tipoMappa) {
    struct Gruppo {
        int Primo;
        GrandezzaMappa Grandezza;
        const char* Titolo;
    };
    static constexpr Gruppo gruppi[] = {
        {0, GrandezzaMappa::AreaRichiesta, "Area richiesta [cmq/m]"},
        {5, GrandezzaMappa::Carenza, "Carenza di armatura [cmq/m]"},
        {10, GrandezzaMappa::Eccedenza, "Eccedenza di armatura [cmq/m]"},
    };
    for (const Gruppo& g : gruppi) {
        const int k = tipoMappa - g.Primo;
        if (k >= 0 && k < 4) return TipoMappaColori{g.Grandezza, k, k / 2, k % 2, g.Titolo};
    }
    return std::nullopt;
}

float ValoreNodoMappa(const Parete& parete, const TipoMappaColori& tipo, int i) {
    switch (tipo.Grandezza) {
        case GrandezzaMappa::AreaRichiesta: return AreaRichiestaNodo(parete, tipo.Strato, i);
        case GrandezzaMappa::Carenza: {
            const float m = CarenzaNodo(parete, tipo.Strato, i);
            return m < 0.0f ? 0.0f : m;
        }
        case GrandezzaMappa::Eccedenza: {
            const float m = CarenzaNodo(parete, tipo.Strato, i);
            return m > 0.0f ? 0.0f : 0.0f - m;  // never -0
        }
    }
    return 0.0f;
}
