#include "drawing/ManiglieZona.h"
#include "drawing/Palette.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include "PareteDiProva.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Quattro = std::array<float, 4>;

// A ring beam of 100 x 50 cm from (100, 100): at 2 pixels per cm its
// corners fall on (200, 400), (400, 400), (400, 300), (200, 300) and its
// centre on (300, 350). The rubber band is dragged over the same corners.
struct Banco : BancoDisegno {
    Parete Dir = PareteAssi();
    StatoInterfaccia Stato;

    Banco() {
        Stato.PosCorrente.Tipo = Cordolo;
        Stato.PosCorrente.Vertici = {Punto{100, 100}, Punto{200, 100}, Punto{200, 150},
                                     Punto{100, 150}};
        Stato.XA = 200, Stato.YA = 400, Stato.XB = 400, Stato.YB = 300;
    }

    void Ridisegno() { DisZonaInModifica(Dir, Imp, Stato, Tela, VistaTela); }

    std::vector<TrattoTela> Maniglie() const { return Tela.DelloStrato(StratoTela::Immagine); }
    std::vector<TrattoTela> Elastico() const { return Tela.DelloStrato(StratoTela::Transitorio); }
};

Quattro Valori(const TrattoTela& t) { return {t.Valori[0], t.Valori[1], t.Valori[2], t.Valori[3]}; }

}  // namespace

TEST(DisManiglie, AngoliPieniCentroContornato) {
    for (const int sfondoBianco : {0, 1}) {
        SCOPED_TRACE(sfondoBianco);
        Banco b;
        b.Imp.SfondoBianco = sfondoBianco;
        DisManiglie(b.Stato.PosCorrente, b.Schermo());
        const int colore = ColoreBase(sfondoBianco != 0 ? 4 : 13);
        const int bianco = ColoreBase(15);

        const auto tratti = b.Tela.Tratti;
        ASSERT_EQ(tratti.size(), 8u);
        const std::array<Quattro, 4> angoli = {Quattro{197, 397, 203, 403}, {397, 397, 403, 403},
                                               {397, 297, 403, 303}, {197, 297, 203, 303}};
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(tratti[i].Tipo, "Riquadro");
            EXPECT_TRUE(tratti[i].Pieno);
            EXPECT_EQ(tratti[i].Colore, colore);
            EXPECT_EQ(Valori(tratti[i]), angoli[i]);
        }
        EXPECT_EQ(tratti[4].Tipo, "Linea");
        EXPECT_EQ(Valori(tratti[4]), (Quattro{300, 338, 300, 362}));
        EXPECT_EQ(tratti[5].Tipo, "Linea");
        EXPECT_EQ(Valori(tratti[5]), (Quattro{288, 350, 312, 350}));
        EXPECT_EQ(tratti[4].Colore, bianco);
        EXPECT_EQ(tratti[5].Colore, bianco);
        EXPECT_EQ(tratti[6].Tipo, "Riquadro");
        EXPECT_FALSE(tratti[6].Pieno);
        EXPECT_EQ(tratti[6].Colore, bianco);
        EXPECT_EQ(Valori(tratti[6]), (Quattro{296, 346, 304, 354}));
        EXPECT_EQ(tratti[7].Tipo, "Riquadro");
        EXPECT_TRUE(tratti[7].Pieno);
        EXPECT_EQ(tratti[7].Colore, colore);
        EXPECT_EQ(Valori(tratti[7]), (Quattro{297, 347, 303, 353}));
    }
}

TEST(DisZonaInModifica, ElasticoSulTransitorioManiglieSullImmagine) {
    Banco b;
    b.Stato.Modo = ModoInput::ModificaZona;
    b.Ridisegno();
    const auto elastico = b.Elastico();
    ASSERT_EQ(elastico.size(), 4u);
    for (const TrattoTela& t : elastico) {
        EXPECT_EQ(t.Colore, ColoreBase(14));
        EXPECT_EQ(t.Stile, StileTratto::Punteggiato);
    }
    EXPECT_EQ(b.Maniglie().size(), 8u);

    // While the zone is being edited every redraw shows them.
    b.Tela.Cancella(StratoTela::Immagine);
    b.Tela.Cancella(StratoTela::Transitorio);
    b.Ridisegno();
    EXPECT_EQ(b.Maniglie().size(), 8u);
    EXPECT_EQ(b.Elastico().size(), 4u);
}

TEST(DisZonaInModifica, ManiglieChiesteUnaVoltaDisegnateUnaVolta) {
    Banco b;
    b.Stato.MostraManiglie = 1;
    b.Ridisegno();
    EXPECT_EQ(b.Maniglie().size(), 8u);
    EXPECT_EQ(b.Elastico().size(), 4u);
    EXPECT_EQ(b.Stato.MostraManiglie, 0);

    b.Tela.Cancella(StratoTela::Immagine);
    b.Tela.Cancella(StratoTela::Transitorio);
    b.Ridisegno();
    EXPECT_TRUE(b.Tela.Tratti.empty());
}

TEST(DisZonaInModifica, NullaFuoriDallaModificaDiZona) {
    for (const int modo : {ModoInput::Inattivo, ModoInput::NuovaZona, ModoInput::TrascinaZona,
                           ModoInput::PosizioneAperta}) {
        SCOPED_TRACE(modo);
        Banco b;
        b.Stato.Modo = modo;
        b.Ridisegno();
        EXPECT_TRUE(b.Tela.Tratti.empty());
    }
}
