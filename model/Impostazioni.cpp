#include "model/Impostazioni.h"

#include "model/Finestra.h"
#include "model/Numeri.h"
#include "model/Sessione.h"

#include <cmath>
#include <optional>

namespace {

struct VoceLayer {
    const char* nome;
    int coloreIndice;
};

// Names and colour indexes of the 24 editable layers.
constexpr std::array<VoceLayer, LayerDerivato> LayerDefault = {{
    {"ARM_INTEGR1", 1},      {"ARM_INTEGR2", 3},      {"PERIM_PILASTRI", 2},
    {"PILASTRI_ACCIAIO", 5}, {"PERIM_SETTI", 6},      {"PERIM_PARETI", 2},
    {"ARM_TAGLIO", 5},       {"TRAVI_ESTRADOSSO", 2}, {"QUOTE", 4},
    {"POS_INTEGRATIVA", 4},  {"ARMATURA_SEZ", 5},     {"LINEE_SEZIONI", 3},
    {"TESTO_TITOLI", 3},     {"TESTO_ARM_TAGLIO", 3}, {"TESTO_PILASTRI", 3},
    {"TESTO_SETTI", 3},      {"TESTO_SOLETTE", 3},    {"TESTO_TRAVI", 3},
    {"TESTO_QUOTE", 3},      {"TESTO_FERRI", 3},      {"ARM_DIFFUSA1", 1},
    {"ARM_DIFFUSA2", 3},     {"TRATTEGGI", 9},        {"PERIM_SEZIONI", 7},
}};

// Which palette colour each editable layer takes on the screen.
enum class Tinta { Rosso, Verde, Magenta, Grigio, Giallo, Ciano, Blu, Tratteggio };

constexpr std::array<Tinta, LayerDerivato> TinteLayer = {
    Tinta::Rosso,   Tinta::Verde,  Tinta::Magenta, Tinta::Magenta, Tinta::Magenta,
    Tinta::Grigio,  Tinta::Giallo, Tinta::Giallo,  Tinta::Ciano,   Tinta::Ciano,
    Tinta::Rosso,   Tinta::Blu,    Tinta::Verde,   Tinta::Verde,   Tinta::Verde,
    Tinta::Verde,   Tinta::Verde,  Tinta::Verde,   Tinta::Verde,   Tinta::Verde,
    Tinta::Rosso,   Tinta::Verde,  Tinta::Tratteggio, Tinta::Grigio,
};

int ColoreDi(const Impostazioni& imp, Tinta tinta) {
    switch (tinta) {
    case Tinta::Rosso: return imp.ColRosso;
    case Tinta::Verde: return imp.ColVerde;
    case Tinta::Magenta: return imp.ColMagenta;
    case Tinta::Grigio: return imp.ColGrigio;
    case Tinta::Giallo: return imp.ColGiallo;
    case Tinta::Ciano: return imp.ColCiano;
    case Tinta::Blu: return imp.ColBlu;
    case Tinta::Tratteggio: return imp.ColTratteggio;
    }
    return imp.ColPrimoPiano;
}

void ImpostaTabellaLayer(Impostazioni& imp) {
    for (int i = 0; i < LayerDerivato; ++i) {
        imp.NomiLayer[i] = LayerDefault[i].nome;
        imp.ColoriLayer[i] = LayerDefault[i].coloreIndice;
        imp.LayerDxf[i] = 1;
    }
    DerivaLayerSuperiore(imp);
}

void ImpostaValoriNumerici(Impostazioni& imp) {
    imp.DiamMinPiu = imp.DiamMinMeno = 6;
    imp.DiamMaxPiu = imp.DiamMaxMeno = 28;
    imp.PassoMinPiu = imp.PassoMinMeno = 5;
    imp.PassoMaxPiu = imp.PassoMaxMeno = 50;
    imp.ModoProgetto = 0;
    imp.CoperturaMin = 60;
    imp.IncrDiam = 2;
    imp.IndiceIncrDiam = 1;
    imp.IncrPasso = 1.0f;
    imp.IndiceIncrPasso = 1;

    imp.PassoMaxIntegrativa = 30.0f;
    imp.DiamReggistaffa = 14;
    imp.DiamStaffeCordolo = 8;
    imp.PassoStaffeCordolo = 20.0f;
    imp.LarghezzaCordolo = 30.0f;
    imp.CopriferroCordolo = 6.0f;

    imp.SovrappMin = 20;
    imp.SovrappMax = 104;
    imp.LungMaxFerri = 600.0f;
    imp.DecimaliQuote = 1;
    imp.QuoteInMetri = 0;
    imp.ModoTolleranza = 1;
    imp.TolleranzaPerc = 0.0f;
    imp.TolleranzaFissa = 0.0f;

    imp.ScalaMm = 1.0f;
    imp.ScalaUnita = 10.0f;
    imp.ScalaTestiDxf = 1.0f;
    imp.ScalaDxf = 2.0f * imp.ScalaTestiDxf;
    imp.PassoGrigliaX = imp.PassoGrigliaY = 10;

    imp.Riserva4 = 12;
    imp.Riserva10 = 10;
    imp.Riserva30 = 18;
    imp.Riserva5 = 50.0f;
    imp.Riserva6 = 50.0f;
    imp.Riserva11 = 30.0f;
    imp.Riserva12 = 30.0f;
    imp.Riserva31 = 15.0f;
}

void ImpostaPalette(Impostazioni& imp) {
    const bool bianco = imp.SfondoBianco != 0;
    imp.ColBlu = bianco ? Rgb(0, 0, 128) : Rgb(0, 0, 255);
    imp.ColVerde = bianco ? Rgb(0, 215, 0) : Rgb(0, 255, 0);
    imp.ColCiano = bianco ? Rgb(0, 128, 128) : Rgb(0, 255, 255);
    imp.ColRosso = bianco ? Rgb(215, 0, 0) : Rgb(255, 0, 0);
    imp.ColMagenta = bianco ? Rgb(128, 0, 128) : Rgb(255, 0, 255);
    imp.ColGiallo = bianco ? Rgb(128, 128, 0) : Rgb(255, 255, 0);
    imp.ColPrimoPiano = bianco ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
    imp.ColGrigio = bianco ? Rgb(128, 128, 128) : Rgb(192, 192, 192);
    imp.ColTratteggio = bianco ? Rgb(192, 192, 192) : Rgb(128, 128, 128);
}

}  // namespace

Impostazioni::Impostazioni() {
    ValoriDefault(*this);
    ImpostaColoriVideo(*this);
}

void ValoriDefault(Impostazioni& imp) {
    ImpostaTabellaLayer(imp);
    ImpostaValoriNumerici(imp);
    ElencoCalcestruzzi(imp.NomiCls, imp.Calcestruzzo);
    ElencoAcciai(imp.NomiAcciai, imp.Acciaio);
    imp.IndiceCls = IndiceClsDefault;
    imp.IndiceAcciaio = IndiceAcciaioDefault;
    DatiAcciaio(imp.IndiceAcciaio, imp.Acciaio);
    DatiCalcestruzzo(imp.IndiceCls, imp.Calcestruzzo);
    imp.IconeGrandi = 0;
}

void ImpostazioniDefault(Sessione& sessione, InterfacciaFinestra& finestra) {
    ValoriDefault(sessione.imp);
    StatoVistaDefault(sessione.stato);
    sessione.parete.MagliaUnica = 0;
    sessione.parete.PiegaAncoraggio = 0;
    finestra.MostraPulsantiLato(true);
    finestra.MostraEtichettaMagliaUnica(false);
}

void ImpostaColoriVideo(Impostazioni& imp) {
    ImpostaPalette(imp);
    for (int i = 0; i < LayerDerivato; ++i) {
        imp.ColoriSchermo[i] = ColoreDi(imp, TinteLayer[i]);
        imp.LayerVisibili[i] = 1;
    }
    imp.ColoriSchermo[LayerDerivato] = imp.ColoriSchermo[LayerOrigineDerivato];
    // The hatching would bury the drawing on the screen; it is meant for DXF.
    imp.LayerVisibili[Layer::Tratteggi] = 0;
    imp.OsnapQuote.fill(1);
}

int ColoreSfondoTela(const Impostazioni& imp) {
    return imp.SfondoBianco != 0 ? Rgb(255, 255, 255) : Rgb(0, 0, 0);
}

void DerivaLayerSuperiore(Impostazioni& imp) {
    imp.NomiLayer[LayerDerivato] = imp.NomiLayer[LayerOrigineDerivato] + "_SUP";
    imp.ColoriLayer[LayerDerivato] = imp.ColoriLayer[LayerOrigineDerivato];
    imp.LayerDxf[LayerDerivato] = imp.LayerDxf[LayerOrigineDerivato];
}

namespace {

// ScalaUnita x 0.1 / ScalaMm, or nothing when it is not a positive finite
// float. The literal 0.1 makes the ratio a double; only the result is a float.
std::optional<float> RapportoScala(float mm, float unita) {
    if (!(mm > 0.0f) || !(unita > 0.0f)) return std::nullopt;
    const float testi = static_cast<float>(unita * 0.1 / mm);
    if (!std::isfinite(testi) || testi <= 0.0f) return std::nullopt;
    return testi;
}

}  // namespace

bool RicalcolaScalaDxf(Impostazioni& imp) {
    const std::optional<float> testi = RapportoScala(imp.ScalaMm, imp.ScalaUnita);
    // The scale as the settings file will give it back must hold as well.
    if (!testi || !RapportoScala(ValoreScritto(imp.ScalaMm, DecimaliScalaDxf),
                                 ValoreScritto(imp.ScalaUnita, DecimaliScalaDxf)))
        return false;
    imp.ScalaTestiDxf = *testi;
    imp.ScalaDxf = 2.0f * imp.ScalaTestiDxf;
    return true;
}
