#include "model/ScrittoreSequenziale.h"

#include "model/Codifica.h"
#include "model/Numeri.h"

#include <string>

void ScrittoreSequenziale::Intero(long long valore) { riga_ << InteroFile(valore); }

void ScrittoreSequenziale::Reale(float valore, int decimali) {
    riga_ << FormatoDec(valore, decimali);
}

void ScrittoreSequenziale::FineRiga() {
    AggiungiRiga(contenuto_, riga_.Testo());
    riga_ = RigaZone{};
}

void ScrittoreSequenziale::Riga(std::string_view testo) {
    if (!riga_.Vuota()) FineRiga();
    AggiungiRiga(contenuto_, Utf8ACp1252(std::string(testo)));
}
