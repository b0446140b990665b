#include "design/LeggiParete.h"
#include "design/SalvaParete.h"
#include "model/Codifica.h"
#include "model/FileArmature.h"
#include "model/FileIni.h"
#include "model/RecentiMemoria.h"
#include "model/SalvaPareteTesto.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// A text editor that saves UTF-8 puts a mark before the text: every file we
// read is read as the same file saved by us, in Windows-1252 without the
// mark, or refused with a message when it holds what our files cannot.

namespace fs = std::filesystem;

namespace {

// The file as an editor saving UTF-8 with the mark writes it.
std::string ConSegno(const std::string& cp1252) {
    return std::string(SegnoUtf8) + Cp1252AUtf8(cp1252);
}

// What a reader made of a file, told by the program's own writers (the
// design and the per-node block of the wall, the settings file, the memory
// file), and what it told: the messages shown, then a refusal's reason.
struct Letto {
    std::string scritto;
    std::vector<std::string> detto;
};
using Lettura = Letto (*)(const std::string& contenuto);

std::vector<std::string> Detto(const FinestraRegistrata& finestra, const Esito& esito) {
    std::vector<std::string> detto = finestra.Messaggi();
    if (!esito.Riuscito()) detto.push_back(esito.Motivo);
    return detto;
}

Letto PareteLetta(const std::string& contenuto) {
    CartellaTemporanea cartella;
    Sessione s;
    FinestraRegistrata finestra;
    const Esito esito = LeggiParete(s, cartella.Scrivi("P7.SET", contenuto), finestra);
    s.parete.DataFileSet.clear();  // the date the file was written in the test
    return {TestoArmature(s.parete) + TestoPareteSalvata("\r\n\r\nVERIFICA\r\n", s.parete),
            Detto(finestra, esito)};
}

// The reinforcement file beside a sound wall: a refused one is told by a message.
Letto ArmatureLette(const std::string& contenuto) {
    CartellaTemporanea cartella;
    const std::string parete =
        cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
    DataDelleFixture(parete);
    cartella.Scrivi("P5.ARS", contenuto);
    Sessione s;
    FinestraRegistrata finestra;
    const Esito esito = LeggiParete(s, parete, finestra);
    return {TestoArmature(s.parete), Detto(finestra, esito)};
}

// A file of the user profile folder.
template <typename Leggi, typename Scritto>
Letto DelProfilo(const char* nome, const std::string& contenuto, Leggi leggi, Scritto scritto) {
    CartellaTemporanea cartella;
    cartella.Scrivi(nome, contenuto);
    Sessione s;
    s.imp.CartellaUtente = cartella.Percorso().string();
    FinestraRegistrata finestra;
    const Esito esito = leggi(s, finestra);
    return {scritto(s), Detto(finestra, esito)};
}

Letto ImpostazioniLette(const std::string& contenuto) {
    return DelProfilo("Vorlex.ini", contenuto, LeggiIni,
                      [](const Sessione& s) { return TestoIni(s.imp, s.stato); });
}

Letto MemoriaLetta(const std::string& contenuto) {
    return DelProfilo("Gavrel.MEM", contenuto, CaricaMemoria,
                      [](const Sessione& s) { return TestoMemoria(s.recenti); });
}

// A wall file of version 1 with accented letters and a diameter sign in its
// texts, in the encoding of our files.
std::string PareteCp1252() {
    return Sostituisci(Sostituisci(Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET")),
                                   "CALDENO", "CALDENO \xD8" "12 pi\xF9"),
                       "25 3 Spessore copriferro", "25 3 Spessore e copriferro \xD8 pi\xF9 \x80");
}

std::string Armature7Cp1252() {
    return Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")),
                       "Quota, con virgole: 1,255 m", "Quota \xD8" "12, pi\xF9 \x80");
}

std::string ImpostazioniCp1252() {
    Sessione s;
    s.imp.NomiLayer[3] = "Armatura pi\xC3\xB9 \xC3\x98";  // UTF-8 inside the program
    return TestoIni(s.imp, s.stato);
}

struct CasoLettore {
    const char* nome;
    Lettura leggi;
    std::string contenuto;  // the file as we save it
    std::string atteso;     // part of what is read, as our writers put it
};

void PrintTo(const CasoLettore& c, std::ostream* os) { *os << c.nome; }

std::vector<CasoLettore> Lettori() {
    return {
        // Seen: the version line was not recognised and node numbers were read as coordinates.
        {.nome = "Parete",
         .leggi = PareteLetta,
         .contenuto = PareteCp1252(),
         .atteso = "\r\n 12           1300.000000"},
        {.nome = "ArmatureVersione7",
         .leggi = ArmatureLette,
         .contenuto = Armature7Cp1252(),
         .atteso = "\r\nQuota \xD8" "12, pi\xF9 \x80\r\n"},
        {.nome = "ArmatureSenzaVersione",
         .leggi = ArmatureLette,
         .contenuto = Contenuto(PercorsoFixture("ARMATURA_SENZA_VERSIONE.ARS")),
         .atteso = "25.00         30.00         20.00         17.50"},
        {.nome = "Impostazioni",
         .leggi = ImpostazioniLette,
         .contenuto = ImpostazioniCp1252(),
         .atteso = "\r\nArmatura pi\xF9 \xD8\r\n"},
        {.nome = "Memoria",
         .leggi = MemoriaLetta,
         .contenuto = "2\r\n\"/lavori/Parete \xD8 pi\xF9.SET\"\r\n\"/lavori/P2.SET\"\r\n",
         .atteso = "\"/lavori/Parete \xD8 pi\xF9.SET\""},
    };
}

bool HaDetto(const Letto& letto, const std::string& parte) {
    return std::any_of(letto.detto.begin(), letto.detto.end(), [&](const std::string& testo) {
        return testo.find(parte) != std::string::npos;
    });
}

class FileConSegnoUtf8 : public testing::TestWithParam<CasoLettore> {};

TEST_P(FileConSegnoUtf8, LettoComeLoStessoFileSenzaSegno) {
    const CasoLettore& caso = GetParam();
    const Letto senza = caso.leggi(caso.contenuto);
    ASSERT_NE(senza.scritto.find(caso.atteso), std::string::npos) << senza.scritto;

    const Letto con = caso.leggi(ConSegno(caso.contenuto));
    EXPECT_EQ(con.scritto, senza.scritto);
    EXPECT_EQ(con.detto, senza.detto);
}

// A character our files cannot hold would be lost at the next save: the file
// is refused as a damaged one is, and the reason names the line.
TEST_P(FileConSegnoUtf8, ConUnCarattereFuoriDaWindows1252Rifiutato) {
    const CasoLettore& caso = GetParam();
    const std::string utf8 = Cp1252AUtf8(caso.contenuto);
    const auto righe = std::count(utf8.begin(), utf8.end(), '\n');
    const Letto letto = caso.leggi(std::string(SegnoUtf8) + utf8 + "\xE2\x86\x92\r\n");
    EXPECT_EQ(letto.scritto, caso.leggi("").scritto);
    EXPECT_TRUE(HaDetto(letto, "Riga " + std::to_string(righe + 1) +
                                 ": il carattere \"\xE2\x86\x92\" non si può conservare nei "
                                 "file del programma (codifica Windows-1252)."))
        << testing::PrintToString(letto.detto);
}

TEST_P(FileConSegnoUtf8, InUtf16Rifiutato) {
    const CasoLettore& caso = GetParam();
    const Letto letto = caso.leggi(std::string("\xFF\xFE" "1\0\r\0\n\0", 8));
    EXPECT_EQ(letto.scritto, caso.leggi("").scritto);
    EXPECT_TRUE(HaDetto(letto, "Il file è salvato in Unicode (UTF-16)"))
        << testing::PrintToString(letto.detto);
}

INSTANTIATE_TEST_SUITE_P(Lettori, FileConSegnoUtf8, testing::ValuesIn(Lettori()),
                         [](const testing::TestParamInfo<CasoLettore>& info) {
                             return std::string(info.param.nome);
                         });

// Saving keeps the lines of the wall file: those of a file an editor saved
// with the mark go back in Windows-1252 without it, as if we had written it.
TEST(PareteConSegnoUtf8, SalvataComeUnFileNormale) {
    const auto salvata = [](const std::string& contenuto) {
        CartellaTemporanea cartella;
        const std::string file = cartella.Scrivi("P7.SET", contenuto);
        Sessione s;
        FinestraRegistrata finestra;
        EXPECT_TRUE(LeggiParete(s, file, finestra).Riuscito());
        s.parete.FileCorrente = file;
        s.parete.CartellaLavoro = cartella.Percorso().string();
        const Esito esito = SalvaParete(s, file, finestra);
        EXPECT_TRUE(esito.Riuscito()) << esito.Motivo;
        return Contenuto(file);
    };
    const std::string normale = salvata(PareteCp1252());
    ASSERT_EQ(normale.rfind("versione 1\r\nKORVANE\r\n7 0 Parete", 0), 0u) << normale;
    ASSERT_NE(normale.find("\r\n25 3 Spessore e copriferro \xD8 pi\xF9 \x80\r\n"),
              std::string::npos);
    EXPECT_EQ(salvata(ConSegno(PareteCp1252())), normale);
}

}  // namespace

namespace {

// The wall file was changed by an editor after the opening and now holds
// what our files cannot: the save asks before replacing it, and with "Sì"
// writes the lines of the file as it was read, so nothing of the editor's
// line enters our files.
TEST(PareteConSegnoUtf8, UnaModificaIllegibileDopoLAperturaNonEntraNelSalvataggio) {
    CartellaTemporanea cartella;
    const std::string file = cartella.Scrivi("P7.SET", PareteCp1252());
    Sessione s;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(s, file, finestra).Riuscito());
    s.parete.FileCorrente = file;
    s.parete.CartellaLavoro = cartella.Percorso().string();
    cartella.Scrivi("P7.SET", ConSegno(PareteCp1252()) + "\xE2\x86\x92\r\n");
    finestra.RisposteDomande = {true};

    const Esito esito = SalvaParete(s, file, finestra);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    EXPECT_TRUE(finestra.RisposteDomande.empty()) << "the overwrite was not asked";
    const std::string salvata = Contenuto(file);
    EXPECT_EQ(salvata.rfind("versione 1\r\nKORVANE\r\n7 0 Parete", 0), 0u) << salvata;
    EXPECT_EQ(salvata.find("\xE2\x86\x92"), std::string::npos);
    EXPECT_TRUE(fs::exists(cartella.Percorso() / "P7.ARS"));
}

}  // namespace
