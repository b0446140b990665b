#pragma once

// Edit buffers as the canvas leaves them for the zone and ring-beam dialogs,
// for the window tests that open those dialogs on the sample wall.

#include "design/GeometriaZona.h"
#include "model/Sessione.h"
#include "ZoneDiProva.h"

#include <algorithm>

// A new 100 x 100 cm zone "lato +" in the middle of the wall's outer perimeter.
inline void ZonaNuovaAlCentro(Sessione& s) {
    const auto& perimetro = s.parete.PerimetroEsterno;
    const auto [xMin, xMax] = std::minmax_element(
        perimetro.begin(), perimetro.end(), [](const Punto& a, const Punto& b) { return a.X < b.X; });
    const auto [yMin, yMax] = std::minmax_element(
        perimetro.begin(), perimetro.end(), [](const Punto& a, const Punto& b) { return a.Y < b.Y; });
    const float cx = (xMin->X + xMax->X) / 2;
    const float cy = (yMin->Y + yMax->Y) / 2;
    StatoInterfaccia& st = s.stato;
    st.PosCorrente = PosizioneArm{};
    st.PosCorrente.Tipo = 0;
    st.PosCorrente.Diametro = 12;
    st.PosCorrente.Passo = 20.0f;
    st.DirezioneAttiva = 0;
    ImpostaZonaDaPunti(st, s.parete, s.imp, cx - 50, cy - 50, cx + 50, cy + 50);
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    st.Modo = ModoInput::NuovaZonaInCorso;
}

// A ring beam along the first side of the outer perimeter, not yet stored.
inline void CordoloSulPrimoLato(Sessione& s) {
    s.stato.PosCorrente = CordoloDiProva(0);
    s.stato.IndiceCorrente = s.parete.UltPosizione + 1;
}
