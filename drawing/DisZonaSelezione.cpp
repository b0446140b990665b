#include "drawing/DisZonaSelezione.h"

#include "drawing/Palette.h"
#include "drawing/Primitive.h"
#include "drawing/Vista.h"
#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Sovrapposizione.h"
#include "model/StatoInterfaccia.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

constexpr int ColoreTesti = 15;      // white
constexpr int ColoreSovrapposta = 12;  // light red
// Side texts: character height and width in pixels.
constexpr float AltezzaLato = 18.0f;
constexpr float LarghezzaLato = AltezzaLato * 0.38f;
// Construction lines reach this far either way, pixels.
constexpr float Braccio = 100.0f;
// A drag whose side is shorter than this spans no area, pixels.
constexpr float LatoMinimo = 0.001f;

constexpr StratoTela Strato = StratoTela::Transitorio;

// A direction as the screen shows it: y runs downwards.
struct Versore {
    float X = 0.0f;
    float Y = 0.0f;
};

Versore SulloSchermo(double c, double s) {
    return {static_cast<float>(c), static_cast<float>(-s)};
}

// Meeting point of the line through p along u with the line through q along v.
std::optional<PuntoTela> Incontro(PuntoTela p, Versore u, PuntoTela q, Versore v) {
    float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
    int stato = 0;
    IntersezioneSegmenti(p.X - Braccio * u.X, p.Y - Braccio * u.Y, p.X + Braccio * u.X,
                         p.Y + Braccio * u.Y, q.X - Braccio * v.X, q.Y - Braccio * v.Y,
                         q.X + Braccio * v.X, q.Y + Braccio * v.Y, xi, yi, stato, xo, yo);
    if (stato <= StatoIntersezione::Parallele) return std::nullopt;
    return PuntoTela{xi, yi};
}

struct Parallelogramma {
    PuntoTela A, P, B, Q;  // P along direction 1 from A, Q along direction 2
};

std::optional<Parallelogramma> Completa(PuntoTela a, PuntoTela b, Versore d1, Versore d2) {
    const auto p = Incontro(a, d1, b, d2);
    const auto q = Incontro(a, d2, b, d1);
    if (!p || !q) return std::nullopt;
    const auto lato = [](PuntoTela u, PuntoTela v) { return std::hypot(u.X - v.X, u.Y - v.Y); };
    if (lato(a, *p) < LatoMinimo || lato(a, *q) < LatoMinimo) return std::nullopt;
    return Parallelogramma{a, *p, b, *q};
}

void Contorno(TelaSchermo& tela, const Parallelogramma& z, int colore) {
    tela.Linea(Strato, z.A.X, z.A.Y, z.P.X, z.P.Y, colore);
    tela.Linea(Strato, z.P.X, z.P.Y, z.B.X, z.B.Y, colore);
    tela.Linea(Strato, z.B.X, z.B.Y, z.Q.X, z.Q.Y, colore);
    tela.Linea(Strato, z.Q.X, z.Q.Y, z.A.X, z.A.Y, colore);
}

int Pixel(float v) { return static_cast<int>(std::nearbyint(v)); }

// The side's length in model cm, rounded down to 5 cm, written along it.
void LunghezzaLato(TelaSchermo& tela, const Vista& vista, PuntoTela u, PuntoTela v) {
    const float x1 = XModello(vista, u.X), y1 = YModello(vista, u.Y);
    const float x2 = XModello(vista, v.X), y2 = YModello(vista, v.Y);
    const float valore = ArrotondaMezzoGiu(Distanza(x1, y1, x2, y2) / 10.0f) * 10.0f;
    if (!(valore > 0.001f)) return;
    const std::string testo = FormatoDec(valore, 0);
    float gradi = 0.0f, seno = 0.0f, coseno = 0.0f;
    AngoloSinCos(x1, y1, x2, y2, gradi, seno, coseno);
    const float lunghezza =
        (LarghezzaLato + 1.38f * vista.Scala) * static_cast<float>(NumeroCaratteri(testo));
    const float mx = (u.X + v.X) / 2.0f, my = (u.Y + v.Y) / 2.0f;
    const float x = mx - 0.5f * lunghezza * coseno - 1.05f * AltezzaLato * seno;
    const float y = my + 0.5f * lunghezza * seno - AltezzaLato * coseno;
    tela.Testo(Strato, Pixel(x), Pixel(y), Pixel(AltezzaLato), Pixel(LarghezzaLato), Pixel(gradi),
               testo);
}

}  // namespace

void DisZonaSelezione(const DerivatiParete& dir, const Impostazioni& imp,
                      const StatoInterfaccia& stato, const Vista& vista, TelaSchermo& tela,
                      PuntoTela a, PuntoTela b, int colore) {
    const Versore d1 = SulloSchermo(dir.CosDir1, dir.SinDir1);
    const Versore d2 = SulloSchermo(dir.CosDir2, dir.SinDir2);
    const std::optional<Parallelogramma> zona = Completa(a, b, d1, d2);
    if (!zona) return;
    tela.ImpostaColorePrimoPiano(ColoreBase(ColoreTesti));
    tela.ImpostaStileTratto(StileTratto::Continuo);

    const PosizioneArm& pos = stato.PosCorrente;
    if (pos.Tipo == IntegrativaPiu || pos.Tipo == IntegrativaMeno) {
        const float lap =
            static_cast<float>(LunghezzaSovrapposizione(imp, pos.Diametro, 0)) * vista.Scala;
        const int d = stato.DirezioneAttiva == 0 ? 0 : 1;
        // Corners in the bar frame: the smaller coordinates first.
        float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;
        RuotaInDirezione(d, a.X, a.Y, ax, ay);
        RuotaInDirezione(d, b.X, b.Y, bx, by);
        PuntoTela e1, e2;
        RuotaDaDirezione(d, std::fmin(ax, bx), std::fmin(ay, by), e1.X, e1.Y);
        RuotaDaDirezione(d, std::fmax(ax, bx), std::fmax(ay, by), e2.X, e2.Y);
        // Lengthened by the lap at both bar ends.
        const Versore verso = d == 0 ? d1 : Versore{-d2.X, -d2.Y};
        e1 = {e1.X + lap * verso.X, e1.Y + lap * verso.Y};
        e2 = {e2.X - lap * verso.X, e2.Y - lap * verso.Y};
        if (const auto lunga = Completa(e1, e2, d1, d2)) {
            Contorno(tela, *lunga, ColoreBase(ColoreSovrapposta));
            LunghezzaLato(tela, vista, lunga->A, lunga->P);
            LunghezzaLato(tela, vista, lunga->A, lunga->Q);
        }
    }
    tela.ImpostaStileTratto(StileTratto::Punteggiato);
    Contorno(tela, *zona, ColoreBase(colore));
    tela.ImpostaStileTratto(StileTratto::Continuo);
}
