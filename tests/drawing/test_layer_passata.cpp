#include "drawing/LayerPassata.h"
#include "drawing/Primitive.h"
#include "model/Impostazioni.h"

#include "TelaRegistrata.h"

#include <gtest/gtest.h>

namespace {

// Settings whose screen and DXF flags differ: dimensions hidden on the
// screen only, bar labels left out of the DXF only.
Impostazioni ImpostazioniDiProva() {
    Impostazioni imp;
    imp.LayerVisibili.fill(1);
    imp.LayerDxf.fill(1);
    imp.LayerVisibili[Layer::Quote] = 0;
    imp.LayerDxf[Layer::TestoFerri] = 0;
    imp.LayerDxf[Layer::PerimSezioni] = 0;
    return imp;
}

}  // namespace

TEST(MascheraPassata, SchermoDaiVisibiliDxfDaiLayerDxf) {
    const Impostazioni imp = ImpostazioniDiProva();
    const MascheraLayer schermo = MascheraPassata(imp, Passata::Schermo);
    const MascheraLayer dxf = MascheraPassata(imp, Passata::Dxf);
    for (int layer = 0; layer < NumLayer; ++layer) {
        SCOPED_TRACE(layer);
        EXPECT_EQ(schermo[layer], imp.LayerVisibili[layer]);
        EXPECT_EQ(dxf[layer], imp.LayerDxf[layer]);
    }
}

TEST(MascheraPassata, IlBersaglioDisegnaSoloIlayerAccesiNellaSuaPassata) {
    BancoDisegno b;
    b.Imp = ImpostazioniDiProva();
    const auto schermo = b.Schermo(MascheraPassata(b.Imp, Passata::Schermo));
    const auto dxf = b.InDxf(false, MascheraPassata(b.Imp, Passata::Dxf));
    for (const Bersaglio* bersaglio : {static_cast<const Bersaglio*>(&schermo),
                                       static_cast<const Bersaglio*>(&dxf)}) {
        DisLinea(0, 0, 10, 0, Layer::Quote, Stile::Pieno, *bersaglio);
        DisLinea(0, 0, 10, 0, Layer::PerimSezioni, Stile::Pieno, *bersaglio);
    }
    // The screen drew the section outline only; the DXF pass the dimension only.
    ASSERT_EQ(b.Tela.DiTipo("Linea").size(), 1u);
    EXPECT_EQ(b.Tela.DiTipo("Linea")[0].Colore, b.Imp.ColoriSchermo[Layer::PerimSezioni]);
    ASSERT_EQ(b.Flusso.DiTipo("LINE").size(), 1u);
    EXPECT_EQ(b.Flusso.DiTipo("LINE")[0].Layer, b.Imp.NomiLayer[Layer::Quote]);
    EXPECT_TRUE(schermo.LayerAttivo(Layer::TestoFerri));
    EXPECT_FALSE(dxf.LayerAttivo(Layer::TestoFerri));
    EXPECT_FALSE(schermo.LayerAttivo(Layer::Quote));
    EXPECT_TRUE(dxf.LayerAttivo(Layer::Quote));
}
