#include "drawing/DisPerimetri.h"
#include "drawing/LayerPassata.h"
#include "model/Parete.h"

#include "PareteDiProva.h"
#include "TelaRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Segmento = std::array<float, 4>;

// A 200 x 100 wall whose inner perimeter was moved to a triangle, with a
// rectangular opening, drawn with the DXF scale 1 so entity coordinates
// read as model cm.
struct Banco : BancoDisegno {
    Parete P = PareteRettangolare(200, 100);

    Banco() {
        P.PerimetroInterno = Chiuso({{10, 10}, {10, 90}, {190, 10}});
        P.NumPuntiInt = 3;
        AggiungiApertura(P, 50, 20, 80, 60);
        Imp.ScalaDxf = 1.0f;
    }

    std::vector<EntitaDxf> Linee() const { return Flusso.DiTipo("LINE"); }
};

Segmento Estremi(const EntitaDxf& e) {
    return {e.Valori[0], e.Valori[1], e.Valori[2], e.Valori[3]};
}

}  // namespace

TEST(DisPerimetri, InternoPunteggiatoEsternoEApertureContinui) {
    Banco b;
    DisPerimetri(b.P, 1000, -10, b.InDxf());
    const auto linee = b.Linee();
    ASSERT_EQ(linee.size(), 3u + 4u + 4u);
    std::vector<Segmento> estremi;
    for (const EntitaDxf& e : linee) {
        EXPECT_EQ(e.Layer, "PERIM_PARETI");
        estremi.push_back(Estremi(e));
    }
    const std::vector<Segmento> attesi = {
        // inner perimeter, closed back to its first vertex
        {1010, 0, 1010, 80}, {1010, 80, 1190, 0}, {1190, 0, 1010, 0},
        // outer perimeter
        {1000, -10, 1000, 90}, {1000, 90, 1200, 90}, {1200, 90, 1200, -10}, {1200, -10, 1000, -10},
        // opening
        {1050, 10, 1050, 50}, {1050, 50, 1080, 50}, {1080, 50, 1080, 10}, {1080, 10, 1050, 10}};
    EXPECT_EQ(estremi, attesi);
    for (std::size_t i = 0; i < linee.size(); ++i)
        EXPECT_EQ(linee[i].Interi[0], i < 3 ? Stile::Punteggiato2 : Stile::Pieno) << i;
}

TEST(DisPerimetri, AnelliConMenoDiDuePuntiNonDisegnati) {
    struct Caso {
        const char* nome;
        int puntiInterno, puntiEsterno, puntiApertura;
        std::size_t linee;
    };
    const std::vector<Caso> casi = {
        {.nome = "interno di un punto", .puntiInterno = 1, .puntiEsterno = 4, .puntiApertura = 4,
         .linee = 8},
        {.nome = "esterno vuoto", .puntiInterno = 3, .puntiEsterno = 0, .puntiApertura = 4,
         .linee = 7},
        {.nome = "apertura di un punto", .puntiInterno = 3, .puntiEsterno = 4,
         .puntiApertura = 1, .linee = 7},
        {.nome = "due punti: andata e ritorno", .puntiInterno = 2, .puntiEsterno = 4,
         .puntiApertura = 4, .linee = 10},
        // Counts beyond what the arrays hold draw what is there.
        {.nome = "conteggi oltre gli array", .puntiInterno = 50, .puntiEsterno = 4,
         .puntiApertura = 9, .linee = 4 + 4 + 4},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b;
        b.P.NumPuntiInt = c.puntiInterno;
        b.P.NumPuntiEst = c.puntiEsterno;
        b.P.PuntiApertura[0] = c.puntiApertura;
        DisPerimetri(b.P, 0, 0, b.InDxf());
        EXPECT_EQ(b.Linee().size(), c.linee);
    }
}

TEST(DisPerimetri, SulloSchermoInternoPunteggiatoESoloColLayerAcceso) {
    Banco b;
    DisPerimetri(b.P, 0, 0, b.Schermo(MascheraPassata(b.Imp, Passata::Schermo)));
    const auto linee = b.Tela.DiTipo("Linea");
    ASSERT_EQ(linee.size(), 11u);
    for (std::size_t i = 0; i < linee.size(); ++i) {
        EXPECT_EQ(linee[i].Stile, i < 3 ? StileTratto::Punteggiato : StileTratto::Continuo) << i;
        EXPECT_EQ(linee[i].Colore, b.Imp.ColoriSchermo[Layer::PerimPareti]);
        EXPECT_EQ(linee[i].Strato, StratoTela::Immagine);
    }

    b.Tela.Tratti.clear();
    b.Imp.LayerVisibili[Layer::PerimPareti] = 0;
    DisPerimetri(b.P, 0, 0, b.Schermo(MascheraPassata(b.Imp, Passata::Schermo)));
    EXPECT_TRUE(b.Tela.Tratti.empty());
}
