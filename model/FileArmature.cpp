#include "model/FileArmature.h"

#include "model/BandaCordolo.h"
#include "model/Codifica.h"
#include "model/FileSolai.h"
#include "model/LettoreSequenziale.h"
#include "model/LimitiFile.h"
#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/RigaZone.h"
#include "model/ScritturaAtomica.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace {

// Positions with a zone polygon: the rows of PoligoniPos.
constexpr int UltimaPosizioneAmmessa = MaxPosizioniZona - 1;

// The lines of values go straight into the file's text, zoned in place.
void RigaReali(std::string& testo, std::initializer_list<float> valori, int decimali) {
    const std::size_t inizio = testo.size();
    for (float valore : valori) AggiungiInZona(testo, inizio, FormatoDec(valore, decimali));
    AggiungiRiga(testo, {});
}

void RigaInteri(std::string& testo, std::initializer_list<int> valori) {
    const std::size_t inizio = testo.size();
    for (int valore : valori) AggiungiInZona(testo, inizio, InteroFile(valore));
    AggiungiRiga(testo, {});
}

void ScriviPosizione(std::string& testo, const PosizioneArm& p, const std::vector<Punto>& zona) {
    RigaReali(testo, {p.XMin, p.YMin, p.XMax, p.YMax}, 3);
    for (const Punto& v : p.Vertici) RigaReali(testo, {v.X, v.Y}, 3);
    RigaReali(testo, {p.Richiamo[0], p.Richiamo[1], p.Richiamo[2], p.Richiamo[3]}, 3);
    RigaReali(testo, {p.XEtichetta, p.YEtichetta}, 3);
    RigaReali(testo, {p.Passo, p.XBaricentro, p.YBaricentro}, 3);
    RigaReali(testo, {p.EstDir[0].X, p.EstDir[0].Y, p.EstDir[1].X, p.EstDir[1].Y}, 3);
    RigaReali(testo, {p.EstDir[2].X, p.EstDir[2].Y, p.EstDir[3].X, p.EstDir[3].Y}, 3);
    RigaInteri(testo, {p.Diametro, p.DiamCorrenti, p.Direzione});
    const std::size_t inizio = testo.size();
    AggiungiInZona(testo, inizio, InteroFile(p.Tipo));
    AggiungiInZona(testo, inizio, InteroFile(p.NumBracci));
    AggiungiInZona(testo, inizio, FormatoDec(p.Larghezza, DecimaliLarghezzaCordolo));
    AggiungiInZona(testo, inizio, InteroFile(p.UltVerticeZona));
    AggiungiRiga(testo, {});
    for (int j = 0; j <= p.UltVerticeZona; ++j) RigaReali(testo, {zona[j].X, zona[j].Y}, 3);
}

float LeggiPasso(LettoreSequenziale& lettore, const std::string& cosa, int decimali) {
    const float passo = lettore.LeggiReale();
    if (!lettore.InErrore() && !(passo > 0.0f))
        lettore.SegnalaErroreRiga(cosa + " non positivo (" + FormatoDec(passo, 2) + ").");
    VerificaLunghezza(lettore, cosa, passo);
    VerificaPassoScritto(lettore, passo, cosa, decimali);
    return passo;
}

void ScriviPerimetro(std::string& testo, const std::vector<Punto>& perimetro, int vertici) {
    AggiungiRiga(testo, InteroFile(vertici));
    for (int i = 0; i < vertici; ++i)
        RigaReali(testo, {perimetro[i].X, perimetro[i].Y}, DecimaliPerimetro);
}

// What the file gives: the design and the origin, read into copies.
struct ArmatureLette {
    ProgettoParete progetto;
    float OrigineX = 0.0f;
    float OrigineY = 0.0f;
};

// What the drawing places beside the geometry.
Punto LeggiPuntoDisegno(LettoreSequenziale& lettore, const std::string& cosa) {
    return LeggiPuntoAmmesso(lettore, cosa, CoordinataDisegnoMassima);
}

void LeggiPosizione(LettoreSequenziale& lettore, PosizioneArm& p, std::vector<Punto>& zona) {
    // The corners of a parallelogram along skew directions reach past the
    // zone it is clipped to.
    for (float* v : {&p.XMin, &p.YMin, &p.XMax, &p.YMax})
        *v = LeggiCoordinata(lettore, "riquadro della zona", CoordinataDisegnoMassima);
    for (Punto& v : p.Vertici) v = LeggiPuntoDisegno(lettore, "vertice della zona");
    for (float& r : p.Richiamo)
        r = LeggiCoordinata(lettore, "linea di richiamo", CoordinataDisegnoMassima);
    const Punto etichetta = LeggiPuntoDisegno(lettore, "etichetta della posizione");
    p.XEtichetta = etichetta.X;
    p.YEtichetta = etichetta.Y;
    p.Passo = LeggiPasso(lettore, "passo della posizione", DecimaliPassoPosizione);
    const Punto baricentro = LeggiPuntoAmmesso(lettore, "baricentro della zona");
    p.XBaricentro = baricentro.X;
    p.YBaricentro = baricentro.Y;
    for (Punto& v : p.EstDir) v = LeggiPuntoDisegno(lettore, "estremo della zona");
    p.Diametro = lettore.LeggiIntero16();
    p.DiamCorrenti = lettore.LeggiIntero16();
    p.Direzione = LeggiConteggio(lettore, "direzione della posizione", 0, 1);
    // Kinds above the ring beam are shear reinforcement.
    p.Tipo = LeggiConteggio(lettore, "tipo della posizione", IntegrativaPiu, 32767);
    p.NumBracci = lettore.LeggiIntero16();
    if (!lettore.InErrore() && p.Tipo == Cordolo && p.NumBracci < 1)
        lettore.SegnalaErroreRiga("numero di bracci del cordolo non positivo (" +
                                  std::to_string(p.NumBracci) + ").");
    p.Larghezza = LeggiLunghezza(lettore, "larghezza della posizione");
    p.UltVerticeZona = LeggiConteggio(lettore, "vertici della zona", 0, 32766);
    if (lettore.InErrore()) return;
    zona.assign(p.UltVerticeZona + 1, Punto{});
    for (Punto& v : zona) v = LeggiPuntoAmmesso(lettore, "vertice del poligono della zona");
}

void LeggiPosizioni(LettoreSequenziale& lettore, ProgettoParete& d) {
    d.UltPosizione = LeggiConteggio(lettore, "numero delle posizioni", -1, UltimaPosizioneAmmessa);
    d.Posizioni.assign(d.UltPosizione >= 0 ? d.UltPosizione + 1 : 1, PosizioneArm{});
    d.PoligoniPos.assign(MaxPosizioniZona, std::vector<Punto>(1));
    for (int i = 0; i <= d.UltPosizione && !lettore.InErrore(); ++i)
        LeggiPosizione(lettore, d.Posizioni[i], d.PoligoniPos[i]);
}

void LeggiSezioni(LettoreSequenziale& lettore, ProgettoParete& d) {
    d.UltSezione = LeggiUltimoIndice(lettore, "numero delle sezioni");
    d.Sezioni.assign(d.UltSezione >= 0 ? d.UltSezione + 1 : 1, LineaSezione{});
    for (int i = 0; i <= d.UltSezione && !lettore.InErrore(); ++i) {
        LineaSezione& s = d.Sezioni[i];
        for (Punto* p : {&s.P0, &s.P1}) *p = LeggiPuntoAmmesso(lettore, "linea di sezione");
        for (Punto* p : {&s.P2, &s.P3, &s.P4, &s.P5})
            *p = LeggiPuntoDisegno(lettore, "segno della linea di sezione");
        s.Orizzontale = LeggiConteggio(lettore, "orientamento della sezione", 0, 1);
    }
}

void LeggiQuote(LettoreSequenziale& lettore, ProgettoParete& d, int versione) {
    d.UltQuota = LeggiUltimoIndice(lettore, "numero delle quote");
    d.Quote.assign(d.UltQuota >= 0 ? d.UltQuota + 1 : 1, Quota{});
    for (int i = 0; i <= d.UltQuota && !lettore.InErrore(); ++i) {
        Quota& q = d.Quote[i];
        for (float* v : {&q.X1, &q.Y1, &q.X2, &q.Y2})
            *v = LeggiCoordinata(lettore, "linea di quota", CoordinataDisegnoMassima);
        if (versione >= 2) {
            for (float* v : {&q.XA, &q.YA, &q.XB, &q.YB})
                *v = LeggiCoordinata(lettore, "punto misurato della quota",
                                     CoordinataDisegnoMassima);
        } else {
            q.XA = q.X1;
            q.YA = q.Y1;
            q.XB = q.X2;
            q.YB = q.Y2;
        }
        q.Vista = lettore.LeggiIntero16();
        q.Testo = lettore.LeggiRiga();  // may hold commas and blanks
    }
}

constexpr int MinimoVerticiPerimetro = 3;
constexpr int MassimoVerticiPerimetro = 32766;

// The last vertex repeats the first one: the inner perimeter was once
// written so, and that vertex is then the closing element.
bool UltimoChiude(Punto ultimo, Punto primo) {
    return std::fabs(ultimo.X - primo.X) < 0.0001f && std::fabs(ultimo.Y - primo.Y) < 0.0001f;
}

// A closed perimeter: the vertices as written, then the closing element.
// With togliChiusura a last vertex repeating the first is the closing one;
// a last vertex that only the file's decimals would make repeat the first
// (0.04 cm from it), or a perimeter left with fewer than three vertices
// without it, cannot be saved as read and is refused.
void LeggiPerimetro(LettoreSequenziale& lettore, const std::string& nome,
                    std::vector<Punto>& perimetro, int& vertici, bool togliChiusura) {
    const std::string cosa = "vertici del " + nome;
    vertici = LeggiConteggio(lettore, cosa, MinimoVerticiPerimetro, MassimoVerticiPerimetro);
    if (lettore.InErrore()) return;
    perimetro.assign(vertici + 1, Punto{});
    for (int i = 0; i < vertici; ++i)
        perimetro[i] = LeggiPuntoAmmesso(lettore, "vertice del " + nome);
    if (lettore.InErrore()) return;
    const Punto ultimo = perimetro[vertici - 1];
    if (togliChiusura && UltimoChiude(ultimo, perimetro[0])) {
        if (vertici - 1 < MinimoVerticiPerimetro) {
            lettore.SegnalaErroreRiga(cosa + ": " + std::to_string(vertici - 1) +
                                      " oltre a quello di chiusura, non è ammesso (almeno " +
                                      std::to_string(MinimoVerticiPerimetro) + ").");
            return;
        }
        --vertici;
        perimetro.resize(vertici + 1);
    } else if (togliChiusura && UltimoChiude(VerticeScritto(ultimo), VerticeScritto(perimetro[0]))) {
        lettore.SegnalaErroreRiga(cosa + ": l'ultimo vertice dista dal primo meno di quanto il "
                                  "file conserva (" + FormatoDec(0.1f, DecimaliPerimetro) +
                                  " cm) e ne diverrebbe la chiusura.");
        return;
    }
    perimetro[vertici] = perimetro[0];
}

void LeggiQuoteLivello(LettoreSequenziale& lettore, ProgettoParete& d) {
    d.NumQuoteLivello = LeggiConteggio(lettore, "numero delle quote di livello", 0, 32766);
    d.QuoteLivello.assign(d.NumQuoteLivello + 1, QuotaLivello{});
    for (int i = 0; i < d.NumQuoteLivello && !lettore.InErrore(); ++i) {
        QuotaLivello& q = d.QuoteLivello[i];
        const Punto punto = LeggiPuntoDisegno(lettore, "quota di livello");
        q.X = punto.X;
        q.Y = punto.Y;
        q.Valore = lettore.LeggiReale();
        q.Vista = lettore.LeggiIntero16();
    }
}

// Reads the file after its version line. No value, with the reader in error
// or the wall number in numeroLetto, when the file is not taken over.
std::optional<ArmatureLette> LeggiContenuto(LettoreSequenziale& lettore, const Parete& parete,
                                            int versione, int& numeroLetto) {
    lettore.LeggiRiga();                   // the version line
    if (versione > 3) lettore.LeggiRiga();  // the wall file's date: the loader compares it
    numeroLetto = lettore.LeggiIntero16();
    if (lettore.InErrore() || numeroLetto != parete.NumeroParete) return std::nullopt;

    ArmatureLette letto{parete.Progetto(), 0.0f, 0.0f};
    ProgettoParete& d = letto.progetto;
    if (versione > 6) d.PiegaAncoraggio = lettore.LeggiIntero16();
    const Punto origine = LeggiPuntoAmmesso(lettore, "origine della parete", OrigineMassima);
    letto.OrigineX = origine.X;
    letto.OrigineY = origine.Y;
    for (int* diametro : {&d.DiamDir1Piu, &d.DiamDir1Meno, &d.DiamDir2Piu, &d.DiamDir2Meno})
        *diametro = lettore.LeggiIntero16();
    for (float* passo : {&d.PassoDir1Piu, &d.PassoDir1Meno, &d.PassoDir2Piu, &d.PassoDir2Meno})
        *passo = LeggiPasso(lettore, "passo dell'armatura diffusa", DecimaliPassoDiffusa);
    LeggiPosizioni(lettore, d);
    LeggiSezioni(lettore, d);
    LeggiQuote(lettore, d, versione);
    if (versione > 1)
        LeggiPerimetro(lettore, "perimetro esterno", d.PerimetroEsterno, d.NumPuntiEst, false);
    if (versione > 5)
        LeggiPerimetro(lettore, "perimetro interno", d.PerimetroInterno, d.NumPuntiInt, true);
    if (versione > 2) LeggiQuoteLivello(lettore, d);
    if (versione > 4) LeggiSolai(lettore, d);
    if (lettore.InErrore()) return std::nullopt;
    return letto;
}

std::string ErroreLettura(const std::string& percorso, const std::string& motivo) {
    return "Errore nella lettura del file delle armature " + percorso + ".\n" + motivo;
}

}  // namespace

Punto VerticeScritto(Punto p) {
    return {ValoreScritto(p.X, DecimaliPerimetro), ValoreScritto(p.Y, DecimaliPerimetro)};
}

std::string TestoArmature(const Parete& parete) {
    std::string testo;
    AggiungiRiga(testo, "VERSIONE  " + std::to_string(VersioneArmature));
    AggiungiRiga(testo, parete.DataFileSet);
    RigaInteri(testo, {parete.NumeroParete});
    RigaInteri(testo, {parete.PiegaAncoraggio});
    RigaReali(testo, {parete.OrigineX, parete.OrigineY}, 3);
    RigaInteri(testo, {parete.DiamDir1Piu, parete.DiamDir1Meno, parete.DiamDir2Piu,
                       parete.DiamDir2Meno});
    RigaReali(testo, {parete.PassoDir1Piu, parete.PassoDir1Meno, parete.PassoDir2Piu,
                      parete.PassoDir2Meno}, DecimaliPassoDiffusa);

    RigaInteri(testo, {parete.UltPosizione});
    for (int i = 0; i <= parete.UltPosizione; ++i)
        ScriviPosizione(testo, parete.Posizioni[i], parete.PoligoniPos[i]);

    RigaInteri(testo, {parete.UltSezione});
    for (int i = 0; i <= parete.UltSezione; ++i) {
        const LineaSezione& s = parete.Sezioni[i];
        RigaReali(testo, {s.P0.X, s.P0.Y, s.P1.X, s.P1.Y}, 3);
        RigaReali(testo, {s.P2.X, s.P2.Y, s.P3.X, s.P3.Y}, 3);
        RigaReali(testo, {s.P4.X, s.P4.Y, s.P5.X, s.P5.Y}, 3);
        RigaInteri(testo, {s.Orizzontale});
    }

    RigaInteri(testo, {parete.UltQuota});
    for (int i = 0; i <= parete.UltQuota; ++i) {
        const Quota& q = parete.Quote[i];
        RigaReali(testo, {q.X1, q.Y1, q.X2, q.Y2}, 3);
        RigaReali(testo, {q.XA, q.YA, q.XB, q.YB}, 3);
        RigaInteri(testo, {q.Vista});
        AggiungiRiga(testo, q.Testo);
    }

    ScriviPerimetro(testo, parete.PerimetroEsterno, parete.NumPuntiEst);
    ScriviPerimetro(testo, parete.PerimetroInterno, parete.NumPuntiInt);

    RigaInteri(testo, {parete.NumQuoteLivello});
    for (int i = 0; i < parete.NumQuoteLivello; ++i) {
        const QuotaLivello& q = parete.QuoteLivello[i];
        const std::size_t inizio = testo.size();
        for (float valore : {q.X, q.Y, q.Valore})
            AggiungiInZona(testo, inizio, FormatoDec(valore, 3));
        AggiungiInZona(testo, inizio, InteroFile(q.Vista));
        AggiungiRiga(testo, {});
    }

    ScriviSolai(testo, parete);
    if (SoloAscii(testo)) return testo;  // the same bytes in both encodings
    return Utf8ACp1252(testo);
}

Esito ScriviArmature(const Parete& parete, const std::string& percorso, Persistenza persistenza) {
    if (!parete.CaricataParete()) return Esito::Ok();
    return ScriviFileAtomico(percorso, TestoArmature(parete), persistenza);
}

namespace {

Esito LeggiDaLettore(Parete& parete, LettoreSequenziale& lettore, const std::string& percorso,
                     int versione) {
    if (versione < 0 || versione > VersioneArmature)
        return Esito::Errore(
            ErroreLettura(percorso, "Versione " + std::to_string(versione) + " non gestita."),
            CodiceArmature::Danneggiato);
    int numero = 0;
    std::optional<ArmatureLette> letto = LeggiContenuto(lettore, parete, versione, numero);
    if (lettore.InErrore())
        return Esito::Errore(ErroreLettura(percorso, lettore.MotivoErrore()),
                             CodiceArmature::Danneggiato);
    if (!letto)
        return Esito::Errore("Il file delle armature " + percorso +
                                 " appartiene alla parete n. " + std::to_string(numero) +
                                 ", non alla parete n. " + std::to_string(parete.NumeroParete) +
                                 ": l'armatura non è stata caricata.",
                             CodiceArmature::AltraParete);
    parete.Progetto() = std::move(letto->progetto);
    parete.OrigineX = letto->OrigineX;
    parete.OrigineY = letto->OrigineY;
    TrovaLatiCordoli(parete);
    return Esito::Ok();
}

}  // namespace

Esito LeggiArmatureDaTesto(Parete& parete, const std::string& contenuto,
                           const std::string& percorso, int versione) {
    LettoreSequenziale lettore(contenuto);
    return LeggiDaLettore(parete, lettore, percorso, versione);
}

Esito LeggiArmature(Parete& parete, const std::string& percorso, int versione) {
    std::optional<LettoreSequenziale> lettore = LettoreSequenziale::Apri(percorso);
    if (!lettore)
        return Esito::Errore(ErroreLettura(percorso, "Impossibile aprire il file."),
                             CodiceArmature::Danneggiato);
    return LeggiDaLettore(parete, *lettore, percorso, versione);
}
