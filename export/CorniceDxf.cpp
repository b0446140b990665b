#include "export/CorniceDxf.h"

#include "export/BlocchiDxf.h"
#include "export/FileDxfR12.h"
#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Impostazioni.h"

#include <exception>

void ScriviEntitiesDXF(std::ostream& sezioni, const FileDxf& file) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "ENTITIES");
    sezioni << file.TestoEntita();
    ScriviGruppo(sezioni, 0, "ENDSEC");
}

void ScriviEofDXF(std::ostream& sezioni) { ScriviGruppo(sezioni, 0, "EOF"); }

std::string TestoFileDxfR12(const FileDxf& file, const Impostazioni& imp) {
    std::ostringstream testo;
    ScriviHeaderR12(testo);
    ScriviTablesR12(testo, imp, NumLayer);
    ScriviBlocksR12(testo, file.TestoBlocchi());
    ScriviEntitiesDXF(testo, file);
    ScriviEofDXF(testo);
    return std::move(testo).str();
}

std::string TestoFileDxfR2000(const FileDxf& file, HandleDxf& handle, SezioniDxfR2000& sezioni) {
    std::ostringstream corpo;
    sezioni.ScriviTables(corpo, handle);
    ScriviBlocksDXF(corpo, handle, file.TestoBlocchi());
    ScriviEntitiesDXF(corpo, file);
    sezioni.ScriviObjects(corpo, handle);
    ScriviEofDXF(corpo);

    std::ostringstream testo;
    sezioni.ScriviHeader(testo, handle);
    sezioni.ScriviClasses(testo, handle);
    testo << corpo.view();
    return std::move(testo).str();
}

namespace {

template <typename Assembla>
Esito Scrivi(const std::filesystem::path& percorso, Assembla assembla) {
    std::string testo;
    try {
        testo = assembla();
    } catch (const std::exception& errore) {
        return Esito::Errore("Impossibile scrivere il file " + percorso.string() + ".\n" +
                             errore.what());
    }
    return ScriviFileAtomico(percorso, testo);
}

}  // namespace

Esito ScriviFileDxfR12(const std::filesystem::path& percorso, const FileDxf& file,
                       const Impostazioni& imp) {
    return Scrivi(percorso, [&] { return TestoFileDxfR12(file, imp); });
}

Esito ScriviFileDxfR2000(const std::filesystem::path& percorso, const FileDxf& file,
                         HandleDxf& handle, SezioniDxfR2000& sezioni) {
    if (handle.TroppeQuote)
        return Esito::Errore("Troppe quote nel disegno DXF.\nOperazione annullata!");
    return Scrivi(percorso, [&] { return TestoFileDxfR2000(file, handle, sezioni); });
}
