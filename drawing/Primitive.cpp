#include "drawing/Primitive.h"

#include "drawing/Palette.h"
#include "model/Angoli.h"
#include "model/Impostazioni.h"

#include <cmath>
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

void DisLinea(float x1, float y1, float x2, float y2, int layer, int stile, const Bersaglio& b) {
    if (b.Schermo()) {
        int colore = 0;
        if (layer == LayerEvidenziaCiano) {
            colore = ColoreBase(11);
        } else if (layer == LayerEvidenziaGiallo) {
            colore = ColoreBase(14);
        } else if (LayerValido(layer)) {
            colore = b.Imp->ColoriSchermo[layer];
            if (stile == 1 || stile == 3) b.Tela->ImpostaStileTratto(StileTratto::Punteggiato);
        } else {
            return;
        }
        const Vista& v = *b.VistaSchermo;
        b.Tela->Linea(XSchermo(v, x1), YSchermo(v, y1), XSchermo(v, x2), YSchermo(v, y2), colore);
        b.Tela->ImpostaStileTratto(StileTratto::Continuo);
    } else if (b.InDxf() && LayerValido(layer)) {
        b.Flusso->DxfLinea(DxfX(x1, *b.Dxf, *b.Imp), DxfY(y1, *b.Dxf, *b.Imp),
                           DxfX(x2, *b.Dxf, *b.Imp), DxfY(y2, *b.Dxf, *b.Imp),
                           b.Imp->NomiLayer[layer], stile);
    }
}

void DisCerchio(float xc, float yc, float r, int layer, int stile, const Bersaglio& b) {
    if (!LayerValido(layer)) return;
    if (b.Schermo()) {
        const Vista& v = *b.VistaSchermo;
        const bool punteggiato = stile == 1 || stile == 3;
        const int colore = stile >= 4 ? b.Imp->ColGiallo : b.Imp->ColoriSchermo[layer];
        if (punteggiato) b.Tela->ImpostaStileTratto(StileTratto::Punteggiato);
        b.Tela->Cerchio(XSchermo(v, xc), YSchermo(v, yc), r * v.Scala, colore);
        if (punteggiato) b.Tela->ImpostaStileTratto(StileTratto::Continuo);
    } else if (b.InDxf()) {
        b.Flusso->DxfCerchio(DxfX(xc, *b.Dxf, *b.Imp), DxfY(yc, *b.Dxf, *b.Imp),
                             r * b.Imp->ScalaDxf, b.Imp->NomiLayer[layer], stile);
    }
}

void DisMirino(float x, float y, float r, const Bersaglio& b) {
    constexpr int LayerQuote = 8;
    constexpr int LayerCerchio = 20;
    DisLinea(x - 2.0f, y, x + 2.0f, y, LayerQuote, 0, b);
    DisLinea(x, y - 2.0f, x, y + 2.0f, LayerQuote, 0, b);
    DisCerchio(x, y, r, LayerCerchio, 0, b);
}

float AngoloRad(float x1, float y1, float x2, float y2) {
    float a = 1.5707964f;
    if (std::fabs(x2 - x1) > 0.001f) a = static_cast<float>(std::atan((y2 - y1) / (x2 - x1)));
    // Texts steeper than about 60 degrees downwards are turned to read upwards.
    if (a < -1.04f) a = static_cast<float>(a + 3.14159265);
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

std::string Allinea6(int n) {
    std::string testo = std::to_string(n);
    if (testo.size() < 6) testo.insert(0, 6 - testo.size(), ' ');
    return testo;
}
