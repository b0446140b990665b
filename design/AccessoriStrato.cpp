#include "design/AccessoriStrato.h"

#include "model/Parete.h"

namespace {

bool StratoValido(int k) { return k >= 0 && k < 4; }

// Pointer to the diameter or spacing variable of layer k, const or not.
template <class P>
auto Diametro(P& p, int k) -> decltype(&p.DiamDir1Piu) {
    decltype(&p.DiamDir1Piu) d[4] = {&p.DiamDir1Piu, &p.DiamDir1Meno, &p.DiamDir2Piu, &p.DiamDir2Meno};
    return StratoValido(k) ? d[k] : nullptr;
}

template <class P>
auto Passo(P& p, int k) -> decltype(&p.PassoDir1Piu) {
    decltype(&p.PassoDir1Piu) s[4] = {&p.PassoDir1Piu, &p.PassoDir1Meno, &p.PassoDir2Piu, &p.PassoDir2Meno};
    return StratoValido(k) ? s[k] : nullptr;
}

bool NodoValido(const Parete& p, int k, int i) {
    return p.NumNodi > 0 && StratoValido(k) && i >= 0 && i < static_cast<int>(p.Nodi.size());
}

}  // namespace

float CarenzaNodo(const Parete& parete, int k, int i) {
    return NodoValido(parete, k, i) ? parete.Nodi[i].Mancante[SlotDiStrato(k)] : 0.0f;
}

float AreaRichiestaNodo(const Parete& parete, int k, int i) {
    return NodoValido(parete, k, i) ? parete.Nodi[i].Richiesta[SlotDiStrato(k)] : 0.0f;
}

float DiamStrato(const Parete& parete, int k) {
    const int* d = Diametro(parete, k);
    return d ? static_cast<float>(*d) : 0.0f;
}

void ImpostaDiamStrato(Parete& parete, int k, int d) {
    if (int* campo = Diametro(parete, k)) *campo = d;
}

float PassoStrato(const Parete& parete, int k) {
    const float* s = Passo(parete, k);
    return s ? *s : 0.0f;
}

void ImpostaPassoStrato(Parete& parete, int k, float s) {
    if (float* campo = Passo(parete, k)) *campo = s;
}

std::optional<float> PassoStratoVar(const Parete& parete, int k) {
    if (!StratoValido(k)) return std::nullopt;
    return PassoStrato(parete, k);
}
