#include "drawing/LayerPassata.h"

#include "model/Impostazioni.h"

MascheraLayer MascheraPassata(const Impostazioni& imp, Passata passata) {
    return passata == Passata::Schermo ? imp.LayerVisibili : imp.LayerDxf;
}
