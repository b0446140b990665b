#include "export/FlussoEntitaDxf.h"

#include "drawing/StiliDisegno.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"

namespace {

// Group 6 of a line or circle: the three linetypes of the LTYPE table.
const char* NomeTipoLinea(int stile) {
    switch (stile) {
        case Stile::Punteggiato: return "DASHED";
        case Stile::Continuo: return "Continuous";
        case Stile::Punteggiato2: return "DASHED2";
        default: return nullptr;
    }
}

}  // namespace

FlussoEntitaDxf::FlussoEntitaDxf(std::ostream& entita, std::ostream& blocchi, HandleDxf& handle,
                                 const StatoDxf& stato, const Impostazioni& imp)
    : entita_(entita), blocchi_(blocchi), handle_(handle), stato_(stato), imp_(imp) {}

bool FlussoEntitaDxf::R2000() const { return stato_.DxfR12 == 0; }

void FlussoEntitaDxf::IntestazioneEntita(const char* tipo) {
    ScriviGruppo(entita_, 0, tipo);
    if (!R2000()) return;
    ScriviGruppo(entita_, 5, handle_.NuovoHandle());
    ScriviGruppo(entita_, 330, handle_.HndModelSpace);
    ScriviGruppo(entita_, 100, "AcDbEntity");
}

void FlussoEntitaDxf::DxfLinea(float x1, float y1, float x2, float y2, const std::string& layer,
                               int stile) {
    IntestazioneEntita("LINE");
    ScriviGruppo(entita_, 8, layer);
    if (R2000()) ScriviGruppo(entita_, 100, "AcDbLine");
    if (const char* tipo = NomeTipoLinea(stile)) ScriviGruppo(entita_, 6, tipo);
    ScriviGruppo(entita_, 10, NumeroGenerale(x1));
    ScriviGruppo(entita_, 20, NumeroGenerale(y1));
    ScriviGruppo(entita_, 30, "0");
    ScriviGruppo(entita_, 11, NumeroGenerale(x2));
    ScriviGruppo(entita_, 21, NumeroGenerale(y2));
    ScriviGruppo(entita_, 31, "0");
}

void FlussoEntitaDxf::DxfCerchio(float x, float y, float r, const std::string& layer, int stile) {
    IntestazioneEntita("CIRCLE");
    ScriviGruppo(entita_, 8, layer);
    if (R2000()) ScriviGruppo(entita_, 100, "AcDbCircle");
    if (const char* tipo = NomeTipoLinea(stile)) ScriviGruppo(entita_, 6, tipo);
    ScriviGruppo(entita_, 10, NumeroGenerale(x));
    ScriviGruppo(entita_, 20, NumeroGenerale(y));
    ScriviGruppo(entita_, 30, "0");
    ScriviGruppo(entita_, 40, NumeroGenerale(r));
}

void FlussoEntitaDxf::DxfTesto(const std::string& layer, const std::string& testo, float x,
                               float y, float altezza, float angoloGradi, int allineaH,
                               int allineaV) {
    IntestazioneEntita("TEXT");
    ScriviGruppo(entita_, 8, layer);
    if (R2000()) ScriviGruppo(entita_, 100, "AcDbText");
    ScriviGruppo(entita_, 10, NumeroGenerale(x));
    ScriviGruppo(entita_, 20, NumeroGenerale(y));
    ScriviGruppo(entita_, 30, "0.0");
    ScriviGruppo(entita_, 72, Allinea6(allineaH));
    ScriviGruppo(entita_, 11, NumeroGenerale(x));
    ScriviGruppo(entita_, 21, NumeroGenerale(y));
    ScriviGruppo(entita_, 31, "0.0");
    ScriviGruppo(entita_, 40, NumeroGenerale(altezza));
    ScriviGruppo(entita_, 1, testo);
    ScriviGruppo(entita_, 50, NumeroGenerale(angoloGradi));
    if (R2000()) ScriviGruppo(entita_, 100, "AcDbText");
    ScriviGruppo(entita_, 73, Allinea6(allineaV));
}
