#include "drawing/FormeFerriPiano.h"

#include <algorithm>
#include <cmath>

namespace {

// Labels sit this far beside their piece; a shortened piece's a little further.
constexpr float ScostamentoEtichetta = 1.5f;
constexpr float ScostamentoEtichettaAccorciato = 2.0f;

// At most the pieces a split makes: the first full piece, one more for each
// maximum length less the lap of what is left, a shortened and a last one.
// In double, so that a bar of any length is counted.
double PezziAlPiu(const CampataFerro& c) {
    const double primo = static_cast<double>(c.LungMax) - c.GambaIniziale;
    const double avanzamento = static_cast<double>(c.LungMax) - c.Sovrapposizione;
    return 3.0 + std::max(0.0, (c.Lunghezza - primo) / avanzamento);
}

bool Divisibile(const CampataFerro& c) {
    return c.LungMax > c.Sovrapposizione && c.LungMax - c.GambaIniziale > ScortaUltimoPezzo &&
           PezziAlPiu(c) <= MassimoPezziFerro;
}

PezzoFerro Pezzo(TipoPezzo tipo, float inizio, float fine, bool gambaIniziale, float centro,
                 float scostamento) {
    PezzoFerro p;
    p.Tipo = tipo;
    p.Inizio = inizio;
    p.Fine = fine;
    p.GambaIniziale = gambaIniziale;
    p.CentroEtichetta = centro;
    p.ScostamentoEtichetta = scostamento;
    return p;
}

}  // namespace

std::vector<PezzoFerro> PianificaPezzi(const CampataFerro& c) {
    const bool gambaFinale = c.TipoFine == FineCampata::Gamba;
    if (c.Lunghezza < c.LungMax - c.GambaIniziale - c.Termine || !Divisibile(c)) {
        PezzoFerro unico = Pezzo(TipoPezzo::Unico, c.Inizio, c.Fine, c.ConGambaIniziale,
                                 (c.Inizio + c.Fine) / 2.0f, ScostamentoEtichetta);
        unico.GambaFinale = gambaFinale;
        unico.Prolunga = gambaFinale ? 0.0f : c.Termine;
        return {unico};
    }

    std::vector<PezzoFerro> pezzi;
    float resto = c.Lunghezza;
    float inizio = c.Inizio;
    // The first piece makes room for the start leg.
    const auto pezzoMax = [&] { return pezzi.empty() ? c.LungMax - c.GambaIniziale : c.LungMax; };
    const auto gambaIniziale = [&] { return pezzi.empty() && c.ConGambaIniziale; };
    while (resto > 0.0f && resto - pezzoMax() > ScortaUltimoPezzo) {
        const float lungo = pezzoMax();
        const float fine = inizio + lungo;
        const float centro = c.PezziDaLunghezza ? inizio + lungo / 2.0f : (inizio + fine) / 2.0f;
        PezzoFerro intero =
            Pezzo(TipoPezzo::Intero, inizio, fine, gambaIniziale(), centro, ScostamentoEtichetta);
        intero.LunghezzaScritta = c.LungMax;
        if (c.InteroComeBarraMassima)
            intero.LunghezzaContata = static_cast<int>(std::nearbyint(c.LungMax));
        pezzi.push_back(intero);
        resto = resto - lungo + c.Sovrapposizione;
        inizio = fine - c.Sovrapposizione;
    }
    if (resto <= 0.0f) return pezzi;

    if (resto - pezzoMax() > 0.0f) {
        const float lungo = pezzoMax();
        const float corto = lungo - ScortaUltimoPezzo;
        const float fine =
            c.PezziDaLunghezza ? inizio + corto : inizio + lungo - ScortaUltimoPezzo;
        const float centro = c.PezziDaLunghezza ? inizio + corto / 2.0f : (inizio + fine) / 2.0f;
        PezzoFerro accorciato = Pezzo(TipoPezzo::Accorciato, inizio, fine, gambaIniziale(),
                                      centro, ScostamentoEtichettaAccorciato);
        if (c.PezziDaLunghezza) accorciato.LunghezzaScritta = corto;
        pezzi.push_back(accorciato);
        inizio = fine - c.Sovrapposizione;
    }
    // The last piece runs to the span's end.
    PezzoFerro ultimo = Pezzo(TipoPezzo::Ultimo, inizio, c.Fine, gambaIniziale(),
                              (inizio + c.Fine) / 2.0f, ScostamentoEtichetta);
    ultimo.GambaFinale = gambaFinale;
    ultimo.Prolunga = c.TipoFine == FineCampata::Prolunga ? c.Termine : 0.0f;
    pezzi.push_back(ultimo);
    return pezzi;
}
