#include "export/TestoInfoNodo.h"

#include "design/AccessoriStrato.h"
#include "export/FrammentiRtf.h"
#include "model/NumeroSemplice.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <array>
#include <span>

namespace {

constexpr int Dimensione = 18;  // half-points
// Below this the node counts as covered, as in the node check.
constexpr float SogliaMancante = 0.009f;

struct Sezione {
    const char* Titolo;
    int Strato;
    int Direzione;  // 0 direction 1, 1 direction 2
    int Lato;       // 0 "lato +", 1 "lato -"
};

constexpr std::array<Sezione, 4> SezioniDueLati{{
    {" Direzione 1 lato + :\\par ", 0, 0, 0},
    {" Direzione 2 lato + :\\par ", 2, 1, 0},
    {" Direzione 1 lato - :\\par ", 1, 0, 1},
    {" Direzione 2 lato - :\\par ", 3, 1, 1},
}};
// The single mesh is stored in the "lato -" layers.
constexpr std::array<Sezione, 2> SezioniMagliaUnica{{
    {" Direzione 1 :\\par ", 1, 0, 1},
    {" Direzione 2 :\\par ", 3, 1, 1},
}};

std::string TestoSezione(const Parete& p, const Sezione& s, int i, bool attiva,
                         std::string_view separatore) {
    const float richiesta = AreaRichiestaNodo(p, s.Strato, i);
    const float mancante = CarenzaNodo(p, s.Strato, i);
    std::string testo = attiva ? RtfBlu(s.Titolo, Dimensione, 0, 1)
                               : RtfGrigio(s.Titolo, Dimensione, 0, 0);
    testo += " - progetto:" + FormatoLocale(richiesta, separatore) + " cmq/m\\par ";
    testo += " - presenti: " + FormatoLocale(richiesta - mancante, separatore) + " cmq/m\\par ";
    if (mancante >= SogliaMancante) {
        testo += RtfRosso(" - mancanti: ", Dimensione, 0, attiva ? 1 : 0);
        testo += FormatoLocale(mancante, separatore) + " cmq/m";
    } else {
        testo += " - in eccesso: " + FormatoLocale(-mancante, separatore) + " cmq/m";
    }
    return testo + RtfGrigio("\\par ", Dimensione, 0, 0);
}

}  // namespace

std::string FormatoLocale(float x, std::string_view separatore) {
    std::string testo = FormatoDec(x, 2);
    const auto punto = testo.find('.');
    if (punto != std::string::npos) testo.replace(punto, 1, separatore);
    return testo;
}

std::optional<std::string> TestoInfoNodo(const Parete& parete, const StatoInterfaccia& stato,
                                         int i, std::string_view separatore) {
    if (i < 0 || i >= parete.NumNodi) return std::nullopt;
    const Nodo& nodo = parete.Nodi[i];
    std::string testo = RtfInizio();
    testo += RtfNero(" Area ferri nel nodo: ", Dimensione, 0, 1);
    testo += NumeroSemplice(nodo.Id + 1);
    testo += RtfNero("\\par  (x=", Dimensione, 0, 0);
    testo += FormatoDec(nodo.X, 1) + ", y=" + FormatoDec(nodo.Y, 1) + ")\\par ";
    testo += "\\par ";

    const int direzioneAttiva = stato.DirezioneAttiva == 0 ? 0 : 1;
    const int latoAttivo = stato.LatoAttivo == 0 ? 0 : 1;
    std::span<const Sezione> sezioni = SezioniDueLati;
    if (parete.MagliaUnica != 0) {
        sezioni = SezioniMagliaUnica;
        testo += "\\par ";
    }
    for (std::size_t s = 0; s < sezioni.size(); ++s) {
        if (s > 0) testo += "\\par ";
        const bool attiva =
            sezioni[s].Direzione == direzioneAttiva && sezioni[s].Lato == latoAttivo;
        testo += TestoSezione(parete, sezioni[s], i, attiva, separatore);
    }
    return testo + RtfFine();
}

std::string TestoSceltaNodo() {
    return RtfInizio() +
           RtfNero("Clicca sui nodi per ottenere le informazioni di progetto", 20, 0, 0) +
           RtfFine();
}
