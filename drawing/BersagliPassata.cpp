#include "drawing/BersagliPassata.h"

#include "model/Layer.h"

MascheraLayer MascheraSagome(MascheraLayer maschera) {
    maschera[Layer::PerimPareti] = 1;
    return maschera;
}
