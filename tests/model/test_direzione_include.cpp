// Includes point one way: a file never includes a folder above its own library.
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Libraries from the bottom up, one floor each.
struct Libreria {
    std::string_view Cartella;
    int Livello;
};
constexpr Libreria Librerie[] = {{"model", 0},  {"drawing", 1},     {"design", 2}, {"export", 3},
                                 {"interaction", 4}, {"ui", 5}, {"app", 6}};

// File names of the primitive layer of drawing/ (targets, draw styles, view
// transform, primitives, palette, bar shapes), by prefix: it stays free of
// design/ and of the rest of drawing/.
constexpr std::string_view StratoPrimitivo[] = {
    "Bersaglio", "StiliDisegno", "Vista",     "ComandiVista", "Primitive",
    "Palette",   "TelaSchermo",  "FlussoDxf", "FormeFerri"};

std::optional<int> Livello(std::string_view cartella) {
    for (const Libreria& l : Librerie)
        if (l.Cartella == cartella) return l.Livello;
    return std::nullopt;
}

bool Primitivo(const fs::path& file) {
    const std::string nome = file.stem().string();
    return std::any_of(std::begin(StratoPrimitivo), std::end(StratoPrimitivo),
                       [&](std::string_view p) { return nome.rfind(p, 0) == 0; });
}

struct Violazione {
    std::string File;  // relative to the project root
    int Riga = 0;
    std::string Include;
    std::string Motivo;
};

struct Esame {
    std::vector<Violazione> Violazioni;
    int FileLetti = 0;
};

// The path of an #include line, and whether it is quoted; nothing for any other line.
struct Include {
    std::string Percorso;
    bool Virgolette = false;
};
std::optional<Include> LeggiInclude(const std::string& riga) {
    std::size_t i = riga.find_first_not_of(" \t");
    if (i == std::string::npos || riga[i] != '#') return std::nullopt;
    i = riga.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || riga.compare(i, 7, "include") != 0) return std::nullopt;
    i = riga.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (riga[i] != '"' && riga[i] != '<')) return std::nullopt;
    const bool virgolette = riga[i] == '"';
    const std::size_t fine = riga.find(virgolette ? '"' : '>', i + 1);
    if (fine == std::string::npos) return std::nullopt;
    return Include{riga.substr(i + 1, fine - i - 1), virgolette};
}

// The included file relative to the project root: a path starting with "." is
// relative to the including file, as is a quoted name found beside it;
// anything else is looked up from the root, which is the include folder.
fs::path Risolvi(const fs::path& radice, const fs::path& file, const Include& include) {
    const fs::path accanto = (file.parent_path() / include.Percorso).lexically_normal();
    if (include.Percorso.rfind('.', 0) == 0 || (include.Virgolette && fs::exists(radice / accanto)))
        return accanto;
    return fs::path(include.Percorso).lexically_normal();
}

void EsaminaFile(const fs::path& radice, const fs::path& file, Esame& esame) {
    const std::string cartella = file.begin()->string();
    const int livello = *Livello(cartella);
    const bool primitivo = cartella == "drawing" && Primitivo(file);
    std::ifstream ingresso(radice / file);
    std::string riga;
    int numero = 0;
    while (std::getline(ingresso, riga)) {
        ++numero;
        const auto include = LeggiInclude(riga);
        if (!include) continue;
        const fs::path incluso = Risolvi(radice, file, *include);
        const std::string sua = incluso.begin()->string();
        const auto suoLivello = Livello(sua);
        if (!suoLivello) continue;
        std::string motivo;
        if (*suoLivello > livello)
            motivo = cartella + "/ may not include " + sua + "/, a library above it";
        else if (primitivo && sua == "design")
            motivo = "the primitive layer of drawing/ may not include design/";
        else if (primitivo && sua == "drawing" && !Primitivo(incluso))
            motivo = "the primitive layer of drawing/ may not include the rest of drawing/";
        if (!motivo.empty())
            esame.Violazioni.push_back({file.generic_string(), numero, include->Percorso, motivo});
    }
    ++esame.FileLetti;
}

// Every source file of the libraries under radice; tests, tools and
// benchmarks are not checked.
Esame EsaminaSorgenti(const fs::path& radice) {
    Esame esame;
    for (const Libreria& l : Librerie) {
        const fs::path cartella = radice / l.Cartella;
        if (!fs::is_directory(cartella)) continue;
        for (const auto& voce : fs::recursive_directory_iterator(cartella)) {
            const std::string estensione = voce.path().extension().string();
            if (!voce.is_regular_file() || (estensione != ".h" && estensione != ".cpp")) continue;
            EsaminaFile(radice, voce.path().lexically_relative(radice), esame);
        }
    }
    return esame;
}

std::string Descrivi(const Violazione& v) {
    return v.File + ":" + std::to_string(v.Riga) + ": #include \"" + v.Include + "\": " +
           v.Motivo;
}

}  // namespace

TEST(DirezioneInclude, NessunIncludeVersoLAlto) {
    const fs::path radice = fs::path(KORVANE_TESTS).parent_path();
    const Esame esame = EsaminaSorgenti(radice);
    EXPECT_GT(esame.FileLetti, 0) << "no source found under " << radice;
    for (const Violazione& v : esame.Violazioni) ADD_FAILURE() << Descrivi(v);
}

// The check itself, on small source trees: one file with the include on its
// second line.
TEST(DirezioneInclude, RiconosceLeViolazioni) {
    struct Caso {
        const char* nome;
        const char* file;
        const char* riga;
        bool violazione;
    };
    const Caso casi[] = {
        {.nome = "model includes design", .file = "model/A.cpp",
         .riga = "#include \"design/B.h\"", .violazione = true},
        {.nome = "export includes ui", .file = "export/A.h",
         .riga = "#include \"ui/B.h\"", .violazione = true},
        {.nome = "ui includes app", .file = "ui/A.cpp",
         .riga = "#  include <app/B.h>", .violazione = true},
        {.nome = "relative path upwards", .file = "drawing/A.cpp",
         .riga = "#include \"../export/B.h\"", .violazione = true},
        {.nome = "primitive includes design", .file = "drawing/PrimitiveQuote.cpp",
         .riga = "#include \"design/B.h\"", .violazione = true},
        {.nome = "bar shape includes design", .file = "drawing/FormeFerriComuni.cpp",
         .riga = "#include \"design/Sovrapposizione.h\"", .violazione = true},
        {.nome = "primitive includes the rest of drawing", .file = "drawing/Vista.h",
         .riga = "#include \"drawing/SolaiPareti.h\"", .violazione = true},
        {.nome = "primitive includes primitive", .file = "drawing/Primitive.cpp",
         .riga = "#include \"drawing/Palette.h\"", .violazione = false},
        {.nome = "drawing includes design", .file = "drawing/SolaiPareti.cpp",
         .riga = "#include \"design/B.h\"", .violazione = true},
        {.nome = "design includes interaction", .file = "design/Modifica.cpp",
         .riga = "#include \"interaction/StatoMacchina.h\"", .violazione = true},
        {.nome = "export includes interaction", .file = "export/Computo.cpp",
         .riga = "#include \"interaction/FormZonaDati.h\"", .violazione = true},
        {.nome = "interaction includes export", .file = "interaction/FormZonaDati.cpp",
         .riga = "#include \"export/TestoInfoArm.h\"", .violazione = false},
        {.nome = "interaction includes ui", .file = "interaction/ModiZona.cpp",
         .riga = "#include \"ui/TelaQt.h\"", .violazione = true},
        {.nome = "design includes drawing", .file = "design/A.cpp",
         .riga = "#include \"drawing/Primitive.h\"", .violazione = false},
        {.nome = "downwards", .file = "app/main.cpp",
         .riga = "#include \"ui/B.h\"", .violazione = false},
        {.nome = "standard header", .file = "model/A.h",
         .riga = "#include <string>", .violazione = false},
        {.nome = "commented out", .file = "model/A.cpp",
         .riga = "// #include \"ui/B.h\"", .violazione = false},
        {.nome = "tests are not checked", .file = "tests/model/t.cpp",
         .riga = "#include \"ui/B.h\"", .violazione = false},
    };
    for (const Caso& c : casi) {
        CartellaTemporanea albero;
        fs::create_directories(albero.Percorso() / fs::path(c.file).parent_path());
        albero.Scrivi(c.file, std::string("#pragma once\n") + c.riga + "\n");
        const Esame esame = EsaminaSorgenti(albero.Percorso());
        if (!c.violazione) {
            EXPECT_TRUE(esame.Violazioni.empty()) << c.nome;
            continue;
        }
        ASSERT_EQ(esame.Violazioni.size(), 1u) << c.nome;
        const Violazione& v = esame.Violazioni[0];
        EXPECT_EQ(v.File, c.file) << c.nome;
        EXPECT_EQ(v.Riga, 2) << c.nome;
        EXPECT_NE(std::string(c.riga).find(v.Include), std::string::npos) << c.nome;
    }
}
