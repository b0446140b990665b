#include "model/ScrittoreSequenziale.h"

#include "model/Codifica.h"
#include "model/Numeri.h"

#include <string>

namespace {
constexpr std::string_view FineRigaFile = "\r\n";
}  // namespace

// A value after the first starts at the next zone start that leaves at least
// one blank after the previous value.
void ScrittoreSequenziale::Valore(std::string_view testo) {
    if (!riga_.empty()) {
        const std::size_t inizio =
            (riga_.size() / LarghezzaZona + 1) * static_cast<std::size_t>(LarghezzaZona);
        riga_.append(inizio - riga_.size(), ' ');
    }
    riga_ += testo;
}

void ScrittoreSequenziale::Intero(long long valore) {
    const std::string cifre = std::to_string(valore);
    Valore(valore < 0 ? cifre + " " : " " + cifre + " ");
}

void ScrittoreSequenziale::Reale(float valore, int decimali) {
    Valore(FormatoDec(valore, decimali));
}

void ScrittoreSequenziale::FineRiga() {
    contenuto_ += riga_;
    contenuto_ += FineRigaFile;
    riga_.clear();
}

void ScrittoreSequenziale::Riga(std::string_view testo) {
    if (!riga_.empty()) FineRiga();
    contenuto_ += Utf8ACp1252(std::string(testo));
    contenuto_ += FineRigaFile;
}
