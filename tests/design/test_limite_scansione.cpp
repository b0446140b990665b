#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioDxf.h"
#include "model/Impostazioni.h"
#include "model/LimiteScansione.h"
#include "model/Parete.h"

#include "FlussoDxfRegistrato.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

constexpr float Assurda = 3.4e38f;  // cm: no wall reaches it

// A vertex far off, as a reinforcement file or the perimeter editor can give
// it, on a 500 x 300 wall with bars at 20 cm: every sweep stays within the
// outline and its margin, so a scan across y lays no more lines than
// (300 + 2 x margin) / 20 + 1.
struct CasoAssurdo {
    const char* nome;
    std::function<void(Parete&)> modifica;
    std::function<void(const Parete&, const Bersaglio&)> disegna;
    std::string layer;
};

void PrintTo(const CasoAssurdo& c, std::ostream* os) { *os << c.nome; }

class VerticeAssurdo : public testing::TestWithParam<CasoAssurdo> {};

TEST_P(VerticeAssurdo, LeScansioniRestanoSullaParete) {
    const CasoAssurdo& c = GetParam();
    Parete p = PareteAssiArmata(500.0f, 300.0f);
    c.modifica(p);
    const Impostazioni imp;
    FlussoDxfRegistrato flusso;
    const StatoDxf stato{1, 0.0f, 0.0f};
    c.disegna(p, BersaglioDxf(flusso, stato, imp));
    int linee = 0;
    for (const EntitaDxf& e : flusso.DiTipo("LINE")) linee += e.Layer == c.layer ? 1 : 0;
    EXPECT_GT(linee, 0);
    EXPECT_LE(linee, static_cast<int>((300.0f + 2.0f * MargineOltreContorno) / 20.0f) + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, VerticeAssurdo,
    testing::Values(
        CasoAssurdo{.nome = "PerimetroEsternoY3e4e38",
                    .modifica =
                        [](Parete& p) {
                            p.PerimetroEsterno[1].Y = Assurda;
                            CalcolaContorniArmatura(p);
                        },
                    .disegna = [](const Parete& p,
                                  const Bersaglio& b) { ArmaturaDiffusa(p, 0.0f, 0.0f, 0, b); },
                    .layer = "ARM_DIFFUSA2"},
        CasoAssurdo{.nome = "ZonaFinoAY3e4e38",
                    .modifica =
                        [](Parete& p) {
                            (void)AggiungiZona(p, {{100, 50}, {100, Assurda}, {200, Assurda}, {200, 50}},
                                               IntegrativaPiu, 1, 12, 20.0f, {150, 100}, {250, 100},
                                               {260, 100});
                        },
                    .disegna = [](const Parete& p,
                                  const Bersaglio& b) { ArmaturaPosizioni(p, 0.0f, 0.0f, 0, b); },
                    .layer = "ARM_INTEGR2"}),
    [](const testing::TestParamInfo<CasoAssurdo>& info) { return info.param.nome; });

TEST(PrimaLineaNelTratto, SaltaAllaPrimaLineaNelTrattoSenzaSpostareLeAltre) {
    EXPECT_FLOAT_EQ(PrimaLineaNelTratto(4.0f, 20.0f, -1000.0f), 4.0f);
    EXPECT_FLOAT_EQ(PrimaLineaNelTratto(4.0f, 20.0f, 50.0f), 64.0f);
    EXPECT_FLOAT_EQ(PrimaLineaNelTratto(4.0f, 20.0f, 64.0f), 64.0f);
    EXPECT_FLOAT_EQ(PrimaLineaNelTratto(-Assurda, 20.0f, -1000.0f), -1000.0f);
}

}  // namespace
