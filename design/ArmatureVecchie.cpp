#include "design/ArmatureVecchie.h"

#include "design/ContorniArmatura.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/RitagliaZona.h"
#include "model/FileArmature.h"
#include "model/LettoreSequenziale.h"
#include "model/LimitiFile.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// One zone record: a rectangle of additional bars on one face, with a bar
// count per direction.
struct RecordZona {
    int Lato = 0;     // 0 "lato +", 1 "lato -"
    float A = 0.0f;   // size along x, cm
    float B = 0.0f;   // size along y, cm
    std::array<int, 2> Diametri{};
    std::array<int, 2> Barre{};
    float CX = 0.0f, CY = 0.0f;
};

// A positive length, cosa naming it with its article, nome without.
float LeggiPositivo(LettoreSequenziale& lettore, const std::string& cosa,
                    const std::string& nome) {
    const float valore = lettore.LeggiReale();
    if (!lettore.InErrore() && !(valore > 0.0f))
        lettore.SegnalaErroreRiga("valore non positivo per " + cosa + " (" +
                                  FormatoDec(valore, 2) + ").");
    VerificaLunghezza(lettore, nome, valore);
    return valore;
}

void LeggiStrato(LettoreSequenziale& lettore, float& passo, int& diametro) {
    const std::string nome = "passo dell'armatura diffusa";
    passo = LeggiPositivo(lettore, "il " + nome, nome);
    VerificaPassoScritto(lettore, passo, nome, DecimaliPassoDiffusa);
    diametro = LeggiConteggio(lettore, "diametro dell'armatura diffusa", 1, 32767);
}

RecordZona LeggiRecord(LettoreSequenziale& lettore) {
    RecordZona r;
    r.Lato = LeggiConteggio(lettore, "lato della zona", 0, 1);
    r.A = LeggiPositivo(lettore, "la larghezza della zona", "larghezza della zona");
    r.B = LeggiPositivo(lettore, "l'altezza della zona", "altezza della zona");
    for (int& diametro : r.Diametri) diametro = lettore.LeggiIntero16();
    for (int& barre : r.Barre) barre = lettore.LeggiIntero16();
    const Punto centro = LeggiPuntoAmmesso(lettore, "centro della zona");
    r.CX = centro.X;
    r.CY = centro.Y;
    // Two values and a flag that nothing uses any more.
    lettore.LeggiReale();
    lettore.LeggiReale();
    lettore.LeggiIntero16();
    return r;
}

// Spacing of the bars of direction d: the zone's size across them shared
// among the gaps, in whole cm (halves to even). Nothing when the direction
// has no more than one bar. A diameter or a spacing that no bar can have
// puts the reader in error.
std::optional<float> PassoDirezione(LettoreSequenziale& lettore, const RecordZona& r, int d,
                                    int numero) {
    const int barre = r.Barre[d];
    if (barre <= 1) return std::nullopt;
    const std::string zona = "Zona " + std::to_string(numero) + ", direzione " +
                             std::to_string(d + 1) + ": ";
    if (r.Diametri[d] <= 0) {
        lettore.SegnalaErrore(zona + "diametro non positivo (" + std::to_string(r.Diametri[d]) +
                              ").");
        return std::nullopt;
    }
    const float lato = d == 0 ? r.B : r.A;
    const float passo = std::nearbyint(lato / static_cast<float>(barre - 1));
    if (passo < 1.0f) {
        lettore.SegnalaErrore(zona + std::to_string(barre) + " barre su " + FormatoDec(lato, 2) +
                              " cm danno un passo nullo.");
        return std::nullopt;
    }
    return passo;
}

// Builds and stores the zone of direction d of r as a new zone drawn on the
// canvas would be. A zone whose clipping finds nothing of the wall is left
// out (the clipping keeps the previous polygon in the buffer).
EsitoPosizione MemorizzaZona(Parete& parete, StatoInterfaccia& buffer, const Impostazioni& imp,
                             const RecordZona& r, int d, float passo) {
    buffer.LatoAttivo = r.Lato;
    buffer.DirezioneAttiva = d;
    buffer.DuplicaOpposto = 0;
    PosizioneArm pos;
    pos.Direzione = d;
    pos.Tipo = r.Lato;
    pos.Diametro = r.Diametri[d];
    pos.Passo = passo;
    buffer.PosCorrente = pos;
    ImpostaZonaDaPunti(buffer, parete, imp, r.CX + r.A / 2.0f, r.CY + r.B / 2.0f,
                       r.CX - r.A / 2.0f, r.CY - r.B / 2.0f);
    if (!RitagliaZona(buffer, parete, imp)) return EsitoPosizione::Nessuna;
    buffer.IndiceCorrente = parete.UltPosizione + 1;
    buffer.NuovoElemento = -1;  // leader and label laid out afresh
    return ConfermaPosizione(parete, buffer);
}

// The design of the file on the wall of parete, or nothing with the reader in error.
std::optional<Parete> LeggiContenuto(const Parete& parete, const Impostazioni& imp,
                                     LettoreSequenziale& lettore) {
    Parete letta = parete;
    // The lists start empty; what the file does not give stays.
    ProgettoParete vuoto;
    vuoto.PiegaAncoraggio = parete.PiegaAncoraggio;
    vuoto.PerimetroEsterno = parete.PerimetroEsterno;
    vuoto.NumPuntiEst = parete.NumPuntiEst;
    vuoto.PerimetroInterno = parete.PerimetroInterno;
    vuoto.NumPuntiInt = parete.NumPuntiInt;
    letta.Progetto() = std::move(vuoto);
    // The zones are clipped to this wall, whatever contours the model held before.
    CalcolaContorniArmatura(letta);

    // The angles of the directions are those of the wall file; the ones
    // stored here are read past.
    lettore.LeggiReale();
    LeggiStrato(lettore, letta.PassoDir1Piu, letta.DiamDir1Piu);
    lettore.LeggiReale();
    LeggiStrato(lettore, letta.PassoDir2Piu, letta.DiamDir2Piu);
    LeggiStrato(lettore, letta.PassoDir1Meno, letta.DiamDir1Meno);
    LeggiStrato(lettore, letta.PassoDir2Meno, letta.DiamDir2Meno);
    const int zone = LeggiConteggio(lettore, "numero delle zone", 0, 32767);

    StatoInterfaccia buffer;  // the window's own edit buffer is not touched
    for (int numero = 1; numero <= zone && !lettore.InErrore(); ++numero) {
        const RecordZona r = LeggiRecord(lettore);
        for (int d = 0; d < 2 && !lettore.InErrore(); ++d) {
            const std::optional<float> passo = PassoDirezione(lettore, r, d, numero);
            if (!passo) continue;
            if (MemorizzaZona(letta, buffer, imp, r, d, *passo) == EsitoPosizione::ListaPiena)
                lettore.SegnalaErrore("Zona " + std::to_string(numero) +
                                      ": le posizioni sarebbero più di " +
                                      std::to_string(MaxPosizioniZona) + ".");
        }
    }
    if (lettore.InErrore()) return std::nullopt;
    return letta;
}

Esito LeggiDaLettore(Parete& parete, const Impostazioni& imp, LettoreSequenziale& lettore,
                     const std::string& percorso) {
    std::optional<Parete> letta = LeggiContenuto(parete, imp, lettore);
    if (!letta)
        return Esito::Errore("Errore nella lettura del file delle armature " + percorso +
                             " (formato senza versione).\n" + lettore.MotivoErrore());
    parete = std::move(*letta);
    return Esito::Ok();
}

}  // namespace

Esito LeggiArmatureVecchieDaTesto(Parete& parete, const Impostazioni& imp,
                                  const std::string& contenuto, const std::string& percorso) {
    LettoreSequenziale lettore(contenuto);
    return LeggiDaLettore(parete, imp, lettore, percorso);
}

Esito LeggiArmatureVecchie(Parete& parete, const Impostazioni& imp, const std::string& percorso) {
    std::optional<LettoreSequenziale> lettore = LettoreSequenziale::Apri(percorso);
    if (!lettore)
        return Esito::Errore("Impossibile aprire il file delle armature " + percorso + ".");
    return LeggiDaLettore(parete, imp, *lettore, percorso);
}
