#include "TestoLibreOffice.h"

#include "ComandoEsterno.h"
#include "Fixture.h"

#include <cstdlib>
#include <sstream>
#include <string_view>

namespace {
constexpr std::string_view SpazioSesto = "\u2006";
}  // namespace

bool LibreOfficeDisponibile() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

EsitoConversione ConvertiInTesto(const std::vector<std::filesystem::path>& documenti,
                                 const std::filesystem::path& cartella) {
    const std::filesystem::path profilo = cartella / "profilo";
    std::string comando = "HOME=\"" + cartella.string() + "\" soffice -env:UserInstallation=file://" +
                          profilo.string() +
                          " --headless --convert-to 'txt:Text (encoded):UTF8' --outdir \"" +
                          cartella.string() + "\"";
    for (const auto& d : documenti) comando += " \"" + d.string() + "\"";
    const UscitaComando conversione = EseguiComando(comando);
    if (conversione.Codice != 0) return {conversione.Descrizione("soffice")};
    // A LibreOffice busy elsewhere may end well and write nothing.
    for (const auto& d : documenti) {
        std::filesystem::path txt = cartella / d.filename();
        if (!std::filesystem::exists(txt.replace_extension("txt")))
            return {"soffice non ha scritto " + txt.string() + ": " +
                    conversione.Descrizione("soffice")};
    }
    return {};
}

std::vector<std::string> RigheNonVuote(const std::filesystem::path& testo) {
    std::string contenuto = Contenuto(testo.string());
    if (contenuto.rfind("\xEF\xBB\xBF", 0) == 0) contenuto.erase(0, 3);
    std::vector<std::string> righe;
    std::istringstream ingresso(contenuto);
    std::string riga;
    while (std::getline(ingresso, riga)) {
        // LibreOffice keeps a run of blanks by putting six-per-em spaces between them.
        for (auto i = riga.find(SpazioSesto); i != std::string::npos; i = riga.find(SpazioSesto, i))
            riga.erase(i, SpazioSesto.size());
        const auto inizio = riga.find_first_not_of(" \t\r");
        if (inizio == std::string::npos) continue;
        const auto fine = riga.find_last_not_of(" \t\r");
        righe.push_back(riga.substr(inizio, fine - inizio + 1));
    }
    return righe;
}
