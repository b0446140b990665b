// Round trips over the public operations: seeded random designs built through
// the calls that the dialogs and the canvas modes make, with values at their
// limits, are saved with the program's save and reopened, and must come back
// as the design saved, to the decimals the file writes; the same for one undo
// step and its redo, and for the settings file.

#include "design/AnnullaModifica.h"
#include "design/GeometriaZona.h"
#include "design/LeggiParete.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "design/RitagliaZona.h"
#include "design/SalvaParete.h"
#include "drawing/QuoteFormato.h"
#include "drawing/QuoteLista.h"
#include "export/ValoriDialogoDxf.h"
#include "interaction/EditorPerimetro.h"
#include "interaction/FormCordoloDati.h"
#include "interaction/FormSolaiDati.h"
#include "interaction/FormZonaDati.h"
#include "interaction/GrigliaImpostazioni.h"
#include "interaction/ModiSezione.h"
#include "interaction/ModiSolaio.h"
#include "interaction/ModificaDiffusa.h"
#include "model/FileArmature.h"
#include "model/FileIni.h"
#include "model/Sessione.h"

#include "BancoModi.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Semi = 12;

// Picks among the limits of a field and ordinary values.
class Caso {
public:
    explicit Caso(unsigned seme) : motore_(seme) {}

    float Tra(float a, float b) { return std::uniform_real_distribution<float>(a, b)(motore_); }
    int Intero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(motore_); }
    bool Moneta() { return Intero(0, 1) == 1; }
    std::string Uno(const std::vector<std::string>& scelte) {
        return scelte[static_cast<std::size_t>(Intero(0, static_cast<int>(scelte.size()) - 1))];
    }
    std::string Numero(float a, float b) { return std::to_string(Tra(a, b)); }

private:
    std::mt19937 motore_;
};

// The wall of PARETE_ASSI.SET (500 x 300, direction 1 vertical) opened from
// its file in a folder of its own, on the canvas bench of the modes.
struct Progetto {
    Progetto() {
        file = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
        Sessione letta;
        EXPECT_TRUE(LeggiParete(letta, file, finestra).Riuscito());
        banco = std::make_unique<BancoModi>(letta.parete);
    }

    Sessione& S() { return banco->sessione; }

    CartellaTemporanea cartella;
    std::string file;
    FinestraRegistrata finestra;
    std::unique_ptr<BancoModi> banco;
};

void StratiDiffusi(Progetto& p, Caso& c) {
    for (int id = 1; id <= 8; ++id) {
        const bool diametro = id % 2 == 1;
        std::string testo = diametro ? c.Uno({"2", "32767", "32767.4", "12,5", std::to_string(c.Intero(6, 40))})
                                     : c.Uno({"2", "2.004", "2.005", "100000", c.Numero(2, 60)});
        (void)ValidaModificaDiffusa(p.S(), p.finestra, id, testo, "", {});
    }
}

// A zone drawn on the canvas and confirmed in its dialog, as the release of
// the zone mode does it; now and then with its twin on the other face.
void Zona(Progetto& p, Caso& c) {
    Sessione& s = p.S();
    StatoInterfaccia& st = s.stato;
    st.Modo = ModoInput::NuovaZona;
    st.PosCorrente = PosizioneArm{};
    st.LatoAttivo = c.Intero(0, 1);
    st.DirezioneAttiva = c.Intero(0, 1);
    const float x1 = c.Tra(0, 300), y1 = c.Tra(0, 200);
    ImpostaZonaDaPunti(st, s.parete, s.imp, x1, y1, x1 + c.Tra(40, 200), y1 + c.Tra(40, 100));
    if (!CreaPosizioneDaSelezione(s, p.finestra, OrigineZona::Nuova, st.Modo)) return;
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    st.Modo = ModoInput::NuovaZonaInCorso;
    DatiFormZona dati = ApriFormZona(st, s.imp);
    const Vista& vista = p.banco->vista;
    std::string testo = c.Uno({"6", "32767", std::to_string(c.Intero(6, 30))});
    (void)ValidaVoceZona(dati, st, vista, VoceZona::Diametro, testo, "");
    testo = c.Uno({"4", "200", "12.3456", c.Numero(4, 200)});
    (void)ValidaVoceZona(dati, st, vista, VoceZona::Passo, testo, "");
    if (DuplicaOffertaZona(s.parete, st)) {
        testo = c.Moneta() ? "1" : "0";
        (void)ValidaVoceZona(dati, st, vista, VoceZona::DuplicaOpposto, testo, "");
    }
    OkFormZona(dati, s, p.finestra);
    if (st.PosAccettata == 0 || !RitagliaZona(st, s.parete, s.imp)) return;
    st.LatoOpposto = TipoOpposto(st.PosCorrente.Tipo);
    (void)ConfermaPosizione(s, p.finestra);
}

void CordoloDalDialogo(Progetto& p, Caso& c) {
    Sessione& s = p.S();
    StatoInterfaccia& st = s.stato;
    PosizioneArm& pos = st.PosCorrente;
    pos = PosizioneArm{};
    pos.Tipo = Cordolo;
    pos.Diametro = 8;
    pos.Passo = 10.0f;
    pos.NumBracci = 2;
    pos.CopriferroCordolo = 3.0f;
    pos.DiamCorrenti = 12;
    pos.Larghezza = 30.0f;
    pos.LatoPerimetro = c.Intero(0, s.parete.NumPuntiEst - 1);
    pos.PoligonoLato = -1;
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    ApriFormCordolo(st, s.parete);
    const std::pair<int, std::string> voci[] = {
        {VoceCordolo::Diametro, c.Uno({"6", "32767", "10"})},
        {VoceCordolo::Passo, c.Uno({"4", "50", "12.345"})},
        {VoceCordolo::DiamCorrenti, c.Uno({"2", "32767", "14"})},
        {VoceCordolo::Larghezza, c.Uno({"10", "45.55", c.Numero(10, 80)})},
    };
    for (const auto& [id, valore] : voci) {
        std::string testo = valore;
        (void)ValidaVoceCordolo(pos, id, testo, "");
    }
    CambiaBracciCordolo(pos, c.Moneta() ? 4 : 2);
    (void)OkFormCordolo(s, p.finestra);
}

// A slab or a transverse wall placed by its mode and confirmed in its dialog.
void SolaioOParete(Progetto& p, Caso& c) {
    BancoModi& b = *p.banco;
    const bool solaio = c.Moneta();
    b.servizi.FormSolai = [&c](Sessione& s, InterfacciaFinestra& finestra) {
        for (const auto& [id, valore] :
             {std::pair{VoceSolaio::Spessore1, c.Uno({"0", "15", "12.3456"})},
              std::pair{VoceSolaio::Spessore2, c.Uno({"0", "20", "7.5"})},
              std::pair{VoceSolaio::Rientro1, c.Uno({"0", "10.25"})}}) {
            std::string testo = valore;
            (void)ValidaVoceSolaio(s, id, testo);
        }
        (void)ConfermaFormSolai(s, finestra);
    };
    b.sessione.stato.Modo = solaio ? ModoInput::NuovoSolaio : ModoInput::NuovaParete;
    const float x = b.PxX(c.Tra(20, 480)), y = b.PxY(c.Tra(20, 280));
    PremiSolaio(b.contesto, 1, x, y);
    RilasciaSolaio(b.contesto, 1, x, y);
}

void Sezione(Progetto& p, Caso& c) {
    BancoModi& b = *p.banco;
    b.sessione.stato.Modo = c.Moneta() ? ModoInput::NuovaSezioneVerticale : ModoInput::NuovaSezioneOrizzontale;
    const float x = b.PxX(c.Tra(10, 490)), y = b.PxY(c.Tra(10, 290));
    PremiSezione(b.contesto, 1, x, y);
    RilasciaSezione(b.contesto, 1, x, y);
}

void QuoteELivelli(Progetto& p, Caso& c) {
    Sessione& s = p.S();
    const Punto a{c.Tra(0, 500), c.Tra(0, 300)}, b{c.Tra(0, 500), c.Tra(0, 300)};
    (void)AggiungiQuota(s.parete, FormatoQuoteDa(s.imp, s.stato.SeparatoreDecimale), a, b, a, b,
                        c.Intero(-1, 3));
    AggiungiQuotaLivello(s.parete, QuotaLivello{c.Tra(-100, 600), c.Tra(-100, 400), c.Tra(-1000, 1000),
                                                c.Intero(-1, 3)});
}

// A vertex of either perimeter moved and one inserted in the vertex editor.
void Perimetro(Progetto& p, Caso& c) {
    Sessione& s = p.S();
    StatoInterfaccia& st = s.stato;
    CaricaEditorPerimetro(s, c.Intero(0, 1));
    SelezionaVertice(st, 1);
    st.Text1 = {c.Uno({"-5.05", "0", "3.3333"}), c.Uno({"300.04", "300", "310.5"})};
    (void)AssegnaCoordinate(st, p.finestra);
    SelezionaVertice(st, 2);
    st.Text1 = {c.Uno({"250", "251.27"}), c.Uno({"305", "320.96"})};
    (void)InserisciVertice(st, p.finestra);
    AssegnaPerimetro(s, p.finestra);
}

void Progetta(Progetto& p, Caso& c) {
    StratiDiffusi(p, c);
    for (int i = c.Intero(1, 4); i > 0; --i) Zona(p, c);
    CordoloDalDialogo(p, c);
    for (int i = c.Intero(1, 3); i > 0; --i) SolaioOParete(p, c);
    for (int i = c.Intero(1, 3); i > 0; --i) Sezione(p, c);
    for (int i = c.Intero(1, 3); i > 0; --i) QuoteELivelli(p, c);
    if (c.Moneta()) Perimetro(p, c);
}

// The counts and whole numbers of the design, which the text of the file
// alone could hide (a perimeter one vertex short reads as another design).
void StessiConteggi(const ProgettoParete& a, const ProgettoParete& b) {
    EXPECT_EQ(a.UltPosizione, b.UltPosizione);
    for (int i = 0; i <= std::min(a.UltPosizione, b.UltPosizione); ++i) {
        const PosizioneArm& pa = a.Posizioni[i];
        const PosizioneArm& pb = b.Posizioni[i];
        EXPECT_EQ(pa.Tipo, pb.Tipo) << i;
        EXPECT_EQ(pa.Diametro, pb.Diametro) << i;
        EXPECT_EQ(pa.DiamCorrenti, pb.DiamCorrenti) << i;
        EXPECT_EQ(pa.NumBracci, pb.NumBracci) << i;
        EXPECT_EQ(pa.UltVerticeZona, pb.UltVerticeZona) << i;
    }
    EXPECT_EQ(a.UltSezione, b.UltSezione);
    EXPECT_EQ(a.UltQuota, b.UltQuota);
    EXPECT_EQ(a.NumQuoteLivello, b.NumQuoteLivello);
    EXPECT_EQ(a.NumPuntiEst, b.NumPuntiEst);
    EXPECT_EQ(a.NumPuntiInt, b.NumPuntiInt);
    EXPECT_EQ(a.UltSolaio, b.UltSolaio);
    EXPECT_EQ(a.UltParete, b.UltParete);
    EXPECT_EQ(a.DiamDir1Piu, b.DiamDir1Piu);
    EXPECT_EQ(a.DiamDir1Meno, b.DiamDir1Meno);
    EXPECT_EQ(a.DiamDir2Piu, b.DiamDir2Piu);
    EXPECT_EQ(a.DiamDir2Meno, b.DiamDir2Meno);
}

// The section lines are recomputed at every geometry tail through a test
// line turned into the section's frame, so their ends come back to the
// written decimals within the float noise of that: a value on a half of the
// last decimal may show one unit apart.
void StesseSezioni(const Parete& a, const Parete& b) {
    ASSERT_EQ(a.UltSezione, b.UltSezione);
    for (int i = 0; i <= a.UltSezione; ++i) {
        const LineaSezione& sa = a.Sezioni[i];
        const LineaSezione& sb = b.Sezioni[i];
        EXPECT_EQ(sa.Orizzontale, sb.Orizzontale) << i;
        for (const auto punto : {&LineaSezione::P0, &LineaSezione::P1, &LineaSezione::P2,
                                 &LineaSezione::P3, &LineaSezione::P4, &LineaSezione::P5}) {
            EXPECT_NEAR((sa.*punto).X, (sb.*punto).X, 0.0015) << i;
            EXPECT_NEAR((sa.*punto).Y, (sb.*punto).Y, 0.0015) << i;
        }
    }
}

// The design of b as the file writes it, its section lines compared apart.
void StessoProgetto(const Parete& a, const Parete& b) {
    StesseSezioni(a, b);
    Parete conSezioni = a;
    conSezioni.Sezioni = b.Sezioni;
    EXPECT_EQ(TestoArmature(conSezioni), TestoArmature(b));
    StessiConteggi(a.Progetto(), b.Progetto());
}

TEST(AndataRitorno, IlProgettoSalvatoSiRiapreUguale) {
    for (unsigned seme = 1; seme <= Semi; ++seme) {
        SCOPED_TRACE("seme " + std::to_string(seme));
        Caso c(seme);
        Progetto p;
        Progetta(p, c);
        ASSERT_TRUE(SalvaParete(p.S(), p.file, p.finestra).Riuscito());

        Sessione riaperta;
        FinestraRegistrata finestra;
        ASSERT_TRUE(LeggiParete(riaperta, p.file, finestra).Riuscito());
        EXPECT_TRUE(riaperta.stato.ArmatureNonCaricate.empty()) << testing::PrintToString(finestra.Eventi);
        StessoProgetto(riaperta.parete, p.S().parete);
    }
}

TEST(AndataRitorno, UnPassoAnnullatoERipetuto) {
    for (unsigned seme = 1; seme <= Semi; ++seme) {
        SCOPED_TRACE("seme " + std::to_string(seme));
        Caso c(seme);
        Progetto p;
        Progetta(p, c);
        const Parete prima = p.S().parete;
        // One more change with its undo step: a ring beam stored by its dialog.
        CordoloDalDialogo(p, c);
        const Parete dopo = p.S().parete;
        ASSERT_NE(TestoArmature(dopo), TestoArmature(prima));

        AnnullaModifica(p.S(), p.finestra);
        StessoProgetto(p.S().parete, prima);
        RipetiModifica(p.S(), p.finestra);
        StessoProgetto(p.S().parete, dopo);
    }
}

// Every text item of the settings dialog and the print scale of the DXF
// dialog typed at or past its limits, the settings file written and read.
TEST(AndataRitorno, LeImpostazioniSalvateSiRileggonoUguali) {
    for (unsigned seme = 1; seme <= Semi; ++seme) {
        SCOPED_TRACE("seme " + std::to_string(seme));
        Caso c(seme);
        CartellaTemporanea cartella;
        FinestraRegistrata finestra;
        Sessione s;
        s.imp.CartellaUtente = cartella.Percorso().string();
        ASSERT_TRUE(LeggiIni(s, finestra).Riuscito());
        for (const CategoriaImpostazioni& categoria : CategorieImpostazioni(s)) {
            for (const VoceImpostazione& voce : categoria.Voci) {
                if (voce.Tipo != TipoVoceImpostazione::Testo) continue;
                std::string testo = c.Uno({"0", "-1", "0.0004", "0.00004", "12.3456", "32767", "32768",
                                           "100000", c.Numero(0, 100)});
                (void)ValidaImpostazione(s, voce.Id, testo, voce.Valore);
            }
        }
        ValoriDialogoDxf valori = AggiornaFormDXF(s.imp, 0);
        valori.ScalaMm = c.Uno({"0.0004", "0.0005", "2.5", "1e6"});
        valori.ScalaUnita = c.Uno({"0.0004", "0.0014", "10", "4e36"});
        int r12 = 0;
        ASSERT_FALSE(Leggi(valori, s.imp, r12).has_value());
        ASSERT_TRUE(ScriviIni(s, finestra).Riuscito());

        Sessione riletta;
        riletta.imp.CartellaUtente = s.imp.CartellaUtente;
        ASSERT_TRUE(LeggiIni(riletta, finestra).Riuscito());
        EXPECT_TRUE(finestra.Messaggi().empty()) << testing::PrintToString(finestra.Messaggi());
        EXPECT_EQ(TestoIni(riletta.imp, riletta.stato), TestoIni(s.imp, s.stato));
    }
}

}  // namespace
