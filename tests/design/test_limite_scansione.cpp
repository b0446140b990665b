#include "design/ArmaturaDiffusa.h"
#include "design/ArmaturaPosizioni.h"
#include "design/ContorniArmatura.h"
#include "drawing/BersaglioDxf.h"
#include "model/Estensione.h"
#include "model/Impostazioni.h"
#include "model/LimiteScansione.h"
#include "model/Parete.h"

#include "FlussoDxfRegistrato.h"
#include "PareteDiProva.h"
#include "SessionePosizioni.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

constexpr float Assurda = 3.4e38f;  // cm: no wall reaches it

// A 500 x 300 wall, 12/20 on every layer, its contours built.
Parete PareteNormale() {
    Parete p = PareteRettangolare(500.0f, 300.0f);
    p.SpessoreParete = 30.0f;
    p.Copriferro = 3.0f;
    p.DiamDir1Piu = p.DiamDir2Piu = p.DiamDir1Meno = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir2Piu = p.PassoDir1Meno = p.PassoDir2Meno = 20.0f;
    CalcolaEstensione(p);
    CalcolaContorniArmatura(p);
    return p;
}

// A vertex far off, as a reinforcement file or the perimeter editor can give
// it: every sweep stays within the outline and its margin, so a scan across
// y lays no more lines than (300 + 2 x margin) / 20 + 1.
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
    Parete p = PareteNormale();
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
                            PosizioneArm pos = ZonaRettangolare(IntegrativaPiu, 1, 100.0f, 50.0f, 200.0f, Assurda);
                            pos.EstDir[2] = {100.0f, 50.0f};
                            pos.EstDir[3] = {100.0f, Assurda};
                            AccodaPosizione(p, pos, Riquadro(100.0f, 50.0f, 200.0f, Assurda));
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
