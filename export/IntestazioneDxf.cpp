#include "export/IntestazioneDxf.h"

#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"

#include <array>
#include <string>
#include <string_view>

namespace {

enum class Forma { Testo, Intero, Punto2, Punto3, Seme };

// One header variable: its name, the group code of its value and the value.
// Reals are kept as the text to write; points use groups 10, 20 (and 30).
struct Variabile {
    std::string_view nome;
    Forma forma = Forma::Testo;
    int codice = 0;
    std::string_view testo{};
    int intero = 0;
    std::array<std::string_view, 3> punto{};
};

constexpr Variabile T(std::string_view nome, int codice, std::string_view testo) {
    return {.nome = nome, .forma = Forma::Testo, .codice = codice, .testo = testo};
}
constexpr Variabile I(std::string_view nome, int codice, int valore) {
    return {.nome = nome, .forma = Forma::Intero, .codice = codice, .intero = valore};
}
constexpr Variabile R(std::string_view nome, std::string_view testo) { return T(nome, 40, testo); }
constexpr Variabile I70(std::string_view nome, int valore) { return I(nome, 70, valore); }
constexpr Variabile P2(std::string_view nome, std::string_view x, std::string_view y) {
    return {.nome = nome, .forma = Forma::Punto2, .punto = {x, y, {}}};
}
constexpr Variabile P3(std::string_view nome, std::string_view x = "0.0",
                       std::string_view y = "0.0", std::string_view z = "0.0") {
    return {.nome = nome, .forma = Forma::Punto3, .punto = {x, y, z}};
}

constexpr Variabile Variabili[] = {
    T("$ACADVER", 1, "AC1015"),
    I70("$ACADMAINTVER", 20),
    T("$DWGCODEPAGE", 3, "ANSI_1252"),
    P3("$INSBASE"),
    P3("$EXTMIN", "-98.37653478854026", "-1219.920873124147"),
    P3("$EXTMAX", "1541.699312967731", "317.1159618008186"),
    P2("$LIMMIN", "0.0", "0.0"),
    P2("$LIMMAX", "420.0", "297.0"),
    I70("$ORTHOMODE", 1),
    I70("$REGENMODE", 1),
    I70("$FILLMODE", 1),
    I70("$QTEXTMODE", 0),
    I70("$MIRRTEXT", 0),
    R("$LTSCALE", "1.0"),
    I70("$ATTMODE", 1),
    R("$TEXTSIZE", "2.5"),
    R("$TRACEWID", "1.0"),
    T("$TEXTSTYLE", 7, "STANDARD"),
    T("$CLAYER", 8, "QUOTE"),
    T("$CELTYPE", 6, "ByLayer"),
    I("$CECOLOR", 62, 256),
    R("$CELTSCALE", "1.0"),
    I70("$DISPSILH", 0),
    R("$DIMSCALE", "1.0"),
    R("$DIMASZ", "1.0"),
    R("$DIMEXO", "60.0"),
    R("$DIMDLI", "0.38"),
    R("$DIMRND", "0.0"),
    R("$DIMDLE", "0.0"),
    R("$DIMEXE", "16.0"),
    R("$DIMTP", "0.0"),
    R("$DIMTM", "0.0"),
    R("$DIMTXT", "20.0"),
    R("$DIMCEN", "0.09"),
    R("$DIMTSZ", "0.0"),
    I70("$DIMTOL", 0),
    I70("$DIMLIM", 0),
    I70("$DIMTIH", 0),
    I70("$DIMTOH", 0),
    I70("$DIMSE1", 1),
    I70("$DIMSE2", 1),
    I70("$DIMTAD", 1),
    I70("$DIMZIN", 8),
    T("$DIMBLK", 1, "_FRECCIAKORVAN"),
    I70("$DIMASO", 1),
    I70("$DIMSHO", 1),
    T("$DIMPOST", 1, ""),
    T("$DIMAPOST", 1, ""),
    I70("$DIMALT", 0),
    I70("$DIMALTD", 2),
    R("$DIMALTF", "25.4"),
    R("$DIMLFAC", "0.5"),
    I70("$DIMTOFL", 1),
    R("$DIMTVP", "0.0"),
    I70("$DIMTIX", 1),
    I70("$DIMSOXD", 0),
    I70("$DIMSAH", 0),
    T("$DIMBLK1", 1, ""),
    T("$DIMBLK2", 1, ""),
    T("$DIMSTYLE", 2, "SC50"),
    I70("$DIMCLRD", 0),
    I70("$DIMCLRE", 0),
    I70("$DIMCLRT", 0),
    R("$DIMTFAC", "1.0"),
    R("$DIMGAP", "5.0"),
    I70("$DIMJUST", 0),
    I70("$DIMSD1", 0),
    I70("$DIMSD2", 0),
    I70("$DIMTOLJ", 1),
    I70("$DIMTZIN", 8),
    I70("$DIMALTZ", 0),
    I70("$DIMALTTZ", 0),
    I70("$DIMUPT", 0),
    I70("$DIMDEC", 1),
    I70("$DIMTDEC", 1),
    I70("$DIMALTU", 2),
    I70("$DIMALTTD", 2),
    T("$DIMTXSTY", 7, "STANDARD"),
    I70("$DIMAUNIT", 0),
    I70("$DIMADEC", 0),
    R("$DIMALTRND", "0.0"),
    I70("$DIMAZIN", 0),
    I70("$DIMDSEP", 46),
    I70("$DIMATFIT", 3),
    I70("$DIMFRAC", 0),
    T("$DIMLDRBLK", 1, "None"),
    I70("$DIMLUNIT", 2),
    I70("$DIMLWD", -2),
    I70("$DIMLWE", -2),
    I70("$DIMTMOVE", 0),
    I70("$LUNITS", 2),
    I70("$LUPREC", 4),
    R("$SKETCHINC", "1.0"),
    R("$FILLETRAD", "0.0"),
    I70("$AUNITS", 0),
    I70("$AUPREC", 0),
    T("$MENU", 1, "."),
    R("$ELEVATION", "0.0"),
    R("$PELEVATION", "0.0"),
    R("$THICKNESS", "0.0"),
    I70("$LIMCHECK", 0),
    R("$CHAMFERA", "0.0"),
    R("$CHAMFERB", "0.0"),
    R("$CHAMFERC", "0.0"),
    R("$CHAMFERD", "0.0"),
    I70("$SKPOLY", 0),
    R("$TDCREATE", "2456345.703363681"),
    R("$TDUCREATE", "2456345.661697014"),
    R("$TDUPDATE", "2457790.468364074"),
    R("$TDUUPDATE", "2457790.426697408"),
    R("$TDINDWG", "0.0162000810"),
    R("$TDUSRTIMER", "2457788.601178449"),
    I70("$USRTIMER", 1),
    T("$ANGBASE", 50, "0.0"),
    I70("$ANGDIR", 0),
    I70("$PDMODE", 0),
    R("$PDSIZE", "0.0"),
    R("$PLINEWID", "0.0"),
    I70("$SPLFRAME", 0),
    I70("$SPLINETYPE", 6),
    I70("$SPLINESEGS", 8),
    {.nome = "$HANDSEED", .forma = Forma::Seme, .codice = 5},
    I70("$SURFTAB1", 6),
    I70("$SURFTAB2", 6),
    I70("$SURFTYPE", 6),
    I70("$SURFU", 6),
    I70("$SURFV", 6),
    T("$UCSBASE", 2, ""),
    T("$UCSNAME", 2, ""),
    P3("$UCSORG"),
    P3("$UCSXDIR", "1.0", "0.0", "0.0"),
    P3("$UCSYDIR", "0.0", "1.0", "0.0"),
    T("$UCSORTHOREF", 2, ""),
    I70("$UCSORTHOVIEW", 0),
    P3("$UCSORGTOP"),
    P3("$UCSORGBOTTOM"),
    P3("$UCSORGLEFT"),
    P3("$UCSORGRIGHT"),
    P3("$UCSORGFRONT"),
    P3("$UCSORGBACK"),
    T("$PUCSBASE", 2, ""),
    T("$PUCSNAME", 2, ""),
    P3("$PUCSORG"),
    P3("$PUCSXDIR", "1.0", "0.0", "0.0"),
    P3("$PUCSYDIR", "0.0", "1.0", "0.0"),
    T("$PUCSORTHOREF", 2, ""),
    I70("$PUCSORTHOVIEW", 0),
    P3("$PUCSORGTOP"),
    P3("$PUCSORGBOTTOM"),
    P3("$PUCSORGLEFT"),
    P3("$PUCSORGRIGHT"),
    P3("$PUCSORGFRONT"),
    P3("$PUCSORGBACK"),
    I70("$USERI1", 0),
    I70("$USERI2", 0),
    I70("$USERI3", 0),
    I70("$USERI4", 0),
    I70("$USERI5", 0),
    R("$USERR1", "0.0"),
    R("$USERR2", "0.0"),
    R("$USERR3", "0.0"),
    R("$USERR4", "0.0"),
    R("$USERR5", "0.0"),
    I70("$WORLDVIEW", 1),
    I70("$SHADEDGE", 3),
    I70("$SHADEDIF", 70),
    I70("$TILEMODE", 1),
    I70("$MAXACTVP", 64),
    P3("$PINSBASE"),
    I70("$PLIMCHECK", 0),
    P3("$PEXTMIN"),
    P3("$PEXTMAX"),
    P2("$PLIMMIN", "0.0", "0.0"),
    P2("$PLIMMAX", "0.0", "0.0"),
    I70("$UNITMODE", 0),
    I70("$VISRETAIN", 1),
    I70("$PLINEGEN", 0),
    I70("$PSLTSCALE", 1),
    I70("$TREEDEPTH", 3020),
    T("$CMLSTYLE", 2, "STANDARD"),
    I70("$CMLJUST", 0),
    R("$CMLSCALE", "1.0"),
    I70("$PROXYGRAPHICS", 1),
    I70("$MEASUREMENT", 0),
    I("$CELWEIGHT", 370, -1),
    I("$ENDCAPS", 280, 0),
    I("$JOINSTYLE", 280, 0),
    I("$LWDISPLAY", 290, 0),
    I70("$INSUNITS", 0),
    T("$HYPERLINKBASE", 1, ""),
    T("$STYLESHEET", 1, ""),
    I("$XEDIT", 290, 1),
    I("$CEPSNTYPE", 380, 0),
    I("$PSTYLEMODE", 290, 1),
    T("$FINGERPRINTGUID", 2, "{62FF5D6E-9127-43A8-B05D-8F3A3F57DF89}"),
    T("$VERSIONGUID", 2, "{50CCDE9C-BAF8-4722-A3D6-CF2A985BF43E}"),
    I("$EXTNAMES", 290, 1),
    R("$PSVPSCALE", "0.0"),
    I("$OLESTARTUP", 290, 0),
};
static_assert(std::size(Variabili) == 199);

void ScriviVariabile(std::ostream& s, const Variabile& v, HandleDxf& handle) {
    ScriviGruppo(s, 9, std::string(v.nome));
    switch (v.forma) {
        case Forma::Testo: ScriviGruppo(s, v.codice, std::string(v.testo)); break;
        case Forma::Intero: ScriviGruppo(s, v.codice, Allinea6(v.intero)); break;
        case Forma::Seme: ScriviGruppo(s, v.codice, handle.NuovoHandle()); break;
        case Forma::Punto2:
        case Forma::Punto3: {
            const int coordinate = v.forma == Forma::Punto3 ? 3 : 2;
            for (int i = 0; i < coordinate; ++i)
                ScriviGruppo(s, 10 * (i + 1), std::string(v.punto[i]));
            break;
        }
    }
}

}  // namespace

void ScriviHeaderDXF(std::ostream& sezioni, HandleDxf& handle) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "HEADER");
    for (const Variabile& v : Variabili) ScriviVariabile(sezioni, v, handle);
    ScriviGruppo(sezioni, 0, "ENDSEC");
}
