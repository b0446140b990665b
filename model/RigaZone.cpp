#include "model/RigaZone.h"

namespace {
constexpr std::size_t LarghezzaZona = 14;
}

void AggiungiInZona(std::string& testo, std::size_t inizioRiga, std::string_view valore) {
    const std::size_t occupato = testo.size() - inizioRiga;
    if (occupato > 0) {
        const std::size_t zona = occupato / LarghezzaZona + 1;
        testo.resize(inizioRiga + zona * LarghezzaZona, ' ');
    }
    testo += valore;
}

RigaZone& RigaZone::operator<<(std::string_view valore) {
    AggiungiInZona(testo_, 0, valore);
    return *this;
}

std::string InteroFile(long long valore) {
    return (valore < 0 ? "" : " ") + std::to_string(valore) + " ";
}

void AggiungiRiga(std::string& testo, std::string_view riga) {
    testo += riga;
    testo += "\r\n";
}
