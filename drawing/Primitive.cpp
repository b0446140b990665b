#include "drawing/Primitive.h"

#include "drawing/Palette.h"
#include "model/Angoli.h"
#include "model/Impostazioni.h"

#include <cmath>
#include <optional>
#include <string>

std::string TestoConDiametro(const std::string& testo) {
    constexpr std::string_view Diametro = "\xC3\x98";  // "Ø"
    const std::string_view segno = SegnoDiametro;
    std::string risultato;
    risultato.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        if (testo.compare(i, segno.size(), segno) == 0) {
            risultato += Diametro;
            i += segno.size();
        } else {
            risultato += testo[i++];
        }
    }
    return risultato;
}

int NumeroCaratteri(const std::string& testo) {
    int n = 0;
    for (unsigned char c : testo)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

bool LayerValido(int layer) { return layer >= 0 && layer < NumLayer; }

namespace {

// Screen colour of a highlight pseudo-layer; none for any other layer.
std::optional<int> ColoreEvidenziazione(int layer) {
    if (layer == LayerEvidenziaCiano) return ColoreBase(11);
    if (layer == LayerEvidenziaGiallo) return ColoreBase(14);
    return std::nullopt;
}

}  // namespace

void DisLinea(float x1, float y1, float x2, float y2, int layer, int stile, const Bersaglio& b) {
    if (const auto colore = ColoreEvidenziazione(layer))
        b.Evidenziazione(x1, y1, x2, y2, *colore);
    else if (b.LayerAttivo(layer))
        b.Linea(x1, y1, x2, y2, layer, stile);
}

void DisCerchio(float xc, float yc, float r, int layer, int stile, const Bersaglio& b) {
    if (b.LayerAttivo(layer)) b.Cerchio(xc, yc, r, layer, stile);
}

void DisMirino(float x, float y, float r, const Bersaglio& b) {
    DisLinea(x - 2.0f, y, x + 2.0f, y, Layer::Quote, Stile::Pieno, b);
    DisLinea(x, y - 2.0f, x, y + 2.0f, Layer::Quote, Stile::Pieno, b);
    DisCerchio(x, y, r, Layer::ArmDiffusa1, Stile::Pieno, b);
}

float AngoloRad(float x1, float y1, float x2, float y2) {
    float a = MezzoPiGrecoFloat;
    if (std::fabs(x2 - x1) > 0.001f) a = static_cast<float>(std::atan((y2 - y1) / (x2 - x1)));
    // Texts steeper than about 60 degrees downwards are turned to read upwards.
    if (a < -1.04f) a = static_cast<float>(a + PiGrecoTesti);
    return a;
}

float AngoloGradi(float x1, float y1, float x2, float y2) {
    return RadGradi(AngoloRad(x1, y1, x2, y2));
}

void AngoloSinCos(float x1, float y1, float x2, float y2, float& gradi, float& seno,
                  float& coseno) {
    const float a = AngoloRad(x1, y1, x2, y2);
    gradi = RadGradi(a);
    seno = std::sin(a);
    coseno = std::cos(a);
}

float AngoloOpposto(float a) {
    float opposto = a + 180.0f;
    if (opposto >= 360.0f) opposto -= 360.0f;
    return opposto;
}

float DxfX(float x, const StatoDxf& stato, const Impostazioni& imp) {
    return (x + stato.OffsetXDxf) * imp.ScalaDxf;
}

float DxfY(float y, const StatoDxf& stato, const Impostazioni& imp) {
    return (y + stato.OffsetYDxf) * imp.ScalaDxf;
}
