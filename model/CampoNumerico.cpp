#include "model/CampoNumerico.h"

#include "model/InteroGriglia.h"
#include "model/Numeri.h"

#include <cmath>

namespace {

// No file keeps an infinite value, whatever the field's own limits.
bool NeiLimiti(const CampoNumerico& campo, float x) {
    return std::isfinite(x) && x >= campo.Minimo && x <= campo.Massimo;
}

}  // namespace

std::optional<float> ValoreCampo(const CampoNumerico& campo, float digitato) {
    if (!NeiLimiti(campo, digitato)) return std::nullopt;
    float scritto = 0.0f;
    if (campo.Intero) {
        const std::optional<int> intero = Intero16Bit(digitato);
        if (!intero) return std::nullopt;
        scritto = static_cast<float>(*intero);
    } else if (campo.Decimali == SenzaFile) {
        scritto = digitato;
    } else {
        scritto = ValoreScritto(digitato, campo.Decimali);
    }
    if (!NeiLimiti(campo, scritto)) return std::nullopt;
    return scritto;
}

std::string MessaggioFuoriCampo() {
    return "Le coordinate devono restare entro " + FormatoDec(CoordinataMassima, 0) +
           " cm dall'origine della parete.\nOperazione annullata.";
}
