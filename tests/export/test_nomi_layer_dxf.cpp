#include "export/NomiLayerDxf.h"
#include "model/Impostazioni.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Rinomina {
    int indice;
    std::string nome;
};

}  // namespace

TEST(NomiLayerDxf, TheFirstNameADxfFileCannotHold) {
    const struct {
        const char* caso;
        std::vector<Rinomina> nomi;
        std::optional<std::string> rifiutato;
    } casi[] = {
        {.caso = "the defaults", .nomi = {}, .rifiutato = std::nullopt},
        {.caso = "accented letters and blanks",
         .nomi = {{5, "PARETI à 1°"}, {6, "Ø ferri"}},
         .rifiutato = std::nullopt},
        {.caso = "empty", .nomi = {{3, ""}}, .rifiutato = ""},
        {.caso = "less-than", .nomi = {{0, "A<B"}}, .rifiutato = "A<B"},
        {.caso = "greater-than", .nomi = {{0, "A>B"}}, .rifiutato = "A>B"},
        {.caso = "slash", .nomi = {{1, "A/B"}}, .rifiutato = "A/B"},
        {.caso = "backslash", .nomi = {{1, "A\\B"}}, .rifiutato = "A\\B"},
        {.caso = "double quote", .nomi = {{1, "A\"B"}}, .rifiutato = "A\"B"},
        {.caso = "colon", .nomi = {{1, "A:B"}}, .rifiutato = "A:B"},
        {.caso = "semicolon", .nomi = {{1, "A;B"}}, .rifiutato = "A;B"},
        {.caso = "question mark", .nomi = {{1, "A?B"}}, .rifiutato = "A?B"},
        {.caso = "asterisk", .nomi = {{1, "A*B"}}, .rifiutato = "A*B"},
        {.caso = "bar", .nomi = {{1, "A|B"}}, .rifiutato = "A|B"},
        {.caso = "equals", .nomi = {{1, "A=B"}}, .rifiutato = "A=B"},
        {.caso = "backquote", .nomi = {{1, "A`B"}}, .rifiutato = "A`B"},
        {.caso = "a tab would break the line of the file",
         .nomi = {{7, "A\tB"}},
         .rifiutato = "A\tB"},
        {.caso = "a character the code page lacks is written as '?'",
         .nomi = {{7, "ARM \xE2\x88\x9A"}},
         .rifiutato = "ARM \xE2\x88\x9A"},
        {.caso = "the fixed layer 0", .nomi = {{9, "0"}}, .rifiutato = "0"},
        {.caso = "the fixed layer Defpoints in any case",
         .nomi = {{9, "DEFPOINTS"}},
         .rifiutato = "DEFPOINTS"},
        {.caso = "another layer's name in another case: the later one",
         .nomi = {{4, "Muri"}, {11, "MURI"}},
         .rifiutato = "MURI"},
        {.caso = "case of accented letters too",
         .nomi = {{4, "Città"}, {11, "CITTÀ"}},
         .rifiutato = "CITTÀ"},
        {.caso = "the derived layer 24",
         .nomi = {{Layer::PerimPilastri, "PIL"}, {6, "pil_sup"}},
         .rifiutato = "PIL_SUP"},
        {.caso = "the first fault of the table is told",
         .nomi = {{2, "X?"}, {20, ""}},
         .rifiutato = "X?"},
    };
    for (const auto& c : casi) {
        Impostazioni imp;
        for (const auto& r : c.nomi) imp.NomiLayer[r.indice] = r.nome;
        DerivaLayerSuperiore(imp);
        EXPECT_EQ(LayerNonValido(imp), c.rifiutato) << c.caso;
    }
}

TEST(NomiLayerDxf, MessageNamesTheLayer) {
    EXPECT_EQ(MessaggioLayerNonValido("A?B"),
              "Il nome del layer A?B non \xC3\xA8 valido o \xC3\xA8 gi\xC3\xA0 usato.");
}
