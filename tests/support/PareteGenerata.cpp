#include "PareteGenerata.h"

#include "FinestraRegistrata.h"
#include "design/LeggiParete.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The build tree keeps the tests in tests/ and the generator in tools/.
std::filesystem::path Generatore() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "tools" /
           "genera_parete";
}

}  // namespace

void ScriviPareteGenerata(const std::string& file, int nodi) {
    const std::string comando = "\"" + Generatore().string() + "\" --nodi " + std::to_string(nodi) +
                                " --uscita \"" + file + "\"";
    ASSERT_EQ(std::system(comando.c_str()), 0) << comando;
}

void LeggiPareteGenerata(Sessione& sessione, const std::filesystem::path& cartella, int nodi) {
    const std::string file = (cartella / ("parete_" + std::to_string(nodi) + ".set")).string();
    ASSERT_NO_FATAL_FAILURE(ScriviPareteGenerata(file, nodi));
    FinestraRegistrata finestra;
    const Esito esito = LeggiParete(sessione, file, finestra);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    ASSERT_EQ(sessione.parete.NumNodi, nodi);
}
