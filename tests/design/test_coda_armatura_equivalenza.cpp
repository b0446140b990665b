// The bar quantities of the recompute tail against a plain reference kept
// here: every scan line intersected with every side by IntersezioneSegmenti,
// every bar measured on its own. Lengths must agree bit for bit on generated
// walls with openings, slabs, zones of a grid (crossing the openings and
// reaching past the outline) and sloped zones of both directions.

#include "design/AccessoriStrato.h"
#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ArmaturaPosizioniRipetute.h"
#include "design/ArmaturaPosizioniScansione.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioMisura.h"
#include "drawing/FormeFerri.h"
#include "drawing/SolaiPareti.h"
#include "model/Geometria.h"
#include "model/LimiteScansione.h"
#include "model/Numeri.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include "Fixture.h"
#include "PareteGenerata.h"
#include "ZoneDiProva.h"
#include "bench/GrigliaZoneBench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

// ---- The reference -------------------------------------------------------

// Every side crossing y, by the general intersection.
void IncrociRiferimento(std::span<const Punto> anello, float xa, float xb, float y,
                        std::vector<float>& incroci) {
    incroci.clear();
    for (std::size_t j = 0; j < anello.size(); ++j) {
        const Punto& a = anello[j];
        const Punto& b = anello[(j + 1) % anello.size()];
        if ((a.Y > y) == (b.Y > y)) continue;
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(xa, y, xb, y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
        if (stato != StatoIntersezione::Interna) {
            xi = static_cast<float>(a.X + (static_cast<double>(y) - a.Y) * (static_cast<double>(b.X) - a.X) /
                                              (static_cast<double>(b.Y) - a.Y));
            if (xi < xa || xi > xb) continue;
        }
        incroci.push_back(xi);
    }
    std::sort(incroci.begin(), incroci.end());
}

// Where the line crosses a side properly: at no vertex, by the general intersection.
void IncrociPropriRiferimento(std::span<const Punto> anello, float xa, float xb, float y,
                              std::vector<float>& incroci) {
    incroci.clear();
    for (std::size_t j = 0; j < anello.size(); ++j) {
        const Punto& a = anello[j];
        const Punto& b = anello[(j + 1) % anello.size()];
        float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
        int stato = 0;
        IntersezioneSegmenti(xa, y, xb, y, a.X, a.Y, b.X, b.Y, xi, yi, stato, xo, yo);
        if (stato == StatoIntersezione::Interna) incroci.push_back(xi);
    }
    std::sort(incroci.begin(), incroci.end());
}

float MisuraZonaRiferimento(const Parete& parete, const Impostazioni& imp, int p) {
    const std::optional<ZonaRuotata> zona = RuotaZona(parete, p);
    const PosizioneArm& pos = parete.Posizioni[p];
    if (!zona || !(pos.Passo > 0.0f)) return 0.0f;
    std::vector<Punto> contorno(parete.NumPuntiArm);
    for (int j = 0; j < parete.NumPuntiArm; ++j)
        RuotaInDirezione(zona->Direzione, parete.ContornoDir1[j].X, parete.ContornoDir1[j].Y,
                         contorno[j].X, contorno[j].Y);
    const BersaglioMisura misura(imp);
    const float xa = zona->Inizio.X - MargineScansioneZona, xb = zona->Fine.X + MargineScansioneZona;
    std::vector<float> incroci, bordi;
    std::vector<std::pair<float, float>> barre;
    std::vector<int> solai;
    float somma = 0.0f;
    const float ultima = std::min(zona->Fine.Y, zona->Tratto.Max);
    float y = PrimaLineaNelTratto(zona->Inizio.Y, pos.Passo, zona->Tratto.Min);
    while (true) {
        const float linea = LineaSpostata(*zona, y);
        IncrociRiferimento(zona->Poligono, xa, xb, linea, incroci);
        BarreDellaLinea(incroci, zona->Poligono, linea, barre);
        if (!barre.empty()) IncrociPropriRiferimento(contorno, xa, xb, linea, bordi);
        for (const auto& [a, c] : barre) {
            const bool gambe = bordi.size() >= 2;
            const int sinistra = gambe && a <= bordi.front() + 0.01f ? 1 : 0;
            const int destra = gambe && c >= bordi.back() - 0.01f ? 1 : 0;
            if (zona->Direzione == 0) {
                int m = 0;
                SolaiNegliIntervalli(parete, {a, c}, 2, solai, m);
                somma += static_cast<float>(DisFerroVert(parete, imp, 0, 0, 0.0f, 0.0f, a, c, pos.Diametro,
                                                         pos.Passo, sinistra, destra, solai, m, 1, misura));
            } else {
                somma += static_cast<float>(DisFerroOrizz(parete, imp, 0, 0, 0.0f, a, c, pos.Diametro,
                                                          pos.Passo, sinistra, destra, misura));
            }
        }
        const float prossima = y + pos.Passo;
        if (prossima <= y) break;
        y = prossima;
        if (!(y < ultima)) break;
    }
    return somma;
}

// A closed ring turned into the bar frame of the direction.
std::vector<Punto> Ruotato(int direzione, const std::vector<Punto>& punti, int ultimo) {
    std::vector<Punto> r(ultimo + 1);
    for (int i = 0; i <= ultimo; ++i) RuotaInDirezione(direzione, punti[i].X, punti[i].Y, r[i].X, r[i].Y);
    return r;
}

bool PezzoNellaParete(const Parete& parete, int direzione, float xa, float xb, float y) {
    float x = 0.0f, ym = 0.0f;
    RuotaDaDirezione(direzione, (xa + xb) / 2.0f, y, x, ym);
    if (!PuntoInPerimetro(parete, x, ym, -1)) return false;
    for (int k = 0; k < parete.NumAperture; ++k)
        if (PuntoInPerimetro(parete, x, ym, k)) return false;
    return true;
}

float LunghezzaStratoRiferimento(const Parete& parete, const Impostazioni& imp, int lato, int direzione) {
    const int k = 2 * direzione + (lato == 0 ? 0 : 1);
    const int diametro = static_cast<int>(DiamStrato(parete, k));
    const float passo = PassoStrato(parete, k);
    if (!(passo > 0.0f)) return 0.0f;
    std::vector<std::vector<Punto>> anelli{
        Ruotato(direzione, direzione == 0 ? parete.ContornoDir1 : parete.ContornoDir2, parete.NumPuntiArm)};
    for (int f = 0; f < std::min(parete.NumAperture, static_cast<int>(parete.ForiArmatura.size())); ++f)
        anelli.push_back(Ruotato(direzione, parete.ForiArmatura[f],
                                 std::min(parete.PuntiApertura[f], static_cast<int>(parete.ForiArmatura[f].size()) - 1)));
    const Rettangolo& box = direzione == 0 ? parete.EstArmDir1 : parete.EstArmDir2;
    const float xa = box.Xmin - 1000.0f, xb = box.Xmax + 1000.0f;
    const TrattoScansione tratto = TrattoDirezione(parete, direzione);
    const float fine = std::min(box.Ymax, tratto.Max);
    const BersaglioMisura misura(imp);
    std::vector<float> incroci;
    std::vector<int> solai;
    float somma = 0.0f;
    float y = PrimaLineaNelTratto(box.Ymin + 1.0f, passo, tratto.Min);
    do {
        incroci.clear();
        for (const std::vector<Punto>& anello : anelli) {
            for (std::size_t s = 0; s + 1 < anello.size(); ++s) {
                float xi = 0.0f, yi = 0.0f, xo = 0.0f, yo = 0.0f;
                int stato = 0;
                IntersezioneSegmenti(xa, y, xb, y, anello[s].X, anello[s].Y, anello[s + 1].X, anello[s + 1].Y,
                                     xi, yi, stato, xo, yo);
                if (stato == StatoIntersezione::Interna) incroci.push_back(xi);
            }
        }
        std::sort(incroci.begin(), incroci.end());
        incroci.erase(std::unique(incroci.begin(), incroci.end()), incroci.end());
        const int n = static_cast<int>(incroci.size());
        for (int i = 0; i + 1 < n; i += (n % 2 == 0 ? 2 : 1)) {
            const float a = incroci[i], c = incroci[i + 1];
            if (n % 2 == 1 && !PezzoNellaParete(parete, direzione, a, c, y)) continue;
            if (direzione == 0) {
                int m = 0;
                SolaiNegliIntervalli(parete, {a, c}, 2, solai, m);
                somma += static_cast<float>(
                    DisFerroVert(parete, imp, 0, 0, 0.0f, 0.0f, a, c, diametro, passo, 1, 1, solai, m, 0, misura));
            } else {
                somma += static_cast<float>(DisFerroOrizz(parete, imp, 0, 0, 0.0f, a, c, diametro, passo, 1, 1, misura));
            }
        }
        const float prossima = y + passo;
        if (prossima <= y) break;
        y = prossima;
    } while (y < fine);
    return somma;
}

// ---- The walls -------------------------------------------------------------

std::uint32_t Bit(float v) { return std::bit_cast<std::uint32_t>(v); }

// Sloped zones of both directions and faces on the 0.1 cm grid, clockwise,
// every fourth with a vertical side on a node column, every third with a
// peak, some reaching past the outline.
void AggiungiZoneInclinate(Parete& p, std::uint32_t seme) {
    const auto caso = [&seme](int n) {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<int>((seme >> 8) % static_cast<std::uint32_t>(n));
    };
    const auto griglia = [](double v) { return static_cast<float>(std::round(v * 10.0) / 10.0); };
    for (int k = 0; k < 40; ++k) {
        const Nodo& c = p.Nodi[caso(p.NumNodi)];
        const float w = 20.0f + caso(3000) / 10.0f, h = 20.0f + caso(3000) / 10.0f;
        const float sx = (caso(200) - 100) / 2.0f, sy = k % 4 == 0 ? 0.0f : (caso(200) - 100) / 2.0f;
        std::vector<Punto> poligono{{c.X, c.Y},
                                    {griglia(c.X + sx), griglia(c.Y + h)},
                                    {griglia(c.X + sx + w), griglia(c.Y + h + sy)},
                                    {griglia(c.X + w), griglia(c.Y + sy)}};
        if (k % 3 == 0) poligono.insert(poligono.begin() + 2, Punto{griglia(c.X + sx + w / 2), griglia(c.Y + h + 40)});
        p.PoligoniPos.resize(std::max<std::size_t>(p.PoligoniPos.size(), p.UltPosizione + 2));
        AggiungiZona(p, poligono, k % 2 == 0 ? IntegrativaPiu : IntegrativaMeno, caso(2), 12 + 2 * caso(3),
                     10.0f + 5.0f * caso(3), poligono[0], poligono[2], poligono[1]);
    }
}

struct CasoParete {
    const char* nome;
    int nodi;
};

void PrintTo(const CasoParete& c, std::ostream* os) { *os << c.nome; }

class CodaArmaturaEquivalenza : public testing::TestWithParam<CasoParete> {};

}  // namespace

TEST_P(CodaArmaturaEquivalenza, QuantitiesMatchThePlainReferenceBitForBit) {
    const CartellaTemporanea cartella;
    Sessione s;
    LeggiPareteGenerata(s, cartella.Percorso(), GetParam().nodi);
    if (HasFatalFailure()) return;
    Parete& p = s.parete;
    ASSERT_TRUE(ContorniPronti(p));
    AggiungiZoneGriglia(p, 20, 10);
    AggiungiZoneInclinate(p, 77u + static_cast<std::uint32_t>(GetParam().nodi));
    for (const float livello : {120.0f, 251.3f, 400.0f}) AggiungiSolaio(p, livello);
    s.imp.LungMaxFerri = 600.0f;  // long bars are split and lapped

    RicalcolaArmature(p, s.imp);
    int zone = 0;
    for (int k = 0; k <= p.UltPosizione; ++k) {
        if (p.Posizioni[k].Tipo != IntegrativaPiu && p.Posizioni[k].Tipo != IntegrativaMeno) continue;
        ++zone;
        EXPECT_EQ(Bit(p.Posizioni[k].LungTotale), Bit(MisuraZonaRiferimento(p, s.imp, k))) << "zona " << k;
    }
    EXPECT_EQ(zone, p.UltPosizione + 1);
    const float attese[2][2] = {{LunghezzaStratoRiferimento(p, s.imp, 0, 0), LunghezzaStratoRiferimento(p, s.imp, 0, 1)},
                                {LunghezzaStratoRiferimento(p, s.imp, 1, 0), LunghezzaStratoRiferimento(p, s.imp, 1, 1)}};
    EXPECT_EQ(Bit(p.LungDir1Piu), Bit(attese[0][0]));
    EXPECT_EQ(Bit(p.LungDir2Piu), Bit(attese[0][1]));
    EXPECT_EQ(Bit(p.LungDir1Meno), Bit(attese[1][0]));
    EXPECT_EQ(Bit(p.LungDir2Meno), Bit(attese[1][1]));
    EXPECT_GT(p.LungDir1Piu, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(PareteGenerate, CodaArmaturaEquivalenza,
                         testing::Values(CasoParete{.nome = "500 nodi", .nodi = 500},
                                         CasoParete{.nome = "4000 nodi", .nodi = 4000}));

// The crossings of a scan line with a ring, against the general intersection
// of every side: vertical sides well inside, at and near the ends of the
// segment, at x = 0, far beyond the ends, steep and almost flat, and far off.
TEST(IncrociOrdinati, SameCrossingsAsTheGeneralIntersectionOfEverySide) {
    struct Caso {
        const char* nome;
        std::vector<Punto> anello;
        float xa, xb;
    };
    const Caso casi[] = {
        {"rettangolo dentro", {{10, 0}, {10, 50}, {80, 50}, {80, 0}}, -1000, 1000},
        {"lati sugli estremi", {{-1000, 0}, {-1000, 50}, {1000, 50}, {1000, 0}}, -1000, 1000},
        {"lati a un cm dagli estremi", {{-999, 0}, {-999, 50}, {999.0001f, 50}, {999.0001f, 0}}, -1000, 1000},
        {"lato su x zero", {{0, 0}, {0, 50}, {30, 50}, {30, 0}}, -1000, 1000},
        {"lati oltre gli estremi", {{-3000, 0}, {-2990, 50}, {4000, 50}, {4100.3f, 0}}, -1000, 1000},
        {"quasi piatti oltre", {{-3000, 0}, {-2000, 0.005f}, {4000, 0.004f}, {4100, 0}}, -1000, 1000},
        {"inclinati", {{13.7f, -3.1f}, {27.9f, 61.3f}, {91.1f, 55.5f}, {70.3f, -8.8f}}, -1000, 1000},
        {"metri dall'origine", {{5721.3f, 2870.1f}, {5721.3f, 2911.7f}, {5801.2f, 2911.7f}, {5801.2f, 2870.1f}},
         4721.3f, 6801.2f},
        {"lontanissimo", {{3.0e6f, 0}, {3.0e6f, 50}, {3.0e6f + 70, 50}, {3.0e6f + 70, 0}}, 2.9e6f, 3.1e6f},
        {"segmento rovesciato", {{10, 0}, {10, 50}, {80, 50}, {80, 0}}, 1000, -1000},
    };
    std::vector<float> y_prova;
    for (int i = -20; i <= 120; ++i) y_prova.push_back(i * 0.5f);
    for (const float y : {0.0f, 50.0f, 0.0049f, 0.005f, 2870.1f, 2900.0f, 2911.7f}) y_prova.push_back(y);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        for (const float y : y_prova) {
            std::vector<float> veloce, attesi;
            IncrociOrdinati(c.anello, c.xa, c.xb, y, veloce);
            IncrociRiferimento(c.anello, c.xa, c.xb, y, attesi);
            ASSERT_EQ(veloce.size(), attesi.size()) << "y " << y;
            for (std::size_t i = 0; i < attesi.size(); ++i) EXPECT_EQ(Bit(veloce[i]), Bit(attesi[i])) << "y " << y;
        }
    }
}

// A bar is taken from the latest ones only when its ends match bit for bit
// and its legs match; the oldest one is forgotten first.
TEST(MisureRipetute, ReusesOnlyAnIdenticalBar) {
    MisureRipetute ripetute;
    int misurate = 0;
    const auto misura = [&](int valore) {
        return [&misurate, valore] {
            ++misurate;
            return valore;
        };
    };
    EXPECT_EQ(ripetute.Lunghezza(0.0f, 100.0f, 1, 1, misura(7)), 7);
    EXPECT_EQ(ripetute.Lunghezza(0.0f, 100.0f, 1, 1, misura(99)), 7);
    EXPECT_EQ(misurate, 1);
    EXPECT_EQ(ripetute.Lunghezza(-0.0f, 100.0f, 1, 1, misura(8)), 8);    // another bit pattern
    EXPECT_EQ(ripetute.Lunghezza(0.0f, 100.0f, 0, 1, misura(9)), 9);     // another leg
    EXPECT_EQ(ripetute.Lunghezza(0.0f, 100.0f, 1, 0, misura(10)), 10);
    EXPECT_EQ(ripetute.Lunghezza(0.0f, std::nextafter(100.0f, 200.0f), 1, 1, misura(11)), 11);
    EXPECT_EQ(misurate, 5);
    for (int i = 0; i < 8; ++i) ripetute.Lunghezza(static_cast<float>(i + 1), 50.0f, 1, 1, misura(i));
    EXPECT_EQ(ripetute.Lunghezza(0.0f, 100.0f, 1, 1, misura(12)), 12);  // forgotten
    EXPECT_EQ(ripetute.Lunghezza(8.0f, 50.0f, 1, 1, misura(13)), 7);    // still kept
}
