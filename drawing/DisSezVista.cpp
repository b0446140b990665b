#include "drawing/DisSezVista.h"

#include "drawing/Primitive.h"
#include "model/Layer.h"
#include "model/Parete.h"
#include "model/Sovrapposizione.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// How far a transverse wall or slab is drawn beyond the face it continues past.
constexpr float SporgenzaElemento = 15.0f;
// Single-mesh bar: its offset from the middle towards face b, and the end bend.
constexpr float ScostamentoMagliaUnica = 0.8f;
constexpr float GambaPiega = 5.0f;

// One view in the section frame: s along the section, w across it.
struct VistaSezione {
    const Parete& parete;
    const Bersaglio& b;
    bool verticale;
    float origine;         // model coordinate of abscissa 0
    float facciaA;         // across value of face a (top, resp. left)
    float facciaB;         // across value of face b
    float versoA;          // +1 or -1: the way from the strip out past face a
    float lineaQuote;      // across value D of the piece dimensions
    float facciaAperture;  // face on which openings and plain pieces are measured
    float rientroMaglie;   // across inset of the two-mesh outline
    int diametroPiega;     // diameter of the single-mesh end bends
    const std::vector<SolaioParete>& elementi;  // crossing walls or slabs
    int ultElemento;

    Punto P(float s, float w) const {
        return verticale ? Punto{w, origine + s} : Punto{origine + s, w};
    }
    void Linea(float s1, float w1, float s2, float w2, int layer, int stile) const {
        const Punto p = P(s1, w1), q = P(s2, w2);
        DisLinea(p.X, p.Y, q.X, q.Y, layer, stile, b);
    }
    void Lungo(float s1, float s2, float w, int layer, int stile) const {
        Linea(s1, w, s2, w, layer, stile);
    }
    void Attraverso(float s, float w1, float w2, int layer, int stile) const {
        Linea(s, w1, s, w2, layer, stile);
    }
    void Facce(float s1, float s2, int stile) const {
        Lungo(s1, s2, facciaA, Layer::PerimSezioni, stile);
        Lungo(s1, s2, facciaB, Layer::PerimSezioni, stile);
    }
    // A dimension on D from p to q, measured at p and q on the given face.
    void Quota(float p, float q, float faccia) const {
        const Punto a = P(p, lineaQuote), c = P(q, lineaQuote);
        const Punto m = P(p, faccia), n = P(q, faccia);
        DisQuota(a.X, a.Y, c.X, c.Y, m.X, m.Y, n.X, n.Y, b);
    }
    // The band lo..hi of a crossing element.
    void Banda(const SolaioParete& e, float& lo, float& hi) const {
        // A transverse wall has Spessore1 on its lower abscissae, a slab Spessore2.
        lo = e.Coordinata - (verticale ? e.Spessore2 : e.Spessore1);
        hi = e.Coordinata + (verticale ? e.Spessore1 : e.Spessore2);
    }
};

void Titolo(int k, float x, float y, const Bersaglio& b) {
    const std::string n = std::to_string(k + 1);
    ScriviTesto(x, y, "Sezione  " + n + " - " + n, 1, Layer::TestoTitoli, Allinea::Sinistra,
                Allinea::Alto, 0.0f, b);
}

// Face line from lo to hi, or, where the element continues past the face, its
// two edges out to the extent and a dashed end.
void Moncone(const VistaSezione& v, float lo, float hi, float faccia, bool prosegue,
             float verso) {
    if (!prosegue) {
        v.Lungo(lo, hi, faccia, Layer::PerimSezioni, Stile::Pieno);
        return;
    }
    const float estremo = faccia + verso * SporgenzaElemento;
    v.Attraverso(lo, faccia, estremo, Layer::PerimSezioni, Stile::Pieno);
    v.Attraverso(hi, faccia, estremo, Layer::PerimSezioni, Stile::Pieno);
    v.Lungo(lo, hi, estremo, Layer::Tratteggi, Stile::Punteggiato);
}

// A piece with crossing elements: faces between them, stubs, and the chain of
// dimensions on face b.
void PezzoConElementi(const VistaSezione& v, float inizio, float fine,
                      const std::vector<int>& elementi) {
    float prec = inizio;
    for (int e : elementi) {
        const SolaioParete& el = v.elementi[e];
        float lo = 0.0f, hi = 0.0f;
        v.Banda(el, lo, hi);
        if (prec < lo) {
            v.Facce(prec, lo, Stile::Pieno);
            v.Quota(prec, lo, v.facciaB);
        }
        Moncone(v, lo, hi, v.facciaA, el.LatoPiu != 0, v.versoA);
        Moncone(v, lo, hi, v.facciaB, el.LatoMeno != 0, -v.versoA);
        v.Quota(lo, hi, v.facciaB);
        prec = hi;
    }
    if (fine > prec) {
        v.Facce(prec, fine, Stile::Pieno);
        v.Quota(prec, fine, v.facciaB);
    }
}

// The distributed bars of a piece lying in the section plane.
void BarrePezzo(const VistaSezione& v, float inizio, float fine) {
    const Parete& p = v.parete;
    const float s1 = inizio + p.Copriferro;
    const float s2 = fine - p.Copriferro;
    if (p.MagliaUnica == 0) {
        const float wa = v.facciaA - v.versoA * v.rientroMaglie;
        const float wb = v.facciaB + v.versoA * v.rientroMaglie;
        v.Lungo(s1, s2, wa, Layer::ArmaturaSez, Stile::Pieno);
        v.Lungo(s1, s2, wb, Layer::ArmaturaSez, Stile::Pieno);
        v.Attraverso(s1, wa, wb, Layer::ArmaturaSez, Stile::Pieno);
        v.Attraverso(s2, wa, wb, Layer::ArmaturaSez, Stile::Pieno);
        return;
    }
    const float w = (v.facciaA + v.facciaB) / 2.0f - v.versoA * ScostamentoMagliaUnica;
    v.Lungo(s1, s2, w, Layer::ArmaturaSez, Stile::Pieno);
    if (p.PiegaAncoraggio == 0) return;
    // Each end turns towards face a and runs back half a lap.
    const float ritorno =
        static_cast<float>(LunghezzaSovrapposizione(v.b.Imp(), v.diametroPiega, 0)) / 2.0f -
        GambaPiega;
    const float wp = w + v.versoA * GambaPiega;
    v.Attraverso(s1, w, wp, Layer::ArmaturaSez, Stile::Pieno);
    v.Lungo(s1, s1 + ritorno, wp, Layer::ArmaturaSez, Stile::Pieno);
    v.Attraverso(s2, w, wp, Layer::ArmaturaSez, Stile::Pieno);
    v.Lungo(s2, s2 - ritorno, wp, Layer::ArmaturaSez, Stile::Pieno);
}

// The pieces of the strip, the openings between them, and their bars.
void DisPezzi(const VistaSezione& v, std::span<const float> s) {
    const int coppie = static_cast<int>(s.size()) / 2;
    const int ultimo = std::min(v.ultElemento, static_cast<int>(v.elementi.size()) - 1);
    float prec = s[0];
    for (int i = 0; i < 2 * coppie; i += 2) {
        const float inizio = s[i], fine = s[i + 1];
        std::vector<int> elementi;
        for (int e = 0; e <= ultimo; ++e) {
            const float c = v.elementi[e].Coordinata;
            if (c >= inizio && c <= fine) elementi.push_back(e);
        }
        if (inizio > prec) {
            v.Facce(prec, inizio, Stile::Punteggiato);
            v.Quota(prec, inizio, v.facciaAperture);
        }
        v.Attraverso(inizio, v.facciaA, v.facciaB, Layer::PerimSezioni, Stile::Pieno);
        v.Attraverso(fine, v.facciaA, v.facciaB, Layer::PerimSezioni, Stile::Pieno);
        if (elementi.empty()) {
            v.Facce(inizio, fine, Stile::Pieno);
            if (coppie > 1) v.Quota(inizio, fine, v.facciaAperture);
        } else {
            PezzoConElementi(v, inizio, fine, elementi);
        }
        // The next opening starts at this piece's end, whatever its elements.
        prec = fine;
        BarrePezzo(v, inizio, fine);
    }
}

// The abscissa of the last crossing that closes a pair.
float UltimaCoppia(std::span<const float> s) { return s[s.size() / 2 * 2 - 1]; }

}  // namespace

void DisSezOrizz(const Parete& parete, int k, std::span<const float> ascisse, float x0, float y,
                 const Bersaglio& b) {
    if (ascisse.size() < 2) return;
    const float t = parete.SpessoreParete;
    const float primo = x0 + ascisse[0];
    const float ultimo = x0 + UltimaCoppia(ascisse);
    Titolo(k, primo, y + 100.0f, b);
    DisQuota(primo, y + 60.0f, ultimo, y + 60.0f, primo, y + 60.0f, ultimo, y + 60.0f, b);
    const VistaSezione v{.parete = parete,
                  .b = b,
                  .verticale = false,
                  .origine = x0,
                  .facciaA = y,
                  .facciaB = y - t,
                  .versoA = 1.0f,
                  .lineaQuote = y + 40.0f,
                  .facciaAperture = y,
                  .rientroMaglie = parete.Copriferro,
                  .diametroPiega = parete.DiamDir2Meno,
                  .elementi = parete.ParetiTrasversali,
                  .ultElemento = parete.UltParete};
    DisPezzi(v, ascisse);
    const float xt = primo - 30.0f;
    DisQuota(xt, y, xt, y - t, xt, y, xt, y - t, b);
}

float DisSezVert(const Parete& parete, int k, std::span<const float> ascisse, float x, float y,
                 const Bersaglio& b) {
    if (ascisse.size() < 2) return y;
    const float t = parete.SpessoreParete;
    const float primo = y + ascisse[0];
    const float ultimo = y + UltimaCoppia(ascisse);
    Titolo(k, x, ultimo + 60.0f, b);
    const float yt = ultimo + 20.0f;
    DisQuota(x, yt, x + t, yt, x, yt, x + t, yt, b);
    DisQuota(x - 55.0f, primo, x - 55.0f, ultimo, x, primo, x, ultimo, b);
    const VistaSezione v{.parete = parete,
                  .b = b,
                  .verticale = true,
                  .origine = y,
                  .facciaA = x,
                  .facciaB = x + t,
                  .versoA = -1.0f,
                  .lineaQuote = x - 30.0f,
                  .facciaAperture = x + t,
                  .rientroMaglie = parete.Copriferro + 2.0f,
                  .diametroPiega = parete.DiamDir1Meno,
                  .elementi = parete.Solai,
                  .ultElemento = parete.UltSolaio};
    DisPezzi(v, ascisse);
    return primo;
}
