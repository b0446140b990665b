#include "FlussoDxfRegistrato.h"

std::vector<EntitaDxf> FlussoDxfRegistrato::DiTipo(const std::string& tipo) const {
    std::vector<EntitaDxf> scelte;
    for (const auto& e : Entita)
        if (e.Tipo == tipo) scelte.push_back(e);
    return scelte;
}

void FlussoDxfRegistrato::DxfLinea(float x1, float y1, float x2, float y2,
                                   const std::string& layer, int stile) {
    Entita.push_back({"LINE", layer, {x1, y1, x2, y2}, {stile}, ""});
}

void FlussoDxfRegistrato::DxfCerchio(float x, float y, float r, const std::string& layer,
                                     int stile) {
    Entita.push_back({"CIRCLE", layer, {x, y, r}, {stile}, ""});
}

void FlussoDxfRegistrato::DxfTesto(const std::string& layer, const std::string& testo, float x,
                                   float y, float altezza, float angoloGradi, int allineaH,
                                   int allineaV) {
    Entita.push_back({"TEXT", layer, {x, y, altezza, angoloGradi}, {allineaH, allineaV}, testo});
}

void FlussoDxfRegistrato::DxfQuota(int layerQuota, int layerTesto, int decimali,
                                   float altezzaTesto, float fattoreFreccia, int tipoFreccia,
                                   float x1, float y1, float x2, float y2, float x3, float y3,
                                   float x4, float y4, int divisore, const std::string& stile) {
    Entita.push_back({"DIMENSION",
                      "",
                      {altezzaTesto, fattoreFreccia, x1, y1, x2, y2, x3, y3, x4, y4},
                      {layerQuota, layerTesto, decimali, tipoFreccia, divisore},
                      stile});
}
