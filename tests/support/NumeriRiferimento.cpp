#include "NumeriRiferimento.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// A number as decimal digits: value = 0.Cifre x 10^Punto, sign apart.
// Formatting rounds these digits, the shortest that read back as the same
// float, so 2.675 prints as typed and not as its binary 2.67499995...
struct Decimale {
    bool Negativo = false;
    std::string Cifre;  // no leading or trailing zeros; empty for zero
    int Punto = 0;      // digits before the decimal point
};

void TogliZeriFinali(Decimale& d) {
    while (!d.Cifre.empty() && d.Cifre.back() == '0') d.Cifre.pop_back();
    if (d.Cifre.empty()) d = Decimale{};
}

Decimale DecimaleDi(float x) {
    Decimale d;
    if (x == 0.0f) return d;
    // d.ddde+XX
    std::array<char, 32> testo{};
    const auto fine =
        std::to_chars(testo.data(), testo.data() + testo.size(), x, std::chars_format::scientific)
            .ptr;
    const char* c = testo.data();
    if (*c == '-') {
        d.Negativo = true;
        ++c;
    }
    for (; c != fine && *c != 'e'; ++c)
        if (*c != '.') d.Cifre.push_back(*c);
    int esponente = 0;
    if (c != fine) {
        ++c;
        if (*c == '+') ++c;
        std::from_chars(c, fine, esponente);
    }
    d.Punto = esponente + 1;
    TogliZeriFinali(d);
    return d;
}

enum class Pareggio { LontanoDaZero, AlPari };

// Keeps n decimals; a dropped part of exactly one half goes by `pareggio`.
void ArrotondaCifre(Decimale& d, int n, Pareggio pareggio) {
    const int tenute = d.Punto + n;
    if (tenute >= static_cast<int>(d.Cifre.size())) return;
    if (tenute < 0) {
        d = Decimale{};
        return;
    }
    const char primaTolta = d.Cifre[tenute];
    const bool restoNonNullo = d.Cifre.find_first_not_of('0', tenute + 1) != std::string::npos;
    const bool ultimaDispari = tenute > 0 && (d.Cifre[tenute - 1] - '0') % 2 == 1;
    bool suPiu = primaTolta > '5' || (primaTolta == '5' && restoNonNullo);
    if (primaTolta == '5' && !restoNonNullo)
        suPiu = pareggio == Pareggio::LontanoDaZero || ultimaDispari;
    d.Cifre.resize(tenute);
    if (suPiu) {
        int i = tenute - 1;
        for (; i >= 0 && d.Cifre[i] == '9'; --i) d.Cifre[i] = '0';
        if (i >= 0) {
            ++d.Cifre[i];
        } else {
            d.Cifre.insert(d.Cifre.begin(), '1');
            ++d.Punto;
        }
    }
    TogliZeriFinali(d);
}

// Digit i of Cifre, with the zeros beyond either end (leading zeros after the
// point below 0, trailing zeros past the last digit).
char CifraAlPosto(const Decimale& d, int indice) {
    return indice >= 0 && indice < static_cast<int>(d.Cifre.size()) ? d.Cifre[indice] : '0';
}

// The digits before the point, empty when there are none.
std::string ParteIntera(const Decimale& d) {
    std::string testo;
    for (int i = 0; i < d.Punto; ++i) testo.push_back(CifraAlPosto(d, i));
    return testo;
}

// Text of a non-finite value; formatting has nothing to round there.
std::string TestoNonFinito(float x) {
    std::array<char, 16> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), x).ptr;
    return std::string(testo.data(), fine);
}

}  // namespace

std::string FormatoDecRiferimento(float x, int n) {
    if (!std::isfinite(x)) return TestoNonFinito(x);
    if (n < 0) n = 0;
    Decimale d = DecimaleDi(x);
    ArrotondaCifre(d, n, Pareggio::LontanoDaZero);
    // A value that rounds to zero loses its sign: "-0.00" would only puzzle.
    std::string testo = d.Negativo ? "-" : "";
    const std::string intera = ParteIntera(d);
    testo += intera.empty() ? "0" : intera;
    if (n > 0) {
        testo.push_back('.');
        for (int i = 0; i < n; ++i) testo.push_back(CifraAlPosto(d, d.Punto + i));
    }
    return testo;
}

std::string ArrotondaStrRiferimento(float x, int n) {
    if (!std::isfinite(x)) return TestoNonFinito(x);
    Decimale d = DecimaleDi(x);
    ArrotondaCifre(d, n, Pareggio::AlPari);
    if (d.Cifre.empty()) return "0";
    std::string testo = d.Negativo ? "-" : "";
    testo += ParteIntera(d);
    const int cifre = static_cast<int>(d.Cifre.size());
    if (cifre > d.Punto) {
        testo.push_back('.');
        for (int i = d.Punto; i < cifre; ++i) testo.push_back(CifraAlPosto(d, i));
    }
    return testo;
}
