#include "model/Codifica.h"

#include <cstdint>

namespace {

// Code points of bytes 0x80-0x9F; the rest of the upper half equals Latin-1.
constexpr std::uint16_t kAltaMeta[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AggiungiUtf8(std::string& uscita, std::uint32_t cp) {
    if (cp < 0x80) {
        uscita += static_cast<char>(cp);
    } else if (cp < 0x800) {
        uscita += static_cast<char>(0xC0 | (cp >> 6));
        uscita += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        uscita += static_cast<char>(0xE0 | (cp >> 12));
        uscita += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        uscita += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ByteCp1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAltaMeta[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Cp1252AUtf8(const std::string& testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (unsigned char c : testo) {
        if (c < 0x80)
            uscita += static_cast<char>(c);
        else if (c < 0xA0)
            AggiungiUtf8(uscita, kAltaMeta[c - 0x80]);
        else
            AggiungiUtf8(uscita, c);
    }
    return uscita;
}

std::string Utf8ACp1252(const std::string& testo) {
    std::string uscita;
    uscita.reserve(testo.size());
    for (size_t i = 0; i < testo.size();) {
        const unsigned char c = static_cast<unsigned char>(testo[i]);
        std::uint32_t cp = 0;
        int seguito = 0;
        if (c < 0x80) { cp = c; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; seguito = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; seguito = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; seguito = 3; }
        else { uscita += '?'; ++i; continue; }  // stray continuation byte
        bool valido = i + seguito < testo.size();
        for (int k = 1; valido && k <= seguito; ++k) {
            const unsigned char s = static_cast<unsigned char>(testo[i + k]);
            if ((s & 0xC0) != 0x80) valido = false;
            else cp = (cp << 6) | (s & 0x3F);
        }
        if (!valido) { uscita += '?'; ++i; continue; }
        uscita += ByteCp1252(cp);
        i += seguito + 1;
    }
    return uscita;
}

// No early exit: a plain OR over every byte runs several bytes a step, and
// the texts asked about are ASCII nearly always.
bool SoloAscii(std::string_view testo) {
    unsigned char tutti = 0;
    for (const char c : testo) tutti |= static_cast<unsigned char>(c);
    return tutti < 0x80;
}

bool LeggiRiga(std::istream& ingresso, std::string& riga) {
    if (!std::getline(ingresso, riga)) return false;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    return true;
}
