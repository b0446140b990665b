#include "design/ArmaturaPosizioniCordoli.h"

#include "design/ArmaturaPosizioniScansione.h"
#include "drawing/DisEtichettaPos.h"
#include "drawing/Primitive.h"
#include "model/Angoli.h"
#include "model/Layer.h"
#include "model/LimiteScansione.h"
#include "model/Parete.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Half the arm of the leader tick, cm.
constexpr float MezzoSegno = 3.0f;
// The stirrup marks keep this many spacings from the band ends.
constexpr float MarginePassi = 1.5f;

// A cosine or sine within 1e-5 of 0 or of 1 taken as exact.
float Netto(double v) {
    const float f = static_cast<float>(v);
    if (std::fabs(f) < 0.00001f) return 0.0f;
    if (std::fabs(f - 1.0f) < 0.00001f) return 1.0f;
    return f;
}

// The band frame of a ring beam: u along its side, v across it.
struct TelaioFascia {
    float C = 1.0f, S = 0.0f;    // into the frame
    float C2 = 1.0f, S2 = 0.0f;  // back to the model

    explicit TelaioFascia(float angolo)
        : C(Netto(std::cos(angolo))),
          S(Netto(std::sin(angolo))),
          C2(Netto(std::cos(DuePiGrecoDirezioni - angolo))),
          S2(Netto(std::sin(DuePiGrecoDirezioni - angolo))) {}

    Punto In(Punto p) const { return {C * p.X + S * p.Y, C * p.Y - S * p.X}; }
    Punto Da(float u, float v) const { return {u * C2 + v * S2, v * C2 - u * S2}; }
};

// The four band corners of ring beam p; none for a row holding fewer.
std::optional<std::array<Punto, 4>> AngoliCordolo(const Parete& parete, int p) {
    if (p >= static_cast<int>(parete.PoligoniPos.size())) return std::nullopt;
    const std::vector<Punto>& riga = parete.PoligoniPos[p];
    if (parete.Posizioni[p].UltVerticeZona < 3 || riga.size() < 4) return std::nullopt;
    return std::array<Punto, 4>{riga[0], riga[1], riga[2], riga[3]};
}

// Smallest and largest band-frame x of the corners.
std::pair<float, float> EstremiFascia(const TelaioFascia& t, const std::array<Punto, 4>& angoli) {
    float xmin = t.In(angoli[0]).X, xmax = xmin;
    for (const Punto& a : angoli) {
        xmin = std::min(xmin, t.In(a).X);
        xmax = std::max(xmax, t.In(a).X);
    }
    return {xmin, xmax};
}

void DisegnaCordolo(const Parete& parete, int p, const std::array<Punto, 4>& v, float dx,
                    float dy, const Bersaglio& b) {
    const PosizioneArm& pos = parete.Posizioni[p];
    const auto linea = [&](Punto a, Punto c, int layer) {
        DisLinea(a.X + dx, a.Y + dy, c.X + dx, c.Y + dy, layer, Stile::Pieno, b);
    };
    linea(v[3], v[0], Layer::PilastriAcciaio);
    linea(v[2], v[1], Layer::PilastriAcciaio);

    const TelaioFascia t(pos.Angolo);
    const Punto r1 = t.In({pos.Richiamo[0], pos.Richiamo[1]});
    const Punto r2 = t.In({pos.Richiamo[2], pos.Richiamo[3]});
    for (const Punto& r : {r1, r2})
        linea(t.Da(r.X - MezzoSegno, r.Y - MezzoSegno), t.Da(r.X + MezzoSegno, r.Y + MezzoSegno),
              Layer::ArmIntegr2);

    if (pos.Passo > 0.0f) {
        const auto [xmin, xmax] = EstremiFascia(t, v);
        const TrattoScansione tratto = TrattoParete(parete, [&](Punto q) { return t.In(q).X; });
        const float ultimo = std::min(xmax - MarginePassi * pos.Passo, tratto.Max);
        float u = PrimaLineaNelTratto(xmin + MarginePassi * pos.Passo, pos.Passo, tratto.Min);
        while (true) {
            linea(t.Da(u, r1.Y), t.Da(u, r2.Y), Layer::ArmIntegr2);
            const float prossimo = u + pos.Passo;
            if (prossimo <= u || !(prossimo <= ultimo)) break;
            u = prossimo;
        }
    }
    DisEtichettaPos(parete, dx, dy, p, "", "", b);
}

}  // namespace

void DisSimboliPosizioni(const Parete& parete, float dx, float dy, const Bersaglio& b) {
    for (int p = 0; p <= UltimaPosizioneValida(parete); ++p) {
        if (parete.Posizioni[p].Tipo != Cordolo) continue;
        if (const auto angoli = AngoliCordolo(parete, p)) DisegnaCordolo(parete, p, *angoli, dx, dy, b);
    }
}

std::vector<LunghezzaPosizione> LunghezzeCordoli(const Parete& parete) {
    std::vector<LunghezzaPosizione> lunghezze;
    for (int p = 0; p <= UltimaPosizioneValida(parete); ++p) {
        if (parete.Posizioni[p].Tipo != Cordolo) continue;
        if (const auto angoli = AngoliCordolo(parete, p)) {
            const auto [xmin, xmax] = EstremiFascia(TelaioFascia(parete.Posizioni[p].Angolo), *angoli);
            lunghezze.push_back({p, xmax - xmin});
        }
    }
    return lunghezze;
}
