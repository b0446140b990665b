#include "interaction/PuntoAmmesso.h"

#include "drawing/Vista.h"
#include "model/LimitiValori.h"

#include <algorithm>

bool PuntoAmmesso(Punto p) { return CoordinataAmmessa(p.X) && CoordinataAmmessa(p.Y); }

bool PuntiAmmessi(std::span<const Punto> punti) { return std::ranges::all_of(punti, PuntoAmmesso); }

bool PuntoTelaAmmesso(const Vista& vista, float x, float y) {
    return PuntoAmmesso({XModello(vista, x), YModello(vista, y)});
}
