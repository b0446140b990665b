#include "model/NumeroSemplice.h"

#include <charconv>

namespace {

template <typename T>
std::string ConSegno(T x) {
    char testo[32];
    const auto fine = std::to_chars(testo, testo + sizeof testo, x).ptr;
    std::string r = x < 0 ? "" : " ";
    r.append(testo, fine);
    return r;
}

}  // namespace

std::string NumeroSemplice(float x) { return ConSegno(x); }

std::string NumeroSemplice(int x) { return ConSegno(x); }
