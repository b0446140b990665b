#include "drawing/LegendaTesti.h"

#include "model/Numeri.h"

#include <cmath>

namespace {

constexpr int CifreSignificative = 7;

std::string ConSpazio(std::string testo, bool negativo) {
    return negativo ? testo : " " + testo;
}

}  // namespace

std::string NumeroConSpazio(int n) { return ConSpazio(std::to_string(n), n < 0); }

std::string NumeroConSpazio(float x) {
    int cifreIntere = 0;
    if (std::isfinite(x) && std::fabs(x) >= 1.0f)
        cifreIntere = static_cast<int>(std::floor(std::log10(std::fabs(x)))) + 1;
    const int decimali = cifreIntere < CifreSignificative ? CifreSignificative - cifreIntere : 0;
    const std::string testo = ArrotondaStr(x, decimali);
    return ConSpazio(testo, testo.starts_with('-'));
}

std::string TestoDiametroPasso(const std::string& segnoDiametro, int diametro, float passo) {
    return "1" + segnoDiametro + NumeroConSpazio(diametro) + "/" + NumeroConSpazio(passo);
}

std::string TestoAreaStrato(int diametro, float passo) {
    return FormatoDec(AreaAlMetro(diametro, passo), 1) + " cmq/m";
}
