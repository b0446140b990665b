#include "model/LettoreSequenziale.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

TEST(LettoreSequenziale, ValuesAreSeparatedByBlanksOrCommasThenACommentFollows) {
    LettoreSequenziale l("1 0 Parete e tipo\r\n 12.5 ,-3, Vertice, altro\n");
    EXPECT_EQ(l.LeggiIntero16(), 1);
    EXPECT_EQ(l.LeggiIntero16(), 0);
    EXPECT_EQ(l.LeggiCommento(), "Parete e tipo");
    EXPECT_FLOAT_EQ(l.LeggiReale(), 12.5f);
    EXPECT_FLOAT_EQ(l.LeggiReale(), -3.0f);
    // A comment item ends at a comma; what follows is the next item.
    EXPECT_EQ(l.LeggiCommento(), "Vertice");
    EXPECT_EQ(l.LeggiTesto(), "altro");
    EXPECT_TRUE(l.FineFile());
}

TEST(LettoreSequenziale, ALineWithoutCommentDoesNotSwallowTheNextLine) {
    LettoreSequenziale l("30 3\n90 20 10 12 Direzione 1\n");
    EXPECT_FLOAT_EQ(l.LeggiReale(), 30.0f);
    EXPECT_FLOAT_EQ(l.LeggiReale(), 3.0f);
    EXPECT_EQ(l.LeggiCommento(), "");
    EXPECT_FLOAT_EQ(l.LeggiReale(), 90.0f);
    EXPECT_EQ(l.NumeroRiga(), 2);
}

TEST(LettoreSequenziale, NumbersRunAcrossLinesAndBlankLines) {
    LettoreSequenziale l("1\n\n   \n2,\n3");
    EXPECT_EQ(l.LeggiIntero16(), 1);
    EXPECT_EQ(l.LeggiIntero16(), 2);
    EXPECT_EQ(l.LeggiIntero16(), 3);
    EXPECT_TRUE(l.FineFile());
}

TEST(LettoreSequenziale, AWholeLineFollowsTheLineTheItemsUsedUp) {
    LettoreSequenziale l("VERSIONE  7\r\n-1 \r\nquota 1,5 m\r\n\r\nfine");
    EXPECT_EQ(l.LeggiRiga(), "VERSIONE  7");
    EXPECT_EQ(l.LeggiIntero16(), -1);
    EXPECT_EQ(l.LeggiRiga(), "quota 1,5 m");
    EXPECT_EQ(l.LeggiRiga(), "");
    EXPECT_EQ(l.LeggiRiga(), "fine");
    EXPECT_FALSE(l.InErrore());
    EXPECT_EQ(l.LeggiRiga(), "");
    EXPECT_TRUE(l.InErrore());
}

TEST(LettoreSequenziale, QuotedTextKeepsItsCommas) {
    LettoreSequenziale l("\"C:\\Lavori\\P1,bis.SET\" , 4\n");
    EXPECT_EQ(l.LeggiTesto(), "C:\\Lavori\\P1,bis.SET");
    EXPECT_EQ(l.LeggiIntero16(), 4);
}

TEST(LettoreSequenziale, TextComesOutAsUtf8) {
    LettoreSequenziale l("\xD8 12 barre\n");
    EXPECT_EQ(l.LeggiRiga(), "\xC3\x98 12 barre");
}

// The mark of an editor that saved UTF-8 is no part of the first item.
TEST(LettoreSequenziale, AFileSavedAsUtf8WithTheMarkReadsAsOurs) {
    LettoreSequenziale l("\xEF\xBB\xBF" "VERSIONE 1\r\n\xC3\x98 12 barre\r\n7 fine\r\n");
    EXPECT_EQ(VersioneDaRiga(l.LeggiRiga()), 1.0);
    EXPECT_EQ(l.LeggiRiga(), "\xC3\x98 12 barre");
    EXPECT_EQ(l.LeggiIntero16(), 7);
    EXPECT_FALSE(l.InErrore());
}

TEST(LettoreSequenziale, AFileThatCannotBeReadAsIntendedStartsInError) {
    LettoreSequenziale l("\xEF\xBB\xBF" "7 fine\r\nfreccia \xE2\x86\x92\r\n");
    EXPECT_TRUE(l.InErrore());
    EXPECT_EQ(l.MotivoErrore(), "Riga 2: il carattere \"\xE2\x86\x92\" non si può conservare nei "
                                "file del programma (codifica Windows-1252).");
    EXPECT_EQ(l.LeggiIntero16(), 0);
    EXPECT_EQ(l.LeggiRiga(), "");
    EXPECT_TRUE(l.FineFile());
}

TEST(LettoreSequenziale, IntegerFieldsRoundHalvesToEvenAndKeepTo16Bits) {
    LettoreSequenziale l("2.5 3.5 -32768 32767 40000");
    EXPECT_EQ(l.LeggiIntero16(), 2);
    EXPECT_EQ(l.LeggiIntero16(), 4);
    EXPECT_EQ(l.LeggiIntero16(), -32768);
    EXPECT_EQ(l.LeggiIntero16(), 32767);
    EXPECT_FALSE(l.InErrore());
    EXPECT_EQ(l.LeggiIntero16(), 0);
    EXPECT_TRUE(l.InErrore());
}

TEST(LettoreSequenziale, ThirtyTwoBitIntegers) {
    LettoreSequenziale l("100001 -2147483648 2147483648");
    EXPECT_EQ(l.LeggiIntero32(), 100001);
    EXPECT_EQ(l.LeggiIntero32(), -2147483647 - 1);
    EXPECT_EQ(l.LeggiIntero32(), 0);
    EXPECT_TRUE(l.InErrore());
}

TEST(LettoreSequenziale, BadItemsAreReportedWithTheirLine) {
    struct Caso {
        const char* testo;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"1\n2\nabc 3\n", "Riga 3: \"abc\" non è un numero valido."},
        {"1\n2\n,3\n", "Riga 3: manca un valore numerico."},
        {"1\n2\n12abc\n", "Riga 3: \"12abc\" non è un numero valido."},
        {"1\n2\n1e99\n", "Riga 3: \"1e99\" non è un numero valido."},
        {"1\n2\nnan\n", "Riga 3: \"nan\" non è un numero valido."},
        {"1\n2\n", "Il file termina prima del previsto (dopo la riga 2)."},
    };
    for (const Caso& caso : casi) {
        LettoreSequenziale l(caso.testo);
        l.LeggiIntero16();
        l.LeggiIntero16();
        EXPECT_FALSE(l.InErrore()) << caso.testo;
        EXPECT_EQ(l.LeggiReale(), 0.0f) << caso.testo;
        EXPECT_EQ(l.MotivoErrore(), caso.messaggio) << caso.testo;
    }
}

TEST(LettoreSequenziale, AfterAnErrorEveryReadIsEmptyAndTheFirstReasonStays) {
    LettoreSequenziale l("abc 5 testo\r\n7 fine\r\n");
    EXPECT_EQ(l.LeggiIntero16(), 0);
    const std::string motivo = "Riga 1: \"abc\" non è un numero valido.";
    EXPECT_EQ(l.MotivoErrore(), motivo);
    // Nothing after the fault is read: a count read now ends its loop at once.
    EXPECT_EQ(l.LeggiIntero16(), 0);
    EXPECT_EQ(l.LeggiTesto(), "");
    EXPECT_EQ(l.LeggiCommento(), "");
    EXPECT_EQ(l.LeggiRiga(), "");
    EXPECT_EQ(l.LeggiNumero(), 0.0);
    EXPECT_TRUE(l.FineFile());
    l.SegnalaErrore("altro");
    EXPECT_EQ(l.MotivoErrore(), motivo);
}

TEST(LettoreSequenziale, ThePointIsTheDecimalSeparatorWhateverTheLocale) {
    struct Virgola : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale prima = std::locale::global(std::locale(std::locale::classic(), new Virgola));
    std::setlocale(LC_ALL, "it_IT.UTF-8");
    LettoreSequenziale l("1250.75 2,5");
    const float x = l.LeggiReale();
    const float y = l.LeggiReale();
    std::locale::global(prima);
    std::setlocale(LC_ALL, "C");
    EXPECT_FLOAT_EQ(x, 1250.75f);
    EXPECT_FLOAT_EQ(y, 2.0f);
}

TEST(LettoreSequenziale, OpensFilesAndRefusesFolders) {
    CartellaTemporanea cartella;
    const std::string file = cartella.Scrivi("A.TXT", "7 prova\r\n");
    auto l = LettoreSequenziale::Apri(file);
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(l->LeggiIntero16(), 7);
    EXPECT_FALSE(LettoreSequenziale::Apri(cartella.Percorso().string()).has_value());
    EXPECT_FALSE(LettoreSequenziale::Apri((cartella.Percorso() / "MANCA.TXT").string()).has_value());
}

TEST(VersioneDaRiga, VersionLineInAnyLetterCase) {
    // The number is taken as it stands, never rounded.
    const std::pair<const char*, double> casi[] = {
        {"VERSIONE  7", 7},    {"versione 1", 1},         {"  Versione2  ", 2},
        {"VERSIONE", 0},       {"VERSIONE 1.5", 1.5},     {"VERSIONE 1.4", 1.4},
        {"VERSIONE 1,5", 1},   {"VERSIONE 99999", 99999}, {"VERSION 1", -1},
        {"", -1},              {"CALDENO", -1},
    };
    for (const auto& [riga, versione] : casi) EXPECT_EQ(VersioneDaRiga(riga), versione) << riga;
}
