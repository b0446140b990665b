#include "export/BlocchiDxf.h"

#include "export/GruppiDxf.h"
#include "export/HandleDxf.h"
#include "model/Numeri.h"

void ScrittoreBlocchi::Gruppo(int codice, const std::string& valore) {
    ScriviGruppo(sezioni_, codice, valore);
}

void ScrittoreBlocchi::Intestazione(const char* tipo, const std::string& layer,
                                    const std::string& proprietario, const char* spazioCarta) {
    Gruppo(0, tipo);
    Gruppo(5, handle_.NuovoHandle());
    Gruppo(330, proprietario);
    Gruppo(100, "AcDbEntity");
    if (spazioCarta) Gruppo(67, spazioCarta);
    Gruppo(8, layer);
}

void ScrittoreBlocchi::Inizio(const std::string& nome, const std::string& layer,
                              const std::string& proprietario, const std::string& percorso,
                              const char* spazioCarta) {
    Intestazione("BLOCK", layer, proprietario, spazioCarta);
    Gruppo(100, "AcDbBlockBegin");
    Gruppo(2, nome);
    Gruppo(70, "     0");
    Gruppo(10, "0.0");
    Gruppo(20, "0.0");
    Gruppo(30, "0.0");
    Gruppo(3, nome);
    Gruppo(1, percorso);
}

void ScrittoreBlocchi::BloccoInizio(const std::string& nome, const std::string& layer,
                                    const std::string& proprietario) {
    Inizio(nome, layer, proprietario, nome);
}

void ScrittoreBlocchi::BloccoLinea(float x1, float y1, float x2, float y2,
                                   const std::string& layer, const std::string& proprietario) {
    Intestazione("LINE", layer, proprietario);
    Gruppo(62, "     0");
    Gruppo(100, "AcDbLine");
    Gruppo(10, FormatoDec(x1, 8));
    Gruppo(20, FormatoDec(y1, 8));
    Gruppo(30, "0.0");
    Gruppo(11, FormatoDec(x2, 8));
    Gruppo(21, FormatoDec(y2, 8));
    Gruppo(31, "0.0");
}

void ScrittoreBlocchi::BloccoCerchio(float xc, float yc, float raggio, const std::string& layer,
                                     const std::string& proprietario) {
    Intestazione("CIRCLE", layer, proprietario);
    Gruppo(62, "     0");
    Gruppo(100, "AcDbCircle");
    Gruppo(10, FormatoDec(xc, 8));
    Gruppo(20, FormatoDec(yc, 8));
    Gruppo(30, "0.0");
    Gruppo(40, FormatoDec(raggio, 8));
}

void ScrittoreBlocchi::BloccoFine(const std::string& layer, const std::string& proprietario) {
    Intestazione("ENDBLK", layer, proprietario);
    Gruppo(100, "AcDbBlockEnd");
}

void ScrittoreBlocchi::ScriviBloccoNone(const std::string& layer,
                                        const std::string& proprietario) {
    Inizio("_None", layer, proprietario, "");
    BloccoFine(layer, proprietario);
}

void ScrittoreBlocchi::BloccoSpazio(const std::string& nome, const std::string& proprietario,
                                    bool carta) {
    Inizio(nome, "0", proprietario, "", carta ? "     1" : nullptr);
    Intestazione("ENDBLK", "0", proprietario, carta ? "1" : nullptr);
    Gruppo(100, "AcDbBlockEnd");
}

void ScriviBlocchiFreccia(std::ostream& sezioni, HandleDxf& handle, const std::string& layer) {
    ScrittoreBlocchi b(sezioni, handle);
    const std::string& freccia = handle.HndFreccia;
    b.BloccoInizio("_FRECCIAKORVAN", layer, freccia);
    b.BloccoLinea(0, 15, 0, -15, layer, freccia);  // the tick across the dimension line
    b.BloccoLinea(-1, 0, 0, 0, layer, freccia);    // the unit the dimension line stops short of
    b.BloccoCerchio(0, 0, 1.5f, layer, freccia);
    b.BloccoFine(layer, freccia);

    const std::string& senzaFreccia = handle.HndNoFreccia;
    b.BloccoInizio("_NOFRECCIA", layer, senzaFreccia);
    b.BloccoLinea(-1, 0, 0, 0, layer, senzaFreccia);
    b.BloccoFine(layer, senzaFreccia);

    b.ScriviBloccoNone(layer, handle.HndNone);
}

void ScriviBlocksDXF(std::ostream& sezioni, HandleDxf& handle, std::string_view blocchiQuote) {
    ScriviGruppo(sezioni, 0, "SECTION");
    ScriviGruppo(sezioni, 2, "BLOCKS");
    ScrittoreBlocchi b(sezioni, handle);
    b.BloccoSpazio("*Model_Space", handle.HndModelSpace, false);
    b.BloccoSpazio("*Paper_Space", handle.HndPaperSpace, true);
    ScriviBlocchiFreccia(sezioni, handle, "0");
    sezioni << blocchiQuote;
    ScriviGruppo(sezioni, 0, "ENDSEC");
}
