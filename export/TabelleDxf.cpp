#include "export/TabelleDxf.h"

#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Numeri.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// How the frame of a table writes the codes of its name and its count.
struct CodiciTabella {
    std::string_view Nome = "  2";
    std::string_view Conteggio = " 70";
};

void InizioTabella(std::ostream& s, const char* nome, const char* handle, int conteggio,
                   CodiciTabella codici = {}) {
    ScriviGruppo(s, 0, "TABLE");
    ScriviGruppoCome(s, codici.Nome, nome);
    ScriviGruppo(s, 5, handle);
    ScriviGruppo(s, 330, "0");
    ScriviGruppo(s, 100, "AcDbSymbolTable");
    ScriviGruppoCome(s, codici.Conteggio, Allinea6(conteggio));
}

void FineTabella(std::ostream& s) { ScriviGruppo(s, 0, "ENDTAB"); }

// Type, handle, owner table, the two subclass markers and the name of a record.
void InizioRecord(std::ostream& s, const char* tipo, int codiceHandle, const std::string& handle,
                  const char* tabella, const char* sottoclasse, const std::string& nome) {
    ScriviGruppo(s, 0, tipo);
    ScriviGruppo(s, codiceHandle, handle);
    ScriviGruppo(s, 330, tabella);
    ScriviGruppo(s, 100, "AcDbSymbolTableRecord");
    ScriviGruppo(s, 100, sottoclasse);
    ScriviGruppo(s, 2, nome);
}

void Coppia(std::ostream& s, int codice, const char* x, const char* y) {
    ScriviGruppo(s, codice, x);
    ScriviGruppo(s, codice + 10, y);
}

void Terna(std::ostream& s, int codice, const char* x, const char* y, const char* z) {
    Coppia(s, codice, x, y);
    ScriviGruppo(s, codice + 20, z);
}

void ScriviTabLtype(std::ostream& s, HandleDxf& handle) {
    struct TipoLinea {
        const char* nome;
        std::string descrizione;
        const char* lunghezza;
        std::vector<const char*> tratti;
    };
    auto ripeti = [](const std::string& segno, int volte) {
        std::string testo;
        for (int i = 0; i < volte; ++i) testo += (i ? " " : "") + segno;
        return testo;
    };
    // Pattern lengths in drawing units, whatever the print scale.
    const TipoLinea tipi[] = {
        {"ByBlock", "", "0.0", {}},
        {"ByLayer", "", "0.0", {}},
        {"Continuous", "Solid Line", "0.0", {}},
        {"DASHED2", ripeti("_", 24), "17.5", {"10.0", "-7.5"}},
        {"DASHED", ripeti("__", 16), "40.0", {"25.0", "-15.0"}},
    };
    InizioTabella(s, "LTYPE", "5", 3);
    for (const TipoLinea& t : tipi) {
        InizioRecord(s, "LTYPE", 5, handle.NuovoHandle(), "5", "AcDbLinetypeTableRecord", t.nome);
        ScriviGruppo(s, 70, Allinea6(0));
        ScriviGruppo(s, 3, t.descrizione);
        ScriviGruppo(s, 72, Allinea6(65));
        ScriviGruppo(s, 73, Allinea6(static_cast<int>(t.tratti.size())));
        ScriviGruppo(s, 40, t.lunghezza);
        for (const char* tratto : t.tratti) {
            ScriviGruppo(s, 49, tratto);
            ScriviGruppo(s, 74, Allinea6(0));
        }
    }
    FineTabella(s);
}

void ScriviTabLayer(std::ostream& s, HandleDxf& handle, const Impostazioni& imp, int numLayer) {
    InizioTabella(s, "LAYER", "2", numLayer + 3);
    ScriviLayerDXF(s, handle, "0", 7, "Continuous");
    ScriviLayerDXF(s, handle, "Defpoints", 7, "Continuous");
    for (int i = 0; i < numLayer; ++i)
        ScriviLayerDXF(s, handle, imp.NomiLayer[i], imp.ColoriLayer[i],
                       i == 0 ? "DASHED2" : "Continuous");
    FineTabella(s);
}

void ScriviTabStyle(std::ostream& s, const HandleDxf& handle) {
    InizioTabella(s, "STYLE", "3", 1);
    InizioRecord(s, "STYLE", 5, handle.HndStile, "3", "AcDbTextStyleTableRecord", "Standard");
    ScriviGruppo(s, 70, Allinea6(0));
    ScriviGruppo(s, 40, "0.0");
    ScriviGruppo(s, 41, "1.0");
    ScriviGruppo(s, 50, "0.0");
    ScriviGruppo(s, 71, Allinea6(0));
    ScriviGruppo(s, 42, "2.5");
    ScriviGruppo(s, 3, "arial.ttf");
    ScriviGruppo(s, 4, "");
    ScriviGruppo(s, 1001, "ACAD");
    ScriviGruppo(s, 1000, "Arial");
    ScriviGruppo(s, 1071, "    34");
    FineTabella(s);
}

void ScriviTabellaVuota(std::ostream& s, const char* nome, const char* handle) {
    InizioTabella(s, nome, handle, 0);
    FineTabella(s);
}

}  // namespace

void ScriviTabVport(std::ostream& s, const HandleDxf& handle) {
    InizioTabella(s, "VPORT", "8", 1);
    InizioRecord(s, "VPORT", 5, handle.HndVport, "8", "AcDbViewportTableRecord", "*Active");
    ScriviGruppo(s, 70, Allinea6(0));
    Coppia(s, 10, "0.0", "0.0");
    Coppia(s, 11, "1.0", "1.0");
    Coppia(s, 12, "805.316248479769", "-525.9872959979642");
    Coppia(s, 13, "0.0", "0.0");
    Coppia(s, 14, "0.5", "0.5");
    Coppia(s, 15, "0.5", "0.5");
    Terna(s, 16, "0.0", "0.0", "1.0");
    Terna(s, 17, "0.0", "0.0", "0.0");
    ScriviGruppo(s, 40, "1870.063859459157");
    ScriviGruppo(s, 41, "1.491463414634146");
    ScriviGruppo(s, 42, "50.0");
    ScriviGruppo(s, 43, "0.0");
    ScriviGruppo(s, 44, "0.0");
    ScriviGruppo(s, 50, "0.0");
    ScriviGruppo(s, 51, "0.0");
    for (const auto& [codice, valore] :
         {std::pair{71, 16}, {72, 100}, {73, 1}, {74, 3}, {75, 0}, {76, 0}, {77, 0}, {78, 0},
          {281, 0}, {65, 1}})
        ScriviGruppo(s, codice, Allinea6(valore));
    Terna(s, 110, "0.0", "0.0", "0.0");
    Terna(s, 111, "1.0", "0.0", "0.0");
    Terna(s, 112, "0.0", "1.0", "0.0");
    ScriviGruppo(s, 79, Allinea6(0));
    ScriviGruppo(s, 146, "0.0");
    FineTabella(s);
}

void ScriviLayerDXF(std::ostream& s, HandleDxf& handle, const std::string& nome, int colore,
                    const std::string& tipoLinea) {
    InizioRecord(s, "LAYER", 5, handle.NuovoHandle(), "2", "AcDbLayerTableRecord", nome);
    if (nome == "Defpoints") ScriviGruppoCome(s, " 290", Allinea6(0));  // not plotted
    ScriviGruppo(s, 70, Allinea6(0));
    ScriviGruppo(s, 62, Allinea6(colore));
    ScriviGruppo(s, 6, tipoLinea);
    ScriviGruppo(s, 370, Allinea6(-3));
    ScriviGruppo(s, 390, handle.HndPlaceholder);
}

void ScriviTabAppId(std::ostream& s, HandleDxf& handle) {
    constexpr const char* applicazioni[] = {
        "ACAD",          "ACAD_PSEXT",         "ACADANNOPO",
        "ACADANNOTATIVE", "ACAD_DSTYLE_DIMJAG", "ACAD_DSTYLE_DIMTALN",
        "ACAD_MLEADERVER", "ACAD_NAV_VCDISPLAY", "ACAD_EXEMPT_FROM_CAD_STAND"};
    InizioTabella(s, "APPID", "9", 9);
    for (const char* nome : applicazioni) {
        InizioRecord(s, "APPID", 5, handle.NuovoHandle(), "9", "AcDbRegAppTableRecord", nome);
        ScriviGruppo(s, 70, Allinea6(0));
    }
    FineTabella(s);
}

void ScriviDimStyle(std::ostream& s, const HandleDxf& handle, const std::string& hndStile,
                    const StileQuotaDxf& stile, float k) {
    InizioRecord(s, "DIMSTYLE", 105, hndStile, "A", "AcDbDimStyleTableRecord", stile.Nome);
    const std::string freccia = stile.FrecciaKorvan ? handle.HndFreccia : handle.HndNone;
    ScriviGruppo(s, 70, Allinea6(0));
    ScriviGruppo(s, 41, FormatoDec(k, 4));
    ScriviGruppo(s, 42, "60.0");
    ScriviGruppo(s, 44, "16.0");
    ScriviGruppo(s, 73, Allinea6(0));
    ScriviGruppo(s, 74, Allinea6(0));
    ScriviGruppo(s, 75, Allinea6(1));
    ScriviGruppo(s, 76, Allinea6(1));
    ScriviGruppo(s, 77, Allinea6(stile.TestoSopra));
    ScriviGruppo(s, 78, Allinea6(8));
    ScriviGruppo(s, 140, FormatoDec(20.0f * k, 8));
    ScriviGruppo(s, 144, FormatoDec(stile.FattoreMisura / k, 8));
    ScriviGruppo(s, 147, FormatoDec(5.0f * k, 8));
    ScriviGruppo(s, 172, Allinea6(1));
    ScriviGruppo(s, 174, Allinea6(1));
    ScriviGruppo(s, 178, Allinea6(0));
    ScriviGruppo(s, 271, Allinea6(stile.Decimali));
    ScriviGruppo(s, 272, Allinea6(1));
    ScriviGruppo(s, 281, Allinea6(stile.SenzaEstensioni));
    ScriviGruppo(s, 282, Allinea6(stile.SenzaEstensioni));
    ScriviGruppo(s, 284, Allinea6(8));
    ScriviGruppo(s, 289, Allinea6(0));
    ScriviGruppo(s, 340, handle.HndStile);
    ScriviGruppo(s, 341, freccia);
    ScriviGruppo(s, 342, freccia);
}

void ScriviTabDimStyle(std::ostream& s, HandleDxf& handle, float k) {
    InizioTabella(s, "DIMSTYLE", "A", static_cast<int>(std::size(StiliQuotaDxf)), {.Nome = "2"});
    ScriviGruppo(s, 100, "AcDbDimStyleTable");
    ScriviGruppo(s, 71, Allinea6(0));
    // The table names its first record, whose handle is drawn here.
    std::string hndStile = handle.NuovoHandle();
    ScriviGruppo(s, 340, hndStile);
    for (const StileQuotaDxf& stile : StiliQuotaDxf) {
        if (&stile != &StiliQuotaDxf[0]) hndStile = handle.NuovoHandle();
        ScriviDimStyle(s, handle, hndStile, stile, k);
    }
    FineTabella(s);
}

void ScriviTabBlockRecord(std::ostream& s, const HandleDxf& handle) {
    InizioTabella(s, "BLOCK_RECORD", "1", 6 + handle.NumBlocchiD, {.Nome = "2", .Conteggio = "70"});
    auto record = [&](const std::string& nome, const std::string& hnd, const std::string& layout) {
        InizioRecord(s, "BLOCK_RECORD", 5, hnd, "1", "AcDbBlockTableRecord", nome);
        ScriviGruppo(s, 340, layout);
    };
    record("*Model_Space", handle.HndModelSpace, handle.HndLayoutModel);
    record("*Paper_Space", handle.HndPaperSpace, handle.HndLayoutFoglio);
    record("_FRECCIAKORVAN", handle.HndFreccia, "0");
    record("_NOFRECCIA", handle.HndNoFreccia, "0");
    record("_None", handle.HndNone, "0");
    for (int i = 0; i < handle.NumBlocchiD; ++i)
        record("*D" + std::to_string(i), handle.HandleBlocchiD.at(i), "0");
    FineTabella(s);
}

void ScriviTablesDXF(std::ostream& s, HandleDxf& handle, const Impostazioni& imp, int numLayer) {
    numLayer = std::clamp(numLayer, 0, NumLayer);
    ScriviGruppo(s, 0, "SECTION");
    ScriviGruppo(s, 2, "TABLES");
    ScriviTabVport(s, handle);
    ScriviTabLtype(s, handle);
    ScriviTabLayer(s, handle, imp, numLayer);
    ScriviTabStyle(s, handle);
    ScriviTabellaVuota(s, "VIEW", "6");
    ScriviTabellaVuota(s, "UCS", "7");
    ScriviTabAppId(s, handle);
    ScriviTabDimStyle(s, handle, imp.ScalaTestiDxf);
    ScriviTabBlockRecord(s, handle);
    ScriviGruppo(s, 0, "ENDSEC");
}
