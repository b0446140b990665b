#include "drawing/Primitive.h"

#include "model/Angoli.h"
#include "model/Impostazioni.h"

#include <cmath>
#include <string>

namespace {

// Estimated width of a text in characters: narrow letters and signs count
// less, wide ones more. Each test counts once, whatever the number of hits.
float CaratteriStimati(const std::string& testo) {
    const auto contiene = [&testo](const char* parte) {
        return testo.find(parte) != std::string::npos;
    };
    float n = static_cast<float>(NumeroCaratteri(testo));
    if (contiene(".")) n -= 0.8f;
    if (contiene(" ")) n -= 0.8f;
    if (contiene(",")) n -= 0.8f;
    if (contiene("tt")) n -= 1.0f;
    else if (contiene("t")) n -= 0.6f;
    if (contiene("ff")) n -= 1.0f;
    else if (contiene("f")) n -= 0.6f;
    if (contiene("/")) n -= 0.6f;
    if (contiene("m")) n += 0.4f;
    if (contiene(SegnoDiametro)) n += 0.5f;
    if (contiene("i")) n -= 0.6f;
    if (contiene("r")) n -= 0.6f;
    return n;
}

int PixelInteri(float valore) { return static_cast<int>(std::nearbyint(valore)); }

void TestoSuSchermo(float x, float y, const std::string& testo, float altezza, int layer,
                    int allineaH, int allineaV, float angolo, float seno, float coseno,
                    const Bersaglio& b) {
    const Vista& v = *b.VistaSchermo;
    const float h = v.Scala * altezza * 0.9f;
    const float w = 0.38f * h;
    if (w <= 1.0f) return;  // too small to read at this zoom
    float X = XSchermo(v, x);
    float dY = 0.0f;
    if (allineaH != 0) {
        const float lunghezza = (1.38f * v.Scala + w) * CaratteriStimati(testo);
        const float quota = allineaH == 1 ? 0.5f : 1.0f;
        X -= coseno * lunghezza * quota;
        dY = seno * lunghezza * quota;
    }
    const float Y0 = YSchermo(v, y) + dY;
    float Y = Y0;  // top: the text hangs from the anchor
    if (allineaV == 0) {
        X -= 1.05f * h * seno;
        Y = Y0 - coseno * h;
    } else if (allineaV == 1) {
        X -= 0.55f * h * seno;
        Y = Y0 - 0.5f * coseno * h;
    }
    b.Tela->ImpostaColorePrimoPiano(b.Imp->ColoriSchermo[layer]);
    TestoVideo(*b.Tela, PixelInteri(X), PixelInteri(Y), h, w, PixelInteri(angolo), testo);
}

void TestoInDxf(float x, float y, const std::string& testo, float altezza, int layer,
                int allineaH, int allineaV, float angolo, float seno, float coseno,
                const Bersaglio& b) {
    float X = DxfX(x, *b.Dxf, *b.Imp);
    float Y = DxfY(y, *b.Dxf, *b.Imp);
    if (allineaV == 2) {
        // A hanging text keeps 2 cm from its anchor across the text direction.
        X += 2.0f * b.Imp->ScalaDxf * seno;
        Y -= 2.0f * b.Imp->ScalaDxf * coseno;
    }
    b.Flusso->DxfTesto(b.Imp->NomiLayer[layer], TestoConDiametro(testo), X, Y, altezza, angolo,
                       allineaH, allineaV + 1);
}

}  // namespace

float AltezzaTesto(int tipo, const Bersaglio& b) {
    float misura = 0.0f;
    switch (tipo) {
        case 0: misura = 20.0f; break;
        case 1: misura = 25.0f; break;
        case 2: misura = 42.0f; break;
        case 3: misura = 22.0f; break;
        default: break;
    }
    return b.Schermo() ? misura : misura * b.Imp->ScalaTestiDxf;
}

void ScriviTesto(float x, float y, const std::string& testo, int tipo, int layer, int allineaH,
                 int allineaV, float angolo, const Bersaglio& b) {
    if (b.Misura() || !LayerValido(layer)) return;
    const float altezza = AltezzaTesto(tipo, b);
    const float a = GradiRad(angolo);
    const float seno = std::sin(a);
    const float coseno = std::cos(a);
    if (b.Schermo())
        TestoSuSchermo(x, y, testo, altezza, layer, allineaH, allineaV, angolo, seno, coseno, b);
    else
        TestoInDxf(x, y, testo, altezza, layer, allineaH, allineaV, angolo, seno, coseno, b);
}

void TestoVideo(TelaSchermo& tela, int x, int y, float altezza, float larghezza, int angolo,
                const std::string& testo) {
    tela.Testo(x, y, PixelInteri(altezza), PixelInteri(larghezza), angolo, testo);
}
