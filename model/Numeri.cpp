#include "model/Numeri.h"

#include "model/Angoli.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace {

// A number as decimal digits: value = 0.Cifre x 10^Punto, sign apart.
// Formatting rounds these digits, the shortest that read back as the same
// float, so 2.675 prints as typed and not as its binary 2.67499995...
// A float's shortest text has at most nine digits, and a rounding that
// carries a digit in front has dropped one first: the digits fit an array.
struct Decimale {
    bool Negativo = false;
    std::array<char, 9> Cifre{};  // no leading or trailing zeros
    int NumCifre = 0;             // 0 for zero
    int Punto = 0;                // digits before the decimal point
};

void TogliZeriFinali(Decimale& d) {
    while (d.NumCifre > 0 && d.Cifre[d.NumCifre - 1] == '0') --d.NumCifre;
    if (d.NumCifre == 0) d = Decimale{};
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
        if (*c != '.') d.Cifre[d.NumCifre++] = *c;
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
    if (tenute >= d.NumCifre) return;
    if (tenute < 0) {
        d = Decimale{};
        return;
    }
    const char* cifre = d.Cifre.data();
    const char primaTolta = cifre[tenute];
    const bool restoNonNullo =
        std::any_of(cifre + tenute + 1, cifre + d.NumCifre, [](char c) { return c != '0'; });
    const bool ultimaDispari = tenute > 0 && (cifre[tenute - 1] - '0') % 2 == 1;
    bool suPiu = primaTolta > '5' || (primaTolta == '5' && restoNonNullo);
    if (primaTolta == '5' && !restoNonNullo)
        suPiu = pareggio == Pareggio::LontanoDaZero || ultimaDispari;
    d.NumCifre = tenute;
    if (suPiu) {
        int i = tenute - 1;
        for (; i >= 0 && d.Cifre[i] == '9'; --i) d.Cifre[i] = '0';
        if (i >= 0) {
            ++d.Cifre[i];
        } else {
            std::copy_backward(d.Cifre.begin(), d.Cifre.begin() + d.NumCifre,
                               d.Cifre.begin() + d.NumCifre + 1);
            d.Cifre[0] = '1';
            ++d.NumCifre;
            ++d.Punto;
        }
    }
    TogliZeriFinali(d);
}

// Digit i of Cifre, with the zeros beyond either end (leading zeros after the
// point below 0, trailing zeros past the last digit).
char CifraAlPosto(const Decimale& d, int indice) {
    return indice >= 0 && indice < d.NumCifre ? d.Cifre[indice] : '0';
}

// Appends the digits before the point, none when there are none.
void AggiungiParteIntera(std::string& testo, const Decimale& d) {
    for (int i = 0; i < d.Punto; ++i) testo.push_back(CifraAlPosto(d, i));
}

// FormatoDec rounds the shortest text of x, which lies within half a unit of
// x's last binary place from x: |x| 2^-24 at most, 2^-150 for a subnormal.
// Where x's own value, scaled by 10^n, lies farther than that (2^-22 of it,
// plus 2^-60 for subnormals) and than the error of the product in double
// from every half of a unit, both round to the same integer k: the text is
// k's digits, without the shortest text. Elsewhere (ties, values close to
// one, huge values, more decimals than the float holds) no value.
std::optional<std::string> FormatoDecDiretto(float x, int n) {
    constexpr std::array<double, 10> Potenze = {1e0, 1e1, 1e2, 1e3, 1e4,
                                                1e5, 1e6, 1e7, 1e8, 1e9};
    if (n >= static_cast<int>(Potenze.size())) return std::nullopt;
    const double modulo = std::fabs(static_cast<double>(x) * Potenze[n]);
    if (!(modulo < 0x1p52)) return std::nullopt;  // then modulo + 0.5 is exact
    const double dalMezzo = std::fabs(modulo - std::floor(modulo) - 0.5);
    if (!(dalMezzo > modulo * 0x1p-22 + 0x1p-60)) return std::nullopt;
    const auto k = static_cast<std::uint64_t>(std::floor(modulo + 0.5));

    std::array<char, 24> cifre{};
    const char* fine = std::to_chars(cifre.data(), cifre.data() + cifre.size(), k).ptr;
    const int quante = static_cast<int>(fine - cifre.data());
    // A value that rounds to zero loses its sign, as in the exact path.
    std::string testo = x < 0.0f && k != 0 ? "-" : "";
    if (quante <= n) {
        testo += "0.";
        testo.append(n - quante, '0');
        testo.append(cifre.data(), quante);
    } else {
        testo.append(cifre.data(), quante - n);
        if (n > 0) {
            testo.push_back('.');
            testo.append(fine - n, n);
        }
    }
    return testo;
}

// Text of a non-finite value; formatting has nothing to round there.
std::string TestoNonFinito(float x) {
    std::array<char, 16> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), x).ptr;
    return std::string(testo.data(), fine);
}

bool Spaziatura(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// Increments of a half-step rounding for the hundredths 0, 1-25, 26-50, 51-74, 75-100.
using IncrementiMezzo = std::array<float, 5>;

float AlMezzo(float x, const IncrementiMezzo& incremento) {
    if (!std::isfinite(x)) return x;
    const float r = Arrotonda(x, 2);
    const float w = std::floor(r);
    const float r100 = r * 100.0f;
    // Kept in floating point: far from zero the float product drifts from
    // w x 100 by more than any int holds, and such a value has no hundredths.
    const double h = std::nearbyint(static_cast<double>(r100) - w * 100.0);
    int riga = -1;
    if (h == 0.0) riga = 0;
    else if (h >= 1.0 && h <= 25.0) riga = 1;
    else if (h >= 26.0 && h <= 50.0) riga = 2;
    else if (h >= 51.0 && h <= 74.0) riga = 3;
    else if (h >= 75.0 && h <= 100.0) riga = 4;
    return riga < 0 ? w : w + incremento[riga];
}

}  // namespace

float AreaBarra(int d) {
    const double raggio = d / 20.0;
    return static_cast<float>(raggio * raggio * PiGrecoAreaBarra);
}

float AreaAlMetro(int diametro, float passo) {
    if (!(passo > 0.0f)) return 0.0f;
    return static_cast<float>(static_cast<double>(AreaBarra(diametro)) * 100.0 / passo);
}

float Arrotonda(double x, int n) {
    const double scala = std::pow(10.0, n);
    const double modulo = std::floor(std::fabs(x) * scala + 0.444449) / scala;
    return static_cast<float>(x < 0 ? -modulo : modulo);
}

float ArrotondaMezzoSu(float x) { return AlMezzo(x, {0.0f, 0.5f, 0.5f, 1.0f, 1.0f}); }

float ArrotondaMezzoGiu(float x) { return AlMezzo(x, {0.0f, 0.0f, 0.0f, 0.5f, 0.5f}); }

float ArrotondaMezzo(float x) { return AlMezzo(x, {0.0f, 0.0f, 0.5f, 0.5f, 1.0f}); }

std::string FormatoDec(float x, int n) {
    if (!std::isfinite(x)) return TestoNonFinito(x);
    if (n < 0) n = 0;
    if (std::optional<std::string> diretto = FormatoDecDiretto(x, n)) return std::move(*diretto);
    Decimale d = DecimaleDi(x);
    ArrotondaCifre(d, n, Pareggio::LontanoDaZero);
    // A value that rounds to zero loses its sign: "-0.00" would only puzzle.
    std::string testo = d.Negativo ? "-" : "";
    if (d.Punto > 0)
        AggiungiParteIntera(testo, d);
    else
        testo.push_back('0');
    if (n > 0) {
        testo.push_back('.');
        for (int i = 0; i < n; ++i) testo.push_back(CifraAlPosto(d, d.Punto + i));
    }
    return testo;
}

float ValoreScritto(float x, int n) {
    const std::string testo = FormatoDec(x, n);
    float valore = x;  // a non-finite value has no other text to read back
    std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    return valore;
}

std::string FormatoMisura(float x) {
    const float frazione = x - std::floor(x);
    return FormatoDec(x, frazione >= 0.001f ? 1 : 0);
}

std::string ArrotondaStr(float x, int n) {
    if (!std::isfinite(x)) return TestoNonFinito(x);
    Decimale d = DecimaleDi(x);
    ArrotondaCifre(d, n, Pareggio::AlPari);
    if (d.NumCifre == 0) return "0";
    std::string testo = d.Negativo ? "-" : "";
    AggiungiParteIntera(testo, d);
    if (d.NumCifre > d.Punto) {
        testo.push_back('.');
        for (int i = d.Punto; i < d.NumCifre; ++i) testo.push_back(CifraAlPosto(d, i));
    }
    return testo;
}

std::string VirgolaInPunto(const std::string& s) {
    std::string testo = s;
    const auto virgola = testo.find(',');
    if (virgola != std::string::npos) testo[virgola] = '.';
    return testo;
}

float ValoreTesto(const std::string& s) {
    const std::string testo = VirgolaInPunto(s);
    const std::size_t fine = testo.size();
    std::size_t i = 0;
    const auto salta = [&] {
        while (i < fine && Spaziatura(testo[i])) ++i;
    };

    salta();
    bool negativo = false;
    if (i < fine && (testo[i] == '+' || testo[i] == '-')) negativo = testo[i++] == '-';

    // Significant digits, and the power of ten that scales them.
    std::string cifre;
    long long esponente = 0;
    bool puntoVisto = false;
    bool cifraVista = false;
    for (salta(); i < fine; ++i, salta()) {
        const char c = testo[i];
        if (Cifra(c)) {
            cifraVista = true;
            if (c != '0' || !cifre.empty()) cifre.push_back(c);
            if (puntoVisto) --esponente;
        } else if (c == '.' && !puntoVisto) {
            puntoVisto = true;
        } else {
            break;
        }
    }
    if (!cifraVista) return 0.0f;

    if (i < fine && (testo[i] == 'e' || testo[i] == 'E')) {
        ++i;
        salta();
        bool esponenteNegativo = false;
        if (i < fine && (testo[i] == '+' || testo[i] == '-')) esponenteNegativo = testo[i++] == '-';
        // Capped: far beyond any float, and free of overflow.
        long long scritto = 0;
        for (salta(); i < fine && Cifra(testo[i]); ++i, salta())
            scritto = std::min(scritto * 10 + (testo[i] - '0'), 1000000LL);
        esponente += esponenteNegativo ? -scritto : scritto;
    }
    if (cifre.empty()) return 0.0f;

    const std::string canonico = cifre + "e" + std::to_string(esponente);
    double valore = 0.0;
    const auto esito = std::from_chars(canonico.data(), canonico.data() + canonico.size(), valore);
    if (esito.ec == std::errc::result_out_of_range)
        valore = static_cast<long long>(cifre.size()) + esponente > 0
                     ? std::numeric_limits<double>::infinity()
                     : 0.0;
    // A number beyond the float range stays the largest float of its sign.
    constexpr double massimo = std::numeric_limits<float>::max();
    valore = std::min(valore, massimo);
    return static_cast<float>(negativo ? -valore : valore);
}
