#include "interaction/PuntoAmmesso.h"

#include "drawing/Vista.h"
#include "model/LimitiValori.h"

bool PuntoTelaAmmesso(const Vista& vista, float x, float y) {
    return PuntoAmmesso({XModello(vista, x), YModello(vista, y)});
}
