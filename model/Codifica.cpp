#include "model/Codifica.h"

#include <algorithm>
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

// Nothing for a character the code page lacks.
std::optional<char> ByteCp1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAltaMeta[i] == cp) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// The code point of the well-formed UTF-8 sequence at testo[i], with i moved
// past it; nothing, with i moved past one byte, where none starts there.
std::optional<std::uint32_t> CodiceUtf8(std::string_view testo, std::size_t& i) {
    const unsigned char c = static_cast<unsigned char>(testo[i]);
    std::uint32_t cp = 0;
    std::uint32_t minimo = 0;
    std::size_t seguito = 0;
    if (c < 0x80) {
        ++i;
        return c;
    }
    if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; seguito = 1; minimo = 0x80; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; seguito = 2; minimo = 0x800; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; seguito = 3; minimo = 0x10000; }
    bool valido = seguito > 0 && i + seguito < testo.size();
    for (std::size_t k = 1; valido && k <= seguito; ++k) {
        const unsigned char s = static_cast<unsigned char>(testo[i + k]);
        valido = (s & 0xC0) == 0x80;
        cp = (cp << 6) | (s & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no characters.
    if (!valido || cp < minimo || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++i;
        return std::nullopt;
    }
    i += seguito + 1;
    return cp;
}

int RigaDelByte(std::string_view testo, std::size_t posizione) {
    return 1 + static_cast<int>(std::count(testo.begin(), testo.begin() + posizione, '\n'));
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
    for (std::size_t i = 0; i < testo.size();) {
        const std::optional<std::uint32_t> cp = CodiceUtf8(testo, i);
        uscita += cp ? ByteCp1252(*cp).value_or('?') : '?';
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

ContenutoFile ContenutoInCp1252(std::string contenuto) {
    const std::string_view testo(contenuto);
    if (testo.starts_with("\xFF\xFE") || testo.starts_with("\xFE\xFF"))
        return {{}, "Il file è salvato in Unicode (UTF-16), che il programma non legge: va "
                    "salvato come testo ANSI (Windows-1252) o UTF-8."};
    if (!testo.starts_with(SegnoUtf8)) return {std::move(contenuto), std::nullopt};
    const std::string_view utf8 = testo.substr(SegnoUtf8.size());
    std::string byte;
    byte.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t inizio = i;
        const std::optional<std::uint32_t> cp = CodiceUtf8(utf8, i);
        const std::optional<char> b = cp ? ByteCp1252(*cp) : std::nullopt;
        if (b) {
            byte += *b;
            continue;
        }
        const std::string riga = "Riga " + std::to_string(RigaDelByte(utf8, inizio)) + ": ";
        if (!cp)
            return {{}, riga + "il file inizia con il segno UTF-8 ma il suo testo non è UTF-8 "
                               "valido."};
        return {{}, riga + "il carattere \"" + std::string(utf8.substr(inizio, i - inizio)) +
                        "\" non si può conservare nei file del programma (codifica "
                        "Windows-1252)."};
    }
    return {std::move(byte), std::nullopt};
}

void SaltaSegnoUtf8(std::istream& ingresso) {
    const std::istream::pos_type inizio = ingresso.tellg();
    char segno[3] = {};
    ingresso.read(segno, sizeof segno);
    if (ingresso.gcount() == sizeof segno && std::string_view(segno, sizeof segno) == SegnoUtf8)
        return;
    ingresso.clear();
    ingresso.seekg(inizio);
}

bool LeggiRiga(std::istream& ingresso, std::string& riga) {
    if (!std::getline(ingresso, riga)) return false;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    return true;
}
