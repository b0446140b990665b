#include "drawing/TavolaSezioniMarcatori.h"

#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Numeri.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float RaggioMarcatore = 0.6f;
// A group starts this far inside its pair.
constexpr float RientroGruppo = 1.0f;
// Ticks run back 12 along and 12 across; the rule reaches 88 before the group.
constexpr float Tacca = 12.0f;
constexpr float AnticipoRegolo = 88.0f;

void Marcatore(const TelaioSezione& t, float lungo, float riga, const Bersaglio& b) {
    const Punto m = t.P(lungo, riga);
    DisMirino(m.X, m.Y, RaggioMarcatore, b);
}

void Linea(const TelaioSezione& t, float s1, float w1, float s2, float w2, const Bersaglio& b) {
    const Punto p = t.P(s1, w1), q = t.P(s2, w2);
    DisLinea(p.X, p.Y, q.X, q.Y, Layer::Quote, Stile::Pieno, b);
}

// Markers from inizio every passo up to fine, the first always; fa(s) draws
// one. Returns the last abscissa drawn. Stops where adding the step no
// longer moves on.
template <typename F>
float Serie(float inizio, float fine, float passo, F&& fa) {
    float s = inizio;
    for (;;) {
        fa(s);
        const float prossimo = s + passo;
        if (prossimo > fine || !(prossimo > s)) return s;
        s = prossimo;
    }
}

std::string TestoGruppo(const PosizioneArm& pos, int numero) {
    return std::string("1") + SegnoDiametro + std::to_string(pos.Diametro) + "/" +
           FormatoDec(pos.Passo, 1) + "  (" + std::to_string(numero) + ")";
}

void Gruppo(const TelaioSezione& t, const PosizioneArm& pos, int numero, float inizio, float fine,
            float passo, const Bersaglio& b) {
    const bool meno = pos.Tipo == IntegrativaMeno;
    const float riga = meno ? t.RigaVicina : t.RigaLontanaPos;
    // Ticks of a near-face group start out past the row, towards face a;
    // those of a far-face group start on the label line beyond face b.
    const float attacco = meno ? riga - t.Verso * Tacca : t.LineaEtichette;
    const float primo = inizio + RientroGruppo;
    const float ultimo = Serie(primo, fine, passo, [&](float s) {
        Marcatore(t, s, riga, b);
        Linea(t, s - Tacca, attacco, s, riga, b);
    });
    Linea(t, ultimo - Tacca, attacco, primo - AnticipoRegolo, attacco, b);
    // Near-face labels stand on the rule; far-face ones hang from it.
    const float attraverso = meno ? riga - t.Verso * (Tacca + 1.0f)
                                  : t.LineaEtichette + (t.Verticale ? 1.0f : 0.0f);
    const Punto e = t.P(primo - AnticipoRegolo, attraverso);
    ScriviTesto(e.X, e.Y, TestoGruppo(pos, numero), 0, Layer::TestoFerri, Allinea::Sinistra,
                meno ? Allinea::Basso : Allinea::Alto, t.Verticale ? 90.0f : 0.0f, b);
}

// One run of distributed markers over start..end (model abscissae), on the
// grid n x passo + scarto: the first grid point at or after start.
void Corsa(const TelaioSezione& t, float riga, float inizio, float fine, float passo,
           float scarto, const Bersaglio& b) {
    if (!PassoSezioneValido(passo)) return;
    const float n = std::ceil((inizio - scarto) / passo);
    float s = n * passo + scarto;
    // Rounding may leave s a step off either way.
    if (s < inizio) s += passo;
    else if (s - passo >= inizio) s -= passo;
    Serie(s, fine, passo, [&](float x) { Marcatore(t, t.Origine + x, riga, b); });
}

}  // namespace

float PassoLungoSezione(const Parete& parete, float passo) {
    return passo / std::sin(parete.AngoloArm2);
}

bool PassoSezioneValido(float passo) {
    return std::isfinite(passo) && std::nearbyint(passo) >= 1.0f;
}

void DisMarcatoriPosizione(const Parete& parete, const TelaioSezione& telaio, int j,
                           std::span<const float> incroci, const Bersaglio& b) {
    if (j < 0 || j >= static_cast<int>(parete.Posizioni.size())) return;
    const PosizioneArm& pos = parete.Posizioni[j];
    const float passo = PassoLungoSezione(parete, pos.Passo);
    if (!PassoSezioneValido(passo)) return;
    for (size_t m = 0; m + 1 < incroci.size(); m += 2)
        Gruppo(telaio, pos, j + 1, telaio.Origine + incroci[m], telaio.Origine + incroci[m + 1],
               passo, b);
}

void DisDiffusaTagliata(const Parete& parete, const TelaioSezione& telaio,
                        std::span<const float> interne, const Bersaglio& b) {
    // The section cuts the direction that does not lie in its plane.
    const bool dir1 = !telaio.Verticale;
    const int dPiu = dir1 ? parete.DiamDir1Piu : parete.DiamDir2Piu;
    const int dMeno = dir1 ? parete.DiamDir1Meno : parete.DiamDir2Meno;
    const float passoPiu = PassoLungoSezione(parete, dir1 ? parete.PassoDir1Piu : parete.PassoDir2Piu);
    const float passoMeno =
        PassoLungoSezione(parete, dir1 ? parete.PassoDir1Meno : parete.PassoDir2Meno);
    const float dm = static_cast<float>(std::max(dPiu, dMeno)) / 10.0f;
    const float scarto = dm + parete.Copriferro;
    for (size_t i = 0; i + 1 < interne.size(); i += 2) {
        const float inizio = dm + interne[i] + parete.Copriferro;
        const float fine = dm + interne[i + 1] - parete.Copriferro;
        if (parete.MagliaUnica != 0) {
            Corsa(telaio, telaio.RigaCentrale, inizio, fine, passoMeno, scarto, b);
            continue;
        }
        Corsa(telaio, telaio.RigaLontana, inizio, fine, passoPiu, scarto, b);
        Corsa(telaio, telaio.RigaVicina, inizio, fine, passoMeno, scarto, b);
    }
}
