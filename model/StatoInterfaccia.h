#pragma once

#include "model/PosizioneArm.h"
#include "model/Punto.h"
#include "model/SolaioParete.h"

#include <array>
#include <string>
#include <vector>

// Input modes of the canvas (Modo). The dimension tools step through their
// three clicks by adding 1 to the mode, so the values are plain integers.
namespace ModoInput {
enum : int {
    Inattivo = 0,
    ZoomPrimoAngolo = 2,
    ZoomSecondoAngolo = 3,
    Trascina = 4,
    TrascinaCentrale = 5,
    NuovaZona = 32,
    NuovaZonaInCorso = 33,
    PosizioneAperta = 34,
    ModificaZona = 200,
    TrascinaAngoloZona = 201,
    TrascinaZona = 202,
    SpostaEtichetta = 300,
    TrascinaCentroEtichetta = 301,
    TrascinaRichiamoEtichetta = 302,
    NuovaSezioneOrizzontale = 400,
    NuovaSezioneInCorso = 401,
    NuovaSezioneVerticale = 403,
    CancellaSezione = 408,
    SpostaSezione = 410,
    SpostaSezioneInCorso = 411,
    CancellaPosizione = 420,
    CopiaPosizione = 430,
    SpostaPosizione = 440,
    CopiaLatoOpposto = 450,
    CopiaMultiplaPrimoAngolo = 460,
    CopiaMultiplaSecondoAngolo = 461,
    QuotaOrizzontale = 2000,
    QuotaVerticale = 3000,
    QuotaAllineata = 4000,
    QuotaturaContinua = 5000,
    QuotaturaContinuaPunto = 5001,
    CancellaQuota = 6000,
    SpostaQuota = 7000,
    SpostaQuotaInCorso = 7001,
    VisibilitaQuota = 7005,
    ModificaSolaioParete = 7500,
    CancellaSolaioParete = 7510,
    NuovoSolaio = 8000,
    NuovoSolaioInCorso = 8001,
    DialogoSolaio = 8100,
    NuovaParete = 9000,
    NuovaPareteInCorso = 9001,
    DialogoParete = 9100,
};
// Second and third click of a dimension tool whose first click is modo.
constexpr int SecondoPuntoQuota(int modo) { return modo + 1; }
constexpr int LineaQuota(int modo) { return modo + 2; }
}  // namespace ModoInput

// The display and input state of the program window: what is shown, how the
// canvas reads the mouse, and the edit buffers of the canvas modes. Values
// are the documented ones; a default-constructed state is the one at start.
struct StatoInterfaccia {
    // Face and direction chosen with the selectors.
    int LatoCorrente = 0;       // 0 "Lato +", 1 "Lato -"
    int DirezioneCorrente = 0;  // 0 "Direzione 1", 1 "Direzione 2"
    // The view.
    int ModoVista = 0;      // 0-5
    int StatoVista = 0;     // 0-17
    int VistaCorrente = 0;  // view id: 0-3 elevations, 4 none, 5 sheet, 9999 a colour map
    int TipoMappa = 0;
    int LatoAttivo = 0;       // face of the active layer
    int DirezioneAttiva = 0;  // direction of the active layer
    float ScalaMin = 0.0f;    // colour-scale range, cm2/m
    float ScalaMax = 0.0f;
    // The engineer typed the range ("Range"): changes keep it until "Default"
    // or the map is chosen again; otherwise it follows the map's data.
    bool ScalaImpostata = false;
    // Decimal separator of the user's locale, set by the window: the scale
    // labels of the map legend show it; drawings and files keep the point.
    std::string SeparatoreDecimale = ".";
    // The last redraw was stopped by a fault and told: the next ones that
    // fail are not, until one succeeds.
    bool RidisegnoInterrotto = false;

    // Canvas input.
    int Modo = ModoInput::Inattivo;
    int ModoPrec = ModoInput::Inattivo;
    int UltimoComando = 0;   // id of the last repeatable command, 0 none
    int InfoNodiAttivo = 0;  // non-zero: a left press picks a node
    int ErroreOperazione = 0;  // -1 when the last canvas edit or dialog was refused
    // Node last picked in the node-information mode, -1 none; -1 again when a
    // wall opens or the mode is switched on, so it always names a node of the wall.
    int NodoSelezionato = -1;

    // Edit buffers of the canvas modes.
    PosizioneArm PosCorrente;
    std::vector<Punto> PoligonoCorrente = std::vector<Punto>(1);
    int UltPuntoCorrente = 0;
    int IndiceCorrente = 0;
    int NuovoElemento = 0;
    SolaioParete SolaioCorrente;
    int OrientSezione = 0;   // 1 horizontal, 0 vertical
    int IndiceSezione = 0;
    int QuotaSelezionata = -1;
    // Exchanged with the zone dialog: the confirmed zone is also appended on
    // the other face (1 on, 0 off), with Tipo LatoOpposto; the largest and the
    // average missing area (cm2/m) of the nodes inside the zone being made.
    int DuplicaOpposto = 0;
    int LatoOpposto = 0;
    float AreaRichiestaMax = 0.0f;
    float AreaRichiestaMedia = 0.0f;
    int QuotaLivelloEvidenziata = -1;  // level mark the hover highlighted last, -1 none
    // The dimension being picked: its two measured points (canvas pixels in
    // modes 2000-4002 and 7001, kept with their model points below so that a
    // change of view can refresh them; cm in mode 5001) and the cosine and
    // sine of its reading angle.
    float XQuota1 = 0.0f, YQuota1 = 0.0f, XQuota2 = 0.0f, YQuota2 = 0.0f;
    Punto MisuraQuota1, MisuraQuota2;  // model points of XQuota1..YQuota2, cm
    float CosQuota = 1.0f, SinQuota = 0.0f;
    // Last snap: the point taken (canvas pixels) and 1 when a press took one,
    // 0 when the last search found none. Object snap and grid snap share it.
    float XSnap = 0.0f, YSnap = 0.0f;
    int SnapTrovato = 0;

    // Zone under edit on the canvas: two opposite corners of its rubber band
    // (pixels), and the flag that has the next redraw draw its grips once.
    float XA = 0.0f, YA = 0.0f, XB = 0.0f, YB = 0.0f;
    int MostraManiglie = 0;
    // The centre grip of that zone, midway between A and B (pixels).
    float XMedio = 0.0f, YMedio = 0.0f;
    // Set by the zone dialog's "Ok" when the zone has at least two bars.
    int PosAccettata = 0;

    // Canvas mouse: the last left or middle press (pixels) and the model
    // point under the cursor at the last move (cm, 0 before the first).
    float XClick = 0.0f, YClick = 0.0f;
    float XMouse = 0.0f, YMouse = 0.0f;
    // The element the hover marked last (-1 none; 0 at start): the next
    // hover clears the overlay when it finds another one.
    int ElementoEvidenziato = 0;

    // The perimeter editor: open flag (1 open); the polygon under edit, a
    // pool of points (cm) and the pool indexes of its vertices in order, list
    // indexes 0 to UltVerticeLista; the selected list index (-1 none); the
    // "Grid" box (1 ticked); the position typed for the selected vertex as
    // the boxes hold it, Text1[0] "X =" and Text1[1] "Y =" (cm, decimal
    // comma accepted).
    int ModificaPoligono = 0;
    int PerimetroInModifica = 0;  // perimeter the editor holds: 0 outer, 1 inner
    std::vector<Punto> PoolVertici;
    std::vector<int> OrdineVertici;
    int UltVerticeLista = -1;
    int VerticeSelezionato = -1;
    int SnapGriglia = 0;
    std::array<std::string, 2> Text1{};

    // Files of the open wall.
    // The reinforcement file beside the open wall when it was there but not
    // loaded (newer version, another wall number, damaged):
    // the user was told when the wall opened, and a save asks before it
    // replaces that file. Empty when the design came from it or there is none.
    std::string ArmatureNonCaricate;

    // DXF export and bill of quantities, for the rest of the run (never saved).
    int DxfR12 = 0;              // 1 the export writes R12, 0 R2000
    std::string FileDxf;         // last DXF file chosen; empty before the first export
    std::string FileRelazione;   // name the bill proposes: the last wall reported, its name .rtf
    std::string CartellaPareti;  // folder the export dialog shows; empty: the open wall's

    bool operator==(const StatoInterfaccia&) const = default;
};

// The display state that the program's defaults reset.
void StatoVistaDefault(StatoInterfaccia& stato);
