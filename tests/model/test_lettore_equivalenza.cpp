// The sequential reader reads every file as it did when it kept a string for
// each line: the same items, bit for bit, the same errors at the same lines.

#include "model/LettoreSequenziale.h"

#include "Fixture.h"
#include "LettoreRiferimento.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace {

// One read per letter: n number, r float, i 16-bit, I 32-bit, t text,
// c comment, l line.
constexpr std::string_view Letture = "nriItcl";

// What one read gives, and the state of the reader after it.
struct StatoDopo {
    std::string valore;
    bool inErrore = false;
    std::string motivo;
    int riga = 0;
    bool fineFile = false;
    bool operator==(const StatoDopo&) const = default;
};

// Numbers by their bits, so that even a -0 or a last-bit difference shows.
template <typename Lettore>
std::string Leggi(Lettore& l, char lettura) {
    switch (lettura) {
    case 'n': return "n" + std::to_string(std::bit_cast<std::uint64_t>(l.LeggiNumero()));
    case 'r': return "r" + std::to_string(std::bit_cast<std::uint32_t>(l.LeggiReale()));
    case 'i': return "i" + std::to_string(l.LeggiIntero16());
    case 'I': return "I" + std::to_string(l.LeggiIntero32());
    case 't': return "t" + l.LeggiTesto();
    case 'c': return "c" + l.LeggiCommento();
    default: return "l" + l.LeggiRiga();
    }
}

template <typename Lettore>
StatoDopo Passo(Lettore& l, char lettura) {
    StatoDopo e;
    e.valore = Leggi(l, lettura);
    e.inErrore = l.InErrore();
    e.motivo = l.MotivoErrore();
    e.riga = l.NumeroRiga();
    e.fineFile = l.FineFile();
    return e;
}

// Runs the reads on both readers; the first read where they part, if any.
testing::AssertionResult LettiComeIlRiferimento(const std::string& contenuto,
                                                std::string_view letture) {
    LettoreSequenziale nuovo(contenuto);
    LettoreRiferimento riferimento(contenuto);
    if (nuovo.NumeroRiga() != riferimento.NumeroRiga() ||
        nuovo.FineFile() != riferimento.FineFile())
        return testing::AssertionFailure() << "prima di leggere";
    for (std::size_t k = 0; k < letture.size(); ++k) {
        const StatoDopo a = Passo(nuovo, letture[k]);
        const StatoDopo b = Passo(riferimento, letture[k]);
        if (a != b)
            return testing::AssertionFailure()
                   << "lettura " << k << " '" << letture[k] << "': [" << a.valore << "|"
                   << a.motivo << "|riga " << a.riga << "] invece di [" << b.valore << "|"
                   << b.motivo << "|riga " << b.riga << "]";
    }
    return testing::AssertionSuccess();
}

struct CasoLettura {
    const char* nome;
    std::string_view contenuto;
    std::string_view letture;
};

void PrintTo(const CasoLettura& caso, std::ostream* os) { *os << caso.nome; }

class LetturaComePrima : public testing::TestWithParam<CasoLettura> {};

TEST_P(LetturaComePrima, OgniLetturaComeIlRiferimento) {
    const CasoLettura& caso = GetParam();
    EXPECT_TRUE(LettiComeIlRiferimento(std::string(caso.contenuto), caso.letture));
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Lettore, LetturaComePrima,
    testing::Values(
        CasoLettura{.nome = "CrLfELf", .contenuto = "1 2\r\n3\n4\r\n", .letture = "iiiil"},
        CasoLettura{.nome = "UltimaRigaSenzaFine", .contenuto = "1\r\nultima", .letture = "ill"},
        CasoLettura{.nome = "CrIsolatoNonChiudeLaRiga", .contenuto = "1\r2\n3\n",
                    .letture = "rrrl"},
        CasoLettura{.nome = "DueCrSoloUnoTolto", .contenuto = "testo\r\r\nfine\n",
                    .letture = "lll"},
        CasoLettura{.nome = "CrFinaleSenzaLf", .contenuto = "7\r", .letture = "ii"},
        CasoLettura{.nome = "SoloRigheVuote", .contenuto = "\n\r\n\n", .letture = "l"},
        CasoLettura{.nome = "FileVuoto", .contenuto = "", .letture = "nl"},
        CasoLettura{.nome = "RigaVuotaInfine", .contenuto = "1\n\n", .letture = "ilcl"},
        CasoLettura{.nome = "Cp1252InUnaRigaSola", .contenuto = "5\r\n\xD8 12, \x80 \x81\r\n6\r\n",
                    .letture = "ittti"},
        CasoLettura{.nome = "SoloIlPrimoByteAlto", .contenuto = "\x80\n", .letture = "l"},
        CasoLettura{.nome = "Cp1252NelNumero", .contenuto = "1\n2\n12\xB0\n", .letture = "iir"},
        CasoLettura{.nome = "Cp1252NellaRigaIntera", .contenuto = "\x93quota\x94 \xE0\n9\n",
                    .letture = "li"},
        CasoLettura{.nome = "VirgolettaSenzaChiusura", .contenuto = "\"C:\\a,b  \n3\n",
                    .letture = "ti"},
        CasoLettura{.nome = "VirgoletteEVirgola", .contenuto = " \"a, b\"  , c ,\n\"\"\n",
                    .letture = "tttl"},
        CasoLettura{.nome = "TestoConSpaziInCoda", .contenuto = "  a b \t ,b\t\n",
                    .letture = "ttc"},
        CasoLettura{.nome = "CommentoDopoIValori", .contenuto = "1 2 Commento, altro\n3\n",
                    .letture = "iicti"},
        CasoLettura{.nome = "VirgolaSenzaValore", .contenuto = "1\n2\n,3\n", .letture = "iiii"},
        CasoLettura{.nome = "NumeroNonValido", .contenuto = "1\n2\nabc 3\n", .letture = "iirr"},
        CasoLettura{.nome = "PiuSegnoMeno", .contenuto = "+-1 +2 -+3", .letture = "nnn"},
        CasoLettura{.nome = "FuoriDalFloat", .contenuto = "3.5e38 1e-46 -0", .letture = "rrr"},
        CasoLettura{.nome = "NonFiniti", .contenuto = "inf", .letture = "n"},
        CasoLettura{.nome = "InteroFuoriIntervallo", .contenuto = "32767.4 32767.5",
                    .letture = "ii"},
        CasoLettura{.nome = "Intero32AlLimite", .contenuto = "-2147483648.5 2147483647.6",
                    .letture = "II"},
        CasoLettura{.nome = "TabulazioniESpazi", .contenuto = "\t1\t,\t2 ,\n\t\t\n 3",
                    .letture = "iiic"},
        CasoLettura{.nome = "RigaDopoIValoriConsumati", .contenuto = "1 2\nriga, intera\n",
                    .letture = "iill"},
        CasoLettura{.nome = "RigaARestoDellaRiga", .contenuto = "1 resto, della riga\n",
                    .letture = "il"},
        CasoLettura{.nome = "ByteNulloInRiga", .contenuto = "1\0002\n3\n"sv, .letture = "iil"},
        CasoLettura{.nome = "FineInattesaContaLeRighe", .contenuto = "1\n\n\n", .letture = "ii"}),
    [](const testing::TestParamInfo<CasoLettura>& info) { return std::string(info.param.nome); });

// Texts built from the bytes that matter to the layout (blanks, commas,
// quotes, both line ends, signs, digits, Windows-1252 bytes), read by random
// sequences of reads.
TEST(LettoreEquivalenza, TestiCasualiLettiComeIlRiferimento) {
    constexpr std::string_view Pezzi[] = {
        " ",   "\t",  ",",    "\"",   "\r\n", "\n",    "\r",   "0",    "7",     "12.5",
        "-3",  "+4",  "1e3",  ".5",   "-0",   "abc",   "\xD8", "\x80", "\x9D",  "\xFF",
        "e",   "-",   "+",    "1e40", "nan",  "32768", "-1.5", "2.5",  "0x10",  "  ",
    };
    std::mt19937 generatore(7);
    int diversi = 0;
    for (int prova = 0; prova < 100'000 && diversi < 10; ++prova) {
        std::string contenuto;
        const int pezzi = static_cast<int>(generatore() % 40);
        for (int k = 0; k < pezzi; ++k) contenuto += Pezzi[generatore() % std::size(Pezzi)];
        std::string letture;
        const int quante = 1 + static_cast<int>(generatore() % 16);
        for (int k = 0; k < quante; ++k) letture += Letture[generatore() % Letture.size()];
        const testing::AssertionResult esito = LettiComeIlRiferimento(contenuto, letture);
        if (!esito) {
            ++diversi;
            ADD_FAILURE() << testing::PrintToString(contenuto) << " letture " << letture << ": "
                          << esito.message();
        }
    }
}

// A file on disk gives what its bytes give: one read of the whole file.
TEST(LettoreEquivalenza, FileApertoComeIlSuoContenuto) {
    CartellaTemporanea cartella;
    std::string contenuto = "VERSIONE 7\r\n\xD8 12\r\n";
    for (int i = 0; i < 5000; ++i) contenuto += std::to_string(i) + ".125, testo\r\n";
    contenuto += "fine";
    std::optional<LettoreSequenziale> file =
        LettoreSequenziale::Apri(cartella.Scrivi("GRANDE.ARS", contenuto));
    ASSERT_TRUE(file.has_value());
    LettoreRiferimento riferimento(contenuto);
    EXPECT_EQ(file->LeggiRiga(), riferimento.LeggiRiga());
    EXPECT_EQ(file->LeggiRiga(), riferimento.LeggiRiga());
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(std::bit_cast<std::uint32_t>(file->LeggiReale()),
                  std::bit_cast<std::uint32_t>(riferimento.LeggiReale()));
        ASSERT_EQ(file->LeggiCommento(), riferimento.LeggiCommento());
    }
    EXPECT_EQ(file->LeggiRiga(), "fine");
    EXPECT_TRUE(file->FineFile());
    EXPECT_FALSE(file->InErrore());
}

// The lines are kept by their place in the text, so a reader moved out of
// the optional that opened it (the text's buffer moving with it) still reads.
TEST(LettoreEquivalenza, LettoreSpostatoLeggeAncora) {
    LettoreSequenziale corto("1 2\n");
    LettoreSequenziale spostato = std::move(corto);
    EXPECT_EQ(spostato.LeggiIntero16(), 1);
    EXPECT_EQ(spostato.LeggiIntero16(), 2);
    EXPECT_FALSE(spostato.InErrore());
}

}  // namespace
