#include "model/TestoNumerico.h"

#include <cctype>

bool IniziaConNumero(std::string_view testo) {
    std::size_t i = 0;
    const auto salta = [&] {
        while (i < testo.size() && (testo[i] == ' ' || testo[i] == '\t' || testo[i] == '\n')) ++i;
    };
    salta();
    if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) ++i;
    salta();
    if (i < testo.size() && (testo[i] == '.' || testo[i] == ',')) ++i;
    return i < testo.size() && std::isdigit(static_cast<unsigned char>(testo[i]));
}
