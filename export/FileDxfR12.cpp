#include "export/FileDxfR12.h"

#include "model/Codifica.h"
#include "model/Impostazioni.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace {

// One line as it stands; the R12 templates write some group codes without
// their padding.
void Riga(std::ostream& sezioni, const std::string& testo) {
    sezioni << Utf8ACp1252(testo) << "\r\n";
}

void Righe(std::ostream& sezioni, std::initializer_list<const char*> righe) {
    for (const char* riga : righe) Riga(sezioni, riga);
}

struct GruppoHeader {
    const char* codice = nullptr;
    const char* valore = nullptr;
};

struct VariabileHeader {
    const char* nome;
    std::array<GruppoHeader, 3> gruppi;  // unused ones have no code
};

constexpr VariabileHeader HeaderR12[] = {
    {"$ACADVER", {{{"1", "AC1009"}}}},
    {"$INSBASE", {{{"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$EXTMIN", {{{"10", "949.66"}, {"20", "905.53"}, {"30", "0.0"}}}},
    {"$EXTMAX", {{{"10", "100000.00"}, {"20", "80000.00"}, {"30", "0.0"}}}},
    {"$LIMMIN", {{{"10", "0.0"}, {"20", "0.0"}}}},
    {"$LIMMAX", {{{"10", "420.0"}, {"20", "297.0"}}}},
    {"$ORTHOMODE", {{{"70", "1"}}}},
    {"$REGENMODE", {{{"70", "1"}}}},
    {"$FILLMODE", {{{"70", "1"}}}},
    {"$QTEXTMODE", {{{"70", "0"}}}},
    {"$MIRRTEXT", {{{"70", "0"}}}},
    {"$DRAGMODE", {{{"70", "2"}}}},
    {"$LTSCALE", {{{"40", "1.0"}}}},
    {"$OSMODE", {{{"70", "135"}}}},
    {"$ATTMODE", {{{"70", "1"}}}},
    {"$TEXTSIZE", {{{"40", "2.5"}}}},
    {"$TRACEWID", {{{"40", "1.0"}}}},
    {"$TEXTSTYLE", {{{"7", "STANDARD"}}}},
    {"$CLAYER", {{{"8", "0"}}}},
    {"$CELTYPE", {{{"6", "BYLAYER"}}}},
    {"$CECOLOR", {{{"62", "256"}}}},
    {"$DIMSCALE", {{{"40", "1.0"}}}},
    {"$DIMASZ", {{{"40", "2.5"}}}},
    {"$DIMEXO", {{{"40", "0.625"}}}},
    {"$DIMDLI", {{{"40", "3.75"}}}},
    {"$DIMRND", {{{"40", "0.0"}}}},
    {"$DIMDLE", {{{"40", "0.0"}}}},
    {"$DIMEXE", {{{"40", "1.25"}}}},
    {"$DIMTP", {{{"40", "0.0"}}}},
    {"$DIMTM", {{{"40", "0.0"}}}},
    {"$DIMTXT", {{{"40", "2.5"}}}},
    {"$DIMCEN", {{{"40", "2.5"}}}},
    {"$DIMTSZ", {{{"40", "0.0"}}}},
    {"$DIMTOL", {{{"70", "0"}}}},
    {"$DIMLIM", {{{"70", "0"}}}},
    {"$DIMTIH", {{{"70", "0"}}}},
    {"$DIMTOH", {{{"70", "0"}}}},
    {"$DIMSE1", {{{"70", "0"}}}},
    {"$DIMSE2", {{{"70", "0"}}}},
    {"$DIMTAD", {{{"70", "1"}}}},
    {"$DIMZIN", {{{"70", "8"}}}},
    {"$DIMBLK", {{{"1", ""}}}},
    {"$DIMASO", {{{"70", "1"}}}},
    {"$DIMSHO", {{{"70", "1"}}}},
    {"$DIMPOST", {{{"1", ""}}}},
    {"$DIMAPOST", {{{"1", ""}}}},
    {"$DIMALT", {{{"70", "0"}}}},
    {"$DIMALTD", {{{"70", "3"}}}},
    {"$DIMALTF", {{{"40", "0.2"}}}},
    {"$DIMLFAC", {{{"40", "1.0"}}}},
    {"$DIMTOFL", {{{"70", "1"}}}},
    {"$DIMTVP", {{{"40", "0.0"}}}},
    {"$DIMTIX", {{{"70", "0"}}}},
    {"$DIMSOXD", {{{"70", "0"}}}},
    {"$DIMSAH", {{{"70", "0"}}}},
    {"$DIMBLK1", {{{"1", ""}}}},
    {"$DIMBLK2", {{{"1", ""}}}},
    {"$DIMSTYLE", {{{"2", "ISO-25"}}}},
    {"$DIMCLRD", {{{"70", "0"}}}},
    {"$DIMCLRE", {{{"70", "0"}}}},
    {"$DIMCLRT", {{{"70", "0"}}}},
    {"$DIMTFAC", {{{"40", "1.0"}}}},
    {"$DIMGAP", {{{"40", "0.625"}}}},
    {"$LUNITS", {{{"70", "2"}}}},
    {"$LUPREC", {{{"70", "4"}}}},
    {"$SKETCHINC", {{{"40", "1.0"}}}},
    {"$FILLETRAD", {{{"40", "0.0"}}}},
    {"$AUNITS", {{{"70", "0"}}}},
    {"$AUPREC", {{{"70", "0"}}}},
    {"$MENU", {{{"1", "."}}}},
    {"$ELEVATION", {{{"40", "0.0"}}}},
    {"$PELEVATION", {{{"40", "0.0"}}}},
    {"$THICKNESS", {{{"40", "0.0"}}}},
    {"$LIMCHECK", {{{"70", "0"}}}},
    {"$BLIPMODE", {{{"70", "0"}}}},
    {"$CHAMFERA", {{{"40", "0.0"}}}},
    {"$CHAMFERB", {{{"40", "0.0"}}}},
    {"$SKPOLY", {{{"70", "0"}}}},
    {"$TDCREATE", {{{"40", "2456345.7033636812"}}}},
    {"$USRTIMER", {{{"70", "1"}}}},
    {"$ANGBASE", {{{"50", "0.0"}}}},
    {"$ANGDIR", {{{"70", "0"}}}},
    {"$PDMODE", {{{"70", "0"}}}},
    {"$PDSIZE", {{{"40", "0.0"}}}},
    {"$PLINEWID", {{{"40", "0.0"}}}},
    {"$COORDS", {{{"70", "0"}}}},
    {"$SPLFRAME", {{{"70", "0"}}}},
    {"$SPLINETYPE", {{{"70", "6"}}}},
    {"$SPLINESEGS", {{{"70", "8"}}}},
    {"$ATTDIA", {{{"70", "0"}}}},
    {"$ATTREQ", {{{"70", "1"}}}},
    {"$HANDLING", {{{"70", "1"}}}},
    {"$SURFTAB1", {{{"70", "6"}}}},
    {"$SURFTAB2", {{{"70", "6"}}}},
    {"$SURFTYPE", {{{"70", "6"}}}},
    {"$SURFU", {{{"70", "6"}}}},
    {"$SURFV", {{{"70", "6"}}}},
    {"$UCSNAME", {{{"2", ""}}}},
    {"$UCSORG", {{{"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$UCSXDIR", {{{"10", "1.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$UCSYDIR", {{{"10", "0.0"}, {"20", "1.0"}, {"30", "0.0"}}}},
    {"$PUCSNAME", {{{"2", ""}}}},
    {"$PUCSORG", {{{"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$PUCSXDIR", {{{"10", "1.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$PUCSYDIR", {{{"10", "0.0"}, {"20", "1.0"}, {"30", "0.0"}}}},
    {"$USERI1", {{{"70", "0"}}}},
    {"$USERI2", {{{"70", "0"}}}},
    {"$USERI3", {{{"70", "0"}}}},
    {"$USERI4", {{{"70", "0"}}}},
    {"$USERI5", {{{"70", "0"}}}},
    {"$USERR1", {{{"40", "0.0"}}}},
    {"$USERR2", {{{"40", "0.0"}}}},
    {"$USERR3", {{{"40", "0.0"}}}},
    {"$USERR4", {{{"40", "0.0"}}}},
    {"$USERR5", {{{"40", "0.0"}}}},
    {"$WORLDVIEW", {{{"70", "1"}}}},
    {"$SHADEDGE", {{{"70", "3"}}}},
    {"$SHADEDIF", {{{"70", "70"}}}},
    {"$TILEMODE", {{{"70", "1"}}}},
    {"$MAXACTVP", {{{"70", "64"}}}},
    {"$PLIMCHECK", {{{"70", "0"}}}},
    {"$PEXTMIN", {{{"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$PEXTMAX", {{{"10", "0.0"}, {"20", "0.0"}, {"30", "0.0"}}}},
    {"$PLIMMIN", {{{"10", "0.0"}, {"20", "0.0"}}}},
    {"$PLIMMAX", {{{"10", "12.0"}, {"20", "9.0"}}}},
    {"$UNITMODE", {{{"70", "0"}}}},
    {"$VISRETAIN", {{{"70", "1"}}}},
    {"$PLINEGEN", {{{"70", "0"}}}},
    {"$PSLTSCALE", {{{"70", "1"}}}},
};

}  // namespace

void ScriviHeaderR12(std::ostream& sezioni) {
    Righe(sezioni, {"0", "SECTION", "2", "HEADER"});
    for (const auto& variabile : HeaderR12) {
        Righe(sezioni, {"9", variabile.nome});
        for (const auto& gruppo : variabile.gruppi)
            if (gruppo.codice) Righe(sezioni, {gruppo.codice, gruppo.valore});
    }
    Righe(sezioni, {"0", "ENDSEC"});
}

namespace {

struct TipoLineaR12 {
    const char* nome;
    const char* descrizione;
    const char* numeroElementi;
    const char* lunghezza;
    std::array<const char*, 4> elementi;  // the unused ones are null
};

constexpr TipoLineaR12 TipiLineaR12[] = {
    {"CONTINUOUS", "Solid Line", "0", "0.0", {}},
    {"DOT", "...............................................", "2", "0.75", {"0.0", "-0.75"}},
    {"DASHDOT", "__ . __ . __ . __ . __ . __ . __ . __ . __ . __", "4", "1.0",
     {"0.5", "-0.25", "0.0", "-0.25"}},
    {"DASHED2", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", "2", "17.5", {"10.0", "-7.5"}},
    {"DASHED", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __", "2", "40", {"25", "-15"}},
};

void ScriviTipiLinea(std::ostream& s) {
    Righe(s, {"  0", "TABLE", "  2", "LTYPE", " 70", "  5"});
    bool primo = true;
    for (const auto& t : TipiLineaR12) {
        // Only the first record pads its codes; "DASHED" opens with a bare "0".
        const bool tratteggio = std::string_view(t.nome) == "DASHED";
        Righe(s, {tratteggio ? "0" : "  0", "LTYPE"});
        Righe(s, {primo ? "  2" : "2", t.nome, primo ? " 70" : "70", "64"});
        Righe(s, {primo ? "  3" : "3", t.descrizione, primo ? " 72" : "72", "65"});
        Righe(s, {primo ? " 73" : "73", t.numeroElementi, primo ? " 40" : "40", t.lunghezza});
        for (const char* elemento : t.elementi)
            if (elemento) Righe(s, {"49", elemento});
        primo = false;
    }
    Righe(s, {"  0", "ENDTAB"});
}

// A number as the line writer of the layer records prints it: a blank for
// the sign of a non-negative number, and one after.
std::string NumeroStampato(int n) { return (n >= 0 ? " " : "") + std::to_string(n) + " "; }

void ScriviStili(std::ostream& s) {
    Righe(s, {"  0", "TABLE", "  2", "STYLE", " 70", "  2"});
    Righe(s, {"0", "STYLE", "  2", "STANDARD", " 70", "     0", " 40", "0.0", "41", "1.0",
              " 50", "0.0", " 71", "     0", " 42", "2.5", "  3", "arial.ttf", "  4", ""});
    Righe(s, {"  0", "STYLE", "  2", "ANNOTATIVA", " 70", "     0", " 40", "0.0", " 41", "1.0",
              " 50", "0.0", " 71", "     0", " 42", "2.5", "  3", "Txt", "  4", ""});
    Righe(s, {"  0", "ENDTAB"});
}

}  // namespace

void ScriviLayerR12(std::ostream& sezioni, const std::string& nome, int colore,
                    const std::string& tipoLinea) {
    Righe(sezioni, {"  0", "LAYER", "  2"});
    Riga(sezioni, nome);
    Riga(sezioni, " 70");
    Riga(sezioni, NumeroStampato(0));
    Riga(sezioni, " 62");
    Riga(sezioni, NumeroStampato(colore));
    Riga(sezioni, "  6");
    Riga(sezioni, tipoLinea);
}

void ScriviTablesR12(std::ostream& sezioni, const Impostazioni& imp, int numeroLayer) {
    Righe(sezioni, {"  0", "SECTION", "  2", "TABLES"});
    ScriviTipiLinea(sezioni);

    Righe(sezioni, {"  0", "TABLE", "  2", "LAYER"});
    ScriviLayerR12(sezioni, "0", 7, "Continuous");
    ScriviLayerR12(sezioni, "Defpoints", 7, "Continuous");
    for (int k = 0; k < numeroLayer; ++k)
        ScriviLayerR12(sezioni, imp.NomiLayer.at(k), imp.ColoriLayer.at(k),
                       k == 0 ? "DASHED2" : "Continuous");
    Righe(sezioni, {"  0", "ENDTAB"});

    ScriviStili(sezioni);
    Righe(sezioni, {"  0", "ENDSEC"});
}

void ScriviBlocksR12(std::ostream& sezioni, std::string_view blocchi) {
    Righe(sezioni, {"  0", "SECTION", "  2", "BLOCKS"});
    sezioni << blocchi;
    Righe(sezioni, {"  0", "ENDSEC"});
}
