#pragma once

#include <string>

class InterfacciaFinestra;
struct Parete;
struct Sessione;

// What the dimension visibility dialog shows and stores for dimension
// QuotaSelezionata; the Qt dialog only lays the two choices out.

inline constexpr const char* TitoloFrmPropQuote = "Quota attiva nel contesto:";
inline constexpr const char* DidascaliaTutteLePiante = "Tutte le piante";

// The first choice: the name of the current plan (empty outside the four plans).
[[nodiscard]] std::string DidascaliaPiantaCorrente(int vistaCorrente, int magliaUnica);

// True when dimension indice shows in every plan: the dialog opens on
// "Tutte le piante". False also when indice names no dimension.
[[nodiscard]] bool QuotaInTutteLePiante(const Parete& parete, int indice);

// "Ok": one undo step, even when the choice is unchanged; then the dimension
// shows only in the current plan (soloPiantaCorrente) or in every plan.
// False, with nothing taken or written, when QuotaSelezionata names no
// dimension.
bool ConfermaFrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra,
                          bool soloPiantaCorrente);
