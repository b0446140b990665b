#include "model/Codifica.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

TEST(Codifica, DiameterSignIsOneByteOnDisk) {
    EXPECT_EQ(Utf8ACp1252("\xC3\x98" "12"), std::string("\xD8" "12"));
    EXPECT_EQ(Cp1252AUtf8("\xD8" "12"), std::string("\xC3\x98" "12"));
}

TEST(Codifica, RoundTripOfEveryByte) {
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti += static_cast<char>(b);
    EXPECT_EQ(Utf8ACp1252(Cp1252AUtf8(tutti)), tutti);
}

TEST(Codifica, ItalianTextAndEuro) {
    EXPECT_EQ(Utf8ACp1252("più €"), std::string("pi\xF9 \x80"));
    EXPECT_EQ(Cp1252AUtf8("pi\xF9 \x80"), "più €");
}

TEST(Codifica, UnmappableAndBrokenSequencesBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ACp1252("\xE2\x88\x9E"), "?");   // infinity sign: not in the code page
    EXPECT_EQ(Utf8ACp1252("a\xC3"), "a?");          // truncated sequence
    EXPECT_EQ(Utf8ACp1252("\x98x"), "?x");          // stray continuation byte
}

TEST(Codifica, LinesEndInCrLfOrLf) {
    std::istringstream ingresso("uno\r\ndue\ntre");
    std::string riga;
    std::vector<std::string> righe;
    while (LeggiRiga(ingresso, riga)) righe.push_back(riga);
    EXPECT_EQ(righe, (std::vector<std::string>{"uno", "due", "tre"}));
}

TEST(Codifica, OverlongAndSurrogateFormsAreNoCharacters) {
    EXPECT_EQ(Utf8ACp1252("\xC0\xAF"), "??");          // '/' in two bytes
    EXPECT_EQ(Utf8ACp1252("\xED\xA0\x80"), "???");      // a UTF-16 surrogate
    EXPECT_EQ(Utf8ACp1252("\xF4\x90\x80\x80"), "????");  // beyond Unicode
}

namespace {

struct CasoContenuto {
    const char* nome;
    std::string contenuto;  // the bytes of the file on disk
    std::string byte;       // as our files hold them
    std::string errore;     // the reason of a refusal; empty when read
};

void PrintTo(const CasoContenuto& c, std::ostream* os) { *os << c.nome; }

const std::string NonConservato =
    " non si può conservare nei file del programma (codifica Windows-1252).";
const std::string NonUtf8 = "il file inizia con il segno UTF-8 ma il suo testo non è UTF-8 valido.";
const std::string InUtf16 = "Il file è salvato in Unicode (UTF-16), che il programma non legge: va "
                            "salvato come testo ANSI (Windows-1252) o UTF-8.";

class ContenutoFileSuDisco : public testing::TestWithParam<CasoContenuto> {};

TEST_P(ContenutoFileSuDisco, InWindows1252SenzaSegnoORifiutato) {
    const CasoContenuto& caso = GetParam();
    const ContenutoFile letto = ContenutoInCp1252(caso.contenuto);
    EXPECT_EQ(letto.Byte, caso.byte);
    EXPECT_EQ(letto.Errore.value_or(""), caso.errore);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ContenutoFileSuDisco,
    testing::Values(
        CasoContenuto{.nome = "NostroFileIntatto",
                      .contenuto = "VERSIONE 1\r\n\xD8" "12 pi\xF9 \x80\r\n",
                      .byte = "VERSIONE 1\r\n\xD8" "12 pi\xF9 \x80\r\n",
                      .errore = ""},
        CasoContenuto{.nome = "FileVuoto", .contenuto = "", .byte = "", .errore = ""},
        CasoContenuto{.nome = "SegnoEAscii",
                      .contenuto = "\xEF\xBB\xBFVERSIONE 1\r\n",
                      .byte = "VERSIONE 1\r\n",
                      .errore = ""},
        CasoContenuto{.nome = "SoloIlSegno", .contenuto = "\xEF\xBB\xBF", .byte = "", .errore = ""},
        CasoContenuto{.nome = "SegnoETestoItaliano",
                      .contenuto = "\xEF\xBB\xBFVERSIONE 1\r\n"
                                   "\xC3\x98" "12 pi\xC3\xB9 \xE2\x82\xAC\r\n",
                      .byte = "VERSIONE 1\r\n\xD8" "12 pi\xF9 \x80\r\n",
                      .errore = ""},
        // The undefined bytes of the code page come back as they went.
        CasoContenuto{.nome = "SegnoEControlloC1",
                      .contenuto = "\xEF\xBB\xBF\xC2\x81",
                      .byte = "\x81",
                      .errore = ""},
        // Only at the start is it a mark: elsewhere it is a character the code page lacks.
        CasoContenuto{.nome = "SegnoNelTesto",
                      .contenuto = "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF",
                      .byte = "",
                      .errore = "Riga 2: il carattere \"\xEF\xBB\xBF\"" + NonConservato},
        CasoContenuto{.nome = "CarattereFuoriDaWindows1252",
                      .contenuto = "\xEF\xBB\xBFuno\r\ndue\r\nfreccia \xE2\x86\x92\r\n",
                      .byte = "",
                      .errore = "Riga 3: il carattere \"\xE2\x86\x92\"" + NonConservato},
        // A Windows-1252 file with a mark in front is no UTF-8.
        CasoContenuto{.nome = "SegnoSuTestoWindows1252",
                      .contenuto = "\xEF\xBB\xBFuno\r\npi\xF9\r\n",
                      .byte = "",
                      .errore = "Riga 2: " + NonUtf8},
        CasoContenuto{.nome = "SequenzaTroncataAllaFine",
                      .contenuto = "\xEF\xBB\xBFuno\xC3",
                      .byte = "",
                      .errore = "Riga 1: " + NonUtf8},
        CasoContenuto{.nome = "Utf16LittleEndian",
                      .contenuto = std::string("\xFF\xFE" "1\0", 4),
                      .byte = "",
                      .errore = InUtf16},
        CasoContenuto{.nome = "Utf16BigEndian",
                      .contenuto = std::string("\xFE\xFF\0" "1", 4),
                      .byte = "",
                      .errore = InUtf16}),
    [](const testing::TestParamInfo<CasoContenuto>& info) { return info.param.nome; });

}  // namespace

TEST(Codifica, LoStreamSaltaIlSegnoSoloInTesta) {
    const auto primaRiga = [](const std::string& testo) {
        std::istringstream ingresso(testo);
        SaltaSegnoUtf8(ingresso);
        std::string riga;
        return LeggiRiga(ingresso, riga) ? riga : std::string("(nessuna riga)");
    };
    EXPECT_EQ(primaRiga("\xEF\xBB\xBF[Sezione]\r\nchiave=1\r\n"), "[Sezione]");
    EXPECT_EQ(primaRiga("[Sezione]\r\n"), "[Sezione]");
    EXPECT_EQ(primaRiga("\xEF\xBB"), "\xEF\xBB");  // shorter than a mark: it all stays
    EXPECT_EQ(primaRiga(""), "(nessuna riga)");
}
