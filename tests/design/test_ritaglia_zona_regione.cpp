// The stored zone polygon against the region it must cover: the zone (after
// the anchorage widening) inside the reinforcement outline and outside every
// enlarged opening, measured by an independent clipper of the test's own;
// and the bars laid in it: none in an opening or off the wall, none of no
// length, none split at a slit, and their drawn lengths adding up to the
// measured total.

#include "design/AreaPari.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ContorniArmatura.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "design/LeggiParete.h"
#include "design/ProgettoDiffusa.h"
#include "design/RitagliaZona.h"
#include "model/Direzioni.h"
#include "model/Estensione.h"
#include "model/Geometria.h"
#include "model/Impostazioni.h"
#include "model/Sessione.h"
#include "model/Sovrapposizione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteDiProva.h"
#include "PareteGenerata.h"
#include "TelaRegistrata.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Punti = std::vector<Punto>;

// ---- Independent measure of the region --------------------------------

double AreaConSegno(const std::vector<std::array<double, 2>>& p) {
    double s = 0.0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto& a = p[i];
        const auto& b = p[(i + 1) % p.size()];
        s += a[0] * b[1] - b[0] * a[1];
    }
    return s / 2.0;
}

// Sutherland-Hodgman: any simple polygon cut by a convex one keeps its area
// (pieces come joined along the convex polygon's sides, which adds none).
double AreaDentroConvesso(const std::vector<std::array<double, 2>>& soggetto,
                          std::vector<std::array<double, 2>> convesso) {
    if (AreaConSegno(convesso) < 0.0) std::reverse(convesso.begin(), convesso.end());
    std::vector<std::array<double, 2>> uscita = soggetto;
    for (std::size_t i = 0; i < convesso.size() && !uscita.empty(); ++i) {
        const auto a = convesso[i];
        const auto b = convesso[(i + 1) % convesso.size()];
        const auto lato = [&](const std::array<double, 2>& p) {
            return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0]);
        };
        const std::vector<std::array<double, 2>> entrata = std::move(uscita);
        uscita.clear();
        for (std::size_t j = 0; j < entrata.size(); ++j) {
            const auto p = entrata[j];
            const auto q = entrata[(j + 1) % entrata.size()];
            const double lp = lato(p), lq = lato(q);
            if (lp >= 0.0) uscita.push_back(p);
            if ((lp >= 0.0) != (lq >= 0.0)) {
                const double t = lp / (lp - lq);
                uscita.push_back({p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])});
            }
        }
    }
    return std::fabs(AreaConSegno(uscita));
}

std::vector<std::array<double, 2>> Doppi(const Punti& p, std::size_t n) {
    std::vector<std::array<double, 2>> r;
    for (std::size_t i = 0; i < n && i < p.size(); ++i) r.push_back({p[i].X, p[i].Y});
    return r;
}

// The widened zone quadrilateral that the clipping starts from.
std::vector<std::array<double, 2>> ZonaAllargata(const Parete& p, const Impostazioni& imp,
                                                 const PosizioneArm& pos) {
    std::vector<std::array<double, 2>> z;
    for (const Vertice& v : ::ZonaAllargata(pos, p, imp)) z.push_back({v.X, v.Y});
    return z;
}

// Zone inside the outline less its parts in the openings (which lie inside
// the outline and apart from each other).
double AreaAttesa(const Parete& p, const Impostazioni& imp, const PosizioneArm& pos) {
    const auto z = ZonaAllargata(p, imp, pos);
    double area = AreaDentroConvesso(Doppi(p.ContornoArmatura, static_cast<std::size_t>(p.NumPuntiEst)), z);
    for (int k = 0; k < p.NumAperture; ++k)
        area -= AreaDentroConvesso(Doppi(p.ForiArmatura[k], static_cast<std::size_t>(p.PuntiApertura[k])), z);
    return area;
}

double AreaMemorizzata(const StatoInterfaccia& s) {
    std::vector<PuntoPreciso> anello;
    for (int i = 0; i <= s.UltPuntoCorrente; ++i)
        anello.push_back({s.PoligonoCorrente[i].X, s.PoligonoCorrente[i].Y});
    const std::vector<std::vector<PuntoPreciso>> anelli{anello};
    return AreaPari(anelli);
}

// ---- Bars ----------------------------------------------------------------

bool Dentro(const Punti& anello, std::size_t n, double x, double y) {
    bool dentro = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Punto a = anello[i], b = anello[j];
        if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) dentro = !dentro;
    }
    return dentro;
}

double DistanzaDalBordo(const Punti& anello, std::size_t n, double x, double y) {
    double d = 1e30;
    for (std::size_t i = 0; i < n; ++i) {
        const Punto a = anello[i], b = anello[(i + 1) % n];
        const double dx = b.X - a.X, dy = b.Y - a.Y;
        const double l2 = dx * dx + dy * dy;
        const double t = l2 > 0.0 ? std::clamp(((x - a.X) * dx + (y - a.Y) * dy) / l2, 0.0, 1.0) : 0.0;
        d = std::min(d, std::hypot(x - a.X - t * dx, y - a.Y - t * dy));
    }
    return d;
}

struct Barra {
    double X1, Y1, X2, Y2;
};

std::vector<Barra> BarreDisegnate(const Parete& p, int faccia) {
    BancoDisegno banco;
    banco.Imp.ScalaDxf = 1.0f;  // model centimetres
    ArmaturaPosizioni(p, 0, 0, faccia, banco.InDxf());
    std::vector<Barra> barre;
    for (const EntitaDxf& e : banco.Flusso.DiTipo("LINE"))
        if (e.Layer == "ARM_INTEGR1" || e.Layer == "ARM_INTEGR2")
            barre.push_back({e.Valori[0], e.Valori[1], e.Valori[2], e.Valori[3]});
    return barre;
}

// Every point of every bar, a centimetre apart: off the wall or inside an
// opening by more than half a centimetre is a fault.
void BarreNelMuro(const Parete& p, const std::vector<Barra>& barre) {
    const std::size_t nc = static_cast<std::size_t>(p.NumPuntiEst);
    for (const Barra& b : barre) {
        const double l = std::hypot(b.X2 - b.X1, b.Y2 - b.Y1);
        ASSERT_GT(l, 0.01) << "a bar of no length at " << b.X1 << ", " << b.Y1;
        const int passi = static_cast<int>(l) + 1;
        for (int s = 0; s <= passi; ++s) {
            const double x = b.X1 + (b.X2 - b.X1) * s / passi, y = b.Y1 + (b.Y2 - b.Y1) * s / passi;
            ASSERT_TRUE(Dentro(p.ContornoArmatura, nc, x, y) || DistanzaDalBordo(p.ContornoArmatura, nc, x, y) <= 0.5)
                << "bar point off the wall: " << x << ", " << y;
            for (int k = 0; k < p.NumAperture; ++k) {
                const std::size_t na = static_cast<std::size_t>(p.PuntiApertura[k]);
                ASSERT_FALSE(Dentro(p.ForiArmatura[k], na, x, y) && DistanzaDalBordo(p.ForiArmatura[k], na, x, y) > 0.5)
                    << "bar point in opening " << k << ": " << x << ", " << y;
            }
        }
    }
}

double SommaLunghezze(const std::vector<Barra>& barre) {
    double s = 0.0;
    for (const Barra& b : barre) s += std::hypot(b.X2 - b.X1, b.Y2 - b.Y1);
    return s;
}

// ---- Zones drawn as the canvas draws them ---------------------------------

// "Disponi armature integrative" on the layer of the face and direction: a
// new zone between two model points, clipped, and stored with the
// reinforcement tail run. False when the clipping found no zone.
bool NuovaZonaDisegnata(Sessione& s, int lato, int direzione, float x1, float y1, float x2, float y2) {
    FinestraRegistrata finestra;
    StatoInterfaccia& st = s.stato;
    st.LatoAttivo = lato;
    st.DirezioneAttiva = direzione;
    st.TipoMappa = 5 + 2 * direzione + lato;
    st.Modo = ModoInput::NuovaZonaInCorso;
    st.NuovoElemento = -1;
    st.DuplicaOpposto = 0;
    ImpostaZonaDaPunti(st, s.parete, s.imp, x1, y1, x2, y2);
    if (!CreaPosizioneDaSelezione(s, finestra, OrigineZona::Nuova, st.Modo)) return false;
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    return ConfermaPosizione(s, finestra);
}

const PosizioneArm& UnicaPosizione(const Parete& p) { return p.Posizioni[p.UltPosizione]; }

std::vector<PuntoPreciso> Anello(const Parete& p, int i) {
    std::vector<PuntoPreciso> r;
    for (int j = 0; j <= p.Posizioni[i].UltVerticeZona; ++j) r.push_back({p.PoligoniPos[i][j].X, p.PoligoniPos[i][j].Y});
    return r;
}

}  // namespace

// A band of horizontal bars across the door of the generated wall (x 97..223
// with the cover, taller than the band): the door's part of the band is cut
// away, and the bars stop at its jambs.
TEST(RitagliaZonaRegione, BandAcrossTheDoorOfTheGeneratedWall) {
    CartellaTemporanea cartella;
    Sessione s;
    LeggiPareteGenerata(s, cartella.Percorso(), 300);
    ASSERT_TRUE(NuovaZonaDisegnata(s, IntegrativaPiu, 1, -55, 156, 516, 201));
    const Parete& p = s.parete;
    const PosizioneArm& pos = UnicaPosizione(p);
    // 3..97 and 223..577.5 by 158.5..198.5.
    const std::vector<std::vector<PuntoPreciso>> anelli{Anello(p, p.UltPosizione)};
    EXPECT_NEAR(AreaPari(anelli), (94.0 + 354.5) * 40.0, 1e-3);
    EXPECT_NEAR(AreaPari(anelli), AreaAttesa(p, s.imp, pos), 1e-3);
    const std::vector<Barra> barre = BarreDisegnate(p, IntegrativaPiu);
    ASSERT_EQ(barre.size(), 4u);  // two lines, each in two pieces
    BarreNelMuro(p, barre);
    for (const Barra& b : barre) EXPECT_TRUE(std::max(b.X1, b.X2) <= 97.001 || std::min(b.X1, b.X2) >= 222.999);
    EXPECT_LT(pos.LungTotale, 1188.0f);
    const auto misura = MisuraArmaturaPosizioni(p, s.imp, IntegrativaPiu);
    ASSERT_TRUE(misura.has_value());
    EXPECT_FLOAT_EQ(misura->back().LungTotale, pos.LungTotale);
}

// The sample wall after "Progetto armatura diffusa" with the defaults: a zone
// of direction 1 "lato +" near, not over, the right opening (597..703 x
// 57..183) was stored with that opening's ring joined to it.
TEST(RitagliaZonaRegione, ZoneOfTheSampleWallLeavesTheFarOpeningAlone) {
    CartellaTemporanea cartella;
    const std::filesystem::path file = cartella.Percorso() / "PARETE_ESEMPIO.SET";
    std::filesystem::copy_file(PercorsoEsempio("PARETE_ESEMPIO.SET"), file);
    Sessione s;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, file.string(), finestra).Riuscito());
    ApplicaProgettoDiffusa(s, finestra);
    ASSERT_TRUE(NuovaZonaDisegnata(s, IntegrativaPiu, 0, 107, 365, 325.5f, 246));
    const Parete& p = s.parete;
    const int i = p.UltPosizione;
    EXPECT_EQ(p.Posizioni[i].UltVerticeZona + 1, 6);
    for (const PuntoPreciso& v : Anello(p, i)) EXPECT_LT(v.X, 400.0) << "a vertex of the far opening";
    const std::vector<Barra> barre = BarreDisegnate(p, IntegrativaPiu);
    BarreNelMuro(p, barre);
    StatoInterfaccia st;
    st.PoligonoCorrente = p.PoligoniPos[i];
    st.UltPuntoCorrente = p.Posizioni[i].UltVerticeZona;
    EXPECT_NEAR(AreaMemorizzata(st), AreaAttesa(p, s.imp, p.Posizioni[i]), 0.5);
}

namespace {

struct CasoRegione {
    std::string nome;
    std::vector<std::array<float, 4>> aperture = {};  // x1, y1, x2, y2 before the cover
    std::array<Punto, 4> zona;                   // clockwise corners of a ring beam's band
    int direzione = 1;                           // of the bars laid in it
    double area = 0.0;
    int vertici = 0;                             // of the stored polygon; 0: not checked
    int barrePerLinea = 0;                       // 0: not checked
};

void PrintTo(const CasoRegione& c, std::ostream* os) { *os << c.nome; }

std::array<Punto, 4> Riquadro4(float x1, float y1, float x2, float y2) {
    return {Punto{x1, y1}, Punto{x1, y2}, Punto{x2, y2}, Punto{x2, y1}};
}

class RitagliaZonaCasi : public testing::TestWithParam<CasoRegione> {};

}  // namespace

// A 400 x 300 wall (outline 3..397 x 3..297 with the cover); the bands are
// ring-beam zones, clipped as given, whose polygon then lays bars as a zone.
TEST_P(RitagliaZonaCasi, CoversTheRegionAndLaysItsBars) {
    const CasoRegione& c = GetParam();
    Parete p = PareteAssiArmata(400, 300);
    for (const auto& a : c.aperture) AggiungiApertura(p, a[0], a[1], a[2], a[3]);
    CalcolaContorniArmatura(p);
    Impostazioni imp;
    ValoriDefault(imp);
    StatoInterfaccia s;
    s.PosCorrente.Tipo = Cordolo;
    s.PosCorrente.Vertici = c.zona;
    ASSERT_TRUE(RitagliaZona(s, p, imp));
    EXPECT_NEAR(AreaMemorizzata(s), c.area, 1e-3);
    EXPECT_NEAR(AreaAttesa(p, imp, s.PosCorrente), c.area, 1e-3);
    if (c.vertici > 0) {
        EXPECT_EQ(s.UltPuntoCorrente + 1, c.vertici);
    }

    Punti poligono(s.PoligonoCorrente.begin(), s.PoligonoCorrente.begin() + s.UltPuntoCorrente + 1);
    AggiungiZona(p, poligono, IntegrativaPiu, c.direzione, 12, 10.0f, {0, 0}, {0, 1}, {0, 0});
    const std::vector<Barra> barre = BarreDisegnate(p, IntegrativaPiu);
    ASSERT_FALSE(barre.empty());
    BarreNelMuro(p, barre);
    if (c.barrePerLinea > 0) {
        // Lines 10 cm apart: count the bars of each.
        std::vector<double> linee;
        for (const Barra& b : barre) linee.push_back(c.direzione == 1 ? b.Y1 : b.X1);
        for (const double l : linee)
            EXPECT_EQ(std::count(linee.begin(), linee.end(), l), c.barrePerLinea) << "line " << l;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, RitagliaZonaCasi,
    testing::Values(
        CasoRegione{.nome = "bottom side on the outline",
                    .zona = Riquadro4(100, 3, 200, 100), .area = 100.0 * 97.0, .vertici = 4, .barrePerLinea = 1},
        CasoRegione{.nome = "corner on the outline's corner, sides along it",
                    .zona = Riquadro4(3, 3, 100, 297), .area = 97.0 * 294.0, .vertici = 4, .barrePerLinea = 1},
        CasoRegione{.nome = "side on the outline and past the others",
                    .zona = Riquadro4(-50, 3, 397, 50), .area = 394.0 * 47.0},
        CasoRegione{.nome = "corner touching an opening's corner",
                    .aperture = {{150, 150, 250, 250}},
                    .zona = Riquadro4(50, 50, 147, 147), .area = 97.0 * 97.0, .vertici = 4, .barrePerLinea = 1},
        CasoRegione{.nome = "side along an opening's side",
                    .aperture = {{150, 150, 250, 250}},
                    .zona = Riquadro4(50, 160, 147, 240), .area = 97.0 * 80.0, .vertici = 4, .barrePerLinea = 1},
        CasoRegione{.nome = "band across one opening, bars along it",
                    .aperture = {{100, 100, 140, 200}},
                    .zona = Riquadro4(50, 130, 350, 170), .area = (300.0 - 46.0) * 40.0, .barrePerLinea = 2},
        CasoRegione{.nome = "band across two openings, bars along it",
                    .aperture = {{100, 100, 140, 200}, {250, 100, 290, 200}},
                    .zona = Riquadro4(50, 130, 350, 170), .area = (300.0 - 92.0) * 40.0, .barrePerLinea = 3},
        CasoRegione{.nome = "band across two openings, bars across it",
                    .aperture = {{100, 100, 140, 200}, {250, 100, 290, 200}},
                    .zona = Riquadro4(50, 130, 350, 170), .direzione = 0, .area = (300.0 - 92.0) * 40.0,
                    .barrePerLinea = 1},
        CasoRegione{.nome = "opening inside, bars across its slit",
                    .aperture = {{150, 150, 250, 250}},
                    .zona = Riquadro4(100, 100, 300, 280), .direzione = 0,
                    .area = 200.0 * 180.0 - 106.0 * 106.0}),
    [](const testing::TestParamInfo<CasoRegione>& i) {
        std::string n = i.param.nome;
        std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return n;
    });

namespace {

// A wall of our own: a rectangle or an L, with two or three rectangular
// openings apart from each other and from the sides, axis or skewed
// reinforcement directions; legs of no length and no lap, so that a bar's
// measured length is its drawn length rounded to the centimetre.
Parete PareteCasuale(std::mt19937& g, bool obliqua) {
    std::uniform_int_distribution<int> dado(0, 1);
    const float w = 600.0f, h = 400.0f;
    Parete p = dado(g) ? PareteDaContorno({{0, 0}, {0, h}, {w, h}, {w, 0}})
                       : PareteDaContorno({{0, 0}, {0, h}, {350, h}, {350, 250}, {w, 250}, {w, 0}});
    // Direction 1 at GradiArm1, direction 2 at GradiArm1 + GradiArm2: the
    // bar angles the anchorage widening takes.
    const float gradi = 3.14159265f / 180.0f;
    p.GradiArm1 = obliqua ? 60.0f : 90.0f;
    p.GradiArm2 = obliqua ? 80.0f : 90.0f;
    p.AngoloArm1 = p.GradiArm1 * gradi;
    p.AngoloArm2 = obliqua ? -p.GradiArm2 * gradi : p.AngoloArm1;
    CalcolaDirezioni(p);
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 10;
    p.SpessoreParete = 2.0f * p.Copriferro + 2.0f;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    // Openings in three slots along the bottom band, one or two rows.
    std::uniform_int_distribution<int> passo(0, 5);
    for (int k = 0; k < 3; ++k) {
        if (k == 2 && dado(g)) break;
        const float x1 = 40.0f + 190.0f * static_cast<float>(k) + 5.0f * static_cast<float>(passo(g));
        const float y1 = 40.0f + 10.0f * static_cast<float>(passo(g));
        AggiungiApertura(p, x1, y1, x1 + 60.0f + 10.0f * static_cast<float>(passo(g)), y1 + 90.0f + 10.0f * static_cast<float>(passo(g)));
    }
    CalcolaEstensione(p);
    CalcolaContorniArmatura(p);
    return p;
}

// A corner coordinate: a vertex of the outline or of an opening (on their
// sides), or any whole centimetre over the wall and a little past it.
Punto AngoloCasuale(std::mt19937& g, const Parete& p) {
    std::vector<Punto> notevoli(p.ContornoArmatura.begin(), p.ContornoArmatura.begin() + p.NumPuntiEst);
    for (int k = 0; k < p.NumAperture; ++k)
        notevoli.insert(notevoli.end(), p.ForiArmatura[k].begin(), p.ForiArmatura[k].begin() + p.PuntiApertura[k]);
    std::uniform_int_distribution<int> scelta(0, 2);
    std::uniform_int_distribution<std::size_t> quale(0, notevoli.size() - 1);
    std::uniform_int_distribution<int> libero(-40, 640);
    const Punto a = notevoli[quale(g)], b = notevoli[quale(g)];
    switch (scelta(g)) {
        case 0: return a;
        case 1: return {a.X, b.Y};
        default: return {static_cast<float>(libero(g)), static_cast<float>(libero(g)) * 0.7f};
    }
}

}  // namespace

TEST(RitagliaZonaRegione, SeededZonesOnGeneratedWallsCoverTheRegionAndLayTheirBars) {
    std::mt19937 g(20261211);
    Impostazioni imp;
    ValoriDefault(imp);
    imp.LungMaxFerri = 100000.0f;
    int zone = 0, conBarre = 0;
    for (int parete = 0; parete < 8; ++parete) {
        const Parete base = PareteCasuale(g, parete % 2 == 1);
        for (int z = 0; z < 45; ++z) {
            const Punto a = AngoloCasuale(g, base), b = AngoloCasuale(g, base);
            if (std::fabs(a.X - b.X) < 25.0f || std::fabs(a.Y - b.Y) < 25.0f) continue;
            const int faccia = z % 2, direzione = (z / 2) % 2;
            SCOPED_TRACE("wall " + std::to_string(parete) + " zone " + std::to_string(z) + " (" +
                         std::to_string(a.X) + ", " + std::to_string(a.Y) + ") (" + std::to_string(b.X) +
                         ", " + std::to_string(b.Y) + ") face " + std::to_string(faccia) + " direction " +
                         std::to_string(direzione));
            Parete p = base;
            StatoInterfaccia s;
            s.DirezioneAttiva = direzione;
            s.PosCorrente.Tipo = faccia;
            s.PosCorrente.Direzione = direzione;
            s.PosCorrente.Diametro = 12;
            s.PosCorrente.Passo = 15.0f;
            ImpostaZonaDaPunti(s, p, imp, a.X, a.Y, b.X, b.Y);
            const double attesa = AreaAttesa(p, imp, s.PosCorrente);
            ++zone;
            if (!RitagliaZona(s, p, imp)) {
                EXPECT_LT(attesa, 0.01);
                continue;
            }
            ASSERT_NEAR(AreaMemorizzata(s), attesa, 0.05 + 2e-6 * attesa);
            s.NuovoElemento = -1;
            s.IndiceCorrente = 0;
            ASSERT_EQ(ConfermaPosizione(p, s), EsitoPosizione::Memorizzata);
            const std::vector<Barra> barre = BarreDisegnate(p, faccia);
            BarreNelMuro(p, barre);
            const auto misura = MisuraArmaturaPosizioni(p, imp, faccia);
            ASSERT_TRUE(misura.has_value() && misura->size() == 1u);
            // Each bar is measured in whole centimetres.
            EXPECT_NEAR(misura->front().LungTotale, SommaLunghezze(barre), static_cast<double>(barre.size()));
            if (!barre.empty()) ++conBarre;
        }
    }
    EXPECT_GT(zone, 250);
    EXPECT_GT(conBarre, 150);
}

namespace {

// A zone drawn on the sample wall (an L, 800 x 400 less a 300 x 150 notch at
// the top right, outline 3..797 x 3..397 with the notch corner at (497, 247),
// two openings), its directions rewritten to gradi1 / gradi2 in the file.
struct CasoZonaDisegnata {
    std::string nome;
    int gradi1 = 90, gradi2 = 90;
    int lato = IntegrativaPiu;
    int direzione = 0;
    std::array<float, 4> punti;  // x1, y1, x2, y2 as picked
};

void PrintTo(const CasoZonaDisegnata& c, std::ostream* os) { *os << c.nome; }

// Area where the stored ring and the region (widened zone inside the outline
// less the openings, each cut to the convex zone by the test's own clipper)
// disagree: an even-odd count over all their rings.
double AreaScarto(const Parete& p, const Impostazioni& imp, int i) {
    const PosizioneArm& pos = p.Posizioni[i];
    const auto z = ZonaAllargata(p, imp, pos);
    const auto taglia = [&](const Punti& anello, int n) {
        std::vector<std::array<double, 2>> soggetto = Doppi(anello, static_cast<std::size_t>(n));
        std::vector<std::array<double, 2>> convesso = z;
        if (AreaConSegno(convesso) < 0.0) std::reverse(convesso.begin(), convesso.end());
        for (std::size_t k = 0; k < convesso.size() && !soggetto.empty(); ++k) {
            const auto a = convesso[k];
            const auto b = convesso[(k + 1) % convesso.size()];
            const auto lato = [&](const std::array<double, 2>& q) {
                return (b[0] - a[0]) * (q[1] - a[1]) - (b[1] - a[1]) * (q[0] - a[0]);
            };
            const auto entrata = std::move(soggetto);
            soggetto.clear();
            for (std::size_t j = 0; j < entrata.size(); ++j) {
                const auto u = entrata[j], v = entrata[(j + 1) % entrata.size()];
                const double lu = lato(u), lv = lato(v);
                if (lu >= 0.0) soggetto.push_back(u);
                if ((lu >= 0.0) != (lv >= 0.0)) {
                    const double t = lu / (lu - lv);
                    soggetto.push_back({u[0] + t * (v[0] - u[0]), u[1] + t * (v[1] - u[1])});
                }
            }
        }
        std::vector<PuntoPreciso> r;
        for (const auto& q : soggetto) r.push_back({q[0], q[1]});
        return r;
    };
    std::vector<std::vector<PuntoPreciso>> anelli{Anello(p, i), taglia(p.ContornoArmatura, p.NumPuntiEst)};
    for (int k = 0; k < p.NumAperture; ++k) anelli.push_back(taglia(p.ForiArmatura[k], p.PuntiApertura[k]));
    return AreaPari(anelli);
}

// The sample wall with its two direction lines rewritten.
void LeggiEsempioRuotato(Sessione& s, const std::filesystem::path& cartella, int gradi1, int gradi2) {
    std::ifstream in(PercorsoEsempio("PARETE_ESEMPIO.SET"), std::ios::binary);
    std::ostringstream testo;
    testo << in.rdbuf();
    std::string t = testo.str();
    const auto riscrivi = [&](const std::string& coda, int gradi) {
        const std::size_t fine = t.find(coda);
        ASSERT_NE(fine, std::string::npos);
        const std::size_t inizio = t.rfind('\n', fine) + 1;
        const std::size_t spazio = t.find(' ', inizio);
        t.replace(inizio, spazio - inizio, std::to_string(gradi));
    };
    riscrivi("Direzione 1", gradi1);
    riscrivi("Direzione 2", gradi2);
    const std::filesystem::path file = cartella / "PARETE_ESEMPIO.SET";
    std::ofstream(file, std::ios::binary) << t;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, file.string(), finestra).Riuscito());
    ApplicaProgettoDiffusa(s, finestra);
}

class ZonaComeRegione : public testing::TestWithParam<CasoZonaDisegnata> {};

}  // namespace

// The stored polygon is the region, within 1 cm2 + 0.1 %, also for a zone
// that holds every node of the wall, and its bars stay on the wall.
TEST_P(ZonaComeRegione, StoresTheRegionAndNothingOutsideIt) {
    const CasoZonaDisegnata& c = GetParam();
    CartellaTemporanea cartella;
    Sessione s;
    LeggiEsempioRuotato(s, cartella.Percorso(), c.gradi1, c.gradi2);
    ASSERT_TRUE(NuovaZonaDisegnata(s, c.lato, c.direzione, c.punti[0], c.punti[1], c.punti[2], c.punti[3]));
    const Parete& p = s.parete;
    const int i = p.UltPosizione;
    const double attesa = AreaAttesa(p, s.imp, p.Posizioni[i]);
    ASSERT_GT(attesa, 1.0);
    EXPECT_LE(AreaScarto(p, s.imp, i), 1.0 + 1e-3 * attesa);
    BarreNelMuro(p, BarreDisegnate(p, c.lato));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ZonaComeRegione,
    testing::Values(
        // Seen: the whole outline was stored, 2 cm strips above and below the
        // zone (5..395 once its width is a multiple of 5 cm): 2 x (794 + 494) = 2,576 cm2.
        CasoZonaDisegnata{.nome = "every node, sides through the outline's corners",
                          .direzione = 1, .punti = {3, 3, 797, 397}},
        CasoZonaDisegnata{.nome = "corner on the notch vertex", .direzione = 0, .punti = {103, 53, 497, 247}},
        CasoZonaDisegnata{.nome = "side through the notch vertex, past the outline", .direzione = 1,
                          .punti = {-100, 247, 900, 100}},
        CasoZonaDisegnata{.nome = "skewed 105 and 60, direction 1, every node", .gradi1 = 105, .gradi2 = 60,
                          .direzione = 0, .punti = {-300, -300, 1100, 700}},
        CasoZonaDisegnata{.nome = "skewed 105 and 60, direction 2, past the outline", .gradi1 = 105,
                          .gradi2 = 60, .lato = IntegrativaMeno, .direzione = 1, .punti = {-100, -50, 600, 500}},
        CasoZonaDisegnata{.nome = "skewed 40 and 10, direction 1, every node", .gradi1 = 40, .gradi2 = 10,
                          .direzione = 0, .punti = {-300, -300, 1100, 700}},
        CasoZonaDisegnata{.nome = "skewed 105 and 60, direction 2, every node within the outline's corners",
                          .gradi1 = 105, .gradi2 = 60, .direzione = 1, .punti = {3, 3, 797, 397}},
        CasoZonaDisegnata{.nome = "skewed 40 and 10, direction 1, every node within the outline's corners",
                          .gradi1 = 40, .gradi2 = 10, .direzione = 0, .punti = {3, 3, 797, 397}},
        CasoZonaDisegnata{.nome = "skewed 40 and 10, direction 2, past the outline", .gradi1 = 40,
                          .gradi2 = 10, .lato = IntegrativaMeno, .direzione = 1, .punti = {200, -100, 900, 300}},
        // Seen: a band across the notch, its two pieces joined along the band's
        // side through the notch, laid a bar of no length off the wall.
        CasoZonaDisegnata{.nome = "skewed 40 and 10, band across the notch, past the outline", .gradi1 = 40,
                          .gradi2 = 10, .direzione = 0, .punti = {1017, 102, 431, 334}},
        // Seen: the same from the notch vertex, the pick on the outline's corner.
        CasoZonaDisegnata{.nome = "skewed 40 and 10, band from the notch vertex", .gradi1 = 40,
                          .gradi2 = 10, .direzione = 0, .punti = {797, 247, 417, 388}},
        // A thin band (one bar line) along direction 1 across the notch.
        CasoZonaDisegnata{.nome = "skewed 40 and 10, thin band across the notch", .gradi1 = 40,
                          .gradi2 = 10, .lato = IntegrativaMeno, .direzione = 0, .punti = {797, 122, 636, 247}}),
    [](const testing::TestParamInfo<CasoZonaDisegnata>& i) {
        std::string n = i.param.nome;
        std::replace_if(n.begin(), n.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return n;
    });
