// Every numeric field of every dialog, grid and of the perimeter vertex
// editor, driven through the calls its window makes: typed with one decimal
// more than its file keeps and at its limits, what the dialog stores is what
// the program's own save and reopening give back; past its range it is
// refused, the value before kept.

#include "design/AccessoriStrato.h"
#include "design/GeometriaZona.h"
#include "design/LeggiParete.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "design/RitagliaZona.h"
#include "design/SalvaParete.h"
#include "drawing/Vista.h"
#include "export/ValoriDialogoDxf.h"
#include "interaction/EditorPerimetro.h"
#include "interaction/FormCordoloDati.h"
#include "interaction/FormSolaiDati.h"
#include "interaction/FormZonaDati.h"
#include "interaction/GrigliaImpostazioni.h"
#include "interaction/ModificaDiffusa.h"
#include "model/ControlliImpostazioni.h"
#include "model/FileIni.h"
#include "model/ParametriProgetto.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The text a grid hands its handler as the item's value in force.
constexpr const char* Attuale = "ATTUALE";

// Where a dialog's values are kept from one run to the next.
enum class FileCampo { Armature, Impostazioni, Nessuno };

// The wall of PARETE_ASSI.SET (500 x 300, clockwise from (0, 0), direction 1
// vertical) opened from its file in a folder of its own, the settings file
// there too, and the values that a dialog holds while it is open.
struct Banco {
    Banco() {
        file = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
        s.imp.CartellaUtente = cartella.Percorso().string();
        EXPECT_TRUE(LeggiParete(s, file, finestra).Riuscito());
        s.parete.FileCorrente = file;
        s.parete.CartellaLavoro = cartella.Percorso().string();
    }

    CartellaTemporanea cartella;
    std::string file;
    FinestraRegistrata finestra;
    Sessione s;
    DatiFormZona zona;
    ValoriControlli controlli;
    ValoriDialogoDxf dxf;
};

using Valori = std::vector<double>;

// How the test drives one dialog: open it on its element, type into item id
// (false when refused, testo then holding what the field shows again),
// confirm it, and read everything it stores.
struct Dialogo {
    FileCampo File;
    void (*Apri)(Banco&);
    bool (*Digita)(Banco&, int id, std::string& testo);
    void (*Conferma)(Banco&);
    Valori (*Memorizzati)(const Sessione&);
};

void Niente(Banco&) {}

// --- Distributed-reinforcement grid ---------------------------------------

Valori ValoriDiffusa(const Sessione& s) {
    Valori v;
    for (int k = 0; k < 4; ++k) {
        v.push_back(DiamStrato(s.parete, k));
        v.push_back(PassoStrato(s.parete, k));
    }
    return v;
}

const Dialogo Diffusa{
    .File = FileCampo::Armature,
    .Apri = Niente,
    .Digita = [](Banco& b, int id, std::string& testo) {
        return ValidaModificaDiffusa(b.s, b.finestra, id, testo, Attuale, {}) ==
               EsitoModificaDiffusa::Accettata;
    },
    .Conferma = Niente,
    .Memorizzati = ValoriDiffusa,
};

// --- Zone dialog: a zone drawn over most of the wall, confirmed as the
// release of the zone mode stores it --------------------------------------

void ApriZona(Banco& b) {
    StatoInterfaccia& st = b.s.stato;
    st.Modo = ModoInput::NuovaZona;
    st.PosCorrente = PosizioneArm{};
    st.LatoAttivo = 0;
    st.DirezioneAttiva = 0;
    ImpostaZonaDaPunti(st, b.s.parete, b.s.imp, 40.0f, 40.0f, 460.0f, 260.0f);
    ASSERT_TRUE(CreaPosizioneDaSelezione(b.s, b.finestra, OrigineZona::Nuova, st.Modo));
    st.IndiceCorrente = b.s.parete.UltPosizione + 1;
    st.Modo = ModoInput::NuovaZonaInCorso;
    b.zona = ApriFormZona(st, b.s.imp);
}

void ConfermaZona(Banco& b) {
    StatoInterfaccia& st = b.s.stato;
    OkFormZona(b.zona, b.s, b.finestra);
    if (st.PosAccettata == 0 || !RitagliaZona(st, b.s.parete, b.s.imp)) return;
    st.LatoOpposto = TipoOpposto(st.PosCorrente.Tipo);
    (void)ConfermaPosizione(b.s, b.finestra);
}

// The stored position's diameter, spacing and corners; nothing when none.
Valori ValoriZona(const Sessione& s) {
    if (s.parete.UltPosizione < 0) return {};
    const PosizioneArm& p = s.parete.Posizioni[0];
    Valori v{static_cast<double>(p.Diametro), p.Passo};
    for (const Punto& c : p.Vertici) {
        v.push_back(c.X);
        v.push_back(c.Y);
    }
    return v;
}

const Dialogo Zona{
    .File = FileCampo::Armature,
    .Apri = ApriZona,
    .Digita = [](Banco& b, int id, std::string& testo) {
        const Vista vista;
        return ValidaVoceZona(b.zona, b.s.stato, vista, id, testo, Attuale) != EsitoVoceZona::Rifiutata;
    },
    .Conferma = ConfermaZona,
    .Memorizzati = ValoriZona,
};

// --- Ring-beam dialog: a new ring beam on the top side ---------------------

void ApriCordolo(Banco& b) {
    StatoInterfaccia& st = b.s.stato;
    st.PosCorrente = PosizioneArm{.Diametro = 8, .DiamCorrenti = 12, .Passo = 10.0f, .Tipo = Cordolo,
                                  .NumBracci = 2, .Larghezza = 30.0f, .LatoPerimetro = 1,
                                  .PoligonoLato = -1, .CopriferroCordolo = 3.0f};
    st.IndiceCorrente = b.s.parete.UltPosizione + 1;
    ApriFormCordolo(st, b.s.parete);
}

// Its fields, with the side and the cover that reading recovers from its band.
Valori ValoriCordolo(const Sessione& s) {
    if (s.parete.UltPosizione < 0) return {};
    const PosizioneArm& p = s.parete.Posizioni[0];
    return {static_cast<double>(p.Diametro), p.Passo, static_cast<double>(p.NumBracci),
            p.CopriferroCordolo, static_cast<double>(p.DiamCorrenti), p.Larghezza,
            static_cast<double>(p.LatoPerimetro), static_cast<double>(p.PoligonoLato)};
}

const Dialogo Cordolo{
    .File = FileCampo::Armature,
    .Apri = ApriCordolo,
    .Digita = [](Banco& b, int id, std::string& testo) {
        return ValidaVoceCordolo(b.s.stato.PosCorrente, id, testo, Attuale);
    },
    .Conferma = [](Banco& b) { (void)OkFormCordolo(b.s, b.finestra); },
    .Memorizzati = ValoriCordolo,
};

// --- Slab and transverse-wall dialog: a new band on the top edge (slab) or
// the right edge (wall), where it moves the perimeters ----------------------

void ApriBanda(Banco& b, int modo, float coordinata) {
    StatoInterfaccia& st = b.s.stato;
    st.Modo = modo;
    st.SolaioCorrente = SolaioParete{.Coordinata = coordinata, .Spessore1 = 15.0f, .Spessore2 = 15.0f,
                                     .LatoMeno = 1, .LatoPiu = 1};
    st.IndiceCorrente = 0;
}

// The band stored and both perimeters, which its faces may have moved.
Valori ValoriBanda(const Sessione& s) {
    const Parete& p = s.parete;
    Valori v;
    for (const auto& [elenco, ultimo] :
         {std::pair{&p.Solai, p.UltSolaio}, std::pair{&p.ParetiTrasversali, p.UltParete}})
        for (int i = 0; i <= ultimo; ++i) {
            const SolaioParete& e = (*elenco)[i];
            v.insert(v.end(), {e.Coordinata, e.Spessore1, e.Spessore2, e.Rientro1, e.Rientro2});
        }
    for (const auto* perimetro : {&p.PerimetroEsterno, &p.PerimetroInterno})
        for (const Punto& q : *perimetro) v.insert(v.end(), {q.X, q.Y});
    return v;
}

bool DigitaBanda(Banco& b, int id, std::string& testo) { return ValidaVoceSolaio(b.s, id, testo); }
void ConfermaBanda(Banco& b) { (void)ConfermaFormSolai(b.s, b.finestra); }

const Dialogo Solaio{
    .File = FileCampo::Armature,
    .Apri = [](Banco& b) { ApriBanda(b, ModoInput::NuovoSolaio, 300.0f); },
    .Digita = DigitaBanda,
    .Conferma = ConfermaBanda,
    .Memorizzati = ValoriBanda,
};

const Dialogo PareteTrasversale{
    .File = FileCampo::Armature,
    .Apri = [](Banco& b) { ApriBanda(b, ModoInput::NuovaParete, 500.0f); },
    .Digita = DigitaBanda,
    .Conferma = ConfermaBanda,
    .Memorizzati = ValoriBanda,
};

// --- Perimeter vertex editor: the third vertex of the outer perimeter, (500, 300)

const Dialogo Perimetro{
    .File = FileCampo::Armature,
    .Apri = [](Banco& b) {
        CaricaEditorPerimetro(b.s, 0);
        SelezionaVertice(b.s.stato, 2);
    },
    // id: 0 the x box, 1 the y box.
    .Digita = [](Banco& b, int id, std::string& testo) {
        StatoInterfaccia& st = b.s.stato;
        st.Text1[id] = testo;
        const bool assegnato = AssegnaCoordinate(st, b.finestra);
        testo = st.Text1[id];
        return assegnato;
    },
    .Conferma = [](Banco& b) { AssegnaPerimetro(b.s, b.finestra); },
    .Memorizzati = [](const Sessione& s) {
        Valori v;
        for (const Punto& q : s.parete.PerimetroEsterno) v.insert(v.end(), {q.X, q.Y});
        return v;
    },
};

// --- Dialogs whose values the settings file keeps --------------------------

Valori ValoriImpostazioni(const Sessione& s) {
    const Impostazioni& i = s.imp;
    return {static_cast<double>(i.SovrappMin), static_cast<double>(i.SovrappMax),
            static_cast<double>(i.DiamStaffeCordolo), i.PassoStaffeCordolo, i.PassoMaxIntegrativa,
            static_cast<double>(i.DiamReggistaffa), i.LungMaxFerri, i.TolleranzaPerc, i.TolleranzaFissa,
            static_cast<double>(i.DiamMaxPiu), static_cast<double>(i.DiamMinPiu),
            static_cast<double>(i.DiamMaxMeno), static_cast<double>(i.DiamMinMeno),
            static_cast<double>(i.PassoMaxPiu), static_cast<double>(i.PassoMinPiu),
            static_cast<double>(i.PassoMaxMeno), static_cast<double>(i.PassoMinMeno),
            static_cast<double>(i.CoperturaMin), i.ScalaMm, i.ScalaUnita};
}

bool DigitaImpostazione(Banco& b, int id, std::string& testo) {
    return ValidaImpostazione(b.s, id, testo, Attuale) == EsitoVoceImpostazione::Accettata;
}

// The settings grid.
const Dialogo GrigliaImpostazioni{
    .File = FileCampo::Impostazioni,
    .Apri = Niente,
    .Digita = DigitaImpostazione,
    .Conferma = Niente,
    .Memorizzati = ValoriImpostazioni,
};

// Its items that no file keeps: the grid steps, and the diameter of
// additional bars that comes with the wall file.
const Dialogo GrigliaNonSalvata{
    .File = FileCampo::Nessuno,
    .Apri = Niente,
    .Digita = DigitaImpostazione,
    .Conferma = Niente,
    .Memorizzati = [](const Sessione& s) {
        return Valori{static_cast<double>(s.imp.PassoGrigliaX), static_cast<double>(s.imp.PassoGrigliaY),
                      static_cast<double>(s.parete.DiamIntegrativa)};
    },
};

// The two tolerance boxes of the settings dialog, read at "&Ok". id: 0 the
// percentage, 1 the fixed value.
const Dialogo Tolleranze{
    .File = FileCampo::Impostazioni,
    .Apri = [](Banco& b) { b.controlli = ValoriDaImpostazioni(b.s.imp); },
    .Digita = [](Banco& b, int id, std::string& testo) {
        (id == 0 ? b.controlli.TolleranzaPerc : b.controlli.TolleranzaFissa) = testo;
        return true;
    },
    .Conferma = [](Banco& b) { LeggiF(b.s.imp, b.controlli); },
    .Memorizzati = ValoriImpostazioni,
};

const Dialogo ParametriProgetto{
    .File = FileCampo::Impostazioni,
    .Apri = Niente,
    .Digita = [](Banco& b, int id, std::string& testo) {
        return ValidaParametro(b.s.imp, id, testo, Attuale);
    },
    .Conferma = Niente,
    .Memorizzati = ValoriImpostazioni,
};

// The print scale of the DXF export dialog, taken over by "Salva
// impostazioni" or "Genera File DXF" (Leggi). id: 0 "mm =", 1 "unità".
const Dialogo ScalaDxf{
    .File = FileCampo::Impostazioni,
    .Apri = [](Banco& b) { b.dxf = AggiornaFormDXF(b.s.imp, 0); },
    .Digita = [](Banco& b, int id, std::string& testo) {
        std::string& casella = id == 0 ? b.dxf.ScalaMm : b.dxf.ScalaUnita;
        casella = testo;
        int r12 = 0;
        EXPECT_FALSE(Leggi(b.dxf, b.s.imp, r12).has_value());
        const bool accettato = casella == testo;
        testo = casella;
        return accettato;
    },
    .Conferma = Niente,
    .Memorizzati = ValoriImpostazioni,
};

// --- The table -------------------------------------------------------------

struct CampoDialogo {
    const char* nome;
    const Dialogo* dialogo;
    int id;
    // One decimal more than its file keeps, and what the field stores of it,
    // read by valore (nullptr where the field is no stored value: a zone's
    // centre and sizes shape its corners).
    const char* piuDecimali;
    std::optional<double> atteso{};
    double (*valore)(const Sessione&) = nullptr;
    // Its limits, each accepted (for a zone's bar length and strip width,
    // whose lower limit is the spacing, a low value).
    const char* minimo;
    const char* massimo;
    // Past them: each refused, the value before kept.
    std::vector<const char*> fuori{};
};

std::ostream& operator<<(std::ostream& os, const CampoDialogo& c) { return os << c.nome; }

double PassoDiffusa0(const Sessione& s) { return PassoStrato(s.parete, 0); }
double DiamDiffusa3(const Sessione& s) { return DiamStrato(s.parete, 3); }
// A field of the first position, -1 when none is stored.
template <auto Campo>
double Posizione0(const Sessione& s) {
    return s.parete.UltPosizione < 0 ? -1.0 : static_cast<double>(s.parete.Posizioni[0].*Campo);
}
// A setting.
template <auto Campo>
double Impostazione(const Sessione& s) {
    return static_cast<double>(s.imp.*Campo);
}
// A field of the first slab or transverse wall, -1 when none is stored.
template <auto Campo>
double Solaio0(const Sessione& s) {
    return s.parete.UltSolaio < 0 ? -1.0 : s.parete.Solai[0].*Campo;
}
template <auto Campo>
double Parete0(const Sessione& s) {
    return s.parete.UltParete < 0 ? -1.0 : s.parete.ParetiTrasversali[0].*Campo;
}

const std::vector<CampoDialogo> Campi = {
    // Distributed reinforcement: spacings with 2 decimals, diameters whole.
    {.nome = "DiffusaPassoDuePuntoZeroZeroCinque", .dialogo = &Diffusa, .id = 2, .piuDecimali = "2.005",
     .atteso = 2.01f, .valore = PassoDiffusa0, .minimo = "2", .massimo = "100000",
     .fuori = {"1.995", "100000.01", "1e20"}},
    {.nome = "DiffusaDiametro", .dialogo = &Diffusa, .id = 7, .piuDecimali = "12.5", .atteso = 12,
     .valore = DiamDiffusa3, .minimo = "2", .massimo = "32767", .fuori = {"1.9", "32767.5", "1e20"}},
    {.nome = "DiffusaPassoLatoMeno", .dialogo = &Diffusa, .id = 8, .piuDecimali = "17.125",
     .atteso = 17.13f, .valore = [](const Sessione& s) -> double { return PassoStrato(s.parete, 3); },
     .minimo = "2", .massimo = "100000", .fuori = {"1.9949", "-5"}},

    // Zone dialog.
    {.nome = "ZonaDiametro", .dialogo = &Zona, .id = VoceZona::Diametro, .piuDecimali = "13.5", .atteso = 14,
     .valore = Posizione0<&PosizioneArm::Diametro>,
     .minimo = "6", .massimo = "32767", .fuori = {"5.9", "32767.5", "1e20"}},
    {.nome = "ZonaPasso", .dialogo = &Zona, .id = VoceZona::Passo, .piuDecimali = "12.3456",
     .atteso = 12.346f, .valore = Posizione0<&PosizioneArm::Passo>,
     .minimo = "4", .massimo = "200", .fuori = {"3.9996", "200.0004", "1e20"}},
    {.nome = "ZonaXCentro1e20", .dialogo = &Zona, .id = VoceZona::XCentro, .piuDecimali = "250.5678",
     .minimo = "-100000", .massimo = "100000", .fuori = {"1e20", "100000.01", "-100000.01"}},
    {.nome = "ZonaYCentroMeno1e30", .dialogo = &Zona, .id = VoceZona::YCentro, .piuDecimali = "149.4321",
     .minimo = "-100000", .massimo = "100000", .fuori = {"-1e30", "100000.01"}},
    {.nome = "ZonaLunghezzaFerri1e20", .dialogo = &Zona, .id = VoceZona::LungFerri, .piuDecimali = "300.4321",
     .minimo = "200", .massimo = "100000", .fuori = {"1e20", "100000.01"}},
    {.nome = "ZonaLarghezzaTratto1e30", .dialogo = &Zona, .id = VoceZona::LarghezzaTratto,
     .piuDecimali = "180.4321", .minimo = "200", .massimo = "100000", .fuori = {"1e30", "100000.01"}},

    // Ring-beam dialog: the width with 1 decimal, the cover (recovered from
    // the band on reading) with 2.
    {.nome = "CordoloDiametroStaffe", .dialogo = &Cordolo, .id = VoceCordolo::Diametro, .piuDecimali = "6.5",
     .atteso = 6, .valore = Posizione0<&PosizioneArm::Diametro>,
     .minimo = "6", .massimo = "32767", .fuori = {"5.9", "32768"}},
    {.nome = "CordoloPassoStaffe", .dialogo = &Cordolo, .id = VoceCordolo::Passo, .piuDecimali = "12.3456",
     .atteso = 12.346f, .valore = Posizione0<&PosizioneArm::Passo>,
     .minimo = "4", .massimo = "50", .fuori = {"3.9", "50.0004", "1e30"}},
    {.nome = "CordoloCopriferro1e39", .dialogo = &Cordolo, .id = VoceCordolo::Copriferro,
     .piuDecimali = "3.125", .atteso = 3.13f, .valore = Posizione0<&PosizioneArm::CopriferroCordolo>,
     .minimo = "2", .massimo = "100", .fuori = {"1.99", "100.01", "1e39"}},
    {.nome = "CordoloDiametroCorrenti", .dialogo = &Cordolo, .id = VoceCordolo::DiamCorrenti,
     .piuDecimali = "14.5", .atteso = 14, .valore = Posizione0<&PosizioneArm::DiamCorrenti>,
     .minimo = "2", .massimo = "32767", .fuori = {"1.9", "32768"}},
    {.nome = "CordoloLarghezzaDieciPuntoZeroCinque", .dialogo = &Cordolo, .id = VoceCordolo::Larghezza,
     .piuDecimali = "10.05", .atteso = 10.1f, .valore = Posizione0<&PosizioneArm::Larghezza>,
     .minimo = "10", .massimo = "1000", .fuori = {"9.9", "1000.05", "1e30"}},

    // Slab and transverse-wall dialog: 3 decimals; the band's faces within
    // the coordinate range.
    {.nome = "SolaioQuota", .dialogo = &Solaio, .id = VoceSolaio::Coordinata, .piuDecimali = "150.12345",
     .atteso = 150.123f, .valore = Solaio0<&SolaioParete::Coordinata>,
     .minimo = "0", .massimo = "300", .fuori = {"-0.01", "300.01", "1e20"}},
    {.nome = "SolaioSpessoreSuperiore", .dialogo = &Solaio, .id = VoceSolaio::Spessore1,
     .piuDecimali = "12.3456", .atteso = 12.346f, .valore = Solaio0<&SolaioParete::Spessore1>,
     .minimo = "0", .massimo = "99700", .fuori = {"-0.5", "99701", "1e20"}},
    {.nome = "SolaioSpessoreInferiore", .dialogo = &Solaio, .id = VoceSolaio::Spessore2,
     .piuDecimali = "7.0005", .atteso = 7.001f, .valore = Solaio0<&SolaioParete::Spessore2>,
     .minimo = "0", .massimo = "100000", .fuori = {"100000.01", "1e30"}},
    {.nome = "SolaioRientroSinistro", .dialogo = &Solaio, .id = VoceSolaio::Rientro1,
     .piuDecimali = "10.2525", .atteso = 10.253f, .valore = Solaio0<&SolaioParete::Rientro1>,
     .minimo = "0", .massimo = "100000", .fuori = {"-1", "100000.01"}},
    {.nome = "SolaioRientroDestro", .dialogo = &Solaio, .id = VoceSolaio::Rientro2, .piuDecimali = "0.0005",
     .atteso = 0.001f, .valore = Solaio0<&SolaioParete::Rientro2>,
     .minimo = "0", .massimo = "100000", .fuori = {"1e20"}},
    {.nome = "PareteAscissa", .dialogo = &PareteTrasversale, .id = VoceSolaio::Coordinata,
     .piuDecimali = "250.0004", .atteso = 250.0f, .valore = Parete0<&SolaioParete::Coordinata>,
     .minimo = "0", .massimo = "500", .fuori = {"500.01", "-1e20"}},
    {.nome = "PareteSpessoreDestro", .dialogo = &PareteTrasversale, .id = VoceSolaio::Spessore2,
     .piuDecimali = "20.0015", .atteso = 20.002f, .valore = Parete0<&SolaioParete::Spessore2>,
     .minimo = "0", .massimo = "99500", .fuori = {"99501", "1e20"}},

    // Perimeter vertex editor: 1 decimal, within the coordinate range.
    {.nome = "PerimetroX1e9", .dialogo = &Perimetro, .id = 0, .piuDecimali = "510.05", .atteso = 510.1f,
     .valore = [](const Sessione& s) -> double { return s.parete.PerimetroEsterno[2].X; },
     .minimo = "-100000", .massimo = "100000", .fuori = {"1e9", "1e12", "100000.1", "-100000.1"}},
    {.nome = "PerimetroY", .dialogo = &Perimetro, .id = 1, .piuDecimali = "300.04", .atteso = 300.0f,
     .valore = [](const Sessione& s) -> double { return s.parete.PerimetroEsterno[2].Y; },
     .minimo = "-100000", .massimo = "100000", .fuori = {"-1e12", "100000.1"}},

    // Settings grid: the spacings with 3 decimals, the longest bar whole.
    {.nome = "ImpostazioniLMin", .dialogo = &GrigliaImpostazioni, .id = 1, .piuDecimali = "40.5",
     .atteso = 40, .valore = Impostazione<&Impostazioni::SovrappMin>,
     .minimo = "20", .massimo = "32767", .fuori = {"19.9", "32768"}},
    {.nome = "ImpostazioniLMax", .dialogo = &GrigliaImpostazioni, .id = 2, .piuDecimali = "101.5",
     .atteso = 102, .valore = Impostazione<&Impostazioni::SovrappMax>,
     .minimo = "-32768", .massimo = "200", .fuori = {"200.1", "-32769"}},
    {.nome = "ImpostazioniDiametroStaffe", .dialogo = &GrigliaImpostazioni, .id = 7, .piuDecimali = "10.4",
     .atteso = 10, .valore = Impostazione<&Impostazioni::DiamStaffeCordolo>,
     .minimo = "6", .massimo = "32767", .fuori = {"5.9", "1e9"}},
    {.nome = "ImpostazioniPassoStaffe", .dialogo = &GrigliaImpostazioni, .id = 9, .piuDecimali = "12.3456",
     .atteso = 12.346f, .valore = Impostazione<&Impostazioni::PassoStaffeCordolo>,
     .minimo = "5", .massimo = "100000", .fuori = {"4.9996", "100000.01", "1e30"}},
    {.nome = "ImpostazioniPassoMassimo", .dialogo = &GrigliaImpostazioni, .id = 14, .piuDecimali = "30.0005",
     .atteso = 30.001f, .valore = Impostazione<&Impostazioni::PassoMaxIntegrativa>,
     .minimo = "5", .massimo = "100000", .fuori = {"4.9", "1e20"}},
    {.nome = "ImpostazioniDiametroReggistaffa", .dialogo = &GrigliaImpostazioni, .id = 15,
     .piuDecimali = "14.5", .atteso = 14, .valore = Impostazione<&Impostazioni::DiamReggistaffa>,
     .minimo = "6", .massimo = "32767", .fuori = {"5.5", "32767.5"}},
    {.nome = "ImpostazioniLunghezzaMaxFerri", .dialogo = &GrigliaImpostazioni, .id = 20,
     .piuDecimali = "600.5", .atteso = 601, .valore = Impostazione<&Impostazioni::LungMaxFerri>,
     .minimo = "300", .massimo = "100000", .fuori = {"299.9", "100000.5", "7e10"}},
    {.nome = "ImpostazioniPassoGrigliaX", .dialogo = &GrigliaNonSalvata, .id = 90, .piuDecimali = "12.5",
     .atteso = 12, .valore = Impostazione<&Impostazioni::PassoGrigliaX>,
     .minimo = "1", .massimo = "500", .fuori = {"0.9", "500.1"}},
    {.nome = "ImpostazioniPassoGrigliaY", .dialogo = &GrigliaNonSalvata, .id = 91, .piuDecimali = "7.5",
     .atteso = 8, .valore = Impostazione<&Impostazioni::PassoGrigliaY>,
     .minimo = "1", .massimo = "500", .fuori = {"0", "1e9"}},
    {.nome = "ImpostazioniDiametroIntegrativa", .dialogo = &GrigliaNonSalvata, .id = 13,
     .piuDecimali = "16.5",
     .atteso = 16, .valore = [](const Sessione& s) -> double { return s.parete.DiamIntegrativa; },
     .minimo = "6", .massimo = "32767", .fuori = {"5", "32768"}},

    // Settings dialog's tolerance boxes: 5 decimals, no limit of their own.
    {.nome = "TolleranzaPercentuale", .dialogo = &Tolleranze, .id = 0, .piuDecimali = "2.123456",
     .atteso = 2.12346f, .valore = Impostazione<&Impostazioni::TolleranzaPerc>,
     .minimo = "0", .massimo = "1e30"},
    {.nome = "TolleranzaFissa", .dialogo = &Tolleranze, .id = 1, .piuDecimali = "0.000005",
     .atteso = 0.00001f, .valore = Impostazione<&Impostazioni::TolleranzaFissa>,
     .minimo = "-1", .massimo = "1e39"},

    // Design parameters: whole numbers.
    {.nome = "ParametriDiametroMassimo", .dialogo = &ParametriProgetto, .id = 1, .piuDecimali = "26.5",
     .atteso = 26, .valore = Impostazione<&Impostazioni::DiamMaxPiu>,
     .minimo = "4", .massimo = "32767", .fuori = {"3.9", "32768"}},
    {.nome = "ParametriDiametroMinimoLatoMeno", .dialogo = &ParametriProgetto, .id = 4, .piuDecimali = "7.5",
     .atteso = 8, .valore = Impostazione<&Impostazioni::DiamMinMeno>,
     .minimo = "4", .massimo = "32767", .fuori = {"-4"}},
    {.nome = "ParametriPassoMinimo", .dialogo = &ParametriProgetto, .id = 6, .piuDecimali = "12.5",
     .atteso = 12, .valore = Impostazione<&Impostazioni::PassoMinPiu>,
     .minimo = "2", .massimo = "32767", .fuori = {"1.9", "1e20"}},
    {.nome = "ParametriPassoMassimoLatoMeno", .dialogo = &ParametriProgetto, .id = 7, .piuDecimali = "13.5",
     .atteso = 14, .valore = Impostazione<&Impostazioni::PassoMaxMeno>,
     .minimo = "2", .massimo = "32767", .fuori = {"32767.5"}},
    {.nome = "ParametriCopertura", .dialogo = &ParametriProgetto, .id = 10, .piuDecimali = "60.5",
     .atteso = 60, .valore = Impostazione<&Impostazioni::CoperturaMin>,
     .minimo = "1", .massimo = "100", .fuori = {"0", "100.1"}},

    // DXF export dialog: the print scale with 3 decimals, above 0.
    {.nome = "DxfScalaMm", .dialogo = &ScalaDxf, .id = 0, .piuDecimali = "2.5005", .atteso = 2.501f,
     .valore = Impostazione<&Impostazioni::ScalaMm>,
     .minimo = "0.001", .massimo = "1000", .fuori = {"0", "0.0004", "-2"}},
    {.nome = "DxfScalaUnita", .dialogo = &ScalaDxf, .id = 1, .piuDecimali = "10.0625", .atteso = 10.063f,
     .valore = Impostazione<&Impostazioni::ScalaUnita>,
     .minimo = "0.001", .massimo = "1000", .fuori = {"0.0004", "abc"}},
};

// The dialog's values after the program writes its file and reads it back
// into a fresh session.
Valori Riletti(Banco& b, const Dialogo& d) {
    FinestraRegistrata finestra;
    Sessione riletta;
    riletta.imp.CartellaUtente = b.s.imp.CartellaUtente;
    switch (d.File) {
        case FileCampo::Armature:
            EXPECT_TRUE(SalvaParete(b.s, b.file, b.finestra).Riuscito());
            EXPECT_TRUE(LeggiParete(riletta, b.file, finestra).Riuscito())
                << testing::PrintToString(finestra.Messaggi());
            break;
        case FileCampo::Impostazioni:
            EXPECT_TRUE(ScriviIni(b.s, b.finestra).Riuscito());
            EXPECT_TRUE(LeggiIni(riletta, finestra).Riuscito())
                << testing::PrintToString(finestra.Messaggi());
            break;
        case FileCampo::Nessuno: return d.Memorizzati(b.s);
    }
    return d.Memorizzati(riletta);
}

class CampiDialoghi : public testing::TestWithParam<CampoDialogo> {
protected:
    // Opens the dialog on a fresh wall, types testo into the field and confirms.
    bool Digita(Banco& b, std::string& testo) {
        const Dialogo& d = *GetParam().dialogo;
        d.Apri(b);
        const bool accettato = d.Digita(b, GetParam().id, testo);
        d.Conferma(b);
        return accettato;
    }
};

TEST_P(CampiDialoghi, ConPiuDecimaliMemorizzaQuelloCheIlFileRestituisce) {
    const CampoDialogo& c = GetParam();
    Banco b;
    std::string testo = c.piuDecimali;
    ASSERT_TRUE(Digita(b, testo));
    if (c.atteso) {
        EXPECT_EQ(c.valore(b.s), static_cast<float>(*c.atteso));
    }
    const Valori memorizzati = c.dialogo->Memorizzati(b.s);
    EXPECT_FALSE(memorizzati.empty());
    EXPECT_EQ(Riletti(b, *c.dialogo), memorizzati);
}

TEST_P(CampiDialoghi, AiLimitiSiRiapreUguale) {
    const CampoDialogo& c = GetParam();
    for (const char* limite : {c.minimo, c.massimo}) {
        SCOPED_TRACE(limite);
        Banco b;
        std::string testo = limite;
        ASSERT_TRUE(Digita(b, testo));
        const Valori memorizzati = c.dialogo->Memorizzati(b.s);
        EXPECT_EQ(Riletti(b, *c.dialogo), memorizzati);
    }
}

TEST_P(CampiDialoghi, OltreILimitiRifiutatoConIlValoreDiPrima) {
    const CampoDialogo& c = GetParam();
    Banco senza;
    c.dialogo->Apri(senza);
    c.dialogo->Conferma(senza);
    const Valori prima = c.dialogo->Memorizzati(senza.s);
    for (const char* digitato : c.fuori) {
        SCOPED_TRACE(digitato);
        Banco b;
        std::string testo = digitato;
        EXPECT_FALSE(Digita(b, testo));
        EXPECT_NE(testo, digitato);
        EXPECT_EQ(c.dialogo->Memorizzati(b.s), prima);
    }
}

INSTANTIATE_TEST_SUITE_P(Campi, CampiDialoghi, testing::ValuesIn(Campi),
                         [](const testing::TestParamInfo<CampoDialogo>& info) {
                             return std::string(info.param.nome);
                         });

}  // namespace
