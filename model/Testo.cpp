#include "model/Testo.h"

std::string MaiuscoloAscii(std::string testo) {
    for (char& c : testo)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return testo;
}

bool UgualiSenzaMaiuscole(const std::string& a, const std::string& b) {
    return MaiuscoloAscii(a) == MaiuscoloAscii(b);
}

bool FinisceSenzaMaiuscole(const std::string& testo, const std::string& fine) {
    return testo.size() >= fine.size() &&
           UgualiSenzaMaiuscole(testo.substr(testo.size() - fine.size()), fine);
}
