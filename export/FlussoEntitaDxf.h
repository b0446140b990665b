#pragma once

#include "drawing/FlussoDxf.h"

#include <ostream>
#include <string>

struct HandleDxf;
struct Impostazioni;

// The DXF entity writers: each call appends one complete entity to the entity
// stream; a dimension also appends its anonymous block to the block stream.
// Handles, owners and subclass markers are left out in the R12 dialect.
class FlussoEntitaDxf : public FlussoDxf {
public:
    FlussoEntitaDxf(std::ostream& entita, std::ostream& blocchi, HandleDxf& handle,
                    const StatoDxf& stato, const Impostazioni& imp);

    void DxfLinea(float x1, float y1, float x2, float y2, const std::string& layer,
                  int stile) override;
    void DxfCerchio(float x, float y, float r, const std::string& layer, int stile) override;
    void DxfTesto(const std::string& layer, const std::string& testo, float x, float y,
                  float altezza, float angoloGradi, int allineaH, int allineaV) override;
    void DxfQuota(int layerQuota, int layerTesto, int decimali, float altezzaTesto,
                  float fattoreFreccia, int tipoFreccia, float x1, float y1, float x2, float y2,
                  float x3, float y3, float x4, float y4, int divisore,
                  const std::string& stile) override;

private:
    bool R2000() const;
    // Handle, owner and "AcDbEntity" of an R2000 model-space entity.
    void IntestazioneEntita(const char* tipo);

    std::ostream& entita_;
    std::ostream& blocchi_;
    HandleDxf& handle_;
    const StatoDxf& stato_;
    const Impostazioni& imp_;
};
