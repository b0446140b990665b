#include "export/ClassiDxf.h"

#include "export/GruppiDxf.h"

#include <cstdio>
#include <string>

namespace {

struct Classe {
    const char* record;
    const char* nome;
    const char* applicazione;
    int flagProxy;
};

constexpr const char* ObjectDbx = "ObjectDBX Classes";

// Readers keep the application name as it is; this one is ours.
constexpr const char* ApplicazioneDimAssoc =
    "\"AcDbDimAssoc|Product Desc:     Associazione delle quote|Company:          "
    "KORVANE|WEB Address:      -\"";

constexpr Classe Classi[] = {
    {"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", ObjectDbx, 0},
    {"ACDBPLACEHOLDER", "AcDbPlaceHolder", ObjectDbx, 0},
    {"LAYOUT", "AcDbLayout", ObjectDbx, 0},
    {"DICTIONARYVAR", "AcDbDictionaryVar", ObjectDbx, 0},
    {"TABLESTYLE", "AcDbTableStyle", ObjectDbx, 4095},
    {"MATERIAL", "AcDbMaterial", ObjectDbx, 0},
    {"VISUALSTYLE", "AcDbVisualStyle", ObjectDbx, 4095},
    {"DIMASSOC", "AcDbDimAssoc", ApplicazioneDimAssoc, 0},
    {"SORTENTSTABLE", "AcDbSortentsTable", ObjectDbx, 0},
    {"ACAD_EVALUATION_GRAPH", "AcDbEvalGraph", ObjectDbx, 33921},
    {"ACAECUSTOBJ", "AcAeEditorObj", "AcAeEditorObj", 33792},
    {"ACDB_DYNAMICBLOCKPURGEPREVENTER_VERSION", "AcDbDynamicBlockPurgePreventer", ObjectDbx,
     33921},
};

// A 32-bit value of group 90, right-aligned in nine characters.
std::string Allinea9(int n) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%9d", n);
    return testo;
}

}  // namespace

void ScriviClassesDXF(std::ostream& sezioni) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "CLASSES");
    for (const Classe& c : Classi) {
        ScriviGruppo(sezioni, 0, "CLASS");
        ScriviGruppo(sezioni, 1, c.record);
        ScriviGruppo(sezioni, 2, c.nome);
        ScriviGruppo(sezioni, 3, c.applicazione);
        ScriviGruppo(sezioni, 90, Allinea9(c.flagProxy));
        ScriviGruppo(sezioni, 280, Allinea6(0));
        ScriviGruppo(sezioni, 281, Allinea6(0));
    }
    ScriviGruppo(sezioni, 0, "ENDSEC");
}
