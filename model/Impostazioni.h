#pragma once

#include "model/Layer.h"
#include "model/Materiali.h"

#include <array>
#include <string>
#include <vector>

class InterfacciaFinestra;
struct Sessione;

// Number of entries of the layer table: 24 the user edits, and entry 24,
// which repeats entry 2 with the suffix "_SUP".
inline constexpr int NumLayer = 25;
inline constexpr int LayerDerivato = Layer::PerimPilastriSup;
inline constexpr int LayerOrigineDerivato = Layer::PerimPilastri;
inline constexpr int NumGruppiOsnap = 9;

// Screen colour in the packing the settings file stores: r + 256 g + 65536 b.
constexpr int Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
constexpr int RossoDi(int colore) { return colore & 0xFF; }
constexpr int VerdeDi(int colore) { return (colore >> 8) & 0xFF; }
constexpr int BluDi(int colore) { return (colore >> 16) & 0xFF; }

// Program-wide settings: the layer table, the screen palette, the design,
// ring-beam, lap, dimension, tolerance, print-scale and grid settings and the
// program folders. Flags are 0 for off; the layer flags store 1
// for on. A default-constructed value holds what the program starts with
// before the settings file is read: the defaults and the screen colours of a
// black canvas.
struct Impostazioni {
    Impostazioni();

    // Layer table.
    std::array<std::string, NumLayer> NomiLayer{};
    std::array<int, NumLayer> ColoriLayer{};    // colour index 1-255 of the CAD palette
    std::array<int, NumLayer> ColoriSchermo{};  // RGB on the canvas
    std::array<int, NumLayer> LayerVisibili{};  // 1 = drawn on the screen
    std::array<int, NumLayer> LayerDxf{};       // 1 = written to DXF

    // Screen palette for the current canvas background.
    int SfondoBianco = 0;  // 0 black canvas, any other value white
    int ColBlu = 0, ColVerde = 0, ColCiano = 0, ColRosso = 0;
    int ColMagenta = 0, ColGiallo = 0, ColPrimoPiano = 0, ColGrigio = 0;
    int ColTratteggio = 0;  // hatching, layer 22 only

    // Snap groups of the dimension tools, 1 = on.
    std::array<int, NumGruppiOsnap> OsnapQuote{};

    // Automatic design of the distributed layers: mm and cm.
    int DiamMinPiu = 0, DiamMinMeno = 0, DiamMaxPiu = 0, DiamMaxMeno = 0;
    int PassoMinPiu = 0, PassoMinMeno = 0, PassoMaxPiu = 0, PassoMaxMeno = 0;
    int ModoProgetto = 0;  // 0 varies the diameter, 1 the spacing
    int CoperturaMin = 0;  // target share of covered nodes, %
    int IncrDiam = 0;
    int IndiceIncrDiam = 0;
    float IncrPasso = 0.0f;
    int IndiceIncrPasso = 0;

    // New zones and ring beams.
    float PassoMaxIntegrativa = 0.0f;  // spacing of a zone where nothing is missing, cm
    int DiamReggistaffa = 0;
    int DiamStaffeCordolo = 0;
    float PassoStaffeCordolo = 0.0f;
    float LarghezzaCordolo = 0.0f;
    float CopriferroCordolo = 0.0f;

    // Laps and bar lengths: clamps in bar diameters, longest bar in cm.
    int SovrappMin = 0;
    int SovrappMax = 0;
    float LungMaxFerri = 0.0f;

    // Dimension texts.
    int DecimaliQuote = 0;
    int QuoteInMetri = 0;

    // Node tolerance: 0 a percentage of the required area, 1 a fixed area.
    int ModoTolleranza = 0;
    float TolleranzaPerc = 0.0f;
    float TolleranzaFissa = 0.0f;

    // Print scale of the DXF output: 1 mm of drawing = ScalaUnita / ScalaMm units.
    float ScalaMm = 0.0f;
    float ScalaUnita = 0.0f;
    float ScalaTestiDxf = 0.0f;
    float ScalaDxf = 0.0f;

    // Editing grid of the perimeter editor, cm.
    int PassoGrigliaX = 0;
    int PassoGrigliaY = 0;

    // Current materials, their list indexes and the name lists.
    int IndiceCls = 0;
    int IndiceAcciaio = 0;
    ProprietaCls Calcestruzzo;
    ProprietaAcciaio Acciaio;
    std::vector<std::string> NomiCls;
    std::vector<std::string> NomiAcciai;

    // Reserved: kept in the settings file, used by no computation.
    int Riserva4 = 0, Riserva10 = 0, Riserva30 = 0;
    float Riserva5 = 0.0f, Riserva6 = 0.0f, Riserva11 = 0.0f, Riserva12 = 0.0f,
          Riserva31 = 0.0f;
    int RiservaIni = 0;

    // Display options.
    int IconeGrandi = 0;          // 0 icons 16x16, 1 24x24
    int DescrizioneCompleta = 0;  // position labels with the lengths of split bars
    int IndicaLato = 0;           // section bar labels marked " (+)" / " (-)"

    // Folders, without a trailing separator.
    std::string CartellaProgramma;  // folder of the running executable
    std::string CartellaUtente;     // settings and recent-file memory
    // Where the undo histories make their private folders; empty: the
    // user's runtime or temporary folder (RadiceIstantanee).
    std::string CartellaTemporanea;
};

// Every default of the settings alone: layer table (names, colour indexes,
// DXF flags, entry 24 rebuilt), numeric settings and materials.
void ValoriDefault(Impostazioni& imp);

// The program's reset: ValoriDefault, the display state, then the wall's
// single-mesh flags and the window's face buttons and single-mesh label.
void ImpostazioniDefault(Sessione& sessione, InterfacciaFinestra& finestra);

// Palette for SfondoBianco, screen colour and screen flag of every layer but
// entry 24's flag, and every dimension snap group on. The window then paints
// the canvas with ColoreSfondoTela and ColPrimoPiano.
void ImpostaColoriVideo(Impostazioni& imp);
int ColoreSfondoTela(const Impostazioni& imp);

// Entry 24 of the layer table from entry 2: name with "_SUP", colour index and
// DXF flag (its screen colour follows with ImpostaColoriVideo).
void DerivaLayerSuperiore(Impostazioni& imp);

// Decimals the settings file keeps of the two numbers of the print scale, of
// the stirrup spacing of ring beams and the largest spacing of additional
// bars, of the longest bar and of the node tolerances.
inline constexpr int DecimaliScalaDxf = 3;
inline constexpr int DecimaliPassiImpostazioni = 3;
inline constexpr int DecimaliLungMaxFerri = 0;
inline constexpr int DecimaliTolleranze = 5;

// ScalaTestiDxf := ScalaUnita x 0.1 / ScalaMm and ScalaDxf := 2 x ScalaTestiDxf.
// A ratio that is not a positive finite number is refused (false) and the
// scales stay as they were; so is a scale that the settings file, keeping
// DecimaliScalaDxf decimals, would give back as no valid one (0.0004 mm).
bool RicalcolaScalaDxf(Impostazioni& imp);
