#include "design/LeggiParete.h"

#include "design/AccessoriStrato.h"
#include "design/CaricamentoArmature.h"
#include "design/ContorniArmatura.h"
#include "design/Modifica.h"
#include "design/Triangolazione.h"
#include "drawing/QuotaturaAutomatica.h"
#include "model/Angoli.h"
#include "model/CaricaArmature.h"
#include "model/Cartelle.h"
#include "model/Direzioni.h"
#include "model/Estensione.h"
#include "model/FileArmature.h"
#include "model/FileIntero.h"
#include "model/Finestra.h"
#include "model/Geometria.h"
#include "model/LettoreSequenziale.h"
#include "model/LimitiFile.h"
#include "model/Numeri.h"
#include "model/Sessione.h"
#include "model/Poligoni.h"
#include "model/Protezione.h"
#include "model/Sezioni.h"
#include "model/Testo.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <optional>

namespace {

const char* const TitoloAvviso = "Attenzione!";

void Avvisa(InterfacciaFinestra& finestra, const std::string& testo) {
    finestra.Messaggio(testo, TitoloAvviso, IconaMessaggio::Esclamazione);
}

// Coordinates of the analysis program are 32-bit floats carrying one decimal:
// the float as stored is rounded to 0.1, halves to the even digit (1400.35 is
// stored as 1400.3499756 and gives 1400.3).
float ArrotondaDecimo(float x) {
    return static_cast<float>(std::nearbyint(static_cast<double>(x) * 10.0) / 10.0);
}

void Fuori(LettoreSequenziale& lettore, const std::string& cosa) {
    lettore.SegnalaErroreRiga(cosa + " fuori dall'intervallo ammesso.");
}

// A negative spacing would make the bar layouts step backwards for ever;
// 0 stands for the default.
float LeggiPasso(LettoreSequenziale& lettore) {
    return LeggiLunghezza(lettore, "passo delle barre");
}

int LeggiDiametro(LettoreSequenziale& lettore) {
    const int diametro = lettore.LeggiIntero16();
    if (diametro < 0) Fuori(lettore, "diametro delle barre");
    return lettore.InErrore() ? 0 : diametro;
}

// Removes every vertex whose successor lies on the line through its
// predecessor and itself, then closes the array: vertices 0 to n, n = 0.
void TogliVerticiAllineati(std::vector<Punto>& c, int& n) {
    int i = 0;
    while (i <= n - 1) {
        const Punto prec = c[i == 0 ? n - 1 : i - 1];
        const Punto succ = c[i == n - 1 ? 0 : i + 1];
        if (PuntiAllineati(prec.X, prec.Y, c[i].X, c[i].Y, succ.X, succ.Y)) {
            c.erase(c.begin() + i);
            --n;
        } else {
            ++i;
        }
    }
    c.resize(n + 1);
    c[n] = c[0];
}

// A point in the analysis program's coordinates, as the wall keeps it.
Punto LeggiPuntoParete(LettoreSequenziale& lettore, const std::string& cosa) {
    const Punto v = LeggiPuntoAmmesso(lettore, cosa, OrigineMassima);
    return {ArrotondaDecimo(v.X), ArrotondaDecimo(v.Y)};
}

// A point read at line riga must lie within CoordinataMassima of the origin.
void VerificaPunto(LettoreSequenziale& lettore, int riga, const std::string& cosa, Punto v,
                   const Parete& p) {
    VerificaCoordinata(lettore, riga, cosa + ", x", v.X, p.OrigineX);
    VerificaCoordinata(lettore, riga, cosa + ", y", v.Y, p.OrigineY);
}

void LeggiContorno(Parete& p, LettoreSequenziale& lettore) {
    int n = lettore.LeggiIntero16();
    lettore.LeggiCommento();
    if (lettore.InErrore()) return;
    if (n < 3) {
        lettore.SegnalaErroreRiga("il contorno della parete ha meno di 3 vertici.");
        return;
    }
    // The origin is known once the outline is read; each vertex is judged
    // against it at its own line.
    struct VerticeLetto {
        Punto Letto;
        int Riga = 0;
    };
    std::vector<VerticeLetto> letti(n);
    for (VerticeLetto& v : letti) {
        v.Letto = LeggiPuntoParete(lettore, "vertice del contorno");
        v.Riga = lettore.NumeroRiga();
        lettore.LeggiCommento();
    }
    if (lettore.InErrore()) return;
    p.Contorno.assign(n + 1, Punto{});
    for (int i = 0; i < n; ++i) p.Contorno[i] = letti[i].Letto;
    TogliVerticiAllineati(p.Contorno, n);
    if (n < 3) {
        lettore.SegnalaErrore("Il contorno della parete ha meno di 3 vertici non allineati.");
        return;
    }
    p.NumPuntiContorno = n;

    p.OrigineX = OrigineMassima;
    p.OrigineY = OrigineMassima;
    for (int i = 0; i < n; ++i) {
        p.OrigineX = std::min(p.OrigineX, p.Contorno[i].X);
        p.OrigineY = std::min(p.OrigineY, p.Contorno[i].Y);
    }
    for (const VerticeLetto& v : letti)
        VerificaPunto(lettore, v.Riga, "vertice del contorno", v.Letto, p);
    for (Punto& v : p.Contorno) {
        v.X -= p.OrigineX;
        v.Y -= p.OrigineY;
    }
}

// Each opening: a count, then its vertices; a count of 0 or less ends the block.
void LeggiAperture(Parete& p, LettoreSequenziale& lettore) {
    p.NumAperture = 0;
    p.PuntiApertura.assign(1, 0);
    p.InizioApertura.clear();
    p.XAperture.clear();
    p.YAperture.clear();
    int k = 0;
    for (;;) {
        const int vertici = lettore.LeggiIntero16();
        lettore.LeggiCommento();
        if (vertici <= 0) break;
        if (static_cast<int>(p.PuntiApertura.size()) <= k) p.PuntiApertura.resize(k + 1);
        for (int j = 0; j < vertici; ++j) {
            const Punto v = LeggiPuntoParete(lettore, "vertice dell'apertura");
            VerificaPunto(lettore, lettore.NumeroRiga(), "vertice dell'apertura", v, p);
            lettore.LeggiCommento();
            p.AggiungiVerticeApertura(k, j, v.X - p.OrigineX, v.Y - p.OrigineY);
        }
        p.PuntiApertura[k] = vertici;
        ++k;
    }
    p.NumAperture = k;
}

void LeggiNodi(Parete& p, LettoreSequenziale& lettore, double versione) {
    p.NumNodi = lettore.LeggiIntero16();
    lettore.LeggiCommento();
    if (p.NumNodi <= 0) {
        p.Nodi.assign(2, Nodo{});
        return;
    }
    p.Nodi.assign(p.NumNodi + 1, Nodo{});
    for (int i = 0; i < p.NumNodi; ++i) {
        Nodo& nodo = p.Nodi[i];
        if (versione > 0) nodo.Id = lettore.LeggiIntero32();
        const Punto v = LeggiPuntoParete(lettore, "nodo");
        VerificaPunto(lettore, lettore.NumeroRiga(), "nodo", v, p);
        // The file lists "lato -" before "lato +".
        for (int slot : {2, 3, 0, 1}) nodo.Richiesta[slot] = lettore.LeggiReale();
        lettore.LeggiCommento();
        nodo.X = v.X - p.OrigineX;
        nodo.Y = v.Y - p.OrigineY;
    }
}

void SaltaValori(LettoreSequenziale& lettore, int quanti) {
    for (int i = 0; i < quanti; ++i) lettore.LeggiNumero();
    lettore.LeggiCommento();
}

// Per-side data of the analysis program: read to the end, nothing kept.
void SaltaDatiLati(LettoreSequenziale& lettore, int lati) {
    lettore.LeggiNumero();
    const int b = lettore.LeggiIntero16();
    const int c = lettore.LeggiIntero16();
    lettore.LeggiIntero16();
    lettore.LeggiIntero16();
    lettore.LeggiCommento();
    if (b >= 1 && b <= 3) {
        for (int lato = 1; lato <= lati - 1; ++lato) {
            SaltaValori(lettore, b == 1 ? 4 : 6);
            if (b == 3) SaltaValori(lettore, 2);
        }
        if (b == 3) SaltaValori(lettore, 1);
    }
    if (c == 1 || c == 2)
        for (int lato = 1; lato <= lati - 1; ++lato) SaltaValori(lettore, c == 1 ? 3 : 4);
    if (!lettore.FineFile()) SaltaValori(lettore, 1);
}

const char* const ErroreFile = "Errore nella lettura del file della parete.\n";

Esito ErroreDiLettura(const LettoreSequenziale& lettore) {
    return Esito::Errore(ErroreFile + lettore.MotivoErrore());
}

// Reads the wall file into p. Returns the outcome with the text to show: a
// refusal, or a file that does not hold what a wall file holds. The reader's
// error is asked before each refusal, so a fault earlier in the file is told
// as what it is.
Esito LeggiFileParete(Parete& p, LettoreSequenziale& lettore, int& riferimento1,
                      int& riferimento2) {
    const double versione = VersioneDaRiga(lettore.LeggiRiga());
    lettore.LeggiRiga();  // marker of the program that wrote the file
    p.NumeroParete = lettore.LeggiIntero16();
    p.TipoStruttura = lettore.LeggiIntero16();
    lettore.LeggiCommento();
    if (lettore.InErrore()) return ErroreDiLettura(lettore);
    if (p.TipoStruttura == 1) return Esito::Errore("Il file non è di una parete.");
    if (versione > 1)
        return Esito::Errore(
            "Versione del file non compatibile.\n"
            "Aggiornare il modulo all'ultima versione, disponibile sul sito web del produttore.");

    LeggiContorno(p, lettore);
    LeggiAperture(p, lettore);
    p.PerimetroEsterno = p.Contorno;
    p.PerimetroInterno = p.Contorno;
    p.NumPuntiEst = p.NumPuntiInt = p.NumPuntiContorno;

    p.SpessoreParete = LeggiLunghezza(lettore, "spessore della parete");
    p.Copriferro = LeggiLunghezza(lettore, "copriferro");
    lettore.LeggiCommento();

    // The angle is judged before the rest of its line is read: a refused
    // angle is told as such whatever else the line holds.
    const float angolo1 = lettore.LeggiReale();
    if (!lettore.InErrore() && std::fabs(angolo1 - 90.0f) > 50.0f)
        return Esito::Errore(
            "L'angolo dell'armatura verticale non risulta corretto. Modificare l'impostazione "
            "dei criteri di progetto.\n"
            "Per armatura verticale Av = 90° (angolo dal riferimento orizzontale). "
            "Caricamento interrotto.",
            -1);
    p.PassoDir1Piu = LeggiPasso(lettore);
    p.DiamDir1Piu = LeggiDiametro(lettore);
    riferimento1 = LeggiDiametro(lettore);
    lettore.LeggiCommento();
    // The two angles are measured the other way round depending on the structure type.
    p.GradiArm1 = NormalizzaAngolo180(angolo1);
    p.AngoloArm1 = p.TipoStruttura == 0 ? RadSupplementare(p.GradiArm1) : GradiRad(p.GradiArm1);

    const float angolo2 = lettore.LeggiReale();
    p.PassoDir2Piu = LeggiPasso(lettore);
    p.DiamDir2Piu = LeggiDiametro(lettore);
    riferimento2 = LeggiDiametro(lettore);
    lettore.LeggiCommento();
    p.GradiArm2 = NormalizzaAngolo180(angolo2);
    p.AngoloArm2 = p.TipoStruttura == 0 ? GradiRad(p.GradiArm2) : RadSupplementare(p.GradiArm2);

    const int latoMenoDiverso = lettore.LeggiIntero16();
    lettore.LeggiCommento();
    if (latoMenoDiverso != 0) {
        p.PassoDir1Meno = LeggiPasso(lettore);
        p.DiamDir1Meno = LeggiDiametro(lettore);
        p.PassoDir2Meno = LeggiPasso(lettore);
        p.DiamDir2Meno = LeggiDiametro(lettore);
        lettore.LeggiCommento();
    } else {
        p.PassoDir1Meno = p.PassoDir1Piu;
        p.DiamDir1Meno = p.DiamDir1Piu;
        p.PassoDir2Meno = p.PassoDir2Piu;
        p.DiamDir2Meno = p.DiamDir2Piu;
    }
    for (float* passo : {&p.PassoDir1Piu, &p.PassoDir2Piu, &p.PassoDir1Meno, &p.PassoDir2Meno})
        if (*passo == 0.0f) *passo = 20.0f;
    for (int* diametro : {&p.DiamDir1Piu, &p.DiamDir2Piu, &p.DiamDir1Meno, &p.DiamDir2Meno})
        if (*diametro == 0) *diametro = 12;

    LeggiNodi(p, lettore, versione);
    SaltaDatiLati(lettore, p.NumPuntiContorno);
    return lettore.InErrore() ? ErroreDiLettura(lettore) : Esito::Ok();
}

void SvuotaListe(Parete& p) {
    p.Posizioni.assign(1, PosizioneArm{});
    p.UltPosizione = -1;
    p.PoligoniPos.assign(MaxPosizioniZona, std::vector<Punto>(1));
    p.Sezioni.assign(1, LineaSezione{});
    p.UltSezione = -1;
    p.Quote.assign(1, Quota{});
    p.UltQuota = -1;
    p.Solai.assign(1, SolaioParete{});
    p.UltSolaio = -1;
    p.ParetiTrasversali.assign(1, SolaioParete{});
    p.UltParete = -1;
    p.QuoteLivello.assign(1, QuotaLivello{});
    p.NumQuoteLivello = 0;
}

// What follows the file itself: orientation, triangles, emptied lists,
// directions, the design beside the wall, extents, contours and sections.
void CompletaParete(Parete& p, StatoInterfaccia& stato, const Impostazioni& imp,
                    const std::string& percorso,
                    InterfacciaFinestra& finestra, int riferimento1, int riferimento2) {
    if (!PuntiInSensoOrario(p.Contorno)) {
        InvertiPunti(p.PerimetroEsterno);
        InvertiPunti(p.PerimetroInterno);
        InvertiPunti(p.Contorno);
    }

    if (p.NumNodi > 0) {
        TriangolaNodi(p);
    } else {
        p.Triangoli.clear();
        p.UltimoTriangolo = -1;
    }

    SvuotaListe(p);

    if (riferimento1 == 0) riferimento1 = 12;
    if (riferimento2 == 0) riferimento2 = 12;
    p.DiamIntegrativa = std::max(riferimento1, riferimento2);

    CalcolaDirezioni(p);
    p.DataFileSet = DataModificaFile(percorso);

    std::string armature = TrovaFileArmature(percorso);
    if (armature.empty()) armature = NomeFileArmature(percorso);
    if (!armature.empty() && EsisteFile(armature, stato, finestra)) {
        // The wall is sound: a design that cannot be read is told, and the
        // wall opens with what was read of it.
        const Esito esito = CaricaArmature(p, stato, imp, finestra, percorso);
        if (!esito.Riuscito()) Avvisa(finestra, esito.Motivo);
    } else {
        p.UltQuota = -1;
        p.Quote.assign(1, Quota{});
        CalcolaEstensione(p);
        QuotaturaAutomatica(p, FormatoQuoteDa(imp));
    }

    CodaGeometria(p, stato);
}

// A single central mesh is recognised from the first node: nothing required
// on the "lato +" face.
void ImpostaMagliaUnica(Parete& p, InterfacciaFinestra& finestra) {
    const Nodo& primo = p.Nodi[0];
    if (primo.Richiesta[0] < 1e-8f && primo.Richiesta[1] < 1e-8f) {
        finestra.SelezionaLatoMeno();
        finestra.MostraPulsantiLato(false);
        finestra.MostraEtichettaMagliaUnica(true);
        p.MagliaUnica = -1;
    } else {
        finestra.MostraPulsantiLato(true);
        finestra.MostraEtichettaMagliaUnica(false);
    }
}

// Warns about each layer whose bars cover fewer than 20 % of the nodes.
void AvvisaCopertura(const Parete& p, InterfacciaFinestra& finestra) {
    if (p.NumNodi <= 0) return;
    const std::string lato = p.MagliaUnica != 0 ? "" : " lato -";
    const std::string righe[4] = {"Armatura lato + dir. 1", "Armatura" + lato + " dir. 1",
                                  "Armatura lato + dir. 2", "Armatura" + lato + " dir. 2"};
    std::string testo;
    for (int k = 0; k < 4; ++k) {
        const float fornita =
            AreaBarra(static_cast<int>(DiamStrato(p, k))) * 100.0f / PassoStrato(p, k);
        int coperti = 0;
        for (int i = 0; i < p.NumNodi; ++i)
            if (AreaRichiestaNodo(p, k, i) - fornita <= 0.005f) ++coperti;
        if (coperti * 5 < p.NumNodi) testo += righe[k] + ": nodi con armatura ok < 20%\n";
    }
    if (!testo.empty()) Avvisa(finestra, testo + "Si consiglia la riprogettazione dell'armatura diffusa.");
}

// The files as they were read, and the design they gave.
void RicordaFile(Parete& p, const std::string& percorso, std::string contenuto) {
    const std::string armature = TrovaFileArmature(percorso);
    p.FileNoti.Parete = std::move(contenuto);
    p.FileNoti.Armature = armature.empty() ? std::nullopt : LeggiFileIntero(armature);
    p.FileNoti.Progetto = TestoArmature(p);
}

}  // namespace

std::string DataModificaFile(const std::string& percorso) {
    std::error_code errore;
    const auto ora = std::filesystem::last_write_time(percorso, errore);
    if (errore) return {};
    const auto sistema = std::chrono::file_clock::to_sys(ora);
    const std::time_t istante = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sistema));
    std::tm data{};
    if (!localtime_r(&istante, &data)) return {};
    char testo[32];
    if (std::strftime(testo, sizeof testo, "%d/%m/%Y %H:%M:%S", &data) == 0) return {};
    return testo;
}

Esito LeggiParete(Sessione& sessione, const std::string& percorso,
                  InterfacciaFinestra& finestra) {
    sessione.stato.ErroreOperazione = 0;
    if (percorso.empty() || MaiuscoloAscii(percorso) == "ANONIMO") return Esito::Ok();
    const std::string file = percorso;  // may be a member of the wall itself

    const auto rifiuta = [&](Esito esito) {
        Avvisa(finestra, esito.Motivo);
        sessione.stato.ErroreOperazione = esito.Codice;
        return esito;
    };
    std::optional<std::string> contenuto = LeggiFileIntero(file);
    if (!contenuto)
        return rifiuta(Esito::Errore(ErroreFile + ("Impossibile aprire il file " + file + ".")));
    LettoreSequenziale lettore(*contenuto);

    // The open wall is replaced only by a file read to the end; a fault on
    // the way leaves it and the window's state as they were.
    Parete nuova = sessione.parete;
    const StatoInterfaccia statoPrima = sessione.stato;
    Esito esito;
    const Esito interrotta = Protetto([&] {
        nuova.MagliaUnica = 0;
        int riferimento1 = 0, riferimento2 = 0;
        esito = LeggiFileParete(nuova, lettore, riferimento1, riferimento2);
        if (esito.Riuscito())
            CompletaParete(nuova, sessione.stato, sessione.imp, file, finestra, riferimento1,
                           riferimento2);
    });
    if (!interrotta.Riuscito()) {
        sessione.stato = statoPrima;
        sessione.stato.ErroreOperazione = 1;
        return SegnalaInterruzione(finestra, "Impossibile aprire il file " + file + ".", interrotta);
    }
    if (!esito.Riuscito()) return rifiuta(std::move(esito));
    RicordaFile(nuova, file, std::move(*contenuto));

    sessione.parete = std::move(nuova);
    sessione.stato.ErroreOperazione = 0;
    ImpostaMagliaUnica(sessione.parete, finestra);
    AvvisaCopertura(sessione.parete, finestra);
    return Esito::Ok();
}
