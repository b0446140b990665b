#include "model/RigaZone.h"

namespace {
constexpr std::size_t LarghezzaZona = 14;
}

RigaZone& RigaZone::operator<<(std::string_view valore) {
    if (!testo_.empty()) {
        const std::size_t zona = testo_.size() / LarghezzaZona + 1;
        testo_.resize(zona * LarghezzaZona, ' ');
    }
    testo_ += valore;
    return *this;
}

std::string InteroFile(long long valore) {
    return (valore < 0 ? "" : " ") + std::to_string(valore) + " ";
}

void AggiungiRiga(std::string& testo, std::string_view riga) {
    testo += riga;
    testo += "\r\n";
}
