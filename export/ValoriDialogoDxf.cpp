#include "export/ValoriDialogoDxf.h"

#include "export/NomiLayerDxf.h"
#include "model/Numeri.h"

ValoriDialogoDxf AggiornaFormDXF(const Impostazioni& imp, int dxfR12) {
    ValoriDialogoDxf valori;
    for (int i = 0; i < RigheLayerDxf; ++i) {
        valori.Nomi[i] = imp.NomiLayer[i];
        valori.Colori[i] = imp.ColoriLayer[i];
        valori.Disegna[i] = imp.LayerDxf[i] != 0;
    }
    valori.ScalaMm = ArrotondaStr(imp.ScalaMm, 2);
    valori.ScalaUnita = ArrotondaStr(imp.ScalaUnita, 2);
    valori.R12 = dxfR12 != 0;
    return valori;
}

std::string NomeLayerDigitato(std::string nome) {
    if (const auto blank = nome.find(' '); blank != std::string::npos) nome[blank] = '_';
    return nome;
}

std::optional<float> ScalaDigitata(const std::string& testo) {
    const float valore = ValoreTesto(testo);
    const float scritto = ValoreScritto(valore, DecimaliScalaDxf);
    if (!(valore > 0.0f) || !(scritto > 0.0f)) return std::nullopt;
    return scritto;
}

std::optional<std::string> Leggi(ValoriDialogoDxf& valori, Impostazioni& imp, int& dxfR12) {
    Impostazioni nuove = imp;
    for (int i = 0; i < RigheLayerDxf; ++i) {
        nuove.NomiLayer[i] = NomeLayerDigitato(valori.Nomi[i]);
        nuove.ColoriLayer[i] = valori.Colori[i];
        nuove.LayerDxf[i] = valori.Disegna[i] ? 1 : 0;
    }
    DerivaLayerSuperiore(nuove);
    if (auto nome = LayerNonValido(nuove)) return nome;

    const std::optional<float> mm = ScalaDigitata(valori.ScalaMm);
    const std::optional<float> unita = ScalaDigitata(valori.ScalaUnita);
    nuove.ScalaMm = mm.value_or(imp.ScalaMm);
    nuove.ScalaUnita = unita.value_or(imp.ScalaUnita);
    const bool rapportoValido = RicalcolaScalaDxf(nuove);
    if (!rapportoValido) {
        nuove.ScalaMm = imp.ScalaMm;
        nuove.ScalaUnita = imp.ScalaUnita;
    }
    // A refused box shows the stored value again.
    if (!mm || !rapportoValido) valori.ScalaMm = ArrotondaStr(nuove.ScalaMm, 2);
    if (!unita || !rapportoValido) valori.ScalaUnita = ArrotondaStr(nuove.ScalaUnita, 2);
    for (int i = 0; i < RigheLayerDxf; ++i) valori.Nomi[i] = nuove.NomiLayer[i];
    imp = std::move(nuove);
    dxfR12 = valori.R12 ? 1 : 0;
    return std::nullopt;
}
